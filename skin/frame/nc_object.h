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

  RECT Rect{};  // frame coordinates
  bool Visible = false;
  int State = ncsNormal;
  bool Enabled = true;

  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseMove();
  virtual void MouseLeave();
  virtual void Paint() {}
  // A caption button (as opposed to a menu bar button).
  virtual bool IsCaptionButton() const { return false; }

 protected:
  TFrameCaption* caption_;
};

class TWinSysButton : public TNCObject {
 public:
  TWinSysButton(TFrameCaption* caption, TDataSkinSysButton* skin) : TNCObject(caption), Skin(skin) {}
  TDataSkinSysButton* Skin;
  void Paint() override;
  bool IsCaptionButton() const override { return true; }
  bool IsIconButton() const;
};

}  // namespace quarnel
