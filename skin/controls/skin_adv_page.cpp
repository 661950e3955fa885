// TSkinAdvPage: page controls that draw their tabs from the bitmaps in their "TabBackGround" and
// "TabBackGroundActive" properties get pictures cut from the skin's tab frames (given back
// empty at detach), and their up-down is skinned. UI thread.
#include "framework/graphics/bitmap.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/control_fills.h"
#include "skin/controls/skin_tab.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {
constexpr int kPictureWidth = 100;
constexpr int kPictureHeight = 21;
constexpr int kPictureMode = 4;
}  // namespace

void TSkinAdvPage::Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor,
                          TCanvas* sharedCanvas) {
  if (Attachment().Attached()) return;
  TSkinControl::Attach(host, skinData, useSkinColor, sharedCanvas);
  if (mode_ == kPictureMode) GiveTabPictures(false);
  upDown_ = SkinChildUpDown(*this, upDown_);
}

void TSkinAdvPage::UpdateSkin() {
  if (mode_ == kPictureMode) GiveTabPictures(false);
  TSkinControl::UpdateSkin();
}

void TSkinAdvPage::Detach() {
  if (Attachment().Active() && Attachment().State() != scsWindowGone && mode_ == kPictureMode)
    GiveTabPictures(true);
  TSkinControl::Detach();
}

void TSkinAdvPage::Draw(HDC, const RECT&) {
  upDown_ = SkinChildUpDown(*this, upDown_);
}

// Frame 1 for the tabs, frame 2 for the active one; empty pictures give the control its own look.
void TSkinAdvPage::GiveTabPictures(bool empty) {
  if (!Control()) return;
  const char* names[] = {"TabBackGround", "TabBackGroundActive"};
  for (int i = 0; i < 2; ++i) {
    auto* target = ObjectAs<TBitmap>(GetObjectPropByName(Control(), names[i], TBitmap::StaticClass()));
    if (!target) continue;
    TBitmap picture;
    if (!empty && SkinData() && SkinData()->Tabs && !SkinData()->Tabs->Image.Empty()) {
      TDataSkinBorder& tabs = *SkinData()->Tabs;
      picture.SetSize(kPictureWidth, kPictureHeight);
      const RECT all{0, 0, kPictureWidth, kPictureHeight};
      FillSkinColor(*this, picture.DC(), all);
      DrawSkinElement(picture.DC(), all, tabs.Image, false, tabs.Tile != 0, tabs.Trans != 0, tabs.FrameCount,
                      i + 1, SkinMargins{tabs.LeftWidth, tabs.TopHeight, tabs.RightWidth, tabs.BottomHeight});
    }
    target->Assign(picture);
  }
  Control()->Invalidate();
}

TSkinControl* MakeAdvPageSkin(const SkinRequest& r) {
  if (!r.control) return nullptr;
  auto* skin = TComponent::CreateIn<TSkinAdvPage>(r.control, r.variant);
  skin->Attach(r.host, r.skinData, r.useSkinColor, r.canvas);
  return skin;
}

}  // namespace quarnel
