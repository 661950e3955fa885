// The main window built in the test's own process: layout, texts, keyboard, border, handlers.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/main_form.h"
#include "framework/core/error.h"
#include "framework/core/text.h"
#include "framework/ui/application.h"
#include "skin/controls/manager/skin_manage.h"
#include "skin/data/skin_data.h"
#include "skin/frame/win_skin_form.h"
#include "tests/support/window_support.h"
#include "tests/support/wine_paths.h"

using testing_support::flush_events;

namespace {

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application()->Initialize();
    Application()->ClearTerminated();
    Application()->SetTitle("Quarnel");
    form = Application()->CreateForm<TForm1>();
    form->Show();
    // The first activation gives the window its frame object.
    ASSERT_TRUE(testing_support::wait_until([&] { return FormSkin() != nullptr; }));
  }
  void TearDown() override {
    Application()->DestroyComponent(form);
    Application()->SetMainForm(nullptr);
    flush_events();
  }
  std::wstring Text(HWND wnd) {
    wchar_t buf[256] = {};
    GetWindowTextW(wnd, buf, 256);
    return buf;
  }
  // Posts a key to the focused window and lets the application's loop handle it.
  void PressKey(UINT vk) {
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, vk, 1);
    PostMessageW(focus, WM_KEYUP, vk, 0xC0000001);
    Application()->ProcessMessages();
  }
  // The frame object the skin manager gave the window at its first activation.
  quarnel::TWinSkinForm* FormSkin() {
    auto* manager = quarnel::TSkinManage::Instance();
    return manager ? manager->FormSkins().Find(form->Handle()) : nullptr;
  }
  TForm1* form = nullptr;
};

TEST_F(MainWindowTest, ClientSizeCaptionAndCentredPosition) {
  HWND wnd = form->Handle();
  auto* skin = FormSkin();
  RECT client, window;
  // The skin's frame is fitted around the client area once the posted activation has run.
  EXPECT_TRUE(testing_support::wait_until([&] {
    GetClientRect(wnd, &client);
    GetWindowRect(wnd, &window);
    return window.right - window.left ==
           client.right + skin->View().Metrics().BorderLeft + skin->View().Metrics().BorderRight;
  }));
  EXPECT_EQ(client.right, 347);
  EXPECT_EQ(client.bottom, 181);
  EXPECT_EQ(Text(wnd), L"Quarnel Ver:1.0");
  wchar_t cls[64];
  GetClassNameW(wnd, cls, 64);
  EXPECT_STREQ(cls, L"TForm1");
  // The window was centred with the system's frame; the skin's frame then changed its size
  // keeping the top-left corner where centring put it.
  const int nativeWidth = client.right + skin->View().Metrics().NativeFrameExtra.cx;
  const int nativeHeight = client.bottom + skin->View().Metrics().NativeFrameExtra.cy;
  int sw = GetSystemMetrics(SM_CXVIRTUALSCREEN), sh = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  EXPECT_NEAR(window.left + nativeWidth / 2, GetSystemMetrics(SM_XVIRTUALSCREEN) + sw / 2, 1);
  EXPECT_NEAR(window.top + nativeHeight / 2, GetSystemMetrics(SM_YVIRTUALSCREEN) + sh / 2, 1);
}

