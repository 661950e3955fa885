// TWinSkinForm: the frame object of one skinned top-level window. It replaces the window's
// procedure and routes its messages, imposes the skin's border sizes on the client area and
// paints the border. Its parts own the rest: the caption, the menu band, the outline, the
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
#include "skin/frame/frame_form_hook.h"
#include "skin/frame/frame_mdi_client.h"
#include "skin/frame/frame_menu_band.h"
#include "skin/frame/frame_non_client.h"
#include "skin/frame/frame_outline.h"
#include "skin/frame/frame_pointer.h"
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
                     private TNonClientOwner {
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
  bool ChildKeyMenu(wchar_t key);
  // The whole frame painted into `dc`, or into the window's DC when null.
  void PaintFrame(HDC dc) override;
  // Cuts the window outline again when the window size changed since the last cut, or always.
  void UpdateWindowRegion(bool evenIfSameSize = false);

  // The control skin objects of the window's controls, and their host.
  TFrameControls& Controls() { return controls_; }

  // --- state, read-only outside the frame object -----------------------------------------------
  const TFrameActivation& Activation() const { return activation_; }
  const TFrameMetrics& Metrics() const { return metrics_; }
  const TFrameView& View() const { return view_; }
  const TFrameCaption& Caption() const { return caption_; }
  const TFrameMenuBand& MenuBand() const { return menuBand_; }
  TWinSkinMenu* MenuBar() const { return menuBand_.Bar(); }

  void Notification(TComponent* component, TOperation operation) override;

 private:
  // --- life -----------------------------------------------------------------------------------
  void ComputeFrameMetrics();
  void CompleteActivation();
  void FitWindowToFrame(bool keepClientSize);
  void Reskin() override;
  // Puts back every procedure this object replaced (form hook, window, MDI client).
  void RestoreProcedures();
  void ReadBorderKind(LONG_PTR style, LONG_PTR exStyle);
  void ReadFormKind(LONG_PTR exStyle);
  void ReadShowState();
  // `addedBand`: height of a skinned menu band the frame added outside the client area.
  void ResizeToNativeFrame(int addedBand);
  void WidenForDialogTitle(int& width);
  void RefreshFrame() override;
  void Default(TMessage& message) { subclass_.Default(message); }
  bool Subclassed() const { return subclass_.Installed(); }

  // --- what the parts ask -------------------------------------------------------------------------
  void CaptionCommand(TCaptionCommand command) override;
  void CaptionMenuBuilt(TMenuItem& root) override { menuHooks_.HookMenuItems(root, true); }
  void CaptionHoverTick() override;
  void RestoreWindow();
  void ToggleMaximize();
  void ToggleMinimize();

  void BandHeightChanged(int height) override { metrics_.MenuBarHeight = height; }

  // --- messages ---------------------------------------------------------------------------------
  void FrameWindowProc(TMessage& message);
  // The window procedure: one switch, true when a handler took the message.
  bool OnFrameMessage(TMessage& m);
  // Messages every skinned window takes.
  bool OnEraseBackground(TMessage& m, HDC dc);
  bool OnNcDestroy(TMessage& m);
  bool OnInitMenuPopup(TMessage& m, HMENU menu, bool systemMenu);
  bool OnControlColor(TMessage& m, HDC dc, bool staticText);
  bool OnCompleteActivation(LPARAM tag);
  bool OnQuerySkinned(TMessage& m);
  bool OnSettingChange(TMessage& m, UINT setting);
  bool OnMetricsChange(TMessage& m);
  // Messages of a window whose frame the skin draws.
  bool OnSize(TMessage& m, UINT kind);
  bool OnActivate(bool active);
  bool OnGetMinMaxInfo(TMessage& m);
  bool OnWindowPosChanged(TMessage& m);
  bool OnSetIcon(TMessage& m);
  bool OnCommand(UINT id);
  bool OnSysCommand(TMessage& m, UINT command, wchar_t menuKey);
  bool OnKeyMenu(TMessage& m, wchar_t key);
  bool OnNcActivate(TMessage& m, bool active);

  HWND window_ = nullptr;
  std::string windowClassName_;
  TCustomForm* form_ = nullptr;
  TSkinData* skinData_ = nullptr;
  TFrameActivation activation_;
  TFrameMetrics metrics_;
  fw::WindowSubclass subclass_;
  // The parts read the state above through the view; the MDI client is declared before the view
  // that reads its window.
  TFrameMDIClient mdiClient_;
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
