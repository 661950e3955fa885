// TSkinBox: the face colour given to a container while skinned and its own colour back at
// detach; TSkinBoxH: a bare container's background and its static children's colours. UI thread.
#include "skin/controls/skin_box.h"

#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

void TSkinBox::Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas) {
  if (Attached() || State != scsCreated) return;
  auto* control = ObjectAs<TWinControl>(Owner());
  if (!control) return;
  UseSkinColor = useSkinColor ? 1 : 0;
  BindWindowedControl(control, skinData, host, sharedCanvas);
  if (UseSkinColor) {
    TakeParentBackground();
    SavedColor = control->Color();
    control->SetColor(SkinFaceColor());
  }
  State = scsAttached;
}

void TSkinBox::Detach() {
  if (State == scsAttached && UseSkinColor && Control) {
    GiveParentBackground();
    Control->SetColor(SavedColor);
  }
  Active = 0;
  if (State != kBoxStateReleased && State != scsWindowGone) State = scsDetached;
}

bool TSkinBoxH::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND: {
      RECT window{};
      GetWindowRect(Handle, &window);
      FillSkinColor(reinterpret_cast<HDC>(m.WParam),
                    RECT{0, 0, window.right - window.left, window.bottom - window.top});
      m.Result = 1;  // erased: the paint that follows need not do it again
      return false;
    }
    case WM_CTLCOLORSTATIC:
      CallSaved(m);
      if (SkinData && SkinData->FaceBrush) {
        HDC dc = reinterpret_cast<HDC>(m.WParam);
        SetBkColor(dc, ResolveSkinColor(SkinData->FaceColor()));
        SetTextColor(dc, ResolveSkinColor(SkinData->Colors[scButtonText]));
        m.Result = reinterpret_cast<LRESULT>(SkinData->FaceBrush.get());
      }
      return false;
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

}  // namespace quarnel
