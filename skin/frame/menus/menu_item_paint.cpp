// Owner-drawn menu items in the skin's look: each item is composed in a bitmap of its own size
// (background copied from the popup window's skinned picture, the MenuItem frame, glyph,
// caption and shortcut) and copied onto the menu's DC in one piece. UI thread.
#include "skin/frame/menus/menu_item_paint.h"

#include <algorithm>
#include <string>

#include "framework/core/text.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/image_list.h"
#include "framework/ui/menu.h"
#include "framework/win/handles.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/frame/menus/popup_menu_skin.h"

namespace quarnel {

fw::UniqueFont MenuFont(bool bold) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
  return fw::UniqueFont(CreateFontIndirectW(&metrics.lfMenuFont));
}

namespace {

constexpr WORD kCheckBitmap = 32760;  // OBM_CHECK, a system bitmap
constexpr int kSelectedFrame = 4, kNormalFrame = 1, kItemFrames = 5;

TDataSkinObject* ItemElement(const TMenuItemPaint& look) {
  if (!look.SkinData || look.SkinData->Empty()) return nullptr;
  TDataSkinObject* element = look.SkinData->MenuItem.get();
  return element && !element->Image.Empty() ? element : nullptr;
}

COLORREF SkinColour(const TMenuItemPaint& look, int index, int systemIndex) {
  if (!look.SkinData || look.SkinData->Empty()) return GetSysColor(systemIndex);
  return ResolveSkinColor(look.SkinData->Colors[static_cast<size_t>(index)]);
}

// The popup window the item is being drawn in: the window of the DC, or null.
TWinSkinPopMenu* PopupOfCanvas(TCanvas& canvas) {
  return TWinSkinPopMenu::OfWindow(WindowFromDC(canvas.Handle()));
}

// The item's own bitmap: the popup's background under the item, or the skin's menu colour. The
// popup is the window of the DC, else (a DC of the system's own, as when it prints the menu for
// an animation) the popup that carries the item's parent.
void FillItemBackground(const TMenuItemPaint& look, TMenuItem& item, TCanvas& canvas, TBitmap& bitmap,
                        const RECT& r) {
  HDC dc = bitmap.DC();
  const RECT all{0, 0, bitmap.Width(), bitmap.Height()};
  const TMenuItem* parent = item.Parent();
  TWinSkinPopMenu* popup = PopupOfCanvas(canvas);
  if (popup) popup->CarryItem(parent);
  if (!popup && parent) popup = TWinSkinPopMenu::AssignItem(parent);
  if (TBitmap* background = popup ? popup->Background() : nullptr) {
    const POINT offset = popup->ClientOffset();
    BitBlt(dc, 0, 0, all.right, all.bottom, background->DC(), r.left + offset.x, r.top + offset.y, SRCCOPY);
    return;
  }
  fw::UniqueBrush brush(CreateSolidBrush(SkinColour(look, scMenu, COLOR_MENU)));
  FillRect(dc, &all, brush.get());
}

// DrawText with the item rules: an empty or lone "&" text is measured as a space, and "-"
// outside measuring is the etched separator line.
int ItemText(HDC dc, const std::string& text, RECT& r, UINT format) {
  if (text == "-" && !(format & DT_CALCRECT)) {
    RECT line{r.left, r.top + 4, r.right, r.top + 6};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return 0;
  }
  std::wstring wide = fw::ToWide(text);
  if ((format & DT_CALCRECT) && (wide.empty() || wide == L"&")) wide = L" ";
  if (format & DT_HIDEPREFIX) {  // not every system's DrawText honours it
    wide = WithoutMnemonics(wide);
    format = (format & ~DT_HIDEPREFIX) | DT_NOPREFIX;
  }
  return DrawTextWide(dc, wide, r, format);
}

fw::UniqueBrush DitherBrush() {
  WORD pattern[8];
  for (int i = 0; i < 8; ++i) pattern[i] = static_cast<WORD>(i % 2 ? 0xAA : 0x55);
  fw::UniqueBitmap bits(CreateBitmap(8, 8, 1, 1, pattern));
  return fw::UniqueBrush(CreatePatternBrush(bits.get()));
}

// The image in its disabled look: every drawn pixel in the shadow colour.
void DrawDisabledImage(HDC dc, TImageList& images, int index, int x, int y, COLORREF shadow) {
  TBitmap cell(images.Width(), images.Height(), pf24bit);
  TCanvas& canvas = cell.Canvas();
  const RECT all{0, 0, cell.Width(), cell.Height()};
  fw::UniqueBrush key(CreateSolidBrush(kSkinTransparentColor));
  FillRect(canvas.Handle(), &all, key.get());
  images.Draw(canvas, 0, 0, index);
  for (int row = 0; row < cell.Height(); ++row)
    for (int col = 0; col < cell.Width(); ++col)
      if (cell.PixelAt(col, row) != kSkinTransparentColor) SetPixelV(cell.DC(), col, row, shadow);
  DrawTransparent(dc, RECT{x, y, x + cell.Width(), y + cell.Height()}, cell, kSkinTransparentColor);
}

void DrawGlyph(TMenuItem& item, HDC dc, TCanvas& canvas, const RECT& box, const RECT& r,
               COLORREF disabledColour) {
  TMenu* menu = item.GetParentMenu();
  TImageList* images = menu ? menu->Images() : nullptr;
  const int index = item.ImageIndex();
  if (images && index >= 0 && index < images->Count()) {
    if (item.Checked()) {
      fw::UniqueBrush dither = DitherBrush();
      SetTextColor(dc, GetSysColor(COLOR_BTNFACE));
      SetBkColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
      FillRect(dc, &box, dither.get());
      RECT edge = box;
      DrawEdge(dc, &edge, BDR_SUNKENOUTER, BF_RECT);
    }
    if (item.Enabled())
      images->Draw(canvas, box.left, box.top, index);
    else
      DrawDisabledImage(dc, *images, index, box.left, box.top, disabledColour);
    return;
  }
  if (!item.Checked()) return;
  fw::UniqueBitmap check(LoadBitmapW(nullptr, MAKEINTRESOURCEW(kCheckBitmap)));
  BITMAP info{};
  if (!check || !GetObjectW(check.get(), sizeof info, &info)) return;
  const int x = box.left + (box.right - box.left - info.bmWidth) / 2 + 1;
  const int y = r.top + (r.bottom - r.top - info.bmHeight) / 2 + 1;
  fw::UniqueDC source = fw::CreateMemoryDC(dc);
  fw::SelectGuard keep(source.get(), check.get());
  // A monochrome source: its set bits take the background colour, so white leaves the item
  // untouched under AND and the mark's clear bits come out in the text colour.
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  SetBkColor(dc, RGB(255, 255, 255));
  BitBlt(dc, x, y, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCAND);
}

}  // namespace

