// TSkinBox: the face and caption colours given to a container while skinned (a tool bar's
// drawing handlers too) and its own back at detach; TSkinBoxH: a bare container's background and its static
// children's colours. UI thread.
#include "skin/controls/skin_box.h"

#include <algorithm>

#include "framework/core/collection.h"
#include "skin/controls/control_fills.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

void TSkinBox::Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas) {
  if (Attachment().Attached() || Attachment().State() != scsCreated) return;
  auto* control = ObjectAs<TWinControl>(Owner());
  if (!control) return;
  BindWindowedControl(control, skinData, host, sharedCanvas);
  if (useSkinColor) {
    ColorLoan().TakeParentBackground(Control(), SkinData());
    ColorLoan().Take(control->Color());
    control->SetColor(SkinFaceColor(*this));
    TakeCaptionColor();
  }
  toolBarDraw_.Install(*control);
  MarkAttached();
}

void TSkinBox::Detach() {
  toolBarDraw_.Remove();
  if (Attachment().State() == scsAttached && UsesSkinColor() && Control()) {
    ColorLoan().GiveParentBackground(Control(), SkinData());
    Control()->SetColor(ColorLoan().Saved());
    GiveCaptionColor();
  }
  MarkDetached();
}

void TSkinBox::UpdateSkin() {
  TSkinControl::UpdateSkin();
  if (captionColorTaken_ && Control())
    Control()->Font()->SetColor(SkinCaptionColor(savedFontColor_, SkinData()));
}

void TSkinBox::BeforeDestruction() {
  toolBarDraw_.Remove();  // the bar is still whole: its owned objects go first
  TSkinControl::BeforeDestruction();
}

void TSkinBox::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation == opRemove)
    fontFollowers_.erase(std::remove(fontFollowers_.begin(), fontFollowers_.end(), component),
                         fontFollowers_.end());
}

void TSkinBox::TakeCaptionColor() {
  TFont* font = Control()->Font();
  const TColor own = font->Color();
  const TColor skin = SkinCaptionColor(own, SkinData());
  if (skin == own) return;
  savedFontColor_ = own;
  savedParentFont_ = Control()->ParentFont();
  for (int i = 0; i < Control()->ControlCount(); ++i) {
    TControl* child = Control()->Controls(i);
    if (!child->ParentFont()) continue;
    fontFollowers_.push_back(child);
    FreeNotification(child);
  }
  font->SetColor(skin);
  for (TControl* child : fontFollowers_) child->Font()->SetColor(own);
  captionColorTaken_ = true;
}

void TSkinBox::GiveCaptionColor() {
  if (!captionColorTaken_) return;
  captionColorTaken_ = false;
  Control()->Font()->SetColor(savedFontColor_);
  if (savedParentFont_) Control()->SetParentFont(true);
  for (TControl* child : fontFollowers_) {
    RemoveFreeNotification(child);
    child->SetParentFont(true);
  }
  fontFollowers_.clear();
}

// --- cool bars -----------------------------------------------------------------------------------

namespace {
TCollection* BandsOf(TControl* control) {
  return ObjectAs<TCollection>(GetObjectPropByName(control, "Bands", TCollection::StaticClass()));
}
}  // namespace

void TSkinCoolBar::Attach(TControlSkinHost* host, TSkinData* skinData, bool, TCanvas* sharedCanvas) {
  if (Attachment().Attached() || Attachment().State() != scsCreated) return;
  auto* control = ObjectAs<TWinControl>(Owner());
  if (!control) return;
  BindWindowedControl(control, skinData, host, sharedCanvas);
  if (TCollection* bands = BandsOf(Control()))
    for (int i = 0; i < bands->Count(); ++i)
      saved_.push_back({std::to_string(GetOrdPropByName(bands->Item(i), "Color")),
                        GetEnumPropByName(bands->Item(i), "ParentColor")});
  ColourBands();
  MarkAttached();
}

void TSkinCoolBar::ColourBands() {
  TCollection* bands = BandsOf(Control());
  if (!bands) return;
  const std::string face = std::to_string(SkinFaceColor(*this));
  bands->BeginUpdate();  // the bar is brought up to date once, not per band
  for (int i = 0; i < bands->Count(); ++i) SetPropByName(bands->Item(i), "Color", face);
  bands->EndUpdate();
}

void TSkinCoolBar::Detach() {
  TCollection* bands = Attachment().State() == scsAttached ? BandsOf(Control()) : nullptr;
  if (bands) {
    bands->BeginUpdate();
    // The colour first: setting it ends following the bar, which the saved setting may restore.
    for (int i = 0; i < bands->Count() && i < static_cast<int>(saved_.size()); ++i) {
      SetPropByName(bands->Item(i), "Color", saved_[static_cast<size_t>(i)].color);
      SetPropByName(bands->Item(i), "ParentColor", saved_[static_cast<size_t>(i)].parentColor);
    }
    bands->EndUpdate();
  }
  MarkDetached();
}

void TSkinCoolBar::UpdateSkin() {
  if (Attachment().State() == scsAttached) ColourBands();
}

// --- bare containers -----------------------------------------------------------------------------

bool TSkinBoxH::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
      return OnEraseBackground(m);
    case WM_CTLCOLORSTATIC:
      return OnCtlColorStatic(m);
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

bool TSkinBoxH::OnEraseBackground(TMessage& m) {
  RECT window{};
  GetWindowRect(Window(), &window);
  FillSkinColor(*this, reinterpret_cast<HDC>(m.WParam),
                RECT{0, 0, window.right - window.left, window.bottom - window.top});
  m.Result = 1;  // erased: the paint that follows need not do it again
  return true;
}

// The static children take the face colour and the skin's text colour.
bool TSkinBoxH::OnCtlColorStatic(TMessage& m) {
  CallSaved(m);
  if (SkinData() && SkinData()->FaceBrush) {
    HDC dc = reinterpret_cast<HDC>(m.WParam);
    SetBkColor(dc, ResolveSkinColor(SkinData()->FaceColor()));
    SetTextColor(dc, ResolveSkinColor(SkinData()->Colors[scButtonText]));
    m.Result = reinterpret_cast<LRESULT>(SkinData()->FaceBrush.get());
  }
  return true;
}

}  // namespace quarnel
