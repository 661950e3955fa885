// The non-client objects of a skinned frame: TNCObject (a rectangle of the frame that follows
// the pointer through normal, pressed, hot and disabled) and TWinSysButton, a caption button
// made from a skin record. Created and freed by their TFrameCaption. UI thread.
#pragma once
#include <windows.h>

namespace quarnel {

class TFrameCaption;
class TDataSkinSysButton;

enum NCState { ncsNormal = 1, ncsPressed = 2, ncsHot = 3, ncsDisabled = 4 };

class TNCObject {
 public:
  explicit TNCObject(TFrameCaption* caption) : caption_(caption) {}
  virtual ~TNCObject();
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  const RECT& Rect() const { return rect_; }  // frame coordinates
  void SetRect(const RECT& rect) { rect_ = rect; }
  bool Visible() const { return visible_; }
  bool Enabled() const { return enabled_; }
  // Shown or not, and usable or not, as the caption decided from the window's state.
  void SetShown(bool visible, bool enabled) {
    visible_ = visible;
    enabled_ = enabled;
  }
  int State() const { return state_; }  // NCState

  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseMove();
  virtual void MouseLeave();
  virtual void Paint() {}
  // A caption button (as opposed to a menu bar button).
  virtual bool IsCaptionButton() const { return false; }

 protected:
  TFrameCaption* caption_;

 private:
  RECT rect_{};
  bool visible_ = false;
  int state_ = ncsNormal;
  bool enabled_ = true;
};

class TWinSysButton : public TNCObject {
 public:
  TWinSysButton(TFrameCaption* caption, TDataSkinSysButton* skin) : TNCObject(caption), skin_(skin) {}
  TDataSkinSysButton* Skin() const { return skin_; }  // the skin record it is made from
  void Paint() override;
  bool IsCaptionButton() const override { return true; }
  bool IsIconButton() const;

 private:
  TDataSkinSysButton* skin_;
};

}  // namespace quarnel
