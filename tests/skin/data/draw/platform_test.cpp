// The skin manager's module state and shared window routines: the control atom finds framework
// controls, the version word and platform, window texts as wide text (Chinese included), class
// names, bitmap copies and the popup test of combo box lists.
#include "skin/data/draw/platform.h"

#include <gtest/gtest.h>

#include "framework/graphics/bitmap.h"
#include "framework/ui/application.h"
#include "framework/ui/form.h"
#include "tests/support/window_support.h"

namespace quarnel {
namespace {

TEST(SkinManageModule, ControlAtomFindsTheFrameworkControlOfAWindow) {
  Application()->Initialize();
  auto* form = TComponent::CreateIn<TForm>(Application());
  HWND window = form->Handle();
  EXPECT_EQ(ControlOfWindow(window), form);
  EXPECT_EQ(SkinModule().ControlAtom, TWinControl::ControlAtom());  // one name, one atom
  EXPECT_NE(SkinModule().ControlMessage, 0u);
  EXPECT_EQ(SkinModule().Instance, GetModuleHandleW(nullptr));
  EXPECT_EQ(ControlOfWindow(GetDesktopWindow()), nullptr);
  EXPECT_EQ(ControlOfWindow(nullptr), nullptr);
  EXPECT_EQ(WindowClassName(window), "TForm");
  Application()->DestroyComponent(form);
}

// The expected values come from the structured version query, not from the version word.
TEST(SkinManageModule, VersionWordAndPlatform) {
  ReadSystemVersion();
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  ASSERT_TRUE(GetVersionExW(&info));
  EXPECT_EQ(SystemMajorVersion(), static_cast<int>(info.dwMajorVersion));
  EXPECT_EQ(SystemMinorVersion(), static_cast<int>(info.dwMinorVersion));
  EXPECT_EQ(SkinModule().IsNTPlatform, info.dwPlatformId == VER_PLATFORM_WIN32_NT);
}

TEST(SkinManageModule, WindowTextWideKeepsEveryCharacter) {
  const wchar_t* text = L"\x5224\x65AD\x7F51\x7EDC Quarnel";  // Chinese and Latin
  HWND window = CreateWindowExW(0, L"STATIC", text, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(window);
  EXPECT_EQ(WindowTextWide(window), std::wstring(text));
  SetWindowTextW(window, L"");
  EXPECT_EQ(WindowTextWide(window), std::wstring());
  EXPECT_EQ(WindowClassName(window), "Static");
  DestroyWindow(window);
}

TEST(SkinManageModule, CopyBitmapTakesSizeFormatAndPixels) {
  TBitmap source(7, 5, pf32bit);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) SetPixel(source.DC(), x, y, RGB(x * 30, y * 40, 99));
  TBitmap destination(2, 2, pf24bit);
  CopyBitmap(source, destination);
  EXPECT_EQ(destination.Width(), 7);
  EXPECT_EQ(destination.Height(), 5);
  EXPECT_EQ(destination.PixelFormat(), pf32bit);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) EXPECT_EQ(GetPixel(destination.DC(), x, y), RGB(x * 30, y * 40, 99));
  TBitmap empty;
  CopyBitmap(empty, destination);
  EXPECT_TRUE(destination.Empty());
}

TEST(SkinManageModule, PopupOrDesktopChild) {
  HWND popup = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  HWND overlapped = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
  HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, overlapped, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  EXPECT_TRUE(IsPopupOrDesktopChild(popup));
  EXPECT_FALSE(IsPopupOrDesktopChild(overlapped));
  EXPECT_FALSE(IsPopupOrDesktopChild(child));
  DestroyWindow(popup);
  DestroyWindow(overlapped);
}

}  // namespace
}  // namespace quarnel
