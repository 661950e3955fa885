// Owner-drawn menu items in the skin's look: the MenuItem element over the popup window's
// skinned background, glyph or check mark, caption, shortcut, separators, and the plain look
// of skins without that element; and the widths the skinned items need. UI thread.
#pragma once
#include <windows.h>

#include "framework/win/handles.h"

class TCanvas;
class TMenuItem;

namespace quarnel {

class TSkinData;
class TDataSkinObject;

// The system's menu font, in bold for a default item.
fw::UniqueFont MenuFont(bool bold = false);

struct TMenuItemPaint {
  TSkinData* SkinData = nullptr;
  bool RightToLeft = false;
  bool HideAccelerators = false;  // the menu shows no mnemonic underlines until the keyboard is used
};

// The item drawn into `rect` of the canvas; the MenuItem element when the skin has one, the
// plain colours otherwise. Separators are items whose caption is "-".
void DrawSkinMenuItem(const TMenuItemPaint& look, TMenuItem& item, TCanvas& canvas, bool selected,
                      const RECT& rect);
void DrawPlainMenuItem(const TMenuItemPaint& look, TMenuItem& item, TCanvas& canvas, bool selected,
                       const RECT& rect);
// Glyph or check mark, caption and shortcut of the item over a background already drawn.
void DrawMenuItemContent(const TMenuItemPaint& look, TMenuItem& item, TCanvas& canvas, bool selected,
                         const RECT& rect);
// The separator line cut from the MenuItem element's second frame.
void DrawSeparator(TDataSkinObject& element, TCanvas& canvas, const RECT& rect);

// Widens a popup item measured the framework's way by the room the skinned look takes.
void MeasurePopupMenuItem(const TSkinData* skinData, const TMenuItem& item, int& width);
// The same for an item of a main menu's drop-down.
void MeasureMainMenuItem(const TSkinData* skinData, const TMenuItem& item, int& width);

}  // namespace quarnel
