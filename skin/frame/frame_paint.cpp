// Painting of a skinned frame: the three side border pieces straight onto the window, then the
// caption band (its caption's) and the menu band; the window outline set for the frame. UI
// thread.
#include "skin/frame/frame_paint.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <optional>

#include "framework/win/shared_caches.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

TBitmap* FrameScratchBitmap() {
  static std::unique_ptr<TBitmap> scratch;
  [[maybe_unused]] static const bool emptiable = (fw::OnEmptySharedCaches([] { scratch.reset(); }), true);
  if (!scratch) scratch = std::make_unique<TBitmap>(1, 1, pf24bit);
  return scratch.get();
}

void TWinSkinForm::UpdateWindowRegion(bool evenIfSameSize) {
  if (!activation_.FrameEnabled || activation_.SkinState == fsDestroyed || !bound_.Skin) return;
  if (activation_.FormKind == fkMDIChild && show_.Show().State != wssNormal) return;
  TFrameOutline::Source source;
  source.skin = bound_.Skin;
  source.sizes = view_.Sizes();
  source.borderKind = activation_.BorderKind;
  source.noBorder = activation_.BorderKind == bkNoBorder;
  // While re-skinning, the whole window is painted once at the end.
  source.redraw = activation_.SkinState != fsReskinning;
  // An MDI child's outline is cut again at every size message: its frame may have shown
  // maximised among its siblings meanwhile.
  outline_.Update(bound_.Window, source, evenIfSameSize || activation_.FormKind == fkMDIChild);
}

void TWinSkinForm::RemoveRegion() {
  outline_.Remove(bound_.Window);
}

void TWinSkinForm::RestoreChildOutline() {
  show_.SetNormal();
  UpdateWindowRegion();
  if (!outline_.Owned()) RefreshFrame();
}

void TWinSkinForm::RefreshFrame() {
  SetWindowPos(bound_.Window, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::PaintFrame(HDC dc) {
  if (!FrameScratchBitmap() || !bound_.Skin) return;
  if (activation_.SkinState != fsActive && activation_.SkinState != fsReskinning) return;
  if (activation_.BorderKind == bkNoBorder) return;
  const TFrameShow& show = show_.Show();
  if (activation_.FormKind == fkMDIChild && show.State == wssMaximized) return;
  std::optional<fw::WindowDC> own;
  if (!dc) {
    own.emplace(bound_.Window, fw::WindowDC::kWindow);
    dc = own->get();
  }
  if (dc) {
    try {
      RECT rect{};
      if (GetWindowRect(bound_.Window, &rect)) {
        const TFrameMetrics& metrics = view_.Metrics();
        const int w = rect.right - rect.left, h = rect.bottom - rect.top;
        fitting_.NoteWindowSize({w, h});
        if (show.State != wssMinimized) {
          PaintBorderPiece(bound_.Skin->FrameLeft.get(), false, show.Active, {0, 0, metrics.BorderLeft, h},
                           dc);
          PaintBorderPiece(bound_.Skin->FrameRight.get(), false, show.Active,
                           {w - metrics.BorderRight, 0, w, h}, dc);
          PaintBorderPiece(bound_.Skin->FrameBottom.get(), true, show.Active,
                           {metrics.BorderLeft, h - metrics.BorderBottom, w - metrics.BorderRight, h}, dc);
        }
        // The maximised MDI child's buttons come and go with the child's state.
        caption_.UpdateMDIControls();
        caption_.Paint(dc);
        if (show.State != wssMinimized && metrics.MenuBarHeight > 0) {
          RECT band{metrics.BorderLeft, metrics.CaptionHeight, w - metrics.BorderRight,
                    metrics.CaptionHeight + metrics.MenuBarHeight};
          if (menuBand_.Bar()) {
            menuBand_.Bar()->PaintMenuBar(dc, band, show.Active, activation_.RightToLeft,
                                          caption_.MDIControlsLeft());
            caption_.PaintMDIControls(dc);
          } else if (menuBand_.SystemBar()) {
            menuBand_.LayOutSystemBar(dc, band);
          } else if (band.right > band.left)
            FillRect(dc, &band, bound_.Skin->FaceBrush.get());
        }
      }
    } catch (...) {
      // A failed paint leaves the frame as it was; the next paint tries again.
    }
  }
  caption_.SetHot(nullptr);
}

void PaintBorderPiece(TDataSkinBorder* element, bool stacked, bool active, const RECT& rect, HDC target) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (!element || !target || width <= 0 || height <= 0) return;
  const int frame = (active || element->FrameCount <= 1) ? 1 : 2;
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

}  // namespace quarnel
