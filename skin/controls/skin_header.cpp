// TSkinHeader: hot tracking through the mouse-leave notification, the pressed item while the
// button is held, and the items drawn off-screen from the Headerbar element with their text,
// image and sort arrow, owner-drawn ones left to their owner; TSkinListView and TSkinListViewH,
// which give their header one. UI thread.
#include "skin/controls/skin_header.h"

#include <commctrl.h>

#include "framework/graphics/scratch_bitmap.h"
#include "framework/win/handles.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/control_skin_host.h"
#include "skin/controls/paint_handlers.h"
#include "skin/controls/skin_tab.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/draw/optional_user_api.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"

namespace quarnel {

TSkinHeader::TSkinHeader(TComponent* owner) : TSkinControl(owner) {}

void TSkinHeader::Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor,
                         TCanvas* sharedCanvas) {
  TSkinControl::Attach(host, skinData, useSkinColor, sharedCanvas);
  hot_ = -1;
}

void TSkinHeader::AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host,
                               TCanvas* sharedCanvas) {
  TSkinControl::AttachHandle(window, skinData, host, sharedCanvas);
  hot_ = -1;
}

bool TSkinHeader::HasImage() const {
  return SkinData() && SkinData()->Headerbar && !SkinData()->Headerbar->Image.Empty();
}

bool TSkinHeader::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      return PaintSelf(*this, m);
    case WM_ERASEBKGND:
      return HasImage() && EraseNothing(m);
    case WM_LBUTTONDOWN:
      OnLButtonDown(MousePoint(m.LParam));
      return TSkinControl::BeforeMessage(m);
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

