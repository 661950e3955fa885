// The element table, made from the slot list (skin_element_slots.inc), and the readers of the
// extra keys of the elements that have more than the generic ones. UI thread.
#include "skin/data/skin_element_table.h"

#include <iterator>

#include "skin/data/format/skin_definition.h"
#include "skin/data/skin_element_loader.h"

namespace quarnel {

namespace {

constexpr int32_t AtMost(int32_t value, int32_t limit) {
  return value > limit ? limit : value;
}

void ReadGroupBoxLabel(TDataSkinBoxLabel& r, const TElementSource& s) {
  r.BackgroundAlignment = s.text.ReadInteger("GroupBox", "BackgroundAlignment", 0);
  r.BackgroundLeftShift = s.text.ReadInteger("GroupBox", "BackgroundLeftShift", 0);
  r.BackgroundRightShift = s.text.ReadInteger("GroupBox", "BackgroundRightShift", 0);
}
void ReadTabsBorder(TDataSkinBorder& r, const TElementSource& s) {
  LoadPackageImage(s.package, s.text.ReadString("Tabs", "Border"), r.Image2);
}
// The pane's margins are kept small: they only frame the page.
void ClampPaneMargins(TDataSkinObject& r, const TElementSource&) {
  r.LeftWidth = AtMost(r.LeftWidth, 4);
  r.TopHeight = AtMost(r.TopHeight, 4);
  r.RightWidth = AtMost(r.RightWidth, 4);
  r.BottomHeight = AtMost(r.BottomHeight, 4);
}
void ReadComboButtonSecond(TDataSkinBorder& r, const TElementSource& s) {
  LoadPackageImage(s.package, s.text.ReadString("ComboButton", "****"), r.Image2);
}
void ReadUpDownGlyphs(TDataSkinBorder& r, const TElementSource& s) {
  LoadPackageImage(s.package, s.text.ReadString(r.Name, "GlyphImage"), r.Image2);
}

using E = TSkinElements;
using R = TElementRead;

constexpr TElementRow kRows[] = {
#define QUARNEL_ELEMENT(Record, Slot, Section, Kind, Read, Frames, Extra) \
  ElementRow<&E::Slot, Extra>(Section, Kind, R::Read, Frames),
#include "skin/data/skin_element_slots.inc"
#undef QUARNEL_ELEMENT
};

}  // namespace

std::span<const TElementRow> ElementRows() {
  return kRows;
}

}  // namespace quarnel