TEST_F(MainWindowTest, ControlsStandWhereTheDescriptionPutsThem) {
  struct Expect {
    TWinControl* control;
    RECT bounds;
    const wchar_t* caption;
    const wchar_t* cls;
  } expected[] = {
      {form->Button1, {104, 144, 179, 169}, L"判断网络", L"TButton"},
      {form->Memo1, {8, 8, 337, 137}, L"", L"TMemo"},
      {form->Button2, {264, 144, 339, 169}, L"退出", L"TButton"},
      {form->Button3, {184, 144, 259, 169}, L"Velmora网", L"TButton"},
  };
  for (const Expect& e : expected) {
    HWND wnd = e.control->Handle();
    RECT r;
    GetWindowRect(wnd, &r);
    MapWindowPoints(nullptr, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, e.bounds.left) << e.control->Name();
    EXPECT_EQ(r.top, e.bounds.top) << e.control->Name();
    EXPECT_EQ(r.right, e.bounds.right) << e.control->Name();
    EXPECT_EQ(r.bottom, e.bounds.bottom) << e.control->Name();
    EXPECT_EQ(Text(wnd), e.caption) << e.control->Name();
    wchar_t cls[64];
    GetClassNameW(wnd, cls, 64);
    EXPECT_STREQ(cls, e.cls);
  }
  // The GBK bytes of the description are kept as the control's 8-bit text.
  EXPECT_EQ(form->Button1->Caption(), "\xC5\xD0\xB6\xCF\xCD\xF8\xC2\xE7");
  EXPECT_EQ(form->Font()->Name(), "\xCB\xCE\xCC\xE5");
  EXPECT_EQ(form->Font()->Height(), -12);
  EXPECT_EQ(form->Button3->Font()->Name(), "\xCB\xCE\xCC\xE5");  // controls take the form's font
  // The skin's face colour is in force; the description's colour is kept aside for the form
  // to get back (seen at the end).
  auto* skin = FormSkin();
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(form->Color(), form->SkinData1->FaceColor());
  // The address watch stays idle: no thread, no history file.
  ASSERT_NE(form->IdIPWatch1, nullptr);
  EXPECT_FALSE(form->IdIPWatch1->Active());
  EXPECT_FALSE(form->IdIPWatch1->HistoryEnabled());
  EXPECT_EQ(form->IdIPWatch1->HistoryFilename(), "iphist.dat");
  // Unskinned, the form has the description's colour again.
  quarnel::TSkinManage::Instance()->SetRunning(false);
  skin->Detach();
  EXPECT_EQ(form->Color(), clBtnFace);
}

TEST_F(MainWindowTest, TabWalksButton1Memo1Button2Button3) {
  HWND first = form->Button1->Handle();
  ASSERT_TRUE(testing_support::wait_until([&] { return GetActiveWindow() == form->Handle(); }));
  form->Button1->SetFocus();
  ASSERT_EQ(GetFocus(), first);
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), form->Memo1->Handle());
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), form->Button2->Handle());
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), form->Button3->Handle());
  PressKey(VK_TAB);
  EXPECT_EQ(GetFocus(), form->Button1->Handle());
}

TEST_F(MainWindowTest, ActivationFocusesTheFirstControl) {
  HWND first = form->Button1->Handle();
  EXPECT_TRUE(testing_support::wait_until([&] { return GetFocus() == first; }));
}

TEST_F(MainWindowTest, BorderDoesNotResizeAndThereIsNoMaximise) {
  HWND wnd = form->Handle();
  LONG_PTR style = GetWindowLongPtrW(wnd, GWL_STYLE);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  // The window menu is there; the skinned frame may take WS_SYSMENU off the style so that the
  // system draws no caption controls of its own, and then counts it among the border icons.
  EXPECT_NE(GetSystemMenu(wnd, FALSE), nullptr);
  auto* skin = FormSkin();
  ASSERT_NE(skin, nullptr);
  EXPECT_TRUE(skin->View().Facts().BorderIcons & quarnel::kbiSystemMenu);
  EXPECT_FALSE(skin->View().Facts().BorderIcons & quarnel::kbiMaximize);
  RECT r;
  GetWindowRect(wnd, &r);
  POINT edges[] = {{r.left, (r.top + r.bottom) / 2},
                   {r.right - 1, (r.top + r.bottom) / 2},
                   {(r.left + r.right) / 2, r.bottom - 1},
                   {r.right - 1, r.bottom - 1}};
  for (POINT p : edges) {
    LRESULT hit = SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
    EXPECT_FALSE(hit >= HTLEFT && hit <= HTBOTTOMRIGHT) << "hit " << hit << " at " << p.x << "," << p.y;
  }
  SendMessageW(wnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);  // handled before SendMessage returns
  flush_events();
  EXPECT_FALSE(IsZoomed(wnd));
}

