// TSkinComBox: attaching to a combo box (its list's scroll bar skinned, the edit part of an
// 8-bit window followed), the button's hot, pressed and dropped states from the combo's
// messages, and detaching. Drawing: skin_combox_paint.cpp. UI thread.
#include "framework/ui/private_messages.h"
#include "framework/win/handles.h"
#include "skin/controls/combox_scrollbar.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/data/draw/optional_user_api.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"

namespace quarnel {

TSkinComBox::~TSkinComBox() {
  innerSubclass_.Restore();
}

bool TSkinComBox::QueryInfo() {
  auto query = OptionalUserApi().GetComboBoxInfo;
  info_ = COMBOBOXINFO{};
  info_.cbSize = sizeof info_;
  haveInfo_ = query && Window() && query(Window(), &info_);
  return haveInfo_;
}

TSkinControl* TSkinComBox::ListSkin() const {
  if (listBar_) return listBar_;
  return simpleListBar_;
}

void TSkinComBox::Notification(TComponent* component, TOperation operation) {
  TSkinControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == listBar_) listBar_ = nullptr;
  if (component == simpleListBar_) simpleListBar_ = nullptr;
}

void TSkinComBox::Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor,
                         TCanvas* sharedCanvas) {
  if (Attachment().Attached()) return;
  TSkinControl::Attach(host, skinData, useSkinColor, sharedCanvas);
  if (Attachment().Attached()) AttachParts(true);
}

void TSkinComBox::AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host,
                               TCanvas* sharedCanvas) {
  if (Attachment().Attached()) return;
  TSkinControl::AttachHandle(window, skinData, host, sharedCanvas);
  if (Attachment().Attached()) AttachParts(skinListOfWindow_);
}

void TSkinComBox::AttachParts(bool withListSkin) {
  style_ = static_cast<DWORD>(Binding().WindowLong(GWL_STYLE));
  exStyle_ = static_cast<DWORD>(Binding().WindowLong(GWL_EXSTYLE));
  if ((style_ & 3) != CBS_SIMPLE || (style_ & CBS_DROPDOWN)) {
    if ((style_ & CBS_DROPDOWN) && QueryInfo() && withListSkin && info_.hwndList) {
      listBar_ = TComponent::CreateIn<TComboxScrollBar>(this);
      listBar_->AttachHandle(info_.hwndList, SkinData(), Binding().Host(), Binding().SharedCanvas());
    }
    HWND edit = GetWindow(Window(), GW_CHILD);
    if (!Binding().UnicodeWindow() && edit &&
        innerSubclass_.Install(edit, [this](TMessage& m) { InnerEditMessage(m); }))
      innerEdit_ = edit;
    return;
  }
  if (!QueryInfo() || !withListSkin || !info_.hwndList) return;
  const HWND list = info_.hwndList;
  if (SendMessageW(list, SKM_QUERYSKINNED, 0, 0) == 1 || !(GetWindowLongPtrW(list, GWL_STYLE) & WS_CHILD))
    return;
  simpleListBar_ = TComponent::CreateIn<TSkinScrollbarH>(this);
  simpleListBar_->AttachHandle(list, SkinData(), Binding().Host(), Binding().SharedCanvas());
}

// The edit part of the combo: its own procedure first, then the combo's button follows it.
void TSkinComBox::InnerEditMessage(TMessage& m) {
  innerSubclass_.Default(m);
  if (!Attachment().Active()) return;
  // clang-format off
  switch (m.Msg) {
    case WM_PAINT:         PaintWindow(nullptr); break;
    case WM_LBUTTONDOWN:   OnButtonPressed(true); break;
    case WM_LBUTTONDBLCLK: OnButtonPressed(true); break;
    case WM_LBUTTONUP:     OnButtonPressed(false); break;
    default:               break;
  }
  // clang-format on
}

