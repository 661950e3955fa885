// The push-button tests' main window, frame object and pixel references. Test thread.
#include "button_test_support.h"

#include "skin/controls/manager/skin_manage.h"
#include "skin/data/skin_messages.h"
#include "tests/skin/controls/skin_test_form.h"

namespace quarnel::buttontest {

Capture FrameReference(TSkinData& data, int width, int height, int frame) {
  TBitmap image(width, height, pf32bit);
  RECT all{0, 0, width, height};
  FillRect(image.DC(), &all, data.FaceBrush.get());
  DrawElementFrame(image.DC(), all, *data.Buttons, data.Buttons->FrameCount, frame);
  Capture c;
  c.width = width;
  c.height = height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) c.pixels.push_back(image.PixelAt(x, y));
  return c;
}

int DifferingPixels(const Capture& a, const Capture& b, int top, int bottom) {
  if (a.width != b.width) return a.width * (bottom - top);
  int n = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = 0; x < a.width; ++x) n += a.at(x, y) != b.at(x, y);
  return n;
}

bool RowsEqual(const Capture& a, const Capture& b, int top, int bottom) {
  return DifferingPixels(a, b, top, bottom) == 0;
}

bool EdgesEqual(const Capture& a, const Capture& b) {
  if (a.width != b.width || a.height != b.height) return false;
  if (!RowsEqual(a, b, 0, 1) || !RowsEqual(a, b, a.height - 1, a.height)) return false;
  for (int y = 0; y < a.height; ++y)
    if (a.at(0, y) != b.at(0, y) || a.at(a.width - 1, y) != b.at(a.width - 1, y)) return false;
  return true;
}

void MainButtonsTest::SetUp() {
  Application()->Initialize();
  Application()->ClearTerminated();
  Application()->SetTitle("Quarnel");
  form = Application()->CreateForm<TForm1>();
  data = form->SkinData1;
  ASSERT_NE(data, nullptr);
  ASSERT_FALSE(data->Empty()) << "the built-in skin did not load";
  ASSERT_TRUE(data->Buttons && !data->Buttons->Image.Empty());
  TButton* buttons[3] = {form->Button1, form->Button2, form->Button3};
  for (int i = 0; i < 3; ++i) {
    int* count = &clicks[i];
    buttons[i]->OnClick.code = [count](TObject*) { ++*count; };
  }
  form->Show();
  SetForegroundWindow(form->Handle());
  // The activation skins the window and its buttons; a frame object made by hand otherwise.
  testing_support::wait_until([&] {
    TSkinManage* manager = TSkinManage::Instance();
    formSkin = manager ? manager->FormSkins().Find(form->Handle()) : nullptr;
    return formSkin && SendMessageW(form->Button1->Handle(), SKM_QUERYSKINNED, 0, 0) == 1;
  });
  if (!formSkin || SendMessageW(form->Button1->Handle(), SKM_QUERYSKINNED, 0, 0) != 1) {
    ownFormSkin = controltest::MakeFormSkin(form, data);
    formSkin = ownFormSkin.get();
    formSkin->Controls().AttachControlSkins();
  }
  move_mouse(POINT{2, 2});
  ASSERT_TRUE(testing_support::wait_until([&] {
    TSkinButton* skin = SkinOf(form->Button2);
    return skin && !skin->Marks().Hot();
  }));
}

void MainButtonsTest::TearDown() {
  mouse_left_button(false);
  if (ownFormSkin) ownFormSkin->Controls().ReleaseControlSkins(false);
  ownFormSkin.reset();
  if (form) Application()->DestroyComponent(form);
  Application()->SetMainForm(nullptr);
  Settle(20);
}

TSkinButton* MainButtonsTest::SkinOf(TButton* button) {
  return dynamic_cast<TSkinButton*>(formSkin->Controls().FindControlSkin(button->Handle()));
}

int MainButtonsTest::ShownFrame(TButton* button) {
  const Capture shown = testing_support::capture_window(button->Handle());
  for (int frame = 1; frame <= 5; ++frame) {
    const Capture ref = FrameReference(*data, shown.width, shown.height, frame);
    if (EdgesEqual(shown, ref)) return frame;
  }
  return 0;
}

void MainButtonsTest::SaveShot(HWND window, const std::string& name) {
  testing_support::save_bmp(testing_support::capture_window(window), std::string(QUARNEL_SHOTS) + "/" + name);
}

}  // namespace quarnel::buttontest
