// TFrameFormHook: the framework form of a skinned frame, a part of its frame object. While the
// frame is skinned it replaces the form's message method (the caption drawn again over the
// system's when the text changes, the frame painted and re-skinned on request, Alt+letter typed
// in a control given to the menu bar) and it keeps the form's own colour while the form shows
// the skin's. It reads its frame object through its view and reaches it only through
// TFormHookOwner. UI thread of the skinned window.
#pragma once
#include <windows.h>

#include "framework/graphics/color.h"
#include "framework/ui/message.h"
#include "skin/frame/frame_view.h"

namespace quarnel {

class TFrameMenuBand;

// What the form hook asks of its frame object.
class TFormHookOwner {
 public:
  virtual void Reskin() = 0;
  virtual void PaintFrame(HDC dc) = 0;  // null: into the window's DC
  virtual void RefreshFrame() = 0;      // the frame sized again

 protected:
  ~TFormHookOwner() = default;
};

class TFrameFormHook {
 public:
  TFrameFormHook(const TFrameView& view, TFrameMenuBand& menuBand, TFormHookOwner& owner)
      : view_(view), menuBand_(menuBand), owner_(owner) {}
  TFrameFormHook(const TFrameFormHook&) = delete;
  TFrameFormHook& operator=(const TFrameFormHook&) = delete;

  void Install();
  void Restore();
  // The form takes the skin's face colour; its own is kept until GiveColorBack.
  void TakeSkinColor(TColor face);
  void GiveColorBack();

 private:
  // The form's own method sees what the switch does not take, once.
  void MessageHook(TMessage& m);
  bool OnMessage(TMessage& m);
  bool OnSetText(TMessage& m);
  bool OnReskin();
  bool OnPaintFrame(TMessage& m, HDC dc, LPARAM tag);
  bool OnPing(TMessage& m, LPARAM tag);
  bool OnDialogChar(TMessage& m, wchar_t key);

  const TFrameView& view_;
  TFrameMenuBand& menuBand_;
  TFormHookOwner& owner_;
  TWndMethod savedHook_;
  TColor savedColor_ = 0;
  bool installed_ = false;
};

}  // namespace quarnel
