// Cool bars: bands kept in a collection and put into the window whenever it is made or they
// change; the band's control becomes a child window of the bar. User-interface thread.
#include "framework/controls/cool_bar.h"

#include <algorithm>

const TClassInfo& TCoolBand::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCoolBand>("TCoolBand", &TCollectionItem::StaticClass())
          .Obj("Control", &TWinControl::StaticClass, &TCoolBand::Control, &TCoolBand::SetControl)
          .Str("Text", &TCoolBand::Text, &TCoolBand::SetText)
          .Int("Width", &TCoolBand::Width, &TCoolBand::SetWidth)
          .Int("MinHeight", &TCoolBand::MinHeight, &TCoolBand::SetMinHeight)
          .Int("MinWidth", &TCoolBand::MinWidth, &TCoolBand::SetMinWidth)
          .Bool("Break", &TCoolBand::Break, &TCoolBand::SetBreak)
          .Bool("FixedSize", &TCoolBand::FixedSize, &TCoolBand::SetFixedSize)
          .Bool("Visible", &TCoolBand::Visible, &TCoolBand::SetVisible)
          .IntNamed("Color", &TCoolBand::Color, &TCoolBand::SetColor, IdentToColor, ColorToIdent)
          .Bool("ParentColor", &TCoolBand::ParentColor, &TCoolBand::SetParentColor)
          .Build();
  return info;
}

const TClassInfo& TCoolBar::StaticClass() {
  static const TClassInfo info = TClassBuilder<TCoolBar>("TCoolBar", &TWinControl::StaticClass())
                                     .Creatable()
                                     .Obj("Bands", &TCollection::StaticClass, &TCoolBar::Bands)
                                     .Bool("ShowText", &TCoolBar::ShowText, &TCoolBar::SetShowText)
                                     .Bool("FixedOrder", &TCoolBar::FixedOrder, &TCoolBar::SetFixedOrder)
                                     .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TCoolBar* TCoolBand::Bar() const {
  return Collection() ? ObjectAs<TCoolBar>(Collection()->Owner()) : nullptr;
}

void TCoolBand::SetControl(TWinControl* control) {
  if (control == control_) return;
  TCoolBar* bar = Bar();
  // A control sits in one band at a time.
  if (bar && control)
    if (TCoolBand* other = bar->FindBand(control)) other->control_ = nullptr;
  control_ = control;
  if (bar && control) {
    control->FreeNotification(bar);
    if (control->Parent() != bar) control->SetParent(bar);
  }
  Changed();
}

int TCoolBand::Width() const {
  TCoolBar* bar = Bar();
  if (bar && bar->HandleAllocated() && !bar->updating_) {
    REBARBANDINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = RBBIM_SIZE;
    if (SendMessageW(bar->RawHandle(), RB_GETBANDINFOW, static_cast<WPARAM>(Index()),
                     reinterpret_cast<LPARAM>(&info)))
      return static_cast<int>(info.cx);
  }
  return width_;
}

TColor TCoolBand::Color() const {
  TCoolBar* bar = Bar();
  return parentColor_ && bar ? bar->Color() : color_;
}

void TCoolBand::SetColor(TColor v) {
  color_ = v;
  parentColor_ = false;
  Changed();
}

TCoolBar::TCoolBar(TComponent* owner) : TWinControl(owner) {
  fw::EnsureCommonControls();
  width_ = 150;
  height_ = 75;
  color_ = clBtnFace;
  parentColor_ = true;
  bands_.SetOwner(this);
  bands_.OnUpdate = [this](TCollectionItem*) { UpdateBands(); };
}

TCoolBar::~TCoolBar() {
  bands_.OnUpdate = nullptr;
}

void TCoolBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.superClass = REBARCLASSNAMEW;
  // The bar keeps the bounds it is given rather than docking itself to its parent.
  p.style |=
      WS_CLIPCHILDREN | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | RBS_VARHEIGHT | RBS_BANDBORDERS;
  if (fixedOrder_) p.style |= RBS_FIXEDORDER;
}

void TCoolBar::HandleCreated() {
  TWinControl::HandleCreated();
  AdoptChildren();
  UpdateBands();
}

void TCoolBar::Loaded() {
  TWinControl::Loaded();
  AdoptChildren();
  UpdateBands();
}

void TCoolBar::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != opRemove) return;
  for (int i = 0; i < bands_.Count(); ++i)
    if (bands_.Items(i)->control_ == component) {
      bands_.Items(i)->control_ = nullptr;
      UpdateBands();
    }
}

TCoolBand* TCoolBar::FindBand(const TControl* control) const {
  for (int i = 0; i < bands_.Count(); ++i)
    if (bands_.Items(i)->control_ == control) return bands_.Items(i);
  return nullptr;
}

