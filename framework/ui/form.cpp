// Forms: window styles from border style and icons, position, activation, keyboard navigation,
// and reading a form's description from the program's resources. User-interface thread.
#include "framework/ui/form.h"

#include <string>

#include "framework/core/error.h"
#include "framework/core/text.h"
#include "framework/description/reader.h"
#include "framework/ui/application.h"
#include "framework/ui/menu.h"
#include "framework/win/code_module.h"

const TEnumInfo& FormBorderStyleEnum() {
  static const TEnumInfo e{"TFormBorderStyle",
                           {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
  return e;
}
const TEnumInfo& BorderIconEnum() {
  static const TEnumInfo e{"TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
  return e;
}
const TEnumInfo& PositionEnum() {
  static const TEnumInfo e{"TPosition",
                           {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                            "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"}};
  return e;
}
const TEnumInfo& FormStyleEnum() {
  static const TEnumInfo e{"TFormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}};
  return e;
}
const TEnumInfo& WindowStateEnum() {
  static const TEnumInfo e{"TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"}};
  return e;
}

const TClassInfo& TCustomForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomForm>("TCustomForm", &TWinControl::StaticClass())
          .Enum("BorderStyle", FormBorderStyleEnum(), &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle)
          .Set("BorderIcons", BorderIconEnum(), &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
          .Enum("Position", PositionEnum(), &TCustomForm::Position, &TCustomForm::SetPosition)
          .Enum("FormStyle", FormStyleEnum(), &TCustomForm::FormStyle, &TCustomForm::SetFormStyle)
          .Enum("WindowState", WindowStateEnum(), &TCustomForm::WindowState, &TCustomForm::SetWindowState)
          .Int("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth)
          .Int("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight)
          .Int("PixelsPerInch", &TCustomForm::PixelsPerInch, &TCustomForm::SetPixelsPerInch)
          .Int("TextHeight", &TCustomForm::TextHeight, &TCustomForm::SetTextHeight)
          .Bool("OldCreateOrder", &TCustomForm::OldCreateOrder, &TCustomForm::SetOldCreateOrder)
          .Bool("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview)
          .Obj("Icon", &TIcon::StaticClass, &TCustomForm::Icon)
          .Obj("ActiveControl", &TWinControl::StaticClass, &TCustomForm::ActiveControl,
               &TCustomForm::SetActiveControl)
          .Obj("Menu", &TMainMenu::StaticClass, &TCustomForm::Menu, &TCustomForm::SetMenu)
          .Event("OnCreate", &TCustomForm::OnCreate)
          .Event("OnDestroy", &TCustomForm::OnDestroy)
          .Event("OnShow", &TCustomForm::OnShow)
          .Event("OnHide", &TCustomForm::OnHide)
          .Event("OnActivate", &TCustomForm::OnActivate)
          .Event("OnDeactivate", &TCustomForm::OnDeactivate)
          .Event("OnClose", &TCustomForm::OnClose)
          .Build();
  return info;
}

const TClassInfo& TForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TForm>("TForm", &TCustomForm::StaticClass()).Creatable().Build();
  return info;
}

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner) {
  visible_ = false;
  color_ = clBtnFace;
  parentFont_ = false;
  width_ = 320;
  height_ = 240;
  Screen().forms.push_back(this);
}

TCustomForm::~TCustomForm() {
  auto& forms = Screen().forms;
  forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
}

void TCustomForm::BeforeDestruction() {
  if (OnDestroy) OnDestroy(this);
  TWinControl::BeforeDestruction();
}

void TCustomForm::ReadDescriptionResource() {
  std::wstring name = fw::ToWide(fw::AsciiLowerCase(ClassName()));
  for (wchar_t& c : name) c = static_cast<wchar_t>(towupper(c));
  HMODULE module = fw::CodeModule();
  HRSRC res = FindResourceW(module, name.c_str(), reinterpret_cast<LPCWSTR>(RT_RCDATA));
  if (!res) throw EReadError("Resource " + fw::FromWide(name) + " not found");
  HGLOBAL data = LoadResource(module, res);
  const char* text = static_cast<const char*>(LockResource(data));
  ReadComponent(*this, std::string_view(text, SizeofResource(module, res)));
  if (OnCreate) OnCreate(this);
}

DWORD TCustomForm::FrameStyle() const {
  DWORD style = 0;
  switch (borderStyle_) {
    case bsNone:
      style = WS_POPUP;
      break;
    case bsSingle:
    case bsToolWindow:
      style = WS_CAPTION;
      break;
    case bsSizeable:
    case bsSizeToolWin:
      style = WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      style = WS_POPUP | WS_CAPTION;
      break;
  }
  if (borderStyle_ != bsNone && (borderIcons_ & (1u << biSystemMenu))) {
    style |= WS_SYSMENU;
    if (borderStyle_ == bsSingle || borderStyle_ == bsSizeable) {
      if (borderIcons_ & (1u << biMinimize)) style |= WS_MINIMIZEBOX;
      if (borderIcons_ & (1u << biMaximize)) style |= WS_MAXIMIZEBOX;
    }
  }
  return style;
}

DWORD TCustomForm::FrameExStyle() const {
  DWORD ex = 0;
  if (borderStyle_ == bsDialog) ex |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
  if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin) ex |= WS_EX_TOOLWINDOW;
  bool minMax = borderIcons_ & ((1u << biMinimize) | (1u << biMaximize));
  if ((borderIcons_ & (1u << biHelp)) && (borderStyle_ == bsDialog || !minMax)) ex |= WS_EX_CONTEXTHELP;
  if (formStyle_ == fsStayOnTop) ex |= WS_EX_TOPMOST;
  if (Application()->MainForm() == this || !Application()->MainForm()) ex |= WS_EX_APPWINDOW;
  return ex;
}

void TCustomForm::ApplyClientSize() {
  if (clientWidth_ < 0 && clientHeight_ < 0) return;
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, FrameStyle(), FALSE, FrameExStyle());
  if (clientWidth_ >= 0) width_ = clientWidth_ + frame.right - frame.left;
  if (clientHeight_ >= 0) height_ = clientHeight_ + frame.bottom - frame.top;
}

void TCustomForm::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  ApplyClientSize();
  p.style = FrameStyle() | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  p.exStyle = FrameExStyle();
  p.x = left_;
  p.y = top_;
  p.width = width_;
  p.height = height_;
  bool isMain = Application()->MainForm() == this || !Application()->MainForm();
  p.wndParent = isMain ? nullptr : Application()->Handle();
  p.superClass = nullptr;
  mdiChildWindow_ = false;
  if (HWND client = MDIParentClient()) {
    p.style = (p.style & ~WS_POPUP) | WS_CHILD;
    p.exStyle = (p.exStyle & ~WS_EX_APPWINDOW) | WS_EX_MDICHILD;
    p.wndParent = client;
    mdiChildWindow_ = true;
  }
}

void TCustomForm::HandleCreated() {
  TWinControl::HandleCreated();
  CreateMDIClient();
  if (menu_) ::SetMenu(handle_, menu_->Handle());
  HICON big = icon_.Handle(GetSystemMetrics(SM_CXICON));
  HICON small = icon_.Handle(GetSystemMetrics(SM_CXSMICON));
  if (!big) big = small = Application()->Icon();
  SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  // Client sizes asked for before the window existed are exact now that the frame is known.
  if (clientWidth_ >= 0 || clientHeight_ >= 0) {
    RECT r;
    GetClientRect(handle_, &r);
    int w = width_ + (clientWidth_ >= 0 ? clientWidth_ - r.right : 0);
    int h = height_ + (clientHeight_ >= 0 ? clientHeight_ - r.bottom : 0);
    if (w != width_ || h != height_) SetBounds(left_, top_, w, h);
  }
}

void TCustomForm::SetBorderStyle(int v) {
  borderStyle_ = v;
  if (handle_) {
    SetWindowLongPtrW(handle_, GWL_STYLE,
                      FrameStyle() | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (visible_ ? WS_VISIBLE : 0));
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  }
}

void TCustomForm::SetBorderIcons(unsigned v) {
  borderIcons_ = v;
  if (handle_) SetBorderStyle(borderStyle_);
}

int TCustomForm::WindowState() const {
  if (handle_) {
    if (IsIconic(handle_)) return wsMinimized;
    if (IsZoomed(handle_)) return wsMaximized;
    return wsNormal;
  }
  return windowState_;
}

void TCustomForm::SetWindowState(int v) {
  windowState_ = v;
  if (handle_ && visible_)
    ShowWindow(handle_, v == wsMinimized ? SW_MINIMIZE : v == wsMaximized ? SW_MAXIMIZE : SW_RESTORE);
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  activeControl_ = control;
  if (control && handle_ && GetActiveWindow() == handle_ && control->CanFocus()) control->SetFocus();
}

int TCustomForm::ClientWidth() const {
  if (handle_) return TWinControl::ClientWidth();
  return clientWidth_ >= 0 ? clientWidth_ : width_;
}

int TCustomForm::ClientHeight() const {
  if (handle_) return TWinControl::ClientHeight();
  return clientHeight_ >= 0 ? clientHeight_ : height_;
}

void TCustomForm::SetClientWidth(int v) {
  clientWidth_ = v;
  if (handle_) TWinControl::SetClientWidth(v);
}

void TCustomForm::SetClientHeight(int v) {
  clientHeight_ = v;
  if (handle_) TWinControl::SetClientHeight(v);
}

void TCustomForm::ApplyPosition() {
  if (positioned_) return;
  positioned_ = true;
  int x = left_, y = top_;
  if (position_ == poDesktopCenter || position_ == poScreenCenter ||
      ((position_ == poMainFormCenter || position_ == poOwnerFormCenter) && !Application()->MainForm())) {
    int sx = GetSystemMetrics(SM_XVIRTUALSCREEN), sy = GetSystemMetrics(SM_YVIRTUALSCREEN);
    int sw = GetSystemMetrics(SM_CXVIRTUALSCREEN), sh = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (position_ == poScreenCenter || sw <= 0) {
      sx = sy = 0;
      sw = GetSystemMetrics(SM_CXSCREEN);
      sh = GetSystemMetrics(SM_CYSCREEN);
    }
    x = sx + (sw - width_) / 2;
    y = sy + (sh - height_) / 2;
  } else if (position_ == poMainFormCenter || position_ == poOwnerFormCenter) {
    TCustomForm* main = Application()->MainForm();
    x = main->Left() + (main->Width() - width_) / 2;
    y = main->Top() + (main->Height() - height_) / 2;
  }
  if (x != left_ || y != top_) SetBounds(x, y, width_, height_);
}

void TCustomForm::VisibleChanged() {
  if (visible_) {
    Handle();
    ApplyPosition();
    ShowWindow(handle_, windowState_ == wsMinimized   ? SW_SHOWMINIMIZED
                        : windowState_ == wsMaximized ? SW_SHOWMAXIMIZED
                                                      : SW_SHOWNORMAL);
    if (mdiChildWindow_)
      SendMessageW(GetParent(handle_), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(handle_), 0);
    else
      SetForegroundWindow(handle_);
    if (OnShow) OnShow(this);
  } else if (handle_) {
    ShowWindow(handle_, SW_HIDE);
    if (OnHide) OnHide(this);
  }
}

void TCustomForm::Show() {
  if (visible_) {
    if (handle_) {
      ShowWindow(handle_, SW_SHOW);
      SetForegroundWindow(handle_);
    }
    return;
  }
  SetVisible(true);
}

void TCustomForm::Close() {
  if (OnClose) OnClose(this);
  if (Application()->MainForm() == this)
    Application()->Terminate();
  else
    Hide();
}

void TCustomForm::Release() {
  if (handle_) PostMessageW(handle_, CM_RELEASE, 0, 0);
}

void TCustomForm::FocusChanged(TWinControl* control) {
  activeControl_ = control;
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* c = ObjectAs<TControl>(Components(i)))
      c->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TCustomForm::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, forward, checkTabStop)) next->SetFocus();
}

