// The message spy and its sequence checks. User-interface thread of the test.
#include "tests/support/message_spy.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace testing_support {

namespace {

const wchar_t kSpyProp[] = L"QuarnelTestSpy";

// Their number follows the pointer, the clock or the system's own queries, not the code under
// test: no sequence check counts them.
constexpr UINT kNoise[] = {WM_NCHITTEST,  WM_SETCURSOR,      WM_MOUSEMOVE,  WM_NCMOUSEMOVE,
                           WM_MOUSELEAVE, WM_NCMOUSELEAVE,   WM_MOUSEHOVER, WM_TIMER,
                           WM_GETICON,    WM_GETOBJECT,      WM_GETTEXT,    WM_GETTEXTLENGTH,
                           WM_ENTERIDLE,  WM_IME_SETCONTEXT, WM_IME_NOTIFY, 0x0118 /* system timer */};

struct MessageName {
  UINT message;
  const char* name;
};
constexpr MessageName kNames[] = {
    {WM_CREATE, "WM_CREATE"},
    {WM_MOVE, "WM_MOVE"},
    {WM_SIZE, "WM_SIZE"},
    {WM_ACTIVATE, "WM_ACTIVATE"},
    {WM_SETFOCUS, "WM_SETFOCUS"},
    {WM_KILLFOCUS, "WM_KILLFOCUS"},
    {WM_PAINT, "WM_PAINT"},
    {WM_ERASEBKGND, "WM_ERASEBKGND"},
    {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
    {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"},
    {WM_CHILDACTIVATE, "WM_CHILDACTIVATE"},
    {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
    {WM_DRAWITEM, "WM_DRAWITEM"},
    {WM_MEASUREITEM, "WM_MEASUREITEM"},
    {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
    {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
    {WM_STYLECHANGING, "WM_STYLECHANGING"},
    {WM_STYLECHANGED, "WM_STYLECHANGED"},
    {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
    {WM_NCPAINT, "WM_NCPAINT"},
    {WM_NCACTIVATE, "WM_NCACTIVATE"},
    {WM_KEYDOWN, "WM_KEYDOWN"},
    {WM_KEYUP, "WM_KEYUP"},
    {WM_CHAR, "WM_CHAR"},
    {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
    {WM_SYSKEYUP, "WM_SYSKEYUP"},
    {WM_SYSCHAR, "WM_SYSCHAR"},
    {WM_COMMAND, "WM_COMMAND"},
    {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
    {WM_INITMENU, "WM_INITMENU"},
    {WM_INITMENUPOPUP, "WM_INITMENUPOPUP"},
    {WM_MENUSELECT, "WM_MENUSELECT"},
    {WM_MENUCHAR, "WM_MENUCHAR"},
    {WM_UNINITMENUPOPUP, "WM_UNINITMENUPOPUP"},
    {WM_ENTERMENULOOP, "WM_ENTERMENULOOP"},
    {WM_EXITMENULOOP, "WM_EXITMENULOOP"},
    {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
    {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
    {WM_QUERYNEWPALETTE, "WM_QUERYNEWPALETTE"},
};

std::string Describe(UINT message, WPARAM wParam) {
  char text[64];
  const auto* named = std::find_if(std::begin(kNames), std::end(kNames),
                                   [&](const MessageName& n) { return n.message == message; });
  if (named != std::end(kNames))
    std::snprintf(text, sizeof text, "%s(%#llx)", named->name, static_cast<unsigned long long>(wParam));
  else
    std::snprintf(text, sizeof text, "%#06x(%#llx)", message, static_cast<unsigned long long>(wParam));
  return text;
}

bool Matches(const Expected& want, const SpiedMessage& got) {
  return want.message == got.message && (!(want.flags & kWParam) || want.wParam == got.wParam);
}

}  // namespace

MessageSpy::MessageSpy(HWND wnd) : wnd_(wnd) {
  SetPropW(wnd, kSpyProp, this);
  old_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
}

MessageSpy::~MessageSpy() {
  if (IsWindow(wnd_)) {
    SetWindowLongPtrW(wnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old_));
    RemovePropW(wnd_, kSpyProp);
  }
}

LRESULT CALLBACK MessageSpy::Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = static_cast<MessageSpy*>(GetPropW(wnd, kSpyProp));
  if (!self) return DefWindowProcW(wnd, msg, wp, lp);
  self->received_.push_back(SpiedMessage{msg, wp, lp});
  return CallWindowProcW(self->old_, wnd, msg, wp, lp);
}

int MessageSpy::count(UINT msg) const {
  return static_cast<int>(std::count_if(received_.begin(), received_.end(),
                                        [&](const SpiedMessage& m) { return m.message == msg; }));
}

bool MessageSpy::saw_in_order(const std::vector<UINT>& expected) const {
  size_t i = 0;
  for (const SpiedMessage& m : received_)
    if (i < expected.size() && m.message == expected[i]) ++i;
  return i == expected.size();
}

::testing::AssertionResult MessageSpy::sequence_is(const std::vector<Expected>& expected,
                                                   const std::vector<UINT>& ignored) const {
  std::vector<SpiedMessage> got;
  for (const SpiedMessage& m : received_) {
    const bool noise = std::find(std::begin(kNoise), std::end(kNoise), m.message) != std::end(kNoise) ||
                       std::find(ignored.begin(), ignored.end(), m.message) != ignored.end();
    if (!noise) got.push_back(m);
  }
  // Walks both lists together; an optional entry that does not match is passed over.
  size_t e = 0, g = 0;
  while (e < expected.size() && g < got.size()) {
    if (Matches(expected[e], got[g])) {
      ++e;
      ++g;
    } else if (expected[e].flags & kOptional) {
      ++e;
    } else {
      break;
    }
  }
  while (e < expected.size() && (expected[e].flags & kOptional)) ++e;
  if (e == expected.size() && g == got.size()) return ::testing::AssertionSuccess();

  std::string text = "expected:";
  for (size_t i = 0; i < expected.size(); ++i)
    text += (i == e ? " >>" : " ") + Describe(expected[i].message, expected[i].wParam) +
            (expected[i].flags & kOptional ? "?" : "");
  text += "\nreceived:";
  for (size_t i = 0; i < got.size(); ++i)
    text += (i == g ? " >>" : " ") + Describe(got[i].message, got[i].wParam);
  text += "\n(>> marks where they part; ? an optional entry)";
  return ::testing::AssertionFailure() << text;
}

namespace {
std::vector<SentMessageLog*>& SentMessageLogs() {
  static std::vector<SentMessageLog*> logs;
  return logs;
}
}  // namespace

SentMessageLog::SentMessageLog(UINT message)
    : message_(message), hook_(SetWindowsHookExW(WH_CALLWNDPROC, &Hook, nullptr, GetCurrentThreadId())) {
  EXPECT_NE(hook_, nullptr);
  SentMessageLogs().push_back(this);
}

SentMessageLog::~SentMessageLog() {
  auto& logs = SentMessageLogs();
  logs.erase(std::remove(logs.begin(), logs.end(), this), logs.end());
  if (hook_) UnhookWindowsHookEx(hook_);
}

int SentMessageLog::count(HWND window) const {
  return static_cast<int>(std::count(windows_.begin(), windows_.end(), window));
}

LRESULT CALLBACK SentMessageLog::Hook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION)
    if (const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam))
      for (SentMessageLog* log : SentMessageLogs())
        if (sent->message == log->message_) log->windows_.push_back(sent->hwnd);
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace testing_support
