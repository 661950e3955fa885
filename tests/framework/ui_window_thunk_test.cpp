// Object-bound window procedures: replacing a window's procedure, chaining to the previous one,
// restoring it in any order, and no thunk outliving its object. Test code, UI thread.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/win/window_thunk.h"
#include "tests/support/window_support.h"

namespace {

constexpr UINT kProbe = WM_APP + 7;

LRESULT CALLBACK ProbeWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kProbe) return static_cast<LRESULT>(wParam * 10);
  return DefWindowProcW(wnd, msg, wParam, lParam);
}

const wchar_t* ProbeClass() {
  return testing_support::test_window_class(L"QuarnelThunkProbe", ProbeWindowProc, nullptr);
}

struct WindowGuard {
  explicit WindowGuard(HWND w) : wnd(w) {}
  WindowGuard(const WindowGuard&) = delete;
  WindowGuard& operator=(const WindowGuard&) = delete;
  HWND wnd;
  ~WindowGuard() {
    if (IsWindow(wnd)) DestroyWindow(wnd);
  }
};

HWND MakeProbeWindow() {
  return CreateWindowExW(0, ProbeClass(), L"probe", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                         GetModuleHandleW(nullptr), nullptr);
}

TEST(WindowSubclass, HandlerSeesMessagesAndDefaultReachesThePreviousProcedure) {
  WindowGuard w(MakeProbeWindow());
  ASSERT_TRUE(w.wnd);
  const LONG_PTR original = GetWindowLongPtrW(w.wnd, GWLP_WNDPROC);
  std::vector<UINT> seen;
  fw::WindowSubclass sub;
  ASSERT_TRUE(sub.Install(w.wnd, [&](TMessage& m) {
    seen.push_back(m.Msg);
    sub.Default(m);
    if (m.Msg == kProbe) m.Result += 1;
  }));
  EXPECT_TRUE(sub.Unicode());
  EXPECT_NE(GetWindowLongPtrW(w.wnd, GWLP_WNDPROC), original);
  EXPECT_EQ(SendMessageW(w.wnd, kProbe, 4, 0), 41);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), kProbe);
  EXPECT_FALSE(sub.Install(w.wnd, [](TMessage&) {})) << "a second install on the same object";
  sub.Restore();
  EXPECT_EQ(GetWindowLongPtrW(w.wnd, GWLP_WNDPROC), original);
  EXPECT_EQ(SendMessageW(w.wnd, kProbe, 4, 0), 40);
}