bool TCustomForm::DialogKey(UINT key, TWinControl* from) {
  switch (key) {
    case VK_TAB:
      SelectNext(from, GetKeyState(VK_SHIFT) >= 0, true);
      return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
      if (!from->Parent()) return false;
      if (TWinControl* next =
              from->Parent()->FindNextControl(from, key == VK_RIGHT || key == VK_DOWN, false)) {
        if (next->Parent() == from->Parent()) next->SetFocus();
      }
      return true;
    case VK_RETURN:
    case VK_ESCAPE: {
      const char* flag = key == VK_RETURN ? "Default" : "Cancel";
      for (int i = 0; i < ComponentCount(); ++i) {
        auto* c = ObjectAs<TWinControl>(Components(i));
        const TPropInfo* p = c ? GetPropInfo(*c, flag) : nullptr;
        if (p && GetOrdProp(*c, *p) && c->CanFocus()) {
          c->Click();
          return true;
        }
      }
      return false;
    }
  }
  return false;
}

bool TCustomForm::ReadBinaryProperty(std::string_view name, const std::vector<uint8_t>& data) {
  if (!fw::SameText(name, "Icon.Data")) return TWinControl::ReadBinaryProperty(name, data);
  if (!icon_.LoadFromBytes(data)) throw EReadError("Icon data is not an icon file");
  return true;
}

