// TFrameCaption: the caption of a skinned frame, a part of its frame object. It owns the caption
// buttons and the one under the pointer, the hover timer and the buttons' hints, the window icon
// bitmap, its title and its window menu, and composes the caption band off-screen. It reads its
// frame object through its view and reaches it only through TCaptionOwner. Members are defined
// in caption_*.cpp. UI thread of the skinned window.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/graphics/bitmap.h"
#include "framework/ui/menu.h"
#include "framework/ui/message.h"
#include "framework/win/handles.h"
#include "skin/frame/frame_state.h"
#include "skin/frame/frame_title.h"
#include "skin/frame/frame_view.h"
#include "skin/frame/frame_window_menu.h"

namespace quarnel {

class TNCObject;
class TSkinData;
class TWinSysButton;

// The window commands of the caption's buttons and window menu: they change the frame's show
// state, which is its frame object's.
enum class TCaptionCommand { Restore, ToggleMaximize, ToggleMinimize, Close };

// What the caption asks of its frame object (it reads the frame through its view).
class TCaptionOwner {
 public:
  virtual void CaptionCommand(TCaptionCommand command) = 0;
  // The window menu's items are drawn by the skin like the form's menus.
  virtual void CaptionMenuBuilt(TMenuItem& root) = 0;
  // A tick of the hover timer: the frame's parts under the pointer are looked at again.
  virtual void CaptionHoverTick() = 0;

 protected:
  ~TCaptionOwner() = default;
};

class TFrameCaption {
 public:
  TFrameCaption(const TFrameView& view, TCaptionOwner& owner);
  ~TFrameCaption();
  TFrameCaption(const TFrameCaption&) = delete;
  TFrameCaption& operator=(const TFrameCaption&) = delete;

  // --- buttons --------------------------------------------------------------------------------
  void BuildButtons();
  void FreeButtons();
  void BuildIconBitmap();
  // WM_SETICON: the icon is drawn again from the window's new one. True when handled.
  bool OnSetIcon(TMessage& m);
  // The shown button with an action at a frame point, or null.
  TWinSysButton* ButtonAt(POINT framePoint) const;
  void ButtonClick(TWinSysButton& button);
  // Painting: the caption band composed into `dc` (the window DC), one button alone on the
  // window, and the maximised MDI child's buttons in the menu band (shown or not with the
  // child's state, which UpdateMDIControls reads).
  void Paint(HDC dc);
  void PaintButton(const TWinSysButton& button);
  void UpdateMDIControls();
  void PaintMDIControls(HDC windowDC);
  // Frame x of the leftmost MDI child button shown, INT_MAX when none is.
  int MDIControlsLeft() const;

  // --- the object under the pointer, the hover timer and hints --------------------------------
  TNCObject* Hot() const { return hot_; }
  void SetHot(TNCObject* object) { hot_ = object; }
  void SetHoverTimer(bool enabled);
  void HoverTick();
  void HideHint();

  // --- the window menu and the title ----------------------------------------------------------
  TFrameWindowMenu& WindowMenu() { return windowMenu_; }
  // The window menu at a screen point (see TFrameWindowMenu::Show).
  void ShowSystemMenu(POINT screenPoint);
  const TFrameTitle& Title() const { return title_; }
  void RenewTitleFont() { title_.RenewFont(); }

 private:
  static void CALLBACK HoverTimerProc(HWND, UINT, UINT_PTR id, DWORD);
  bool IsButtonVisible(TWinSysButton& button);
  void LayoutButtons();
  void PaintButtons(HDC target);

  const TFrameView& view_;
  TCaptionOwner& owner_;
  std::vector<std::unique_ptr<TWinSysButton>> buttons_;
  TNCObject* hot_ = nullptr;
  UINT_PTR hoverTimer_ = 0;
  int hintTimeCount_ = 0;  // ms the pointer has rested on the hot caption button
  TBitmap bitmap_;         // the caption band, composed off-screen
  TBitmap iconBitmap_;
  int iconSize_ = 0;
  TFrameTitle title_;
  TFrameWindowMenu windowMenu_;
  int buttonReserve_ = 0;
};

}  // namespace quarnel
