// The skin manager's window filter: which windows get a frame object, with which skin data.
// UI thread only.
#include <algorithm>
#include <string>

#include "framework/core/text.h"
#include "framework/ui/application.h"
#include "framework/ui/form.h"
#include "framework/ui/menu.h"
#include "skin/controls/manager/skin_manage.h"
#include "skin/data/draw/platform.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/data/window_scope.h"
#include "skin/frame/nc_object.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {

constexpr int kNeverSkinTag = 99;

bool AnswersSkinned(HWND window) {
  return SendMessageA(window, SKM_QUERYSKINNED, 0, 0) == 1;
}

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

// The form (or other framework control) of a window, or null. Forms are matched by the windows
// they already have: asking a form for its handle would make a window, and for the form whose
// window is being created right now a second one.
TWinControl* FindFormObject(HWND window) {
  for (TCustomForm* form : Screen().forms)
    if (form->HandleAllocated() && form->RawHandle() == window) return form;
  return ControlOfWindow(window);
}

}  // namespace

// Steps 4 to 10 of the filter: the window's form object, its kind and its class.
bool TSkinManage::PassesWindowFilter(HWND window, TWinControl*& formObject, std::string& className) const {
  formObject = FindFormObject(window);
  className = WindowClassName(window);
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
  const bool mdiChild = exStyle & WS_EX_MDICHILD;
  if (!bulkMode_ && (style & WS_CHILD) && !mdiChild &&
      fw::AsciiLowerCase(WindowClassName(GetParent(window))) != "mdiclient")
    return false;
  const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
  if (!formObject && !WindowScope().ProgramInstance(instance) && className != "#32770") return false;
  if (WindowScope().Excluded(window)) return false;
  RECT r{};
  GetWindowRect(window, &r);
  if ((r.right - r.left) * (r.bottom - r.top) == 0 && !mdiChild) return false;
  if (formObject && formObject->Tag() == kNeverSkinTag) return false;
  if (Contains(className, "TcxPopupEditPopupWindow") || Contains(className, "TTERenderWindow") ||
      className == "TApplication")
    return false;
  return skinData_.MainAllows(window, className);
}

bool TSkinManage::SkinWindow(HWND window) {
  if (!running_ || !IsWindow(window)) return false;
  formSkins_.Purge();
  if (AnswersSkinned(window) || formSkins_.Find(window)) return false;
  TWinControl* formObject = nullptr;
  std::string className;
  if (!PassesWindowFilter(window, formObject, className)) return false;
  TSkinData* data = skinData_.ChooseFor(window);
  if (!data || data->Empty()) return false;
  formSkins_.Attach(window, formObject, className, data);
  PostMessageA(window, SKM_ACTIVATE, 0, kActivateMessageParam);
  return true;
}

bool TSkinManage::SkinForm(TCustomForm* form) {
  if (!form->Visible()) return true;
  HWND window = form->Handle();
  if (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) return true;
  return SkinWindow(window);
}

}  // namespace quarnel
