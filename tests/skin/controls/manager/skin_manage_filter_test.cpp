// The skin manager's window filter on real windows: a form tagged 99, a class named like a
// preview window with and without xoPreview, a window of zero size, windows of another module
// (only dialogs are skinned), the choice of skin data, and the popup menu bookkeeping.
#include "tests/skin/frame/form_skin_test_support.h"

namespace quarnel::testing {
namespace {

using testing_support::flush_events;

LRESULT CALLBACK PlainWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, msg, wParam, lParam);
}

class SkinManageFilterTest : public FormSkinTest {
 protected:
  void TearDown() override {
    for (HWND w : windows)
      if (IsWindow(w)) DestroyWindow(w);
    windows.clear();
    FormSkinTest::TearDown();
  }
  static void Register(const wchar_t* name) {
    testing_support::test_window_class(name, &PlainWindowProc, nullptr);
  }
  // A shown, activated top-level window of a class of this test, made for `instance`.
  HWND Show(const wchar_t* cls, int width, int height, HINSTANCE instance = GetModuleHandleW(nullptr)) {
    HWND w = CreateWindowExW(0, cls, L"filter test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, width,
                             height, nullptr, nullptr, instance, nullptr);
    windows.push_back(w);
    SetActiveWindow(w);
    flush_events(60);
    return w;
  }
  std::vector<HWND> windows;
};

TEST_F(SkinManageFilterTest, FormTaggedNinetyNineIsNeverSkinned) {
  data->SetDisableTag(7);  // the number 99 counts whatever DisableTag holds
  TForm* tagged = NewForm(bsSingle, 200, 100, "tagged");
  tagged->SetTag(99);
  tagged->Show();
  flush_events(100);
  EXPECT_EQ(SkinOf(tagged->Handle()), nullptr);
  EXPECT_FALSE(manager->SkinWindow(tagged->Handle()));
  TForm* plain = NewForm(bsSingle, 200, 100, "plain");
  plain->SetTag(98);
  plain->Show();
  EXPECT_NE(WaitSkinned(plain->Handle()), nullptr);
}

TEST_F(SkinManageFilterTest, PreviewClassesNeedThePreviewOption) {
  Register(L"QuarnelPrintPREVIEWWindow");
  Register(L"QuarnelPlainWindow");
  data->SetOptions(data->Options() & ~Bit(xoPreview));
  HWND preview = Show(L"QuarnelPrintPREVIEWWindow", 200, 120);
  EXPECT_EQ(SkinOf(preview), nullptr);
  EXPECT_FALSE(manager->SkinData().MainAllows(preview, "QuarnelPrintPREVIEWWindow"));
  HWND plain = Show(L"QuarnelPlainWindow", 200, 120);
  TWinSkinForm* plainSkin = WaitSkinned(plain);
  ASSERT_NE(plainSkin, nullptr);  // a window of this module without a form object
  EXPECT_EQ(plainSkin->View().Form(), nullptr);
  data->SetOptions(data->Options() | Bit(xoPreview));
  EXPECT_TRUE(manager->SkinData().MainAllows(preview, "QuarnelPrintPREVIEWWindow"));
  EXPECT_TRUE(manager->SkinWindow(preview));
  EXPECT_NE(WaitSkinned(preview), nullptr);
}

TEST_F(SkinManageFilterTest, FormSkinEventHasTheLastWord) {
  Register(L"QuarnelVetoedWindow");
  std::string asked;
  data->OnFormSkin = [&](TObject*, const std::string& name, bool& doSkin) {
    asked = name;
    doSkin = false;
  };
  HWND vetoed = Show(L"QuarnelVetoedWindow", 200, 120);
  EXPECT_EQ(asked, "QuarnelVetoedWindow");
  EXPECT_EQ(SkinOf(vetoed), nullptr);
  EXPECT_EQ(data->LastFormSkinWindow(), vetoed);
  data->OnFormSkin = nullptr;
}

