// TWinSkinPopMenu: attaching to a popup menu window, its replaced procedure (background erase,
// non-client paint and print from the MenuBackground element) and the list of live popup
// objects that owner-drawn items look their background up in. UI thread of the menu.
#include "skin/frame/menus/popup_menu_skin.h"

#include <algorithm>
#include <vector>

#include "framework/win/handles.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"

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

TWinSkinPopMenu* TWinSkinPopMenu::OfWindow(HWND window) {
  for (TWinSkinPopMenu* popup : Live())
    if (popup->window_ == window && window) return popup;
  return nullptr;
}

TWinSkinPopMenu* TWinSkinPopMenu::AssignItem(const void* item) {
  auto& live = Live();
  for (TWinSkinPopMenu* popup : live)
    if (popup->item_ == item && item) return popup;
  for (auto it = live.rbegin(); it != live.rend(); ++it)
    if (!(*it)->item_) {
      (*it)->item_ = item;
      return *it;
    }
  return nullptr;
}

TBitmap* TWinSkinPopMenu::BitmapOfItem(const void* item) {
  for (TWinSkinPopMenu* popup : Live())
    if (popup->item_ == item && item) return popup->Background();
  return nullptr;
}

void TWinSkinPopMenu::Attach(HWND window, TSkinData* skinData, std::function<bool()> enabled) {
  window_ = window;
  skinData_ = skinData;
  enabled_ = std::move(enabled);
  subclass_.Install(window, [this](TMessage& m) { WindowProc(m); });
}

void TWinSkinPopMenu::Detach() {
  subclass_.Restore();
  background_.reset();
}

bool TWinSkinPopMenu::BuildBackground() {
  TDataSkinObject* element = skinData_ && !skinData_->Empty() ? skinData_->MenuBackground.get() : nullptr;
  if (!element || element->Image.Empty() || !window_) return false;
  RECT r{};
  GetWindowRect(window_, &r);
  OffsetRect(&r, -r.left, -r.top);
  if (r.right <= 0 || r.bottom <= 0) return false;
  const SkinMargins margins{element->LeftWidth, element->TopHeight, element->RightWidth,
                            element->BottomHeight};
  background_ = BuildSkinBitmap(r, element->Image, margins, false, element->Tile == 1, 1, 1);
  return background_ != nullptr;
}

TBitmap* TWinSkinPopMenu::Background() {
  return background_ || BuildBackground() ? background_.get() : nullptr;
}

void TWinSkinPopMenu::WindowProc(TMessage& m) {
  const auto previous = [this, &m] { subclass_.Default(m); };
  if (m.Msg == SKM_QUERYSKINNED) {
    m.Result = 1;
    return;
  }
  if (enabled_ && !enabled_()) return subclass_.Default(m);
  bool handled = false;
  switch (m.Msg) {
    case WM_DESTROY:
      return DetachAndForward(m);
    case WM_ERASEBKGND:
      handled = OnEraseBackground(previous, m.Result);
      break;
    case WM_NCPAINT:
      handled = OnNcPaint(m.WParam);
      break;
    case WM_PAINT:
      previous();
      return OnPainted();
    case WM_PRINT:
      handled = OnPrint(reinterpret_cast<HDC>(m.WParam), previous);
      break;
    default:
      break;
  }
  if (!handled) subclass_.Default(m);
}

void TWinSkinPopMenu::DetachAndForward(TMessage& m) {
  const WNDPROC previous = subclass_.Previous();
  const bool unicode = subclass_.Unicode();
  Detach();
  m.Result = unicode ? CallWindowProcW(previous, window_, m.Msg, m.WParam, m.LParam)
                     : CallWindowProcA(previous, window_, m.Msg, m.WParam, m.LParam);
}

// With xoMenuBG the client area is left unerased so that the background painted with the frame
// shows between and behind the items.
bool TWinSkinPopMenu::OnEraseBackground(const std::function<void()>& previous, LRESULT& result) {
  if (!SkinModule().IsNTPlatform) return true;  // answered 0: not erased
  const bool keepBackground = skinData_ && (skinData_->Options() & Bit(xoMenuBG));
  if (!keepBackground) previous();
  result = 1;
  return true;
}

