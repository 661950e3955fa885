// TScrollBar: range, page and position kept in the object and in the window, and the scroll
// requests reflected from the parent turned into new positions. User-interface thread.
#include "framework/ui/scroll_bar.h"

#include <algorithm>

const TEnumInfo& ScrollBarKindEnum() {
  static const TEnumInfo e{"TScrollBarKind", {"sbHorizontal", "sbVertical"}};
  return e;
}

const TClassInfo& TScrollBar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TScrollBar>("TScrollBar", &TWinControl::StaticClass())
          .Creatable()
          .Enum("Kind", ScrollBarKindEnum(), &TScrollBar::Kind, &TScrollBar::SetKind)
          .Int("Min", &TScrollBar::Min, &TScrollBar::SetMin)
          .Int("Max", &TScrollBar::Max, &TScrollBar::SetMax)
          .Int("Position", &TScrollBar::Position, &TScrollBar::SetPosition)
          .Int("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize)
          .Int("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange)
          .Int("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange)
          .Event("OnChange", &TScrollBar::OnChange)
          .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) {
  tabStop_ = true;
  width_ = 121;
  height_ = GetSystemMetrics(SM_CYHSCROLL);
}

void TScrollBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.superClass = L"SCROLLBAR";
  p.style |= kind_ == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::HandleCreated() {
  TWinControl::HandleCreated();
  ApplyToWindow();
}

void TScrollBar::SetKind(int v) {
  if (v == kind_) return;
  kind_ = v;
  if (!HandleAllocated()) {
    // A bar turned in code keeps its thickness across its new axis; a description gives both.
    if (!IsLoading()) std::swap(width_, height_);
    return;
  }
  LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE) & ~static_cast<LONG_PTR>(SBS_VERT);
  SetWindowLongPtrW(handle_, GWL_STYLE, style | (kind_ == sbVertical ? SBS_VERT : SBS_HORZ));
  InvalidateRect(handle_, nullptr, TRUE);
}

void TScrollBar::SetPageSize(int v) {
  pageSize_ = std::max(0, v);
  SetParams(position_, min_, max_);
}

void TScrollBar::SetParams(int position, int min, int max) {
  if (max < min) max = min;
  const int highest = pageSize_ > 0 ? std::max(min, max - pageSize_ + 1) : max;
  position = std::clamp(position, min, highest);
  const bool moved = position != position_;
  min_ = min;
  max_ = max;
  position_ = position;
  ApplyToWindow();
  if (moved) OnChange(this);
}

void TScrollBar::ApplyToWindow() {
  if (!HandleAllocated()) return;
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = min_;
  si.nMax = max_;
  si.nPage = static_cast<UINT>(pageSize_);
  si.nPos = position_;
  SetScrollInfo(handle_, SB_CTL, &si, TRUE);
}

void TScrollBar::Scroll(int request, int trackPosition) {
  int position = position_;
  switch (request) {
    case SB_LINEUP:
      position -= smallChange_;
      break;
    case SB_LINEDOWN:
      position += smallChange_;
      break;
    case SB_PAGEUP:
      position -= largeChange_;
      break;
    case SB_PAGEDOWN:
      position += largeChange_;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      position = trackPosition;
      break;
    case SB_TOP:
      position = min_;
      break;
    case SB_BOTTOM:
      position = max_;
      break;
    default:
      return;
  }
  SetPosition(position);
}

void TScrollBar::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL: handled = CnScroll(LOWORD(m.WParam), m.Result); break;
    default: break;
  }
  if (!handled) TWinControl::WndProc(m);
}

bool TScrollBar::CnScroll(WORD code, LRESULT& result) {
  // The 16-bit position of the notification is too small for large ranges: ask the bar.
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_TRACKPOS;
  GetScrollInfo(handle_, SB_CTL, &si);
  Scroll(code, si.nTrackPos);
  result = 0;
  return true;
}
