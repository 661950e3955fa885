// The state changes of non-client objects under the pointer, and a caption button painting
// itself on the window. UI thread.
#include "skin/frame/nc_object.h"

#include "skin/data/skin_elements.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

TNCObject::~TNCObject() {
  // A frame rebuild may free the object under the pointer: never leave the frame pointing at it.
  if (Form && Form->HotObject() == this) Form->SetHotObject(nullptr);
}

void TNCObject::MouseDown() {
  if (Form->HotObject() && Form->HotObject() != this) Form->HotObject()->MouseLeave();
  if (!Visible) return;
  Form->SetHotObject(this);
  State = ncsPressed;
  Paint();
}

void TNCObject::MouseUp() {
  if (!Visible) return;
  State = ncsHot;
  Paint();
}

void TNCObject::MouseMove() {
  if (Form->HotObject() == this) return;
  if (Form->HotObject()) Form->HotObject()->MouseLeave();
  if (!Visible) return;
  Form->SetHotObject(this);
  State = ncsHot;
  Paint();
}

void TNCObject::MouseLeave() {
  if (!Visible) return;
  Form->SetHotObject(nullptr);
  State = ncsNormal;
  Paint();
  Form->HideCaptionHint();
}

void TWinSysButton::Paint() {
  fw::WindowDC dc(Form->HostWindow(), fw::WindowDC::kWindow);
  if (dc.get()) Form->PaintCaptionButton(*this, dc.get());
}

bool TWinSysButton::IsIconButton() const {
  return Skin && (Skin->Action == 3 || Skin->Action == 11);
}

}  // namespace quarnel