// Only a paint of the whole frame (region 1) is the skin's.
bool TWinSkinPopMenu::OnNcPaint(WPARAM region) {
  if (region != 1 || !BuildBackground()) return false;
  HDC dc = MenuWindowDC(window_);
  if (!dc) return false;
  CopyBorderBands(dc);
  BitBlt(dc, 0, 0, background_->Width(), background_->Height(), background_->DC(), 0, 0, SRCCOPY);
  ReleaseDC(window_, dc);
  return true;
}

void TWinSkinPopMenu::OnPainted() {
  PaintBorderBands();
  PaintBetweenItems();
}

// The border bands first, so the frame is complete even when a whole copy is clipped.
void TWinSkinPopMenu::CopyBorderBands(HDC dc) {
  const int w = background_->Width(), h = background_->Height();
  HDC source = background_->DC();
  BitBlt(dc, 0, 0, w, kMenuBorder, source, 0, 0, SRCCOPY);
  BitBlt(dc, 0, h - kMenuBorder, w, kMenuBorder, source, 0, h - kMenuBorder, SRCCOPY);
  BitBlt(dc, 0, 0, kMenuBorder, h, source, 0, 0, SRCCOPY);
  BitBlt(dc, w - kMenuBorder, 0, kMenuBorder, h, source, w - kMenuBorder, 0, SRCCOPY);
}

// Where the system draws the menu's border in its client paint (Wine's popup menus have no
// non-client area), the skin's border goes back over it once the items are painted.
void TWinSkinPopMenu::PaintBorderBands() {
  if (!background_ && !BuildBackground()) return;
  HDC dc = MenuWindowDC(window_);
  if (!dc) return;
  CopyBorderBands(dc);
  ReleaseDC(window_, dc);
}

// With xoMenuBG the picture shows wherever no item stands. The system's client paint may fill
// its whole client area first (Wine's does), so the picture goes back there after it.
void TWinSkinPopMenu::PaintBetweenItems() {
  if (!skinData_ || !(skinData_->Options() & Bit(xoMenuBG))) return;
  if (!background_ && !BuildBackground()) return;
  HMENU menu = reinterpret_cast<HMENU>(SendMessageW(window_, MN_GETHMENU, 0, 0));
  RECT client{};
  if (!menu || !GetClientRect(window_, &client)) return;
  // The border is the same picture, so the whole client area may take it.
  fw::UniqueRegion open(CreateRectRgnIndirect(&client));
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
    RECT item{};
    if (!GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &item)) continue;
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&item), 2);
    // A menu scrolled by the system has arrows where items run out of room: left to it.
    if (item.top < client.top || item.bottom > client.bottom) return;
    fw::UniqueRegion covered(CreateRectRgnIndirect(&item));
    CombineRgn(open.get(), open.get(), covered.get(), RGN_DIFF);
  }
  HDC dc = GetDC(window_);
  if (!dc) return;
  SelectClipRgn(dc, open.get());
  const POINT offset = ClientOffset();
  BitBlt(dc, 0, 0, client.right, client.bottom, background_->DC(), offset.x, offset.y, SRCCOPY);
  SelectClipRgn(dc, nullptr);
  ReleaseDC(window_, dc);
}

POINT TWinSkinPopMenu::ClientOffset() const {
  POINT origin{0, 0};
  RECT window{};
  if (!ClientToScreen(window_, &origin) || !GetWindowRect(window_, &window))
    return POINT{kMenuBorder, kMenuBorder};
  return POINT{origin.x - window.left, origin.y - window.top};
}

// Menu animations print the window into a bitmap: the skin picture first, then the system
// prints the items inside the border on top of it.
bool TWinSkinPopMenu::OnPrint(HDC dc, const std::function<void()>& previous) {
  if (!BuildBackground()) return false;
  const int w = background_->Width(), h = background_->Height();
  BitBlt(dc, 0, 0, w, h, background_->DC(), 0, 0, SRCCOPY);
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  fw::UniqueRegion clip(CreateRectRgn(kMenuBorder, kMenuBorder, w - kMenuBorder, h - kMenuBorder));
  SelectClipRgn(dc, clip.get());
  previous();
  SelectClipRgn(dc, nullptr);
  SetBkMode(dc, oldMode);
  return true;
}

}  // namespace quarnel
