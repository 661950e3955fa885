// The tab and header skin tests' form and frame object. Test thread.
#include "tab_test_support.h"

namespace quarnel::tabtest {

void TabSkinTest::MakeForm(const char* description) {
  TPageControl::StaticClass();
  TTabControl::StaticClass();
  TTabSheet::StaticClass();
  THeaderControl::StaticClass();
  TListView::StaticClass();
  Application()->Initialize();
  data = &controltest::BuiltInSkin();
  ASSERT_FALSE(data->Empty()) << "the built-in skin did not load";
  ASSERT_TRUE(data->Tabs && !data->Tabs->Image.Empty());
  form = Application()->CreateForm<TForm>();
  ReadComponent(*form, description);
  form->Show();
  SetForegroundWindow(form->Handle());
  formSkin = controltest::MakeFormSkin(form, data);
  Pump(100);
}

void TabSkinTest::TearDown() {
  testing_support::mouse_left_button(false);
  if (formSkin) formSkin->Controls().ReleaseControlSkins(false);
  formSkin.reset();
  if (form) Application()->DestroyComponent(form);
  Pump(20);
}

void SaveShot(HWND window, const std::string& name) {
  const std::string dir = QUARNEL_SHOTS;
  CreateDirectoryA(testing_support::host_path(dir).c_str(), nullptr);
  EXPECT_TRUE(testing_support::save_bmp(testing_support::capture_window(window),
                                        testing_support::host_path(dir + "/" + name)));
}

}  // namespace quarnel::tabtest