void DrawMenuItemContent(const TMenuItemPaint& look, TMenuItem& item, TCanvas& canvas, bool selected,
                         const RECT& r) {
  HDC dc = canvas.Handle();
  TDataSkinObject* element = ItemElement(look);
  const int leftWidth = element ? element->LeftWidth : 0;
  TMenu* menu = item.GetParentMenu();
  TImageList* images = menu ? menu->Images() : nullptr;
  int glyph = images ? images->Width() : 16;
  if (item.Checked() && glyph < 16) glyph = 16;
  if (item.IsLine()) glyph = 0;

  const COLORREF menuText = SkinColour(look, scMenuText, COLOR_MENUTEXT);
  COLORREF disabled = SkinColour(look, scButtonShadow, COLOR_BTNSHADOW);
  if (disabled == menuText) disabled = GetSysColor(COLOR_BTNSHADOW);
  COLORREF text = selected ? SkinColour(look, scHilightText, COLOR_HIGHLIGHTTEXT) : menuText;
  if (!item.Enabled()) text = disabled;

  RECT box{};
  if (look.RightToLeft) {
    box.right = r.right - 1 - leftWidth;
    box.left = box.right - glyph;
  } else {
    box.left = r.left + 1 + leftWidth;
    box.right = box.left + glyph;
  }
  box.top = r.top + 1;
  box.bottom = box.top + glyph;
  if (glyph > 0) DrawGlyph(item, dc, canvas, box, r, disabled);

  fw::UniqueFont font = MenuFont(item.Default());
  fw::SelectGuard keepFont(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, text);
  RECT caption = look.RightToLeft ? RECT{r.left + 1, r.top, box.left - 3, r.bottom}
                                  : RECT{box.right + 3, r.top, r.right - 1, r.bottom};
  if (item.IsLine()) {
    ItemText(dc, item.Caption(), caption, DT_SINGLELINE);
    return;
  }
  RECT measured = caption;
  const UINT reading = look.RightToLeft ? DT_RIGHT | DT_RTLREADING : 0;
  ItemText(dc, item.Caption(), measured, DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE | reading);
  const int height = measured.bottom - measured.top;
  caption.top = r.top + (r.bottom - r.top - height) / 2;
  caption.bottom = caption.top + height;
  ItemText(dc, item.Caption(), caption,
           DT_EXPANDTABS | DT_SINGLELINE | reading | (look.HideAccelerators ? DT_HIDEPREFIX : 0));
  if (item.ShortCut().empty()) return;
  RECT keys = look.RightToLeft ? RECT{r.left + 10, caption.top, r.right, caption.bottom}
                               : RECT{caption.left + (measured.right - measured.left), caption.top,
                                      r.right - 11, caption.bottom};
  ItemText(dc, item.ShortCut(), keys,
           DT_SINGLELINE | DT_EXPANDTABS | (look.RightToLeft ? DT_LEFT : DT_RIGHT));
}

