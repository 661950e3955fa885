// Object-bound window procedures and the subclass built on them. The thunks live in a private
// executable heap; each is a dozen bytes. User-interface thread (the heap itself is locked).
#include "framework/win/window_thunk.h"

#include <atomic>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <utility>
#include <vector>

namespace fw {
namespace {

std::atomic<int> liveThunks{0};

// Subclass procedures running on this thread, and the work waiting for them to return, with
// the thread it waits on. (Only trivially destructible thread-local data: anything else would
// keep a DLL of the engine from unloading.)
thread_local int runningProcedures = 0;
struct UnwoundWork {
  DWORD thread = 0;
  std::vector<std::function<void()>> items;
};
UnwoundWork unwoundWork;

void RunWork(std::vector<std::function<void()>>& work) {
  for (auto& item : work) {
    try {
      item();
    } catch (...) {
    }
  }
}

HANDLE ThunkHeap() {
  static HANDLE heap = HeapCreate(HEAP_CREATE_ENABLE_EXECUTE, 0, 0);
  return heap;
}

#if defined(_M_X64) || defined(__x86_64__)
// mov rcx, object ; mov rax, target ; jmp rax
constexpr size_t kThunkSize = 22;
void WriteThunk(unsigned char* p, void* object, WindowThunk::Target target) {
  const auto obj = reinterpret_cast<uint64_t>(object);
  const auto fn = reinterpret_cast<uint64_t>(target);
  p[0] = 0x48, p[1] = 0xB9;
  std::memcpy(p + 2, &obj, 8);
  p[10] = 0x48, p[11] = 0xB8;
  std::memcpy(p + 12, &fn, 8);
  p[20] = 0xFF, p[21] = 0xE0;
}
#else
// mov dword [esp+4], object ; jmp target
constexpr size_t kThunkSize = 13;
void WriteThunk(unsigned char* p, void* object, WindowThunk::Target target) {
  const auto obj = reinterpret_cast<uint32_t>(object);
  p[0] = 0xC7, p[1] = 0x44, p[2] = 0x24, p[3] = 0x04;
  std::memcpy(p + 4, &obj, 4);
  p[8] = 0xE9;
  const auto rel =
      static_cast<int32_t>(reinterpret_cast<intptr_t>(target) - reinterpret_cast<intptr_t>(p + 13));
  std::memcpy(p + 9, &rel, 4);
}
#endif

}  // namespace

WindowThunk::WindowThunk(void* object, Target target) {
  code_ = static_cast<unsigned char*>(HeapAlloc(ThunkHeap(), 0, kThunkSize));
  if (!code_) throw std::bad_alloc();
  WriteThunk(code_, object, target);
  FlushInstructionCache(GetCurrentProcess(), code_, kThunkSize);
  ++liveThunks;
}

WindowThunk::~WindowThunk() {
  HeapFree(ThunkHeap(), 0, code_);
  --liveThunks;
}

int WindowThunk::LiveCount() {
  return liveThunks.load();
}

WindowSubclass::WindowSubclass() : thunk_(this, &WindowSubclass::Entry) {}

WindowSubclass::~WindowSubclass() {
  Restore();
  // Our code is about to go: when a procedure installed later still calls it, the window gets
  // the procedure we found back (the later one loses its place rather than call freed code).
  if (chained_ && IsWindow(boundWindow_)) SetProcedure(previous_);
}

bool WindowSubclass::Install(HWND window, Handler handler) {
  if (window_ || !IsWindow(window)) return false;
  window_ = boundWindow_ = window;
  chained_ = false;
  unicode_ = IsWindowUnicode(window) != FALSE;
  handler_ = std::move(handler);
  const auto proc = reinterpret_cast<LONG_PTR>(thunk_.Procedure());
  previous_ = reinterpret_cast<WNDPROC>(unicode_ ? SetWindowLongPtrW(window, GWLP_WNDPROC, proc)
                                                 : SetWindowLongPtrA(window, GWLP_WNDPROC, proc));
  return true;
}

void WindowSubclass::Restore() {
  if (!window_) return;
  if (IsCurrent())
    SetProcedure(previous_);
  else
    chained_ = IsWindow(window_) != FALSE;  // a later procedure still calls ours: pass messages on
  window_ = nullptr;
  handler_ = nullptr;  // previous_ and boundWindow_ stay for the pass-through
}

bool WindowSubclass::IsCurrent() const {
  const LONG_PTR current = unicode_ ? GetWindowLongPtrW(boundWindow_, GWLP_WNDPROC)
                                    : GetWindowLongPtrA(boundWindow_, GWLP_WNDPROC);
  return current == reinterpret_cast<LONG_PTR>(thunk_.Procedure());
}

void WindowSubclass::SetProcedure(WNDPROC proc) {
  const auto value = reinterpret_cast<LONG_PTR>(proc);
  if (unicode_)
    SetWindowLongPtrW(boundWindow_, GWLP_WNDPROC, value);
  else
    SetWindowLongPtrA(boundWindow_, GWLP_WNDPROC, value);
}

LRESULT WindowSubclass::CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) const {
  if (!previous_) return 0;
  return unicode_ ? CallWindowProcW(previous_, window_, msg, wParam, lParam)
                  : CallWindowProcA(previous_, window_, msg, wParam, lParam);
}

void WindowSubclass::Default(TMessage& message) const {
  message.Result = CallPrevious(message.Msg, message.WParam, message.LParam);
}

LRESULT CALLBACK WindowSubclass::Entry(HWND self, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* sub = reinterpret_cast<WindowSubclass*>(self);
  TMessage message{msg, wParam, lParam, 0};
  ++runningProcedures;
  // A handler may restore (and even free) the subclass while it runs; keep what the tail needs.
  if (sub->handler_) {
    Handler handler = sub->handler_;
    handler(message);
  } else if (sub->previous_) {
    // Restored while another procedure still chains to us: keep passing messages on.
    message.Result = sub->unicode_ ? CallWindowProcW(sub->previous_, sub->boundWindow_, msg, wParam, lParam)
                                   : CallWindowProcA(sub->previous_, sub->boundWindow_, msg, wParam, lParam);
  }
  if (--runningProcedures == 0 && !unwoundWork.items.empty() && unwoundWork.thread == GetCurrentThreadId())
    RunUnwoundWorkNow();
  return message.Result;
}

void RunWhenSubclassesUnwound(std::function<void()> work) {
  if (runningProcedures > 0) {
    unwoundWork.thread = GetCurrentThreadId();
    unwoundWork.items.push_back(std::move(work));
    return;
  }
  std::vector<std::function<void()>> now;
  now.push_back(std::move(work));
  RunWork(now);
}

void RunUnwoundWorkNow() {
  // Work may queue more work (or run procedures that finish with more): take it batch by batch.
  while (!unwoundWork.items.empty()) {
    std::vector<std::function<void()>> batch = std::exchange(unwoundWork.items, {});
    RunWork(batch);
  }
}

}  // namespace fw
