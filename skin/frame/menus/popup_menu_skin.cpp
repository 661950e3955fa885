// TWinSkinPopMenu: attaching to a popup menu window, its replaced procedure (background erase,
// non-client paint and print from the MenuBackground element) and the list of live popup
// objects that owner-drawn items look their background up in. UI thread of the menu.
#include "skin/frame/menus/popup_menu_skin.h"

#include <algorithm>
#include <vector>

#include "framework/ui/private_messages.h"
#include "framework/win/handles.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {

constexpr int kMenuBorder = 3;              // the system's popup menu border on every side
constexpr DWORD kDcxUseStyle = 0x00010000;  // DCX_USESTYLE, missing from the headers

std::vector<TWinSkinPopMenu*>& Live() {
  static std::vector<TWinSkinPopMenu*> live;
  return live;
}

HDC MenuWindowDC(HWND window) {
  const TSkinModuleState& system = SkinModule();
  if (system.IsNTPlatform && SystemMajorVersion() > 4 && SystemMinorVersion() > 1) return GetWindowDC(window);
  // No update region is at hand here: intersecting with none would leave nothing to paint.
  return GetDCEx(window, nullptr, DCX_WINDOW | DCX_CACHE | kDcxUseStyle);
}

}  // namespace

TWinSkinPopMenu::TWinSkinPopMenu() {
  Live().push_back(this);
}

