// TWinSkinForm: the frame object of one skinned top-level window. It replaces the window's
// procedure, imposes the skin's border sizes on the client area, paints border, caption, title
// and caption buttons from the skin, cuts the window outline, routes non-client mouse input to
// its caption buttons and owns the control skin objects of the window's controls, which reach
// it through the host interface it implements (the control walk lives with them in
// skin/controls). Members are defined by concern in form_skin_*.cpp, frame_*.cpp and
// caption_*.cpp. UI thread.
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
class TDataSkinBorder;
class TSkinControl;
class TNCObject;
class TWinSysButton;
class TWinSkinMenu;
struct TMenuBtn;

enum class TBorderPiece { Left, Right, Top, Bottom };

class TWinSkinForm : public TComponent, public TControlSkinHost {
 public:
  explicit TWinSkinForm(TComponent* owner);
  ~TWinSkinForm() override;

  // --- set up by the manager, then attach -----------------------------------------------------
  void AttachForm(TSkinData* skinData, TCustomForm* form);
  void Activate(TSkinData* skinData);
  void ComputeFrameMetrics();
  void CompleteActivation();
  void FitWindowToFrame(bool keepClientSize);
  POINT FramePoint(POINT screenPoint) const;
  void Reskin();
  void Detach();
  bool Subclassed() const { return subclass_.Installed(); }
  // Takes the window region away (the system frees it) and forgets it.
  void RemoveRegion();

  // --- message handling ----------------------------------------------------------------------
  void FrameWindowProc(TMessage& message);
  void FormMessageHook(TMessage& message);
  void MDIClientWindowProc(TMessage& message);
  void Default(TMessage& message) { subclass_.Default(message); }

  // --- frame painting and window region -------------------------------------------------------
  void PaintFrame(HDC dc);
  void PaintBorderPiece(TBorderPiece piece, const RECT& rect, HDC target);
  void PaintCaption(HDC dc);
  void PaintTitle(const RECT& captionRect);
  // Cuts the window outline again when the window size changed since the last cut, or always.
  void UpdateWindowRegion(bool evenIfSameSize = false);
  void RefreshFrame();
  // An MDI child no longer shown maximised among its siblings: its skinned outline and frame back.
  void RestoreChildOutline();  // SetWindowPos with SWP_FRAMECHANGED, nothing else changed

  // --- caption buttons, window menu, hints ----------------------------------------------------
  void BuildCaptionButtons();
  void FreeCaptionButtons();
  void BuildIconBitmap();
  bool IsButtonVisible(TWinSysButton& button);
  void LayoutCaptionButtons();
  void PaintCaptionButtons(HDC target);  // into the caption bitmap's DC
  void PaintCaptionButton(TWinSysButton& button, HDC windowDC);
  TWinSysButton* CaptionButtonAt(POINT framePoint) const;
  void CaptionButtonClick(TWinSysButton& button);
  bool NCMouseMove(TMessage& message);  // true: swallowed
  bool NCLButtonDown(TMessage& message);
  bool NCLButtonUp(TMessage& message);
  bool NCLButtonDblClk(TMessage& message);
  bool NCRButtonDown(TMessage& message);
  void RestoreWindow();
  void ToggleMaximize();
  void ToggleMinimize();
  void ShowSystemMenu(POINT screenPoint);
  void BuildSystemMenu();
  void HoverTimerTick();
  void HideCaptionHint();
  bool SystemMenuHasClose() const;

