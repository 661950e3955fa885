// The tab skins: TSkinTab (tab and page controls, tabs on any side drawn from the Tabs element,
// the pane, the up-down of tabs that do not fit, close boxes), TSkinTabBtn (button-style tabs
// from the Buttons element) and TSkinTabSheet (the pages). The control keeps its own tab logic;
// the skin paints over it. UI thread.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/scratch_bitmap.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/tab_layout.h"

namespace quarnel {

class TDataSkinObject;

// The tag that asks a page control for close boxes on its tabs.
constexpr int kCloseBoxTabTag = 7777;
// The boolean property of a page control that shows close buttons of its own.
constexpr char kOwnCloseButtonsProperty[] = "ShowCloseButton";

class TSkinTab : public TSkinControl {
 public:
  // `variant` 2: the control's windowless children are painted over the pane.
  explicit TSkinTab(TComponent* owner, int32_t variant = 0);
  ~TSkinTab() override;

  void Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas) override;
  void AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host, TCanvas* sharedCanvas) override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;
  void UpdateSkin() override;

  TabSide Side() const { return side_; }
  bool CloseBoxes() const { return closeBoxes_; }
  // The close box of each tab at the last draw (control coordinates; empty for tabs not drawn).
  const std::vector<RECT>& CloseRects() const { return closeRects_; }
  HWND UpDownWindow() const { return upDown_; }

 protected:
  // The strip of tabs at `stripRect` drawn off-screen, then copied (turned for side tabs) onto
  // `composed`: `element`'s frames, caption colours per state.
  void DrawTabs(HDC composed, const SkinRect& stripRect, TDataSkinObject& element, TBitmap& image,
                bool buttons);
  void PresentStrip(HDC dc, const SkinRect& stripRect, TBitmap& strip);
  void DrawPane(HDC dc, const SkinRect& pane);
  void PrepareImages();
  // The first up-down child; skinned by handle when it is not yet.
  void FindUpDown();
  void ReadState();
  bool WantsCloseBoxes() const;
  void ExcludeUpDown(HDC dc) const;
  bool ClickCloseBox(POINT at);  // true: a close box was under the press
  void OnRecreated();
  std::wstring TabText(int index) const;
  // Draws a tab's caption (icon and text) centred in `tab` of the drawn strip.
  void DrawTabCaption(HDC dc, int index, const SkinRect& tab, COLORREF colour);

  TabSide side_ = TabSide::Top;
  bool closeBoxes_ = false;
  std::vector<RECT> closeRects_;
  TBitmap tabImage_, paneImage_;
  SkinMargins tabMargins_, paneMargins_;
  // The parent's colour with the pane over it, kept while the size and the pane stay the same:
  // most of a repaint is the pane, which changes only with them.
  fw::KeptImage background_;
  SkinRect backgroundPane_{0, 0, -1, -1};
  HWND upDown_ = nullptr;
  int32_t requestedVariant_ = 0;  // taken on attaching to a framework control
};

// Tabs in button style on any side, from the Buttons element.
class TSkinTabBtn : public TSkinTab {
 public:
  using TSkinTab::TSkinTab;
  void Draw(HDC dc, const RECT& rect) override;
};

// Tab sets (tabs below a page, drawn by the control itself): the tab image flipped, tabs laid
// from the start margin as far as they fit, the scroller handed to its skin.
class TSkinTab31 : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas) override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;
  void UpdateSkin() override;

  // The tabs drawn at the last paint: index and place (control coordinates).
  struct DrawnTab {
    int index;
    RECT rect;
  };
  const std::vector<DrawnTab>& DrawnTabs() const { return drawn_; }
  HWND ScrollerWindow() const { return scroller_; }

 private:
  bool OnPaint(TMessage& message);
  void PrepareImage();
  TBitmap tabImage_;
  SkinMargins margins_;
  HWND scroller_ = nullptr;
  std::vector<DrawnTab> drawn_;
};

// Page controls that draw their own tabs from two bitmap properties: the skin gives them tab
// pictures cut from the tab frames, and skins their up-down.
class TSkinAdvPage : public TSkinControl {
 public:
  // `mode` 4: the tab pictures are given to the control.
  explicit TSkinAdvPage(TComponent* owner, int mode = 0) : TSkinControl(owner), mode_(mode) {}
  void Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas) override;
  void Detach() override;
  void Draw(HDC dc, const RECT& rect) override;
  void UpdateSkin() override;

  int Mode() const { return mode_; }

 private:
  void GiveTabPictures(bool empty);
  int mode_;
  HWND upDown_ = nullptr;
};

class TSkinTabSheet : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  bool BeforeMessage(TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;

 private:
  bool OnEraseBackground(HDC dc, TMessage& message);
};

struct SkinRequest;
// Factory of the tab skins: `Variant` from the request (2: windowless children are painted).
TSkinControl* MakeTabSkin(const SkinRequest& request);
TSkinControl* MakeTabBtnSkin(const SkinRequest& request);
TSkinControl* MakeTab31Skin(const SkinRequest& request);
TSkinControl* MakeAdvPageSkin(const SkinRequest& request);

// The first up-down child of `skin`'s window, handed to its skin by handle when it has none yet;
// `known` is the one found before (kept while it is still the window's child).
HWND SkinChildUpDown(TSkinControl& skin, HWND known);

}  // namespace quarnel
