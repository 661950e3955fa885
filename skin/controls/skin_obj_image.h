// TSkinObjImage: skin glyphs handed to check boxes and radio buttons of other component families
// that draw custom glyph strips of their own ("CustomGlyphs", or the "Glyph" of their
// "Properties"), and their own glyphs given back at detach. UI thread.
#pragma once
#include "framework/graphics/bitmap.h"
#include "skin/controls/skin_control.h"

namespace quarnel {

// Kinds of foreign controls (the dispatch's variant).
enum TObjImageKind : int32_t {
  oikCheckBox = 1,       // "CustomGlyphs" strip of 9: unchecked, checked, grayed; disabled; pressed
  oikRadioButton = 2,    // "CustomGlyphs" strip of 6: unchecked, checked; disabled; pressed
  oikPropertiesBox = 3,  // "Properties"."Glyph" strip of 6: unchecked, checked, grayed; disabled
};

class TSkinObjImage : public TSkinControl {
 public:
  explicit TSkinObjImage(TComponent* owner, int32_t kind = oikCheckBox) : TSkinControl(owner), kind_(kind) {}
  // Hands the glyphs over; no message of the control is taken.
  void Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas) override;
  void Detach() override;
  void UpdateSkin() override;

  int32_t Kind() const { return kind_; }

 private:
  void GiveGlyphs();
  // The strip of glyphs for the kind from the skin's check or radio image; false without one.
  bool BuildStrip(TBitmap& strip) const;
  TBitmap* PropertiesGlyph() const;
  int32_t kind_;
};

// The frames (from 1) of a skin strip of `frameCount` that the foreign strip's glyphs copy, in
// the foreign control's order: check boxes 9, radio buttons 6, "Properties" glyphs 6.
int ObjImageGlyphCount(int kind);
int ObjImageSourceFrame(int kind, int glyph, int frameCount);

}  // namespace quarnel
