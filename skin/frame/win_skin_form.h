// TWinSkinForm: the frame object of one skinned top-level window. It replaces the window's
// procedure and routes its messages, imposes the skin's border sizes on the client area, paints
// the border and hands the caption band to its caption, cuts the window outline through its
// outline, keeps the skinned menu bar in its menu band, and owns the control skin objects of the
// window's controls, which reach it through the host interface it implements (the control walk
// lives with them in skin/controls). Its parts reach it through the small interfaces of their
// own it implements. Members are defined by concern in form_skin_*.cpp and frame_paint.cpp.
// UI thread.
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
#include "skin/controls/control_skin_host.h"
#include "skin/controls/control_skin_list.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/frame_caption.h"
#include "skin/frame/frame_menu_band.h"
#include "skin/frame/frame_outline.h"
#include "skin/frame/frame_state.h"
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
                     public TControlSkinHost,
                     private TCaptionOwner,
                     private TMenuBandOwner {
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
  void PaintFrame(HDC dc);
  // Cuts the window outline again when the window size changed since the last cut, or always.
  void UpdateWindowRegion(bool evenIfSameSize = false);

  // --- control skin objects, through the control walker -------------------------------------
  void AttachControlSkins();
  // Frees every control skin object; unless destroying, each first restores its control.
  void ReleaseControlSkins(bool destroying);
  TSkinControl* FindControlSkin(HWND window) const override { return controls_.Find(window); }
  void DispatchWindow(HWND window);

  // --- the host of the control skins -----------------------------------------------------------
  TComponent& HostComponent() override { return *this; }
  HWND HostWindow() const override { return window_; }
  void HostHookMenu(TComponent* menu) override;
  TCustomForm* HostForm() const override { return form_; }
  TSkinData* HostSkinData() const override { return skinData_; }
  TCanvas& HostCanvas() override { return canvas_; }
  const std::vector<TSkinControl*>& ControlSkins() const override { return controls_.Items(); }
  void RegisterControlSkin(TSkinControl& skin) override { controls_.Register(skin); }
  void UnregisterControlSkin(TSkinControl& skin) override { controls_.Unregister(skin); }
  bool HostFrameEnabled() const override { return activation_.FrameEnabled; }

  // --- state, read-only outside the frame object -----------------------------------------------
  const TFrameActivation& Activation() const { return activation_; }
  const TFrameMetrics& Metrics() const { return metrics_; }
  const TFrameCaption& Caption() const { return caption_; }
  TWinSkinMenu* MenuBar() const { return menuBand_.Bar(); }
  const TFrameMenuBand& MenuBand() const { return menuBand_; }
  POINT FramePoint(POINT screenPoint) const;

  void Notification(TComponent* component, TOperation operation) override;

 private:
  // --- life -----------------------------------------------------------------------------------
  void ComputeFrameMetrics();
  void CompleteActivation();
  void FitWindowToFrame(bool keepClientSize);
  void Reskin();
  void InstallFormHook();
  void RestoreFormHook();
  // Puts back every procedure this object replaced (form hook, window, MDI client).
  void RestoreProcedures();
  void ReadBorderKind(LONG_PTR style, LONG_PTR exStyle);
  void ReadFormKind(LONG_PTR exStyle);
  void ReadShowState();
  void ResizeToNativeFrame();
  void WidenForDialogTitle(int& width);
  void RefreshFrame();
  void ReleaseHotControls(bool onlyOutside);
  void Default(TMessage& message) { subclass_.Default(message); }
  bool Subclassed() const { return subclass_.Installed(); }

  // --- the caption's owner ----------------------------------------------------------------------
  HWND CaptionWindow() const override { return window_; }
  TSkinData* CaptionSkin() const override { return skinData_; }
  const TFrameActivation& CaptionFacts() const override { return activation_; }
  const TFrameMetrics& CaptionMetrics() const override { return metrics_; }
  HWND CaptionMDIClient() const override { return mdiClient_; }
  POINT CaptionFramePoint(POINT screen) const override { return FramePoint(screen); }
  void CaptionCommand(TCaptionCommand command) override;
  void CaptionMenuBuilt(TMenuItem& root) override { menuBand_.HookMenuItems(root, true); }
  void CaptionHoverTick() override;
  void RestoreWindow();
  void ToggleMaximize();
  void ToggleMinimize();

  // --- the menu band's owner ------------------------------------------------------------------
  HWND BandWindow() const override { return window_; }
  const std::string& BandWindowClass() const override { return windowClassName_; }
  TSkinData* BandSkin() const override { return skinData_; }
  TCustomForm* BandForm() const override { return form_; }
  const TFrameActivation& BandFacts() const override { return activation_; }
  POINT BandFramePoint(POINT screen) const override { return FramePoint(screen); }
  void BandHeightChanged(int height) override { metrics_.MenuBarHeight = height; }
  TComponent& BandComponent() override { return *this; }
  void BandRepaintFrame() override { PaintFrame(nullptr); }
  void BandRefitFrame() override { RefreshFrame(); }

  // --- messages ---------------------------------------------------------------------------------
  void FrameWindowProc(TMessage& message);
  void FormMessageHook(TMessage& message);
  void MDIClientWindowProc(TMessage& message);
  // The window procedure, the form hook and the MDI client's procedure: one switch each, true
  // when a handler took the message.
  bool OnFrameMessage(TMessage& m);
  bool OnFormMessage(TMessage& m);
  bool OnMDIClientMessage(TMessage& m);
  bool FrameDrawn() const;
  bool NonClientDrawn() const;
  // Messages every skinned window takes.
  bool OnEraseBackground(TMessage& m, HDC dc);
  bool OnNcDestroy(TMessage& m);
  bool OnNcUahDrawCaption(TMessage& m);
  bool OnMeasureItem(TMessage& m, UINT control, MEASUREITEMSTRUCT& measure);
  bool OnDrawItem(TMessage& m, UINT control, const DRAWITEMSTRUCT& draw);
  bool OnMenuChar(TMessage& m, wchar_t key, HMENU menu);
  bool OnInitMenuPopup(TMessage& m, HMENU menu, bool systemMenu);
  bool OnExitMenuLoop(TMessage& m);
  bool OnControlColor(TMessage& m, HDC dc, bool staticText);
  bool OnCompleteActivation(LPARAM tag);
  bool OnReskinScroll(HWND control);
  bool OnParentNotify(TMessage& m, UINT event);
  bool OnWalkChildren(LPARAM tag);
  bool OnQuerySkinned(TMessage& m);
  // Messages of a window whose frame the skin draws.
  bool OnSize(TMessage& m, UINT kind);
  bool OnActivate(bool active);
  bool OnGetMinMaxInfo(TMessage& m);
  bool OnWindowPosChanged(TMessage& m);
  bool OnSetIcon(TMessage& m);
  bool OnCommand(UINT id);
  bool OnSysCommand(TMessage& m, UINT command, wchar_t menuKey);
  bool OnKeyMenu(TMessage& m, wchar_t key);
  bool OnMenuBarClick(POINT screen);
  bool OnMenuChanged(TMessage& m);
  bool OnNcActivate(TMessage& m, bool active);
  // Non-client messages once the frame is the skin's.
  bool OnNcCalcSize(TMessage& m, bool validRects, NCCALCSIZE_PARAMS* params);
  bool OnNcHitTest(TMessage& m, POINT screen);
  bool OnNcPaint(TMessage& m);
  bool OnNcMouseMove(POINT screen);
  bool OnNcLButtonDown(TMessage& m, UINT hit, POINT screen);
  bool OnNcLButtonUp(POINT screen);
  bool OnNcLButtonDblClk(UINT hit, POINT screen);
  bool OnNcRButtonDown(UINT hit, POINT screen);
  bool OnRepaintFrame();
  // The form hook's messages.
  bool OnFormSetText(TMessage& m);
  bool OnFormReskin();
  bool OnFormPaintFrame(TMessage& m, HDC dc, LPARAM tag);
  bool OnFormPing(TMessage& m, LPARAM tag);
  // Alt+letter typed in one of the form's controls: the bar item with that accelerator opens.
  bool OnDialogChar(TMessage& m, wchar_t key);
  // The MDI client's messages.
  bool OnMDIClientDestroy(TMessage& m);
  bool OnMDIClientCalcSize();
  bool OnMDICreate();
  bool OnMDIDestroy(TMessage& m);
  bool OnMDISetMenu(TMessage& m, HMENU frameMenu);
  bool OnMDIArrange();
  bool OnMDIRedraw();

  HWND window_ = nullptr;
  std::string windowClassName_;
  TCustomForm* form_ = nullptr;
  TSkinData* skinData_ = nullptr;
  TWndMethod savedFormHook_;
  TColor savedFormColor_ = 0;
  HWND mdiClient_ = nullptr;
  TControlSkinList controls_;  // freed by ReleaseControlSkins
  TCanvas canvas_;                       // shared with the control skin objects while they draw
  TFrameActivation activation_;
  TFrameMetrics metrics_;
  TFrameCaption caption_;
  TFrameOutline outline_;
  TFrameMenuBand menuBand_;
  fw::WindowSubclass subclass_;
  fw::WindowSubclass mdiClientSubclass_;
  bool formHooked_ = false;
  bool childWalkPosted_ = false;
};

}  // namespace quarnel
