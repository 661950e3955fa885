// `TApplication`: title, main form, the screen's list of forms, a hidden application window,
// the message loop with keyboard navigation, and the error box for exceptions that escape an
// event handler. One per process; user-interface thread.
#pragma once
#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/win/handles.h"

class TCustomForm;

class TApplication : public TComponent {
  FW_DECLARE_CLASS()
 public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  // COM for this thread, common controls, the application window.
  void Initialize();
  // Destroys every form and the application window and ends COM; the loop must have ended.
  void Shutdown();

  HWND Handle() const { return handle_.get(); }
  std::string Title() const { return title_; }
  void SetTitle(const std::string& title);
  HICON Icon() const { return icon_; }

  // Makes a form owned by the application; the first one becomes the main form.
  template <class T>
  T* CreateForm() {
    T* form = TComponent::CreateIn<T>(this);
    if (!mainForm_) mainForm_ = form;
    return form;
  }
  TCustomForm* MainForm() const { return mainForm_; }
  void SetMainForm(TCustomForm* form) { mainForm_ = form; }

  // Shows the main form and dispatches messages until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Lets another loop run after Terminate (a process that builds several main windows, as the
  // window tests do); drops a pending quit message.
  void ClearTerminated();
  // Dispatches what is queued now, then returns.
  void ProcessMessages();
  // One message through keyboard navigation and dispatch.
  void DispatchOne(MSG& msg);

  // Shows an escaped exception in the error box (caption = title, stop icon, one OK button).
  void HandleException(std::exception_ptr error);
  static std::string ErrorBoxText(const std::string& message);
  // Replaces the error box (tests); returns the previous handler.
  std::function<void(const std::string&)> OnShowError;

  int HintPause() const { return 500; }
  int HintHidePause() const { return 2500; }

  void Notification(TComponent* component, TOperation operation) override;
  void BeforeDestruction() override;

 private:
  bool HandleDialogKey(const MSG& msg);
  fw::UniqueWindow handle_;
  std::string title_;
  HICON icon_ = nullptr;
  TCustomForm* mainForm_ = nullptr;
  bool terminated_ = false;
  bool comInitialized_ = false;
};

TApplication* Application();

// The screen: every form that exists, in creation order.
class TScreen {
 public:
  std::vector<TCustomForm*> forms;
  TCustomForm* ActiveForm() const;
  int FormCount() const { return static_cast<int>(forms.size()); }
};
TScreen& Screen();
