// The main window's push buttons skinned: frames for every state, mouse and keyboard clicks,
// two-line captions, switching the skin off and on, and no leaks over many repaints.
#include <stdexcept>

#include "button_test_support.h"
#include "framework/win/window_thunk.h"
#include "skin/controls/manager/skin_manage.h"
#include "skin/data/skin_messages.h"

namespace quarnel::buttontest {
namespace {

TEST_F(MainButtonsTest, TheSkinFramesOfTheStatesAreDistinct) {
  const Capture shown = testing_support::capture_window(form->Button2->Handle());
  for (int a = 1; a <= 5; ++a)
    for (int b = a + 1; b <= 5; ++b) {
      Capture ra = FrameReference(*data, shown.width, shown.height, a);
      Capture rb = FrameReference(*data, shown.width, shown.height, b);
      EXPECT_FALSE(EdgesEqual(ra, rb)) << "frames " << a << " and " << b << " cannot be told apart";
    }
}

TEST_F(MainButtonsTest, TheWindowsActivationSkinsTheButtons) {
  ASSERT_NE(TSkinManage::Instance(), nullptr);
  EXPECT_EQ(TSkinManage::Instance()->FormSkins().Find(form->Handle()), formSkin);
  EXPECT_EQ(ownFormSkin.get(), nullptr) << "the buttons were skinned by the frame object's activation";
}

TEST_F(MainButtonsTest, EveryButtonGetsAButtonSkin) {
  for (TButton* b : {form->Button1, form->Button2, form->Button3}) {
    ASSERT_NE(SkinOf(b), nullptr) << b->Name();
    EXPECT_EQ(SendMessageW(b->Handle(), SKM_QUERYSKINNED, 0, 0), 1);
  }
  EXPECT_EQ(SkinOf(form->Button1)->Owner(), form->Button1);
}

// The focus frame follows the keyboard focus from button to button, away to the memo and back.
TEST_F(MainButtonsTest, TheFocusFrameFollowsTheFocus) {
  form->Button1->SetFocus();
  EXPECT_TRUE(Shows(form->Button1, 5));
  form->Button2->SetFocus();
  EXPECT_TRUE(Shows(form->Button2, 5));
  EXPECT_TRUE(Shows(form->Button1, 1)) << "the focus left it";
  form->Memo1->SetFocus();
  EXPECT_TRUE(Shows(form->Button2, 1));
  form->Button1->SetFocus();
  EXPECT_TRUE(Shows(form->Button1, 5)) << "and came back";
}

TEST_F(MainButtonsTest, NormalFocusedHotPressedAndDisabledFrames) {
  form->Button1->SetFocus();
  EXPECT_TRUE(Shows(form->Button1, 5)) << "focused";
  EXPECT_TRUE(Shows(form->Button2, 1)) << "normal";
  SaveShot(form->Handle(), "buttons_normal_focused.bmp");

  move_mouse(CentreOf(form->Button2->Handle()));
  EXPECT_TRUE(Shows(form->Button2, 4)) << "hot";
  SaveShot(form->Handle(), "buttons_hot.bmp");

  mouse_left_button(true);
  EXPECT_TRUE(Shows(form->Button2, 2)) << "pressed";
  EXPECT_EQ(GetFocus(), form->Button2->Handle()) << "a press takes the focus";
  SaveShot(form->Handle(), "buttons_pressed.bmp");
  mouse_left_button(false);
  EXPECT_TRUE(testing_support::wait_until([&] { return clicks[1] == 1; }));

  form->Button3->SetEnabled(false);
  EXPECT_TRUE(Shows(form->Button3, 3)) << "disabled";
  SaveShot(form->Handle(), "buttons_disabled.bmp");
  // The disabled caption is drawn in the button-shadow colour.
  const Capture shown = testing_support::capture_window(form->Button3->Handle());
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  int shadowPixels = 0;
  for (COLORREF c : shown.pixels) shadowPixels += c == shadow;
  EXPECT_GT(shadowPixels, 10);
}

TEST_F(MainButtonsTest, PressMoveOffAndReleaseRaisesNoClick) {
  int downs = 0;
  form->Button2->OnMouseDown = [&downs](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
  move_mouse(CentreOf(form->Button2->Handle()));
  ASSERT_TRUE(testing_support::wait_until([&] { return SkinOf(form->Button2)->Marks().Hot(); }));
  mouse_left_button(true);
  ASSERT_TRUE(testing_support::wait_until([&] { return SkinOf(form->Button2)->Marks().Pressed(); }));
  EXPECT_EQ(downs, 1) << "the swallowed button-down still reaches the control's mouse-down event";
  move_mouse(POINT{2, 2});
  ASSERT_TRUE(testing_support::wait_until([&] { return !SkinOf(form->Button2)->Marks().Pressed(); }));
  EXPECT_FALSE(SkinOf(form->Button2)->Marks().Hot());
  mouse_left_button(false);
  // Input arrives in order: once Button1 is hot the release has been handled.
  move_mouse(CentreOf(form->Button1->Handle()));
  ASSERT_TRUE(testing_support::wait_until([&] { return SkinOf(form->Button1)->Marks().Hot(); }));
  EXPECT_EQ(clicks[1], 0);
  EXPECT_TRUE(Shows(form->Button2, 5)) << "back to the focused look, not pressed";
}

TEST_F(MainButtonsTest, SpaceKeyClicksAndShowsThePressedFrameWhileDown) {
  form->Button3->SetFocus();
  ASSERT_TRUE(Shows(form->Button3, 5));
  HWND b = form->Button3->Handle();
  PostMessageW(b, WM_KEYDOWN, VK_SPACE, 0x00390001);
  EXPECT_TRUE(Shows(form->Button3, 2));
  PostMessageW(b, WM_KEYUP, VK_SPACE, 0xC0390001);
  EXPECT_TRUE(testing_support::wait_until([&] { return clicks[2] == 1; }));
  EXPECT_TRUE(Shows(form->Button3, 5));
}

// Rows of a capture holding pixels that differ from the reference.
std::vector<int> InkRows(const Capture& shown, const Capture& ref) {
  std::vector<int> rows;
  for (int y = 3; y < shown.height - 3; ++y)
    for (int x = 3; x < shown.width - 3; ++x)
      if (shown.at(x, y) != ref.at(x, y)) {
        rows.push_back(y);
        break;
      }
  return rows;
}

TEST_F(MainButtonsTest, DoubleBarCaptionIsDrawnOnTwoLines) {
  form->Button2->SetBounds(form->Button2->Left(), form->Button2->Top() - 20, 75, 44);
  form->Button2->SetCaption("");
  Repaint(form->Button2);
  const Capture blank = testing_support::capture_window(form->Button2->Handle());
  form->Button2->SetCaption("Up");
  Repaint(form->Button2);
  std::vector<int> one = InkRows(testing_support::capture_window(form->Button2->Handle()), blank);
  ASSERT_FALSE(one.empty());
  form->Button2->SetCaption("Up||Down||x");
  Repaint(form->Button2);
  const Capture two = testing_support::capture_window(form->Button2->Handle());
  SaveShot(form->Button2->Handle(), "button_two_lines.bmp");
  std::vector<int> rows = InkRows(two, blank);
  ASSERT_FALSE(rows.empty());
  // Two bands of text with a gap between them, the block taller than one line.
  int gaps = 0;
  for (size_t i = 1; i < rows.size(); ++i) gaps += rows[i] != rows[i - 1] + 1;
  EXPECT_EQ(gaps, 1);
  EXPECT_GT(rows.back() - rows.front(), (one.back() - one.front()) * 3 / 2);
  // Only the first "||" became a break: the second line carries the remaining bars.
  EXPECT_EQ(SplitCaptionLines(L"Up||Down||x"), L"Up\r\nDown||x");
}

TEST_F(MainButtonsTest, EnableSkinZeroLooksExactlyUnskinnedAndOneSkinsAgain) {
  // An unskinned twin of Button2 beside it.
  TButton* twin = TComponent::CreateIn<TButton>(form);
  twin->SetParent(form);
  twin->SetBounds(8, form->Button2->Top(), form->Button2->Width(), form->Button2->Height());
  twin->SetCaption(form->Button2->Caption());
  twin->SetTag(data->DisableTag());
  Settle(0);
  HWND b = form->Button2->Handle();
  SendMessageW(b, SKM_ENABLESKIN, 0, 0);
  Repaint(form->Button2);
  Repaint(twin);
  const Capture off = testing_support::capture_window(b);
  const Capture plain = testing_support::capture_window(twin->Handle());
  SaveShot(b, "enable_skin_off.bmp");
  SaveShot(twin->Handle(), "enable_skin_twin.bmp");
  EXPECT_EQ(DifferingPixels(off, plain, 0, off.height), 0);
  EXPECT_EQ(SendMessageW(b, SKM_QUERYSKINNED, 0, 0), 0) << "every message reaches the control";
  EXPECT_EQ(ShownFrame(form->Button2), 0);

  SendMessageW(b, SKM_ENABLESKIN, 1, 0);
  EXPECT_TRUE(Shows(form->Button2, 1));
  EXPECT_EQ(SendMessageW(b, SKM_QUERYSKINNED, 0, 0), 1);
}

TEST_F(MainButtonsTest, NoObjectsLeakOverManyRepaintsAndSkinCycles) {
  HWND b = form->Button2->Handle();
  for (int i = 0; i < 200; ++i) RedrawWindow(b, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Settle();
  const DWORD gdi = testing_support::gdi_objects();
  const DWORD user = testing_support::user_objects();
  for (int i = 0; i < 10000; ++i) RedrawWindow(b, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Settle();
  EXPECT_LE(testing_support::gdi_objects(), gdi + 2);
  EXPECT_LE(testing_support::user_objects(), user + 2);

  const int thunks = fw::WindowThunk::LiveCount();
  for (int i = 0; i < 100; ++i) {
    SendMessageW(b, SKM_ENABLESKIN, 0, 0);
    RedrawWindow(b, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    SendMessageW(b, SKM_ENABLESKIN, 1, 0);
    formSkin->Controls().ReleaseControlSkins(false);
    EXPECT_EQ(SendMessageW(b, SKM_QUERYSKINNED, 0, 0), 0);
    formSkin->Controls().AttachControlSkins();
    ASSERT_EQ(SendMessageW(b, SKM_QUERYSKINNED, 0, 0), 1);
  }
  Settle();
  EXPECT_EQ(fw::WindowThunk::LiveCount(), thunks);
  EXPECT_LE(testing_support::gdi_objects(), gdi + 2);
  EXPECT_LE(testing_support::user_objects(), user + 2);
  EXPECT_TRUE(Shows(form->Button2, 1));
}

TEST_F(MainButtonsTest, ScreenshotOfEveryButtonState) {
  // Button1 focused, Button2 pressed under the pointer, Button3 disabled; then hot.
  form->Button3->SetEnabled(false);
  form->Button1->SetFocus();
  Settle();
  SkinOf(form->Button2)->Marks().SetPressed(true);
  SkinOf(form->Button2)->Repaint();
  EXPECT_TRUE(Shows(form->Button1, 5));
  EXPECT_TRUE(Shows(form->Button2, 2));
  EXPECT_TRUE(Shows(form->Button3, 3));
  SaveShot(form->Handle(), "main_window_button_states.bmp");
}

}  // namespace
}  // namespace quarnel::buttontest

namespace quarnel::buttontest {
namespace {

// What the timer saw of the error box while it was up.
struct ErrorBoxProbe {
  static inline HWND box = nullptr;
  static inline HWND ok = nullptr;
  static inline LRESULT okSkinned = -1;
  static inline int edgeFrame = 0;
  static inline TSkinData* data = nullptr;
  static inline int ticks = 0;
  static BOOL CALLBACK FindBox(HWND w, LPARAM) {
    char cls[16] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (std::string(cls) == "#32770" && IsWindowVisible(w)) box = w;
    return TRUE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
    ++ticks;
    box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, 0);
    if (!box) {
      if (ticks > 100) KillTimer(nullptr, id);
      return;
    }
    if (ticks < 10) return;  // let the activation skin it first
    KillTimer(nullptr, id);
    ok = GetDlgItem(box, IDOK);
    if (!ok) ok = GetDlgItem(box, IDCANCEL);
    okSkinned = ok ? SendMessageW(ok, SKM_QUERYSKINNED, 0, 0) : -1;
    if (ok) {
      const Capture shown = testing_support::capture_window(ok);
      for (int frame = 1; frame <= 5 && !edgeFrame; ++frame)
        if (EdgesEqual(shown, FrameReference(*data, shown.width, shown.height, frame))) edgeFrame = frame;
      testing_support::save_bmp(testing_support::capture_window(box),
                                std::string(QUARNEL_SHOTS) + "/error_box.bmp");
      // Clicked through the skin: the command posted to the dialog closes it.
      SendMessageW(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
      SendMessageW(ok, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
  }
};

TEST_F(MainButtonsTest, ErrorBoxOkButtonIsSkinnedAndClosesTheBox) {
  ErrorBoxProbe::data = data;
  ErrorBoxProbe::ticks = 0;
  ErrorBoxProbe::okSkinned = -1;
  ErrorBoxProbe::edgeFrame = 0;
  UINT_PTR timer = SetTimer(nullptr, 0, 30, ErrorBoxProbe::Tick);
  ASSERT_NE(timer, 0u);
  Application()->HandleException(std::make_exception_ptr(std::runtime_error("probe failed")));
  KillTimer(nullptr, timer);
  ASSERT_NE(ErrorBoxProbe::ok, nullptr) << "no error box was seen";
  EXPECT_EQ(ErrorBoxProbe::okSkinned, 1);
  EXPECT_NE(ErrorBoxProbe::edgeFrame, 0) << "the OK button shows a frame of the skin's Buttons image";
  EXPECT_FALSE(IsWindow(ErrorBoxProbe::box)) << "the skinned OK button's command closed the box";
}

}  // namespace
}  // namespace quarnel::buttontest
