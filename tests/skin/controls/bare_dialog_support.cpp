// The bare-window tests' dialog and bar comparison. Test thread.
#include "bare_dialog_support.h"

namespace quarnel::tabtest {

namespace {

INT_PTR CALLBACK DialogProc(HWND, UINT m, WPARAM, LPARAM) {
  return m == WM_INITDIALOG;
}

}  // namespace

void BareDialogTest::SetUp() {
  Application()->Initialize();
  data = &controltest::BuiltInSkin();
  ASSERT_FALSE(data->Empty()) << "the built-in skin did not load";
  // An empty dialog template: the controls are added as a program adds them.
  struct {
    DLGTEMPLATE head;
    WORD menu, windowClass, title;
  } tmpl{};
  tmpl.head.style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
  tmpl.head.cx = tmpl.head.cy = 100;
  dialog.reset(CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &tmpl.head, nullptr, DialogProc, 0));
  ASSERT_NE(dialog.get(), nullptr);
  MoveWindow(dialog.get(), 40, 40, 360, 260, TRUE);
}

void BareDialogTest::TearDown() {
  testing_support::mouse_left_button(false);
  if (dialogSkin) dialogSkin->Controls().ReleaseControlSkins(false);
  dialogSkin.reset();
  dialog.reset();
  Pump(20);
}

void BareDialogTest::Skin() {
  dialogSkin = TComponent::Make<TWinSkinForm>();
  dialogSkin->BindWindow(dialog.get(), "#32770", nullptr, data);
  dialogSkin->Controls().AttachControlSkins();
  Pump(60);
}

void BareDialogTest::SkinOff() {
  dialogSkin->Controls().ReleaseControlSkins(false);
  dialogSkin.reset();
  RedrawWindow(dialog.get(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  Pump(60);
}

SCROLLBARINFO VerticalBarOf(HWND target) {
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  GetScrollBarInfo(target, OBJID_VSCROLL, &info);
  return info;
}

int VerticalBarMismatches(TSkinData& data, HWND target, const TWScrollbar& overlay) {
  const SCROLLBARINFO info = VerticalBarOf(target);
  const RECT bar = info.rcScrollBar;
  TScrollBarPaint paint;
  paint.width = bar.right - bar.left;
  paint.height = bar.bottom - bar.top;
  paint.vertical = true;
  paint.arrowSize = overlay.ArrowSize();
  paint.thumbStart = info.xyThumbTop;
  paint.thumbEnd = info.xyThumbBottom;
  TBitmap picture;
  if (!PaintSkinScrollBar(data, paint, picture)) return -1;
  const Capture shown = testing_support::capture_screen_rect(bar);
  int mismatches = 0;
  for (int y = 0; y < paint.height; ++y)
    for (int x = 0; x < paint.width; ++x) mismatches += shown.at(x, y) != picture.PixelAt(x, y);
  return mismatches;
}

}  // namespace quarnel::tabtest