// Held down on an item (not on a divider, which starts a resize): drawn pressed.
void TSkinHeader::OnLButtonDown(POINT at) {
  HDHITTESTINFO hit{};
  hit.pt = at;
  SendMessageW(Window(), HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  pressed_ = (hit.flags & HHT_ONHEADER) ? hit.iItem : -1;
  if (pressed_ >= 0) InvalidateRect(Window(), nullptr, FALSE);
}

void TSkinHeader::TrackLeave() {
  TrackMouseLeave(Window());
}

void TSkinHeader::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      OnMouseMove(MousePoint(m.LParam));
      break;
    case CM_RECREATEWND:
      OnRecreated();
      break;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      OnRelease();
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

void TSkinHeader::OnMouseMove(POINT at) {
  const int item = HeaderItemAt(hotAreas_.data(), static_cast<int>(hotAreas_.size()), at.x, at.y);
  if (item >= 0 && item != hot_) {
    hot_ = item;
    Repaint();
  }
  TrackLeave();
}

void TSkinHeader::OnRecreated() {
  hot_ = pressed_ = -1;
  TakeRemadeWindow();
  Repaint();
}

void TSkinHeader::OnMouseLeave() {
  hot_ = -1;
  Repaint();
}

// The press ends (released or the capture taken away): no item is drawn pressed.
void TSkinHeader::OnRelease() {
  if (pressed_ < 0) return;
  pressed_ = -1;
  Repaint();
}

namespace {

// The window a header tells of its items (its owner-drawn ones included): its parent.
HWND HeaderOwner(HWND header) {
  return GetParent(header);
}

void DrawSortArrow(HDC dc, const SkinRect& box, bool up, COLORREF colour) {
  if (box.Width() <= 0) return;
  fw::UniqueBrush brush(CreateSolidBrush(colour));
  for (const SkinRect& row : SortArrowShape(box, up).rows) {
    const RECT r{row.left, row.top, row.right, row.bottom};
    FillRect(dc, &r, brush.get());
  }
}

HDITEMW ItemFormat(HWND header, int index) {
  HDITEMW info{};
  info.mask = HDI_FORMAT | HDI_LPARAM;
  SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
  return info;
}

}  // namespace

void TSkinHeader::DrawItem(HDC dc, int index, const RECT& item, int frame) {
  TDataSkinObject& bar = *SkinData()->Headerbar;
  DrawElementFrame(dc, item, bar, bar.FrameCount, frame);
  wchar_t text[201] = {};
  HDITEMW info{};
  info.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  info.pszText = text;
  info.cchTextMax = 200;
  info.iImage = -1;
  SendMessageW(Window(), HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
  if (info.fmt & HDF_OWNERDRAW) return;  // its owner draws it over the frame
  const bool sorted = (info.fmt & (HDF_SORTUP | HDF_SORTDOWN)) != 0;
  const int justification = (info.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT    ? 2
                            : (info.fmt & HDF_JUSTIFYMASK) == HDF_CENTER ? 1
                                                                         : 0;
  // The caption keeps clear of the sort arrow at the item's right.
  const int right = sorted ? std::max<int>(item.left, item.right - kSortArrowSpace) : item.right;
  const int width = right - item.left;
  auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Window(), HDM_GETIMAGELIST, 0, 0));
  int iconW = 0, iconH = 0;
  if (images && (info.fmt & HDF_IMAGE) && info.iImage >= 0) {
    ImageList_GetIconSize(images, &iconW, &iconH);
    if (iconW >= width) iconW = iconH = 0;
  }
  const std::wstring caption = info.pszText ? info.pszText : L"";
  RECT measured{0, 0, 0, 0};
  DrawTextWide(dc, caption, measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  const int textW = measured.right - measured.left;
  int x = item.left + CaptionStart(width, iconW, textW, justification);
  if (iconW > 0) {
    ImageList_Draw(images, info.iImage, dc, x, item.top + (item.bottom - item.top - iconH) / 2,
                   ILD_TRANSPARENT);
    x += iconW;
  }
  const bool enabled = !(Binding().WindowLong(GWL_STYLE) & WS_DISABLED);
  const COLORREF colour =
      ResolveSkinColor(enabled ? SkinData()->Colors[scWindowText] : SkinData()->Colors[scButtonShadow]);
  SetTextColor(dc, colour);
  RECT textRect{x, item.top, right, item.bottom};
  DrawTextWide(dc, caption, textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if (sorted) {
    const int captionRight = std::min(x + textW, right);
    DrawSortArrow(dc,
                  HeaderSortArrowBox(SkinRect{item.left, item.top, item.right, item.bottom}, captionRight),
                  (info.fmt & HDF_SORTUP) != 0, colour);
  }
}

// Owner-drawn items are the owner's: it is asked to draw each as the header itself would ask,
// into the window's DC, over the skin's frame.
void TSkinHeader::DrawOwnerItems(HDC dc, const RECT& rect, const std::vector<RECT>& items) {
  HWND owner = HeaderOwner(Window());
  if (!owner) return;
  for (size_t i = 0; i < items.size(); ++i) {
    const HDITEMW info = ItemFormat(Window(), static_cast<int>(i));
    if (!(info.fmt & HDF_OWNERDRAW) || IsRectEmpty(&items[i])) continue;
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_HEADER;
    draw.CtlID = static_cast<UINT>(GetDlgCtrlID(Window()));
    draw.itemID = static_cast<UINT>(i);
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = static_cast<int>(i) == pressed_ ? ODS_SELECTED : 0;
    draw.hwndItem = Window();
    draw.hDC = dc;
    draw.rcItem = items[i];
    OffsetRect(&draw.rcItem, rect.left, rect.top);
    draw.itemData = static_cast<ULONG_PTR>(info.lParam);
    fw::SavedDCState keep(dc);
    IntersectClipRect(dc, draw.rcItem.left, draw.rcItem.top, draw.rcItem.right, draw.rcItem.bottom);
    SendMessageW(owner, WM_DRAWITEM, static_cast<WPARAM>(draw.CtlID), reinterpret_cast<LPARAM>(&draw));
  }
}

void TSkinHeader::Draw(HDC dc, const RECT& rect) {
  if (!HasImage() || !dc) return;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  // Cleared: transparent parts of the items show black, as on a fresh bitmap.
  const fw::ScratchBitmap buffer(w, h, pf24bit, true);
  HDC off = buffer.DC();
  auto font = reinterpret_cast<HFONT>(SendMessageW(Window(), WM_GETFONT, 0, 0));
  fw::SelectGuard selectFont(off, font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  SetBkMode(off, TRANSPARENT);
  TDataSkinObject& bar = *SkinData()->Headerbar;

  const int count = static_cast<int>(SendMessageW(Window(), HDM_GETITEMCOUNT, 0, 0));
  hotAreas_.assign(static_cast<size_t>(std::max(count, 0)), SkinRect{0, 0, 0, 0});
  std::vector<RECT> items(static_cast<size_t>(std::max(count, 0)), RECT{});
  int end = 0;
  for (int i = 0; i < count; ++i) {
    RECT item{};
    if (!SendMessageW(Window(), HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item)))
      continue;
    item.top = 0;
    item.bottom = h;
    const int frame = i == pressed_ ? 3 : i == hot_ ? 2 : 1;
    DrawItem(off, i, item, frame);
    items[static_cast<size_t>(i)] = item;
    hotAreas_[static_cast<size_t>(i)] = HeaderHotArea(SkinRect{item.left, item.top, item.right, item.bottom});
    end = std::max(end, static_cast<int>(item.right));
  }
  if (end < w) DrawElementFrame(off, RECT{end, 0, w, h}, bar, bar.FrameCount, 1);
  BitBlt(dc, rect.left, rect.top, w, h, off, 0, 0, SRCCOPY);
  DrawOwnerItems(dc, rect, items);
}

// --- list views ----------------------------------------------------------------------------------

void TSkinListView::AttachScrolled(TControl* control, TSkinData* skinData, TControlSkinHost* host,
                                   TCanvas* canvas) {
  TSkinScrollbar::AttachScrolled(control, skinData, host, canvas);
  if (!Window()) return;
  header_ = reinterpret_cast<HWND>(SendMessageW(Window(), LVM_GETHEADER, 0, 0));
  if (!header_ || SendMessageW(header_, SKM_QUERYSKINNED, 0, 0) == 1) return;
  auto* header = TComponent::CreateIn<TSkinHeader>(control);
  header->AttachHandle(header_, skinData, host, canvas);
}

void TSkinListViewH::AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host, TCanvas* canvas) {
  TSkinScrollbarH::AttachHandle(window, skinData, host, canvas);
  if (Attachment().Attached()) AttachHeader();
}

void TSkinListViewH::AttachHeader() {
  if (!Window() || !Binding().Host() || !Attachment().Active()) return;
  const auto header = reinterpret_cast<HWND>(SendMessageW(Window(), LVM_GETHEADER, 0, 0));
  if (!header || header == header_) return;
  header_ = header;
  if (SendMessageW(header, SKM_QUERYSKINNED, 0, 0) == 1) return;
  // Owned and released like every other bare window's skin of the host, not through this object.
  auto* skin = TComponent::CreateIn<TSkinHeader>(Owner() ? Owner() : this);
  skin->AttachHandle(header, SkinData(), Binding().Host(), Binding().SharedCanvas());
}

void TSkinListViewH::AfterMessage(TMessage& m) {
  // Some list views make their header only when they first switch to the report view.
  if (m.Msg == WM_STYLECHANGED || m.Msg == LVM_SETVIEW) AttachHeader();
  TSkinScrollbarH::AfterMessage(m);
}

// --- factories -----------------------------------------------------------------------------------

TSkinControl* MakeListViewSkin(const SkinRequest& r) {
  if (!r.control) {
    if (!r.owner || !r.window) return nullptr;
    auto* skin = TComponent::CreateIn<TSkinListViewH>(r.owner);
    skin->AttachHandle(r.window, r.skinData, r.host, r.canvas);
    return skin;
  }
  auto* skin = TComponent::CreateIn<TSkinListView>(r.control, r.variant);
  skin->AttachScrolled(r.control, r.skinData, r.host, r.canvas);
  return skin;
}

}  // namespace quarnel
