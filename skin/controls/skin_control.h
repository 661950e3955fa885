// TSkinControl: the base of every per-control skin object. It takes over one control's message
// stream (a framework control's WindowProc, or a bare window's procedure through a thunk),
// paints the control from the skin, and restores what it replaced when it goes. Also the
// property-by-name, colour, fill and text helpers the control skins share. UI thread.
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
#include "framework/win/window_thunk.h"
#include "skin/data/draw/platform.h"
#include "skin/data/skin_messages.h"

namespace quarnel {

class TSkinData;
class TControlSkinHost;
class TDataSkinObject;

// MouseState bits.
constexpr uint8_t kMouseHot = 1;
constexpr uint8_t kMousePressed = 2;

// State values.
enum TSkinControlState : int32_t {
  scsCreated = 0,
  scsAttached = 1,
  scsDetached = 2,
  scsWindowGone = 6,
};

// The client point of a mouse message's lParam (signed halves).
inline POINT MousePoint(LPARAM lParam) {
  return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// Right-to-left reading flag of a text format.
constexpr UINT kFormatRtlReading = 0x20000;
// Width or height beyond which a mouse position no longer fits lParam's 16-bit halves.
constexpr int kLParamCoordinateLimit = 32768;

// The base keeps the object's state (its window and control, the skin data, the mouse and
// focus marks, the attach state) behind named operations: subclasses read it through the
// protected accessors, outside code through the few public getters, and the attach state moves
// (created, attached, detached, window gone) only through the base.
class TSkinControl : public TComponent {
 public:
  // `variant` is the look the dispatch asked for (its meaning is the subclass's).
  explicit TSkinControl(TComponent* owner, int32_t variant = 0);
  ~TSkinControl() override;
  void BeforeDestruction() override;

  // --- the nine operations subclasses override ------------------------------------------------
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
  void CallSaved(TMessage& message);
  void Repaint();
  // After the control's window was made again with its parent's: the object takes the new
  // window and is attached and active again (the caller repaints).
  void TakeRemadeWindow();

  // --- what outside code reads --------------------------------------------------------------
  HWND Window() const { return window_; }
  TWinControl* Control() const { return control_; }
  TControl* GraphicControl() const { return graphicControl_; }  // a windowless control's skin
  int32_t State() const { return state_; }
  bool Active() const { return active_; }  // painting in the skin's look (SKM_ENABLESKIN)
  int32_t Variant() const { return variant_; }
  bool UsesSkinColor() const { return useSkinColor_; }
  bool Attached() const { return attached_; }
  TControlSkinHost* Host() const { return host_; }
  TSkinData* SkinData() const { return skinData_; }
  TCanvas* SharedCanvas() const { return sharedCanvas_; }
  LONG_PTR WindowLong(int index) const;  // W or A variant per the window's kind
  void FillSkinColor(HDC dc, const RECT& rect) const;
  bool Hot() const { return mouseState_ & kMouseHot; }
  bool Pressed() const { return mouseState_ & kMousePressed; }
  // The frame object takes the hot mark from a foreign window's controls the pointer has left.
  void SetHot(bool on) { mouseState_ = on ? mouseState_ | kMouseHot : mouseState_ & ~kMouseHot; }
  void SetPressed(bool on) { mouseState_ = on ? mouseState_ | kMousePressed : mouseState_ & ~kMousePressed; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

  // --- state, for the subclasses --------------------------------------------------------------
  bool UnicodeWindow() const { return unicodeWindow_; }
  bool Enabled() const { return enabled_; }  // as last read from the window or control
  void SetEnabled(bool on) { enabled_ = on; }
  bool Focused() const { return focused_; }  // as last read through HasFocus
  void SetFocused(bool on) { focused_ = on; }
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring caption) { caption_ = std::move(caption); }
  void SetVariant(int32_t variant) { variant_ = variant; }
  // The colour the control had before the skin gave it one, put back at detach.
  TColor SavedColor() const { return savedColor_; }
  // For a subclass that attaches by itself: its control took the skin's colours.
  void TakeSkinColor(TColor saved) {
    useSkinColor_ = true;
    savedColor_ = saved;
  }
  void DropSkinColor() { useSkinColor_ = false; }
  // A subclass that attaches by itself: attached now (the base's Attach does this itself).
  void MarkAttached() { state_ = scsAttached; }
  // A subclass that detaches by itself: no longer active, and detached unless never attached.
  void MarkDetached();
  // Whether the window has the keyboard focus: asked of the window system once while the skin is
  // hooked, then followed through the window's own WM_SETFOCUS and WM_KILLFOCUS (under Wine every
  // GetFocus is a round trip to the window server).
  bool HasFocus();
  // The control's own mouse-down handling with the left button, as if the message (its MK_ keys
  // and client point) had reached it.
  void ForwardMouseDown(WPARAM keys, POINT at);

  // Replaces `control`'s WindowProc by SkinWindowProc (saving the old one).
  void HookControl(TControl& control);
  void UnhookControl();
  void Register(TControlSkinHost* host);  // with the host, once
  // Takes a windowed control as its target (skin, canvas, window) and registers with the host.
  void BindWindowedControl(TWinControl* control, TSkinData* skinData, TControlSkinHost* host,
                           TCanvas* canvas);
  // A control skinned through its window's procedure (not its message method): the window is
  // attached by handle, the control kept as the target.
  void AttachHandleFor(TWinControl& control, TSkinData* skinData, TControlSkinHost* host, TCanvas* canvas);
  // Follows the control to its present window (made again since the attach).
  void FollowControlWindow();
  // Takes a windowless control as its target, hooks it and registers with the host: attached.
  void BindGraphicControl(TControl* control, TSkinData* skinData, TControlSkinHost* host, TCanvas* canvas);
  void TakeParentBackground();
  void GiveParentBackground();
  // The control (or graphic control) this object paints for; null for a bare window.
  TControl* OwnerControl() const { return graphicControl_ ? graphicControl_ : control_; }

  // --- shared handlers for subclasses that paint by themselves ------------------------------
  void HandlePaint(TMessage& message);            // WM_PAINT: own paint cycle unless wParam is a DC
  void HandleEraseBackground(TMessage& message);  // WM_ERASEBKGND: what lies under, result 1
  // Handlers for a skin whose paint covers its whole window: WM_PAINT runs the skin's paint
  // cycle, WM_ERASEBKGND is answered without erasing (it would only flicker). Both: handled.
  bool PaintSelf(TMessage& message) {
    HandlePaint(message);
    return true;
  }
  static bool EraseNothing(TMessage& message) {
    message.Result = 1;
    return true;
  }

  // --- colour, fill and text helpers --------------------------------------------------------
  TColor SkinFaceColor() const;
  void FillParentColor(HDC dc, const RECT& rect) const;
  bool ReadingRightToLeft() const;
  UINT RightToLeftFlags(UINT format) const {
    return ReadingRightToLeft() ? format | kFormatRtlReading : format;
  }
  void DrawCaptionFocus(HDC dc, UINT format, const RECT& rect) const;

 private:
  void Unregister();
  bool HookInstalled() const { return savedHook_ != nullptr || subclass_.Installed(); }
  bool OnNcDestroy(TMessage& message);
  void OnRecreateWindow();
  void DrawWhole(HDC dc);  // Draw over the window's whole rectangle, a failure swallowed

  HWND window_ = nullptr;
  TWinControl* control_ = nullptr;
  TControl* graphicControl_ = nullptr;
  TSkinData* skinData_ = nullptr;
  TCanvas* sharedCanvas_ = nullptr;
  std::wstring caption_;
  TColor savedColor_ = 0;
  int32_t state_ = scsCreated;
  int32_t variant_ = 0;
  uint8_t mouseState_ = 0;
  bool enabled_ = false;
  bool focused_ = false;
  bool active_ = true;
  bool useSkinColor_ = false;
  bool parentBackgroundTaken_ = false;
  fw::WindowSubclass subclass_;  // bare window only
  TWndMethod savedHook_;         // framework control only
  TControl* hookedControl_ = nullptr;
  bool unicodeWindow_ = false;
  bool attached_ = false;
  enum class FocusKnown : uint8_t { Unknown, Focused, NotFocused };
  FocusKnown focus_ = FocusKnown::Unknown;
  TControlSkinHost* host_ = nullptr;
  TComponent* hostComponent_ = nullptr;  // the host as a component, for its free notification
};

// Fills `rect` with `color` (a system colour resolved).
void FillColor(HDC dc, const RECT& rect, TColor color);

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
