// TSkinObjImage: the glyph strips cut from the skin's check and radio images in the order the
// foreign controls read them, given through their published properties and taken back. UI thread.
#include "skin/controls/skin_obj_image.h"

#include <string>

#include "skin/controls/choice_layout.h"
#include "skin/controls/control_dispatch.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {
constexpr TColor kStripKey = 0xFF00FF;  // the skin images' transparent colour

// The state of each glyph of a foreign strip.
struct GlyphState {
  int base;
  bool disabled, pressed;
};
constexpr GlyphState kCheckGlyphs[9] = {
    {kCheckUnchecked, false, false}, {kCheckChecked, false, false}, {kCheckGrayed, false, false},
    {kCheckUnchecked, true, false},  {kCheckChecked, true, false},  {kCheckGrayed, true, false},
    {kCheckUnchecked, false, true},  {kCheckChecked, false, true},  {kCheckGrayed, false, true}};
constexpr GlyphState kRadioGlyphs[6] = {{kCheckUnchecked, false, false}, {kCheckChecked, false, false},
                                        {kCheckUnchecked, true, false},  {kCheckChecked, true, false},
                                        {kCheckUnchecked, false, true},  {kCheckChecked, false, true}};
}  // namespace

int ObjImageGlyphCount(int kind) {
  return kind == oikCheckBox ? 9 : 6;
}

int ObjImageSourceFrame(int kind, int glyph, int frameCount) {
  if (glyph < 0 || glyph >= ObjImageGlyphCount(kind)) return 1;
  if (kind == oikRadioButton) {
    const GlyphState g = kRadioGlyphs[glyph];
    return RadioFrameIndex(g.base == kCheckChecked, g.disabled, false, g.pressed, frameCount);
  }
  const GlyphState g = kCheckGlyphs[glyph];  // the "Properties" strip is the first six of these
  ChoiceState s;
  s.base = g.base;
  s.disabled = g.disabled;
  s.pressed = g.pressed;
  return CheckFrameIndex(s, frameCount);
}

void TSkinObjImage::Attach(TControlSkinHost* host, TSkinData* skinData, bool, TCanvas* sharedCanvas) {
  if (Attachment().Attached() || Attachment().State() != scsCreated) return;
  auto* control = ObjectAs<TWinControl>(Owner());
  if (!control) return;
  BindWindowedControl(control, skinData, host, sharedCanvas);
  GiveGlyphs();
  MarkAttached();
}

bool TSkinObjImage::BuildStrip(TBitmap& strip) const {
  if (!SkinData() || !SkinData()->Buttons) return false;
  TDataSkinButton& b = *SkinData()->Buttons;
  TBitmap& image = kind_ == oikRadioButton ? b.RadioImage : b.CheckImage;
  if (image.Empty()) return false;
  int frames = kind_ == oikRadioButton ? b.RadioFrameCount : b.CheckFrameCount;
  if (frames <= 0) frames = std::max(1, image.Width() / std::max(1, image.Height()));
  const int gw = image.Width() / frames, gh = image.Height();
  const int count = ObjImageGlyphCount(kind_);
  strip.SetSize(gw * count, gh);
  for (int i = 0; i < count; ++i) {
    const int source = ObjImageSourceFrame(kind_, i, frames);
    BitBlt(strip.DC(), i * gw, 0, gw, gh, image.DC(), (source - 1) * gw, 0, SRCCOPY);
  }
  strip.SetTransparentColor(kStripKey);
  return true;
}

TBitmap* TSkinObjImage::PropertiesGlyph() const {
  TObject* properties = GetObjectPropByName(Control(), "Properties", TPersistent::StaticClass());
  return ObjectAs<TBitmap>(GetObjectPropByName(properties, "Glyph", TBitmap::StaticClass()));
}

void TSkinObjImage::GiveGlyphs() {
  if (!Control()) return;
  TBitmap strip;
  if (!BuildStrip(strip)) return;
  if (kind_ == oikPropertiesBox) {
    if (TBitmap* glyph = PropertiesGlyph()) glyph->Assign(strip);
    return;
  }
  auto* target = ObjectAs<TBitmap>(GetObjectPropByName(Control(), "CustomGlyphs", TBitmap::StaticClass()));
  if (!target) return;
  target->Assign(strip);
  SetPropByName(Control(), "TransparentColor", std::to_string(kStripKey));
  // Switched off and on so that the control reloads the strip.
  SetPropByName(Control(), "UseCustomGlyphs", "False");
  SetPropByName(Control(), "UseCustomGlyphs", "True");
}

void TSkinObjImage::Detach() {
  if (Attachment().State() == scsAttached && Control()) {
    if (kind_ == oikPropertiesBox) {
      if (TBitmap* glyph = PropertiesGlyph()) glyph->SetSize(0, 0);
    } else {
      SetPropByName(Control(), "UseCustomGlyphs", "False");
    }
  }
  MarkDetached();
}

void TSkinObjImage::UpdateSkin() {
  if (Attachment().State() == scsAttached) GiveGlyphs();
}

}  // namespace quarnel