TEST(WindowSubclass, AnsiWindowsAreReplacedWithTheEightBitCalls) {
  WindowGuard w(CreateWindowExA(0, "STATIC", "ansi", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
  ASSERT_TRUE(w.wnd);
  ASSERT_FALSE(IsWindowUnicode(w.wnd));
  const LONG_PTR original = GetWindowLongPtrA(w.wnd, GWLP_WNDPROC);
  fw::WindowSubclass sub;
  ASSERT_TRUE(sub.Install(w.wnd, [&](TMessage& m) { sub.Default(m); }));
  EXPECT_FALSE(sub.Unicode());
  EXPECT_FALSE(IsWindowUnicode(w.wnd)) << "an 8-bit window stays one";
  char text[16] = {};
  GetWindowTextA(w.wnd, text, sizeof text);
  EXPECT_STREQ(text, "ansi");
  sub.Restore();
  EXPECT_EQ(GetWindowLongPtrA(w.wnd, GWLP_WNDPROC), original);
}

TEST(WindowSubclass, TwoSubclassesChainAndRestoreInAnyOrder) {
  WindowGuard w(MakeProbeWindow());
  const LONG_PTR original = GetWindowLongPtrW(w.wnd, GWLP_WNDPROC);
  std::string order;
  auto inner = std::make_unique<fw::WindowSubclass>();
  auto outer = std::make_unique<fw::WindowSubclass>();
  inner->Install(w.wnd, [&](TMessage& m) {
    if (m.Msg == kProbe) order += "i";
    inner->Default(m);
  });
  outer->Install(w.wnd, [&](TMessage& m) {
    if (m.Msg == kProbe) order += "o";
    outer->Default(m);
  });
  EXPECT_EQ(SendMessageW(w.wnd, kProbe, 2, 0), 20);
  EXPECT_EQ(order, "oi");

  // The inner one goes first while the outer still chains to it: messages keep flowing.
  order.clear();
  inner->Restore();
  EXPECT_EQ(SendMessageW(w.wnd, kProbe, 3, 0), 30);
  EXPECT_EQ(order, "o");
  outer->Restore();
  EXPECT_NE(GetWindowLongPtrW(w.wnd, GWLP_WNDPROC), original)
      << "the outer one puts back what it found: the inner one's procedure";
  EXPECT_EQ(SendMessageW(w.wnd, kProbe, 5, 0), 50);
  inner.reset();
  EXPECT_EQ(GetWindowLongPtrW(w.wnd, GWLP_WNDPROC), original) << "the last one out restores the class's";
}

TEST(WindowSubclass, AnObjectFreedWhileALaterProcedureCallsItUnhooksItselfSafely) {
  WindowGuard w(MakeProbeWindow());
  auto inner = std::make_unique<fw::WindowSubclass>();
  fw::WindowSubclass outer;
  inner->Install(w.wnd, [&](TMessage& m) { inner->Default(m); });
  outer.Install(w.wnd, [&](TMessage& m) { outer.Default(m); });
  inner.reset();  // still chained below the outer one
  EXPECT_EQ(SendMessageW(w.wnd, kProbe, 6, 0), 60) << "no call into freed code";
}

TEST(WindowSubclass, DestructionRestoresAndReleasesTheThunk) {
  const int before = fw::WindowThunk::LiveCount();
  WindowGuard w(MakeProbeWindow());
  const LONG_PTR original = GetWindowLongPtrW(w.wnd, GWLP_WNDPROC);
  {
    fw::WindowSubclass sub;
    sub.Install(w.wnd, [&](TMessage& m) { sub.Default(m); });
    EXPECT_EQ(fw::WindowThunk::LiveCount(), before + 1);
  }
  EXPECT_EQ(fw::WindowThunk::LiveCount(), before);
  EXPECT_EQ(GetWindowLongPtrW(w.wnd, GWLP_WNDPROC), original);
}

TEST(WindowSubclass, WindowDestroyedFirstAndAHandlerThatRestoresItself) {
  HWND wnd = MakeProbeWindow();
  fw::WindowSubclass sub;
  bool sawNcDestroy = false;
  sub.Install(wnd, [&](TMessage& m) {
    sub.Default(m);
    if (m.Msg == WM_NCDESTROY) {
      sawNcDestroy = true;
      sub.Restore();  // as a skin object does when its window goes
    }
  });
  DestroyWindow(wnd);
  EXPECT_TRUE(sawNcDestroy);
  EXPECT_FALSE(sub.Installed());
  sub.Restore();  // nothing left to do, and no crash
}

TEST(WindowSubclass, ManyThunksAreIndependent) {
  const int before = fw::WindowThunk::LiveCount();
  std::vector<std::unique_ptr<WindowGuard>> windows;
  std::vector<std::unique_ptr<fw::WindowSubclass>> subs;
  std::vector<int> hits(50, 0);
  for (int i = 0; i < 50; ++i) {
    windows.push_back(std::make_unique<WindowGuard>(MakeProbeWindow()));
    subs.push_back(std::make_unique<fw::WindowSubclass>());
    auto* sub = subs.back().get();
    sub->Install(windows.back()->wnd, [&hits, i, sub](TMessage& m) {
      if (m.Msg == kProbe) ++hits[i];
      sub->Default(m);
    });
  }
  for (int i = 0; i < 50; ++i) SendMessageW(windows[i]->wnd, kProbe, 1, 0);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(hits[i], 1) << i;
  subs.clear();
  EXPECT_EQ(fw::WindowThunk::LiveCount(), before);
}

}  // namespace
