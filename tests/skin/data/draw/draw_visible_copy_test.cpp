// Copies to what a window DC can reach: the parts under a child window and under an excluded
// rectangle keep their pixels, the rest shows the source; memory DCs and DCs with a moved origin
// get the one plain copy.
#include <gtest/gtest.h>

#include "draw_test_support.h"
#include "skin/data/draw/draw_helpers.h"
#include "tests/support/window_support.h"

namespace quarnel {
namespace {

using testing_support::window_pixel;

constexpr COLORREF kSource = RGB(200, 40, 40);
constexpr COLORREF kChild = RGB(20, 160, 30);

LRESULT CALLBACK GreenChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    const fw::PaintDC dc(window);
    const fw::UniqueBrush green(CreateSolidBrush(kChild));
    FillRect(dc.get(), &dc.info().rcPaint, green.get());
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

TEST(CopyToVisible, LeavesChildWindowsAndExcludedPartsAlone) {
  const fw::UniqueWindow parentWindow(CreateWindowExW(
      0, testing_support::test_window_class(L"VisibleCopyParent"), L"",
      WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 40, 40, 200, 120, nullptr, nullptr, nullptr, nullptr));
  HWND parent = parentWindow.get();
  HWND child =
      CreateWindowExW(0, testing_support::test_window_class(L"VisibleCopyChild", GreenChildProc), L"",
                      WS_CHILD | WS_VISIBLE, 20, 30, 160, 80, parent, nullptr, nullptr, nullptr);
  ASSERT_TRUE(parent && child);
  testing_support::flush_events(50);
  const auto source = draw_test::Filled(200, 120, kSource);

  {
    const fw::WindowDC dc(parent);
    ExcludeClipRect(dc.get(), 0, 0, 10, 10);
    CopyToVisible(dc.get(), RECT{0, 0, 200, 120}, source->DC(), 0, 0);
  }

  EXPECT_EQ(window_pixel(parent, 100, 10), kSource) << "above the child";
  EXPECT_EQ(window_pixel(parent, 5, 60), kSource) << "left of the child";
  EXPECT_EQ(window_pixel(parent, 199, 119), kSource) << "the last corner";
  EXPECT_EQ(window_pixel(parent, 100, 60), kChild) << "the child keeps its pixels";
  EXPECT_NE(window_pixel(parent, 5, 5), kSource) << "the excluded corner";
}

TEST(CopyToVisible, MemoryAndMovedOriginGetThePlainCopy) {
  const auto source = draw_test::Paint(40, 30, [](int x, int y) { return RGB(x * 5, y * 7, 90); });
  const auto target = draw_test::Filled(60, 50, RGB(0, 0, 0));
  CopyToVisible(target->DC(), RECT{10, 10, 50, 40}, source->DC(), 0, 0);
  EXPECT_EQ(GetPixel(target->DC(), 10, 10), RGB(0, 0, 90));
  EXPECT_EQ(GetPixel(target->DC(), 49, 39), RGB(39 * 5, 29 * 7, 90));
  EXPECT_EQ(GetPixel(target->DC(), 9, 9), RGB(0, 0, 0));

  const auto moved = draw_test::Filled(60, 50, RGB(0, 0, 0));
  SetViewportOrgEx(moved->DC(), 5, 5, nullptr);
  CopyToVisible(moved->DC(), RECT{0, 0, 40, 30}, source->DC(), 0, 0);
  SetViewportOrgEx(moved->DC(), 0, 0, nullptr);
  EXPECT_EQ(GetPixel(moved->DC(), 5, 5), RGB(0, 0, 90));
  EXPECT_EQ(GetPixel(moved->DC(), 44, 34), RGB(39 * 5, 29 * 7, 90));
  EXPECT_EQ(GetPixel(moved->DC(), 4, 4), RGB(0, 0, 0));
}

}  // namespace
}  // namespace quarnel
