// The gallery's long run (scripts/soak): starts gallery.exe and drives it from this process for a
// number of minutes with real clicks and keys on every page, menus and popup menus opened and
// closed, the dialog demo and its dialogs, the MDI demo with its children maximised, resizes,
// and a skin switch every second. Prints the gallery's GDI and USER object counts after the
// first minute (which opens with a look at every page and dialog) and at the end, taken in the
// same quiet state; exits 0 when the end counts are within 2% of the first. For finding what
// grows: --trace, --only and --no-switch (soak_trace.h). Console program, one thread.
#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "framework/win/handles.h"
#include "tools/soak/soak_trace.h"

namespace {

using namespace soak;

constexpr wchar_t kCountsMessage[] = L"QuarnelGalleryObjectCounts";  // answered by the gallery
enum Tools { kOpen, kBlue, kDark, kOffOn, kReload, kSeparator, kMdi, kDialogs };

// Runs in every wait, so that the skin switches keep their one-second beat during long steps.
std::function<void()> everyWait;

void Pump(DWORD ms) {
  static bool inWait = false;
  const DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    if (everyWait && !inWait) {
      inWait = true;
      everyWait();
      inWait = false;
    }
    Sleep(10);
  } while (GetTickCount() - start < ms);
}

template <class Pred>
bool WaitFor(Pred done, DWORD ms = 5000) {
  for (const DWORD start = GetTickCount(); !done(); Pump(20))
    if (GetTickCount() - start > ms) return false;
  return true;
}

struct ClassSearch {
  const wchar_t* cls;
  HWND found;
};

BOOL CALLBACK MatchClass(HWND child, LPARAM p) {
  auto* s = reinterpret_cast<ClassSearch*>(p);
  wchar_t name[64];
  if (GetClassNameW(child, name, 64) && lstrcmpiW(name, s->cls) == 0) {
    s->found = child;
    return FALSE;
  }
  return TRUE;
}

