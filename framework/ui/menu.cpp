// Menu items and menus: the item tree, building the menu handle from it, command routing and
// the framework's plain owner-draw look. User-interface thread.
#include "framework/ui/menu.h"

#include <algorithm>

#include "framework/core/text.h"
#include "framework/graphics/image_list.h"
#include "framework/ui/form.h"
#include "framework/win/code_module.h"

namespace {
// Command identifiers of menu items: unique in the process, kept clear of the system commands.
UINT NextCommand() {
  static UINT next = 100;
  if (++next >= 0xF000) next = 101;
  return next;
}

std::wstring Wide(const std::string& text) {
  return fw::ToWide(text);
}

// CharUpperW takes a single character in the low word of its pointer argument.
wchar_t UpperChar(wchar_t c) {
  return static_cast<wchar_t>(
      reinterpret_cast<ULONG_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c)))));
}

constexpr int kGlyphColumn = 22;  // glyph or check column at the item's left
constexpr int kTextGap = 6;
constexpr int kShortCutGap = 24;
}  // namespace

// --- TMenuItem ------------------------------------------------------------------------------

wchar_t MenuAccelerator(const std::string& caption) {
  const std::wstring text = Wide(caption);
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] != L'&') return UpperChar(text[i + 1]);
    ++i;
  }
  return 0;
}

