// Tab controls: the tabs kept in the object and put into the window whenever it is made, the
// selection notifications reflected from the parent, and the tab control with its own texts.
// User-interface thread.
#include "framework/controls/tab_controls.h"

#include "framework/core/text.h"
#include "framework/graphics/image_list.h"

const TEnumInfo& TabStyleEnum() {
  static const TEnumInfo e{"TTabStyle", {"tsTabs", "tsButtons", "tsFlatButtons"}};
  return e;
}

const TEnumInfo& TabPositionEnum() {
  static const TEnumInfo e{"TTabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"}};
  return e;
}

const TClassInfo& TCustomTabControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomTabControl>("TCustomTabControl", &TWinControl::StaticClass())
          .Enum("Style", TabStyleEnum(), &TCustomTabControl::Style, &TCustomTabControl::SetStyle)
          .Enum("TabPosition", TabPositionEnum(), &TCustomTabControl::TabPosition,
                &TCustomTabControl::SetTabPosition)
          .Bool("MultiLine", &TCustomTabControl::MultiLine, &TCustomTabControl::SetMultiLine)
          .Bool("HotTrack", &TCustomTabControl::HotTrack, &TCustomTabControl::SetHotTrack)
          .Obj("Images", &TImageList::StaticClass, &TCustomTabControl::Images, &TCustomTabControl::SetImages)
          .Event("OnChange", &TCustomTabControl::OnChange)
          .Build();
  return info;
}

TCustomTabControl::TCustomTabControl(TComponent* owner) : TWinControl(owner) {
  fw::EnsureCommonControls();
  tabStop_ = true;
  width_ = 289;
  height_ = 193;
  color_ = clBtnFace;
  parentColor_ = true;
}

void TCustomTabControl::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.superClass = WC_TABCONTROLW;
  p.style |= WS_CLIPCHILDREN | TCS_TOOLTIPS;
  if (style_ == tsButtons) p.style |= TCS_BUTTONS;
  if (style_ == tsFlatButtons) p.style |= TCS_BUTTONS | TCS_FLATBUTTONS;
  // Tabs on a side need several rows: the system draws side tabs only in multi-line mode.
  if (multiLine_ || tabPosition_ == tpLeft || tabPosition_ == tpRight) p.style |= TCS_MULTILINE;
  if (tabPosition_ == tpBottom) p.style |= TCS_BOTTOM;
  if (tabPosition_ == tpLeft) p.style |= TCS_VERTICAL;
  if (tabPosition_ == tpRight) p.style |= TCS_VERTICAL | TCS_RIGHT;
  if (hotTrack_) p.style |= TCS_HOTTRACK;
}

void TCustomTabControl::HandleCreated() {
  TWinControl::HandleCreated();
  ApplyImages();
}

void TCustomTabControl::SetStyle(int v) {
  if (v == style_) return;
  style_ = v;
  RecreateWnd();
}

void TCustomTabControl::SetTabPosition(int v) {
  if (v == tabPosition_) return;
  tabPosition_ = v;
  RecreateWnd();
}

void TCustomTabControl::SetMultiLine(bool v) {
  if (v == multiLine_) return;
  multiLine_ = v;
  RecreateWnd();
}

void TCustomTabControl::SetHotTrack(bool v) {
  if (v == hotTrack_) return;
  hotTrack_ = v;
  RecreateWnd();
}

void TCustomTabControl::SetImages(TImageList* images) {
  images_ = images;
  ApplyImages();
}

void TCustomTabControl::ApplyImages() {
  if (!handle_) return;
  // The window lets go of the old list before it is destroyed.
  fw::UniqueImageList fresh = fw::MakeSystemImageList(images_);
  SendMessageW(handle_, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(fresh.get()));
  systemImages_ = std::move(fresh);
  RebuildTabs(SelectedTab());
}

