// Painting of a skinned frame: the three side border pieces straight onto the window, then the
// caption band composed off-screen and copied once; the frame element of each piece. UI thread.
#include "skin/frame/frame_paint.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

TBitmap* FrameScratchBitmap() {
  static TBitmap scratch(1, 1, pf24bit);
  return &scratch;
}

TDataSkinBorder* TWinSkinForm::Piece(TBorderPiece piece) const {
  if (!SkinData) return nullptr;
  switch (piece) {
    case TBorderPiece::Left:
      return SkinData->FrameLeft.get();
    case TBorderPiece::Right:
      return SkinData->FrameRight.get();
    case TBorderPiece::Top:
      return SkinData->FrameTop.get();
    case TBorderPiece::Bottom:
      return SkinData->FrameBottom.get();
  }
  return nullptr;
}

void TWinSkinForm::RefreshFrame() {
  SetWindowPos(Window, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::PaintFrame(HDC dc) {
  if (!FrameScratchBitmap() || !SkinData) return;
  if (activation_.SkinState != fsActive && activation_.SkinState != fsReskinning) return;
  if (activation_.BorderKind == bkNoBorder) return;
  if (activation_.FormKind == fkMDIChild && activation_.WindowShowState == wssMaximized) return;
  std::optional<fw::WindowDC> own;
  if (!dc) {
    own.emplace(Window, fw::WindowDC::kWindow);
    dc = own->get();
  }
  if (dc) {
    try {
      RECT rect{};
      if (GetWindowRect(Window, &rect)) {
        metrics_.WindowRect = rect;
        metrics_.WindowSize = {rect.right - rect.left, rect.bottom - rect.top};
        const int w = metrics_.WindowSize.cx, h = metrics_.WindowSize.cy;
        if (activation_.WindowShowState != wssMinimized) {
          PaintBorderPiece(TBorderPiece::Left, {0, 0, metrics_.BorderLeft, h}, dc);
          PaintBorderPiece(TBorderPiece::Right, {w - metrics_.BorderRight, 0, w, h}, dc);
          PaintBorderPiece(TBorderPiece::Bottom,
                           {metrics_.BorderLeft, h - metrics_.BorderBottom, w - metrics_.BorderRight, h}, dc);
        }
        // The maximised MDI child's buttons come and go with the child's state.
        for (auto& button : caption_.Buttons)
          if (button->Skin->Visibility == 100) IsButtonVisible(*button);
        PaintCaption(dc);
        if (activation_.WindowShowState != wssMinimized && metrics_.MenuBarHeight > 0) {
          RECT band{metrics_.BorderLeft, metrics_.CaptionHeight, w - metrics_.BorderRight,
                    metrics_.CaptionHeight + metrics_.MenuBarHeight};
          if (menuBand_.Bar) {
            menuBand_.Bar->PaintMenuBar(dc, band, activation_.Active, activation_.RightToLeft,
                                        MDIControlsLeft());
            PaintMDIControls(dc);
          } else if (menuBand_.SystemBar) {
            LayOutSystemBar(dc, band);
          } else if (band.right > band.left)
            FillRect(dc, &band, SkinData->FaceBrush.get());
        }
      }
    } catch (...) {
      // A failed paint leaves the frame as it was; the next paint tries again.
    }
  }
  caption_.HotObject = nullptr;
}

void TWinSkinForm::PaintBorderPiece(TBorderPiece piece, const RECT& rect, HDC target) {
  TDataSkinBorder* element = Piece(piece);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (!element || !target || width <= 0 || height <= 0) return;
  const bool stacked = piece == TBorderPiece::Top || piece == TBorderPiece::Bottom;
  const int frame = (activation_.Active || element->FrameCount <= 1) ? 1 : 2;
  SkinMargins margins;
  if (stacked) {
    margins.LeftWidth = element->LeftWidth;
    margins.RightWidth = element->RightWidth;
  } else {
    margins.TopHeight = element->TopHeight;
    margins.BottomHeight = element->BottomHeight;
  }
  // The nine-part image is composed on the drawing helpers' reused surface and copied once.
  DrawSkinElement(target, rect, element->Image, stacked, element->Tile != 1, false, element->FrameCount,
                  frame, margins);
}

void TWinSkinForm::PaintCaption(HDC dc) {
  const int w = metrics_.WindowSize.cx, h = metrics_.WindowSize.cy;
  if (w <= 0 || h <= 0) return;
  RECT caption{};
  if (activation_.WindowShowState == wssMinimized) {
    caption_.Bitmap.SetSize(w, h);
    RECT all{0, 0, w, h};
    FillRect(caption_.Bitmap.DC(), &all, SkinData->FaceBrush.get());
    caption = {0, 0, w, metrics_.CaptionHeight};
  } else {
    if (metrics_.CaptionHeight <= 0) return;
    caption_.Bitmap.SetSize(w, metrics_.CaptionHeight);
    BitBlt(caption_.Bitmap.DC(), 0, 0, w, metrics_.CaptionHeight, dc, 0, 0, SRCCOPY);
    caption = {metrics_.BorderLeft, 0, w - metrics_.BorderRight, metrics_.CaptionHeight};
  }
  HDC band = caption_.Bitmap.DC();
  PaintBorderPiece(TBorderPiece::Top, caption, band);
  PaintTitle(caption);
  LayoutCaptionButtons();
  PaintCaptionButtons(band);
  BitBlt(dc, 0, 0, caption_.Bitmap.Width(), caption_.Bitmap.Height(), band, 0, 0, SRCCOPY);
  SetBkMode(dc, OPAQUE);
}

int TWinSkinForm::MDIControlsLeft() const {
  int left = INT_MAX;
  for (const auto& button : caption_.Buttons)
    if (button->Visible && !button->Skin->Image.Empty() && button->Skin->Visibility == 100)
      left = std::min<int>(left, button->Rect.left);
  return left;
}

void TWinSkinForm::PaintMDIControls(HDC dc) {
  for (auto& button : caption_.Buttons) {
    TDataSkinSysButton& skin = *button->Skin;
    if (!button->Visible || skin.Image.Empty() || skin.Visibility != 100) continue;
    DrawSkinFrameStretched(dc, button->Rect, skin.Image, true, skin.FrameCount, 1);
  }
}

}  // namespace quarnel
