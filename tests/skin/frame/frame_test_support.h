// Shared pieces of the frame tests: a skin data component loaded from the built-in package or
// from a small recipe, a real top-level window skinned through the frame object's activation,
// and pixel helpers. Test code, UI thread.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "framework/core/component.h"
#include "skin/controls/manager/skin_manage.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"
#include "tests/skin/data/skin_test_package.h"
#include "tests/skin/frame/caption_pixels.h"
#include "tests/support/message_spy.h"
#include "tests/support/window_support.h"
#include "tests/support/wine_paths.h"

namespace quarnel::frametest {

using testing::Bytes;
using testing::CaptionIconBox;
using testing::DrawnFrame;
using testing::FindShownButton;
using testing::MakeBmp;
using testing::PackageRecipe;
using testing::PackSkin;
using testing::ShownButton;
using testing::SolidBmp;
using testing::SolidIcon;

inline Bytes BuiltInPackage() {
  std::ifstream in(testing_support::host_path(QUARNEL_LONGHORN_BLUE_SKN), std::ios::binary);
  return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Colours of the plain test skin (0x00BBGGRR).
constexpr COLORREF kTopActive = 0x804020, kTopInactive = 0x208040;
constexpr COLORREF kSideActive = 0x303090, kSideInactive = 0x909030;
constexpr COLORREF kTitleActive = 0x00FFFF, kTitleInactive = 0xFFFF00;
constexpr COLORREF kFace = 0xC8D0D4;
constexpr COLORREF kMagenta = 0xFF00FF;

// A skin of solid two-frame border pieces (top 30 high, sides and bottom 4) and no caption
// buttons; `personality` adds keys to its [Personality] section, `extra` more sections.
inline PackageRecipe PlainSkin(const std::string& personality = "", const std::string& extra = "",
                               bool transparentTop = false) {
  PackageRecipe r;
  r.text =
      "[TitlebarSkin]\nSkinName=Plain\n[Personality]\nTop=top.bmp\nTopFrame=2\nTopTopHeight=8\n"
      "TopBotHeight=8\nTopTrans=" +
      std::string(transparentTop ? "1" : "0") +
      "\nLeft=side.bmp\nLeftFrame=2\nLeftTrans=0\nRight=side.bmp\nRightFrame=2\nRightTrans=0\n"
      "Bottom=bottom.bmp\nBottomFrame=2\nBottomTrans=0\nTextShift=20\nTextRightClip=40\n" +
      personality +
      "\n[Colours]\nTitleTextActive=255 255 0\nTitleTextNoActive=0 255 255\nButtonFace=212 208 200\n" + extra;
  // Top: active rows 0-29, inactive rows 30-59; with transparency its 3x3 outer corners are magenta.
  r.images.emplace_back("top.bmp", MakeBmp(40, 60, [transparentTop](int x, int y) -> uint32_t {
                          const int row = y % 30;
                          if (transparentTop && row < 3 && (x < 3 || x >= 37)) return kMagenta;
                          return y < 30 ? kTopActive : kTopInactive;
                        }));
  r.images.emplace_back(
      "side.bmp", MakeBmp(8, 20, [](int x, int) -> uint32_t { return x < 4 ? kSideActive : kSideInactive; }));
  r.images.emplace_back("bottom.bmp", MakeBmp(20, 8, [](int, int y) -> uint32_t {
                          return y < 4 ? kSideActive : kSideInactive;
                        }));
  return r;
}

inline ComponentPtr<TSkinData> LoadSkin(const Bytes& package) {
  auto data = TComponent::Make<TSkinData>();
  data->SetPackedSkin(package);
  EXPECT_TRUE(data->LoadSkin());
  return data;
}

inline const wchar_t* TestWindowClass() {
  return testing_support::test_window_class(L"QuarnelFrameTestWindow");
}

// A real window skinned by a frame object through its own activation.
class SkinnedWindow {
 public:
  SkinnedWindow(TSkinData& skin, const std::wstring& title, DWORD style = WS_OVERLAPPEDWINDOW,
                DWORD exStyle = 0, int width = 400, int height = 300, int x = 60, int y = 60)
      : SkinnedWindow(false, skin, title, style, exStyle, width, height, x, y) {}
  // With a message spy put on the window before the frame object: it sees what the frame
  // passes on to the window's own procedure.
  struct Spied {};
  SkinnedWindow(Spied, TSkinData& skin, const std::wstring& title) : SkinnedWindow(true, skin, title) {}
  ~SkinnedWindow() {
    if (IsWindow(window_)) DestroyWindow(window_);
    frame_.reset();
    spy_.reset();
  }
  SkinnedWindow(const SkinnedWindow&) = delete;
  SkinnedWindow& operator=(const SkinnedWindow&) = delete;

  testing_support::MessageSpy& spy() { return *spy_; }
  HWND hwnd() const { return window_; }
  TWinSkinForm& frame() { return *frame_; }
  void Repaint() {
    frame_->PaintFrame(nullptr);
    testing_support::flush_events(20);
  }
  void Deactivate() {
    SendMessageW(window_, WM_NCACTIVATE, FALSE, 0);
    testing_support::flush_events(20);
  }
  void Activate() {
    SendMessageW(window_, WM_NCACTIVATE, TRUE, 0);
    testing_support::flush_events(20);
  }
  testing_support::Capture Shot() { return testing_support::capture_window(window_); }
  void Save(const std::string& name) { testing_support::save_bmp(Shot(), name); }
  // The caption button of the skin record named `name` (upper case) as the window shows it now.
  ShownButton Button(const std::string& name);
  // The frame of `button`'s image drawn at its place now (0: none).
  int Frame(const ShownButton& button) {
    return button.record ? DrawnFrame(Shot(), *button.record, button.rect) : 0;
  }
  // Screen point of a frame point.
  POINT Screen(POINT framePoint) const {
    RECT r{};
    GetWindowRect(window_, &r);
    return {r.left + framePoint.x, r.top + framePoint.y};
  }
  LPARAM ScreenParam(POINT framePoint) const {
    const POINT p = Screen(framePoint);
    return MAKELPARAM(p.x, p.y);
  }

 private:
  SkinnedWindow(bool spied, TSkinData& skin, const std::wstring& title, DWORD style = WS_OVERLAPPEDWINDOW,
                DWORD exStyle = 0, int width = 400, int height = 300, int x = 60, int y = 60) {
    window_ = CreateWindowExW(exStyle, TestWindowClass(), title.c_str(), style, x, y, width, height, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    if (spied) spy_ = std::make_unique<testing_support::MessageSpy>(window_);
    skin_ = &skin;
    frame_ = TComponent::Make<TWinSkinForm>();
    frame_->BindWindow(window_, "QuarnelFrameTestWindow");
    frame_->Activate(&skin);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SendMessageW(window_, SKM_ACTIVATE, 0, kActivateMessageParam);
    testing_support::flush_events(50);
  }

  HWND window_ = nullptr;
  TSkinData* skin_ = nullptr;
  std::unique_ptr<testing_support::MessageSpy> spy_;
  ComponentPtr<TWinSkinForm> frame_;
};

inline POINT Centre(const RECT& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

inline ShownButton SkinnedWindow::Button(const std::string& name) {
  return FindShownButton(window_, *skin_, name);
}

// Bounding box of the pixels in `area` of a capture that differ from `background`.
inline RECT InkBox(const testing_support::Capture& c, const RECT& area, COLORREF background) {
  RECT box{area.right, area.bottom, area.left, area.top};
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      if (c.at(x, y) == background) continue;
      box.left = std::min<LONG>(box.left, x);
      box.top = std::min<LONG>(box.top, y);
      box.right = std::max<LONG>(box.right, x + 1);
      box.bottom = std::max<LONG>(box.bottom, y + 1);
    }
  return box;
}

inline int CountColour(const testing_support::Capture& c, const RECT& area, COLORREF colour) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) n += c.at(x, y) == colour;
  return n;
}

// Every test starts and ends without a skin manager, so no hook skins our windows on its own.
class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override { TSkinManage::Destroy(); }
  void TearDown() override {
    testing_support::flush_events(10);
    TSkinManage::Destroy();
  }
};

}  // namespace quarnel::frametest