RECT TCustomTabControl::DisplayRect() {
  RECT r{0, 0, width_, height_};
  if (HWND wnd = Handle()) {
    GetClientRect(wnd, &r);
    SendMessageW(wnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
  }
  return r;
}

int TCustomTabControl::IndexOfTabAt(int x, int y) {
  TCHITTESTINFO hit{{x, y}, 0};
  return static_cast<int>(SendMessageW(Handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

void TCustomTabControl::RebuildTabs(int selected) {
  if (!handle_) return;
  SendMessageW(handle_, TCM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < TabCount(); ++i) {
    std::wstring text = fw::ItemText(TabText(i));
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = text.data();
    item.iImage = images_ ? TabImage(i) : -1;
    SendMessageW(handle_, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

void TCustomTabControl::SelectTab(int index) {
  if (handle_) SendMessageW(handle_, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int TCustomTabControl::SelectedTab() const {
  return handle_ ? static_cast<int>(SendMessageW(handle_, TCM_GETCURSEL, 0, 0)) : -1;
}

bool TCustomTabControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(this, allow);
  return allow;
}

void TCustomTabControl::Change() {
  OnChange(this);
}

HBRUSH TCustomTabControl::ControlColorBrush(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  return TWinControl::ControlColorBrush(dc);
}

void TCustomTabControl::SelectNextTab(bool forward) {
  const int count = TabCount();
  if (count == 0 || !CanChange()) return;
  const int tab = ((SelectedTab() + (forward ? 1 : -1)) % count + count) % count;
  SelectTab(tab);
  SelectionChanged(tab);
  Change();
}

void TCustomTabControl::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case CM_DIALOGKEY: handled = CmDialogKey(static_cast<UINT>(m.WParam), m.Result); break;
    case CN_NOTIFY: handled = CnNotify(*reinterpret_cast<const NMHDR*>(m.LParam), m.Result); break;
    default: break;
  }
  if (!handled) TWinControl::WndProc(m);
}

// Ctrl+Tab and Ctrl+Shift+Tab page through the tabs.
bool TCustomTabControl::CmDialogKey(UINT key, LRESULT& result) {
  if (key != VK_TAB || GetKeyState(VK_CONTROL) >= 0) return false;
  SelectNextTab(GetKeyState(VK_SHIFT) >= 0);
  result = 1;
  return true;
}

bool TCustomTabControl::CnNotify(const NMHDR& header, LRESULT& result) {
  if (header.code == TCN_SELCHANGING) {
    result = CanChange() ? FALSE : TRUE;
    return true;
  }
  if (header.code == TCN_SELCHANGE) {
    SelectionChanged(SelectedTab());
    Change();
    return true;
  }
  return false;
}

const TClassInfo& TTabControl::StaticClass() {
  static const TClassInfo info = TClassBuilder<TTabControl>("TTabControl", &TCustomTabControl::StaticClass())
                                     .Creatable()
                                     .Obj("Tabs", &TStrings::StaticClass, &TTabControl::Tabs)
                                     .Int("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex)
                                     .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TTabControl::TTabControl(TComponent* owner) : TCustomTabControl(owner) {
  tabs_.OnChange = [this] {
    if (!IsLoading() && tabIndex_ >= tabs_.Count()) tabIndex_ = tabs_.Count() - 1;
    RebuildTabs(tabIndex_);
  };
}

TTabControl::~TTabControl() {
  tabs_.OnChange = nullptr;
}

void TTabControl::HandleCreated() {
  TCustomTabControl::HandleCreated();
  RebuildTabs(tabIndex_);
}

int TTabControl::TabIndex() const {
  return HandleAllocated() ? SelectedTab() : tabIndex_;
}

void TTabControl::SetTabIndex(int index) {
  // While a description is read the index may come before the tabs.
  if (!IsLoading() && (index < -1 || index >= tabs_.Count())) index = -1;
  tabIndex_ = index;
  SelectTab(index);
}

void TTabControl::Loaded() {
  TCustomTabControl::Loaded();
  SetTabIndex(tabIndex_);
}