HWND Child(HWND parent, const wchar_t* cls) {
  ClassSearch s{cls, nullptr};
  if (parent) EnumChildWindows(parent, MatchClass, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

void Mouse(DWORD flags) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  SendInput(1, &in, sizeof in);
}

// A real click at a client point of `target`; the right button when `right`.
void Click(HWND target, int x, int y, bool right = false) {
  POINT p{x, y};
  ClientToScreen(target, &p);
  SetCursorPos(p.x, p.y);
  Mouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
  Mouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
  Pump(60);
}

void Key(WORD key, WORD modifier = 0) {
  std::vector<INPUT> keys;
  const auto add = [&](WORD vk, DWORD flags) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = flags;
    keys.push_back(in);
  };
  if (modifier) add(modifier, 0);
  add(key, 0);
  add(key, KEYEVENTF_KEYUP);
  if (modifier) add(modifier, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
  Pump(60);
}

// The tool bar answers into memory of its own process: the rectangle is read back from there.
RECT ToolRect(HWND bar, int index) {
  RECT r{};
  DWORD pid = 0;
  GetWindowThreadProcessId(bar, &pid);
  const fw::UniqueKernelHandle process(
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
  if (!process) return r;
  void* remote = VirtualAllocEx(process.get(), nullptr, sizeof r, MEM_COMMIT, PAGE_READWRITE);
  if (remote && SendMessageW(bar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(remote)))
    ReadProcessMemory(process.get(), remote, &r, sizeof r, nullptr);
  if (remote) VirtualFreeEx(process.get(), remote, 0, MEM_RELEASE);
  return r;
}

class Driver {
 public:
  Driver(HWND gallery, DWORD pid) : gallery_(gallery), pid_(pid), random_(20) {}

  void Tool(int index) {
    HWND bar = Child(gallery_, L"TToolBar");
    const RECT r = ToolRect(bar, index);
    if (r.right > r.left) Click(bar, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  HWND Window(const wchar_t* cls, const wchar_t* title) const {
    HWND found = FindWindowW(cls, title);
    DWORD owner = 0;
    if (found) GetWindowThreadProcessId(found, &owner);
    return owner == pid_ ? found : nullptr;
  }
  // Whether a menu of the gallery is down (a drop-down of its bar, a popup or a window menu).
  bool MenuOpen() const {
    for (HWND menu = nullptr; (menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) != nullptr;) {
      DWORD owner = 0;
      GetWindowThreadProcessId(menu, &owner);
      if (owner == pid_ && IsWindowVisible(menu)) return true;
    }
    return false;
  }
  // Whether a step with menus is under way: no skin switch is clicked then. The gallery takes
  // the keys that open a menu some time after they are sent, so a drop-down may come down over
  // the tool bar after MenuOpen() said none was; the click meant for the tool bar then lands on
  // the file menu's first item, and the file dialog it opens makes the shell's icon lists, which
  // the process keeps to its end.
  bool InMenuStep() const { return menuStep_; }
  // Closes the gallery's "Open skin" dialog if a stray click opened it (no step chooses that
  // item); true when it was open. A run where this happens compares unlike states.
  bool CloseStrayFileDialog() {
    HWND box = Window(L"#32770", L"Open skin");
    if (!box) return false;
    PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    WaitFor([&] { return !IsWindow(box); }, 2000);
    return true;
  }
  // Holds the switches off for one step with menus, until its menus are closed.
  class MenuStep {
   public:
    explicit MenuStep(Driver& driver) : driver_(driver) { driver_.menuStep_ = true; }
    ~MenuStep() {
      WaitFor([&] { return !driver_.MenuOpen(); }, 3000);
      driver_.menuStep_ = false;
    }
    MenuStep(const MenuStep&) = delete;
    MenuStep& operator=(const MenuStep&) = delete;

   private:
    Driver& driver_;
  };
  void Front(HWND window) {
    SetForegroundWindow(window);
    WaitFor([&] { return GetForegroundWindow() == window; }, 1000);
  }
  // Closes whatever modal box or dialog the gallery has open, then the demos.
  void CloseExtras() {
    for (int i = 0; i < 4; ++i) {
      HWND box = Window(L"#32770", nullptr);
      if (!box) break;
      PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
      WaitFor([&] { return !IsWindow(box); }, 2000);
    }
    for (const wchar_t* cls : {L"TDialogDemoForm", L"TMdiDemoForm"})
      if (HWND demo = Window(cls, nullptr)) {
        PostMessageW(demo, WM_CLOSE, 0, 0);
        WaitFor([&] { return !IsWindow(demo); }, 3000);
      }
  }

  // One scripted step, chosen at random (seeded, so every run is the same) among `kinds`; only
  // a pause when there are none. Returns its kind, or -1 for the pause.
  int Step(unsigned kinds) {
    if (kinds == 0) {
      Pump(500);
      return -1;
    }
    int kind = Pick(kStepKinds);
    while (!(kinds & (1u << kind))) kind = Pick(kStepKinds);
    Do(kind);
    return kind;
  }

  // The run's first minute opens with a look at everything: every page with clicks, keys and its
  // popup menu, the menu bar, both demos and each dialog the steps open. What the program makes
  // on a first look and then keeps (each control's drawing buffers, the system's own objects
  // behind its dialogs) is then in place when the first count is taken, so the end count
  // compares like with like.
  void Tour() {
    HWND pages = Child(gallery_, L"TPageControl");
    const int pageCount = static_cast<int>(SendMessageW(pages, TCM_GETITEMCOUNT, 0, 0));
    for (int page = 0; page < pageCount; ++page) {
      SendMessageW(pages, TCM_SETCURFOCUS, page, 0);
      Pump(300);
      Do(kClickStep);
      Do(kKeyStep);
      Do(kPopupStep);
    }
    SendMessageW(pages, TCM_SETCURFOCUS, 0, 0);
    Do(kMenuBarStep);
    DialogDemo(0);
    DialogDemo(1);
    Do(kMdiStep);
    Do(kCloseStep);
  }

  void Do(int kind) {
    HWND pages = Child(gallery_, L"TPageControl");
    const int pageCount = static_cast<int>(SendMessageW(pages, TCM_GETITEMCOUNT, 0, 0));
    RECT client{};
    GetClientRect(pages, &client);
    switch (kind) {
      case kPageStep:  // another page, as a click on its tab does
        SendMessageW(pages, TCM_SETCURFOCUS, Pick(pageCount > 0 ? pageCount : 1), 0);
        break;
      case kClickStep:  // clicks on whatever lies on the page
        Front(gallery_);
        for (int i = 0; i < 3; ++i) Click(pages, 10 + Pick(client.right - 20), 30 + Pick(client.bottom - 40));
        Key(VK_ESCAPE);
        break;
      case kKeyStep:  // keys: through the controls, pressing and moving
        Front(gallery_);
        for (WORD key : {VK_TAB, VK_SPACE, VK_DOWN, VK_RIGHT, VK_TAB, VK_UP}) Key(key);
        break;
      case kMenuBarStep: {  // the menu bar's drop-downs, opened and closed
        const MenuStep hold(*this);
        Front(gallery_);
        Key('F', VK_MENU);
        Key(VK_RIGHT);
        Key(VK_ESCAPE);
        Key(VK_ESCAPE);
        break;
      }
      case kPopupStep: {  // the page's popup menu
        const MenuStep hold(*this);
        Front(gallery_);
        Click(pages, client.right / 2, client.bottom / 2, true);
        Key(VK_DOWN);
        Key(VK_ESCAPE);
        break;
      }
      case kDialogStep:  // the dialog demo and one of its dialogs
        DialogDemo(Pick(2));
        break;
      case kMdiStep:  // the MDI demo, its children maximised and restored
        MdiDemo();
        break;
      case kResizeStep:  // a resize from outside
        SetWindowPos(gallery_, nullptr, 0, 0, 620 + Pick(300), 480 + Pick(220), SWP_NOMOVE | SWP_NOZORDER);
        break;
      default:
        CloseExtras();
        break;
    }
  }

  // `which` 0: the message box; 1: the system controls dialog (the file dialog is left alone).
  void DialogDemo(int which) {
    Tool(kDialogs);
    HWND demo = nullptr;
    if (!WaitFor([&] { return (demo = Window(L"TDialogDemoForm", nullptr)) != nullptr; }, 3000)) return;
    std::vector<HWND> all;
    for (HWND b = FindWindowExW(demo, nullptr, L"TButton", nullptr); b;
         b = FindWindowExW(demo, b, L"TButton", nullptr))
      all.push_back(b);
    if (all.empty()) return;
    HWND button = all[which == 0 ? 0 : all.size() - 1];
    PostMessageW(button, BM_CLICK, 0, 0);
    HWND box = nullptr;
    if (WaitFor([&] { return (box = Window(L"#32770", nullptr)) != nullptr; }, 3000)) {
      Pump(300);
      PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
      WaitFor([&] { return !IsWindow(box); }, 2000);
    }
  }

  void MdiDemo() {
    Tool(kMdi);
    HWND frame = nullptr;
    if (!WaitFor([&] { return (frame = Window(L"TMdiDemoForm", nullptr)) != nullptr; }, 3000)) return;
    HWND client = nullptr;
    WaitFor([&] { return (client = Child(frame, L"MDIClient")) && GetWindow(client, GW_CHILD); }, 3000);
    if (!client) return;
    // Maximising reorders the children: take the list first.
    std::vector<HWND> children;
    for (HWND child = GetWindow(client, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      children.push_back(child);
    if (children.empty()) return;
    DWORD_PTR ignored = 0;
    for (HWND child : children) {
      SendMessageTimeoutW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0, SMTO_ABORTIFHUNG, 3000,
                          &ignored);
      Pump(150);
    }
    SendMessageTimeoutW(client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(children.front()), 0,
                        SMTO_ABORTIFHUNG, 3000, &ignored);
    Pump(100);
  }

  // The quiet state the counts are taken in: no extra window, first page, blue skin, first size.
  DWORD Counts() {
    CloseExtras();
    SendMessageW(Child(gallery_, L"TPageControl"), TCM_SETCURFOCUS, 0, 0);
    SetWindowPos(gallery_, nullptr, 0, 0, 740, 580, SWP_NOMOVE | SWP_NOZORDER);
    for (int i = 0; i < 3 && MenuOpen(); ++i) Key(VK_ESCAPE);
    Tool(kBlue);
    Pump(1500);
    return Ask(0);
  }
  // One of the gallery's counts (see kObjectCountsMessage in gallery/gallery_form.h).
  DWORD Ask(WPARAM what) {
    static const UINT message = RegisterWindowMessageW(kCountsMessage);
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(gallery_, message, what, 0, SMTO_ABORTIFHUNG, 5000, &answer);
    return static_cast<DWORD>(answer);
  }

 private:
  int Pick(int n) { return n > 0 ? static_cast<int>(random_() % static_cast<unsigned>(n)) : 0; }

  HWND gallery_;
  DWORD pid_;
  bool menuStep_ = false;
  std::minstd_rand random_;
};

bool Within2Percent(DWORD first, DWORD last) {
  const long difference = std::labs(static_cast<long>(last) - static_cast<long>(first));
  return difference * 100 <= 2L * static_cast<long>(first);  // integers: no rounding at the edge
}

}  // namespace

int main() {
  SoakOptions options;
  if (!ReadOptions(options)) {
    std::fprintf(stderr,
                 "usage: soak_driver <gallery.exe> [minutes] [--trace] [--only=0,7...] [--no-switch]\n");
    return 2;
  }
  const double minutes = options.minutes;
  std::wstring command = L"\"" + options.gallery + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    std::fprintf(stderr, "cannot start the gallery (error %lu)\n", GetLastError());
    return 2;
  }
  const fw::UniqueKernelHandle process(pi.hProcess), thread(pi.hThread);
  HWND gallery = nullptr;
  const bool started = WaitFor(
      [&] {
        gallery = FindWindowW(L"TGalleryForm", nullptr);
        return gallery && IsWindowVisible(gallery) && Child(gallery, L"TStatusBar");
      },
      20000);
  if (!started) {
    std::fprintf(stderr, "the gallery's window did not appear\n");
    TerminateProcess(process.get(), 1);
    return 2;
  }
  Driver driver(gallery, pi.dwProcessId);
  StepTrace trace([&](WPARAM what) { return driver.Ask(what); }, pi.dwProcessId);
  const DWORD total = static_cast<DWORD>(minutes * 60000), firstMinute = total <= 60000 ? total / 2 : 60000;
  const DWORD start = GetTickCount();
  DWORD lastSwitch = start, first = 0, steps = 0, switches = 0, strayDialogs = 0;
  bool blue = true, counted = false, quiet = false;
  everyWait = [&] {
    if (GetTickCount() - lastSwitch < 1000 || quiet || !options.switches) return;  // every second
    // Not while a menu is down or about to come down: the click would land on the menu's items,
    // not on the tool bar (the file menu's first item opens the file dialog).
    if (driver.InMenuStep() || driver.MenuOpen()) return;
    blue = !blue;
    driver.Tool(blue ? kBlue : kDark);
    lastSwitch = GetTickCount();
    ++switches;
  };
  driver.Tour();
  while (GetTickCount() - start < total) {
    if (WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0) {
      std::fprintf(stderr, "the gallery ended during the run, after %lu steps\n", steps);
      return 1;
    }
    if (!counted && GetTickCount() - start >= firstMinute) {
      quiet = true;
      first = driver.Counts();
      quiet = false;
      counted = true;
      std::printf("after %.1f min: GDI %u, USER %u\n", firstMinute / 60000.0, LOWORD(first), HIWORD(first));
      if (options.trace) {
        trace.PrintKinds();
        trace.PrintGrowth();
        trace.Forget();
      }
      std::fflush(stdout);
    }
    const int kind = driver.Step(options.kinds);
    if (driver.CloseStrayFileDialog()) ++strayDialogs;
    if (options.trace) {
      Pump(200);
      trace.After(kind);
    }
    ++steps;
  }
  quiet = true;
  const DWORD last = driver.Counts();
  std::printf("at the end (%.1f min, %lu steps, %lu skin switches): GDI %u, USER %u\n", minutes, steps,
              switches, LOWORD(last), HIWORD(last));
  if (options.trace) {
    trace.PrintKinds();
    trace.PrintGrowth();
  }
  const bool pass = counted && first != 0 && Within2Percent(LOWORD(first), LOWORD(last)) &&
                    Within2Percent(HIWORD(first), HIWORD(last));
  std::printf("%s\n",
              pass ? "PASS: both within 2% of the first count" : "FAIL: the counts grew by more than 2%");
  if (strayDialogs != 0) std::printf("FAIL: a stray click opened the file dialog %lu times\n", strayDialogs);
  PostMessageW(gallery, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.get(), 15000) != WAIT_OBJECT_0) {
    std::printf("FAIL: the gallery did not end when closed\n");
    TerminateProcess(process.get(), 1);
    return 1;
  }
  return pass && strayDialogs == 0 ? 0 : 1;
}
