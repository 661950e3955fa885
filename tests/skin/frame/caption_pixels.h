// Caption buttons and the caption's icon as a window's pixels show them: where the image of a
// skin's button record is drawn and in which of its frames, and where the icon is drawn. Test
// code, UI thread.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "framework/win/handles.h"
#include "skin/data/skin_data.h"
#include "tests/support/window_support.h"

namespace quarnel::testing {

// A caption button as the window shows it: where the image of the skin's record is drawn, and
// which of its frames (1 normal, 2 pressed, 3 hot, 4 inactive or disabled).
struct ShownButton {
  TDataSkinSysButton* record = nullptr;
  RECT rect{};    // where its image is drawn; empty when it is not
  int frame = 0;  // 0: not drawn
  bool Drawn() const { return frame > 0; }
};

inline TDataSkinSysButton* SkinButton(const TSkinData& skin, const std::string& name) {
  for (const auto& record : skin.SysButtons)
    if (record->Name == name) return record.get();
  return nullptr;
}

// The frame (from 1) of the record's image whose every pixel outside the magenta is drawn at
// `at`'s corner of the capture; 0 when none is.
inline int DrawnFrame(const testing_support::Capture& shot, TDataSkinSysButton& record, const RECT& at) {
  constexpr COLORREF kTransparent = 0xFF00FF;
  TBitmap& image = record.Image;
  const int frames = std::max(record.FrameCount, 1), fw = image.Width() / frames, h = image.Height();
  if (fw <= 0 || at.left < 0 || at.top < 0 || at.left + fw > shot.width || at.top + h > shot.height) return 0;
  for (int frame = 1; frame <= frames; ++frame) {
    int compared = 0;
    bool same = true;
    for (int y = 0; y < h && same; ++y)
      for (int x = 0; x < fw && same; ++x) {
        const COLORREF expected = image.PixelAt((frame - 1) * fw + x, y);
        if (expected == kTransparent) continue;
        ++compared;
        same = shot.at(at.left + x, at.top + y) == expected;
      }
    if (same && compared >= 20) return frame;
  }
  return 0;
}

// Looks for the record's image in the top `rows` of the capture (the caption and the menu band).
inline ShownButton FindShownButton(const testing_support::Capture& shot, TDataSkinSysButton& record,
                                   int rows = 80) {
  ShownButton shown;
  shown.record = &record;
  const int fw = record.Image.Width() / std::max(record.FrameCount, 1), h = record.Image.Height();
  for (int y = 0; y + h <= std::min(rows, shot.height); ++y)
    for (int x = 0; x + fw <= shot.width; ++x)
      if (const int frame = DrawnFrame(shot, record, RECT{x, y, x + fw, y + h})) {
        shown.rect = {x, y, x + fw, y + h};
        shown.frame = frame;
        return shown;
      }
  return shown;
}

// The button of the skin's record `name` (upper case) as `window` shows it now.
inline ShownButton FindShownButton(HWND window, const TSkinData& skin, const std::string& name) {
  TDataSkinSysButton* record = SkinButton(skin, name);
  EXPECT_NE(record, nullptr) << name;
  if (!record) return {};
  return FindShownButton(testing_support::capture_window(window), *record);
}

// A small icon of one opaque colour.
inline fw::UniqueIcon SolidIcon(COLORREF colour) {
  constexpr int kSize = 16;
  const DWORD pixel = GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
  const std::vector<DWORD> pixels(kSize * kSize, pixel);
  const std::vector<BYTE> mask(kSize * kSize / 8, 0);  // all opaque
  fw::UniqueBitmap colourBits(CreateBitmap(kSize, kSize, 1, 32, pixels.data()));
  fw::UniqueBitmap maskBits(CreateBitmap(kSize, kSize, 1, 1, mask.data()));
  ICONINFO info{TRUE, 0, 0, maskBits.get(), colourBits.get()};
  return fw::UniqueIcon(CreateIconIndirect(&info));
}

// Where the caption draws the icon: the window, and the application's window `app` when there
// is one (the caption prefers its icon), get a solid icon of a colour no skin of ours uses; the
// box of that colour in the top `rows` after the frame is painted again, empty when no icon is
// drawn. The icons they had are put back.
inline RECT CaptionIconBox(HWND window, HWND app, int rows = 40) {
  constexpr COLORREF kIconColour = RGB(3, 251, 7);
  const fw::UniqueIcon icon = SolidIcon(kIconColour);
  EXPECT_TRUE(icon);
  auto give = [&](HWND to, LPARAM what) { return to ? SendMessageW(to, WM_SETICON, ICON_SMALL, what) : 0; };
  const LPARAM own = give(window, reinterpret_cast<LPARAM>(icon.get()));
  const LPARAM application = give(app, reinterpret_cast<LPARAM>(icon.get()));
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  testing_support::flush_events(20);
  const testing_support::Capture shot = testing_support::capture_window(window);
  give(window, own);
  give(app, application);
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  RECT box{shot.width, shot.height, 0, 0};
  for (int y = 0; y < std::min(rows, shot.height); ++y)
    for (int x = 0; x < shot.width; ++x)
      if (shot.at(x, y) == kIconColour) {
        box.left = std::min<LONG>(box.left, x);
        box.top = std::min<LONG>(box.top, y);
        box.right = std::max<LONG>(box.right, x + 1);
        box.bottom = std::max<LONG>(box.bottom, y + 1);
      }
  if (box.left >= box.right) box = {};
  return box;
}

}  // namespace quarnel::testing
