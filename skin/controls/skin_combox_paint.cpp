// TSkinComBox drawing: the flat look (ComboButton Style 1), the composed strip (Style 2), the
// sunken edge with a separate button image (other styles, mirrored for a left scroll bar) and the
// extended combo's border and arrow. The combo box has painted its text before. UI thread.
#include "framework/win/handles.h"
#include "skin/controls/control_fills.h"
#include "skin/controls/range_layout.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_range.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {

RECT ToRect(const SkinRect& r) {
  return {r.left, r.top, r.right, r.bottom};
}
SkinRect FromRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}
SkinMargins MarginsOf(const TDataSkinObject& e) {
  return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight};
}
int FramesOf(const TDataSkinObject& e, int fallback) {
  return e.FrameCount > 0 ? e.FrameCount : fallback;
}

}  // namespace

int TSkinComBox::FrameIndex(bool flat) {
  if (Control() && Control()->RawHandle() == Window() && (style_ & 3) == CBS_DROPDOWNLIST) {
    Marks().SetFocused(HasFocus());  // a framework drop-down list takes the focus itself
  } else {
    // An edit inside takes it (an editable combo box's, or the one a ComboBoxEx lays over its
    // drop-down list): the combo box hears nothing of it.
    const HWND focus = GetFocus();
    Marks().SetFocused(focus && (focus == Window() || IsChild(Window(), focus)));
  }
  const bool enabled = !(style_ & WS_DISABLED);
  // An open list keeps the button down (a bare combo's drop-down is not reported to it).
  const bool down =
      Marks().Pressed() || dropped_ || (!Control() && SendMessageW(Window(), CB_GETDROPPEDSTATE, 0, 0));
  return flat ? FlatComboFrameIndex(down, Marks().Focused() || Marks().Hot(), enabled)
              : ComboFrameIndex(down, Marks().Focused() || Marks().Hot(), enabled);
}

void TSkinComBox::Draw(HDC dc, const RECT& rect) {
  TDataSkinBorder* button = SkinData() ? SkinData()->ComboButton.get() : nullptr;
  if (!button || button->Image.Empty() || !Window()) return;
  style_ = static_cast<DWORD>(Binding().WindowLong(GWL_STYLE));
  exStyle_ = static_cast<DWORD>(Binding().WindowLong(GWL_EXSTYLE));
  if (QueryInfo()) {
    buttonRect_ = info_.rcButton;
    if (info_.stateButton & STATE_SYSTEM_INVISIBLE) return;
  }
  if (button->Style == 1) {
    DrawFlat(dc, rect);
  } else if (extendedCombo_) {
    DrawExtended(dc, rect);
  } else {
    DrawElement(dc, rect);
  }
}

void TSkinComBox::DrawFlat(HDC dc, const RECT& rect) {
  TDataSkinBorder& button = *SkinData()->ComboButton;
  const int index = FrameIndex(true);
  lastFrame_ = index;
  const int frames = FramesOf(button, 4);
  const auto brush = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  DrawRing(dc, RECT{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1}, 1, brush);
  const FlatComboBoxes boxes =
      FlatComboLayout(FromRect(rect), GetSystemMetrics(SM_CYVTHUMB), button.Image.Width() / frames,
                      button.Image.Height(), exStyle_ & WS_EX_LEFTSCROLLBAR);
  const RECT column = ToRect(boxes.column);
  FillRect(dc, &column, brush);
  DrawRing(dc, rect, 1, CachedSolidBrush(ResolveSkinColor(SkinData()->Colors[scButtonShadow])));
  buttonRect_ = ToRect(boxes.glyph);
  // On a solid column the glyph is composed with its colour once; otherwise drawn transparent.
  LOGBRUSH solid{};
  if (GetObjectW(brush, sizeof solid, &solid) == sizeof solid && solid.lbStyle == BS_SOLID)
    glyph_.DrawOn(dc, buttonRect_, button.Image, frames, index, solid.lbColor);
  else
    glyph_.Draw(dc, buttonRect_, button.Image, frames, index, true);
}

void TSkinComBox::DrawExtended(HDC dc, const RECT&) {
  const int index = FrameIndex(false);
  lastFrame_ = index;
  DrawEditBorder(dc, Window(), SkinData()->Colors[scButtonShadow], 1);
  if (!haveInfo_) return;
  FillSkinColor(*this, dc, info_.rcButton);
  if (TDataSkinObject* arrow = SkinData()->ComboArrow.get(); arrow && !arrow->Image.Empty())
    DrawSkinFrameStretched(dc, info_.rcButton, arrow->Image, true, FramesOf(*arrow, 4), index);
}

void TSkinComBox::DrawElement(HDC dc, const RECT& rect) {
  TDataSkinBorder& button = *SkinData()->ComboButton;
  TDataSkinObject* sunk = SkinData()->SunkEdge.get();
  const int index = FrameIndex(false);
  lastFrame_ = index;
  const bool left = exStyle_ & WS_EX_LEFTSCROLLBAR;
  if (button.Style == 2) {
    // The composed strip: edge and button in one image, its inside transparent.
    TDataSkinObject& strip = left && sunk ? *sunk : button;
    DrawSkinElement(dc, rect, strip.Image, false, false, true, FramesOf(strip, 4), index, MarginsOf(strip));
    return;
  }
  const ComboButtonBoxes boxes = ComboElementBoxes(FromRect(rect), GetSystemMetrics(SM_CXHSCROLL), left);
  fw::SavedDCState saved(dc);
  ExcludeClipRect(dc, boxes.exclude.left, boxes.exclude.top, boxes.exclude.right, boxes.exclude.bottom);
  if (sunk) DrawElementFrame(dc, rect, *sunk, FramesOf(*sunk, 4), index);
  buttonRect_ = ToRect(boxes.button);
  TBitmap& image = left && !button.Image2.Empty() ? button.Image2 : button.Image;
  DrawSkinFrameStretched(dc, buttonRect_, image, true, FramesOf(button, 4), index);
  TDataSkinObject* extra = SkinData()->ExtraImages.get();
  if (!extra || extra->Image.Empty()) return;
  DrawSkinFrameCentred(dc, ToRect(boxes.glyph), extra->Image, true, FramesOf(*extra, 5), index);
}

}  // namespace quarnel
