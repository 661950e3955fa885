// The frame object of a form: made at the window's first activation (never for a form that is
// never shown), its answers to the skin's private messages, the client area inside the skin's
// frame, hit testing at the caption's top rows and windows without a border.
#include <windowsx.h>

#include "form_skin_test_support.h"
#include "framework/ui/menu.h"
#include "skin/data/skin_messages.h"
#include "tests/skin/frame/menus/menu_driver.h"

namespace quarnel::testing {
namespace {

using testing_support::flush_events;

class FormSkinActivationTest : public FormSkinTest {};

TEST_F(FormSkinActivationTest, SkinnedAtFirstActivationNotBefore) {
  TForm* form = NewForm(bsSingle, 300, 200);
  HWND window = form->Handle();
  flush_events(50);
  EXPECT_EQ(SkinOf(window), nullptr);
  EXPECT_NE(SendMessageW(window, SKM_QUERYSKINNED, 0, 0), 1);
  EXPECT_EQ(SendMessageW(window, SKM_PING, 0, SkinMessageTag), 0);  // nobody answers yet

  form->Show();
  TWinSkinForm* skin = WaitSkinned(window);
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->View().Form(), form);
  EXPECT_EQ(skin->Owner(), form);  // dies with the form
  EXPECT_EQ(skin->View().Skin(), data.get());
  EXPECT_EQ(manager->SkinningCount(), 1);
  EXPECT_EQ(SendMessageW(window, SKM_QUERYSKINNED, 0, 0), 1);
  EXPECT_EQ(SendMessageW(window, SKM_PING, 0, SkinMessageTag), SkinMessageTag);
  EXPECT_EQ(SendMessageW(window, SKM_PING, 0, 0), 1);
  // The form took the skin's face colour and keeps its own to get back.
  EXPECT_EQ(form->Color(), data->FaceColor());
  manager->SetRunning(false);
  skin->Detach();
  EXPECT_EQ(form->Color(), clBtnFace);
}

// The skin data's events around a form's skinning: before it, the form and its window are
// still their own, and what the program changes there is what the skin starts from.
TEST_F(FormSkinActivationTest, BeforeSkinFormComesFirstWithTheFormStillItsOwn) {
  TForm* form = NewForm(bsSingle, 300, 200);
  HWND window = form->Handle();
  char className[101] = {};
  GetClassNameA(window, className, sizeof className);
  const LONG_PTR ownProcedure = GetWindowLongPtrW(window, GWLP_WNDPROC);
  std::vector<std::string> events;
  data->OnBeforeSkinForm = [&](TObject* sender, HWND hwnd, const std::string& name) {
    events.push_back("before");
    EXPECT_EQ(sender, form);
    EXPECT_EQ(hwnd, window);
    EXPECT_EQ(name, className);
    EXPECT_NE(SendMessageW(window, SKM_QUERYSKINNED, 0, 0), 1);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), ownProcedure);
    EXPECT_EQ(form->Color(), clBtnFace);
    form->SetColor(clTeal);  // the program's decision, taken before the skin's
  };
  data->OnAfterSkinForm = [&](TObject* sender, HWND hwnd, const std::string&) {
    events.push_back("after");
    EXPECT_EQ(sender, form);
    EXPECT_EQ(hwnd, window);
    EXPECT_EQ(SendMessageW(window, SKM_QUERYSKINNED, 0, 0), 1);
  };
  form->Show();
  TWinSkinForm* skin = WaitSkinned(window);
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(events, (std::vector<std::string>{"before", "after"}));
  EXPECT_EQ(form->Color(), data->FaceColor());
  // Unskinned, the form gets back the colour the program chose.
  manager->SetRunning(false);
  skin->Detach();
  EXPECT_EQ(form->Color(), clTeal);

  // A window without a form object is skinned without the event before.
  events.clear();
  data->OnAfterSkinForm = [&](TObject* sender, HWND, const std::string&) {
    events.push_back(sender ? "after form" : "after");
  };
  manager->SetRunning(true);
  HWND plain = CreateWindowExW(0, testing_support::test_window_class(L"QuarnelPlainFrame"), L"plain",
                               WS_OVERLAPPEDWINDOW | WS_VISIBLE, 80, 80, 240, 160, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(plain);
  EXPECT_NE(WaitSkinned(plain), nullptr);
  EXPECT_EQ(events, (std::vector<std::string>{"after"}));
  DestroyWindow(plain);
}

