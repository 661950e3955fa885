// Combo boxes: items in the window once it exists (in a list before), selection and text, the
// reflected notifications turned into events, owner-drawn items, and the window made again
// when its style changes. User-interface thread.
#include "framework/controls/combo_box.h"

#include <commctrl.h>

#include "framework/controls/common_controls.h"
#include "framework/controls/parent_background.h"
#include "framework/core/error.h"
#include "framework/core/text.h"

const TEnumInfo& ComboBoxStyleEnum() {
  static const TEnumInfo e{"TComboBoxStyle",
                           {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed"}};
  return e;
}

const TEnumInfo& ComboBoxExStyleEnum() {
  static const TEnumInfo e{"TComboBoxExStyle", {"csExDropDown", "csExSimple", "csExDropDownList"}};
  return e;
}

// The items of a combo box: the window's own list once there is a window.
class TComboStrings : public TStrings {
 public:
  explicit TComboStrings(TCustomCombo& combo) : combo_(combo) {}
  int Count() const override {
    HWND wnd = combo_.RawHandle();
    return wnd ? static_cast<int>(SendMessageW(wnd, CB_GETCOUNT, 0, 0)) : combo_.stored_.Count();
  }
  std::string Get(int index) const override {
    if (!combo_.RawHandle()) return combo_.stored_.Get(index);
    Check(index, false);
    return combo_.WindowItem(index);
  }
  void Put(int index, const std::string& s) override {
    if (!combo_.RawHandle()) return combo_.stored_.Put(index, s);
    const int selected = combo_.ItemIndex();
    Delete(index);
    Insert(index, s);
    if (selected == index) combo_.SetItemIndex(index);
  }
  void Insert(int index, const std::string& s) override {
    if (!combo_.RawHandle()) return combo_.stored_.Insert(index, s);
    Check(index, true);
    combo_.WindowInsert(index, s);
  }
  void Delete(int index) override {
    HWND wnd = combo_.RawHandle();
    if (!wnd) return combo_.stored_.Delete(index);
    Check(index, false);
    SendMessageW(wnd, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
  }
  void Clear() override {
    if (HWND wnd = combo_.RawHandle())
      SendMessageW(wnd, CB_RESETCONTENT, 0, 0);
    else
      combo_.stored_.Clear();
  }

 private:
  void Check(int index, bool allowEnd) const {
    const int count = Count();
    if (index < 0 || index > count || (!allowEnd && index == count))
      throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  }
  TCustomCombo& combo_;
};

const TClassInfo& TCustomCombo::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomCombo>("TCustomCombo", &TWinControl::StaticClass())
          .Obj("Items", &TStrings::StaticClass, &TCustomCombo::Items)
          .Int("ItemIndex", &TCustomCombo::ItemIndex, &TCustomCombo::SetItemIndex)
          .Str("Text", &TCustomCombo::Text, &TCustomCombo::SetText)
          .Int("DropDownCount", &TCustomCombo::DropDownCount, &TCustomCombo::SetDropDownCount)
          .Event("OnChange", &TCustomCombo::OnChange)
          .Event("OnSelect", &TCustomCombo::OnSelect)
          .Event("OnDropDown", &TCustomCombo::OnDropDown)
          .Event("OnCloseUp", &TCustomCombo::OnCloseUp)
          .Build();
  return info;
}

TCustomCombo::TCustomCombo(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TComboStrings>(*this)) {
  tabStop_ = true;
  color_ = clWindow;
  width_ = 145;
  height_ = 21;
}

TCustomCombo::~TCustomCombo() = default;

int TCustomCombo::ListHeight() const {
  return dropDownCount_ * 16 + 2;
}

void TCustomCombo::SetBounds(int left, int top, int width, int height) {
  TControl::SetBounds(left, top, width, height);
  // The window's height includes the list that drops down below the control.
  if (handle_)
    SetWindowPos(handle_, nullptr, left_, top_, width_, height_ + ListHeight(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomCombo::SetDropDownCount(int v) {
  dropDownCount_ = v < 1 ? 1 : v;
  SetBounds(left_, top_, width_, height_);
}

void TCustomCombo::HandleCreated() {
  TWinControl::HandleCreated();
  const std::string text = caption_;
  for (int i = 0; i < stored_.Count(); ++i) WindowInsert(i, stored_.Get(i));
  stored_.Clear();
  if (itemIndex_ >= 0)
    SendMessageW(handle_, CB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
  else if (!text.empty() && EditableStyle())
    SetWindowTextW(handle_, fw::ToWide(text).c_str());
}

int TCustomCombo::ItemIndex() const {
  return handle_ ? static_cast<int>(SendMessageW(handle_, CB_GETCURSEL, 0, 0)) : itemIndex_;
}

void TCustomCombo::SetItemIndex(int index) {
  if (index < -1) index = -1;
  itemIndex_ = index;
  if (!handle_) {
    if (index >= 0 && index < stored_.Count()) caption_ = stored_.Get(index);
    return;
  }
  SendMessageW(handle_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  caption_ = Text();
}

void TCustomCombo::SetText(const std::string& text) {
  if (!EditableStyle()) {
    // A list-only combo shows items only: the text picks the item that has it.
    SetItemIndex(items_->IndexOf(text));
    return;
  }
  SetCaption(text);
}

void TCustomCombo::SetCaptionSilently(const std::string& text) {
  caption_ = text;
  if (handle_) SetWindowTextW(handle_, fw::ToWide(text).c_str());
}

bool TCustomCombo::DroppedDown() const {
  return handle_ && SendMessageW(handle_, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomCombo::SetDroppedDown(bool v) {
  if (handle_) SendMessageW(handle_, CB_SHOWDROPDOWN, v, 0);
}

void TCustomCombo::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case CN_COMMAND: handled = CnCommand(HIWORD(m.WParam), m.Result); break;
    default: break;
  }
  if (!handled) TWinControl::WndProc(m);
}

bool TCustomCombo::CnCommand(WORD code, LRESULT& result) {
  switch (code) {
    case CBN_SELCHANGE: {
      itemIndex_ = ItemIndex();
      // The system fills the edit part only after this notification; the handlers see the item.
      if (EditableStyle() && itemIndex_ >= 0)
        SetCaptionSilently(items_->Get(itemIndex_));
      else
        caption_ = Text();
      Click();
      OnSelect(this);
      OnChange(this);
      break;
    }
    case CBN_EDITCHANGE:
      caption_ = Text();
      itemIndex_ = -1;
      OnChange(this);
      break;
    case CBN_DROPDOWN:
      OnDropDown(this);
      break;
    case CBN_CLOSEUP:
      OnCloseUp(this);
      break;
    default:
      break;
  }
  result = 0;
  return true;
}

const TClassInfo& TCustomComboBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomComboBox>("TCustomComboBox", &TCustomCombo::StaticClass())
          .Enum("Style", ComboBoxStyleEnum(), &TCustomComboBox::Style, &TCustomComboBox::SetStyle)
          .Bool("Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted)
          .Int("ItemHeight", &TCustomComboBox::ItemHeight, &TCustomComboBox::SetItemHeight)
          .Int("MaxLength", &TCustomComboBox::MaxLength, &TCustomComboBox::SetMaxLength)
          .Build();
  return info;
}

const TClassInfo& TComboBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TComboBox>("TComboBox", &TCustomComboBox::StaticClass()).Creatable().Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TCustomComboBox::TCustomComboBox(TComponent* owner) : TCustomCombo(owner) {}

void TCustomComboBox::CreateParams(TCreateParams& p) {
  TCustomCombo::CreateParams(p);
  p.superClass = L"COMBOBOX";
  p.style |= WS_VSCROLL | CBS_AUTOHSCROLL;
  static const DWORD kStyles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST,
                                  CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS};
  p.style |= kStyles[style_ >= 0 && style_ <= csOwnerDrawFixed ? style_ : 0];
  if (sorted_) p.style |= CBS_SORT;
  // An identifier other than 0: the parent tells an item drawn for a control from a menu's by it.
  if (style_ == csOwnerDrawFixed) p.menu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(1));
  p.height = height_ + ListHeight();
}

int TCustomComboBox::ListHeight() const {
  // A simple combo shows its list all the time, inside the control's own height.
  return style_ == csSimple ? 0 : dropDownCount_ * itemHeight_ + 2;
}

void TCustomComboBox::HandleCreated() {
  TCustomCombo::HandleCreated();
  if (maxLength_) SendMessageW(handle_, CB_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
  if (style_ == csOwnerDrawFixed) {
    SendMessageW(handle_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight_);
    SendMessageW(handle_, CB_SETITEMHEIGHT, 0, itemHeight_);
  }
}

namespace {

// Makes a control's window again (after a style the system reads only at creation changed),
// keeping its items, selection and text.
void RemakeWindow(TCustomCombo& combo, TStringList& stored, int& itemIndex) {
  if (!combo.HandleAllocated()) return;
  const int selected = combo.ItemIndex();
  // While the window lives the items are read from it, so the stored copy can be filled first.
  stored.AssignLines(combo.Items()->ToVector());
  itemIndex = selected;
  combo.RecreateWnd();
}

}  // namespace

void TCustomComboBox::SetStyle(int v) {
  if (v == style_) return;
  style_ = v;
  RemakeWindow(*this, stored_, itemIndex_);
}

void TCustomComboBox::SetSorted(bool v) {
  if (v == sorted_) return;
  sorted_ = v;
  RemakeWindow(*this, stored_, itemIndex_);
}

void TCustomComboBox::SetItemHeight(int v) {
  itemHeight_ = v < 1 ? 1 : v;
  if (handle_ && style_ == csOwnerDrawFixed) {
    SendMessageW(handle_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), itemHeight_);
    SendMessageW(handle_, CB_SETITEMHEIGHT, 0, itemHeight_);
  }
}

void TCustomComboBox::SetMaxLength(int v) {
  maxLength_ = v < 0 ? 0 : v;
  if (handle_) SendMessageW(handle_, CB_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomComboBox::WindowInsert(int index, const std::string& text) {
  std::wstring wide = fw::ToWide(text);
  // A sorted list puts each new item in its place.
  SendMessageW(handle_, sorted_ ? CB_ADDSTRING : CB_INSERTSTRING, sorted_ ? 0 : static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(wide.c_str()));
}

std::string TCustomComboBox::WindowItem(int index) const {
  LRESULT length = SendMessageW(handle_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  SendMessageW(handle_, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<size_t>(length));
  return fw::FromWide(text);
}

void TCustomComboBox::DrawItem(const DRAWITEMSTRUCT& item) {
  canvas_.SetHandle(item.hDC);
  const int index = static_cast<int>(item.itemID);
  if (OnDrawItem) {
    OnDrawItem(this, index, item.rcItem, item.itemState);
  } else {
    // The plain look: the item's text on the window colour, or highlighted when selected.
    const bool selected = item.itemState & ODS_SELECTED;
    canvas_.Brush().SetColor(selected ? clHighlight : color_);
    canvas_.FillRect(item.rcItem);
    canvas_.Font().Assign(font_);
    canvas_.Font().SetColor(selected ? clHighlightText : font_.Color());
    if (index >= 0) canvas_.TextOut(item.rcItem.left + 2, item.rcItem.top + 1, WindowItem(index));
    if (item.itemState & ODS_FOCUS) DrawFocusRect(canvas_.Handle(), &item.rcItem);
  }
  canvas_.SetHandle(nullptr);
}

void TCustomComboBox::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case WM_ERASEBKGND: handled = WmEraseBackground(reinterpret_cast<HDC>(m.WParam), m.Result); break;
    case CN_DRAWITEM: handled = CnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam), m.Result); break;
    default: break;
  }
  if (!handled) TCustomCombo::WndProc(m);
}

// Below a simple combo's list (whole items only) the parent shows through.
bool TCustomComboBox::WmEraseBackground(HDC dc, LRESULT& result) {
  if (style_ != csSimple) return false;
  fw::EraseContainer(*this, dc, ColorBrush(), true);
  result = 1;
  return true;
}

bool TCustomComboBox::CnDrawItem(const DRAWITEMSTRUCT& item, LRESULT& result) {
  DrawItem(item);
  result = TRUE;
  return true;
}

const TClassInfo& TCustomComboBoxEx::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomComboBoxEx>("TCustomComboBoxEx", &TCustomCombo::StaticClass())
          .Enum("Style", ComboBoxExStyleEnum(), &TCustomComboBoxEx::Style, &TCustomComboBoxEx::SetStyle)
          .Build();
  return info;
}

const TClassInfo& TComboBoxEx::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TComboBoxEx>("TComboBoxEx", &TCustomComboBoxEx::StaticClass()).Creatable().Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TCustomComboBoxEx::TCustomComboBoxEx(TComponent* owner) : TCustomCombo(owner) {}

void TCustomComboBoxEx::CreateParams(TCreateParams& p) {
  fw::EnsureCommonControls();
  TCustomCombo::CreateParams(p);
  p.superClass = WC_COMBOBOXEXW;
  static const DWORD kStyles[] = {CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST};
  p.style |= kStyles[style_ >= 0 && style_ <= csExDropDownList ? style_ : 0];
  p.height = height_ + (style_ == csExSimple ? 0 : ListHeight());
}

void TCustomComboBoxEx::SetStyle(int v) {
  if (v == style_) return;
  style_ = v;
  RemakeWindow(*this, stored_, itemIndex_);
}

void TCustomComboBoxEx::WindowInsert(int index, const std::string& text) {
  std::wstring wide = fw::ToWide(text);
  COMBOBOXEXITEMW item{};
  item.mask = CBEIF_TEXT;
  item.iItem = index;
  item.pszText = wide.data();
  SendMessageW(handle_, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

std::string TCustomComboBoxEx::WindowItem(int index) const {
  wchar_t buffer[512] = {};
  COMBOBOXEXITEMW item{};
  item.mask = CBEIF_TEXT;
  item.iItem = index;
  item.pszText = buffer;
  item.cchTextMax = 512;
  if (!SendMessageW(handle_, CBEM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return {};
  return fw::FromWide(item.pszText ? item.pszText : L"");
}

std::string TCustomComboBoxEx::Text() const {
  if (!handle_) return caption_;
  if (style_ == csExDropDownList) {
    const int index = ItemIndex();
    return index >= 0 ? WindowItem(index) : std::string();
  }
  // The text typed or chosen lives in the extended combo's own edit window.
  HWND edit = reinterpret_cast<HWND>(SendMessageW(handle_, CBEM_GETEDITCONTROL, 0, 0));
  if (!edit) return caption_;
  wchar_t buffer[512] = {};
  GetWindowTextW(edit, buffer, 512);
  return fw::FromWide(buffer);
}
