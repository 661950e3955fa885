// Rich edits: `TCustomRichEdit` and `TRichEdit`, a memo over the system's rich edit control
// (version 2 and later, loaded once per process) with plain-text mode, background colour, font
// colour and the change event. User-interface thread.
#pragma once
#include "framework/ui/memo.h"

class TCustomRichEdit : public TCustomMemo {
  FW_DECLARE_CLASS()
 public:
  explicit TCustomRichEdit(TComponent* owner);
  // Plain text: one character format for the whole text, as in an ordinary memo.
  bool PlainText() const { return plainText_; }
  void SetPlainText(bool v);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool v);
  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;
  void ColorChanged() override;
  void FontChanged() override;

 private:
  bool CnCommand(WORD code, LRESULT& result);
  void ApplyColors();
  bool plainText_ = false;
  bool hideSelection_ = true;
};

class TRichEdit : public TCustomRichEdit {
  FW_DECLARE_CLASS()
 public:
  using TCustomRichEdit::TCustomRichEdit;
};
