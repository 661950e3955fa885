// Edits and memos; a memo's lines are the logical lines of its text (split at line breaks),
// appended in place so each new line shows as soon as it is added. User-interface thread.
#include "framework/ui/memo.h"

#include "framework/core/error.h"
#include "framework/core/text.h"

const TEnumInfo& ScrollStyleEnum() {
  static const TEnumInfo e{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};
  return e;
}
const TEnumInfo& BorderStyleEnum() {
  static const TEnumInfo e{"TBorderStyle", {"bsNone", "bsSingle"}};
  return e;
}

const TClassInfo& TCustomEdit::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomEdit>("TCustomEdit", &TWinControl::StaticClass())
          .Str("Text", &TCustomEdit::Text, &TCustomEdit::SetText)
          .Bool("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly)
          .Int("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength)
          .Enum("BorderStyle", BorderStyleEnum(), &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle)
          .Build();
  return info;
}

const TClassInfo& TEdit::StaticClass() {
  static const TClassInfo info = TClassBuilder<TEdit>("TEdit", &TCustomEdit::StaticClass()).Creatable().Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

const TClassInfo& TCustomMemo::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomMemo>("TCustomMemo", &TCustomEdit::StaticClass())
          .Obj("Lines", &TStrings::StaticClass, &TCustomMemo::Lines)
          .Bool("WordWrap", &TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap)
          .Enum("ScrollBars", ScrollStyleEnum(), &TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars)
          .Bool("WantTabs", &TCustomMemo::WantTabs, &TCustomMemo::SetWantTabs)
          .Bool("WantReturns", &TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns)
          .Build();
  return info;
}

const TClassInfo& TMemo::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMemo>("TMemo", &TCustomMemo::StaticClass()).Creatable().Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  tabStop_ = true;
  color_ = clWindow;
  width_ = 121;
  height_ = 21;
}

void TCustomEdit::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.superClass = L"EDIT";
  if (borderStyle_ == bsSingleBorder) p.exStyle |= WS_EX_CLIENTEDGE;
  if (readOnly_) p.style |= ES_READONLY;
  p.cursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_IBEAM));
}

void TCustomEdit::HandleCreated() {
  TWinControl::HandleCreated();
  if (maxLength_) SendMessageW(handle_, EM_LIMITTEXT, static_cast<WPARAM>(maxLength_), 0);
}

void TCustomEdit::SetReadOnly(bool v) {
  readOnly_ = v;
  if (handle_) SendMessageW(handle_, EM_SETREADONLY, v, 0);
}

void TCustomEdit::SetMaxLength(int v) {
  maxLength_ = v;
  if (handle_) SendMessageW(handle_, EM_LIMITTEXT, static_cast<WPARAM>(v), 0);
}

void TEdit::CreateParams(TCreateParams& p) {
  TCustomEdit::CreateParams(p);
  p.style |= ES_AUTOHSCROLL;
}

namespace {

// Bare CR or LF become CR LF, the line break of an edit control.
std::string AdjustLineBreaks(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\r' || s[i] == '\n') {
      out += "\r\n";
      if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
    } else {
      out += s[i];
    }
  }
  return out;
}

class TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TCustomMemo& memo) : memo_(memo) {}
  int Count() const override { return static_cast<int>(Split().size()); }
  std::string Get(int index) const override {
    auto lines = Split();
    if (index < 0 || index >= static_cast<int>(lines.size()))
      throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return lines[static_cast<size_t>(index)];
  }
  void Put(int index, const std::string& s) override {
    auto lines = Split();
    if (index < 0 || index >= static_cast<int>(lines.size()))
      throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    lines[static_cast<size_t>(index)] = s;
    Join(lines);
  }
  int Add(const std::string& s) override {
    auto lines = Split();
    const int index = static_cast<int>(lines.size());
    InsertInto(lines, index, s);
    return index;
  }
  void Insert(int index, const std::string& s) override {
    auto lines = Split();
    if (index < 0 || index > static_cast<int>(lines.size()))
      throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    InsertInto(lines, index, s);
  }
  void Delete(int index) override {
    auto lines = Split();
    if (index < 0 || index >= static_cast<int>(lines.size()))
      throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    lines.erase(lines.begin() + index);
    Join(lines);
  }
  void Clear() override {
    memo_.SetCaption("");
    if (memo_.HandleAllocated()) SetWindowTextW(memo_.RawHandle(), L"");
  }
  std::string Text() const override { return memo_.Caption(); }
  void SetText(const std::string& text) override { SetAll(AdjustLineBreaks(text)); }

 private:
  std::vector<std::string> Split() const { return SplitLines(memo_.Caption()); }
  void InsertInto(std::vector<std::string>& lines, int index, const std::string& s) {
    if (index == static_cast<int>(lines.size()) && memo_.HandleAllocated()) {
      // Appending: add at the end of the text without rewriting what is there.
      HWND wnd = memo_.RawHandle();
      std::wstring wide = fw::ToWide((lines.empty() ? "" : "\r\n") + AdjustLineBreaks(s));
      int end = GetWindowTextLengthW(wnd);
      SendMessageW(wnd, EM_SETSEL, static_cast<WPARAM>(end), end);
      SendMessageW(wnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
      UpdateWindow(wnd);
      return;
    }
    lines.insert(lines.begin() + index, s);
    Join(lines);
  }
  void Join(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + AdjustLineBreaks(lines[i]);
    SetAll(text);
  }
  void SetAll(const std::string& text) {
    memo_.SetCaption(text);
    if (memo_.HandleAllocated()) SetWindowTextW(memo_.RawHandle(), fw::ToWide(text).c_str());
  }
  TCustomMemo& memo_;
};

}  // namespace

TCustomMemo::TCustomMemo(TComponent* owner)
    : TCustomEdit(owner), lines_(std::make_unique<TMemoStrings>(*this)) {
  width_ = 185;
  height_ = 89;
}

TCustomMemo::~TCustomMemo() = default;

void TCustomMemo::CreateParams(TCreateParams& p) {
  TCustomEdit::CreateParams(p);
  p.style |= ES_MULTILINE | ES_AUTOVSCROLL;
  if (wantReturns_) p.style |= ES_WANTRETURN;
  if (!wordWrap_) p.style |= ES_AUTOHSCROLL;
  if (scrollBars_ == ssVertical || scrollBars_ == ssBoth) p.style |= WS_VSCROLL;
  if (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth) p.style |= WS_HSCROLL;
}

void TCustomMemo::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case WM_GETDLGCODE: handled = WmGetDlgCode(m); break;
    default: break;
  }
  if (!handled) TCustomEdit::WndProc(m);
}

// Asked with the key's message, the system's multi-line edit takes itself for a dialog's control
// and answers Escape by closing its parent (the page or form it lies on). The keys it keeps are
// decided here from the memo's own properties, so it is asked without one.
bool TCustomMemo::WmGetDlgCode(TMessage& m) {
  m.LParam = 0;
  TCustomEdit::WndProc(m);
  if (wantTabs_) m.Result |= DLGC_WANTTAB;
  else m.Result &= ~DLGC_WANTTAB;
  if (!wantReturns_) m.Result &= ~DLGC_WANTALLKEYS;
  return true;
}
