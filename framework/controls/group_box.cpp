// Group boxes: the system draws frame and caption; the box erases its inside in its colour
// (or with the parent's background) so that children stand on it. User-interface thread.
#include "framework/controls/group_box.h"

#include "framework/controls/parent_background.h"
#include "framework/win/handles.h"

const TClassInfo& TCustomGroupBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomGroupBox>("TCustomGroupBox", &TWinControl::StaticClass())
          .Bool("ParentBackground", &TCustomGroupBox::ParentBackground, &TCustomGroupBox::SetParentBackground)
          .Build();
  return info;
}

const TClassInfo& TGroupBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TGroupBox>("TGroupBox", &TCustomGroupBox::StaticClass()).Creatable().Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner) {
  width_ = 185;
  height_ = 105;
  color_ = clBtnFace;
  parentColor_ = true;
}

void TCustomGroupBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.superClass = L"BUTTON";
  p.style |= BS_GROUPBOX | WS_CLIPCHILDREN;
}

void TCustomGroupBox::SetParentBackground(bool v) {
  if (v == parentBackground_) return;
  parentBackground_ = v;
  Invalidate();
}

int TCustomGroupBox::CaptionHeight() {
  fw::UniqueDC dc = fw::CreateMemoryDC();
  fw::SelectGuard font(dc.get(), font_.Handle());
  TEXTMETRICW tm{};
  GetTextMetricsW(dc.get(), &tm);
  return tm.tmHeight;
}

void TCustomGroupBox::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case WM_ERASEBKGND: handled = WmEraseBackground(reinterpret_cast<HDC>(m.WParam), m.Result); break;
    case WM_NCHITTEST: handled = WmNcHitTest(m); break;
    default: break;
  }
  if (!handled) TWinControl::WndProc(m);
}

bool TCustomGroupBox::WmEraseBackground(HDC dc, LRESULT& result) {
  fw::EraseContainer(*this, dc, ColorBrush(), parentBackground_);
  result = 1;
  return true;
}

// The system's group box lets the mouse through to what lies beneath; ours is a container that
// takes clicks on its empty parts like any other control.
bool TCustomGroupBox::WmNcHitTest(TMessage& m) {
  DefaultHandler(m);
  if (m.Result == HTTRANSPARENT) m.Result = HTCLIENT;
  return true;
}
