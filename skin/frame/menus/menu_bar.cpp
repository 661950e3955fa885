// TWinSkinMenu: reading the native bar, laying its items out, drawing the band and its items
// from the skin, and finding items by position and accelerator. UI thread of the window.
#include "skin/frame/menus/menu_bar.h"

#include <algorithm>
#include <cwctype>
#include <optional>

#include "framework/core/text.h"
#include "framework/ui/menu.h"
#include "framework/win/handles.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/frame/menus/menu_item_paint.h"

namespace quarnel {

namespace {

TDataSkinObject* BarElement(TSkinData* data) {
  if (!data || data->Empty() || !data->MenuBar || data->MenuBar->Image.Empty()) return nullptr;
  return data->MenuBar.get();
}

wchar_t Accelerator(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return static_cast<wchar_t>(std::towupper(caption[i + 1]));
    ++i;
  }
  return 0;
}

}  // namespace

std::vector<RECT> MenuBarLayout(const RECT& band, const std::vector<int>& widths, int start,
                                bool rightToLeft) {
  std::vector<RECT> rects(widths.size(), RECT{});
  const int w = band.right - band.left, h = band.bottom - band.top;
  if (w <= 0 || h <= 0) return rects;
  if (w < start) start = 12;
  int x = rightToLeft ? w - start : start;
  for (size_t i = 0; i < widths.size(); ++i) {
    if (widths[i] < 0) continue;  // invisible
    if (rightToLeft) {
      rects[i] = RECT{band.left + x - widths[i], band.top, band.left + x, band.bottom - 1};
      x -= widths[i];
    } else {
      rects[i] = RECT{band.left + x, band.top, band.left + x + widths[i], band.bottom - 1};
      x += widths[i];
    }
  }
  return rects;
}

// The form's item a native bar item stands for. The menu component's own bar was filled from its
// items in order (an owner-drawn item carries its item's address); any other menu on the window
// (one an MDI child brings, say) is the program's, and only its items without a text of their
// own are the form's, found by command.
TMenuItem* TWinSkinMenu::FormItemOf(const MENUITEMINFOW& info, int position, int count,
                                    TMenuItem* root) const {
  if (!menu_ || !root) return nullptr;
  if (info.fType & MFT_OWNERDRAW) return menu_->FindItemByAddress(info.dwItemData);
  if (menu_->HandleAllocated() && menu_->Handle() == nativeMenu_)
    return root->Count() == count ? root->Items(position) : nullptr;
  if ((info.fType & MFT_SEPARATOR) || info.cch > 0 || info.hSubMenu) return nullptr;
  return menu_->FindItem(info.wID);
}

bool TWinSkinMenu::BuildButtons() {
  HMENU menu = GetMenu(window_);
  if (menu) nativeMenu_ = menu;
  if (!nativeMenu_) return false;
  buttons_.clear();
  const int count = GetMenuItemCount(nativeMenu_);
  TMenuItem* root = menu_ ? menu_->Items() : nullptr;
  for (int i = 0; i < count; ++i) {
    wchar_t text[80] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING | MIIM_DATA;
    info.dwTypeData = text;
    info.cch = static_cast<UINT>(std::size(text) - 1);
    if (!GetMenuItemInfoW(nativeMenu_, static_cast<UINT>(i), TRUE, &info)) continue;
    TMenuBtn button;
    button.Index = static_cast<int>(buttons_.size());
    button.Caption = (info.fType & MFT_SEPARATOR) ? std::wstring() : std::wstring(text);
    button.ItemEnabled = !(info.fState & (MFS_DISABLED | MFS_GRAYED));
    button.SubMenu = info.hSubMenu;
    button.Command = info.wID;
    if (TMenuItem* item = FormItemOf(info, i, count, root)) {
      button.MenuItem = item;
      button.Caption = fw::ToWide(item->Caption());
      button.ItemEnabled = item->Enabled();
      if (item->Count() == 0) {
        button.SubMenu = nullptr;
        button.Command = item->Command();
      }
    }
    buttons_.push_back(std::move(button));
  }
  if (GetMenu(window_)) SetMenu(window_, nullptr);
  return true;
}

void TWinSkinMenu::GiveBack() {
  if (nativeMenu_ && IsWindow(window_) && GetMenu(window_) != nativeMenu_) SetMenu(window_, nativeMenu_);
}