TEST_F(FormSkinActivationTest, FormCreatedButNeverShownIsNeverSkinned) {
  TForm* shown = NewForm(bsSingle, 200, 100);
  TForm* hidden = NewForm(bsSingle, 200, 100, "hidden");
  HWND hiddenWindow = hidden->Handle();
  shown->Show();
  ASSERT_NE(WaitSkinned(shown->Handle()), nullptr);
  // Skinning every form again passes over the hidden one too: the action is taken off the
  // queue only when it has run.
  manager->SkinData().SetCurrent(data.get());
  manager->Actions().Post(saSkinOn, 10);
  ASSERT_EQ(manager->Actions().Pending(), saSkinOn);
  ASSERT_TRUE(testing_support::wait_until([&] { return manager->Actions().Pending() == saNone; }));
  EXPECT_EQ(SkinOf(hiddenWindow), nullptr);
  EXPECT_TRUE(manager->SkinForm(hidden));  // refused as invisible
  EXPECT_EQ(SkinOf(hiddenWindow), nullptr);
  EXPECT_EQ(manager->FormSkins().All().size(), 1u);
}

// With the menu-bar skin off the frame is still the skin's, and the form's menu bar stays the
// system's: it has a band of its own below the skinned caption, where the system draws it and
// where a click opens its drop-down.
TEST_F(FormSkinActivationTest, FrameIsSkinnedWithTheMainMenuOptionOff) {
  data->SetSkinControls(data->SkinControls() & ~Bit(xcMainMenu));
  TForm* form = NewForm(bsSingle, 300, 200);
  auto* menu = TComponent::CreateIn<TMainMenu>(form);
  menu->Items()->AddNew(form, "&File")->AddNew(form, "&Open");
  menu->Items()->AddNew(form, "&Help")->AddNew(form, "&About");
  form->SetMenu(menu);
  form->Show();
  HWND window = form->Handle();
  SetForegroundWindow(window);
  TWinSkinForm* skin = WaitSkinned(window);
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->MenuBar(), nullptr);
  EXPECT_EQ(GetMenu(window), menu->Handle());
  const int band = GetSystemMetrics(SM_CYMENU);
  const RECT outer = WindowRectOf(window);
  EXPECT_EQ(ClientRectOf(window).bottom, 200);
  EXPECT_EQ(outer.bottom - outer.top, 200 + SkinTop() + band + SkinBottom());
  EXPECT_EQ(ClientOrigin(window).y, SkinTop() + band);

  // What the window painted by itself: the band in the system's menu colours, with text.
  flush_events(50);
  const testing_support::Capture shot = testing_support::capture_window(window);
  testing_support::save_bmp(shot, ShotPath("form_skin_system_menu_bar"));
  int face = 0, ink = 0, all = 0;
  for (int y = SkinTop(); y < SkinTop() + band - 1; ++y)
    for (int x = SkinLeft(); x < shot.width - SkinRight(); ++x, ++all) {
      face += shot.at(x, y) == GetSysColor(COLOR_MENU) || shot.at(x, y) == GetSysColor(COLOR_MENUBAR);
      ink += shot.at(x, y) == GetSysColor(COLOR_MENUTEXT);
    }
  EXPECT_GT(face, all / 2);
  EXPECT_GT(ink, 10);

  // A click on the bar's first item opens the system's drop-down below the band.
  RECT drop{};
  MenuDriver::Run(
      [&] {
        testing_support::move_mouse(POINT{outer.left + SkinLeft() + 12, outer.top + SkinTop() + band / 2});
        flush_events(20);
        testing_support::mouse_left_button(true);
        testing_support::mouse_left_button(false);
        testing_support::wait_until([&] { return drop.bottom != 0; }, 3000);
      },
      [&](HWND popup) { return GetWindowRect(popup, &drop) != FALSE; });
  EXPECT_NEAR(drop.top, outer.top + SkinTop() + band, 2);
  EXPECT_NEAR(drop.left, outer.left + SkinLeft(), 4);
}

