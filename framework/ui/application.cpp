// The application object and its message loop. User-interface thread.
#include "framework/ui/application.h"

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>

#include "framework/controls/common_controls.h"
#include "framework/core/error.h"
#include "framework/core/properties.h"
#include "framework/core/text.h"
#include "framework/ui/form.h"
#include "framework/win/code_module.h"

const TClassInfo& TApplication::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TApplication>("TApplication", &TComponent::StaticClass()).Build();
  return info;
}

TApplication* Application() {
  static ComponentPtr<TApplication> app = TComponent::Make<TApplication>();
  return app.get();
}

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

TCustomForm* TScreen::ActiveForm() const {
  HWND active = GetActiveWindow();
  for (TCustomForm* f : forms)
    if (f->RawHandle() == active) return f;
  return nullptr;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner) {}

TApplication::~TApplication() = default;

void TApplication::BeforeDestruction() {
  Shutdown();
  TComponent::BeforeDestruction();
}

void TApplication::Initialize() {
  if (handle_) return;
  comInitialized_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  fw::EnsureCommonControls();
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = fw::CodeModule();
  wc.lpszClassName = L"TApplication";
  wc.hIcon = LoadIconW(wc.hInstance, L"MAINICON");
  RegisterClassExW(&wc);
  icon_ = wc.hIcon ? wc.hIcon : LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  // Hidden: it holds the title and the icon, and owns the secondary forms.
  handle_.reset(CreateWindowExW(0, L"TApplication", fw::ToWide(title_).c_str(),
                                WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0,
                                0, 0, nullptr, nullptr, wc.hInstance, nullptr));
  SendMessageW(handle_.get(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(handle_.get(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
}

void TApplication::Shutdown() {
  mainForm_ = nullptr;
  while (ComponentCount() > 0) DestroyComponent(Components(ComponentCount() - 1));
  handle_.reset();
  if (comInitialized_) {
    CoUninitialize();
    comInitialized_ = false;
  }
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  if (handle_) SetWindowTextW(handle_.get(), fw::ToWide(title).c_str());
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  if (operation == opRemove && component == mainForm_) mainForm_ = nullptr;
}

void TApplication::Run() {
  if (mainForm_) mainForm_->Show();
  MSG msg;
  while (!terminated_) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      terminated_ = true;
      break;
    }
    if (got < 0) break;
    DispatchOne(msg);
  }
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

void TApplication::ClearTerminated() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
  terminated_ = false;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      terminated_ = true;
      break;
    }
    DispatchOne(msg);
  }
}

void TApplication::DispatchOne(MSG& msg) {
  if (HandleDialogKey(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

// Tab, arrows, Enter and Escape move the focus or press the default/cancel button unless the
// focused control wants the key itself.
bool TApplication::HandleDialogKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  UINT mask = 0;
  switch (msg.wParam) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN: case VK_ESCAPE: mask = DLGC_WANTALLKEYS; break;
    default: return false;
  }
  TWinControl* control = TWinControl::FindControl(msg.hwnd);
  if (!control) return false;
  if (msg.wParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0) {
    // Ctrl+Tab turns the pages of the nearest tab control round the focus.
    for (TWinControl* c = control; c; c = c->Parent())
      if (c->Perform(CM_DIALOGKEY, msg.wParam, msg.lParam)) return true;
    return false;
  }
  if (SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)) & mask) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  TCustomForm* form = GetParentForm(control);
  if (!form) return false;
  // The focused control hears of the key first (a non-zero answer keeps it for itself).
  if (control->Perform(CM_DIALOGKEY, msg.wParam, msg.lParam)) return true;
  return form->DialogKey(static_cast<UINT>(msg.wParam), control);
}

std::string TApplication::ErrorBoxText(const std::string& message) {
  std::string text = message;
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

void TApplication::HandleException(std::exception_ptr error) {
  std::string message;
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    message = e.what();
  } catch (...) {
    message = "Unknown error";
  }
  std::string text = ErrorBoxText(message);
  if (OnShowError) {
    OnShowError(text);
    return;
  }
  HWND owner = GetActiveWindow();
  MessageBoxW(owner, fw::ToWide(text).c_str(), fw::ToWide(title_).c_str(), MB_OK | MB_ICONSTOP);
}
