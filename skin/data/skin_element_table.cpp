// The element table's rows and the extra keys of the elements that have more than the generic
// ones. A new control kind's element is one row here. UI thread.
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
    ElementRow<&E::Progress>("Progress", xcProgress, R::Own, 0),
    ElementRow<&E::ProgressChunk>("Progress.Chunk", xcProgress, R::GenericFramed, 0),
    ElementRow<&E::MenuBar>("Personality", xcMainMenu, R::Own, 2),
    ElementRow<&E::GroupBoxEdge>("GroupBoxEdge", xcGroupBox, R::GenericFramed, 2),
    ElementRow<&E::GroupBox, &ReadGroupBoxLabel>("GroupBox", xcGroupBox, R::Generic, 1),
    ElementRow<&E::Tabs, &ReadTabsBorder>("Tabs", xcTab, R::Generic, 5),
    ElementRow<&E::StatusBarEdges>("StatusBarEdges", xcStatusBar, R::GenericFramed, 3),
    ElementRow<&E::TabPane, &ClampPaneMargins>("Tab.Pane", xcTab, R::GenericFramed, 1),
    ElementRow<&E::ToolBars>("ToolBars", xcToolbar, R::GenericFramed, 5),
    ElementRow<&E::ComboButton, &ReadComboButtonSecond>("ComboButton", xcCombo, R::Generic, 4),
    ElementRow<&E::SunkEdge>("SunkEdge", xcCombo, R::GenericFramed, 4),
    ElementRow<&E::ExtraImages>("ExtraImages", xcCombo, R::GenericFramed, 5),
    // Headerbar's frame count is the text's, 5 when it gives none (ApplyFrameCounts).
    ElementRow<&E::Headerbar>("Headerbar", xcPanel, R::GenericFramed, 0),
    ElementRow<&E::MenuItem>("MenuItem", xcMenuItem, R::GenericFramed, 5),
    ElementRow<&E::MenuBackground>("MenuBackground", xcPopupMenu, R::GenericFramed, 1),
    ElementRow<&E::Scrollbar>("Scrollbar", xcScrollbar, R::GenericFramed, 23),
    ElementRow<&E::HorzScroll>("HorzScroll", xcScrollbar, R::GenericFramed, 4),
    ElementRow<&E::VertScroll>("VertScroll", xcScrollbar, R::GenericFramed, 4),
    // The thumbs' frame counts come from their own "FrameCount" key (ApplyFrameCounts).
    ElementRow<&E::HorzScrollThumb>("HorzScrollThumb", xcScrollbar, R::GenericFramed, 0),
    ElementRow<&E::VertScrollThumb>("VertScrollThumb", xcScrollbar, R::GenericFramed, 0),
    ElementRow<&E::TrackThumbHorz>("Trackbar.ThumbHorz", xcTrackBar, R::GenericFramed, 5),
    ElementRow<&E::TrackThumbVert>("Trackbar.ThumbVert", xcTrackBar, R::GenericFramed, 5),
    ElementRow<&E::TrackThumbLeft>("Trackbar.ThumbLeft", xcTrackBar, R::GenericFramed, 5),
    ElementRow<&E::TrackThumbRight>("Trackbar.ThumbRight", xcTrackBar, R::GenericFramed, 5),
    ElementRow<&E::TrackThumbUp>("Trackbar.ThumbUp", xcTrackBar, R::GenericFramed, 5),
    ElementRow<&E::TrackThumbDown>("Trackbar.ThumbDown", xcTrackBar, R::GenericFramed, 5),
    ElementRow<&E::UpDownHorz, &ReadUpDownGlyphs>("UpDown.Horz", xcSpin, R::Generic, 8),
    ElementRow<&E::UpDownVert, &ReadUpDownGlyphs>("UpDown.Vert", xcSpin, R::Generic, 8),
    ElementRow<&E::Track>("Track", xcTrackBar, R::Own, 0),
    ElementRow<&E::TrackVert>("TRACKVERT", xcTrackBar, R::Own, 0),
    ElementRow<&E::Toolbar>("Toolbar", xcToolbar, R::Derived, 1),
    ElementRow<&E::ComboArrow>("ComboxArrow", xcCombo, R::Derived, 0),
};

}  // namespace

std::span<const TElementRow> ElementRows() {
  return kRows;
}

}  // namespace quarnel