TEST_F(FormSkinActivationTest, ClientAreaSmallerByExactlyTheSkinFrame) {
  TForm* form = NewForm(bsSingle, 300, 200);
  form->Show();
  HWND window = form->Handle();
  TWinSkinForm* skin = WaitSkinned(window);
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->View().Facts().BorderKind, bkSingle);
  ASSERT_GT(SkinTop(), 0);

  const RECT client = ClientRectOf(window);
  const RECT outer = WindowRectOf(window);
  EXPECT_EQ(client.right, 300);  // the form keeps its client size
  EXPECT_EQ(client.bottom, 200);
  EXPECT_EQ(outer.right - outer.left, 300 + SkinLeft() + SkinRight());
  EXPECT_EQ(outer.bottom - outer.top, 200 + SkinTop() + SkinBottom());
  const POINT origin = ClientOrigin(window);
  EXPECT_EQ(origin.x, SkinLeft());
  EXPECT_EQ(origin.y, SkinTop());

  // The frame point of a screen point counts from the window's corner.
  const POINT frame = skin->View().FramePoint(POINT{outer.left + 17, outer.top + 9});
  EXPECT_EQ(frame.x, 17);
  EXPECT_EQ(frame.y, 9);
}

TEST_F(FormSkinActivationTest, SizeableFormKeepsItsClientSizeToo) {
  TForm* form = NewForm(bsSizeable, 250, 120);
  form->Show();
  TWinSkinForm* skin = WaitSkinned(form->Handle());
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->View().Facts().BorderKind, bkSizeable);
  EXPECT_TRUE(skin->View().Facts().BorderIcons & kbiMaximize);
  EXPECT_TRUE(skin->View().Facts().BorderIcons & kbiMinimize);
  EXPECT_TRUE(skin->View().Facts().BorderIcons & kbiSystemMenu);
  const RECT client = ClientRectOf(form->Handle());
  EXPECT_EQ(client.right, 250);
  EXPECT_EQ(client.bottom, 120);
}

// The first rows of the caption keep the system's answer; below them the caption band is the
// caption. The system's own answers for the same points are asked of the default procedure.
TEST_F(FormSkinActivationTest, HitTestAtFrameRowsThreeAndFour) {
  for (int style : {bsSingle, bsSizeable}) {
    TForm* form = NewForm(style, 300, 200);
    form->Show();
    HWND window = form->Handle();
    TWinSkinForm* skin = WaitSkinned(window);
    ASSERT_NE(skin, nullptr);
    const RECT outer = WindowRectOf(window);
    const int x = outer.left + (outer.right - outer.left) / 2;
    for (int y : {3, 4, SkinTop() - 1}) {
      const LPARAM at = MAKELPARAM(x, outer.top + y);
      const LRESULT system = DefWindowProcW(window, WM_NCHITTEST, 0, at);
      const LRESULT skinned = SendMessageW(window, WM_NCHITTEST, 0, at);
      SCOPED_TRACE(::testing::Message() << "style " << style << " y " << y << " system " << system);
      if (system != HTNOWHERE && system != HTCAPTION)
        EXPECT_EQ(skinned, system);
      else if (y <= 3)
        EXPECT_EQ(skinned, system);
      else
        EXPECT_EQ(skinned, HTCAPTION);
    }
    // Inside the client area the system's answer stands.
    const POINT origin = ClientOrigin(window);
    const LPARAM inside = MAKELPARAM(outer.left + origin.x + 10, outer.top + origin.y + 10);
    EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, inside), HTCLIENT);
  }
}

TEST_F(FormSkinActivationTest, NoBorderWindowKeepsTheSystemRectangle) {
  TForm* form = NewForm(bsNone, 220, 90);
  HWND window = form->Handle();
  const RECT nativeOuter = WindowRectOf(window);
  const RECT nativeClient = ClientRectOf(window);
  form->Show();
  TWinSkinForm* skin = WaitSkinned(window);
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->View().Facts().BorderKind, bkNoBorder);
  const RECT outer = WindowRectOf(window);
  const RECT client = ClientRectOf(window);
  EXPECT_EQ(outer.right - outer.left, nativeOuter.right - nativeOuter.left);
  EXPECT_EQ(outer.bottom - outer.top, nativeOuter.bottom - nativeOuter.top);
  EXPECT_EQ(client.right, nativeClient.right);
  EXPECT_EQ(client.bottom, nativeClient.bottom);
  // A frame change asks WM_NCCALCSIZE again: the system's rectangle still stands.
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_EQ(ClientRectOf(window).right, nativeClient.right);
  const RECT cut = WindowRegionBox(window);
  EXPECT_TRUE(IsRectEmpty(&cut));  // nothing was cut
}

}  // namespace
}  // namespace quarnel::testing