// Every windowed child without a band takes the first band that holds no control, or a new one.
void TCoolBar::AdoptChildren() {
  if (IsLoading()) return;
  for (TControl* child : std::vector<TControl*>(controls_)) {
    auto* control = ObjectAs<TWinControl>(child);
    if (!control || FindBand(control)) continue;
    TCoolBand* band = nullptr;
    for (int i = 0; i < bands_.Count() && !band; ++i)
      if (!bands_.Items(i)->control_) band = bands_.Items(i);
    if (!band) band = bands_.Add();
    band->control_ = control;
    control->FreeNotification(this);
  }
}

void TCoolBar::SetShowText(bool v) {
  showText_ = v;
  UpdateBands();
}

void TCoolBar::SetFixedOrder(bool v) {
  if (v == fixedOrder_) return;
  fixedOrder_ = v;
  RecreateWnd();
}

void TCoolBar::ColorChanged() {
  TWinControl::ColorChanged();
  UpdateBands();
}

int TCoolBar::BandCount() const {
  return handle_ ? static_cast<int>(SendMessageW(handle_, RB_GETBANDCOUNT, 0, 0)) : 0;
}

void TCoolBar::UpdateBands() {
  if (!handle_ || updating_) return;
  // With as many bands as before each is set in place, keeping the widths the user dragged:
  // making them again moves every child window, many round trips to the window server for what
  // is often only a new colour.
  const bool inPlace = BandCount() == bands_.Count();
  if (inPlace)
    for (int i = 0; i < bands_.Count(); ++i) bands_.Items(i)->width_ = bands_.Items(i)->Width();
  updating_ = true;
  SendMessageW(handle_, RB_SETBKCOLOR, 0, static_cast<LPARAM>(ColorToRGB(color_)));
  while (!inPlace && SendMessageW(handle_, RB_GETBANDCOUNT, 0, 0) > 0) SendMessageW(handle_, RB_DELETEBAND, 0, 0);
  for (int i = 0; i < bands_.Count(); ++i) {
    TCoolBand* band = bands_.Items(i);
    std::wstring text = fw::ItemText(showText_ ? band->text_ : std::string());
    REBARBANDINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = RBBIM_STYLE | RBBIM_TEXT | RBBIM_SIZE | RBBIM_CHILDSIZE | RBBIM_COLORS | RBBIM_CHILD;
    info.fStyle = (band->break_ ? RBBS_BREAK : 0) | (band->fixedSize_ ? RBBS_FIXEDSIZE : 0) |
                  (band->visible_ ? 0 : RBBS_HIDDEN) | RBBS_CHILDEDGE;
    info.lpText = text.data();
    info.cx = static_cast<UINT>(band->width_);
    info.cxMinChild = static_cast<UINT>(band->minWidth_);
    info.cyMinChild = static_cast<UINT>(band->minHeight_);
    info.clrFore = ColorToRGB(clBtnText);
    info.clrBack = ColorToRGB(band->Color());
    info.hwndChild = band->control_ && band->control_->Parent() == this ? band->control_->Handle() : nullptr;
    if (!inPlace) {
      SendMessageW(handle_, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&info));
      continue;
    }
    REBARBANDINFOW current{};
    current.cbSize = sizeof current;
    current.fMask = RBBIM_CHILD;
    SendMessageW(handle_, RB_GETBANDINFOW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&current));
    if (current.hwndChild == info.hwndChild) info.fMask &= ~RBBIM_CHILD;
    SendMessageW(handle_, RB_SETBANDINFOW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&info));
  }
  updating_ = false;
}

// A themed bar draws every band in the theme's colours whatever colour the band was given:
// bands of a colour of their own are filled with it again, inside their borders.
void TCoolBar::FillOwnColouredBands(HDC dc) {
  for (int i = 0; i < bands_.Count() && i < BandCount(); ++i) {
    const TCoolBand* band = bands_.Items(i);
    RECT r{};
    if (band->parentColor_ || !band->visible_ ||
        !SendMessageW(handle_, RB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r)))
      continue;
    fw::UniqueBrush brush(CreateSolidBrush(ColorToRGB(band->color_)));
    FillRect(dc, &r, brush.get());
  }
}

void TCoolBar::WndProc(TMessage& m) {
  const auto inherited = [this, &m] { DefaultHandler(m); };
  bool handled = false;
  switch (m.Msg) {
    case WM_ERASEBKGND: handled = WmEraseBackground(reinterpret_cast<HDC>(m.WParam), inherited, m.Result); break;
    default: break;
  }
  if (!handled) TWinControl::WndProc(m);
}

// The bar paints its bands; the area below the last row is the bar's colour.
bool TCoolBar::WmEraseBackground(HDC dc, const std::function<void()>& inherited, LRESULT& result) {
  RECT r;
  GetClientRect(handle_, &r);
  FillRect(dc, &r, ColorBrush());
  inherited();
  FillOwnColouredBands(dc);
  result = 1;
  return true;
}
