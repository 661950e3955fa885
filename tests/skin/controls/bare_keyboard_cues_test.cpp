// The keyboard cues of a window (mnemonic underlines, focus marks), which the system hides until
// the keyboard is used where the user asks for that: a skinned push button, check box and tab
// control draw their mnemonic underline and focus mark as the window answers WM_QUERYUISTATE, and again when
// WM_UPDATEUISTATE says the cues changed, as the system's own controls do. Wine keeps no such
// state itself, so the controls' own procedure answers here as Windows would.
#include <windows.h>
// After windows.h, which it builds on.
#include <commctrl.h>

#include <map>

#include "bare_dialog_support.h"

namespace quarnel::tabtest {
namespace {

using testing_support::capture_window;

// The cues the controls report, and their procedures before they answered for them.
struct CueState {
  static inline LRESULT hidden = 0;  // UISF_ flags
  static inline std::map<HWND, WNDPROC> previous;
  static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_QUERYUISTATE) return hidden;
    return CallWindowProcW(previous[w], w, m, wp, lp);
  }
};

class BareKeyboardCuesTest : public BareDialogTest {
 protected:
  HWND Add(const wchar_t* text, DWORD kind, int y) {
    return Answering(CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | kind, 20, y,
                                     120, 28, dialog.get(), nullptr, GetModuleHandleW(nullptr), nullptr));
  }
  // A tab control with one tab captioned `text`.
  HWND AddTabs(const wchar_t* text, int y) {
    HWND w = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 160, y, 150, 50,
                             dialog.get(), nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<wchar_t*>(text);
    SendMessageW(w, TCM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return Answering(w);
  }
  // The control's procedure answers WM_QUERYUISTATE from here on.
  HWND Answering(HWND w) {
    CueState::previous[w] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CueState::Proc)));
    controls_.push_back(w);
    return w;
  }
  void PutProceduresBack() {
    for (HWND w : controls_)
      SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CueState::previous[w]));
    CueState::previous.clear();
  }
  // The cues hidden or shown, told to every control as the system tells them.
  void Cues(WORD action, WORD which) {
    CueState::hidden = action == UIS_SET ? CueState::hidden | which : CueState::hidden & ~which;
    for (HWND w : controls_) SendMessageW(w, WM_UPDATEUISTATE, MAKEWPARAM(action, which), 0);
    Pump(100);
  }
  void SetUp() override {
    CueState::hidden = 0;
    BareDialogTest::SetUp();
  }

  std::vector<HWND> controls_;
};

TEST_F(BareKeyboardCuesTest, MnemonicUnderlinesAndFocusMarksFollowTheWindowsCues) {
  HWND button = Add(L"&Press", BS_PUSHBUTTON, 20);
  HWND check = Add(L"&Check", BS_AUTOCHECKBOX, 60);
  HWND plainButton = Add(L"Press", BS_PUSHBUTTON, 100);  // the same captions without a mnemonic
  HWND plainCheck = Add(L"Check", BS_AUTOCHECKBOX, 140);
  Skin();
  ASSERT_NE(dialogSkin->Controls().FindControlSkin(button), nullptr);
  ASSERT_NE(dialogSkin->Controls().FindControlSkin(check), nullptr);
  const Capture underlined = capture_window(button), checkUnderlined = capture_window(check);
  EXPECT_NE(underlined.pixels, capture_window(plainButton).pixels) << "the underline shows";

  Cues(UIS_SET, UISF_HIDEACCEL);
  EXPECT_EQ(capture_window(button).pixels, capture_window(plainButton).pixels) << "no underline";
  EXPECT_EQ(capture_window(check).pixels, capture_window(plainCheck).pixels);
  Cues(UIS_CLEAR, UISF_HIDEACCEL);
  EXPECT_EQ(capture_window(button).pixels, underlined.pixels) << "the underline again (Alt pressed)";
  EXPECT_EQ(capture_window(check).pixels, checkUnderlined.pixels);

  // The focus mark: shown while the cues show it, hidden while they hide it.
  SetForegroundWindow(dialog.get());
  SetFocus(plainButton);
  Pump(100);
  const Capture focused = capture_window(plainButton);
  Cues(UIS_SET, UISF_HIDEFOCUS);
  EXPECT_NE(capture_window(plainButton).pixels, focused.pixels) << "no focus mark while the cues hide it";
  Cues(UIS_CLEAR, UISF_HIDEFOCUS);
  EXPECT_EQ(capture_window(plainButton).pixels, focused.pixels);
  SkinOff();
  PutProceduresBack();
}

TEST_F(BareKeyboardCuesTest, TabCaptionsAndTheFocusedTabFollowTheWindowsCues) {
  HWND tabs = AddTabs(L"&Alpha", 20);
  HWND plain = AddTabs(L"Alpha", 90);
  Skin();
  ASSERT_NE(dialogSkin->Controls().FindControlSkin(tabs), nullptr);
  const Capture underlined = capture_window(tabs);
  EXPECT_NE(underlined.pixels, capture_window(plain).pixels) << "the underline shows";
  Cues(UIS_SET, UISF_HIDEACCEL);
  EXPECT_EQ(capture_window(tabs).pixels, capture_window(plain).pixels) << "no underline";
  Cues(UIS_CLEAR, UISF_HIDEACCEL);
  EXPECT_EQ(capture_window(tabs).pixels, underlined.pixels);

  SetForegroundWindow(dialog.get());
  SetFocus(tabs);
  Pump(100);
  const Capture unfocused = capture_window(plain);
  SetFocus(plain);
  Pump(100);
  EXPECT_NE(capture_window(plain).pixels, unfocused.pixels) << "the focused tab is marked";
  Cues(UIS_SET, UISF_HIDEFOCUS);
  EXPECT_EQ(capture_window(plain).pixels, unfocused.pixels) << "no mark while the cues hide it";
  SkinOff();
  PutProceduresBack();
}

}  // namespace
}  // namespace quarnel::tabtest
