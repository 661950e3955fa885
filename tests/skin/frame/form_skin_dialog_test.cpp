// Dialog windows ("#32770") without a form object: skinned at activation, widened when their
// title does not fit with its controls moved right by half the growth, and the application's
// error box (a message box) skinned with its widened title, with a screenshot.
#include <string>
#include <vector>

#include "form_skin_test_support.h"
#include "framework/core/error.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_messages.h"
#include "tests/support/skin_variant.h"

namespace quarnel::testing {
namespace {

using testing_support::flush_events;

constexpr int kButtonId = 1001;

// An in-memory dialog template: one push button at (10, 10) dialog units.
std::vector<WORD> DialogTemplate(const std::wstring& title, short cx, short cy) {
  std::vector<WORD> t;
  auto put32 = [&t](DWORD v) {
    t.push_back(LOWORD(v));
    t.push_back(HIWORD(v));
  };
  auto putText = [&t](const std::wstring& s) {
    for (wchar_t c : s) t.push_back(static_cast<WORD>(c));
    t.push_back(0);
  };
  put32(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE);
  put32(0);
  t.push_back(1);  // one item
  t.push_back(10);
  t.push_back(10);
  t.push_back(static_cast<WORD>(cx));
  t.push_back(static_cast<WORD>(cy));
  t.push_back(0);  // no menu
  t.push_back(0);  // the dialog class
  putText(title);
  if (t.size() % 2) t.push_back(0);  // items start on a DWORD boundary
  put32(WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON);
  put32(0);
  t.push_back(10);
  t.push_back(10);
  t.push_back(30);
  t.push_back(14);
  t.push_back(kButtonId);
  t.push_back(0xFFFF);
  t.push_back(0x0080);  // button class
  putText(L"OK");
  t.push_back(0);  // no creation data
  return t;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT msg, WPARAM, LPARAM) {
  return msg == WM_INITDIALOG ? TRUE : FALSE;
}

// A modeless dialog of `tmpl` that handles nothing itself.
HWND ShowPlainDialog(const std::vector<WORD>& tmpl) {
  return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(tmpl.data()),
                                    nullptr, &PlainDialogProc, 0);
}

POINT ChildPosition(HWND dialog, HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  POINT p{r.left, r.top};
  ScreenToClient(dialog, &p);
  return p;
}

class FormSkinDialogTest : public FormSkinTest {
 protected:
  int NeededWidth(const std::wstring& title) const {
    return data->Title->TextShift() + testing_support::caption_text_width(title) +
           data->Title->TextRightClip();
  }
};

// A skin switch with another caption height refits an open dialog around its client area.
TEST_F(FormSkinDialogTest, ASkinSwitchRefitsAnOpenDialog) {
  std::vector<WORD> tmpl = DialogTemplate(L"Switch", 120, 60);
  HWND dialog = ShowPlainDialog(tmpl);
  ASSERT_TRUE(dialog);
  ASSERT_NE(WaitSkinned(dialog), nullptr);
  const int top = SkinTop();
  ASSERT_TRUE(testing_support::wait_until([&] { return ClientOrigin(dialog).y == top; }));
  const RECT client = ClientRectOf(dialog);
  data->SetPackedSkin(testing_support::WithDefinitionValue(data->PackedSkin(), "TopFrame", "3"));
  ASSERT_TRUE(data->LoadSkin());
  data->ApplySkin();
  const int lower = data->FrameTop->Image.Height() / 3;
  ASSERT_NE(lower, top);
  EXPECT_TRUE(testing_support::wait_until([&] { return ClientOrigin(dialog).y == lower; }, 3000))
      << ClientOrigin(dialog).y << " for a caption of " << lower;
  const RECT after = ClientRectOf(dialog);
  EXPECT_TRUE(EqualRect(&client, &after));
  DestroyWindow(dialog);
}

TEST_F(FormSkinDialogTest, DialogWithLongTitleGrowsAndMovesItsControls) {
  const std::wstring title = L"A dialog title far too long for so narrow a dialog window";
  std::vector<WORD> tmpl = DialogTemplate(title, 60, 40);
  // A second window of this thread is active first, so the dialog's activation is a real one.
  TForm* form = NewForm(bsSingle, 100, 60);
  form->Show();
  ASSERT_NE(WaitSkinned(form->Handle()), nullptr);

  HWND dialog = ShowPlainDialog(tmpl);
  ASSERT_TRUE(dialog);
  HWND button = GetDlgItem(dialog, kButtonId);
  ASSERT_TRUE(button);
  // The frame object is attached at activation; fitting waits for its posted message.
  const RECT nativeClient = ClientRectOf(dialog);
  const POINT nativeButton = ChildPosition(dialog, button);
  TWinSkinForm* skin = WaitSkinned(dialog);
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->View().Form(), nullptr);
  EXPECT_EQ(skin->Owner(), nullptr);  // the manager frees it
  EXPECT_TRUE(skin->View().Facts().DialogClass);
  EXPECT_EQ(skin->View().Facts().BorderKind, bkDialog);
  char className[16] = {};
  GetClassNameA(skin->View().Window(), className, sizeof className);
  EXPECT_STREQ(className, "#32770");
  EXPECT_EQ(SendMessageW(dialog, SKM_QUERYSKINNED, 0, 0), 1);

