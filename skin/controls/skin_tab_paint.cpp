// Painting of the tab skins: the whole control composed off-screen (parent colour, the strip of
// tabs drawn horizontally and turned for side tabs, the pane) and copied once, leaving out the
// up-down; tab captions with their icons; the button-style strip. UI thread.
#include <windows.h>
// The common controls' declarations need windows.h first.
#include <commctrl.h>

#include <algorithm>

#include "framework/ui/graphic_control.h"
#include "framework/win/handles.h"
#include "skin/controls/control_fills.h"
#include "skin/controls/control_text.h"
#include "skin/controls/skin_tab.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {

constexpr int kTabFocusInset = 3;

RECT ToRect(const SkinRect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

HFONT WindowFont(HWND window) {
  auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void DrawCloseBox(HDC dc, const SkinRect& box, COLORREF colour) {
  fw::UniquePen pen(CreatePen(PS_SOLID, 1, colour));
  fw::SelectGuard select(dc, pen.get());
  const POINT outline[] = {{box.left, box.top},
                           {box.right, box.top},
                           {box.right, box.bottom},
                           {box.left, box.bottom},
                           {box.left, box.top}};
  Polyline(dc, outline, 5);
  MoveToEx(dc, box.left, box.top, nullptr);
  LineTo(dc, box.right, box.bottom);
  MoveToEx(dc, box.right, box.top, nullptr);
  LineTo(dc, box.left, box.bottom);
}

}  // namespace

std::wstring TSkinTab::TabText(int index) const {
  if (Binding().UnicodeWindow()) {
    wchar_t text[81] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = 80;
    SendMessageW(Window(), TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return item.pszText ? std::wstring(item.pszText) : std::wstring();
  }
  char text[81] = {};
  TCITEMA item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 80;
  SendMessageA(Window(), TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return item.pszText ? AnsiToWide(item.pszText) : std::wstring();
}

void TSkinTab::DrawTabCaption(HDC dc, int index, const SkinRect& tab, COLORREF colour) {
  const std::wstring text = TabText(index);
  TCITEMW item{};
  item.mask = TCIF_IMAGE;
  item.iImage = -1;
  SendMessageW(Window(), TCM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Window(), TCM_GETIMAGELIST, 0, 0));
  int iconW = 0, iconH = 0;
  if (images && item.iImage >= 0) {
    ImageList_GetIconSize(images, &iconW, &iconH);
    if (iconW >= tab.Width()) iconW = iconH = 0;
  }
  // A mnemonic in the caption is underlined while the window's keyboard cues show them.
  UINT format = DT_SINGLELINE;
  const std::wstring shown = CueCaption(*this, text, format);
  RECT measured{0, 0, 0, 0};
  DrawTextWide(dc, shown, measured, format | DT_CALCRECT);
  const int textW = measured.right - measured.left;
  int x = tab.left + CaptionStart(tab.Width(), iconW, textW, 1);
  if (iconW > 0) {
    ImageList_Draw(images, item.iImage, dc, x, tab.top + (tab.Height() - iconH) / 2, ILD_TRANSPARENT);
    x += iconW;
  }
  SetTextColor(dc, Marks().Enabled() ? colour : ResolveSkinColor(SkinData()->Colors[scButtonShadow]));
  RECT textRect{x, tab.top, tab.right, tab.bottom};
  DrawTextWide(dc, shown, textRect, format | DT_VCENTER);
}

void TSkinTab::DrawTabs(HDC composed, const SkinRect& stripRect, TDataSkinObject& element, TBitmap& image,
                        bool buttons) {
  const StripSize size = DrawnStripSize(stripRect, side_);
  const fw::ScratchBitmap strip(size.width, size.height);
  const RECT all{0, 0, size.width, size.height};
  HDC dc = strip.DC();
  FillParentColor(*this, dc, all);
  fw::SelectGuard font(dc, WindowFont(Window()));
  SetBkMode(dc, TRANSPARENT);

  const int count = static_cast<int>(SendMessageW(Window(), TCM_GETITEMCOUNT, 0, 0));
  const int selected = static_cast<int>(SendMessageW(Window(), TCM_GETCURSEL, 0, 0));
  const int focusItem =
      ShowsFocusMark(*this) ? static_cast<int>(SendMessageW(Window(), TCM_GETCURFOCUS, 0, 0)) : -1;
  closeRects_.assign(static_cast<size_t>(std::max(count, 0)), RECT{});
  auto* button = dynamic_cast<TDataSkinButton*>(&element);
  for (int i = 0; i < count; ++i) {
    RECT item{};
    if (!SendMessageW(Window(), TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)))
      continue;
    const SkinRect tab =
        TabInDrawnStrip(SkinRect{item.left, item.top, item.right, item.bottom}, stripRect, side_);
    const int state = i == selected ? 2 : 1;
    DrawSkinElement(
        dc, ToRect(tab), image, false, element.Tile != 0, element.Trans != 0, element.FrameCount, state,
        buttons ? SkinMargins{element.LeftWidth, element.TopHeight, element.RightWidth, element.BottomHeight}
                : tabMargins_);
    TColor colour = state == 1 ? element.NormalColour2 : element.MouseOverColour2;
    if (buttons) {
      const bool given = button && (state == 1 ? button->HasNormalColour2 : button->HasPressedColour2);
      colour = given ? (state == 1 ? element.NormalColour2 : element.PressedColour2)
                     : SkinData()->Colors[scButtonText];
    }
    if (closeBoxes_) {
      const SkinRect box = TabCloseBox(tab);
      DrawCloseBox(dc, box, ResolveSkinColor(colour));
      closeRects_[static_cast<size_t>(i)] = ToRect(CloseBoxInControl(box, stripRect, side_));
    }
    SkinRect captionArea = tab;
    if (closeBoxes_) captionArea.right -= 8;  // the caption keeps clear of the box
    DrawTabCaption(dc, i, captionArea, ResolveSkinColor(colour));
    if (i == focusItem) {
      // The focused tab is marked as the system marks it, inside its edge.
      RECT focus = ToRect(tab);
      InflateRect(&focus, -kTabFocusInset, -kTabFocusInset);
      DrawFocusRect(dc, &focus);
    }
  }
  PresentStrip(composed, stripRect, strip.Bitmap());
}

void TSkinTab::PresentStrip(HDC dc, const SkinRect& stripRect, TBitmap& strip) {
  if (!SideTabs(side_)) {
    BitBlt(dc, stripRect.left, stripRect.top, stripRect.Width(), stripRect.Height(), strip.DC(), 0, 0,
           SRCCOPY);
    return;
  }
  TBitmap turned;
  turned.Assign(strip);
  if (side_ == TabSide::Left)
    RotateLeft(turned);
  else
    RotateRight(turned);
  BitBlt(dc, stripRect.left, stripRect.top, turned.Width(), turned.Height(), turned.DC(), 0, 0, SRCCOPY);
}

void TSkinTab::DrawPane(HDC dc, const SkinRect& pane) {
  if (paneImage_.Empty() || pane.Width() <= 0 || pane.Height() <= 0) return;
  DrawSkinElement(dc, ToRect(pane), paneImage_, false, false, false, 1, 1, paneMargins_);
}

void TSkinTab::ExcludeUpDown(HDC dc) const {
  if (!upDown_ || !IsWindow(upDown_) || !IsWindowVisible(upDown_)) return;
  RECT r;
  GetWindowRect(upDown_, &r);
  MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
  ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
}

void TSkinTab::Draw(HDC dc, const RECT& rect) {
  if (!SkinData() || !SkinData()->Tabs || !dc) return;
  ReadState();
  closeBoxes_ = WantsCloseBoxes();  // the control's own setting may have changed since
  FindUpDown();
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  RECT display{0, 0, w, h};
  SendMessageW(Window(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  const SkinRect control{0, 0, w, h};
  const SkinRect pane =
      TabPaneRect(SkinRect{display.left, display.top, display.right, display.bottom}, side_);
  const fw::ScratchBitmap background(background_, w, h);
  if (!background.Kept() || !(backgroundPane_ == pane)) {
    FillParentColor(*this, background.DC(), RECT{0, 0, w, h});
    DrawPane(background.DC(), pane);
    backgroundPane_ = pane;
  }
  const fw::ScratchBitmap frame(w, h);
  HDC composed = frame.DC();
  BitBlt(composed, 0, 0, w, h, background.DC(), 0, 0, SRCCOPY);
  const SkinRect strip = TabStripRect(control, pane, side_);
  if (!tabImage_.Empty() && strip.Width() > 0 && strip.Height() > 0)
    DrawTabs(composed, strip, *SkinData()->Tabs, tabImage_, false);

  fw::SavedDCState saved(dc);
  ExcludeUpDown(dc);
  CopyToVisible(dc, rect, composed, 0, 0);  // the page it holds covers most of it
  if (Variant() == 2 && Control()) PaintGraphicChildren(*Control(), dc);
}

// Button tabs on any side, from the Buttons element; no pane is drawn around them.
void TSkinTabBtn::Draw(HDC dc, const RECT& rect) {
  if (!SkinData() || !SkinData()->Buttons || SkinData()->Buttons->Image.Empty() || !dc) return;
  ReadState();
  FindUpDown();
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  const fw::ScratchBitmap frame(w, h);
  HDC composed = frame.DC();
  // Button tabs have no pane round the display area, and the rows of buttons at the sides may
  // reach past what the control reports as its edge: the strip is the whole control.
  DrawTabs(composed, SkinRect{0, 0, w, h}, *SkinData()->Buttons, SkinData()->Buttons->Image, true);
  fw::SavedDCState saved(dc);
  ExcludeUpDown(dc);
  CopyToVisible(dc, rect, composed, 0, 0);  // the page it holds covers most of it
  if (Variant() == 2 && Control()) PaintGraphicChildren(*Control(), dc);
}

}  // namespace quarnel
