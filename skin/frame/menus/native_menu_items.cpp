// TNativeMenuItems: taking native menu items for the skin's drawing and giving them back, and
// their measure, draw and mnemonic handling. UI thread of the window that owns the menus.
#include "skin/frame/menus/native_menu_items.h"

#include <algorithm>
#include <cwctype>
#include <string>

#include "framework/core/text.h"
#include "framework/ui/menu.h"
#include "framework/win/handles.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/frame/menus/menu_item_paint.h"

namespace quarnel {

namespace {

// The item's text ("" for a separator) and states, read from the native menu.
std::wstring NativeText(HMENU menu, UINT position, UINT& state) {
  wchar_t text[80] = {};
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING | MIIM_STATE;
  info.dwTypeData = text;
  info.cch = static_cast<UINT>(std::size(text) - 1);
  GetMenuItemInfoW(menu, position, TRUE, &info);
  state = info.fState;
  return text;
}

ULONG_PTR MarkOf(const void* record) {
  return reinterpret_cast<ULONG_PTR>(record);
}

}  // namespace

void TNativeMenuItems::OwnerDraw(HMENU menu, bool deep) {
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_SUBMENU | MIIM_DATA | MIIM_ID;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    if (deep && info.hSubMenu) OwnerDraw(info.hSubMenu, true);
    if (info.fType & (MFT_OWNERDRAW | MFT_BITMAP)) continue;  // the program draws these itself
    items_.push_back(std::make_unique<TItem>(
        TItem{menu, info.wID, info.fType, info.dwItemData, info.hSubMenu != nullptr}));
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    info.fType |= MFT_OWNERDRAW;
    info.dwItemData = MarkOf(items_.back().get());
    SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
  }
}

int TNativeMenuItems::PositionOf(const TItem& item) {
  for (int i = 0, n = GetMenuItemCount(item.Menu); i < n; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    if (GetMenuItemInfoW(item.Menu, static_cast<UINT>(i), TRUE, &info) && (info.fType & MFT_OWNERDRAW) &&
        info.dwItemData == MarkOf(&item))
      return i;
  }
  return -1;
}

void TNativeMenuItems::Restore() {
  for (const std::unique_ptr<TItem>& item : items_) {
    // An item deleted or changed by its program since carries our mark no more.
    const int position = PositionOf(*item);
    if (position < 0) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    info.fType = item->Type;
    info.dwItemData = item->Data;
    SetMenuItemInfoW(item->Menu, static_cast<UINT>(position), TRUE, &info);
  }
  items_.clear();
}

bool TNativeMenuItems::Holds(HMENU menu) const {
  return menu && std::any_of(items_.begin(), items_.end(),
                             [menu](const std::unique_ptr<TItem>& item) { return item->Menu == menu; });
}

const TNativeMenuItems::TItem* TNativeMenuItems::Find(ULONG_PTR data, UINT id) const {
  for (const std::unique_ptr<TItem>& item : items_)
    if (MarkOf(item.get()) == data) return item->Id == id || item->Branch ? item.get() : nullptr;
  return nullptr;
}

TMenuItem* TNativeMenuItems::FormItem(const TItem& native) const {
  return menu_ && !native.Branch ? menu_->FindItem(native.Id) : nullptr;
}

bool TNativeMenuItems::MenuChar(HMENU menu, wchar_t key, LRESULT& result) const {
  if (!Holds(menu)) return false;
  const auto upper = static_cast<wchar_t>(std::towupper(key));
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
    UINT state = 0;
    const std::wstring text = NativeText(menu, static_cast<UINT>(i), state);
    if ((state & MFS_DISABLED) || MenuAccelerator(fw::FromWide(text)) != upper) continue;
    result = MAKELRESULT(i, MNC_EXECUTE);
    return true;
  }
  result = MAKELRESULT(0, MNC_IGNORE);
  return true;
}

bool TNativeMenuItems::Measure(MEASUREITEMSTRUCT& measure) const {
  const TItem* item = measure.CtlType == ODT_MENU ? Find(measure.itemData, measure.itemID) : nullptr;
  if (!item) return false;
  fw::UniqueDC dc = fw::CreateMemoryDC();
  fw::UniqueFont font = MenuFont();
  fw::SelectGuard keep(dc.get(), font.get());
  // An item of the form's menu is measured the framework's way plus the skin's room.
  if (TMenuItem* formItem = FormItem(*item)) {
    TCanvas canvas(dc.get());
    int width = 0, height = 0;
    formItem->DefaultMeasure(canvas, width, height);
    MeasureMainMenuItem(skinData_, *formItem, width);
    canvas.SetHandle(nullptr);
    measure.itemWidth = static_cast<UINT>(std::max(width, 0));
    measure.itemHeight = static_cast<UINT>(std::max(height, 0));
    return true;
  }
  UINT state = 0;
  const int position = PositionOf(*item);
  const std::wstring text = (item->Type & MFT_SEPARATOR) || position < 0
                                ? std::wstring()
                                : NativeText(item->Menu, static_cast<UINT>(position), state);
  if (text.empty()) {
    measure.itemWidth = 26;
    measure.itemHeight = 8;
    return true;
  }
  RECT r{0, 0, 0, 0};
  DrawTextWide(dc.get(), text, r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  TDataSkinObject* element = skinData_ && !skinData_->Empty() ? skinData_->MenuItem.get() : nullptr;
  measure.itemWidth = static_cast<UINT>(r.right + 26 + 16 + (element ? element->LeftWidth : 0));
  measure.itemHeight = static_cast<UINT>(std::max<LONG>(r.bottom, 16) + 4);
  return true;
}

bool TNativeMenuItems::Draw(const DRAWITEMSTRUCT& draw, bool rightToLeft) const {
  const TItem* native = draw.CtlType == ODT_MENU ? Find(draw.itemData, draw.itemID) : nullptr;
  if (!native || reinterpret_cast<HMENU>(draw.hwndItem) != native->Menu) return false;
  TCanvas canvas(draw.hDC);
  const int saved = SaveDC(draw.hDC);
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  const TMenuItemPaint look{skinData_, rightToLeft, (draw.itemState & ODS_NOACCEL) != 0};
  if (TMenuItem* formItem = FormItem(*native)) {
    DrawSkinMenuItem(look, *formItem, canvas, selected, draw.rcItem);
    canvas.SetHandle(nullptr);
    RestoreDC(draw.hDC, saved);
    return true;
  }
  UINT state = 0;
  const int position = PositionOf(*native);
  std::wstring text = (native->Type & MFT_SEPARATOR) || position < 0
                          ? std::wstring()
                          : NativeText(native->Menu, static_cast<UINT>(position), state);
  std::wstring keys;
  if (const size_t tab = text.find(L'\t'); tab != std::wstring::npos) {
    keys = text.substr(tab + 1);
    text.resize(tab);
  }
  ComponentPtr<TMenuItem> item = TComponent::Make<TMenuItem>();
  item->SetCaption(text.empty() ? "-" : fw::FromWide(text));
  item->SetShortCut(fw::FromWide(keys));
  item->SetEnabled(!(state & (MFS_DISABLED | MFS_GRAYED)));
  item->SetChecked((state & MFS_CHECKED) != 0);
  item->SetDefault((state & MFS_DEFAULT) != 0);
  DrawSkinMenuItem(look, *item, canvas, selected, draw.rcItem);
  canvas.SetHandle(nullptr);
  RestoreDC(draw.hDC, saved);
  return true;
}

}  // namespace quarnel