const TClassInfo& TMenuItem::StaticClass() {
  static const TClassInfo info = TClassBuilder<TMenuItem>("TMenuItem", &TComponent::StaticClass())
                                     .Creatable()
                                     .Str("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
                                     .Int("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex)
                                     .Bool("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
                                     .Bool("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
                                     .Bool("Default", &TMenuItem::Default, &TMenuItem::SetDefault)
                                     .Str("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
                                     .Event("OnClick", &TMenuItem::OnClick)
                                     .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {}

TMenuItem::~TMenuItem() {
  if (parent_) parent_->Remove(this);
  for (TMenuItem* child : items_) child->parent_ = nullptr;
}

void TMenuItem::Add(TMenuItem* item) {
  if (!item || item == this) return;
  if (item->parent_) item->parent_->Remove(item);
  item->parent_ = this;
  items_.push_back(item);
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  (*it)->parent_ = nullptr;
  items_.erase(it);
}

TMenuItem* TMenuItem::AddNew(TComponent* owner, const std::string& caption, int tag) {
  TMenuItem* item = CreateIn<TMenuItem>(owner);
  item->SetCaption(caption);
  item->SetTag(tag);
  Add(item);
  return item;
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->parent_) item = item->parent_;
  return item->menu_;
}

int TMenuItem::Level() const {
  int level = 0;
  for (const TMenuItem* item = parent_; item; item = item->parent_) ++level;
  return level;
}

void TMenuItem::Click() {
  if (enabled_ && OnClick) OnClick(this);
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* item = ObjectAs<TMenuItem>(parent)) {
    item->Add(this);
  } else if (auto* menu = ObjectAs<TMenu>(parent)) {
    menu->Items()->Add(this);
  }
}

void TMenuItem::DefaultMeasure(TCanvas& canvas, int& width, int& height) {
  if (IsLine()) {
    width = kGlyphColumn;
    height = 8;
    return;
  }
  HDC dc = canvas.Handle();
  SIZE text{}, shortcut{};
  const std::wstring caption = Wide(caption_), keys = Wide(shortCut_);
  GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
  if (!keys.empty()) GetTextExtentPoint32W(dc, keys.c_str(), static_cast<int>(keys.size()), &shortcut);
  width = kGlyphColumn + kTextGap + text.cx + (keys.empty() ? 0 : kShortCutGap + shortcut.cx) + kTextGap;
  height = std::max<int>(std::max<int>(text.cy, 16) + 4, 20);
}

void TMenuItem::DefaultDraw(TCanvas& canvas, const RECT& rect, UINT state) {
  HDC dc = canvas.Handle();
  const bool selected = (state & ODS_SELECTED) && enabled_ && !IsLine();
  FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (IsLine()) {
    RECT line{rect.left + kGlyphColumn, (rect.top + rect.bottom) / 2 - 1, rect.right - 2, 0};
    line.bottom = line.top + 2;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  TMenu* menu = GetParentMenu();
  TImageList* images = menu ? menu->Images() : nullptr;
  const int glyphTop = rect.top + (rect.bottom - rect.top - 16) / 2;
  if (images && imageIndex_ >= 0 && imageIndex_ < images->Count()) {
    images->Draw(canvas, rect.left + (kGlyphColumn - images->Width()) / 2, glyphTop, imageIndex_);
  } else if (checked_) {
    RECT mark{rect.left + 3, glyphTop, rect.left + 19, glyphTop + 16};
    fw::UniqueDC markDC = fw::CreateMemoryDC(dc);
    fw::UniqueBitmap bits(CreateBitmap(16, 16, 1, 1, nullptr));
    {
      fw::SelectGuard keep(markDC.get(), bits.get());
      RECT all{0, 0, 16, 16};
      DrawFrameControl(markDC.get(), &all, DFC_MENU, DFCS_MENUCHECK);
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, RGB(255, 255, 255));
      BitBlt(dc, mark.left, mark.top, 16, 16, markDC.get(), 0, 0, SRCAND);
    }
  }
  SetBkMode(dc, TRANSPARENT);
  COLORREF colour = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
  if (!enabled_) colour = GetSysColor(COLOR_GRAYTEXT);
  SetTextColor(dc, colour);
  RECT textRect{rect.left + kGlyphColumn + kTextGap, rect.top, rect.right - kTextGap, rect.bottom};
  const std::wstring caption = Wide(caption_);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &textRect,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOCLIP);
  if (!shortCut_.empty()) {
    const std::wstring keys = Wide(shortCut_);
    DrawTextW(dc, keys.c_str(), static_cast<int>(keys.size()), &textRect,
              DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOCLIP);
  }
}

// --- TMenu ----------------------------------------------------------------------------------

const TClassInfo& TMenu::StaticClass() {
  static const TClassInfo info = TClassBuilder<TMenu>("TMenu", &TComponent::StaticClass())
                                     .Bool("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw)
                                     .Build();
  return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), root_(Make<TMenuItem>()) {
  root_->menu_ = this;
}

TMenu::~TMenu() = default;

void TMenu::SetOwnerDraw(bool on) {
  if (ownerDraw_ == on) return;
  ownerDraw_ = on;
  if (handle_) Rebuild();
}

HMENU TMenu::Handle() {
  if (!handle_) Rebuild();
  return handle_.get();
}

void TMenu::Rebuild() {
  fw::UniqueMenu menu(IsPopup() ? CreatePopupMenu() : CreateMenu());
  // A menu bar's titles are drawn by the system; owner-draw applies below them.
  Fill(menu.get(), *root_, ownerDraw_ && IsPopup());
  handle_ = std::move(menu);
  // The form of a main menu puts the new handle on its window (through the window, so that
  // whoever serves the window hears of it too).
  if (!IsPopup())
    if (auto* form = ObjectAs<TCustomForm>(Owner()); form && form->HandleAllocated())
      SendMessageW(form->Handle(), CM_MENUCHANGED, 0, reinterpret_cast<LPARAM>(this));
}

void TMenu::Fill(HMENU menu, TMenuItem& parent, bool ownerDraw) {
  for (TMenuItem* item : parent.items_) {
    UINT flags = item->Enabled() ? MF_ENABLED : MF_GRAYED;
    if (item->Checked()) flags |= MF_CHECKED;
    UINT_PTR id = item->Command();
    if (item->Count() > 0) {
      HMENU sub = CreatePopupMenu();
      Fill(sub, *item, ownerDraw_);
      flags |= MF_POPUP;
      id = reinterpret_cast<UINT_PTR>(sub);
    }
    std::wstring text = Wide(item->Caption());
    if (!item->ShortCut().empty()) text += L"\t" + Wide(item->ShortCut());
    if (ownerDraw) {
      AppendMenuW(menu, flags | MF_OWNERDRAW, id, reinterpret_cast<LPCWSTR>(item));
      // The item keeps its text beside the drawing: screen readers and other programs read it.
      if (!item->IsLine()) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = text.data();
        SetMenuItemInfoW(menu, static_cast<UINT>(GetMenuItemCount(menu) - 1), TRUE, &info);
      }
    } else if (item->IsLine()) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(menu, flags | MF_STRING, id, text.c_str());
    }
    if (item->Default()) SetMenuDefaultItem(menu, static_cast<UINT>(GetMenuItemCount(menu) - 1), TRUE);
  }
}

TMenuItem* TMenu::FindItem(UINT command) const {
  return FindItemWhere([command](const TMenuItem& item) { return item.Command() == command; });
}

// Compares addresses only: an owner-draw record may carry data that is no item of this menu.
TMenuItem* TMenu::FindItemByAddress(ULONG_PTR address) const {
  return FindItemWhere(
      [address](const TMenuItem& item) { return reinterpret_cast<ULONG_PTR>(&item) == address; });
}

TMenuItem* TMenu::FindItemWhere(const std::function<bool(const TMenuItem&)>& match) const {
  std::vector<TMenuItem*> pending{root_.get()};
  while (!pending.empty()) {
    TMenuItem* item = pending.back();
    pending.pop_back();
    if (item != root_.get() && match(*item)) return item;
    pending.insert(pending.end(), item->items_.begin(), item->items_.end());
  }
  return nullptr;
}

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = FindItem(command);
  if (!item) return false;
  item->Click();
  return true;
}

// Owner-drawn items have no text the system could search for their "&" letters: the item of
// `menu` whose letter is `key` is chosen here.
bool TMenu::DispatchMenuChar(HMENU menu, wchar_t key, LRESULT& result) const {
  bool ours = false;
  const wchar_t wanted = UpperChar(key);
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info) || !(info.fType & MFT_OWNERDRAW)) continue;
    const TMenuItem* item = FindItemByAddress(info.dwItemData);
    if (!item) continue;
    ours = true;
    if (wanted && item->Enabled() && !item->IsLine() && MenuAccelerator(item->Caption()) == wanted) {
      result = MAKELRESULT(i, MNC_EXECUTE);
      return true;
    }
  }
  if (ours) result = MAKELRESULT(0, MNC_IGNORE);
  return ours;
}

