// Tool bars: the buttons are child components of the bar, put into the window as system tool-bar
// buttons whenever it is made or they change; commands, drop-downs and custom drawing come back
// as notifications reflected from the parent. User-interface thread.
#include "framework/controls/tool_bar.h"

#include <algorithm>

#include "framework/graphics/image_list.h"
#include "framework/ui/menu.h"

const TEnumInfo& ToolButtonStyleEnum() {
  static const TEnumInfo e{"TToolButtonStyle",
                           {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator", "tbsDivider"}};
  return e;
}

const TClassInfo& TToolButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TToolButton>("TToolButton", &TControl::StaticClass())
          .Creatable()
          .Enum("Style", ToolButtonStyleEnum(), &TToolButton::Style, &TToolButton::SetStyle)
          .Int("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex)
          .Bool("Down", &TToolButton::Down, &TToolButton::SetDown)
          .Bool("Grouped", &TToolButton::Grouped, &TToolButton::SetGrouped)
          .Obj("DropdownMenu", &TPopupMenu::StaticClass, &TToolButton::DropdownMenu,
               &TToolButton::SetDropdownMenu)
          .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

const TClassInfo& TToolBar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TToolBar>("TToolBar", &TWinControl::StaticClass())
          .Creatable()
          .Obj("Images", &TImageList::StaticClass, &TToolBar::Images, &TToolBar::SetImages)
          .Bool("Flat", &TToolBar::Flat, &TToolBar::SetFlat)
          .Bool("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions)
          .Int("ButtonWidth", &TToolBar::ButtonWidth, &TToolBar::SetButtonWidth)
          .Int("ButtonHeight", &TToolBar::ButtonHeight, &TToolBar::SetButtonHeight)
          .Int("ButtonCount", &TToolBar::ButtonCount, nullptr)
          .Obj("Menu", &TMainMenu::StaticClass, &TToolBar::Menu, &TToolBar::SetMenu)
          .Event("OnCustomDraw", &TToolBar::OnCustomDraw)
          .Event("OnCustomDrawButton", &TToolBar::OnCustomDrawButton)
          .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TToolButton::TToolButton(TComponent* owner) : TControl(owner) {
  width_ = 23;
  height_ = 22;
}

TToolButton::~TToolButton() {
  if (dropdownMenu_) dropdownMenu_->RemoveFreeNotification(this);
  if (toolBar_) toolBar_->RemoveButton(this);
}

void TToolButton::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (toolBar_) toolBar_->RemoveButton(this);
  TControl::SetParent(parent);
  if (auto* bar = ObjectAs<TToolBar>(parent)) bar->InsertButton(this);
}

void TToolButton::Click() {
  if (menuItem_ && toolBar_)
    toolBar_->TrackMenu(this);
  else
    TControl::Click();
}

void TToolButton::Notification(TComponent* component, TOperation operation) {
  TControl::Notification(component, operation);
  if (operation == opRemove && component == dropdownMenu_) dropdownMenu_ = nullptr;
}

int TToolButton::Index() const {
  if (!toolBar_) return -1;
  const auto& list = toolBar_->buttons_;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TToolButton::SetStyle(int v) {
  if (v == style_) return;
  style_ = v;
  if (toolBar_) toolBar_->RebuildButtons();
}

void TToolButton::SetImageIndex(int v) {
  imageIndex_ = v;
  if (toolBar_) toolBar_->RebuildButtons();
}

bool TToolButton::Down() const {
  if (toolBar_ && toolBar_->HandleAllocated())
    return SendMessageW(toolBar_->RawHandle(), TB_ISBUTTONCHECKED, static_cast<WPARAM>(Index() + 1), 0) != 0;
  return down_;
}

void TToolButton::SetDown(bool v) {
  down_ = v;
  Update();
}

void TToolButton::SetGrouped(bool v) {
  if (v == grouped_) return;
  grouped_ = v;
  if (toolBar_) toolBar_->RebuildButtons();
}

void TToolButton::SetDropdownMenu(TPopupMenu* menu) {
  if (dropdownMenu_) dropdownMenu_->RemoveFreeNotification(this);
  dropdownMenu_ = menu;
  if (menu) menu->FreeNotification(this);
}

bool TToolButton::CheckMenuDropdown() {
  if (!dropdownMenu_ || !toolBar_ || !toolBar_->HandleAllocated()) return false;
  RECT r = toolBar_->ButtonRect(this);
  POINT below{r.left, r.bottom};
  ClientToScreen(toolBar_->RawHandle(), &below);
  dropdownMenu_->Popup(below.x, below.y);
  return true;
}

void TToolButton::Update() {
  if (toolBar_) toolBar_->UpdateButton(this);
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
  fw::EnsureCommonControls();
  width_ = 150;
  height_ = 29;
  color_ = clBtnFace;
  parentColor_ = true;
}

TToolBar::~TToolBar() {
  if (menu_) menu_->RemoveFreeNotification(this);
  for (TToolButton* button : buttons_) button->toolBar_ = nullptr;
  buttons_.clear();
}

void TToolBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.superClass = TOOLBARCLASSNAMEW;
  // The bar keeps the bounds it is given rather than docking itself to its parent.
  p.style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | TBSTYLE_TOOLTIPS;
  if (flat_) p.style |= TBSTYLE_FLAT;
}

void TToolBar::HandleCreated() {
  TWinControl::HandleCreated();
  SendMessageW(handle_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(handle_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  ApplyImages();
}

void TToolBar::InsertButton(TToolButton* button) {
  button->toolBar_ = this;
  buttons_.push_back(button);
  RebuildButtons();
}

void TToolBar::RemoveButton(TToolButton* button) {
  button->toolBar_ = nullptr;
  buttons_.erase(std::remove(buttons_.begin(), buttons_.end(), button), buttons_.end());
  RebuildButtons();
}

void TToolBar::SetImages(TImageList* images) {
  images_ = images;
  ApplyImages();
}

void TToolBar::ApplyImages() {
  if (!handle_) return;
  fw::UniqueImageList fresh = fw::MakeSystemImageList(images_);
  SendMessageW(handle_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(fresh.get()));
  systemImages_ = std::move(fresh);
  RebuildButtons();
}

void TToolBar::SetFlat(bool v) {
  flat_ = v;
  if (!handle_) return;
  LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
  SetWindowLongPtrW(handle_, GWL_STYLE,
                    v ? style | TBSTYLE_FLAT : style & ~static_cast<LONG_PTR>(TBSTYLE_FLAT));
  Invalidate();
}

void TToolBar::SetShowCaptions(bool v) {
  showCaptions_ = v;
  RebuildButtons();
}

void TToolBar::SetButtonWidth(int v) {
  buttonWidth_ = v;
  RebuildButtons();
}

void TToolBar::SetButtonHeight(int v) {
  buttonHeight_ = v;
  RebuildButtons();
}

RECT TToolBar::ButtonRect(const TToolButton* button) {
  RECT r{};
  if (handle_)
    SendMessageW(handle_, TB_GETITEMRECT, static_cast<WPARAM>(button->Index()), reinterpret_cast<LPARAM>(&r));
  return r;
}

// Every button again, in order; a button's command is its position + 1.
void TToolBar::RebuildButtons() {
  if (!handle_) return;
  while (SendMessageW(handle_, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageW(handle_, TB_DELETEBUTTON, 0, 0);
  SendMessageW(handle_, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth_, buttonHeight_));
  std::vector<std::wstring> texts;
  texts.reserve(buttons_.size());
  std::vector<TBBUTTON> items;
  for (size_t i = 0; i < buttons_.size(); ++i) {
    TToolButton* b = buttons_[i];
    TBBUTTON item{};
    item.idCommand = static_cast<int>(i) + 1;
    const bool separator = b->style_ == tbsSeparator || b->style_ == tbsDivider;
    item.iBitmap = separator ? 8 : (images_ && b->imageIndex_ >= 0 ? b->imageIndex_ : I_IMAGENONE);
    item.fsStyle = separator                  ? BTNS_SEP
                   : b->style_ == tbsCheck    ? BTNS_CHECK
                   : b->style_ == tbsDropDown ? BTNS_DROPDOWN
                                              : BTNS_BUTTON;
    if (b->grouped_) item.fsStyle |= BTNS_GROUP;
    item.fsState = static_cast<BYTE>((b->Enabled() ? TBSTATE_ENABLED : 0) |
                                     (b->Visible() ? 0 : TBSTATE_HIDDEN) | (b->down_ ? TBSTATE_CHECKED : 0));
    texts.push_back(fw::ItemText(b->Caption()));
    item.iString = showCaptions_ && !separator ? reinterpret_cast<INT_PTR>(texts.back().c_str()) : -1;
    items.push_back(item);
  }
  if (!items.empty())
    SendMessageW(handle_, TB_ADDBUTTONSW, items.size(), reinterpret_cast<LPARAM>(items.data()));
  // The buttons' bounds follow where the bar placed them.
  for (TToolButton* b : buttons_) {
    RECT r = ButtonRect(b);
    b->left_ = r.left;
    b->top_ = r.top;
    b->width_ = r.right - r.left;
    b->height_ = r.bottom - r.top;
  }
}

void TToolBar::UpdateButton(TToolButton* button) {
  if (!handle_) return;
  const WPARAM command = static_cast<WPARAM>(button->Index() + 1);
  SendMessageW(handle_, TB_ENABLEBUTTON, command, button->Enabled());
  SendMessageW(handle_, TB_HIDEBUTTON, command, !button->Visible());
  SendMessageW(handle_, TB_CHECKBUTTON, command, button->down_);
  if (showCaptions_) RebuildButtons();  // a new caption may change the button's width
}

TToolButton* TToolBar::ButtonOfCommand(int command) const {
  return command >= 1 && command <= ButtonCount() ? buttons_[static_cast<size_t>(command - 1)] : nullptr;
}

// What a button handler may leave out of the bar's own drawing of the button.
constexpr unsigned kButtonDrawFlags = TBCDRF_NOEDGES | TBCDRF_HILITEHOTTRACK | TBCDRF_NOOFFSET |
                                      TBCDRF_NOMARK | TBCDRF_NOETCHEDEFFECT | TBCDRF_BLENDICON |
                                      TBCDRF_NOBACKGROUND;

LRESULT TToolBar::CustomDraw(NMTBCUSTOMDRAW& draw) {
  NMCUSTOMDRAW& cd = draw.nmcd;
  bool defaultDraw = true;
  TCanvas canvas;
  canvas.Font().Assign(font_);
  canvas.SetHandle(cd.hdc);
  LRESULT result = CDRF_DODEFAULT;
  if (cd.dwDrawStage == CDDS_PREPAINT) {
    if (OnCustomDraw) OnCustomDraw(this, canvas, cd.rc, defaultDraw);
    result =
        (defaultDraw ? CDRF_DODEFAULT : CDRF_SKIPDEFAULT) | (OnCustomDrawButton ? CDRF_NOTIFYITEMDRAW : 0);
  } else if (cd.dwDrawStage == CDDS_ITEMPREPAINT && OnCustomDrawButton) {
    if (TToolButton* button = ButtonOfCommand(static_cast<int>(cd.dwItemSpec))) {
      unsigned flags = 0;
      OnCustomDrawButton(this, button, canvas, cd.uItemState, flags, defaultDraw);
      // The bar draws the caption after the handler, in the colour the handler left.
      draw.clrText = ColorToRGB(canvas.Font().Color());
      result = defaultDraw ? CDRF_DODEFAULT | (flags & kButtonDrawFlags) : CDRF_SKIPDEFAULT;
    }
  }
  canvas.SetHandle(nullptr);
  return result;
}

void TToolBar::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case WM_DRAWITEM: handled = WmDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam), m.Result); break;
    case WM_MEASUREITEM: handled = WmMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam), m.Result); break;
    case CN_COMMAND: handled = CnCommand(LOWORD(m.WParam)); break;
    case CN_NOTIFY: handled = CnNotify(*reinterpret_cast<NMHDR*>(m.LParam), m.Result); break;
    default: break;
  }
  if (!handled) TWinControl::WndProc(m);
}

