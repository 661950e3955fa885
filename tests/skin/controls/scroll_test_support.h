// Shared set-up of the scroll-bar skin tests: a shown form with scrolled controls, the built-in
// skin loaded once, a frame object made by hand that the scroll skins register with, real mouse
// input, and reference images of skin glyphs to compare overlay pixels with. Test thread.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "framework/description/reader.h"
#include "framework/ui/application.h"
#include "framework/ui/form.h"
#include "framework/ui/list_box.h"
#include "framework/ui/memo.h"
#include "framework/ui/scroll_bar.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/frame/win_skin_form.h"
#include "tests/skin/controls/skin_test_form.h"
#include "tests/support/window_support.h"

namespace quarnel::scrolltest {

using testing_support::Capture;
using testing_support::flush_events;

// Memo text of `count` numbered lines, each `width` characters long.
inline std::string NumberedLines(int count, int width = 10) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    std::string line = "line " + std::to_string(i);
    line.resize(static_cast<size_t>(width), 'x');
    text += line + "\r\n";
  }
  return text;
}

// The bar the system reports for a window (screen coordinates).
inline SCROLLBARINFO SystemBar(HWND window, bool vertical) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  GetScrollBarInfo(window, vertical ? OBJID_VSCROLL : OBJID_HSCROLL, &info);
  return info;
}

inline RECT ScreenRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

using testing_support::mouse_left_button;
using testing_support::move_mouse;

// A part of an overlay as pixels: `rect` (overlay coordinates) cut out of a capture.
inline std::vector<COLORREF> Pixels(const Capture& c, const RECT& rect) {
  std::vector<COLORREF> out;
  for (int y = rect.top; y < rect.bottom; ++y)
    for (int x = rect.left; x < rect.right; ++x) out.push_back(c.at(x, y));
  return out;
}

// What one frame of the 23-glyph strip looks like stretched over `square` of a bar-sized image
// filled with the skin's face colour, cut to `visible`.
inline std::vector<COLORREF> GlyphReference(TSkinData& data, int barWidth, int barHeight, const RECT& square,
                                            int frame, const RECT& visible) {
  TBitmap image(barWidth, barHeight, pf32bit);
  RECT all{0, 0, barWidth, barHeight};
  FillRect(image.DC(), &all, data.FaceBrush.get());
  DrawSkinFrameStretched(image.DC(), square, data.Scrollbar->Image, true, 23, frame);
  std::vector<COLORREF> out;
  for (int y = visible.top; y < visible.bottom; ++y)
    for (int x = visible.left; x < visible.right; ++x) out.push_back(image.PixelAt(x, y));
  return out;
}

// A vertical bar's track with its thumb (and grip) over it in `thumbFrame`, cut to `visible`.
inline std::vector<COLORREF> ThumbReference(TSkinData& data, int barWidth, int barHeight, int arrow,
                                            int thumbStart, int thumbEnd, int thickness, int thumbFrame,
                                            const RECT& visible) {
  TBitmap image(barWidth, barHeight, pf32bit);
  RECT all{0, 0, barWidth, barHeight};
  FillRect(image.DC(), &all, data.FaceBrush.get());
  DrawElementFrame(image.DC(), RECT{0, arrow, barWidth, barHeight - arrow}, *data.VertScroll, 4, 1);
  TDataSkinObject& t = *data.VertScrollThumb;
  DrawSkinElement(image.DC(), RECT{0, thumbStart, thickness, thumbEnd}, t.Image, false, false, t.Trans != 0,
                  t.FrameCount, thumbFrame,
                  SkinMargins{t.LeftWidth, t.TopHeight, t.RightWidth, t.BottomHeight});
  // The grip glyph (normal 20, pressed 21, hot 22) centred on a thumb long enough for it.
  const int grip = data.Scrollbar->Image.Height();
  if (thumbEnd - thumbStart >= grip + 2 && grip <= barWidth) {
    const int top = thumbStart + (thumbEnd - thumbStart - grip) / 2;
    DrawSkinFrameStretched(image.DC(), RECT{0, top, grip, top + grip}, data.Scrollbar->Image, true, 23,
                           19 + thumbFrame);
  }
  std::vector<COLORREF> out;
  for (int y = visible.top; y < visible.bottom; ++y)
    for (int x = visible.left; x < visible.right; ++x) out.push_back(image.PixelAt(x, y));
  return out;
}

class ScrollSkinTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A control of the test form by name.
  template <class T>
  T* Find(const char* name) {
    return ObjectAs<T>(form->FindComponent(name));
  }
  // Makes the scroll skin of `control` the way the control dispatch does.
  TSkinScrollbar* SkinScrolled(TControl* control);
  // Lets queued painting and input run.
  static void Settle(DWORD ms = 60) { flush_events(ms); }
  void SaveShot(const Capture& c, const std::string& name);

  TSkinData* data = nullptr;
  TForm* form = nullptr;
  ComponentPtr<TWinSkinForm> formSkin;
};

// Records the scroll notifications a control receives (outside any skin hook).
class ScrollSpy {
 public:
  explicit ScrollSpy(TControl* control);
  ~ScrollSpy();
  ScrollSpy(const ScrollSpy&) = delete;
  ScrollSpy& operator=(const ScrollSpy&) = delete;
  int Count(UINT msg, int request) const;
  std::vector<std::pair<UINT, int>> seen;

 private:
  TControl* control_;
  TWndMethod saved_;
};

}  // namespace quarnel::scrolltest
