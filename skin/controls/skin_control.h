// TSkinControl: the base of every per-control skin object. It takes over one control's message
// stream (a framework control's WindowProc, or a bare window's procedure through a thunk),
// paints the control from the skin, and restores what it replaced when it goes. Its concerns
// live in small parts: the binding (skin_binding.h), the hook (control_hook.h), the focus
// (focus_tracker.h), the look's marks (control_marks.h), the colour lent to the skin
// (skin_color_loan.h) and the attach state (attach_state.h). Also the property-by-name and
// drawing helpers the control skins share. UI thread.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/core/component.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/color.h"
#include "framework/ui/control.h"
#include "framework/ui/message.h"
#include "skin/controls/attach_state.h"
#include "skin/controls/control_hook.h"
#include "skin/controls/control_marks.h"
#include "skin/controls/focus_tracker.h"
#include "skin/controls/skin_binding.h"
#include "skin/controls/skin_color_loan.h"
#include "skin/data/draw/platform.h"
#include "skin/data/skin_messages.h"

namespace quarnel {

class TSkinData;
class TControlSkinHost;
class TDataSkinObject;

// The client point of a mouse message's lParam (signed halves).
inline POINT MousePoint(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// Width or height beyond which a mouse position no longer fits lParam's 16-bit halves.
constexpr int kLParamCoordinateLimit = 32768;

// The base keeps the object's state in its parts and behind named operations: subclasses read
// it through the accessors, outside code through the const ones, and the attach state moves
// (created, attached, detached, window gone) only through the base.
class TSkinControl : public TComponent {
 public:
  // `variant` is the look the dispatch asked for (its meaning is the subclass's).
  explicit TSkinControl(TComponent* owner, int32_t variant = 0);
  ~TSkinControl() override;
  void BeforeDestruction() override;

  // --- the operations subclasses override ---------------------------------------------------
  virtual void Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas);
  virtual void AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host, TCanvas* sharedCanvas);
  virtual void Detach();
  // Before the control's own procedure. True: handled here, so neither the control's procedure
  // nor AfterMessage runs; false: the message goes on to both.
  virtual bool BeforeMessage(TMessage& message);
  virtual void AfterMessage(TMessage& message);  // after the control's procedure
  virtual void PaintWindow(HDC dc);              // dc may be null: the window DC is used
  virtual void Draw(HDC dc, const RECT& rect);
  virtual void UpdateSkin();
  virtual bool CanSkin() const { return true; }
  // After SKM_ENABLESKIN switched painting off or on (an object with its own windows hides them).
  virtual void ActiveChanged() {}

  // --- message flow -------------------------------------------------------------------------
  void SkinWindowProc(TMessage& message);
  void CallSaved(TMessage& message) { hook_.CallSaved(message); }
  void Repaint();
  // After the control's window was made again with its parent's: the object takes the new
  // window and is attached and active again (the caller repaints).
  void TakeRemadeWindow();

  // --- what outside code reads --------------------------------------------------------------
  HWND Window() const { return binding_.Window(); }
  TWinControl* Control() const { return binding_.Control(); }
  TSkinData* SkinData() const { return binding_.SkinData(); }
  // The rest of what the object serves: graphic control, host, canvas, the window's kind.
  const TSkinBinding& Binding() const { return binding_; }
  const TAttachState& Attachment() const { return attach_; }
  int32_t Variant() const { return variant_; }
  bool UsesSkinColor() const { return colorLoan_.Taken(); }
  const std::wstring& Caption() const { return caption_; }
  // The marks the look is chosen by. Outside code changes the mouse marks only: the frame
  // object takes the hot mark from a foreign window's controls the pointer has left.
  const TControlMarks& Marks() const { return marks_; }
  TControlMarks& Marks() { return marks_; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

  // --- state, for the subclasses --------------------------------------------------------------
  void SetCaption(std::wstring caption) { caption_ = std::move(caption); }
  void SetVariant(int32_t variant) { variant_ = variant; }
  // For a subclass that attaches by itself: its control takes the skin's colours and gives
  // them back.
  TSkinColorLoan& ColorLoan() { return colorLoan_; }
  // A subclass that attaches by itself: attached now (the base's Attach does this itself).
  void MarkAttached() { attach_.MarkAttached(); }
  // A subclass that detaches by itself: no longer active, and detached unless never attached.
  void MarkDetached() { attach_.MarkDetached(); }
  // Whether the window has the keyboard focus (followed while the skin is hooked).
  bool HasFocus() { return focus_.HasFocus(binding_.Window(), hook_.Installed()); }
  // Hooks or unhooks a control of the subclass's choosing.
  TControlHook& Hook() { return hook_; }

  // Takes a windowed control as its target (skin, canvas, window) and registers with the host.
  void BindWindowedControl(TWinControl* control, TSkinData* skinData, TControlSkinHost* host,
                           TCanvas* canvas);
  // A control skinned through its window's procedure (not its message method): the window is
  // attached by handle, the control kept as the target.
  void AttachHandleFor(TWinControl& control, TSkinData* skinData, TControlSkinHost* host, TCanvas* canvas);
  // Follows the control to its present window (made again since the attach).
  void FollowControlWindow() { binding_.FollowControlWindow(); }
  // Takes a windowless control as its target, hooks it and registers with the host: attached.
  void BindGraphicControl(TControl* control, TSkinData* skinData, TControlSkinHost* host, TCanvas* canvas);

 private:
  bool OnNcDestroy(TMessage& message);
  void OnRecreateWindow();

  TSkinBinding binding_;
  TControlHook hook_;
  TFocusTracker focus_;
  TControlMarks marks_;
  TSkinColorLoan colorLoan_;
  TAttachState attach_;
  std::wstring caption_;
  int32_t variant_ = 0;
};

// The control's own mouse-down handling with the left button, as if the message (its MK_ keys
// and client point) had reached it.
void ForwardMouseDown(const TSkinControl& skin, WPARAM keys, POINT at);

// --- properties by name, for controls whose class is not known here ---------------------------
// Integer properties only; -1 for a nil object or a missing or non-integer property.
int64_t GetOrdPropByName(TObject* object, std::string_view name);
// An enumeration's (or boolean's) value name; empty when there is no such property.
std::string GetEnumPropByName(TObject* object, std::string_view name);
// Wide strings unchanged; 8-bit strings converted with the program's code page; empty if absent.
std::wstring GetTextPropByName(TObject* object, std::string_view name);
// The object held by the property when it is of `cls` (or a descendant), else null.
TObject* GetObjectPropByName(TObject* object, std::string_view name, const TClassInfo& cls);
// Integer: the text as a number; enumeration or boolean: by value name; strings: as text.
void SetPropByName(TObject* object, std::string_view name, std::string_view text);

// --- drawing helpers ---------------------------------------------------------------------------
// Shows what the control's parent paints under the control, into `dc` (the control's origin).
void DrawParentBackground(TControl* control, HDC dc);
// The colour a caption on the skin's face colour is drawn in: a control's own colour, unless it
// is the system's default text colour, which would not stand out on a dark skin's face.
TColor SkinCaptionColor(TColor own, const TSkinData* skinData);
// Frame `frameIndex` (from 1) of `frameCount` of the element's image, nine-grid by its margins.
void DrawElementFrame(HDC dc, const RECT& rect, TDataSkinObject& element, int frameCount, int frameIndex);

}  // namespace quarnel
