// The skin manager's list of skin data components and the choice of one for a window.
// UI thread only.
#include "skin/controls/manager/skin_data_list.h"

#include <algorithm>

#include "framework/core/text.h"
#include "framework/ui/form.h"
#include "skin/data/draw/platform.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {

constexpr LONG_PTR kDialogNoSkinStyle = 0x200;

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

}  // namespace

void TSkinDataList::Register(TSkinData* data) {
  list_.push_back(data);
  if (!main_ && data->SkinFormtype() == sfMainform) main_ = data;
}

void TSkinDataList::Unregister(TSkinData* data) {
  std::erase(list_, data);
  if (main_ == data) main_ = nullptr;
  if (current_ == data) current_ = nullptr;
}

bool TSkinDataList::MainAllows(HWND window, const std::string& className) const {
  bool doSkin = true;
  TSkinData* main = main_;
  if (!main) return doSkin;
  const std::string lower = fw::AsciiLowerCase(className);
  if (!(main->Options() & Bit(xoPreview)) && Contains(lower, "preview")) doSkin = false;
  if (className == "#32770" && (GetWindowLongPtrA(window, GWL_STYLE) & kDialogNoSkinStyle)) doSkin = false;
  if (lower == "tpopupdbtreeview") doSkin = false;
  main->FormSkinAllowed(window, className, doSkin);
  return doSkin;
}

TSkinData* TSkinDataList::ChooseFor(HWND window) const {
  TSkinData* found = nullptr;
  for (TSkinData* data : list_) {
    if (data->SkinFormtype() != sfOnlyThisForm) continue;
    auto* owner = ObjectAs<TWinControl>(data->Owner());
    if (owner && owner->HandleAllocated() && owner->RawHandle() == window) found = data;
  }
  if (found) return found;
  const std::string lower = fw::AsciiLowerCase(WindowClassName(window));
  if (lower == "tmessageform" || lower == "#32770") {
    for (TSkinData* data : list_)
      if (data->SkinFormtype() == sfDialog) found = data;
    if (found) return found;
  }
  for (TSkinData* data : list_)
    if (data->SkinFormtype() == sfMainform) found = data;
  if (found) return found;
  return list_.empty() ? nullptr : list_.front();
}

}  // namespace quarnel
