// TSkinBinding: what a control skin serves and with what: its window, the framework control
// (windowed or windowless) it paints for, the skin data, the shared canvas and the host it is
// registered with. It follows the free notification of the skin data and of the host through
// the skin object that owns it. UI thread.
#pragma once
#include <windows.h>

class TCanvas;
class TComponent;
class TControl;
class TWinControl;

namespace quarnel {

class TSkinData;
class TControlSkinHost;
class TSkinControl;

class TSkinBinding {
 public:
  explicit TSkinBinding(TSkinControl& skin) : skin_(skin) {}
  TSkinBinding(const TSkinBinding&) = delete;
  TSkinBinding& operator=(const TSkinBinding&) = delete;

  HWND Window() const { return window_; }
  TWinControl* Control() const { return control_; }
  TControl* GraphicControl() const { return graphicControl_; }  // a windowless control's skin
  // The control (or graphic control) the skin paints for; null for a bare window.
  TControl* OwnerControl() const;
  TSkinData* SkinData() const { return skinData_; }
  TCanvas* SharedCanvas() const { return sharedCanvas_; }
  TControlSkinHost* Host() const { return host_; }
  bool UnicodeWindow() const { return unicodeWindow_; }
  LONG_PTR WindowLong(int index) const;  // W or A variant per the window's kind

  // Takes the skin data (following its free notification) and the canvas.
  void TakeSkin(TSkinData* skinData, TCanvas* canvas);
  void TakeControl(TWinControl& control) { control_ = &control; }
  void TakeGraphicControl(TControl& control) { graphicControl_ = &control; }
  void TakeWindow(HWND window) { window_ = window; }
  // Reads whether the window is a Unicode window (WindowLong follows it).
  void ReadWindowKind();
  // Follows the control to its present window (made again since).
  void FollowControlWindow();
  // With the host, once; away from a previous one.
  void Register(TControlSkinHost* host);
  void Unregister();
  // A component the binding refers to is being freed.
  void Forget(TComponent* component);

 private:
  TSkinControl& skin_;
  HWND window_ = nullptr;
  TWinControl* control_ = nullptr;
  TControl* graphicControl_ = nullptr;
  TSkinData* skinData_ = nullptr;
  TCanvas* sharedCanvas_ = nullptr;
  TControlSkinHost* host_ = nullptr;
  TComponent* hostComponent_ = nullptr;  // the host as a component, for its free notification
  bool unicodeWindow_ = false;
};

}  // namespace quarnel
