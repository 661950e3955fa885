// Shared by the check box, radio button, container and media-player skin tests: a shown form
// with a frame object made by hand, synthetic check and radio strips whose frames are solid
// colours (so a pixel names the frame drawn), and real clicks. Test thread.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include "framework/graphics/bitmap.h"
#include "framework/ui/application.h"
#include "framework/ui/form.h"
#include "skin/controls/control_walker.h"
#include "skin/data/skin_data.h"
#include "skin/frame/win_skin_form.h"
#include "tests/skin/controls/skin_test_form.h"
#include "tests/support/window_support.h"

namespace quarnel::choicetest {

using testing_support::capture_window;
using testing_support::flush_events;

constexpr int kGlyph = 13;
// The solid colour of frame `i` (from 1) of a synthetic strip.
inline COLORREF FrameColour(int i) {
  return RGB(20 * i, 250 - 17 * i, 60 + 9 * i);
}
// The frame whose colour `pixel` is; 0 for none.
inline int FrameOf(COLORREF pixel) {
  for (int i = 1; i <= 12; ++i)
    if (FrameColour(i) == pixel) return i;
  return 0;
}
inline void MakeStrip(TBitmap& image, int frames) {
  image.SetSize(frames * kGlyph, kGlyph);
  for (int i = 1; i <= frames; ++i) {
    RECT r{(i - 1) * kGlyph, 0, i * kGlyph, kGlyph};
    HBRUSH brush = CreateSolidBrush(FrameColour(i));
    FillRect(image.DC(), &r, brush);
    DeleteObject(brush);
  }
}

inline POINT CentreOf(HWND window, int dx = 0) {
  RECT r;
  GetWindowRect(window, &r);
  return {dx >= 0 ? r.left + dx : r.right + dx, (r.top + r.bottom) / 2};
}

inline void ClickAt(POINT p) {
  testing_support::move_mouse(p);
  flush_events(30);
  testing_support::mouse_left_button(true);
  flush_events(30);
  testing_support::mouse_left_button(false);
  flush_events(30);
}

class ChoiceFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application()->Initialize();
    data = &controltest::BuiltInSkin();
    ASSERT_FALSE(data->Empty());
    ASSERT_TRUE(data->Buttons);
    savedCheck.Assign(data->Buttons->CheckImage);
    savedRadio.Assign(data->Buttons->RadioImage);
    savedCheckFrames = data->Buttons->CheckFrameCount;
    savedRadioFrames = data->Buttons->RadioFrameCount;
    form = Application()->CreateForm<TForm>();
    form->SetBounds(40, 40, 420, 320);
    form->SetColor(clBtnFace);
  }
  void TearDown() override {
    if (formSkin) formSkin->Controls().ReleaseControlSkins(false);
    formSkin.reset();
    Application()->DestroyComponent(form);
    data->Buttons->CheckImage.Assign(savedCheck);
    data->Buttons->RadioImage.Assign(savedRadio);
    data->Buttons->CheckFrameCount = savedCheckFrames;
    data->Buttons->RadioFrameCount = savedRadioFrames;
    flush_events();
  }
  template <class T>
  T* Add(TWinControl* parent, int x, int y, int w, int h) {
    T* c = TComponent::CreateIn<T>(form);
    c->SetParent(parent);
    c->SetBounds(x, y, w, h);
    return c;
  }
  // Shows the form and gives each control its skin the way the dispatch does.
  void ShowAndSkin() {
    form->Show();
    flush_events(50);
    formSkin = controltest::MakeFormSkin(form, data);
    formSkin->Controls().AttachControlSkins();
    flush_events(80);
  }
  template <class T>
  T* SkinOf(HWND window) {
    return dynamic_cast<T*>(formSkin->Controls().FindControlSkin(window));
  }
  void SaveShot(HWND window, const char* name) {
    testing_support::save_bmp(capture_window(window), std::string(QUARNEL_SHOTS) + "/" + name + ".bmp");
  }

  TSkinData* data = nullptr;
  TForm* form = nullptr;
  ComponentPtr<TWinSkinForm> formSkin;
  TBitmap savedCheck, savedRadio;
  int savedCheckFrames = 0, savedRadioFrames = 0;
};

}  // namespace quarnel::choicetest
