// The keyboard cues of a window (mnemonic underlines, focus marks), which the system hides until
// the keyboard is used where the user asks for that: a skinned push button and check box draw
// their mnemonic underline and focus mark as the window answers WM_QUERYUISTATE, and again when
// WM_UPDATEUISTATE says the cues changed, as the system's own controls do. Wine keeps no such
// state itself, so the controls' own procedure answers here as Windows would.
#include <windows.h>

#include "bare_dialog_support.h"

namespace quarnel::tabtest {
namespace {

using testing_support::capture_window;

// The cues the controls report, and their procedure before it answered for them.
struct CueState {
  static inline LRESULT hidden = 0;  // UISF_ flags
  static inline WNDPROC button = nullptr;
  static LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_QUERYUISTATE) return hidden;
    return CallWindowProcW(button, w, m, wp, lp);
  }
};

class BareKeyboardCuesTest : public BareDialogTest {
 protected:
  HWND Add(const wchar_t* text, DWORD kind, int y) {
    HWND w = CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | kind, 20, y, 120, 28,
                             dialog.get(), nullptr, GetModuleHandleW(nullptr), nullptr);
    CueState::button = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CueState::Proc)));
    controls_.push_back(w);
    return w;
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
  for (HWND w : controls_) SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CueState::button));
}

}  // namespace
}  // namespace quarnel::tabtest
