// TWinSkinForm: the frame object of one skinned top-level window. It replaces the window's
// procedure and routes its messages, runs the skin's life on the window (attach, activation,
// re-skin, detach) and paints the border. Its parts own the rest: the caption, the show state,
// the frame's sizes and the fitting of the window to them, the menu band, the outline, the
// control skin objects and their host, the form's message hook and an MDI frame's client. They
// read the frame through its view and reach it through the small interfaces of their own it
// implements. Members are defined by concern in form_skin_*.cpp and frame_paint.cpp. UI thread.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/core/component.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/ui/message.h"
#include "framework/win/handles.h"
#include "framework/win/window_thunk.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/frame_caption.h"
#include "skin/frame/frame_controls.h"
#include "skin/frame/frame_fitting.h"
#include "skin/frame/frame_form_hook.h"
#include "skin/frame/frame_mdi_client.h"
#include "skin/frame/frame_menu_band.h"
#include "skin/frame/frame_non_client.h"
#include "skin/frame/frame_outline.h"
#include "skin/frame/frame_pointer.h"
#include "skin/frame/frame_show_state.h"
#include "skin/frame/frame_state.h"
#include "skin/frame/frame_view.h"
#include "skin/frame/menus/menu_bar.h"

class TControl;
class TCustomForm;
class TMainMenu;
class TMenu;
class TMenuItem;
class TPopupMenu;
class TWinControl;

namespace quarnel {

class TSkinData;
class TSkinControl;
class TWinSysButton;
class TWinSkinMenu;
struct TMenuBtn;

class TWinSkinForm : public TComponent,
                     private TCaptionOwner,
                     private TMenuBandOwner,
                     private TFormHookOwner,
                     private TNonClientOwner,
                     private TFittingOwner,
                     private TShowStateOwner {
 public:
  explicit TWinSkinForm(TComponent* owner);
  ~TWinSkinForm() override;

  // --- set up by the manager, then attach -----------------------------------------------------
  // The manager binds the frame object to its window before attaching; tools and tests that
  // drive control skins without attaching a frame bind the form and skin data too.
  void BindWindow(HWND window, std::string className, TCustomForm* form = nullptr,
                  TSkinData* skinData = nullptr);
  void AttachForm(TSkinData* skinData, TCustomForm* form);
  void Activate(TSkinData* skinData);
  // The skin data's present skin, taken as a whole: caption buttons and frame sizes made
  // again, then the window refitted and repainted once.
  void ApplySkin();
  // The caption buttons go (their skin records are about to): the next ApplySkin makes them.
  void FreeCaptionButtons() { caption_.FreeButtons(); }
  void Detach();
  // Takes the window region away (the system frees it) and forgets it.
  void RemoveRegion();
  // An MDI child no longer shown maximised among its siblings: its skinned outline and frame back.
  void RestoreChildOutline();  // SetWindowPos with SWP_FRAMECHANGED, nothing else changed
  // Alt+letter typed in a child window of any kind, from its keyboard-menu command: the bar
  // item with that accelerator opens. True: taken.
  bool ChildKeyMenu(wchar_t key) { return menuBand_.ChildKeyMenu(key); }
  // The whole frame painted into `dc`, or into the window's DC when null.
  void PaintFrame(HDC dc) override;
  // Cuts the window outline again when the window size changed since the last cut, or always.
  void UpdateWindowRegion(bool evenIfSameSize = false) override;

  // The control skin objects of the window's controls, and their host.
  TFrameControls& Controls() { return controls_; }
  // What the frame's parts read of it: the window's kind, show state and sizes, its skin.
  const TFrameView& View() const { return view_; }
  TWinSkinMenu* MenuBar() const { return menuBand_.Bar(); }

  void Notification(TComponent* component, TOperation operation) override;

 private:
  // --- life -----------------------------------------------------------------------------------
  void Reskin() override;
  // Puts back every procedure this object replaced (form hook, window, MDI client).
  void RestoreProcedures();
  void RefreshFrame() override;

  // --- what the parts ask -------------------------------------------------------------------------
  void CaptionCommand(TCaptionCommand command) override { show_.Command(command); }
  void CaptionMenuBuilt(TMenuItem& root) override { menuHooks_.HookMenuItems(root, true); }
  void CaptionHoverTick() override;
  void BandHeightChanged(int height) override { fitting_.SetMenuBarHeight(height); }

  // --- messages ---------------------------------------------------------------------------------
  void FrameWindowProc(TMessage& message);
  // The window procedure: one switch, true when a handler took the message.
  bool OnFrameMessage(TMessage& m);
  // The frame object's own: activation's end, the window's end, its system commands and the
  // activation of its frame.
  bool OnCompleteActivation(LPARAM tag);
  bool OnNcDestroy(TMessage& m);
  bool OnSysCommand(TMessage& m, UINT command, wchar_t menuKey);
  bool OnNcActivate(TMessage& m, bool active);

  TFrameBinding bound_;
  TFrameActivation activation_;
  fw::WindowSubclass subclass_;
  // The parts read the state above through the view; those whose state the view shows are
  // declared before it.
  TFrameMDIClient mdiClient_;
  TFrameShowState show_;
  TFrameFitting fitting_;
  TFrameView view_;
  TFrameCaption caption_;
  TFrameOutline outline_;
  TFrameMenuHooks menuHooks_;
  TFrameMenuBand menuBand_;
  TFrameControls controls_;
  TFrameFormHook formHook_;
  TFramePointer pointer_;
  TFrameNonClient nonClient_;
};

}  // namespace quarnel