// The combo and its edit and list again, children included: a combo box does not clip its
// children, so erasing it alone would wipe them. A simple combo has no button to refresh.
void TSkinComBox::RefreshButton() {
  if (!Window() || !IsWindow(Window()) || (Binding().WindowLong(GWL_STYLE) & 3) == CBS_SIMPLE) return;
  RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TSkinComBox::Detach() {
  TSkinControl::Detach();
  ReleaseParts();
}

void TSkinComBox::ReleaseParts() {
  innerSubclass_.Restore();
  innerEdit_ = nullptr;
  for (TSkinControl* part :
       {static_cast<TSkinControl*>(listBar_), static_cast<TSkinControl*>(simpleListBar_)}) {
    if (!part) continue;
    if (part->Attachment().State() != scsWindowGone) part->Detach();
    DestroyComponent(part);
  }
  listBar_ = nullptr;
  simpleListBar_ = nullptr;
}

// True when the pending update is the whole window: no non-client part and a rectangular update
// region the size of the client area.
bool TSkinComBox::UpdateCoversWindow() const {
  RECT client{}, window{};
  if (!GetClientRect(Window(), &client) || !GetWindowRect(Window(), &window) ||
      client.right != window.right - window.left || client.bottom != window.bottom - window.top)
    return false;
  fw::UniqueRegion update(CreateRectRgn(0, 0, 0, 0));
  RECT box{};
  return update && GetUpdateRgn(Window(), update.get(), FALSE) == SIMPLEREGION &&
         GetRgnBox(update.get(), &box) == SIMPLEREGION && EqualRect(&box, &client);
}

// The combo paints into the skin's own paint cycle and the button goes over it on the same DC.
bool TSkinComBox::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      return !m.WParam && Window() && OnPaint(m);
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

// The combo paints into the paint DC first; the skin's border and button go over it.
bool TSkinComBox::OnPaint(TMessage& m) {
  // The WM_NCPAINT that BeginPaint sends need not draw the button when this paint covers every
  // pixel that draw would: the draw after the combo's paint puts the same button over it.
  paintCoversWindow_ = UpdateCoversWindow();
  fw::PaintDC dc(Window());
  paintCoversWindow_ = false;
  TMessage own{WM_PAINT, reinterpret_cast<WPARAM>(dc.get()), 0, 0};
  CallSaved(own);
  RECT r{};
  if (GetWindowRect(Window(), &r)) {
    try {
      Draw(dc.get(), RECT{0, 0, r.right - r.left, r.bottom - r.top});
    } catch (...) {
      // a failed paint leaves the combo's own
    }
  }
  m.Result = 0;
  return true;
}

void TSkinComBox::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(MousePoint(m.LParam));
      break;
    case WM_DRAWITEM:
      RefreshButton();
      break;
    case WM_NCPAINT:
      OnNcPainted();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnButtonPressed(true);
      break;
    case WM_LBUTTONUP:
      OnButtonPressed(false);
      break;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      OnMouseLeave();
      break;
    case CM_RECREATEWND:
      OnRecreated(m);
      break;
    case CN_COMMAND:
      OnCommand(HIWORD(m.WParam));
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

// The button is hot while the pointer is over it and the combo enabled.
void TSkinComBox::OnMouseMove(POINT at) {
  TrackMouseLeave(Window());
  const bool enabled = !(Binding().WindowLong(GWL_STYLE) & WS_DISABLED);
  const bool over = PtInRect(&buttonRect_, at) != FALSE;
  if (Marks().Hot() && (!over || !enabled)) {
    Marks().SetHot(false);
    RefreshButton();
  } else if (!Marks().Hot() && over && enabled) {
    Marks().SetHot(true);
    RefreshButton();
  }
}

// Only the frame was painted: the button goes over it again without a new paint cycle (within
// one, it is drawn once, after the combo painted).
void TSkinComBox::OnNcPainted() {
  if (!paintCoversWindow_ && !GetUpdateRect(Window(), nullptr, FALSE)) PaintWindow(nullptr);
}

void TSkinComBox::OnButtonPressed(bool down) {
  Marks().SetPressed(down);
  RefreshButton();
}

void TSkinComBox::OnMouseLeave() {
  if (!Marks().Hot()) return;
  Marks().SetHot(false);
  RefreshButton();
}

// A new window with a new list: its parts are attached again.
void TSkinComBox::OnRecreated(TMessage& m) {
  TSkinControl::AfterMessage(m);
  ReleaseParts();
  if (Window() && IsWindow(Window())) AttachParts(true);
}

void TSkinComBox::OnCommand(UINT code) {
  if (code == CBN_DROPDOWN) dropped_ = true;
  if (code == CBN_CLOSEUP) {
    dropped_ = false;
    Marks().SetPressed(false);
    RefreshButton();
  }
}

}  // namespace quarnel
