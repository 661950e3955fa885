// Tabs and their pane, header items, status bar panels, the combo box button, popup menu
// background and items, and the extra glyphs (combo arrows and the size grip).
#include "tools/skingen/palette.h"
#include "tools/skingen/skin_bitmaps.h"

namespace quarnel::skingen {
namespace {

// Frame order of tabs and header items: normal, selected, pressed, hot, disabled.
enum class TItem { Normal, Selected, Pressed, Hot, Disabled };
constexpr TItem kItems[] = {TItem::Normal, TItem::Selected, TItem::Pressed, TItem::Hot, TItem::Disabled};

const TFace& ItemFill(const TPalette& p, TItem item) {
  switch (item) {
    case TItem::Selected:
      return p.tabSelected;
    case TItem::Pressed:
      return p.pressed;
    case TItem::Hot:
      return p.hot;
    case TItem::Disabled:
      return p.disabled;
    case TItem::Normal:
      break;
  }
  return p.tab;
}

TImage DrawTab(const TPalette& p, TItem item, int scale) {
  const int w = 32, h = 22;
  const TFace& fill = ItemFill(p, item);
  const bool selected = item == TItem::Selected;
  const int top = selected ? 0 : 2;  // the selected tab stands taller
  TImage tab(w, h, p.face, scale);
  const TInside outer = RoundRectCorners(0, top, w, h, 3.5, 3.5, 0, 0);
  tab.Paint(outer, Solid(fill.border));
  tab.Paint(RoundRectCorners(1, top + 1, w - 1, h + 1, 2.6, 2.6, 0, 0),
            VerticalRamp(fill.top, fill.bottom, top + 1, h - 1));
  if (selected) {
    tab.Paint(RoundRectCorners(1, 1, w - 1, 3, 2.6, 2.6, 0, 0), Solid(p.accent));
  } else {
    tab.FillRect(0, h - 1, w, h, Solid(p.shadow));
  }
  tab.CutOutside(outer);
  return tab;
}

TImage DrawTabPane(const TPalette& p, int scale) {
  TImage pane(20, 20, p.shadow, scale);
  pane.FillRect(1, 1, 19, 19, Solid(p.face));
  pane.FillRect(1, 1, 19, 2, Solid(Mix(p.face, p.sheen, 0.6)));
  return pane;
}

TImage DrawHeaderItem(const TPalette& p, TItem item, int scale) {
  const int w = 30, h = 22;
  const TFace& fill = item == TItem::Normal || item == TItem::Selected ? p.header : ItemFill(p, item);
  TImage header(w, h, kMagenta, scale);
  header.Fill(VerticalRamp(fill.top, fill.bottom, 0, h - 2));
  header.FillRect(0, h - 1, w, h, Solid(fill.border));
  if (item == TItem::Hot || item == TItem::Pressed) {
    header.FillRect(0, 0, 1, h, Solid(fill.border));
    header.FillRect(w - 1, 0, w, h, Solid(fill.border));
  } else {
    header.FillRect(w - 2, 4, w - 1, h - 4, Solid(p.headerLine));
    header.FillRect(w - 1, 4, w, h - 4, Solid(p.headerLight));
  }
  if (item == TItem::Selected) header.FillRect(0, h - 2, w, h, Solid(p.accent));
  return header;
}

// Status bar frames: lowered panel, raised panel, plain bar.
TImage DrawStatusPanel(const TPalette& p, int kind, int scale) {
  const int w = 12, h = 22;
  TImage panel(w, h, kMagenta, scale);
  panel.Fill(VerticalRamp(p.status.top, p.status.bottom, 2, h - 1));
  panel.FillRect(0, 0, w, 1, Solid(p.status.border));
  panel.FillRect(0, 1, w, 2, Solid(p.statusLight));
  if (kind != 2) {
    panel.FillRect(w - 2, 4, w - 1, h - 3, Solid(p.statusLine));
    panel.FillRect(w - 1, 4, w, h - 3, Solid(p.statusLight));
  }
  if (kind == 1) panel.FillRect(0, 2, 1, h, Solid(p.statusLight));
  return panel;
}

TInside DownArrow(double cx, double cy, double size) {
  return Polygon({{cx - size / 2, cy - size / 4}, {cx + size / 2, cy - size / 4}, {cx, cy + size / 4}});
}

// Combo box button frames: normal, pressed, disabled, hot.
TImage DrawComboButton(const TPalette& p, int look, int scale) {
  const int s = 17;
  const TFace* looks[] = {&p.combo, &p.pressed, &p.comboDisabled, &p.hot};
  const TRgb inks[] = {p.inks.normal, p.inks.pressed, p.inks.disabled, p.inks.hot};
  const TFace& fill = *looks[look];
  const TRgb ink = inks[look];
  TImage button(s, s, kMagenta, scale);
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

TImage DrawMenuBackground(const TPalette& p, int scale) {
  TImage menu(32, 32, p.menuBorder, scale);
  menu.FillRect(1, 1, 31, 31, Solid(p.menu));
  return menu;
}

// Menu item frames: normal, separator, disabled, selected, selected and pressed.
TImage DrawMenuItem(const TPalette& p, int frame, int scale) {
  const int w = 24, h = 20;
  TImage item(w, h, p.menu, scale);
  if (frame == 1) {
    item.FillRect(2, h - 5, w - 2, h - 4, Solid(p.menuLine));
    item.FillRect(2, h - 4, w - 2, h - 3, Solid(p.menuLight));
    item.CutOutside([=](double x, double y) { return x >= 2 && x < w - 2 && y >= h - 5 && y < h - 3; });
    return item;
  }
  if (frame == 3 || frame == 4) {
    const TInside outer = RoundRect(1, 1, w - 1, h - 1, 3);
    const TFace& selected = p.menuSelected;
    item.Paint(outer, Solid(frame == 3 ? selected.border : p.menuPressedBorder));
    item.Paint(RoundRect(2, 2, w - 2, h - 2, 2.2),
               frame == 3 ? VerticalRamp(selected.top, selected.bottom, 2, h - 3)
                          : VerticalRamp(selected.bottom, p.menuPressedBottom, 2, h - 3));
    item.Paint(RoundRectRing(2, 2, w - 2, h - 2, 2.2, 1), Solid(p.sheen), 0.25);
    item.CutOutside(outer);
    return item;
  }
  return TImage(w, h, kMagenta, scale);
}

TImage DrawExtraGlyph(const TPalette& p, int look, int scale) {
  const TRgb inks[] = {p.inks.normal, p.inks.pressed, p.inks.disabled, p.inks.hot};
  TImage glyph(12, 12, p.face, scale);
  const TInside arrow = DownArrow(6, 6, 8);
  glyph.Paint(arrow, Solid(inks[look]));
  glyph.CutOutside(arrow);
  return glyph;
}

TImage DrawSizeGrip(const TPalette& p, int scale) {
  TImage grip(12, 12, p.face, scale);
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
  grip.Paint(Offset(all, 1, 1), Solid(p.gripDotLight));
  grip.Paint(all, Solid(p.gripDot));
  grip.CutOutside([=](double x, double y) { return all(x, y) || all(x - 1, y - 1); });
  return grip;
}

}  // namespace

std::vector<TSkinBitmap> DrawPanelBitmaps(const TPalette& p, int scale) {
  std::vector<TImage> tabs, headers, combo, items, extras;
  for (TItem item : kItems) {
    tabs.push_back(DrawTab(p, item, scale));
    headers.push_back(DrawHeaderItem(p, item, scale));
  }
  for (int look = 0; look < 4; ++look) {
    combo.push_back(DrawComboButton(p, look, scale));
    extras.push_back(DrawExtraGlyph(p, look, scale));
  }
  extras.push_back(DrawSizeGrip(p, scale));
  for (int frame = 0; frame < 5; ++frame) items.push_back(DrawMenuItem(p, frame, scale));
  return {
      {"tab.bmp", Row(tabs), 5, false},
      {"tabsheet.bmp", DrawTabPane(p, scale), 1, false},
      {"office2003__comboboxbtn.bmp", Row(combo), 4, false},
      {"statusbar.bmp",
       Row({DrawStatusPanel(p, 0, scale), DrawStatusPanel(p, 1, scale), DrawStatusPanel(p, 2, scale)}), 3,
       false},
      {"header.bmp", Row(headers), 5, false},
      {"office__pulldwnmenu_thin.bmp", DrawMenuBackground(p, scale), 1, false},
      {"office__menuitem.bmp", Row(items), 5, false},
      {"extraimages.bmp", Row(extras), 5, false},
  };
}

}  // namespace quarnel::skingen