void DrawSeparator(TDataSkinObject& element, TCanvas& canvas, const RECT& r) {
  TBitmap& image = element.Image;
  const int fw = image.Width() / kItemFrames;
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (fw <= 0 || w <= 0 || h <= 0) return;
  const int rows = std::min(h, image.Height());
  const int sourceTop = image.Height() - rows;
  TBitmap line(w, h, pf24bit);
  HDC dc = line.DC();
  const RECT all{0, 0, w, h};
  fw::UniqueBrush key(CreateSolidBrush(kSkinTransparentColor));
  FillRect(dc, &all, key.get());
  const int left = std::min(element.LeftWidth, w), right = std::min(element.RightWidth, w - left);
  SetStretchBltMode(dc, COLORONCOLOR);
  HDC source = image.DC();
  StretchBlt(dc, 0, 0, left, h, source, fw, sourceTop, element.LeftWidth, rows, SRCCOPY);
  StretchBlt(dc, w - right, 0, right, h, source, 2 * fw - element.RightWidth, sourceTop, element.RightWidth,
             rows, SRCCOPY);
  const int middle = fw - element.LeftWidth - element.RightWidth;
  if (middle > 0 && w - left - right > 0)
    StretchBlt(dc, left, 0, w - left - right, h, source, fw + element.LeftWidth, sourceTop, middle, rows,
               SRCCOPY);
  DrawTransparent(canvas.Handle(), r, line, kSkinTransparentColor);
}

void DrawSkinMenuItem(const TMenuItemPaint& look, TMenuItem& item, TCanvas& canvas, bool selected,
                      const RECT& r) {
  TDataSkinObject* element = ItemElement(look);
  if (!element) return DrawPlainMenuItem(look, item, canvas, selected, r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  TBitmap bitmap(w, h, pf24bit);
  FillItemBackground(look, item, canvas, bitmap, r);
  const RECT local{0, 0, w, h};
  if (!item.IsLine()) {
    const SkinMargins margins{element->LeftWidth, element->TopHeight, element->RightWidth,
                              element->BottomHeight};
    DrawSkinElement(bitmap.DC(), local, element->Image, false, element->Tile == 1, element->Trans == 1,
                    kItemFrames, selected ? kSelectedFrame : kNormalFrame, margins);
    DrawMenuItemContent(look, item, bitmap.Canvas(), selected, local);
  }
  BitBlt(canvas.Handle(), r.left, r.top, w, h, bitmap.DC(), 0, 0, SRCCOPY);
  if (item.IsLine()) DrawSeparator(*element, canvas, r);
}

void DrawPlainMenuItem(const TMenuItemPaint& look, TMenuItem& item, TCanvas& canvas, bool selected,
                       const RECT& r) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  TBitmap bitmap(w, h, pf24bit);
  const RECT local{0, 0, w, h};
  fw::UniqueBrush brush(CreateSolidBrush(selected ? SkinColour(look, scHilight, COLOR_HIGHLIGHT)
                                                  : SkinColour(look, scMenu, COLOR_MENU)));
  FillRect(bitmap.DC(), &local, brush.get());
  DrawMenuItemContent(look, item, bitmap.Canvas(), selected, local);
  BitBlt(canvas.Handle(), r.left, r.top, w, h, bitmap.DC(), 0, 0, SRCCOPY);
}

void MeasurePopupMenuItem(const TSkinData* skinData, const TMenuItem& item, int& width) {
  const TDataSkinObject* element =
      skinData && !skinData->Empty() && skinData->MenuItem ? skinData->MenuItem.get() : nullptr;
  TMenu* menu = item.GetParentMenu();
  width += (element ? element->LeftWidth : 0) + 12 + (menu && menu->Images() ? 0 : 23);
}

void MeasureMainMenuItem(const TSkinData* skinData, const TMenuItem& item, int& width) {
  const TDataSkinObject* element =
      skinData && !skinData->Empty() && skinData->MenuItem ? skinData->MenuItem.get() : nullptr;
  TMenu* menu = item.GetParentMenu();
  width += (element ? element->LeftWidth : 0) + 10 + (menu && menu->Images() ? 0 : 25);
}

}  // namespace quarnel
