// The factory table: how each control skin class is made and attached. A class not built yet
// has a null factory, so the rules that name it attach nothing. UI thread.
#include <array>
#include <utility>

#include "skin/controls/control_dispatch.h"
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_button.h"
#include "skin/controls/skin_check.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_edit.h"
#include "skin/controls/skin_foreign_view.h"
#include "skin/controls/skin_group_box.h"
#include "skin/controls/skin_header.h"
#include "skin/controls/skin_media_player.h"
#include "skin/controls/skin_obj_image.h"
#include "skin/controls/skin_range.h"
#include "skin/controls/skin_sccontrol.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/controls/skin_tab.h"

namespace quarnel {

namespace {

// Made with `args`, owned by the request's owner; then attached to the control when there is
// one, else by handle.
template <class T, class... A>
TSkinControl* MakeAndAttach(const SkinRequest& r, A&&... args) {
  if (!r.owner) return nullptr;
  T* skin = TComponent::CreateIn<T>(r.owner, std::forward<A>(args)...);
  if (r.control)
    skin->Attach(r.host, r.skinData, r.useSkinColor, r.canvas);
  else if (r.window)
    skin->AttachHandle(r.window, r.skinData, r.host, r.canvas);
  return skin;
}

template <class T>
TSkinControl* MakePlain(const SkinRequest& r) {
  return MakeAndAttach<T>(r);
}

TSkinControl* MakeBitButton(const SkinRequest& r) {
  return MakeAndAttach<TSkinBitButton>(r, r.imageProperty);
}

TSkinControl* MakeSpeedButton(const SkinRequest& r) {
  if (!r.control) return nullptr;
  auto* skin = TComponent::CreateIn<TSkinSpeedButton>(r.control, r.imageProperty);
  skin->Init(r.host, r.skinData, r.canvas);
  return skin;
}

// The foreign control's kind comes with the request.
TSkinControl* MakeObjImage(const SkinRequest& r) {
  if (!r.control) return nullptr;
  auto* skin = TComponent::CreateIn<TSkinObjImage>(r.control, r.variant);
  skin->Attach(r.host, r.skinData, r.useSkinColor, r.canvas);
  return skin;
}

// The combo box inside an extended combo's window, which it covers whole; null for others.
HWND InnerComboBox(TControl* control) {
  auto* windowed = ObjectAs<TWinControl>(control);
  if (!windowed || !windowed->HandleAllocated()) return nullptr;
  HWND child = GetWindow(windowed->RawHandle(), GW_CHILD);
  char name[16] = {};
  return child && GetClassNameA(child, name, sizeof name) && lstrcmpiA(name, "ComboBox") == 0 ? child
                                                                                              : nullptr;
}

// An extended combo box is marked before it attaches. A framework extended combo is skinned on
// its inner combo box (all that shows of it), by handle, still owned by the control.
TSkinControl* MakeComBox(const SkinRequest& r) {
  SkinRequest request = r;
  const HWND inner = InnerComboBox(r.control);
  if (inner) {
    request.control = nullptr;
    request.window = inner;
  }
  return MakeAndAttach<TSkinComBox>(request, r.extendedCombo, inner != nullptr);
}

// Variant 1: the scroller of a tab set, whose halves always point left and right.
TSkinControl* MakeUpDown(const SkinRequest& r) {
  return MakeAndAttach<TSkinUpDown>(r, r.variant);
}

std::array<SkinFactory, static_cast<size_t>(SkinClass::Count)> BuildTable() {
  std::array<SkinFactory, static_cast<size_t>(SkinClass::Count)> t{};
  t[static_cast<size_t>(SkinClass::Button)] = &MakePlain<TSkinButton>;
  t[static_cast<size_t>(SkinClass::BitButton)] = &MakeBitButton;
  t[static_cast<size_t>(SkinClass::MenuButton)] = &MakePlain<TSkinMenuButton>;
  t[static_cast<size_t>(SkinClass::SpeedButton)] = &MakeSpeedButton;
  t[static_cast<size_t>(SkinClass::Scrollbar)] = &MakeScrollbarSkin;
  t[static_cast<size_t>(SkinClass::ScControl)] = &MakeScControlSkin;
  t[static_cast<size_t>(SkinClass::Sizer)] = &MakeSizerSkin;
  t[static_cast<size_t>(SkinClass::CheckBox)] = &MakePlain<TSkinCheckBox>;
  t[static_cast<size_t>(SkinClass::RadioButton)] = &MakePlain<TSkinRadioButton>;
  t[static_cast<size_t>(SkinClass::GroupBox)] = &MakePlain<TSkinGroupBox>;
  t[static_cast<size_t>(SkinClass::Box)] = &MakePlain<TSkinBox>;
  t[static_cast<size_t>(SkinClass::BoxH)] = &MakePlain<TSkinBoxH>;
  t[static_cast<size_t>(SkinClass::CoolBar)] = &MakePlain<TSkinCoolBar>;
  t[static_cast<size_t>(SkinClass::MP)] = &MakePlain<TSkinMP>;
  t[static_cast<size_t>(SkinClass::ObjImage)] = &MakeObjImage;
  t[static_cast<size_t>(SkinClass::Progress)] = &MakePlain<TSkinProgress>;
  t[static_cast<size_t>(SkinClass::TrackBar)] = &MakePlain<TSkinTrackBar>;
  t[static_cast<size_t>(SkinClass::UpDown)] = &MakeUpDown;
  t[static_cast<size_t>(SkinClass::StatusBar)] = &MakePlain<TSkinStatusBar>;
  t[static_cast<size_t>(SkinClass::Edit)] = &MakePlain<TSkinEdit>;
  t[static_cast<size_t>(SkinClass::ComBox)] = &MakeComBox;
  t[static_cast<size_t>(SkinClass::DateTime)] = &MakePlain<TSkinDateTime>;
  t[static_cast<size_t>(SkinClass::Tab)] = &MakeTabSkin;
  t[static_cast<size_t>(SkinClass::TabBtn)] = &MakeTabBtnSkin;
  t[static_cast<size_t>(SkinClass::Tab31)] = &MakeTab31Skin;
  t[static_cast<size_t>(SkinClass::AdvPage)] = &MakeAdvPageSkin;
  t[static_cast<size_t>(SkinClass::TabSheet)] = &MakePlain<TSkinTabSheet>;
  t[static_cast<size_t>(SkinClass::Header)] = &MakePlain<TSkinHeader>;
  t[static_cast<size_t>(SkinClass::ListView)] = &MakeListViewSkin;
  t[static_cast<size_t>(SkinClass::ForeignView)] = &MakePlain<TSkinForeignView>;
  return t;
}

}  // namespace

namespace {
std::array<SkinFactory, static_cast<size_t>(SkinClass::Count)>& Table() {
  static auto table = BuildTable();
  return table;
}
}  // namespace

SkinFactory SkinFactoryOf(SkinClass cls) {
  auto i = static_cast<size_t>(cls);
  return i < Table().size() ? Table()[i] : nullptr;
}

SkinFactory SetSkinFactory(SkinClass cls, SkinFactory factory) {
  auto i = static_cast<size_t>(cls);
  if (i >= Table().size()) return nullptr;
  return std::exchange(Table()[i], factory);
}

TSkinControl* MakeControlSkin(SkinClass cls, const SkinRequest& request) {
  SkinFactory factory = SkinFactoryOf(cls);
  if (!factory) return nullptr;
  SkinRequest named = request;
  named.skinClass = cls;
  return factory(named);
}

}  // namespace quarnel