void TWinSkinMenu::PaintMenuBar(HDC dc, const RECT& band, bool active, bool rightToLeft, int rightEdge) {
  const int w = band.right - band.left, h = band.bottom - band.top;
  if (w <= 0 || h <= 0 || !dc) return;
  barRect_ = band;
  barBitmap_.SetSize(w, h);
  HDC bar = barBitmap_.DC();
  const RECT local{0, 0, w, h};
  TDataSkinObject* element = BarElement(skinData_);
  if (element) {
    const SkinMargins margins{element->LeftWidth, 0, element->RightWidth, 0};
    if (element->Tile == 1)
      DrawSkinElement(bar, local, element->Image, true, false, false, 2, active ? 1 : 2, margins);
    else
      DrawSkinBar(barBitmap_.Canvas(), local, element->Image, true, false, 2, active ? 1 : 2, margins);
  } else {
    fw::UniqueBrush brush(CreateSolidBrush(ResolveSkinColor(skinData_->Colors[scMenuBar])));
    FillRect(bar, &local, brush.get());
  }

  fw::UniqueFont font = MenuFont();
  int start = 6;
  if (element) start = rightToLeft ? element->RightWidth + 8 : element->LeftWidth + 4;
  if (rightToLeft && rightEdge < band.right) start = std::max<int>(start, band.right - rightEdge + 5);
  std::vector<int> widths;
  {
    fw::SelectGuard keep(bar, font.get());
    for (const TMenuBtn& button : buttons_) {
      if (!button.Visible) {
        widths.push_back(-1);
        continue;
      }
      RECT r{0, 0, 0, 0};
      DrawTextWide(bar, button.Caption, r, DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE);
      widths.push_back(r.right > 0 ? r.right + 10 : r.right);
    }
  }
  const std::vector<RECT> rects = MenuBarLayout(band, widths, start, rightToLeft);
  for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i].Rect = rects[i];

  // The items go onto a copy, so that barBitmap_ keeps the bare background for PaintButton.
  TBitmap composed(w, h, pf24bit);
  BitBlt(composed.DC(), 0, 0, w, h, bar, 0, 0, SRCCOPY);
  for (const TMenuBtn& button : buttons_) {
    if (!button.Visible || button.Caption.empty()) continue;
    TMenuBtn shifted = button;
    OffsetRect(&shifted.Rect, -band.left, -band.top);
    DrawCaption(composed.DC(), shifted);
  }
  BitBlt(dc, band.left, band.top, w, h, composed.DC(), 0, 0, SRCCOPY);
  for (const TMenuBtn& button : buttons_)
    if (button.State != 1) PaintButton(dc, button);
}

void TWinSkinMenu::DrawCaption(HDC dc, const TMenuBtn& button) {
  fw::UniqueFont font = MenuFont();
  fw::SelectGuard keep(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, button.ItemEnabled ? ResolveSkinColor(skinData_->Colors[scMenuBarText])
                                      : GetSysColor(COLOR_BTNSHADOW));
  RECT r = button.Rect;
  DrawTextWide(dc, hideAccelerators_ ? WithoutMnemonics(button.Caption) : button.Caption, r,
               DT_CENTER | DT_VCENTER | DT_SINGLELINE | (hideAccelerators_ ? DT_NOPREFIX : 0));
}

void TWinSkinMenu::PaintButton(HDC dc, const TMenuBtn& button) {
  if (!dc || barBitmap_.Empty() || IsRectEmpty(&button.Rect)) return;
  const int w = button.Rect.right - button.Rect.left, h = barRect_.bottom - barRect_.top;
  TBitmap item(w, h, pf24bit);
  BitBlt(item.DC(), 0, 0, w, h, barBitmap_.DC(), button.Rect.left - barRect_.left, 0, SRCCOPY);
  TMenuBtn shifted = button;
  shifted.Rect = RECT{0, button.Rect.top - barRect_.top, w, button.Rect.bottom - barRect_.top};
  if (button.State == 2 || button.State == 3) {
    fw::UniqueBrush frame(CreateSolidBrush(ResolveSkinColor(skinData_->Colors[scButtonHilight])));
    FrameRect(item.DC(), &shifted.Rect, frame.get());
  }
  DrawCaption(item.DC(), shifted);
  BitBlt(dc, button.Rect.left, barRect_.top, w, h, item.DC(), 0, 0, SRCCOPY);
}

// The window DC is taken only once an item's look changes: the pointer moving over one item
// changes nothing.
void TWinSkinMenu::ShowStates(const std::function<int(const TMenuBtn&)>& stateOf) {
  std::optional<fw::WindowDC> dc;
  for (TMenuBtn& button : buttons_) {
    const int state = stateOf(button);
    if (button.State == state) continue;
    button.State = state;
    if (!dc) dc.emplace(window_, fw::WindowDC::kWindow);
    PaintButton(dc->get(), button);
  }
}

TMenuBtn* TWinSkinMenu::ButtonAt(POINT framePoint) {
  for (TMenuBtn& button : buttons_)
    if (button.Visible && !button.Caption.empty() && PtInRect(&button.Rect, framePoint)) return &button;
  return nullptr;
}

TMenuBtn* TWinSkinMenu::ButtonWithAccelerator(wchar_t key) {
  const auto upper = static_cast<wchar_t>(std::towupper(key));
  for (TMenuBtn& button : buttons_)
    if (button.ItemEnabled && button.Visible && Accelerator(button.Caption) == upper) return &button;
  return nullptr;
}

}  // namespace quarnel
