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

// Right-to-left reading flag of a text format.
constexpr UINT kFormatRtlReading = 0x20000;
// Width or height beyond which a mouse position no longer fits lParam's 16-bit halves.
constexpr int kLParamCoordinateLimit = 32768;

class TSkinControl : public TComponent {
 public:
  explicit TSkinControl(TComponent* owner);
  ~TSkinControl() override;
  void BeforeDestruction() override;

  // --- the nine operations subclasses override ------------------------------------------------
  virtual void Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas);
  virtual void AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host, TCanvas* sharedCanvas);
  virtual void Detach();
  virtual bool BeforeMessage(TMessage& message);  // true: the control's own procedure runs
  virtual void AfterMessage(TMessage& message);
  virtual void PaintWindow(HDC dc);  // dc may be null: the window DC is used
  virtual void Draw(HDC dc, const RECT& rect);
  virtual void UpdateSkin();
  virtual bool CanSkin() const { return true; }
  // After SKM_ENABLESKIN switched painting off or on (an object with its own windows hides them).
  virtual void ActiveChanged() {}

  // --- message flow -------------------------------------------------------------------------
  void SkinWindowProc(TMessage& message);
  void CallSaved(TMessage& message);
  void Repaint();
  // The control's own mouse-down handling with the left button, as if the message had reached it.
  void ForwardMouseDown(const TMessage& message);
  LONG_PTR WindowLong(int index) const;  // W or A variant per the window's kind
  bool Attached() const { return attached_; }
  bool HookInstalled() const { return savedHook_ != nullptr || subclass_.Installed(); }
  TControlSkinHost* Host() const { return host_; }
  bool UnicodeWindow() const { return unicodeWindow_; }

  // --- shared handlers for subclasses that paint by themselves ------------------------------
  void HandlePaint(TMessage& message);            // WM_PAINT: own paint cycle unless wParam is a DC
  void HandleEraseBackground(TMessage& message);  // WM_ERASEBKGND: what lies under, result 1
  // For a skin whose paint covers its whole window: WM_PAINT runs the skin's paint cycle and
  // WM_ERASEBKGND is answered without erasing (it would only flicker). True for those two.
  bool PaintWholeWindow(TMessage& message);

  // --- colour, fill and text helpers --------------------------------------------------------
  TColor SkinFaceColor() const;
  void FillSkinColor(HDC dc, const RECT& rect) const;
  void FillParentColor(HDC dc, const RECT& rect) const;
  static void FillColor(HDC dc, const RECT& rect, TColor color);
  bool ReadingRightToLeft() const;
  UINT RightToLeftFlags(UINT format) const {
    return ReadingRightToLeft() ? format | kFormatRtlReading : format;
  }
  void DrawCaptionFocus(HDC dc, UINT format, const RECT& rect) const;

  // --- fields -------------------------------------------------------------------------------
  uint8_t MouseState = 0;
  TCanvas* SharedCanvas = nullptr;
  uint8_t Enabled = 0;
  uint8_t Focused = 0;
  std::wstring Caption;
  uint8_t Active = 1;
  TSkinData* SkinData = nullptr;
  HWND Handle = nullptr;
  TWinControl* Control = nullptr;
  RECT WindowRect{};
  TControl* GraphicControl = nullptr;
  uint8_t UseSkinColor = 0;
  TColor SavedColor = 0;
  int32_t State = scsCreated;
  int32_t Variant = 0;
  uint8_t ParentBackgroundTaken = 0;

  // Whether the window has the keyboard focus: asked of the window system once while the skin is
  // hooked, then followed through the window's own WM_SETFOCUS and WM_KILLFOCUS (under Wine every
  // GetFocus is a round trip to the window server).
  bool HasFocus();

  bool Hot() const { return MouseState & kMouseHot; }
  bool Pressed() const { return MouseState & kMousePressed; }
  void SetHot(bool on) { MouseState = on ? MouseState | kMouseHot : MouseState & ~kMouseHot; }
  void SetPressed(bool on) { MouseState = on ? MouseState | kMousePressed : MouseState & ~kMousePressed; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  // Replaces `control`'s WindowProc by SkinWindowProc (saving the old one).
  void HookControl(TControl& control);
  void UnhookControl();
  void Register(TControlSkinHost* host);  // into the host's list, no duplicate
  // Takes a windowed control as its target (skin, canvas, window) and joins the form skin's list.
  void BindWindowedControl(TWinControl* control, TSkinData* skinData, TControlSkinHost* host,
                           TCanvas* canvas);
  void TakeParentBackground();
  void GiveParentBackground();
  // The control (or graphic control) this object paints for; null for a bare window.
  TControl* OwnerControl() const { return GraphicControl ? GraphicControl : Control; }

 private:
  void Unregister();

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
