// The range control skins: TSkinProgress (progress bars), TSkinTrackBar (channel and thumb through the
// track bar's custom drawing), TSkinUpDown (spin buttons, alone or inside an edit) and
// TSkinStatusBar (panels and size grip). UI thread.
#pragma once
#include <windows.h>

#include <string>

#include "framework/graphics/bitmap.h"
#include "skin/controls/skin_control.h"

namespace quarnel {

class TSkinProgress : public TSkinControl {
 public:
  explicit TSkinProgress(TComponent* owner) : TSkinControl(owner) {}
  bool BeforeMessage(TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;
  int LastFilled() const { return lastFilled_; }  // filled length of the last draw

 private:
  void DrawTwoElements(HDC dc, int length, int thickness, int filled);
  TBitmap bitmap_;
  int lastFilled_ = -1;
};

class TSkinTrackBar : public TSkinControl {
 public:
  explicit TSkinTrackBar(TComponent* owner) : TSkinControl(owner) {}
  bool BeforeMessage(TMessage& message) override;
  void UpdateSkin() override;

  void DrawThumb(HDC dc);
  void DrawChannel(HDC dc);

 private:
  // A track bar of a dialog sends its custom drawing to the dialog: it is painted over instead.
  void PaintBareWindow(TMessage& message);
  bool Vertical() const;
  TBitmap buffer_;
};

class TSkinUpDown : public TSkinControl {
 public:
  explicit TSkinUpDown(TComponent* owner) : TSkinControl(owner) {}
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;

  bool BelongsToEdit = false;
  int ScrollerKind = 0;  // 1: the scroller of a tab set (always left and right)
  int LastState(int half) const { return lastState_[half]; }

 private:
  int HalfUnderCursor() const;
  TBitmap bitmap_;
  int lastState_[2] = {0, 0};
  int hotHalf_ = -1;
};

class TSkinStatusBar : public TSkinControl {
 public:
  explicit TSkinStatusBar(TComponent* owner) : TSkinControl(owner) {}
  bool BeforeMessage(TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;
  bool LastDrewGrip() const { return lastGrip_; }

 private:
  void DrawPanels(HDC dc, const RECT& bar);
  void DrawOwnerPanels(HDC dc);
  std::wstring SimpleText() const;
  bool lastGrip_ = false;
};

}  // namespace quarnel