TEST_F(SkinManageFilterTest, ZeroSizeWindowIsNotSkinned) {
  Register(L"QuarnelPlainWindow");
  HWND empty = CreateWindowExW(0, L"QuarnelPlainWindow", L"empty", WS_POPUP | WS_VISIBLE, 10, 10, 0, 0,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  windows.push_back(empty);
  ASSERT_TRUE(empty);
  EXPECT_FALSE(manager->SkinWindow(empty));
  EXPECT_EQ(SkinOf(empty), nullptr);
  SetWindowPos(empty, nullptr, 0, 0, 120, 60, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_TRUE(manager->SkinWindow(empty));  // the same window with an area passes
}

TEST_F(SkinManageFilterTest, AnotherModulesWindowIsSkinnedOnlyAsADialog) {
  const HINSTANCE other = GetModuleHandleW(L"kernel32.dll");
  ASSERT_NE(other, GetModuleHandleW(nullptr));
  HWND foreign = Show(L"STATIC", 200, 120, other);  // a system class: usable from any module
  ASSERT_TRUE(foreign);
  ASSERT_EQ(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(foreign, GWLP_HINSTANCE)), other);
  EXPECT_EQ(SkinOf(foreign), nullptr);
  EXPECT_FALSE(manager->SkinWindow(foreign));
  HWND dialog = CreateWindowExW(WS_EX_DLGMODALFRAME, L"#32770", L"foreign dialog",
                                WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 150, 150, 220, 120, nullptr,
                                nullptr, other, nullptr);
  windows.push_back(dialog);
  ASSERT_TRUE(dialog);
  SetActiveWindow(dialog);
  TWinSkinForm* skin = WaitSkinned(dialog);
  ASSERT_NE(skin, nullptr);
  EXPECT_TRUE(skin->View().Facts().DialogClass);
  // A dialog with the style bit 0x200 is left alone.
  HWND marked = CreateWindowExW(0, L"#32770", L"marked", WS_POPUP | WS_CAPTION | WS_VISIBLE | 0x200, 170, 170,
                                200, 100, nullptr, nullptr, other, nullptr);
  windows.push_back(marked);
  EXPECT_FALSE(manager->SkinWindow(marked));
}

TEST_F(SkinManageFilterTest, PlainChildWindowsPassOnlyInBulkMode) {
  Register(L"QuarnelPlainWindow");
  TForm* parent = NewForm(bsSingle, 200, 120);
  parent->Show();
  ASSERT_NE(WaitSkinned(parent->Handle()), nullptr);
  HWND child = CreateWindowExW(0, L"QuarnelPlainWindow", L"child", WS_CHILD | WS_VISIBLE | WS_CAPTION, 0, 0,
                               100, 60, parent->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  windows.push_back(child);
  EXPECT_FALSE(manager->SkinWindow(child));
}

TEST_F(SkinManageFilterTest, SkinDataIsChosenByFormTypeAndOwner) {
  TForm* form = NewForm(bsSingle, 200, 100);
  HWND window = form->Handle();
  EXPECT_EQ(manager->SkinData().ChooseFor(window), data.get());
  auto dialogData = TComponent::Make<TSkinData>();
  dialogData->SetSkinFormtype(sfDialog);
  manager->SkinData().Register(dialogData.get());
  auto* own = TComponent::CreateIn<TSkinData>(form);
  own->SetSkinFormtype(sfOnlyThisForm);
  manager->SkinData().Register(own);
  EXPECT_EQ(manager->SkinData().ChooseFor(window), own);
  Register(L"QuarnelPlainWindow");
  HWND other = Show(L"QuarnelPlainWindow", 100, 60);
  EXPECT_EQ(manager->SkinData().ChooseFor(other), data.get());
  HWND dialog = CreateWindowExW(0, L"#32770", L"d", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  windows.push_back(dialog);
  EXPECT_EQ(manager->SkinData().ChooseFor(dialog), dialogData.get());
  manager->UnregisterSkinData(own);
  manager->UnregisterSkinData(dialogData.get());
}

TEST_F(SkinManageFilterTest, PostActionBeforeAnyActivationDoesNotStartTheTimer) {
  ASSERT_EQ(manager->SkinningCount(), 0);  // nothing activated since the manager was made
  manager->SkinData().SetCurrent(data.get());
  manager->Actions().Post(saSkinOff, 250);
  EXPECT_FALSE(manager->Actions().TimerEnabled());
  EXPECT_FALSE(manager->Running());
  manager->Actions().Post(saSkinOn, 250);
  EXPECT_FALSE(manager->Actions().TimerEnabled());
  EXPECT_TRUE(manager->Running());
  TForm* form = NewForm(bsSingle, 200, 100);
  form->Show();
  ASSERT_NE(WaitSkinned(form->Handle()), nullptr);
  EXPECT_EQ(manager->SkinningCount(), 1);
  manager->Actions().Post(saRefresh, 250);
  EXPECT_TRUE(manager->Actions().TimerEnabled());
}

TEST_F(SkinManageFilterTest, PopupMenusAreTakenByTheKindThatOpensNext) {
  Register(L"QuarnelPlainWindow");
  HWND popup = CreateWindowExW(WS_EX_TOOLWINDOW, L"QuarnelPlainWindow", L"", WS_POPUP, 0, 0, 80, 80, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  windows.push_back(popup);
  data->SetSkinControls(data->SkinControls() & ~Bit(xcSystemMenu));
  manager->SetPopupKind(pkWindowMenu);
  EXPECT_FALSE(manager->Popups().Take(popup));
  manager->SetPopupKind(pkContextMenu);
  EXPECT_TRUE(manager->Popups().Take(popup));
  EXPECT_FALSE(manager->Popups().Take(popup));  // once only
  ASSERT_EQ(manager->Popups().Entries().size(), 1u);
  EXPECT_EQ(manager->Popups().Entries()[0].Window, popup);
  manager->SetPopupKind(pkMenuBarDropDown);
  manager->Popups().Release(popup);
  EXPECT_TRUE(manager->Popups().Entries().empty());
  EXPECT_EQ(manager->Popups().Kind(), pkContextMenu);
  // A real popup menu window is taken when it is made, and let go when it goes.
  manager->SetPopupKind(pkContextMenu);
  HWND menuWindow = CreateWindowExW(WS_EX_TOOLWINDOW, L"#32768", L"", WS_POPUP, 0, 0, 50, 50, nullptr,
                                    nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(menuWindow);
  EXPECT_TRUE(manager->Popups().IsSkinned(menuWindow));
  DestroyWindow(menuWindow);
  EXPECT_FALSE(manager->Popups().IsSkinned(menuWindow));
}

}  // namespace
}  // namespace quarnel::testing
