// TFrameMenuBand's menu mode on its skinned bar: an item's drop-down opened under it with the
// system's popup tracking, a message-filter hook that moves the open drop-down from item to item
// with the arrow keys and the pointer, and the frame's own loop for the time the hot item has no
// drop-down to show (an item that is a command, or a disabled one). A band that goes while the
// menu is open ends the loop first. UI thread of the window.
#include "skin/data/draw/platform.h"
#include "skin/frame/frame_menu_band.h"
#include "skin/frame/frame_registry.h"
#include "skin/frame/menus/menu_bar.h"

namespace quarnel {

namespace {

// The drop-down tracking of the one menu loop that can run at a time (it is modal).
struct TrackState {
  fw::UniqueHook Hook;
  TFrameMenuBand* Band = nullptr;
  int CurrentIndex = -1;
  int NextIndex = -1;  // the bar item to open once the present drop-down has closed
  bool Started = false;
  bool Abandoned = false;  // the band went during the loop: nothing of it may be touched
  POINT LastPointer{};
};
TrackState track;

struct OpenMenus {
  int Depth = 0;         // popup menu windows of this thread on screen
  int OpenBranches = 0;  // of their menus, those whose selected item has a submenu
};

BOOL CALLBACK CountMenu(HWND window, LPARAM data) {
  auto& open = *reinterpret_cast<OpenMenus*>(data);
  if (!IsWindowVisible(window) || WindowClassName(window) != "#32768") return TRUE;
  ++open.Depth;
  HMENU menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i)
    if ((GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_HILITE) && GetSubMenu(menu, i))
      ++open.OpenBranches;
  return TRUE;
}

OpenMenus CountOpenMenus() {
  OpenMenus open;
  EnumThreadWindows(GetCurrentThreadId(), &CountMenu, reinterpret_cast<LPARAM>(&open));
  return open;
}

bool Reachable(const TMenuBtn& button) {
  return button.Visible && !button.Caption.empty();
}

bool Openable(const TMenuBtn& button) {
  return button.ItemEnabled && button.SubMenu;
}

// The next item the keyboard reaches from `from` (step +1 or -1, wrapping round); disabled items
// are passed over. -1 when there is none.
int KeyboardNeighbour(const std::vector<TMenuBtn>& buttons, int from, int step) {
  const int count = static_cast<int>(buttons.size());
  for (int i = 1; i < count; ++i) {
    const int at = ((from + step * i) % count + count) % count;
    if (Reachable(buttons[static_cast<size_t>(at)]) && buttons[static_cast<size_t>(at)].ItemEnabled)
      return at;
  }
  return -1;
}

// Left leaves the drop-down for the previous bar item only from the drop-down's own level;
// right goes to the next one unless the selected item opens a submenu.
int ArrowTarget(const std::vector<TMenuBtn>& buttons, WPARAM key) {
  const OpenMenus open = CountOpenMenus();
  if (key == VK_LEFT && open.Depth <= 1) return KeyboardNeighbour(buttons, track.CurrentIndex, -1);
  if (key == VK_RIGHT && open.OpenBranches < open.Depth)
    return KeyboardNeighbour(buttons, track.CurrentIndex, 1);
  return -1;
}

WPARAM ReadingKey(WPARAM key, bool rightToLeft) {
  if (!rightToLeft) return key;
  if (key == VK_LEFT) return VK_RIGHT;
  if (key == VK_RIGHT) return VK_LEFT;
  return key;
}

LRESULT CALLBACK TrackHookProc(int code, WPARAM wParam, LPARAM lParam) {
  auto* msg = reinterpret_cast<MSG*>(lParam);
  TFrameMenuBand* band = track.Band;
  if (band && msg && msg->message == WM_KEYDOWN) msg->wParam = ReadingKey(msg->wParam, band->RightToLeft());
  const LRESULT next = CallNextHookEx(track.Hook.get(), code, wParam, lParam);
  if (next || code != MSGF_MENU || !band || !band->Bar() || !msg) return next;
  if (!track.Started) {
    track.Started = true;
    PostMessageW(msg->hwnd, WM_KEYDOWN, VK_DOWN, 0);  // the drop-down opens on its first item
  }
  const std::vector<TMenuBtn>& buttons = band->Bar()->Buttons();
  int target = -1;
  switch (msg->message) {
    case WM_KEYDOWN:
      if (msg->wParam == VK_LEFT || msg->wParam == VK_RIGHT) target = ArrowTarget(buttons, msg->wParam);
      break;
    case WM_MOUSEMOVE:
      if (msg->pt.x != track.LastPointer.x || msg->pt.y != track.LastPointer.y) {
        if (TMenuBtn* under = band->Bar()->ButtonAt(band->FramePoint(msg->pt))) target = under->Index;
        track.LastPointer = msg->pt;
      }
      break;
    default:
      break;
  }
  if (target < 0 || target == track.CurrentIndex) return 0;
  // The system's loop ends and OpenButton goes on with the other item when it returns.
  track.NextIndex = target;
  EndMenu();
  return 1;
}

bool IsPress(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
      return true;
    default:
      return false;
  }
}

bool IsEatenInput(UINT message) {
  switch (message) {
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCMOUSEMOVE:
      return true;
    default:
      return false;
  }
}

}  // namespace

void TFrameMenuBand::ShowOpenItem(int index) {
  if (!bar_) return;
  bar_->ShowStates([index](const TMenuBtn& button) { return button.Index == index ? 2 : 1; });
}