TWinSkinPopMenu::~TWinSkinPopMenu() {
  Detach();
  auto& live = Live();
  live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

const std::vector<TWinSkinPopMenu*>& TWinSkinPopMenu::LivePopups() {
  return Live();
}

TWinSkinPopMenu* TWinSkinPopMenu::OfWindow(HWND window) {
  for (TWinSkinPopMenu* popup : Live())
    if (popup->Window == window && window) return popup;
  return nullptr;
}

TWinSkinPopMenu* TWinSkinPopMenu::ForMenu(HMENU menu) {
  auto& live = Live();
  for (TWinSkinPopMenu* popup : live)
    if (popup->MenuHandle == menu && menu) return popup;
  for (auto it = live.rbegin(); it != live.rend(); ++it)
    if (!(*it)->MenuHandle) {
      (*it)->MenuHandle = menu;
      return *it;
    }
  return nullptr;
}

TWinSkinPopMenu* TWinSkinPopMenu::AssignItem(const void* item) {
  auto& live = Live();
  for (TWinSkinPopMenu* popup : live)
    if (popup->Item == item && item) return popup;
  for (auto it = live.rbegin(); it != live.rend(); ++it)
    if (!(*it)->Item) {
      (*it)->Item = item;
      return *it;
    }
  return nullptr;
}

TBitmap* TWinSkinPopMenu::BitmapOfItem(const void* item) {
  for (TWinSkinPopMenu* popup : Live())
    if (popup->Item == item && item && (popup->MenuBackgroundBitmap || popup->BuildBackground()))
      return popup->MenuBackgroundBitmap.get();
  return nullptr;
}

void TWinSkinPopMenu::Attach(HWND window, TSkinData* skinData, std::function<bool()> enabled) {
  Window = window;
  SkinData = skinData;
  MenuHandle = nullptr;
  enabled_ = std::move(enabled);
  subclass_.Install(window, [this](TMessage& m) { WindowProc(m); });
}

void TWinSkinPopMenu::Detach() {
  subclass_.Restore();
  MenuBackgroundBitmap.reset();
}

bool TWinSkinPopMenu::BuildBackground() {
  TDataSkinObject* element = SkinData && !SkinData->Empty() ? SkinData->MenuBackground.get() : nullptr;
  if (!element || element->Image.Empty() || !Window) return false;
  RECT r{};
  GetWindowRect(Window, &r);
  OffsetRect(&r, -r.left, -r.top);
  if (r.right <= 0 || r.bottom <= 0) return false;
  const SkinMargins margins{element->LeftWidth, element->TopHeight, element->RightWidth,
                            element->BottomHeight};
  MenuBackgroundBitmap = BuildSkinBitmap(r, element->Image, margins, false, element->Tile == 1, 1, 1);
  return MenuBackgroundBitmap != nullptr;
}

void TWinSkinPopMenu::WindowProc(TMessage& m) {
  if (m.Msg == SKM_QUERYSKINNED) {
    m.Result = 1;
    return;
  }
  if (enabled_ && !enabled_()) return subclass_.Default(m);
  switch (m.Msg) {
    case WM_DESTROY: {
      const WNDPROC previous = subclass_.Previous();
      const bool unicode = subclass_.Unicode();
      Detach();
      m.Result = unicode ? CallWindowProcW(previous, Window, m.Msg, m.WParam, m.LParam)
                         : CallWindowProcA(previous, Window, m.Msg, m.WParam, m.LParam);
      return;
    }
    case WM_ERASEBKGND:
      return HandleEraseBackground(m);
    case WM_NCPAINT:
      return HandleNCPaint(m);
    case WM_PAINT:
      subclass_.Default(m);
      PaintBorderBands();
      PaintBetweenItems();
      return;
    case WM_PRINT:
      return HandlePrint(m);
    default:
      return subclass_.Default(m);
  }
}

// With xoMenuBG the client area is left unerased so that the background painted with the frame
// shows between and behind the items.
void TWinSkinPopMenu::HandleEraseBackground(TMessage& m) {
  if (!SkinModule().IsNTPlatform) {
    m.Result = 0;
    return;
  }
  const bool keepBackground = SkinData && (SkinData->Options() & Bit(xoMenuBG));
  if (!keepBackground) subclass_.Default(m);
  m.Result = 1;
}

void TWinSkinPopMenu::HandleNCPaint(TMessage& m) {
  if (m.WParam != 1 || !BuildBackground()) return subclass_.Default(m);
  HDC dc = MenuWindowDC(Window);
  if (!dc) return subclass_.Default(m);
  CopyBorderBands(dc);
  BitBlt(dc, 0, 0, MenuBackgroundBitmap->Width(), MenuBackgroundBitmap->Height(), MenuBackgroundBitmap->DC(),
         0, 0, SRCCOPY);
  ReleaseDC(Window, dc);
  m.Result = 0;
}

// The border bands first, so the frame is complete even when a whole copy is clipped.
void TWinSkinPopMenu::CopyBorderBands(HDC dc) {
  const int w = MenuBackgroundBitmap->Width(), h = MenuBackgroundBitmap->Height();
  HDC source = MenuBackgroundBitmap->DC();
  BitBlt(dc, 0, 0, w, kMenuBorder, source, 0, 0, SRCCOPY);
  BitBlt(dc, 0, h - kMenuBorder, w, kMenuBorder, source, 0, h - kMenuBorder, SRCCOPY);
  BitBlt(dc, 0, 0, kMenuBorder, h, source, 0, 0, SRCCOPY);
  BitBlt(dc, w - kMenuBorder, 0, kMenuBorder, h, source, w - kMenuBorder, 0, SRCCOPY);
}

// Where the system draws the menu's border in its client paint (Wine's popup menus have no
// non-client area), the skin's border goes back over it once the items are painted.
void TWinSkinPopMenu::PaintBorderBands() {
  if (!MenuBackgroundBitmap && !BuildBackground()) return;
  HDC dc = MenuWindowDC(Window);
  if (!dc) return;
  CopyBorderBands(dc);
  ReleaseDC(Window, dc);
}

// With xoMenuBG the picture shows wherever no item stands. The system's client paint may fill
// its whole client area first (Wine's does), so the picture goes back there after it.
void TWinSkinPopMenu::PaintBetweenItems() {
  if (!SkinData || !(SkinData->Options() & Bit(xoMenuBG))) return;
  if (!MenuBackgroundBitmap && !BuildBackground()) return;
  HMENU menu = reinterpret_cast<HMENU>(SendMessageW(Window, MN_GETHMENU, 0, 0));
  RECT client{};
  if (!menu || !GetClientRect(Window, &client)) return;
  // The border is the same picture, so the whole client area may take it.
  fw::UniqueRegion open(CreateRectRgnIndirect(&client));
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
    RECT item{};
    if (!GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &item)) continue;
    MapWindowPoints(nullptr, Window, reinterpret_cast<POINT*>(&item), 2);
    // A menu scrolled by the system has arrows where items run out of room: left to it.
    if (item.top < client.top || item.bottom > client.bottom) return;
    fw::UniqueRegion covered(CreateRectRgnIndirect(&item));
    CombineRgn(open.get(), open.get(), covered.get(), RGN_DIFF);
  }
  HDC dc = GetDC(Window);
  if (!dc) return;
  SelectClipRgn(dc, open.get());
  const POINT offset = ClientOffset();
  BitBlt(dc, 0, 0, client.right, client.bottom, MenuBackgroundBitmap->DC(), offset.x, offset.y, SRCCOPY);
  SelectClipRgn(dc, nullptr);
  ReleaseDC(Window, dc);
}

POINT TWinSkinPopMenu::ClientOffset() const {
  POINT origin{0, 0};
  RECT window{};
  if (!ClientToScreen(Window, &origin) || !GetWindowRect(Window, &window))
    return POINT{kMenuBorder, kMenuBorder};
  return POINT{origin.x - window.left, origin.y - window.top};
}

// Menu animations print the window into a bitmap: the skin picture first, then the system
// prints the items inside the border on top of it.
void TWinSkinPopMenu::HandlePrint(TMessage& m) {
  if (!BuildBackground()) return subclass_.Default(m);
  HDC dc = reinterpret_cast<HDC>(m.WParam);
  const int w = MenuBackgroundBitmap->Width(), h = MenuBackgroundBitmap->Height();
  BitBlt(dc, 0, 0, w, h, MenuBackgroundBitmap->DC(), 0, 0, SRCCOPY);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  fw::UniqueRegion clip(CreateRectRgn(kMenuBorder, kMenuBorder, w - kMenuBorder, h - kMenuBorder));
  SelectClipRgn(dc, clip.get());
  subclass_.Default(m);
  SelectClipRgn(dc, nullptr);
  SetBkMode(dc, oldMode);
}

}  // namespace quarnel
