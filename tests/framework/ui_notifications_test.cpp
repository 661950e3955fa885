// The notifications the framework sends its controls: a focus change reaches every control of
// the form, a dialog key reaches the focused control first, a released form goes at its
// CM_RELEASE, and a main menu that is built again tells its form.
#include <gtest/gtest.h>

#include <vector>

#include "framework/ui/application.h"
#include "framework/ui/button.h"
#include "framework/ui/form.h"
#include "framework/ui/menu.h"
#include "tests/support/window_support.h"

namespace {

using testing_support::flush_events;

// Records the messages of one number that reach a control's message method.
class Listener {
 public:
  Listener(TControl& control, UINT msg) : control_(control), saved_(control.WindowProc) {
    control.WindowProc = [this, msg](TMessage& m) {
      if (m.Msg == msg) seen.push_back(m);
      saved_(m);
    };
  }
  ~Listener() { control_.WindowProc = saved_; }
  std::vector<TMessage> seen;

 private:
  TControl& control_;
  TWndMethod saved_;
};

class NotificationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application()->Initialize();
    form = Application()->CreateForm<TForm>();
    form->SetBounds(40, 40, 300, 200);
    first = Add(10);
    second = Add(50);
    form->Show();
    flush_events(30);
  }
  void TearDown() override {
    if (form) Application()->DestroyComponent(form);
    flush_events();
  }
  TButton* Add(int y) {
    auto* button = TComponent::CreateIn<TButton>(form);
    button->SetParent(form);
    button->SetBounds(10, y, 80, 25);
    return button;
  }
  TForm* form = nullptr;
  TButton* first = nullptr;
  TButton* second = nullptr;
};

TEST_F(NotificationsTest, FocusChangeReachesEveryControlOfTheForm) {
  first->SetFocus();
  Listener other(*second, CM_FOCUSCHANGED);
  Listener focused(*first, CM_FOCUSCHANGED);
  second->SetFocus();
  flush_events(10);
  ASSERT_FALSE(other.seen.empty());
  EXPECT_EQ(other.seen.back().LParam, reinterpret_cast<LPARAM>(second));
  ASSERT_FALSE(focused.seen.empty());
  EXPECT_EQ(form->ActiveControl(), second);
}

TEST_F(NotificationsTest, DialogKeyReachesTheFocusedControlBeforeTheForm) {
  first->SetFocus();
  flush_events(10);
  Listener keys(*first, CM_DIALOGKEY);
  MSG tab{first->Handle(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
  Application()->DispatchOne(tab);
  ASSERT_EQ(keys.seen.size(), 1u);
  EXPECT_EQ(keys.seen[0].WParam, static_cast<WPARAM>(VK_TAB));
  EXPECT_EQ(GetFocus(), second->Handle()) << "the form still moves the focus";
}

TEST_F(NotificationsTest, ReleasedFormGoesAtItsReleaseNotification) {
  int releases = 0;
  TWndMethod saved = form->WindowProc;
  form->WindowProc = [&releases, saved](TMessage& m) {
    if (m.Msg == CM_RELEASE) ++releases;
    saved(m);  // frees the form at CM_RELEASE
  };
  const HWND window = form->Handle();
  TForm* released = form;
  form = nullptr;
  released->Release();
  ASSERT_TRUE(testing_support::wait_until([&] { return !IsWindow(window); }, 2000));
  EXPECT_EQ(releases, 1);
}

TEST_F(NotificationsTest, RebuiltMainMenuTellsItsForm) {
  auto* menu = TComponent::CreateIn<TMainMenu>(form);
  menu->Items()->AddNew(menu, "File");
  Listener changed(*form, CM_MENUCHANGED);
  menu->Rebuild();
  ASSERT_EQ(changed.seen.size(), 1u);
  EXPECT_EQ(changed.seen[0].LParam, reinterpret_cast<LPARAM>(menu));
}

}  // namespace
