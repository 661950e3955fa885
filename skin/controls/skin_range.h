// The range control skins: TSkinProgress (progress bars), TSkinTrackBar (channel and thumb through the
// track bar's custom drawing), TSkinUpDown (spin buttons, alone or inside an edit) and
// TSkinStatusBar (panels and size grip). UI thread.
#pragma once
#include <windows.h>

#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/scratch_bitmap.h"
#include "skin/controls/skin_control.h"

namespace quarnel {

// One frame of a skin image stretched to a size, kept in the shared drawing buffers for the next
// paint of the same size, frame and image (controls repaint far more often than they change size
// or state).
class TStretchedFrame {
 public:
  void Draw(HDC dc, const RECT& rect, TBitmap& image, int frameCount, int frame, bool transparent);
  // The frame's transparent pixels filled with `background` once, then one plain copy a paint.
  void DrawOn(HDC dc, const RECT& rect, TBitmap& image, int frameCount, int frame, COLORREF background);
  void Forget() {
    source_ = nullptr;
    stretched_.Forget();
  }

 private:
  bool Stale(TBitmap& image, int frameCount, int frame, COLORREF background) const;
  fw::KeptImage stretched_;
  HBITMAP source_ = nullptr;
  int frameCount_ = 0, frame_ = 0;
  COLORREF background_ = CLR_INVALID;
};

class TSkinProgress : public TSkinControl {
 public:
  explicit TSkinProgress(TComponent* owner) : TSkinControl(owner) {}
  bool BeforeMessage(TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;
  int LastFilled() const { return lastFilled_; }  // filled length of the last draw

 private:
  void DrawTwoElements(HDC dc, int length, int thickness, int filled);
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
  bool OnNotify(TMessage& message, const NMHDR* header);
  bool OnBarePaint(TMessage& message);
  // A track bar of a dialog sends its custom drawing to the dialog: it is painted over instead.
  void PaintBareWindow(TMessage& message);
  bool Vertical() const;
  TStretchedFrame thumb_;
};

class TSkinUpDown : public TSkinControl {
 public:
  // `scrollerKind` 1: the scroller of a tab set (always left and right); `belongsToEdit`: the
  // spin button inside an edit.
  explicit TSkinUpDown(TComponent* owner, int scrollerKind = 0, bool belongsToEdit = false)
      : TSkinControl(owner), belongsToEdit_(belongsToEdit), scrollerKind_(scrollerKind) {}
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;
  void UpdateSkin() override {
    composed_ = Composed{};  // a new skin's image may come in a recycled handle
    image_.Forget();
    TSkinControl::UpdateSkin();
  }

  bool BelongsToEdit() const { return belongsToEdit_; }
  int LastState(int half) const { return lastState_[half]; }

 private:
  bool OnEraseBackground(HDC dc, TMessage& message);
  bool OnLButtonDown(TMessage& message);
  bool OnLButtonUp(TMessage& message);
  void OnMouseMove();
  void OnMouseLeave();
  int HalfUnderCursor() const;
  bool belongsToEdit_;
  int scrollerKind_;
  fw::KeptImage image_;
  // What the image holds: size, states of both halves, orientation and skin image.
  struct Composed {
    int w = 0, h = 0, state0 = 0, state1 = 0;
    bool horizontal = false;
    HBITMAP image = nullptr;
    bool operator==(const Composed&) const = default;
  } composed_;
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
