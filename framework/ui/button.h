// Push buttons: `TButtonControl` (the system BUTTON class under the framework's own class name)
// and `TButton` with Default, Cancel and ModalResult. User-interface thread.
#pragma once
#include "framework/ui/control.h"

class TButtonControl : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TButtonControl(TComponent* owner);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  bool CnCommand(WORD code);
};

class TButton : public TButtonControl {
  FW_DECLARE_CLASS()
 public:
  explicit TButton(TComponent* owner);
  bool Default() const { return default_; }
  void SetDefault(bool v);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool v) { cancel_ = v; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int v) { modalResult_ = v; }
  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = 0;
};
