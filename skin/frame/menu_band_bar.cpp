// TFrameMenuBand's bar: taking the native bar at activation and after menu changes, the native
// bar kept in the band, hot tracking of the bar items, keyboard access (keyboard-menu command,
// Alt+letter) and the native items drawn by the skin. Opening the drop-downs is
// menu_band_tracking.cpp's. UI thread of the window.
#include "framework/ui/form.h"
#include "skin/data/skin_data.h"
#include "skin/frame/frame_menu_band.h"

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
  const TFrameActivation& a = owner_.BandFacts();
  TSkinData* skin = owner_.BandSkin();
  TCustomForm* form = owner_.BandForm();
  bar_.reset();
  if (!nativeMenu_ || a.FormKind == fkMDIChild || a.BorderKind == bkNoBorder) return;
  if (!(skin->SkinControls() & Bit(xcMainMenu))) return;
  auto bar = std::make_unique<TWinSkinMenu>(owner_.BandWindow(), skin);
  bar->SetMenuComponent(form ? form->Menu() : nullptr);
  if (!bar->BuildButtons()) return;
  bar_ = std::move(bar);
  systemBar_ = false;
  owner_.BandHeightChanged(GetSystemMetrics(SM_CYMENU));
}

void TFrameMenuBand::SyncSystemBar() {
  const TFrameActivation& a = owner_.BandFacts();
  if (bar_ || a.FormKind == fkMDIChild || a.BorderKind == bkNoBorder) return;
  systemBar_ = GetMenu(owner_.BandWindow()) != nullptr && DrawMenuBarTempEntry() != nullptr;
  owner_.BandHeightChanged(systemBar_ ? GetSystemMetrics(SM_CYMENU) : 0);
}

void TFrameMenuBand::LayOutSystemBar(HDC dc, RECT band) {
  HWND window = owner_.BandWindow();
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
  HWND window = owner_.BandWindow();
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
  HWND window = owner_.BandWindow();
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
void TFrameMenuBand::AdoptNativeMenu(bool rebuild) {
  HWND window = owner_.BandWindow();
  HMENU menu = GetMenu(window);
  if (!menu || owner_.BandFacts().FormKind == fkMDIChild) return;
  nativeMenu_ = menu;
  if (!bar_) {
    CreateBar();
    SyncSystemBar();
    owner_.BandRefitFrame();  // the band takes its room from the client area
    return;
  }
  if (rebuild || bar_->NativeMenu() != menu) {
    TCustomForm* form = owner_.BandForm();
    bar_->SetMenuComponent(form ? form->Menu() : nullptr);
    bar_->BuildButtons();
  }
  if (GetMenu(window)) SetMenu(window, nullptr);
  owner_.BandRepaintFrame();
}

bool TFrameMenuBand::MeasureItem(MEASUREITEMSTRUCT& measure) {
  return (bar_ && bar_->MeasureNativeItem(measure)) || foreignItems_.Measure(measure);
}

bool TFrameMenuBand::DrawItem(const DRAWITEMSTRUCT& draw) {
  const bool rightToLeft = RightToLeft();
  return (bar_ && bar_->DrawNativeItem(draw, rightToLeft)) || foreignItems_.Draw(draw, rightToLeft);
}

bool TFrameMenuBand::MenuChar(HMENU menu, wchar_t key, LRESULT& result) {
  return (bar_ && bar_->MenuChar(menu, key, result)) || foreignItems_.MenuChar(menu, key, result);
}

}  // namespace quarnel
