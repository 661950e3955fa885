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

// Owned by the request's owner; `prepare` sets what the object needs before it attaches; then
// attached to the control when there is one, else by handle.
template <class T, class Prepare>
TSkinControl* MakePreparedAndAttach(const SkinRequest& r, Prepare prepare) {
  if (!r.owner) return nullptr;
  T* skin = TComponent::CreateIn<T>(r.owner);
  prepare(*skin);
  if (r.control)
    skin->Attach(r.host, r.skinData, r.useSkinColor, r.canvas);
  else if (r.window)
    skin->AttachHandle(r.window, r.skinData, r.host, r.canvas);
  return skin;
}

template <class T>
TSkinControl* MakeAndAttach(const SkinRequest& r) {
  return MakePreparedAndAttach<T>(r, [](T&) {});
}

TSkinControl* MakeBitButton(const SkinRequest& r) {
  return MakePreparedAndAttach<TSkinBitButton>(r,
                                               [&](TSkinBitButton& s) { s.ImageProperty = r.imageProperty; });
}

TSkinControl* MakeSpeedButton(const SkinRequest& r) {
  if (!r.control) return nullptr;
  auto* skin = TComponent::CreateIn<TSkinSpeedButton>(r.control);
  skin->ImageProperty = r.imageProperty;
  skin->Init(r.host, r.skinData, r.canvas);
  return skin;
}

// The foreign control's kind comes with the request.
TSkinControl* MakeObjImage(const SkinRequest& r) {
  if (!r.control) return nullptr;
  auto* skin = TComponent::CreateIn<TSkinObjImage>(r.control);
  skin->Kind = r.variant;
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
  return MakePreparedAndAttach<TSkinComBox>(request, [&](TSkinComBox& s) {
    s.ExtendedCombo = r.extendedCombo;
    s.SkinListOfWindow = inner != nullptr;
  });
}

// Variant 1: the scroller of a tab set, whose halves always point left and right.
TSkinControl* MakeUpDown(const SkinRequest& r) {
  return MakePreparedAndAttach<TSkinUpDown>(r, [&](TSkinUpDown& s) { s.ScrollerKind = r.variant; });
}

std::array<SkinFactory, static_cast<size_t>(SkinClass::Count)> BuildTable() {
  std::array<SkinFactory, static_cast<size_t>(SkinClass::Count)> t{};
  t[static_cast<size_t>(SkinClass::Button)] = &MakeAndAttach<TSkinButton>;
  t[static_cast<size_t>(SkinClass::BitButton)] = &MakeBitButton;
  t[static_cast<size_t>(SkinClass::MenuButton)] = &MakeAndAttach<TSkinMenuButton>;
  t[static_cast<size_t>(SkinClass::SpeedButton)] = &MakeSpeedButton;
  t[static_cast<size_t>(SkinClass::Scrollbar)] = &MakeScrollbarSkin;
  t[static_cast<size_t>(SkinClass::ScControl)] = &MakeScControlSkin;
  t[static_cast<size_t>(SkinClass::Sizer)] = &MakeSizerSkin;
  t[static_cast<size_t>(SkinClass::CheckBox)] = &MakeAndAttach<TSkinCheckBox>;
  t[static_cast<size_t>(SkinClass::RadioButton)] = &MakeAndAttach<TSkinRadioButton>;
  t[static_cast<size_t>(SkinClass::GroupBox)] = &MakeAndAttach<TSkinGroupBox>;
  t[static_cast<size_t>(SkinClass::Box)] = &MakeAndAttach<TSkinBox>;
  t[static_cast<size_t>(SkinClass::BoxH)] = &MakeAndAttach<TSkinBoxH>;
  t[static_cast<size_t>(SkinClass::CoolBar)] = &MakeAndAttach<TSkinCoolBar>;
  t[static_cast<size_t>(SkinClass::MP)] = &MakeAndAttach<TSkinMP>;
  t[static_cast<size_t>(SkinClass::ObjImage)] = &MakeObjImage;
  t[static_cast<size_t>(SkinClass::Progress)] = &MakeAndAttach<TSkinProgress>;
  t[static_cast<size_t>(SkinClass::TrackBar)] = &MakeAndAttach<TSkinTrackBar>;
  t[static_cast<size_t>(SkinClass::UpDown)] = &MakeUpDown;
  t[static_cast<size_t>(SkinClass::StatusBar)] = &MakeAndAttach<TSkinStatusBar>;
  t[static_cast<size_t>(SkinClass::Edit)] = &MakeAndAttach<TSkinEdit>;
  t[static_cast<size_t>(SkinClass::ComBox)] = &MakeComBox;
  t[static_cast<size_t>(SkinClass::DateTime)] = &MakeAndAttach<TSkinDateTime>;
  t[static_cast<size_t>(SkinClass::Tab)] = &MakeTabSkin;
  t[static_cast<size_t>(SkinClass::TabBtn)] = &MakeTabBtnSkin;
  t[static_cast<size_t>(SkinClass::Tab31)] = &MakeTab31Skin;
  t[static_cast<size_t>(SkinClass::AdvPage)] = &MakeAdvPageSkin;
  t[static_cast<size_t>(SkinClass::TabSheet)] = &MakeAndAttach<TSkinTabSheet>;
  t[static_cast<size_t>(SkinClass::Header)] = &MakeAndAttach<TSkinHeader>;
  t[static_cast<size_t>(SkinClass::ListView)] = &MakeListViewSkin;
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