  const int fitted = nativeClient.right + SkinLeft() + SkinRight();
  const int needed = NeededWidth(title);
  ASSERT_LT(fitted, needed) << "the title must be wider than the dialog for this test";
  const RECT outer = WindowRectOf(dialog);
  EXPECT_EQ(outer.right - outer.left, needed);
  EXPECT_EQ(outer.bottom - outer.top, nativeClient.bottom + SkinTop() + SkinBottom());
  const POINT moved = ChildPosition(dialog, button);
  EXPECT_EQ(moved.x, nativeButton.x + (needed - fitted) / 2);
  EXPECT_EQ(moved.y, nativeButton.y);

  testing_support::save_bmp(testing_support::capture_window(dialog), ShotPath("form_skin_dialog"));
  DestroyWindow(dialog);
  flush_events(20);
  manager->FormSkins().Purge();
  EXPECT_EQ(SkinOf(dialog), nullptr);
}

TEST_F(FormSkinDialogTest, DialogWithShortTitleKeepsItsWidth) {
  std::vector<WORD> tmpl = DialogTemplate(L"Hi", 160, 60);
  HWND dialog = ShowPlainDialog(tmpl);
  ASSERT_TRUE(dialog);
  HWND button = GetDlgItem(dialog, kButtonId);
  const RECT nativeClient = ClientRectOf(dialog);
  const POINT nativeButton = ChildPosition(dialog, button);
  ASSERT_NE(WaitSkinned(dialog), nullptr);
  const RECT outer = WindowRectOf(dialog);
  EXPECT_EQ(outer.right - outer.left, nativeClient.right + SkinLeft() + SkinRight());
  EXPECT_EQ(ChildPosition(dialog, button).x, nativeButton.x);
  EXPECT_EQ(ClientRectOf(dialog).right, nativeClient.right);
  // Static text of the dialog (a message box's text) is drawn in the skin's colours.
  HDC dc = CreateCompatibleDC(nullptr);
  SetTextColor(dc, RGB(1, 2, 3));
  const LRESULT brush =
      SendMessageW(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(button));
  EXPECT_EQ(brush, reinterpret_cast<LRESULT>(data->FaceBrush.get()));
  EXPECT_EQ(GetTextColor(dc), ResolveSkinColor(data->Colors[scButtonText]));
  DeleteDC(dc);
  DestroyWindow(dialog);
}

// The error box runs its own loop: a thread timer watches it from inside that loop.
struct ErrorBoxWatch {
  std::wstring title;
  HWND box = nullptr;
  bool skinned = false;
  int width = 0;
  int clientWidth = 0;
  testing_support::Capture shot;
  int ticks = 0;
  const testing_support::SentMessageLog* skinnedWindows = nullptr;  // activation finished
};
ErrorBoxWatch* watch = nullptr;

void CALLBACK WatchErrorBox(HWND, UINT, UINT_PTR id, DWORD) {
  if (!watch || ++watch->ticks > 100) {
    if (watch && watch->box) PostMessageW(watch->box, WM_COMMAND, IDOK, 0);
    KillTimer(nullptr, id);
    return;
  }
  if (!watch->box) watch->box = FindWindowW(L"#32770", watch->title.c_str());
  if (!watch->box) return;
  TWinSkinForm* skin = TSkinManage::Instance()->FormSkins().Find(watch->box);
  if (!skin || skin->View().Facts().SkinState != fsActive || watch->skinnedWindows->count(watch->box) == 0)
    return;
  if (watch->ticks < 5) return;  // let the frame paint
  watch->skinned = true;
  RECT r{}, c{};
  GetWindowRect(watch->box, &r);
  GetClientRect(watch->box, &c);
  watch->width = r.right - r.left;
  watch->clientWidth = c.right;
  watch->shot = testing_support::capture_window(watch->box);
  KillTimer(nullptr, id);
  PostMessageW(watch->box, WM_COMMAND, IDOK, 0);
}

TEST_F(FormSkinDialogTest, ErrorBoxIsSkinnedWithItsWidenedTitle) {
  const std::string title = "Quarnel Ver:1.0 - an error box title longer than its short message";
  Application()->SetTitle(title);
  Application()->OnShowError = nullptr;
  TForm* form = NewForm(bsSingle, 200, 100);
  form->Show();
  ASSERT_NE(WaitSkinned(form->Handle()), nullptr);

  ErrorBoxWatch state;
  state.title = std::wstring(title.begin(), title.end());
  state.skinnedWindows = &skinned;
  watch = &state;
  SetTimer(nullptr, 0, 50, &WatchErrorBox);
  Application()->HandleException(std::make_exception_ptr(Exception("Oops")));
  watch = nullptr;

  ASSERT_TRUE(state.box != nullptr);
  ASSERT_TRUE(state.skinned);
  EXPECT_EQ(state.width, std::max(NeededWidth(state.title), state.clientWidth + SkinLeft() + SkinRight()));
  EXPECT_GE(state.width, NeededWidth(state.title));
  EXPECT_TRUE(testing_support::save_bmp(state.shot, ShotPath("form_skin_error_box")));
  Application()->SetTitle("Quarnel");
}

}  // namespace
}  // namespace quarnel::testing