TEST_F(MainWindowTest, MinimiseAndRestore) {
  HWND wnd = form->Handle();
  SendMessageW(wnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(
      testing_support::wait_until([&] { return IsIconic(wnd) && form->WindowState() == wsMinimized; }));
  SendMessageW(wnd, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_TRUE(testing_support::wait_until([&] { return !IsIconic(wnd); }));
  RECT client;
  GetClientRect(wnd, &client);
  EXPECT_EQ(client.right, 347);
}

TEST_F(MainWindowTest, Button2EndsTheLoop) {
  EXPECT_FALSE(Application()->Terminated());
  SendMessageW(form->Button2->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(Application()->Terminated());
  MSG msg;
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));  // the loop's end
}

TEST_F(MainWindowTest, Button3AsksTheShellToOpenThePublishersPage) {
  struct Call {
    HWND owner;
    std::string verb, file;
    int show;
  };
  std::vector<Call> calls;
  form->ShellOpen = [&](HWND owner, const char* verb, const char* file, int show) {
    calls.push_back({owner, verb, file, show});
  };
  SendMessageW(form->Button3->Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].owner, form->Handle());
  EXPECT_EQ(calls[0].verb, "open");
  EXPECT_EQ(calls[0].file, "http://www.velmora.com/?qq=Ombrixa");
  EXPECT_EQ(calls[0].show, SW_SHOWNORMAL);
}

TEST_F(MainWindowTest, TheStoredSkinIsLoadedAtStart) {
  quarnel::TSkinData* skin = form->SkinData1;
  ASSERT_NE(skin, nullptr);
  EXPECT_FALSE(skin->Empty());
  EXPECT_TRUE(skin->Active());
  EXPECT_FALSE(skin->SkinName.empty());
  ASSERT_TRUE(skin->FrameTop);
  EXPECT_FALSE(skin->SysButtons.empty());
}

TEST_F(MainWindowTest, IconComesFromTheDescription) {
  std::ifstream file(testing_support::host_path(QUARNEL_ICON_FILE), std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(form->Icon()->Bytes(), bytes);
  EXPECT_NE(SendMessageW(form->Handle(), WM_GETICON, ICON_BIG, 0), 0);
}

BOOL CALLBACK KeepStaticText(HWND child, LPARAM out) {
  wchar_t cls[32], buf[512];
  GetClassNameW(child, cls, 32);
  GetWindowTextW(child, buf, 512);
  if (lstrcmpiW(cls, L"Static") == 0 && buf[0]) *reinterpret_cast<std::wstring*>(out) = buf;
  return TRUE;
}

// Runs inside the error box's own loop (a thread timer): keeps its text and presses OK on every
// tick while it is up, so that one lost press cannot leave the box open.
std::wstring errorBoxText;
void CALLBACK AnswerErrorBox(HWND, UINT, UINT_PTR, DWORD) {
  if (HWND box = FindWindowW(L"#32770", L"Quarnel")) {
    EnumChildWindows(box, KeepStaticText, reinterpret_cast<LPARAM>(&errorBoxText));
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  }
}

TEST_F(MainWindowTest, ExceptionInAClickHandlerShowsTheErrorBoxAndGoesOn) {
  form->Button1->OnClick.code = [](TObject*) { throw Exception("\xCD\xF8\xC2\xE7 broken"); };
  errorBoxText.clear();
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, AnswerErrorBox);
  PostMessageW(form->Button1->Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(testing_support::wait_until(
      [&] { return !errorBoxText.empty() && !FindWindowW(L"#32770", L"Quarnel"); }, 10000));
  KillTimer(nullptr, timer);
  EXPECT_EQ(errorBoxText, L"网络 broken.");
  // The program goes on: the window still answers.
  EXPECT_TRUE(IsWindow(form->Handle()));
  EXPECT_FALSE(Application()->Terminated());
  EXPECT_EQ(SendMessageW(form->Memo1->Handle(), WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST(ErrorBoxTextTest, FullStopRule) {
  EXPECT_EQ(TApplication::ErrorBoxText("abc"), "abc.");
  EXPECT_EQ(TApplication::ErrorBoxText("abc."), "abc.");
  EXPECT_EQ(TApplication::ErrorBoxText("abc!"), "abc!");  // '!' sorts before '.'
  EXPECT_EQ(TApplication::ErrorBoxText("abc "), "abc ");
  EXPECT_EQ(TApplication::ErrorBoxText("a/"), "a/.");  // '/' sorts after '.'
  EXPECT_EQ(TApplication::ErrorBoxText(""), "");
  EXPECT_EQ(TApplication::ErrorBoxText("\xCD\xF8"), "\xCD\xF8.");  // bytes compare unsigned
}

}  // namespace