bool TFrameMenuBand::OpenButton(TMenuBtn* button) {
  HWND hwnd = view_.Window();
  if (!button || !bar_) return false;
  // An item without a drop-down is a command of its own; one with a drop-down carries none.
  if (!button->SubMenu) {
    PostMessageW(hwnd, WM_COMMAND, button->Command, 0);
    return false;
  }
  if (track.Band) return false;  // a drop-down is open already
  int index = button->Index;
  tracking_ = true;
  track = TrackState{};
  track.Band = this;
  track.Hook.reset(SetWindowsHookExW(WH_MSGFILTER, &TrackHookProc, nullptr, GetCurrentThreadId()));
  while (bar_ && index >= 0 && index < static_cast<int>(bar_->Buttons().size())) {
    track.CurrentIndex = index;
    track.NextIndex = -1;
    track.Started = false;
    GetCursorPos(&track.LastPointer);
    ShowOpenItem(index);
    const TMenuBtn& open = bar_->Buttons()[static_cast<size_t>(index)];
    if (Openable(open)) {
      if (TFrameRegistry* manager = FrameRegistry()) manager->SetPopupKind(pkMenuBarDropDown);
      RECT window{};
      GetWindowRect(hwnd, &window);
      const int x = window.left + (RightToLeft() ? open.Rect.right : open.Rect.left);
      const int y = window.top + open.Rect.bottom;
      HMENU dropDown = open.SubMenu;
      bar_->OwnerDrawDropDown(dropDown);
      TrackPopupMenu(dropDown, TPM_RIGHTBUTTON | (RightToLeft() ? TPM_RIGHTALIGN : 0), x, y, 0, hwnd,
                     nullptr);
      if (track.Abandoned) return true;  // this band is gone
      if (bar_) bar_->RestoreDropDown();
    } else {
      track.NextIndex = BarLoop(index);
      if (track.Abandoned) return true;
    }
    index = track.NextIndex;
  }
  EndTracking();
  POINT cursor{};
  GetCursorPos(&cursor);
  MouseMove(FramePoint(cursor));
  return true;
}

void TFrameMenuBand::EndTracking() {
  if (track.Band != this) return;
  track.Hook.reset();
  track = TrackState{};
  tracking_ = false;
  ShowOpenItem(-1);
}

void TFrameMenuBand::AbandonTracking() {
  if (track.Band != this) return;
  // The drop-down's items are given back before the menu is, so that the system draws them.
  if (bar_) bar_->RestoreDropDown();
  track.Hook.reset();
  track = TrackState{};
  track.Abandoned = true;
  tracking_ = false;
  if (GetCapture() == view_.Window()) ReleaseCapture();
  EndMenu();
}

// Menu mode while the hot item shows no drop-down: the arrows move the hot item (passing over
// disabled ones), the pointer makes the item under it hot, a press or Enter on a command posts
// it, Escape, Alt or a press elsewhere ends the mode. The result is the item whose drop-down
// opens next, or -1.
int TFrameMenuBand::BarLoop(int index) {
  HWND hwnd = view_.Window();
  SetCapture(hwnd);
  int hot = index;
  int next = -1;
  bool done = false;
  POINT last = track.LastPointer;
  auto moveTo = [&](int target) {
    if (target < 0 || target == hot) return;
    if (Openable(bar_->Buttons()[static_cast<size_t>(target)])) {
      next = target;
      done = true;
      return;
    }
    hot = target;
    track.CurrentIndex = target;
    ShowOpenItem(target);
  };
  auto choose = [&](const TMenuBtn* button) {
    if (!button) return;
    if (Openable(*button)) {
      next = button->Index;
    } else if (!button->SubMenu) {
      if (button->ItemEnabled) PostMessageW(hwnd, WM_COMMAND, button->Command, 0);
    } else {
      return;  // a disabled item with a drop-down: nothing to open, nothing to post
    }
    done = true;
  };
  while (!done) {
    if (GetCapture() != hwnd) break;  // the mouse went elsewhere (cancel mode, another window)
    MSG msg{};
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
      const std::vector<TMenuBtn>& buttons = bar_->Buttons();
      const WPARAM key = ReadingKey(msg.wParam, RightToLeft());
      if (key == VK_LEFT || key == VK_RIGHT) {
        moveTo(KeyboardNeighbour(buttons, hot, key == VK_LEFT ? -1 : 1));
      } else if (key == VK_ESCAPE || key == VK_MENU || key == VK_F10) {
        done = true;
      } else if (key == VK_RETURN || key == VK_DOWN) {
        choose(&buttons[static_cast<size_t>(hot)]);
      } else if (const UINT ch = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_CHAR); ch) {
        choose(bar_->ButtonWithAccelerator(static_cast<wchar_t>(ch & 0xFFFF)));
      }
    } else if (msg.message == WM_MOUSEMOVE) {
      if (msg.pt.x != last.x || msg.pt.y != last.y) {
        last = msg.pt;
        // The pointer may rest on a disabled item, which the keyboard passes over.
        if (TMenuBtn* under = bar_->ButtonAt(FramePoint(msg.pt))) moveTo(under->Index);
      }
    } else if (IsPress(msg.message)) {
      TMenuBtn* under = bar_->ButtonAt(FramePoint(msg.pt));
      if (!under)
        done = true;
      else if (msg.message == WM_LBUTTONDOWN || msg.message == WM_NCLBUTTONDOWN)
        choose(under);
    } else if (!IsEatenInput(msg.message)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
      if (track.Abandoned) return -1;  // this band went meanwhile
    }
    if (!bar_) break;
  }
  if (GetCapture() == hwnd) ReleaseCapture();
  return next;
}

}  // namespace quarnel
