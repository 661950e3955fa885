// Check boxes and radio buttons: TSkinChoice (what both share: state tracking, off-screen
// drawing of the skin's glyph with the caption beside it), TSkinCheckBox and TSkinRadioButton,
// which pick their image and frame. UI thread.
#pragma once
#include <windows.h>

#include "framework/graphics/bitmap.h"
#include "skin/controls/choice_layout.h"
#include "skin/controls/skin_control.h"

namespace quarnel {

// Tag that asks for a transparent check box or radio button background.
constexpr int kTransparentChoiceTag = 5555;
// A framework notification after which a check box or radio button is repainted.
constexpr UINT kChoiceRepaintMessage = 0xB0D0;

class TSkinChoice : public TSkinControl {
 public:
  explicit TSkinChoice(TComponent* owner) : TSkinControl(owner) {}
  void Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas) override;
  // A dialog's check box or radio button is painted whole too, caption included, so that its
  // text takes the skin's colours.
  void AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host, TCanvas* sharedCanvas) override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;

  bool Transparent() const { return transparent_; }
  // The glyph frame of the last draw (of the Buttons image for a push-like button), 0 before.
  int LastFrameIndex() const { return lastFrame_; }

 protected:
  // The skin's image for this kind (null or empty: the control paints itself) and its frames.
  virtual TBitmap* Image() const = 0;
  virtual int FrameCount() const = 0;
  // The frame for the window's current state (`buttonState` from BM_GETSTATE).
  virtual int FrameIndex(DWORD style, LRESULT buttonState) = 0;
  virtual ChoiceBoxes Layout(const SkinRect& rect, int glyphWidth, int glyphHeight, bool rightButton,
                             ChoiceVertical vertical) const = 0;

 private:
  // Message handlers; `handled` is what the base made of the message.
  bool OnPaint(TMessage& message, bool handled);
  bool OnEraseBackground(TMessage& message, bool handled);
  void OnMouseMove();
  void OnMouseLeave();
  // The image the window's style draws from: the push-button frames for BS_PUSHLIKE.
  TBitmap* ImageFor(DWORD style) const;
  void FillBackground(HDC dc, const RECT& rect) const;
  // A push-like button: the Buttons frame of its state, in (checked) or out, content centred.
  void DrawPushLike(HDC dc, const RECT& rect, DWORD style);
  // The caption, or the image of a BS_ICON or BS_BITMAP button, placed in `box` as the style asks.
  void DrawContent(HDC dc, const SkinRect& box, DWORD style, bool pushLike, TColor textColour);
  void DrawImage(HDC dc, const SkinRect& box, DWORD style, const ChoiceAlignment& alignment);
  TColor CaptionColour() const;
  TColor PushLikeTextColour(int frameIndex) const;
  int lastFrame_ = 0;
  bool transparent_ = false;
};

class TSkinCheckBox : public TSkinChoice {
 public:
  explicit TSkinCheckBox(TComponent* owner) : TSkinChoice(owner) {}
  void Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas) override;
  void AfterMessage(TMessage& message) override;
  // 0 none; 1 unchecked, 2 checked, 3 indeterminate, from the last BM_SETCHECK.

 protected:
  TBitmap* Image() const override;
  int FrameCount() const override;
  int FrameIndex(DWORD style, LRESULT buttonState) override;
  ChoiceBoxes Layout(const SkinRect& rect, int glyphWidth, int glyphHeight, bool rightButton,
                     ChoiceVertical vertical) const override;

 private:
  int boundState_ = 0;
};

class TSkinRadioButton : public TSkinChoice {
 public:
  explicit TSkinRadioButton(TComponent* owner) : TSkinChoice(owner) {}

 protected:
  TBitmap* Image() const override;
  int FrameCount() const override;
  int FrameIndex(DWORD style, LRESULT buttonState) override;
  ChoiceBoxes Layout(const SkinRect& rect, int glyphWidth, int glyphHeight, bool rightButton,
                     ChoiceVertical vertical) const override;
};

}  // namespace quarnel