std::vector<std::pair<std::string, std::vector<uint8_t>>> TCustomForm::BinaryProperties() const {
  auto props = TWinControl::BinaryProperties();
  if (!icon_.Empty()) props.emplace_back("Icon.Data", icon_.Bytes());
  return props;
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
}

void TCustomForm::WndProc(TMessage& m) {
  if (menu_ && DispatchMenuMessage(m)) return;
  bool handled = false;
  // clang-format off
  switch (m.Msg) {
    case WM_ACTIVATE:   handled = WmActivate(m, LOWORD(m.WParam) != WA_INACTIVE, HIWORD(m.WParam)); break;
    case WM_SETFOCUS:   handled = WmSetFocus(); break;
    case WM_SYSCOMMAND: handled = WmSysCommand(static_cast<UINT>(m.WParam & 0xFFF0)); break;
    case WM_CLOSE:      handled = WmClose(); break;
    case WM_ERASEBKGND: handled = WmEraseBackground(reinterpret_cast<HDC>(m.WParam), m.Result); break;
    case CM_RELEASE:    handled = CmRelease(); break;
    default:            break;
  }
  // clang-format on
  if (!handled) TWinControl::WndProc(m);
}

// The control that had the focus, or the first one that can take it.
TWinControl* TCustomForm::FocusTarget() {
  return activeControl_ && activeControl_->CanFocus() ? activeControl_ : FindNextControl(nullptr, true, true);
}

bool TCustomForm::WmActivate(TMessage& m, bool active, bool minimized) {
  DefaultHandler(m);
  if (active) {
    TWinControl* target = FocusTarget();
    if (target && !minimized) target->SetFocus();
    if (OnActivate) OnActivate(this);
  } else if (OnDeactivate) {
    OnDeactivate(this);
  }
  return true;
}

// The form passes the focus on to the control that had it, or the first one.
bool TCustomForm::WmSetFocus() {
  TWinControl* target = FocusTarget();
  if (!target || IsIconic(handle_)) return false;
  target->SetFocus();
  return true;
}

// A window without a maximise button cannot be maximised, whoever asks.
bool TCustomForm::WmSysCommand(UINT command) {
  return command == SC_MAXIMIZE && !(GetWindowLongPtrW(handle_, GWL_STYLE) & WS_MAXIMIZEBOX);
}

bool TCustomForm::WmClose() {
  Close();
  return true;
}

bool TCustomForm::WmEraseBackground(HDC dc, LRESULT& result) {
  RECT r;
  GetClientRect(handle_, &r);
  FillRect(dc, &r, ColorBrush());
  result = 1;
  return true;
}

bool TCustomForm::CmRelease() {
  Owner()->DestroyComponent(this);
  return true;
}