  // --- menus --------------------------------------------------------------------------------------
  // Switches the popup menu components owned by `root` (and by forms it owns) to skinned
  // owner-drawn items, or back.
  void HookPopupMenus(TComponent* root, bool on);
  void HookMenuItems(TMenuItem& parent, bool on);
  // With xcMenuItem: the form's main menus owner-drawn below their titles, in the skin's look.
  void HookMainMenus(bool on);
  void HookMainMenuItems(TMainMenu& menu, TMenuItem& parent);
  bool IsOwnedMainMenu(TMainMenu* menu) const;
  void UnhookReferencedMenus();
  void Notification(TComponent* component, TOperation operation) override;
  void DrawSkinMenuItem(TMenuItem* item, TCanvas& canvas, const RECT& rect, UINT state);
  void MeasurePopupMenuItem(TMenuItem* item, TCanvas& canvas, int& width, int& height);
  // Native menus that no menu component of ours draws (a foreign window's menus, the system's
  // window menu): their items are the skin's while their popup is shown.
  void TakeForeignMenu(HMENU menu, bool windowMenu);
  void CreateMenuBar();
  void FreeMenuBar();
  // A window with a native bar that the skin does not draw keeps it, in the band below the
  // skinned caption: the band is sized for it, and the system lays it out and draws it there.
  void SyncSystemBar();
  void LayOutSystemBar(HDC dc, RECT band);
  void AdoptNativeMenu(bool rebuild);
  void HandleMenuBarClick(TMessage& message);  // SKM_MENUBARCLICK: lParam, a screen point
  // The maximised MDI child's buttons, drawn in the band.
  void PaintMDIControls(HDC windowDC);
  // Frame x of the leftmost of them shown, INT_MAX when none is.
  int MDIControlsLeft() const;
  bool MenuBarMouseMove(POINT framePoint);  // true: over a bar item
  // Opens the item's drop-down and runs menu mode on the bar until it ends; false when the
  // item has no drop-down (its command is posted).
  bool OpenMenuButton(TMenuBtn* button);
  // Ends an open menu at once, when this object is about to go or to give its menu back: the
  // drop-down's items are the system's again and the loop touches this object no more.
  void AbandonMenuTracking();
  bool MenuBarKeyMenu(TMessage& message);  // true: handled
  // Alt+letter typed in one of the form's controls: the bar item with that accelerator opens.
  void HandleDialogChar(TMessage& message);
  // The same for a child window of any kind, from its keyboard-menu command; true: taken.
  bool ChildKeyMenu(wchar_t key);
  // A press on a bar item, posted so that it opens once the present message is done.
  void PostMenuBarPress(const TMenuBtn& button);

  // --- control skin objects, through the control walker -------------------------------------
  void AttachControlSkins();
  // Frees every control skin object; unless destroying, each first restores its control.
  void ReleaseControlSkins(bool destroying);
  TSkinControl* FindControlSkin(HWND window) const override { return Controls.Find(window); }
  void DispatchWindow(HWND window);

  // --- the host of the control skins -----------------------------------------------------------
  TComponent& HostComponent() override { return *this; }
  HWND HostWindow() const override { return Window; }
  void HostHookMenu(TComponent* menu) override;
  TCustomForm* HostForm() const override { return Form; }
  TSkinData* HostSkinData() const override { return SkinData; }
  TCanvas& HostCanvas() override { return Canvas; }
  const std::vector<TSkinControl*>& ControlSkins() const override { return Controls.Items(); }
  void RegisterControlSkin(TSkinControl& skin) override { Controls.Register(skin); }
  void UnregisterControlSkin(TSkinControl& skin) override { Controls.Unregister(skin); }
  bool HostFrameEnabled() const override { return activation_.FrameEnabled; }

