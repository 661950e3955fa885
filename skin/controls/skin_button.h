// The push-button skins: TSkinButton (plain push buttons), TSkinBitButton (with a glyph),
// TSkinMenuButton (drop-down arrow) and TSkinSpeedButton (windowless speed buttons). Each keeps
// its own hot/pressed state, paints off-screen and raises the click itself. UI thread.
#pragma once
#include <windows.h>

#include <optional>
#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/scratch_bitmap.h"
#include "skin/controls/button_layout.h"
#include "skin/controls/skin_control.h"

namespace quarnel {

class TDataSkinButton;

// Tag that asks for a transparent button background.
constexpr int kTransparentButtonTag = 5555;

class TSkinButton : public TSkinControl {
 public:
  explicit TSkinButton(TComponent* owner);
  void Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas) override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;

  bool IsDefault() const { return default_; }
  int LastFrameIndex() const { return lastFrame_; }  // Buttons frame of the last draw, 0 before

 protected:
  // Message handlers (true: handled).
  bool OnTimer();
  bool OnLButtonDown(WPARAM keys, POINT at);
  void OnKey(UINT key, bool down);
  void OnMouseMove();
  void OnLButtonUp();
  void OnMouseLeave();

  // Steps shared by the button skins' drawing.
  TDataSkinButton* ButtonsElement() const;  // null when the skin has none or its image is empty
  void RefreshState();
  int FrameIndex() const;
  // A drawing buffer of the rect's size, lent until Present, with the background drawn; its DC.
  HDC PrepareBitmap(const RECT& rect);
  // The state's frame of the skin's buttons drawn off-screen with the text font and colours
  // chosen; the bitmap's DC, or null without a buttons element. `index` gets the frame.
  HDC DrawFace(const RECT& rect, bool normalOnlyInState1, int& index);
  void ApplyTextColours(HDC dc, int frameIndex, bool normalOnlyInState1);
  void SelectTextFont(HDC dc);  // the control's font, or the window's for a bare window
  void DrawCaptionCentred(HDC dc, const RECT& rect);
  void Present(HDC dc, const RECT& rect);  // copies the buffer and gives it back
  void RaiseClick();
  void SetDefaultTransparency();

  std::optional<fw::ScratchBitmap> buffer_;
  bool transparentBackground_ = false;
  bool default_ = false;
  int lastFrame_ = 0;
  HGDIOBJ savedFont_ = nullptr;
  HDC fontDC_ = nullptr;
};

// A glyph button; the glyph and its layout come from the control's properties.
class TSkinBitButton : public TSkinButton {
 public:
  // `imageProperty` "PngImage": the glyph is the image held in that property; empty: "Glyph".
  explicit TSkinBitButton(TComponent* owner, std::string imageProperty = {})
      : TSkinButton(owner), imageProperty_(std::move(imageProperty)) {}
  void Draw(HDC dc, const RECT& rect) override;

 protected:
  // The glyph frame to draw (an own bitmap or a copy from the image list); empty: none.
  // `forcedFrame` > 0 picks the glyph frame instead of the pressed/disabled rule.
  bool TakeGlyph(TBitmap& glyph, bool pressed, bool enabled, int forcedFrame = 0);
  void DrawGlyphAndCaption(HDC dc, const RECT& rect, int frameIndex, int glyphFrame = 0);

 private:
  std::string imageProperty_;
};

// A drop-down button: glyph, caption and the arrow.
class TSkinMenuButton : public TSkinButton {
 public:
  explicit TSkinMenuButton(TComponent* owner) : TSkinButton(owner) {}
  void Draw(HDC dc, const RECT& rect) override;
};

// A windowless speed button, drawn on its own canvas through its parent's DC.
class TSkinSpeedButton : public TSkinBitButton {
 public:
  explicit TSkinSpeedButton(TComponent* owner, std::string imageProperty = {})
      : TSkinBitButton(owner, std::move(imageProperty)) {}
  ~TSkinSpeedButton() override;
  void Init(TControlSkinHost* host, TSkinData* skinData, TCanvas* sharedCanvas);
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void PaintWindow(HDC dc) override;
  void Draw(HDC dc, const RECT& rect) override;
  int LastState() const { return lastState_; }

 private:
  bool OnPaint(TMessage& message);
  bool OnLButtonDown(TMessage& message);
  void OnSpaceKey(UINT key, bool down);
  void OnReleased();
  void OnPointerEnter();
  void OnPointerLeave();
  void DrawOn(HDC dc);
  bool painting_ = false;
  int lastState_ = 0;
};

}  // namespace quarnel
