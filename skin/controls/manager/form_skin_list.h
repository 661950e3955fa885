// The skin manager's list of frame objects: attaching one to a window, finding, freeing, and
// the walks the skin-off and refresh actions make over them. UI thread only.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "framework/core/component.h"

class TWinControl;

namespace quarnel {

class TSkinData;
class TSkinManage;
class TWinSkinForm;

class TFormSkinList {
 public:
  // Out of line: the frame object type is only declared here.
  explicit TFormSkinList(TSkinManage& manager);
  ~TFormSkinList();
  TFormSkinList(const TFormSkinList&) = delete;
  TFormSkinList& operator=(const TFormSkinList&) = delete;

  TWinSkinForm* Find(HWND window) const;
  // A new frame object for `window`, owned by its form object, or by the list when it has none.
  TWinSkinForm* Attach(HWND window, TWinControl* formObject, const std::string& className, TSkinData* data);
  // Drops the entry of a frame object that is going away (it frees itself).
  void Forget(HWND window);
  // Frees the frame objects whose windows are gone.
  void Purge();
  // Takes the frame object out of the list, gives its window its own look back and frees it.
  void Unskin(TWinSkinForm* skin);
  // Every window (or the requester's last one) returns to its own look.
  void UnskinAll(TSkinData* requester);
  // Frame objects of the requester take its new skin.
  void Refresh(TSkinData* requester);
  // Every frame object that uses `data` frees its caption buttons.
  void ResetCaptionButtons(TSkinData* data);
  // Every frame object in attach order.
  const std::vector<TWinSkinForm*>& All() const { return skins_; }
  // Frees every frame object, newest first (the manager ends).
  void FreeAll();

 private:
  void Free(TWinSkinForm* skin);

  TSkinManage& manager_;
  // Those of foreign windows (no form owns them) are also held in foreign_, which frees them.
  std::vector<TWinSkinForm*> skins_;
  std::vector<ComponentPtr<TWinSkinForm>> foreign_;
};

}  // namespace quarnel
