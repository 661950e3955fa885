// The media player's skin: TSkinMP keeps a TWMediaPlayer overlay over the control, following its
// bounds and visibility; the overlay paints the nine-button bar from the skin's Buttons frames
// with the program's glyph bitmaps and hands presses and releases to the control, which performs
// the buttons' actions. UI thread.
#pragma once
#include <windows.h>

#include <array>
#include <memory>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/scratch_bitmap.h"
#include "framework/win/handles.h"
#include "framework/win/window_thunk.h"
#include "skin/controls/media_layout.h"
#include "skin/controls/skin_control.h"

namespace quarnel {

class TSkinMP;

// The overlay window over a media-player control.
class TWMediaPlayer {
 public:
  explicit TWMediaPlayer(TSkinMP* skin);
  ~TWMediaPlayer();
  TWMediaPlayer(const TWMediaPlayer&) = delete;
  TWMediaPlayer& operator=(const TWMediaPlayer&) = delete;

  void Bind(TWinControl* control);
  // Same bounds as the control, shown while the control is visible and the skin active.
  void Reposition();
  void Invalidate(bool now = false);
  HWND Window() const { return window_; }
  int PressedButton() const { return pressedButton_; }
  int HotButton() const { return hotButton_; }
  // Paints the bar into `dc` at the overlay's origin.
  void Paint(HDC dc);
  // The composed bar is built again at the next paint (a new skin).
  void Forget() { composed_ = {}; }

 private:
  // The overlay's procedure: what the switch does not take goes on to the previous one, once.
  void WindowProc(TMessage& message);
  bool OnMessage(TMessage& message);
  bool OnPaint();
  bool OnButtonDown(WPARAM keys, POINT at);
  bool OnButtonUp(WPARAM keys, POINT at);
  bool OnMouseMove(POINT at);
  bool OnMouseLeave();
  bool OnCaptureChanged(HWND capture);
  void ReadButtonSets();

  TSkinMP* skin_;
  TWinControl* control_ = nullptr;
  HWND window_ = nullptr;
  fw::WindowSubclass subclass_;
  unsigned visible_ = 0, enabled_ = 0, colored_ = 0;
  std::array<fw::UniqueBitmap, 3 * kMediaButtonCount> glyphs_;  // enabled, disabled, coloured
  int pressedButton_ = -1;                                      // the button under the press
  int hotButton_ = -1;                                          // the button under the cursor
  bool pressed_ = false;
  fw::KeptImage image_;  // the bar composed off-screen
  // What the image was composed for: a paint with the same key only copies it.
  struct ComposedKey {
    int width = 0, height = 0;
    unsigned visible = 0, enabled = 0, colored = 0;
    int pressedButton = -1, hotButton = -1;
    bool pressed = false;
    const void* skin = nullptr;
    bool operator==(const ComposedKey&) const = default;
  } composed_;
};

class TSkinMP : public TSkinControl {
 public:
  explicit TSkinMP(TComponent* owner);
  ~TSkinMP() override;
  void Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas) override;
  void Detach() override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void ActiveChanged() override;
  void UpdateSkin() override;
  TWMediaPlayer* Overlay() const { return overlay_.get(); }

 private:
  bool Covered() const;  // the overlay shows over the control
  bool OnCoveredPaint(TMessage& message);
  std::unique_ptr<TWMediaPlayer> overlay_;
};

}  // namespace quarnel
