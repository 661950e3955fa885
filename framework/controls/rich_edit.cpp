// Rich edits: the library that registers the rich edit class is loaded on first use and kept
// for the life of the process; text mode, colours and the change notification are set on the
// window once it exists. User-interface thread.
#include "framework/controls/rich_edit.h"

#include <richedit.h>

#include "framework/core/text.h"
#include "framework/win/handles.h"

namespace {

// The rich edit class lives in its library; windows of it may exist until the process ends.
void EnsureRichEditClass() {
  static const fw::UniqueModule library(LoadLibraryW(L"riched20.dll"));
  (void)library;
}

}  // namespace

const TClassInfo& TCustomRichEdit::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomRichEdit>("TCustomRichEdit", &TCustomMemo::StaticClass())
          .Bool("PlainText", &TCustomRichEdit::PlainText, &TCustomRichEdit::SetPlainText)
          .Bool("HideSelection", &TCustomRichEdit::HideSelection, &TCustomRichEdit::SetHideSelection)
          .Event("OnChange", &TCustomRichEdit::OnChange)
          .Build();
  return info;
}

const TClassInfo& TRichEdit::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRichEdit>("TRichEdit", &TCustomRichEdit::StaticClass()).Creatable().Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TCustomRichEdit::TCustomRichEdit(TComponent* owner) : TCustomMemo(owner) {}

void TCustomRichEdit::CreateParams(TCreateParams& p) {
  EnsureRichEditClass();
  TCustomMemo::CreateParams(p);
  p.superClass = RICHEDIT_CLASSW;
  // The text goes in after the text mode, which can only change while the control is empty.
  p.caption.clear();
  if (!hideSelection_) p.style |= ES_NOHIDESEL;
}

void TCustomRichEdit::HandleCreated() {
  TCustomMemo::HandleCreated();
  SendMessageW(handle_, EM_SETTEXTMODE, plainText_ ? TM_PLAINTEXT : TM_RICHTEXT, 0);
  SendMessageW(handle_, EM_SETEVENTMASK, 0, ENM_CHANGE);
  ApplyColors();
  if (!caption_.empty()) SetWindowTextW(handle_, fw::ToWide(caption_).c_str());
}

void TCustomRichEdit::ApplyColors() {
  if (!handle_) return;
  SendMessageW(handle_, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ColorToRGB(color_)));
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_COLOR;
  format.crTextColor = ColorToRGB(font_.Color());
  SendMessageW(handle_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void TCustomRichEdit::SetPlainText(bool v) {
  if (v == plainText_) return;
  plainText_ = v;
  if (!handle_) return;
  // The mode changes only on an empty control: take the text out and put it back.
  const std::string text = Caption();
  SetWindowTextW(handle_, L"");
  SendMessageW(handle_, EM_SETTEXTMODE, v ? TM_PLAINTEXT : TM_RICHTEXT, 0);
  SetWindowTextW(handle_, fw::ToWide(text).c_str());
  ApplyColors();
}

void TCustomRichEdit::SetHideSelection(bool v) {
  hideSelection_ = v;
  if (handle_) SendMessageW(handle_, EM_HIDESELECTION, v && !Focused(), 0);
}

void TCustomRichEdit::ColorChanged() {
  TCustomMemo::ColorChanged();
  ApplyColors();
}

void TCustomRichEdit::FontChanged() {
  TCustomMemo::FontChanged();
  ApplyColors();
}

void TCustomRichEdit::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case CN_COMMAND: handled = CnCommand(HIWORD(m.WParam), m.Result); break;
    default: break;
  }
  if (!handled) TCustomMemo::WndProc(m);
}

bool TCustomRichEdit::CnCommand(WORD code, LRESULT& result) {
  if (code == EN_CHANGE) OnChange(this);
  result = 0;
  return true;
}
