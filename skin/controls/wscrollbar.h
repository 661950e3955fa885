// TWScrollbar: a small skinned window laid exactly over one system scroll bar of a control
// (or over a separate scroll-bar control). It follows the real bar, paints it from the skin and
// hands presses back to the control, whose own scroll-bar logic runs underneath. UI thread.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/win/handles.h"
#include "framework/win/window_thunk.h"
#include "skin/controls/scroll_geometry.h"

class TWinControl;

namespace quarnel {

class TSkinControl;
class TSkinData;

// Which bar an overlay covers.
enum TScrollKind : uint8_t {
  skHorizontal = 0,  // a window's horizontal system bar
  skVertical = 1,    // a window's vertical system bar
  skControl = 2,     // a separate scroll-bar control
};

// State bits of a bar as the scroll-bar information query reports them.
constexpr DWORD kBarInvisible = 0x8000;
constexpr DWORD kBarUnavailable = 0x0001;

// A bar as the system reports it: rectangle on screen, arrow size, thumb along the axis from the
// bar's start, state bits.
struct TScrollBarState {
  RECT screen{};
  int arrowSize = 0;
  int thumbTop = 0, thumbBottom = 0;
  DWORD state = 0;
};

// One paint of a bar: its size, axis, arrow size, thumb extent (from the bar's start), whether it
// is enabled, and the part that is hot or pressed.
struct TScrollBarPaint {
  int width = 0, height = 0;
  bool vertical = false;
  int arrowSize = 0;
  int thumbStart = 0, thumbEnd = 0;
  bool enabled = true;
  ScrollPart active = spNone;
  bool dragging = false;
};
// Draws the bar into `buffer` (resized to the bar); false when the skin has no glyph strip or the
// bar is empty.
bool PaintSkinScrollBar(TSkinData& data, const TScrollBarPaint& paint, TBitmap& buffer);

class TWScrollbar {
 public:
  explicit TWScrollbar(TSkinControl* skin);
  ~TWScrollbar();
  TWScrollbar(const TWScrollbar&) = delete;
  TWScrollbar& operator=(const TWScrollbar&) = delete;

  // Covers `kind`'s bar of a framework control, or of a bare window.
  void Bind(TWinControl* control, TScrollKind kind);
  void BindWindow(HWND window, TScrollKind kind);
  // Follows the target's bar: shows the overlay over it when the bar is visible, hides it when not.
  void Reposition();
  void Hide();
  void Enable(bool enabled);
  // The covered control's hint, shown as a tooltip over the overlay (which takes the pointer from
  // the control); empty: none.
  void SetHint(const std::wstring& text);
  void Invalidate();  // repaints at once when shown
  ScrollPart HitTest(POINT overlayPoint) const;
  // What the system says about the target's bar (kind 2: computed from the control).
  bool QueryBar(TScrollBarState& bar) const;

  // The part a scroll notification names (its request code); repaints.
  void SetActivePart(int part);

  HWND Window() const { return window_; }
  HWND Target() const { return target_; }
  TScrollKind Kind() const { return kind_; }
  bool Vertical() const { return vertical_; }
  bool Shown() const { return shown_; }
  bool Dragging() const { return dragging_; }
  ScrollPart ActivePart() const { return active_; }
  int ArrowSize() const { return arrowSize_; }
  // The bar's rectangle in the target window's client coordinates, as last placed.
  const RECT& BarRect() const { return barRect_; }

  // Paints the bar into `dc` at the overlay's origin.
  void Paint(HDC dc);

 private:
  void Create(HWND parent);
  // The overlay's procedure: what the switch does not take goes on to the previous one, once.
  void WindowProc(TMessage& message);
  bool OnMessage(TMessage& message);
  bool OnPaint();
  bool OnMouseMove(POINT at);
  bool OnMouseLeave();
  bool OnButtonDown(TMessage& message, POINT at);
  bool OnButtonUp(POINT at);
  bool OnDestroyed(TMessage& message);
  UINT HitCode() const { return vertical_ ? HTVSCROLL : HTHSCROLL; }
  bool ComputeControlBar(TScrollBarState& bar) const;
  // Thumb start and end while it is being dragged, from the cursor.
  void DraggedThumb(int& start, int& end) const;
  TSkinData* SkinData() const;

  TSkinControl* skin_;
  HWND window_ = nullptr;
  fw::WindowSubclass subclass_;
  HWND target_ = nullptr;
  TWinControl* control_ = nullptr;
  TScrollKind kind_ = skHorizontal;
  bool vertical_ = false;
  int arrowSize_ = 0;
  int length_ = 0;
  int thumbStart_ = 0, thumbEnd_ = 0;
  POINT barOrigin_{};
  POINT pressCursor_{};
  int pressThumbStart_ = 0;
  ScrollPart active_ = spNone;
  bool dragging_ = false;
  bool shown_ = false;
  RECT barRect_{};
  fw::UniqueWindow hint_;  // the tooltip of the hint
  std::wstring hintText_;
  std::shared_ptr<bool> alive_;  // false once destroyed (a forwarded press may outlive us)
};

}  // namespace quarnel
