// Skin objects of scrolled controls: TSkinScrollbar (a framework control: two overlays, the
// two-pixel border, the fixed-area colour, a scrolling container's face colour) and TSkinScrollbarH (the same
// for a bare window), plus the creation functions the control dispatch and the frame object call. UI thread.
#pragma once
#include <windows.h>

#include <memory>

#include "skin/controls/skin_control.h"
#include "skin/controls/wscrollbar.h"
#include "skin/data/skin_messages.h"

namespace quarnel {

struct SkinRequest;
class TSkinData;

class TSkinScrollbar : public TSkinControl {
 public:
  // `variant` 1: no border of the skin's; `singleBar`: one overlay only, the horizontal one when
  // the control shows only a horizontal bar, else the vertical one.
  explicit TSkinScrollbar(TComponent* owner, int32_t variant = 0, bool singleBar = false);
  ~TSkinScrollbar() override;

  // Attaches to a scrolled control (used instead of Attach).
  virtual void AttachScrolled(TControl* control, TSkinData* skinData, TControlSkinHost* host,
                              TCanvas* canvas);
  void Detach() override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;
  void UpdateSkin() override;

  // The skin's border: ButtonShadow outside, ButtonFace one pixel inside, round the window.
  void DrawBorder(HDC dc);
  bool DrawsBorder() const { return drawBorder_; }
  TWScrollbar* HorzBar() const { return horz_.get(); }
  TWScrollbar* VertBar() const { return vert_.get(); }

 protected:
  void RepositionBars();
  void RepaintBars();
  void HideBars();
  void PaintNonClient(TMessage& message);  // SKM_PAINTNC
  bool OnNcPaint(TMessage& message);
  void EnableBars(bool enabled);

  std::unique_ptr<TWScrollbar> horz_, vert_;
  bool drawBorder_ = false;
  bool scrolledAttached_ = false;
  bool containerColorTaken_ = false;  // a scrolling container shows the face colour
  TColor savedContainerColor_ = 0;
  bool singleBar_ = false;
};

class TSkinScrollbarH : public TSkinControl {
 public:
  explicit TSkinScrollbarH(TComponent* owner);
  ~TSkinScrollbarH() override;

  void AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host, TCanvas* canvas) override;
  void Detach() override;
  void AfterMessage(TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;

  TWScrollbar* HorzBar() const { return horz_.get(); }
  TWScrollbar* VertBar() const { return vert_.get(); }

 protected:
  void RepositionAndRepaint();

 private:
  std::unique_ptr<TWScrollbar> horz_, vert_;
};

// The skin's border round a window with a two-pixel edge, drawn into its window DC: ButtonShadow
// outside, ButtonFace one pixel inside.
void DrawSkinBorder(HDC dc, HWND window, const TSkinData& data);

// Fills the square where a vertical and a horizontal bar meet with the skin's face colour.
void FillScrollCorner(TSkinControl& skin, HDC dc, const TWScrollbar& vertical, const TWScrollbar& horizontal,
                      int shiftLeftTop, int shiftRightBottom);

// Creation functions for the dispatch's factory table: a scroll skin owned by the request's
// control and attached with AttachScrolled, or (no control) a TSkinScrollbarH on the window.
TSkinControl* MakeScrollbarSkin(const SkinRequest& request);

// Replaces the scroll skin of the control window `window` (a control of `host`'s form) by a
// new one for that window: what the frame object does for SKM_RESKINSCROLL. Null when the
// window's control had no scroll skin.
TSkinControl* ReskinScrolledControl(TControlSkinHost& host, HWND window);

}  // namespace quarnel