  // --- state, read-only outside the frame object -----------------------------------------------
  const TFrameActivation& Activation() const { return activation_; }
  const TFrameMetrics& Metrics() const { return metrics_; }
  const TCaptionState& Caption() const { return caption_; }
  const TRegionState& RegionState() const { return region_; }
  const TMenuBand& MenuBand() const { return menuBand_; }
  TWinSkinMenu* MenuBar() const { return menuBand_.Bar.get(); }
  const std::string& WindowClass() const { return WindowClassName; }
  // The manager binds the frame object to its window before attaching; tools and tests that
  // drive control skins without attaching a frame bind the form and skin data too.
  void BindWindow(HWND window, std::string className, TCustomForm* form = nullptr,
                  TSkinData* skinData = nullptr);
  HWND MDIClientWindow() const { return MDIClient; }
  // The non-client object under the pointer (a caption or band button), kept by those objects.
  TNCObject* HotObject() const { return caption_.HotObject; }
  void SetHotObject(TNCObject* object) { caption_.HotObject = object; }
  bool HoverTimerEnabled() const { return hoverTimer_ != 0; }
  void SetHoverTimer(bool enabled);
  TColor FormColorBeforeSkin() const { return SavedFormColor; }

  // Frame element by piece (never null once a skin is loaded).
  TDataSkinBorder* Piece(TBorderPiece piece) const;

 private:
  static void CALLBACK HoverTimerProc(HWND, UINT, UINT_PTR id, DWORD);
  bool FirstDispatch(TMessage& message);   // true: handled
  bool SecondDispatch(TMessage& message);  // true: handled
  void ThirdDispatch(TMessage& message);
  void HandleNCDestroy(TMessage& message);
  void HandleEraseBackground(TMessage& message);
  void HandleControlColor(TMessage& message);
  // A foreign window's new child windows (a dialog that makes a view again) are skinned once
  // the burst of creations is over: WM_PARENTNOTIFY posts SKM_WALKCHILDREN. True: handled.
  bool HandleNewChildren(TMessage& message);
  void HandleCommand(TMessage& message);
  void HandleMenuChanged(TMessage& message);
  void HandleNCMouse(TMessage& message);
  void HandleFormSetText(TMessage& message);
  void MDIClientDestroyed(TMessage& message);
  // Menu mode on the bar: the item shown open (-1: none), the loop while the hot item has no
  // drop-down to show, and the end of menu mode.
  void ShowOpenItem(int index);
  int BarLoop(int index);
  void EndMenuTracking();
  void InstallFormHook();
  void RestoreFormHook();
  // Puts back every procedure this object replaced (form hook, window, MDI client).
  void RestoreProcedures();
  void ReadBorderKind(LONG_PTR style, LONG_PTR exStyle);
  void ReadFormKind(LONG_PTR exStyle);
  void ResizeToNativeFrame();
  void WidenForDialogTitle(int& width);
  void HandleSize(TMessage& message);
  void HandleNCActivate(TMessage& message);
  void HandleNCCalcSize(TMessage& message);
  void HandleNCHitTest(TMessage& message);
  void HandleNCPaint(TMessage& message);
  void HandleSysCommand(TMessage& message);
  void ReadShowState();
  void DeleteRegion();

  HWND Window = nullptr;
  std::string WindowClassName;
  TCustomForm* Form = nullptr;
  TSkinData* SkinData = nullptr;
  TWndMethod SavedFormHook;
  TColor SavedFormColor = 0;
  HWND MDIClient = nullptr;
  TControlSkinList Controls;         // freed by ReleaseControlSkins
  TCanvas Canvas;                    // shared with the control skin objects while they draw
  HWND ForeignHotControl = nullptr;  // a control skin of a foreign window under the pointer
  TFrameActivation activation_;
  TFrameMetrics metrics_;
  TCaptionState caption_;
  TRegionState region_;
  TMenuBand menuBand_;
  friend void ReleaseHotControls(TWinSkinForm& skin, bool onlyOutside);

  fw::WindowSubclass subclass_;
  fw::WindowSubclass mdiClientSubclass_;
  UINT_PTR hoverTimer_ = 0;
  bool formHooked_ = false;
  bool childWalkPosted_ = false;
};

// Control skins of a foreign window marked as under the pointer are told it left: all of them,
// or only those whose window no longer holds the cursor.
void ReleaseHotControls(TWinSkinForm& skin, bool onlyOutside);

}  // namespace quarnel
