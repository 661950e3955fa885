// TSkinData: the component that owns a skin package, the settings saying which forms and
// controls are skinned, and once loaded the colour scheme and element records (its
// TSkinElements base). It tells the skin manager about loads through the observer the
// manager installs (skin_data_observer.h). UI thread.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/core/properties.h"
#include "framework/core/strings.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/font.h"
#include "framework/graphics/image_list.h"
#include "skin/data/skin_elements.h"
#include "skin/data/skin_hint_window.h"

namespace quarnel {

enum TSkinControlType {
  xcMainMenu,
  xcPopupMenu,
  xcMenuItem,
  xcToolbar,
  xcControlbar,
  xcCombo,
  xcCheckBox,
  xcRadioButton,
  xcProgress,
  xcScrollbar,
  xcEdit,
  xcButton,
  xcBitBtn,
  xcSpeedButton,
  xcSpin,
  xcPanel,
  xcGroupBox,
  xcStatusBar,
  xcTab,
  xcTrackBar,
  xcSystemMenu,
  xcFastReport
};
enum TSkinOption {
  xoMDIScrollbar,
  xoMenuMerge,
  xoTransparent,
  xoPreview,
  xoParentBackGround,
  xoNoFocusRect,
  xoToolbarBK,
  xoToolbarButton,
  xoMDIChildBorder,
  xoMenuBG,
  xoCaptionButtonHint,
  xoFormScrollbar
};
enum TSkinFormType { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };

using TSkinControlSet = uint32_t;  // bit n: TSkinControlType n
using TSkinOptionSet = uint32_t;   // bit n: TSkinOption n
constexpr uint32_t Bit(int member) {
  return 1u << member;
}

constexpr TSkinControlSet kDefaultSkinControls = 0x1FFFFB;
constexpr TSkinOptionSet kDefaultSkinOptions = 0x448;
constexpr const char* kSkinLibraryVersion = "5.40.07.15";
constexpr int kCaptionHintMaxWidth = 500;

const TEnumInfo& SkinControlTypeEnum();
const TEnumInfo& SkinOptionEnum();
const TEnumInfo& SkinFormTypeEnum();
// The initial class-to-kind rows of Skin3rd.
const std::vector<std::string>& DefaultSkin3rdRows();

class TSkinData : public TComponent, public TSkinElements {
  FW_DECLARE_CLASS()
 public:
  using FormSkinEvent = std::function<void(TObject* sender, const std::string& name, bool& doSkin)>;
  using SkinControlEvent =
      std::function<void(TComponent* sender, TSkinData* skinData, TComponent* form, TComponent* control,
                         const std::string& controlClass, TComponent*& skinnedControl)>;
  using SkinFormEvent = std::function<void(TObject* sender, HWND window, const std::string& name)>;

  explicit TSkinData(TComponent* owner);
  ~TSkinData() override;

  // Published properties.
  bool Active() const { return active_; }
  void SetActive(bool active);
  int32_t DisableTag() const { return disableTag_; }
  void SetDisableTag(int32_t tag) { disableTag_ = tag; }
  TSkinControlSet SkinControls() const { return skinControls_; }
  void SetSkinControls(TSkinControlSet set) { skinControls_ = set; }
  TSkinOptionSet Options() const { return options_; }
  void SetOptions(TSkinOptionSet set) { options_ = set; }
  TStrings* Skin3rd() { return &skin3rd_; }
  const std::string& SkinFile() const { return skinFile_; }
  void SetSkinFile(const std::string& path);
  std::string SkinStore() const;
  void SetSkinStore(const std::string&) {}  // a status display only
  int SkinFormtype() const { return formType_; }
  void SetSkinFormtype(int type) { formType_ = type; }
  std::string Version() const { return kSkinLibraryVersion; }
  void SetVersion(const std::string&) {}  // always the library's own
  bool MenuUpdate() const { return menuUpdate_; }
  void SetMenuUpdate(bool on) { menuUpdate_ = on; }
  bool MenuMerge() const { return menuMerge_; }
  void SetMenuMerge(bool on) { menuMerge_ = on; }

