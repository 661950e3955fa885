// `TCustomForm`/`TForm`: a top-level window built from its description, with border style and
// icons, position, icon, activation and keyboard navigation among its controls.
// User-interface thread.
#pragma once
#include "framework/ui/control.h"
#include "framework/ui/icon.h"

class TMainMenu;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
const TEnumInfo& FormBorderStyleEnum();
const TEnumInfo& BorderIconEnum();
const TEnumInfo& PositionEnum();
const TEnumInfo& FormStyleEnum();
const TEnumInfo& WindowStateEnum();

class TCustomForm : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;

  int BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int v);
  unsigned BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(unsigned v);
  int Position() const { return position_; }
  void SetPosition(int v) { position_ = v; }
  int FormStyle() const { return formStyle_; }
  void SetFormStyle(int v) { formStyle_ = v; }
  int WindowState() const;
  void SetWindowState(int v);
  int PixelsPerInch() const { return pixelsPerInch_; }
  void SetPixelsPerInch(int v) { pixelsPerInch_ = v; }
  int TextHeight() const { return textHeight_; }
  void SetTextHeight(int v) { textHeight_ = v; }
  bool OldCreateOrder() const { return oldCreateOrder_; }
  void SetOldCreateOrder(bool v) { oldCreateOrder_ = v; }
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool v) { keyPreview_ = v; }
  TIcon* Icon() { return &icon_; }
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  // The menu bar; its items' commands reach them through the form's window.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);

  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetClientWidth(int v) override;
  void SetClientHeight(int v) override;

  void Show();
  void Hide() { SetVisible(false); }
  void Close();
  void Release();  // frees the form once the current message is done
  void SelectNext(TWinControl* current, bool forward, bool checkTabStop);
  // Keyboard navigation: true when the key was used.
  virtual bool DialogKey(UINT key, TWinControl* from);
  // Remembers the focused control and tells every control of the form (CM_FOCUSCHANGED, lParam:
  // the control), so that controls drawn by focus or default state can repaint.
  void FocusChanged(TWinControl* control);

  bool ReadBinaryProperty(std::string_view name, const std::vector<uint8_t>& data) override;
  std::vector<std::pair<std::string, std::vector<uint8_t>>> BinaryProperties() const override;
  void Loaded() override;
  void WndProc(TMessage& message) override;
  // MDI frames pass unhandled messages to DefFrameProc, MDI children to DefMDIChildProc.
  void DefaultHandler(TMessage& message) override;
  void DestroyHandle() override;
  void BeforeDestruction() override;
  void Notification(TComponent* component, TOperation operation) override;
  // The "MDIClient" window of an MDI frame (FormStyle fsMDIForm), else null.
  HWND ClientHandle() const { return clientHandle_; }
  // The window was made as an MDI child (of its owning MDI frame, else of the main form).
  bool IsMDIChildWindow() const { return mdiChildWindow_; }

  TNotifyEvent OnCreate, OnDestroy, OnShow, OnHide, OnActivate, OnDeactivate, OnClose;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void VisibleChanged() override;
  // Reads the description stored as a resource named after the class ("TFORM1").
  void ReadDescriptionResource();

 private:
  void ApplyPosition();
  void ApplyClientSize();
  DWORD FrameStyle() const;
  DWORD FrameExStyle() const;
  void CreateMDIClient();
  // Menu commands, owner-drawn menu items: true when the menu bar took the message.
  bool DispatchMenuMessage(TMessage& message);
  // Handlers of WndProc; true: handled here.
  TWinControl* FocusTarget();
  bool WmActivate(TMessage& message, bool active, bool minimized);
  bool WmSetFocus();
  bool WmSysCommand(UINT command);
  bool WmClose();
  bool WmEraseBackground(HDC dc, LRESULT& result);
  bool CmRelease();
  // The client window this MDI child goes into: its owner's if that is an MDI frame, else the
  // main form's; null for other forms.
  HWND MDIParentClient() const;

  int borderStyle_ = bsSizeable;
  unsigned borderIcons_ = (1u << biSystemMenu) | (1u << biMinimize) | (1u << biMaximize);
  int position_ = poDesigned;
  int formStyle_ = fsNormal;
  int windowState_ = wsNormal;
  int pixelsPerInch_ = 96;
  int textHeight_ = 13;
  bool oldCreateOrder_ = false;
  bool keyPreview_ = false;
  bool positioned_ = false;
  int clientWidth_ = -1, clientHeight_ = -1;
  TIcon icon_;
  TWinControl* activeControl_ = nullptr;
  TMainMenu* menu_ = nullptr;    // owned by its owner, usually this form
  HWND clientHandle_ = nullptr;  // a child window: destroyed with the form's window
  bool mdiChildWindow_ = false;
};

class TForm : public TCustomForm {
  FW_DECLARE_CLASS()
 public:
  using TCustomForm::TCustomForm;
};
