// TFrameMenuBand's bar: taking the native bar at activation and after menu changes, the native
// bar kept in the band, hot tracking of the bar items, keyboard access (keyboard-menu command,
// Alt+letter) and the native items drawn by the skin. Opening the drop-downs is
// menu_band_tracking.cpp's. UI thread of the window.
#include "framework/ui/form.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_menu_band.h"
#include "skin/frame/frame_registry.h"

namespace quarnel {

namespace {

using DrawMenuBarTempProc = DWORD(WINAPI*)(HWND, HDC, LPRECT, HMENU, HFONT);

// The system's drawing of a menu bar at a place of the caller's choosing (not in every system's
// headers, so looked up).
DrawMenuBarTempProc DrawMenuBarTempEntry() {
  static const auto entry = reinterpret_cast<DrawMenuBarTempProc>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "DrawMenuBarTemp")));
  return entry;
}

bool OnlyAltDown() {
  return GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
}

}  // namespace

void TFrameMenuBand::CreateBar() {
  const TFrameActivation& a = view_.Facts();
  TSkinData* skin = view_.Skin();
  TCustomForm* form = view_.Form();
  bar_.reset();
  if (!nativeMenu_ || a.FormKind == fkMDIChild || a.BorderKind == bkNoBorder) return;
  if (!(skin->SkinControls() & Bit(xcMainMenu))) return;
  auto bar = std::make_unique<TWinSkinMenu>(view_.Window(), skin);
  bar->SetMenuComponent(form ? form->Menu() : nullptr);
  if (!bar->BuildButtons()) return;
  bar_ = std::move(bar);
  systemBar_ = false;
  owner_.BandHeightChanged(GetSystemMetrics(SM_CYMENU));
}

void TFrameMenuBand::SyncSystemBar() {
  const TFrameActivation& a = view_.Facts();
  if (bar_ || a.FormKind == fkMDIChild || a.BorderKind == bkNoBorder) return;
  systemBar_ = GetMenu(view_.Window()) != nullptr && DrawMenuBarTempEntry() != nullptr;
  owner_.BandHeightChanged(systemBar_ ? GetSystemMetrics(SM_CYMENU) : 0);
}

void TFrameMenuBand::RenewBandHeight() {
  if (bar_ || systemBar_) owner_.BandHeightChanged(GetSystemMetrics(SM_CYMENU));
}

void TFrameMenuBand::LayOutSystemBar(HDC dc, RECT band) {
  HWND window = view_.Window();
  HMENU menu = GetMenu(window);
  const DrawMenuBarTempProc draw = DrawMenuBarTempEntry();
  if (!systemBar_ || !menu || !draw || !dc || band.right <= band.left) return;
  // The system lays a bar out afresh only after one of its items changed (an item set as it is
  // will do): then its items stand in the band, where the system also tracks the pointer over
  // them and opens their drop-downs.
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STATE;
  if (GetMenuItemInfoW(menu, 0, TRUE, &info)) SetMenuItemInfoW(menu, 0, TRUE, &info);
  draw(window, dc, &band, menu, nullptr);
}

void TFrameMenuBand::FreeBar() {
  if (!bar_) return;
  AbandonTracking();
  bar_->GiveBack();
  bar_.reset();
  owner_.BandHeightChanged(0);
}

void TFrameMenuBand::GiveBackNativeMenu() {
  HWND window = view_.Window();
  if (nativeMenu_ && GetMenu(window) != nativeMenu_) SetMenu(window, nativeMenu_);
}

void TFrameMenuBand::DestroyWithWindow() {
  if (!bar_) return;
  if (!bar_->MenuComponent()) DestroyMenu(bar_->NativeMenu());
  bar_.reset();
  nativeMenu_ = nullptr;
}

// The item under the pointer is hot; the one that was hot before goes back to normal.
bool TFrameMenuBand::MouseMove(POINT framePoint) {
  if (!bar_) return false;
  const TMenuBtn* hot = tracking_ ? nullptr : bar_->ButtonAt(framePoint);
  // An item shown open stays so.
  bar_->ShowStates([hot](const TMenuBtn& button) { return button.State == 2 ? 2 : &button == hot ? 3 : 1; });
  return hot != nullptr;
}

// Alt+letter and F10 reach the window as its keyboard-menu command (Alt+Space is the frame's).
bool TFrameMenuBand::KeyMenu(wchar_t key, LRESULT& result) {
  if (tracking_ || GetCapture()) return false;
  if (!bar_ || key == L' ' || key == L'-') return false;
  // A letter opens its item only with Alt alone: Shift or Ctrl held too, the key is not the
  // bar's (the command is also sent without any key down, by programs, so Alt is not asked for).
  if (key != 0 && (GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0)) {
    result = 0;
    return true;
  }
  TMenuBtn* button = key == 0 ? bar_->FirstButton() : bar_->ButtonWithAccelerator(key);
  if (!button && key != 0) return false;
  if (button) OpenButton(button);
  result = 1;
  return true;
}

void TFrameMenuBand::PostPress(const TMenuBtn& button) {
  HWND window = view_.Window();
  RECT outer{};
  GetWindowRect(window, &outer);
  const POINT at{outer.left + button.Rect.left + 1, outer.top + button.Rect.top + 1};
  PostMessageW(window, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(at.x, at.y));
}

