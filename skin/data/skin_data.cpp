// TSkinData: published properties, construction, the "SkinStream" binary property, hints,
// the form filter and destruction. Loading and activation are in skin_data_lifecycle.cpp.
// UI thread.
#include "skin/data/skin_data.h"

#include <cstring>

#include "framework/core/text.h"
#include "skin/data/format/skin_package.h"
#include "skin/data/skin_data_observer.h"
#include "skin/data/skin_resources.h"

namespace quarnel {

const TEnumInfo& SkinControlTypeEnum() {
  static const TEnumInfo info{
      "TSkinControlType",
      {"xcMainMenu", "xcPopupMenu",   "xcMenuItem",   "xcToolbar",   "xcControlbar", "xcCombo",
       "xcCheckBox", "xcRadioButton", "xcProgress",   "xcScrollbar", "xcEdit",       "xcButton",
       "xcBitBtn",   "xcSpeedButton", "xcSpin",       "xcPanel",     "xcGroupBox",   "xcStatusBar",
       "xcTab",      "xcTrackBar",    "xcSystemMenu", "xcFastReport"}};
  return info;
}

const TEnumInfo& SkinOptionEnum() {
  static const TEnumInfo info{"TSkinOption",
                              {"xoMDIScrollbar", "xoMenuMerge", "xoTransparent", "xoPreview",
                               "xoParentBackGround", "xoNoFocusRect", "xoToolbarBK", "xoToolbarButton",
                               "xoMDIChildBorder", "xoMenuBG", "xoCaptionButtonHint", "xoFormScrollbar"}};
  return info;
}

const TEnumInfo& SkinFormTypeEnum() {
  static const TEnumInfo info{"TSkinFormType", {"sfMainform", "sfOnlyThisForm", "sfDialog", "sfDLL"}};
  return info;
}

const TClassInfo& TSkinData::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinData>("TSkinData", &TComponent::StaticClass())
          .Creatable()
          .Bool("Active", &TSkinData::Active, &TSkinData::SetActive)
          .Int("DisableTag", &TSkinData::DisableTag, &TSkinData::SetDisableTag)
          .Set("SkinControls", SkinControlTypeEnum(), &TSkinData::SkinControls, &TSkinData::SetSkinControls)
          .Set("Options", SkinOptionEnum(), &TSkinData::Options, &TSkinData::SetOptions)
          .Obj("Skin3rd", &TStrings::StaticClass, &TSkinData::Skin3rd)
          .Str("SkinFile", &TSkinData::SkinFile, &TSkinData::SetSkinFile)
          .Str("SkinStore", &TSkinData::SkinStore, &TSkinData::SetSkinStore)
          .Enum("SkinFormtype", SkinFormTypeEnum(), &TSkinData::SkinFormtype, &TSkinData::SetSkinFormtype)
          .Str("Version", &TSkinData::Version, &TSkinData::SetVersion)
          .Bool("MenuUpdate", &TSkinData::MenuUpdate, &TSkinData::SetMenuUpdate)
          .Bool("MenuMerge", &TSkinData::MenuMerge, &TSkinData::SetMenuMerge)
          .Event("OnFormSkin", &TSkinData::OnFormSkin)
          .Event("OnSkinChanged", &TSkinData::OnSkinChanged)
          .Event("OnSkinControl", &TSkinData::OnSkinControl)
          .Event("OnBeforeSkinForm", &TSkinData::OnBeforeSkinForm)
          .Event("OnAfterSkinForm", &TSkinData::OnAfterSkinForm)
          .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

namespace {
TSkinDataObserver* installedObserver = nullptr;

// Descriptions find the class as soon as this file is part of the program.
const bool classRegistered = (TSkinData::StaticClass(), true);
}  // namespace

TSkinDataObserver* SkinDataObserver() {
  return installedObserver;
}

void SetSkinDataObserver(TSkinDataObserver* observer) {
  installedObserver = observer;
}

TSkinData::TSkinData(TComponent* owner) : TComponent(owner), skin3rd_(DefaultSkin3rdRows()) {
  BuildMenuGlyphs();
}

TSkinData::~TSkinData() {
  Unregister();
}

void TSkinData::BeforeDestruction() {
  Unregister();
  TComponent::BeforeDestruction();
}

// The manager must not keep a component that is going away.
void TSkinData::Unregister() {
  if (unregistered_) return;
  unregistered_ = true;
  HideCaptionHint();
  if (TSkinDataObserver* observer = SkinDataObserver()) observer->SkinDataGone(*this);
}

std::string TSkinData::SkinStore() const {
  return IsDesigning() && !packed_.empty() ? "(Good)" : "(none)";
}

// The stored package: its 32-bit size, then its bytes.
bool TSkinData::ReadBinaryProperty(std::string_view name, const std::vector<uint8_t>& data) {
  if (name != "SkinStream") return TComponent::ReadBinaryProperty(name, data);
  const std::span<const uint8_t> stored = StoredPackage(data);
  if (!stored.empty()) {
    packed_.assign(stored.begin(), stored.end());
    if (!IsDesigning()) LoadSkin();
  }
  return true;
}

std::vector<std::pair<std::string, std::vector<uint8_t>>> TSkinData::BinaryProperties() const {
  auto props = TComponent::BinaryProperties();
  std::vector<uint8_t> data(sizeof(uint32_t));
  const auto size = static_cast<uint32_t>(packed_.size());
  std::memcpy(data.data(), &size, sizeof(size));
  data.insert(data.end(), packed_.begin(), packed_.end());
  props.emplace_back("SkinStream", std::move(data));
  return props;
}

void TSkinData::FormSkinAllowed(HWND window, const std::string& className, bool& doSkin) {
  lastFormSkinWindow_ = window;
  if (OnFormSkin) {
    OnFormSkin(this, className, doSkin);
    return;
  }
  if (className == "SysMonthCal32") doSkin = false;
  if ((skinControls_ & Bit(xcFastReport)) && className.rfind("Tfr", 0) == 0) doSkin = false;
}

void TSkinData::SkinChanged() {
  if (OnSkinChanged) OnSkinChanged(this);
}

void TSkinData::ShowCaptionHint(const RECT& where, const std::string& text) {
  if (!(options_ & Bit(xoCaptionButtonHint)) || hintShowing_) return;
  RECT rect = hintWindow_.CalcHintRect(kCaptionHintMaxWidth, text);
  OffsetRect(&rect, where.left, where.top);
  hintWindow_.ActivateHint(rect, text);
  hintShowing_ = true;
}

void TSkinData::HideCaptionHint() {
  if (!hintShowing_) return;
  hintWindow_.Hide();
  hintShowing_ = false;
}

void TSkinData::SetAppIconWhenEmpty(const TBitmap& icon) {
  if (appIcon_.Empty()) appIcon_.Assign(icon);
}

void TSkinData::BuildMenuGlyphs() {
  menuGlyphs_.SetSize(16, 16);
  TBitmap strip;
  if (LoadResourceBitmap("MANTLEOMENU", strip)) menuGlyphs_.AddMasked(strip, clWhite);
}

}  // namespace quarnel
