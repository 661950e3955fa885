// Thread objects and the hand-over of calls to the user-interface thread: a message-only
// window made on that thread runs queued calls when its private message arrives (any message
// loop dispatches it), and a thread waiting for its calls is signalled through an event. Calls
// queued without waiting run from the same message.
#include "framework/ui/thread.h"

#include <deque>
#include <exception>
#include <memory>

#include "framework/core/error.h"
#include "framework/win/code_module.h"

namespace {

constexpr UINT kRunQueuedCalls = WM_APP + 0x3F1;
constexpr wchar_t kSyncWindowClass[] = L"QuarnelThreadSync";

// The thread that ran the program's start-up code is the user-interface thread.
const DWORD g_mainThreadId = GetCurrentThreadId();

struct SyncRequest {
  const std::function<void()>* call;
  std::exception_ptr error;
  bool done = false;
};

struct SyncQueue {
  std::mutex lock;
  std::condition_variable doneChanged;
  std::deque<SyncRequest*> pending;
  std::deque<std::function<void()>> queued;  // ForceQueue: owned, nobody waits
  fw::UniqueKernelHandle pendingEvent{CreateEventW(nullptr, FALSE, FALSE, nullptr)};
  HWND window = nullptr;
};

SyncQueue& Queue() {
  static SyncQueue queue;
  return queue;
}

// Only the calls queued before this run: one queued by a call waits for the next message.
void RunForcedCalls() {
  SyncQueue& q = Queue();
  std::deque<std::function<void()>> calls;
  {
    std::lock_guard<std::mutex> guard(q.lock);
    calls.swap(q.queued);
  }
  for (auto& call : calls) {
    try {
      call();
    } catch (...) {
      // Nobody waits for a queued call: its failure ends with it, the others still run.
    }
  }
}

LRESULT CALLBACK SyncWindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kRunQueuedCalls) {
    RunForcedCalls();
    TThread::CheckSynchronize();
    return 0;
  }
  return DefWindowProcW(wnd, msg, wp, lp);
}

// Made on the user-interface thread the first time a thread object or a hand-over needs it.
void EnsureSyncWindow() {
  if (GetCurrentThreadId() != g_mainThreadId) return;
  SyncQueue& q = Queue();
  std::lock_guard<std::mutex> guard(q.lock);
  if (q.window) return;
  static fw::UniqueWindow window;
  WNDCLASSW wc{};
  wc.lpfnWndProc = SyncWindowProc;
  wc.hInstance = fw::CodeModule();
  wc.lpszClassName = kSyncWindowClass;
  RegisterClassW(&wc);
  window.reset(
      CreateWindowW(kSyncWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr));
  q.window = window.get();
}

}  // namespace

TThread::TThread() : terminateEvent_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
  EnsureSyncWindow();
}

TThread::~TThread() {
  if (thread_ && !finished_.load()) {
    Terminate();
    Resume();
    WaitFor();
  }
}

DWORD TThread::MainThreadId() {
  return g_mainThreadId;
}

DWORD WINAPI TThread::ThreadProc(void* param) {
  auto* self = static_cast<TThread*>(param);
  try {
    self->Execute();
  } catch (...) {
    // Execute's own handling decides what an error means; nothing may leave the thread.
  }
  try {
    self->DoTerminate();
  } catch (...) {
  }
  self->finished_.store(true);
  return 0;
}

void TThread::Resume() {
  std::unique_lock<std::mutex> guard(suspendLock_);
  if (!thread_) {
    suspended_ = false;
    thread_.reset(CreateThread(nullptr, 0, ThreadProc, this, 0, &threadId_));
    if (!thread_) {
      suspended_ = true;
      throw EWin32Error("The thread cannot be started");
    }
    return;
  }
  if (suspended_) {
    suspended_ = false;
    resumed_.notify_all();
  } else {
    resumePending_ = true;
  }
}

void TThread::Suspend() {
  std::unique_lock<std::mutex> guard(suspendLock_);
  if (GetCurrentThreadId() != threadId_) return;  // only the thread itself may suspend
  if (resumePending_) {
    resumePending_ = false;
    return;
  }
  suspended_ = true;
  resumed_.wait(guard, [this] { return !suspended_; });
}

bool TThread::Started() const {
  std::lock_guard<std::mutex> guard(suspendLock_);
  return static_cast<bool>(thread_);
}

bool TThread::Suspended() const {
  std::lock_guard<std::mutex> guard(suspendLock_);
  return suspended_;
}

void TThread::Terminate() {
  terminated_.store(true);
  SetEvent(terminateEvent_.get());
}

bool TThread::SleepUnlessTerminated(DWORD ms) {
  if (Terminated()) return true;
  WaitForSingleObject(terminateEvent_.get(), ms);
  return Terminated();
}

void TThread::WaitFor() {
  if (!thread_) return;
  if (GetCurrentThreadId() == threadId_) throw EInvalidOperation("A thread cannot wait for itself");
  if (GetCurrentThreadId() != g_mainThreadId) {
    WaitForSingleObject(thread_.get(), INFINITE);
    return;
  }
  HANDLE handles[2] = {thread_.get(), Queue().pendingEvent.get()};
  while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) != WAIT_OBJECT_0) CheckSynchronize();
}

void TThread::CheckSynchronize() {
  SyncQueue& q = Queue();
  for (;;) {
    SyncRequest* request;
    {
      std::lock_guard<std::mutex> guard(q.lock);
      if (q.pending.empty()) return;
      request = q.pending.front();
      q.pending.pop_front();
    }
    try {
      (*request->call)();
    } catch (...) {
      request->error = std::current_exception();
    }
    {
      std::lock_guard<std::mutex> guard(q.lock);
      request->done = true;
    }
    q.doneChanged.notify_all();
  }
}

void TThread::ForceQueue(std::function<void()> call) {
  EnsureSyncWindow();
  SyncQueue& q = Queue();
  std::lock_guard<std::mutex> guard(q.lock);
  if (!q.window)
    throw EInvalidOperation("ForceQueue needs a thread object made on the user-interface thread");
  q.queued.push_back(std::move(call));
  PostMessageW(q.window, kRunQueuedCalls, 0, 0);
}

void TThread::Synchronize(const std::function<void()>& call) {
  if (GetCurrentThreadId() == g_mainThreadId) {
    EnsureSyncWindow();
    call();
    return;
  }
  SyncQueue& q = Queue();
  SyncRequest request{&call, nullptr};
  {
    std::unique_lock<std::mutex> guard(q.lock);
    if (!q.window)
      throw EInvalidOperation("Synchronize needs a thread object made on the user-interface thread");
    q.pending.push_back(&request);
    SetEvent(q.pendingEvent.get());
    PostMessageW(q.window, kRunQueuedCalls, 0, 0);
    q.doneChanged.wait(guard, [&] { return request.done; });
  }
  if (request.error) std::rethrow_exception(request.error);
}