bool TMenu::DispatchDrawItem(const DRAWITEMSTRUCT& draw) {
  if (draw.CtlType != ODT_MENU) return false;
  TMenuItem* item = FindItemByAddress(draw.itemData);
  if (!item) return false;
  TCanvas canvas(draw.hDC);
  const int saved = SaveDC(draw.hDC);
  if (item->OnDrawItem) {
    item->OnDrawItem(item, canvas, draw.rcItem, draw.itemState);
  } else {
    item->DefaultDraw(canvas, draw.rcItem, draw.itemState);
  }
  canvas.SetHandle(nullptr);
  RestoreDC(draw.hDC, saved);
  return true;
}

bool TMenu::DispatchMeasureItem(MEASUREITEMSTRUCT& measure) {
  if (measure.CtlType != ODT_MENU) return false;
  TMenuItem* item = FindItemByAddress(measure.itemData);
  if (!item) return false;
  fw::UniqueDC dc = fw::CreateMemoryDC();
  TCanvas canvas(dc.get());
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  fw::UniqueFont font(CreateFontIndirectW(&metrics.lfMenuFont));
  fw::SelectGuard keep(dc.get(), font.get());
  int width = 0, height = 0;
  item->DefaultMeasure(canvas, width, height);
  if (item->OnMeasureItem) item->OnMeasureItem(item, canvas, width, height);
  canvas.SetHandle(nullptr);
  measure.itemWidth = static_cast<UINT>(std::max(width, 0));
  measure.itemHeight = static_cast<UINT>(std::max(height, 0));
  return true;
}

const TClassInfo& TMainMenu::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMainMenu>("TMainMenu", &TMenu::StaticClass()).Creatable().Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

// --- TPopupMenu -----------------------------------------------------------------------------

namespace {
constexpr wchar_t kPopupWindowClass[] = L"TPopupMenuWindow";
}

const TClassInfo& TPopupMenu::StaticClass() {
  static const TClassInfo info = TClassBuilder<TPopupMenu>("TPopupMenu", &TMenu::StaticClass())
                                     .Creatable()
                                     .Event("OnPopup", &TPopupMenu::OnPopup)
                                     .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {
  static const bool classRegistered = [] {
    WNDCLASSW cls{};
    cls.lpfnWndProc = &TPopupMenu::WindowProc;
    cls.hInstance = fw::CodeModule();
    cls.lpszClassName = kPopupWindowClass;
    return RegisterClassW(&cls) != 0;
  }();
  (void)classRegistered;
  window_.reset(CreateWindowExW(WS_EX_TOOLWINDOW, kPopupWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                nullptr, fw::CodeModule(), nullptr));
  if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TPopupMenu::~TPopupMenu() {
  if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
}

void TPopupMenu::Popup(int x, int y) {
  lastChosen_ = nullptr;
  if (OnPopup) OnPopup(this);
  Rebuild();
  if (!window_) return;
  // The hidden owner is not brought to the foreground: the window the menu belongs to stays active.
  TrackPopupMenu(Handle(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, window_.get(), nullptr);
  PostMessageW(window_.get(), WM_NULL, 0, 0);
  // The chosen command is posted; run it now so that it is done when Popup returns.
  MSG msg;
  while (PeekMessageW(&msg, window_.get(), WM_COMMAND, WM_COMMAND, PM_REMOVE)) DispatchMessageW(&msg);
}

LRESULT TPopupMenu::HandleCommand(WPARAM wParam) {
  if (HIWORD(wParam) != 0) return 0;
  lastChosen_ = FindItem(LOWORD(wParam));
  if (lastChosen_) lastChosen_->Click();
  return 0;
}

LRESULT TPopupMenu::HandleDrawItem(LPARAM lParam) {
  return DispatchDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
}

LRESULT TPopupMenu::HandleMeasureItem(LPARAM lParam) {
  return DispatchMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
}

LRESULT CALLBACK TPopupMenu::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TPopupMenu*>(GetWindowLongPtrW(wnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(wnd, msg, wParam, lParam);
  try {
    switch (msg) {
      case WM_COMMAND:
        return self->HandleCommand(wParam);
      case WM_DRAWITEM:
        return self->HandleDrawItem(lParam);
      case WM_MEASUREITEM:
        return self->HandleMeasureItem(lParam);
      case WM_MENUCHAR: {
        LRESULT result = 0;
        if (self->DispatchMenuChar(reinterpret_cast<HMENU>(lParam), LOWORD(wParam), result)) return result;
        return DefWindowProcW(wnd, msg, wParam, lParam);
      }
      default:
        return DefWindowProcW(wnd, msg, wParam, lParam);
    }
  } catch (...) {
    return 0;  // an event handler's error must not cross the system's menu loop
  }
}

namespace {
// Descriptions may name the menu classes before any code has used them.
const bool kMenuClassesRegistered =
    (TMenuItem::StaticClass(), TMainMenu::StaticClass(), TPopupMenu::StaticClass(), true);
}  // namespace
