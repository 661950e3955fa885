// List boxes: items kept in the window once it exists (in a list before), selection, top item
// and the click notification reflected from the parent. User-interface thread.
#include "framework/ui/list_box.h"

#include "framework/core/error.h"
#include "framework/core/text.h"
#include "framework/ui/memo.h"

// The items of a list box: the window's own list once there is a window.
class TListBoxStrings : public TStrings {
 public:
  explicit TListBoxStrings(TCustomListBox& box) : box_(box) {}
  int Count() const override {
    HWND wnd = Window();
    return wnd ? static_cast<int>(SendMessageW(wnd, LB_GETCOUNT, 0, 0)) : box_.stored_.Count();
  }
  std::string Get(int index) const override {
    HWND wnd = Window();
    if (!wnd) return box_.stored_.Get(index);
    Check(index, false);
    LRESULT length = SendMessageW(wnd, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(wnd, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return fw::FromWide(text);
  }
  void Put(int index, const std::string& s) override {
    if (!Window()) return box_.stored_.Put(index, s);
    Delete(index);
    Insert(index, s);
  }
  void Insert(int index, const std::string& s) override {
    HWND wnd = Window();
    if (!wnd) return box_.stored_.Insert(index, s);
    Check(index, true);
    std::wstring wide = fw::ToWide(s);
    SendMessageW(wnd, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide.c_str()));
  }
  void Delete(int index) override {
    HWND wnd = Window();
    if (!wnd) return box_.stored_.Delete(index);
    Check(index, false);
    SendMessageW(wnd, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  }
  void Clear() override {
    if (HWND wnd = Window())
      SendMessageW(wnd, LB_RESETCONTENT, 0, 0);
    else
      box_.stored_.Clear();
  }

 private:
  HWND Window() const { return box_.RawHandle(); }
  void Check(int index, bool allowEnd) const {
    const int count = Count();
    if (index < 0 || index > count || (!allowEnd && index == count))
      throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  }
  TCustomListBox& box_;
};

const TClassInfo& TCustomListBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomListBox>("TCustomListBox", &TWinControl::StaticClass())
          .Obj("Items", &TStrings::StaticClass, &TCustomListBox::Items)
          .Int("ItemIndex", &TCustomListBox::ItemIndex, &TCustomListBox::SetItemIndex)
          .Int("ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight)
          .Enum("BorderStyle", BorderStyleEnum(), &TCustomListBox::BorderStyle,
                &TCustomListBox::SetBorderStyle)
          .Build();
  return info;
}

const TClassInfo& TListBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TListBox>("TListBox", &TCustomListBox::StaticClass()).Creatable().Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TCustomListBox::TCustomListBox(TComponent* owner)
    : TWinControl(owner), items_(std::make_unique<TListBoxStrings>(*this)) {
  tabStop_ = true;
  color_ = clWindow;
  width_ = 121;
  height_ = 97;
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.superClass = L"LISTBOX";
  p.style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
  if (borderStyle_ == bsSingleBorder) p.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::HandleCreated() {
  TWinControl::HandleCreated();
  // The items kept so far move into the window.
  for (int i = 0; i < stored_.Count(); ++i) {
    std::wstring wide = fw::ToWide(stored_.Get(i));
    SendMessageW(handle_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
  }
  stored_.Clear();
  if (itemHeight_ > 0) SendMessageW(handle_, LB_SETITEMHEIGHT, 0, itemHeight_);
  if (itemIndex_ >= 0) SendMessageW(handle_, LB_SETCURSEL, static_cast<WPARAM>(itemIndex_), 0);
}

int TCustomListBox::ItemIndex() const {
  return handle_ ? static_cast<int>(SendMessageW(handle_, LB_GETCURSEL, 0, 0)) : itemIndex_;
}

void TCustomListBox::SetItemIndex(int index) {
  itemIndex_ = index;
  if (handle_) SendMessageW(handle_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int TCustomListBox::TopIndex() const {
  return handle_ ? static_cast<int>(SendMessageW(handle_, LB_GETTOPINDEX, 0, 0)) : 0;
}

void TCustomListBox::SetTopIndex(int index) {
  if (handle_) SendMessageW(handle_, LB_SETTOPINDEX, static_cast<WPARAM>(index), 0);
}

void TCustomListBox::SetItemHeight(int v) {
  itemHeight_ = v;
  if (handle_ && v > 0) SendMessageW(handle_, LB_SETITEMHEIGHT, 0, v);
}

void TCustomListBox::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case CN_COMMAND: handled = CnCommand(HIWORD(m.WParam)); break;
    default: break;
  }
  if (!handled) TWinControl::WndProc(m);
}

// A selection change is the list's click; other notifications take the default way.
bool TCustomListBox::CnCommand(WORD code) {
  if (code != LBN_SELCHANGE) return false;
  itemIndex_ = ItemIndex();
  OnClick(this);
  return true;
}
