// The state changes of non-client objects under the pointer, and a caption button painting
// itself on the window. UI thread.
#include "skin/frame/nc_object.h"

#include "skin/data/skin_elements.h"
#include "skin/frame/frame_caption.h"

namespace quarnel {

TNCObject::~TNCObject() {
  // A frame rebuild may free the object under the pointer: never leave the caption pointing at it.
  if (caption_ && caption_->Hot() == this) caption_->SetHot(nullptr);
}

void TNCObject::MouseDown() {
  if (caption_->Hot() && caption_->Hot() != this) caption_->Hot()->MouseLeave();
  if (!visible_) return;
  caption_->SetHot(this);
  state_ = ncsPressed;
  Paint();
}

void TNCObject::MouseUp() {
  if (!visible_) return;
  state_ = ncsHot;
  Paint();
}

void TNCObject::MouseMove() {
  if (caption_->Hot() == this) return;
  if (caption_->Hot()) caption_->Hot()->MouseLeave();
  if (!visible_) return;
  caption_->SetHot(this);
  state_ = ncsHot;
  Paint();
}

void TNCObject::MouseLeave() {
  if (!visible_) return;
  caption_->SetHot(nullptr);
  state_ = ncsNormal;
  Paint();
  caption_->HideHint();
}

void TWinSysButton::Paint() {
  caption_->PaintButton(*this);
}

bool TWinSysButton::IsIconButton() const {
  return skin_ && (skin_->Action == 3 || skin_->Action == 11);
}

}  // namespace quarnel
