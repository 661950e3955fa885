// `TGraphicControl`: a control without a window of its own, painted by its parent through its
// canvas and told about the mouse by its parent (button messages in its own coordinates, the
// pointer entering and leaving). User-interface thread.
#pragma once
#include "framework/graphics/canvas.h"
#include "framework/ui/control.h"

class TGraphicControl : public TControl {
  FW_DECLARE_CLASS()
 public:
  explicit TGraphicControl(TComponent* owner);
  ~TGraphicControl() override;
  // Bound to the parent's DC while the control paints.
  TCanvas* Canvas() { return &canvas_; }
  void Invalidate() override;
  void Repaint() override;
  void WndProc(TMessage& message) override;
  bool MouseInControl() const { return mouseInControl_; }

 protected:
  virtual void Paint() {}
  void BoundsChanged() override { Invalidate(); }
  void EnabledChanged() override { Invalidate(); }
  void VisibleChanged() override;
  void TextChanged() override { Invalidate(); }
  void FontChanged() override { Invalidate(); }

 private:
  bool WmPaint(HDC dc);
  bool WmLButtonDown(TShiftState shift, int x, int y);
  bool WmLButtonUp(int x, int y);
  bool CmMouseOver(bool inside);

  TCanvas canvas_;
  bool buttonDown_ = false;
  bool mouseInControl_ = false;
};

// The parent's side, called from TWinControl's message method: paints the windowless children
// after the parent painted, and routes mouse messages over them. True: the message was used.
void PaintGraphicChildren(TWinControl& parent, HDC dc);
bool RouteGraphicMouse(TWinControl& parent, TMessage& message, TControl*& hover, TControl*& capture);
