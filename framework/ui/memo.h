// Edits: `TCustomEdit` (the system EDIT class under the framework's class name), `TEdit`, and
// `TCustomMemo`/`TMemo` with its lines, word wrap, scroll bars and the keys it wants.
// User-interface thread.
#pragma once
#include <memory>

#include "framework/core/strings.h"
#include "framework/ui/control.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
enum TBorderStyle { bsNoBorder, bsSingleBorder };
const TEnumInfo& ScrollStyleEnum();
const TEnumInfo& BorderStyleEnum();

class TCustomEdit : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TCustomEdit(TComponent* owner);
  std::string Text() const { return Caption(); }
  void SetText(const std::string& text) { SetCaption(text); }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v);
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int v);
  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int v) { borderStyle_ = v; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  bool readOnly_ = false;
  int maxLength_ = 0;
  int borderStyle_ = bsSingleBorder;
};

class TEdit : public TCustomEdit {
  FW_DECLARE_CLASS()
 public:
  using TCustomEdit::TCustomEdit;

 protected:
  void CreateParams(TCreateParams& params) override;
};

// A multi-line edit with its lines; `TMemo` and the rich edit build on it.
class TCustomMemo : public TCustomEdit {
  FW_DECLARE_CLASS()
 public:
  explicit TCustomMemo(TComponent* owner);
  ~TCustomMemo() override;
  TStrings* Lines() { return lines_.get(); }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v) { wordWrap_ = v; }
  int ScrollBars() const { return scrollBars_; }
  void SetScrollBars(int v) { scrollBars_ = v; }
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool v) { wantTabs_ = v; }
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool v) { wantReturns_ = v; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  // Forwards the message without the key's message, then keeps the memo's own keys.
  bool WmGetDlgCode(TMessage& m);
  std::unique_ptr<TStrings> lines_;
  bool wordWrap_ = true;
  int scrollBars_ = ssNone;
  bool wantTabs_ = false;
  bool wantReturns_ = true;
};

class TMemo : public TCustomMemo {
  FW_DECLARE_CLASS()
 public:
  using TCustomMemo::TCustomMemo;
};