  FormSkinEvent OnFormSkin;
  TNotifyEvent OnSkinChanged;
  SkinControlEvent OnSkinControl;
  SkinFormEvent OnBeforeSkinForm;
  SkinFormEvent OnAfterSkinForm;

  bool Empty() const { return notLoaded_; }  // no skin in force: not loaded or a failed load
  const std::vector<uint8_t>& PackedSkin() const { return packed_; }
  void SetPackedSkin(std::vector<uint8_t> packed) { packed_ = std::move(packed); }
  // Names the package whose records are in force (0: none): equal keys, records read from equal
  // bytes. What is derived from the records alone may be kept under it.
  uint64_t LoadedPackageKey() const { return loadedKey_; }

  // Where the notice about a package of an unknown version goes, process-wide; returns the
  // previous one. The default shows it in a message box.
  using Notifier = std::function<void(const std::string& message)>;
  static Notifier SetNotifier(Notifier notifier);
  // Tells the user through the installed notifier (a message box unless replaced).
  static void Notify(const std::string& message);

  bool LoadSkin();
  // `packed` becomes the package in force, its records read; one that does not load changes
  // nothing (the package and records in force stay). The caller applies it.
  bool LoadPackage(std::vector<uint8_t> packed);
  void ApplySkin();
  void Loaded() override;
  void FormSkinAllowed(HWND window, const std::string& className, bool& doSkin);
  void SkinChanged();
  void ShowCaptionHint(const RECT& where, const std::string& text);
  void HideCaptionHint();
  bool HintShowing() const { return hintShowing_; }
  // The system's fonts or metrics changed: what the skin data keeps of them is read again.
  void RenewSystemMetrics();
  HWND LastFormSkinWindow() const { return lastFormSkinWindow_; }

  bool ReadBinaryProperty(std::string_view name, const std::vector<uint8_t>& data) override;
  std::vector<std::pair<std::string, std::vector<uint8_t>>> BinaryProperties() const override;
  void BeforeDestruction() override;

  // The program's small icon on magenta (its transparent colour), as the skin's icon buttons
  // draw it; an icon button's picture stands in while the program has none.
  const TBitmap& AppIcon() const { return appIcon_; }
  void SetAppIconWhenEmpty(const TBitmap& icon);
  // The system's caption font, as the skin data last read it.
  const TFont& CaptionFont() const { return captionFont_; }
  // The window menu's glyphs (restore, maximise, minimise, close), which the menus it is shown
  // in draw from.
  TImageList& MenuGlyphs() { return menuGlyphs_; }
  // The caption buttons' hint (shown and hidden through ShowCaptionHint and HideCaptionHint).
  const TSkinHintWindow& HintWindow() const { return hintWindow_; }
  // Frame painting of the skinned windows; switched off for a moment while a menu changes.
  bool FramePainting() const { return framePainting_; }
  void SetFramePainting(bool on) { framePainting_ = on; }

 private:
  bool IsDesigning() const { return ComponentState() & csDesigning; }
  void BuildCaptionFont();
  void BuildAppIcon();
  void BuildMenuGlyphs();
  void Unregister();

  bool active_ = false;
  TBitmap appIcon_;
  TFont captionFont_;
  TImageList menuGlyphs_;
  TSkinHintWindow hintWindow_;
  bool framePainting_ = true;
  int32_t disableTag_ = 99;
  TSkinControlSet skinControls_ = kDefaultSkinControls;
  TSkinOptionSet options_ = kDefaultSkinOptions;
  TStringList skin3rd_;
  std::string skinFile_;
  int formType_ = sfMainform;
  bool menuUpdate_ = true;
  bool menuMerge_ = false;

  std::vector<uint8_t> packed_;  // the packed package, as stored or read from the skin file
  bool notLoaded_ = true;
  uint64_t loadedKey_ = 0;
  int loadedScrollArrow_ = 0;  // the scroll-arrow width the combo box face was composed for
  bool hintShowing_ = false;
  HWND lastFormSkinWindow_ = nullptr;
  bool unregistered_ = false;
};

}  // namespace quarnel