// Owner-drawn items of the menu this bar drops come to the bar, the popups' owner.
bool TToolBar::WmDrawItem(const DRAWITEMSTRUCT& item, LRESULT& result) {
  if (!menu_ || !menu_->DispatchDrawItem(item)) return false;
  result = TRUE;
  return true;
}

bool TToolBar::WmMeasureItem(MEASUREITEMSTRUCT& item, LRESULT& result) {
  if (!menu_ || !menu_->DispatchMeasureItem(item)) return false;
  result = TRUE;
  return true;
}

// A click checks the button and may uncheck the others of its group.
bool TToolBar::CnCommand(WORD command) {
  if (TToolButton* button = ButtonOfCommand(command)) {
    for (TToolButton* b : buttons_) b->down_ = b->Down();
    button->Click();
  }
  return true;
}

bool TToolBar::CnNotify(NMHDR& header, LRESULT& result) {
  if (header.code == TBN_DROPDOWN) {
    TToolButton* button = ButtonOfCommand(reinterpret_cast<NMTOOLBARW&>(header).iItem);
    result = button && button->CheckMenuDropdown() ? TBDDRET_DEFAULT : TBDDRET_NODEFAULT;
    return true;
  }
  if (header.code == TBN_GETINFOTIPW) {
    // The bar's tooltip shows the button's hint.
    auto& tip = reinterpret_cast<NMTBGETINFOTIPW&>(header);
    if (TToolButton* button = ButtonOfCommand(tip.iItem); button && tip.pszText && tip.cchTextMax > 0)
      lstrcpynW(tip.pszText, fw::ItemText(button->Hint()).c_str(), tip.cchTextMax);
    return true;
  }
  if (header.code == NM_CUSTOMDRAW) {
    result = CustomDraw(reinterpret_cast<NMTBCUSTOMDRAW&>(header));
    return true;
  }
  return false;
}
