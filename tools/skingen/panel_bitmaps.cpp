// Tabs and their pane, header items, status bar panels, the combo box button, popup menu
// background and items, and the extra glyphs (combo arrows and the size grip).
#include "tools/skingen/palette.h"
#include "tools/skingen/skin_bitmaps.h"

namespace quarnel::skingen {
namespace {

using namespace palette;

// Frame order of tabs and header items: normal, selected, pressed, hot, disabled.
enum class TItem { Normal, Selected, Pressed, Hot, Disabled };
constexpr TItem kItems[] = {TItem::Normal, TItem::Selected, TItem::Pressed, TItem::Hot, TItem::Disabled};

struct TFill {
  TRgb border, top, bottom;
};

TFill ItemFill(TItem item) {
  switch (item) {
    case TItem::Selected:
      return {Hex(0x7D97BD), kWhite, kFace};
    case TItem::Pressed:
      return {kPressedBorder, kPressedTop, kPressedBottom};
    case TItem::Hot:
      return {kHotBorder, kHotTop, kHotBottom};
    case TItem::Disabled:
      return {kDisabledBorder, kDisabledFill, kDisabledFill};
    case TItem::Normal:
      break;
  }
  return {Hex(0x9AB0CE), Hex(0xF7F9FC), Hex(0xDCE5F1)};
}

TImage DrawTab(TItem item) {
  const int w = 32, h = 22;
  const TFill fill = ItemFill(item);
  const bool selected = item == TItem::Selected;
  const int top = selected ? 0 : 2;  // the selected tab stands taller
  TImage tab(w, h, kFace);
  const TInside outer = RoundRectCorners(0, top, w, h, 3.5, 3.5, 0, 0);
  tab.Paint(outer, Solid(fill.border));
  tab.Paint(RoundRectCorners(1, top + 1, w - 1, h + 1, 2.6, 2.6, 0, 0),
            VerticalRamp(fill.top, fill.bottom, top + 1, h - 1));
  if (selected) {
    tab.Paint(RoundRectCorners(1, 1, w - 1, 3, 2.6, 2.6, 0, 0), Solid(kAccent));
  } else {
    tab.FillRect(0, h - 1, w, h, Solid(kShadow));
  }
  tab.CutOutside(outer);
  return tab;
}

TImage DrawTabPane() {
  TImage pane(20, 20, kShadow);
  pane.FillRect(1, 1, 19, 19, Solid(kFace));
  pane.FillRect(1, 1, 19, 2, Solid(Mix(kFace, kWhite, 0.6)));
  return pane;
}

TImage DrawHeaderItem(TItem item) {
  const int w = 30, h = 22;
  TFill fill = ItemFill(item);
  if (item == TItem::Normal || item == TItem::Selected) fill = {Hex(0xC3D2E6), kWhite, Hex(0xEBF1F8)};
  TImage header(w, h);
  header.Fill(VerticalRamp(fill.top, fill.bottom, 0, h - 2));
  header.FillRect(0, h - 1, w, h, Solid(fill.border));
  if (item == TItem::Hot || item == TItem::Pressed) {
    header.FillRect(0, 0, 1, h, Solid(fill.border));
    header.FillRect(w - 1, 0, w, h, Solid(fill.border));
  } else {
    header.FillRect(w - 2, 4, w - 1, h - 4, Solid(Hex(0xCCD8E8)));
    header.FillRect(w - 1, 4, w, h - 4, Solid(kWhite));
  }
  if (item == TItem::Selected) header.FillRect(0, h - 2, w, h, Solid(kAccent));
  return header;
}

// Status bar frames: lowered panel, raised panel, plain bar.
TImage DrawStatusPanel(int kind) {
  const int w = 12, h = 22;
  TImage panel(w, h);
  panel.Fill(VerticalRamp(Hex(0xF4F7FB), Hex(0xDDE5F0), 2, h - 1));
  panel.FillRect(0, 0, w, 1, Solid(Hex(0xB4C5DC)));
  panel.FillRect(0, 1, w, 2, Solid(kWhite));
  if (kind != 2) {
    panel.FillRect(w - 2, 4, w - 1, h - 3, Solid(Hex(0xB9C9DF)));
    panel.FillRect(w - 1, 4, w, h - 3, Solid(kWhite));
  }
  if (kind == 1) panel.FillRect(0, 2, 1, h, Solid(kWhite));
  return panel;
}

TInside DownArrow(double cx, double cy, double size) {
  return Polygon({{cx - size / 2, cy - size / 4}, {cx + size / 2, cy - size / 4}, {cx, cy + size / 4}});
}

// Combo box button frames: normal, pressed, disabled, hot.
TImage DrawComboButton(int look) {
  const int s = 17;
  TFill fill{Hex(0xB3C4DC), Hex(0xF8FAFD), Hex(0xE1E9F3)};
  TRgb ink = Hex(0x415B7D);
  if (look == 1) fill = {kPressedBorder, kPressedTop, kPressedBottom}, ink = kAccentDark;
  if (look == 2) fill = {Hex(0xD0D7E0), kDisabledFill, kDisabledFill}, ink = Hex(0xAAB5C4);
  if (look == 3) fill = {kHotBorder, kHotTop, kHotBottom}, ink = kAccent;
  TImage button(s, s);
  button.Fill(VerticalRamp(fill.top, fill.bottom, 0, s - 1));
  button.FillRect(0, 0, 1, s, Solid(fill.border));
  if (look == 1 || look == 3) {
    button.FillRect(0, 0, s, 1, Solid(fill.border));
    button.FillRect(0, s - 1, s, s, Solid(fill.border));
    button.FillRect(s - 1, 0, s, s, Solid(fill.border));
  }
  button.Paint(DownArrow(8.5, 8.5, 8), Solid(ink));
  return button;
}

TImage DrawMenuBackground() {
  TImage menu(32, 32, kMenuBorder);
  menu.FillRect(1, 1, 31, 31, Solid(kMenu));
  return menu;
}

// Menu item frames: normal, separator, disabled, selected, selected and pressed.
TImage DrawMenuItem(int frame) {
  const int w = 24, h = 20;
  TImage item(w, h, kMenu);
  if (frame == 1) {
    item.FillRect(2, h - 5, w - 2, h - 4, Solid(Hex(0xB7C7DC)));
    item.FillRect(2, h - 4, w - 2, h - 3, Solid(kWhite));
    item.CutOutside([=](double x, double y) { return x >= 2 && x < w - 2 && y >= h - 5 && y < h - 3; });
    return item;
  }
  if (frame == 3 || frame == 4) {
    const TInside outer = RoundRect(1, 1, w - 1, h - 1, 3);
    item.Paint(outer, Solid(frame == 3 ? Hex(0x2A5FAF) : Hex(0x1B4686)));
    item.Paint(RoundRect(2, 2, w - 2, h - 2, 2.2),
               frame == 3 ? VerticalRamp(kMenuHiTop, kMenuHiBottom, 2, h - 3)
                          : VerticalRamp(kMenuHiBottom, Hex(0x234F93), 2, h - 3));
    item.Paint(RoundRectRing(2, 2, w - 2, h - 2, 2.2, 1), Solid(kWhite), 0.25);
    item.CutOutside(outer);
    return item;
  }
  return TImage(w, h);
}

TImage DrawExtraGlyph(int look) {
  const TRgb inks[] = {Hex(0x415B7D), kAccentDark, Hex(0xAAB5C4), kAccent};
  TImage glyph(12, 12, kFace);
  const TInside arrow = DownArrow(6, 6, 8);
  glyph.Paint(arrow, Solid(inks[look]));
  glyph.CutOutside(arrow);
  return glyph;
}

TImage DrawSizeGrip() {
  TImage grip(12, 12, kFace);
  auto dot = [](double cx, double cy) {
    return [=](double x, double y) { return x >= cx && x < cx + 2 && y >= cy && y < cy + 2; };
  };
  std::vector<TInside> dots;
  for (int row = 0; row < 3; ++row) {
    for (int column = 2 - row; column < 3; ++column) dots.push_back(dot(2 + 3 * column, 2 + 3 * row));
  }
  const TInside all = [dots](double x, double y) {
    for (const TInside& d : dots)
      if (d(x, y)) return true;
    return false;
  };
  grip.Paint(Offset(all, 1, 1), Solid(kWhite));
  grip.Paint(all, Solid(Hex(0x8197B6)));
  grip.CutOutside([=](double x, double y) { return all(x, y) || all(x - 1, y - 1); });
  return grip;
}

}  // namespace

std::vector<TSkinBitmap> DrawPanelBitmaps() {
  std::vector<TImage> tabs, headers, combo, items, extras;
  for (TItem item : kItems) {
    tabs.push_back(DrawTab(item));
    headers.push_back(DrawHeaderItem(item));
  }
  for (int look = 0; look < 4; ++look) {
    combo.push_back(DrawComboButton(look));
    extras.push_back(DrawExtraGlyph(look));
  }
  extras.push_back(DrawSizeGrip());
  for (int frame = 0; frame < 5; ++frame) items.push_back(DrawMenuItem(frame));
  return {
      {"tab.bmp", Row(tabs), 5, false},
      {"tabsheet.bmp", DrawTabPane(), 1, false},
      {"office2003__comboboxbtn.bmp", Row(combo), 4, false},
      {"statusbar.bmp", Row({DrawStatusPanel(0), DrawStatusPanel(1), DrawStatusPanel(2)}), 3, false},
      {"header.bmp", Row(headers), 5, false},
      {"office__pulldwnmenu_thin.bmp", DrawMenuBackground(), 1, false},
      {"office__menuitem.bmp", Row(items), 5, false},
      {"extraimages.bmp", Row(extras), 5, false},
  };
}

}  // namespace quarnel::skingen