bool TFrameMenuBand::ChildKeyMenu(wchar_t key) {
  if (!bar_ || tracking_ || GetCapture() || key == 0 || key == L' ' || key == L'-') return false;
  const bool onlyAlt = OnlyAltDown();
  TMenuBtn* button = bar_->ButtonWithAccelerator(key);
  if (!button || !onlyAlt) return false;
  PostPress(*button);
  return true;
}

bool TFrameMenuBand::DialogChar(wchar_t key, LRESULT& result) {
  const bool onlyAlt = OnlyAltDown();
  if (!bar_ || tracking_) return false;
  TMenuBtn* button = bar_->ButtonWithAccelerator(key);
  if (button && onlyAlt) {
    PostPress(*button);
    result = 1;
  }
  return true;
}

// A menu put back on the window is read into the skinned bar (always when its handle is a new
// one: the old one is gone with its items) and taken off the window again; a window that had
// no bar gets one.
void TFrameMenuBand::ShowFrameMenuAgain() {
  view_.Skin()->SetMenuUpdate(savedMenuUpdate_);
  if (!bar_) return;
  bar_->BuildButtons();
  owner_.PaintFrame(nullptr);
}

void TFrameMenuBand::AdoptNativeMenu(bool rebuild) {
  HWND window = view_.Window();
  HMENU menu = GetMenu(window);
  if (!menu || view_.Facts().FormKind == fkMDIChild) return;
  nativeMenu_ = menu;
  if (!bar_) {
    CreateBar();
    SyncSystemBar();
    owner_.RefreshFrame();  // the band takes its room from the client area
    return;
  }
  if (rebuild || bar_->NativeMenu() != menu) {
    TCustomForm* form = view_.Form();
    bar_->SetMenuComponent(form ? form->Menu() : nullptr);
    bar_->BuildButtons();
  }
  if (GetMenu(window)) SetMenu(window, nullptr);
  owner_.PaintFrame(nullptr);
}

// A menu about to be shown for this window that no menu component of ours draws: its items
// become the skin's until the menu loop ends, when the kind of menu is skinned at all.
void TFrameMenuBand::TakeForeignMenu(HMENU menu, bool windowMenu) {
  if (!menu || !view_.Facts().FrameEnabled || !view_.Skin() || view_.Skin()->Empty()) return;
  if (view_.Form() && !windowMenu) return;  // a form's own menus are drawn through their components
  const TSkinControlSet kinds = windowMenu ? Bit(xcSystemMenu) : Bit(xcMainMenu) | Bit(xcMenuItem);
  if (!(view_.Skin()->SkinControls() & kinds)) return;
  foreignItems_.DrawIn(view_.Skin(), nullptr);
  foreignItems_.OwnerDraw(menu, false);
}

bool TFrameMenuBand::OnInitMenuPopup(TMessage& m, HMENU menu, bool systemMenu, HMENU windowMenu) {
  const bool isWindowMenu = systemMenu || menu == windowMenu;
  if (TFrameRegistry* manager = FrameRegistry())
    manager->SetPopupKind(isWindowMenu ? pkWindowMenu : pkMenuBarDropDown);
  view_.Default(m);
  TakeForeignMenu(menu, isWindowMenu);  // as its program has just prepared it
  return true;
}

bool TFrameMenuBand::OnMeasureItem(TMessage& m, UINT control, MEASUREITEMSTRUCT& measure) {
  if (control != 0) return false;
  if (!(bar_ && bar_->MeasureNativeItem(measure)) && !foreignItems_.Measure(measure)) return false;
  m.Result = TRUE;
  return true;
}

bool TFrameMenuBand::OnDrawItem(TMessage& m, UINT control, const DRAWITEMSTRUCT& draw) {
  if (control != 0) return false;
  const bool rightToLeft = RightToLeft();
  if (!(bar_ && bar_->DrawNativeItem(draw, rightToLeft)) && !foreignItems_.Draw(draw, rightToLeft))
    return false;
  m.Result = TRUE;
  return true;
}

bool TFrameMenuBand::OnMenuChar(TMessage& m, wchar_t key, HMENU menu) {
  return (bar_ && bar_->MenuChar(menu, key, m.Result)) || foreignItems_.MenuChar(menu, key, m.Result);
}

bool TFrameMenuBand::OnExitMenuLoop(TMessage& m) {
  view_.Default(m);
  RestoreForeignMenus();
  return true;
}

bool TFrameMenuBand::OnUpdateUiState(TMessage& m) {
  view_.Default(m);
  const WORD action = LOWORD(m.WParam), cues = HIWORD(m.WParam);
  if (!bar_ || !(cues & UISF_HIDEACCEL) || (action != UIS_SET && action != UIS_CLEAR)) return true;
  if (bar_->SetAcceleratorsHidden(action == UIS_SET) && view_.FrameDrawn())
    RedrawWindow(view_.Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
  return true;
}

bool TFrameMenuBand::OnMenuChanged(TMessage& m) {
  if (!view_.FrameDrawn()) return false;
  const bool painting = view_.Skin()->FramePainting();
  view_.Skin()->SetFramePainting(false);
  view_.Default(m);
  view_.Skin()->SetFramePainting(painting);
  hooks_.HookMainMenus(true);  // items added since are drawn by the skin too
  AdoptNativeMenu(view_.Skin()->MenuUpdate());
  return true;
}

}  // namespace quarnel
