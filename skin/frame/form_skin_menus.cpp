// TWinSkinForm and menus: the owner-draw handlers it puts on the items of its form's popup menu
// components and of the skinned window menu, which draw and measure each item in the skin's
// look. UI thread of the skinned window.
#include "framework/ui/form.h"
#include "framework/ui/menu.h"
#include "skin/data/skin_data.h"
#include "skin/frame/menus/menu_item_paint.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {
constexpr char kRichEditFormClass[] = "TwwRichEditForm";
}  // namespace

void TWinSkinForm::HookPopupMenus(TComponent* root, bool on) {
  if (!root || WindowClassName == kRichEditFormClass) return;
  if (Form && Form->ClassName() == kRichEditFormClass) return;
  // Turning off must not read the skin data, which may be gone by then.
  if (on) {
    if (!SkinData || !(SkinData->SkinControls() & Bit(xcPopupMenu))) return;
    HookedDisableTag = SkinData->DisableTag();
  }
  for (int i = 0; i < root->ComponentCount(); ++i) {
    TComponent* component = root->Components(i);
    if (ObjectAs<TCustomForm>(component)) {
      HookPopupMenus(component, on);
      continue;
    }
    auto* popup = ObjectAs<TPopupMenu>(component);
    if (!popup || popup->Tag() == HookedDisableTag) continue;
    popup->SetOwnerDraw(on);
    HookMenuItems(*popup->Items(), on);
  }
}

// Every item at every depth below `parent`; an item's own measure handler is kept.
void TWinSkinForm::HookMenuItems(TMenuItem& parent, bool on) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (on) {
      item->OnDrawItem = [this](TMenuItem* sender, TCanvas& canvas, const RECT& rect, UINT state) {
        DrawSkinMenuItem(sender, canvas, rect, state);
      };
      if (!item->OnMeasureItem)
        item->OnMeasureItem = [this](TMenuItem* sender, TCanvas& canvas, int& width, int& height) {
          MeasurePopupMenuItem(sender, canvas, width, height);
        };
    } else {
      item->OnDrawItem = nullptr;
      item->OnMeasureItem = nullptr;
    }
    HookMenuItems(*item, on);
  }
}

void TWinSkinForm::DrawSkinMenuItem(TMenuItem* item, TCanvas& canvas, const RECT& rect, UINT state) {
  if (!item) return;
  ::quarnel::DrawSkinMenuItem(TMenuItemPaint{SkinData, RightToLeft}, *item, canvas,
                              (state & ODS_SELECTED) != 0, rect);
}

void TWinSkinForm::MeasurePopupMenuItem(TMenuItem* item, TCanvas&, int& width, int&) {
  if (item) ::quarnel::MeasurePopupMenuItem(SkinData, *item, width);
}

}  // namespace quarnel
