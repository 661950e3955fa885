// TSkinData loading and activation: LoadSkin, ApplySkin, the end of reading (Loaded), Active
// and SkinFile assignment, and the caption font and application icon they build. UI thread.
#include <cstdint>
#include <utility>
#include <vector>

#include "framework/core/text.h"
#include "framework/ui/application.h"
#include "framework/win/handles.h"
#include "skin/data/draw/optional_user_api.h"
#include "skin/data/format/unpacked_packages.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_data_observer.h"
#include "skin/data/skin_element_loader.h"
#include "skin/data/whole_file.h"

namespace quarnel {

namespace {
// FNV-1a over the bytes and their count; never 0, which stands for no package.
uint64_t PackageKey(const std::vector<uint8_t>& bytes) {
  uint64_t hash = 0xcbf29ce484222325ull ^ bytes.size();
  for (const uint8_t b : bytes) hash = (hash ^ b) * 0x100000001b3ull;
  return hash ? hash : 1;
}

// Switching back and forth between skins finds the package it left a moment ago already unpacked.
TUnpackedPackages& RecentPackages() {
  static TUnpackedPackages recent;
  return recent;
}

// Captioned with the program's name: a box titled "Error" does not say whose it is.
void ShowNotice(const std::string& message) {
  const std::string title = Application() ? Application()->Title() : std::string();
  MessageBoxW(nullptr, fw::ToWide(message).c_str(), fw::ToWide(title).c_str(), MB_OK | MB_ICONWARNING);
}

TSkinData::Notifier& CurrentNotifier() {
  static TSkinData::Notifier notifier = ShowNotice;
  return notifier;
}
}  // namespace

TSkinData::Notifier TSkinData::SetNotifier(Notifier notifier) {
  return std::exchange(CurrentNotifier(), std::move(notifier));
}

void TSkinData::Notify(const std::string& message) {
  if (CurrentNotifier()) CurrentNotifier()(message);
}

bool TSkinData::LoadSkin() {
  notLoaded_ = true;
  if (IsDesigning()) return false;
  TSkinReader reader;
  if (!reader.LoadUnpacked(RecentPackages().Unpack(packed_))) {  // the previous records stay in force
    if (reader.Result() == TSkinReader::TResult::UnknownVersion) Notify(TSkinReader::kOlderSkinMessage);
    return false;
  }
  TSkinReader::Bytes entry;
  std::string entryName;
  TSkinDefinition text;
  // Without a definition entry every element takes its defaults.
  if (reader.ExtractByExtension(".ini", entry, entryName))
    text.LoadFromText(std::string_view(reinterpret_cast<const char*>(entry.data()), entry.size()));
  loadedScrollArrow_ = GetSystemMetrics(SM_CXHSCROLL);
  LoadSkinElements(*this, reader, text);
  notLoaded_ = false;
  loadedKey_ = PackageKey(packed_);
  return true;
}

bool TSkinData::LoadPackage(std::vector<uint8_t> packed) {
  std::vector<uint8_t> previous = std::exchange(packed_, std::move(packed));
  if (LoadSkin()) return true;
  packed_ = std::move(previous);  // the records in force were left as they were
  LoadSkin();
  return false;
}

void TSkinData::ApplySkin() {
  if (IsDesigning() || IsLoading()) return;
  if (TSkinDataObserver* observer = SkinDataObserver()) observer->SkinApplied(*this);
}

void TSkinData::Loaded() {
  TComponent::Loaded();
  if (IsDesigning()) return;
  if (!OptionalUserApi().GetScrollBarInfo) skinControls_ &= ~Bit(xcScrollbar);
  TSkinDataObserver* observer = SkinDataObserver();
  if (observer) observer->SkinDataLoaded(*this);
  unregistered_ = false;
  BuildCaptionFont();
  if (formType_ != sfMainform) return;
  if (active_) {
    if (notLoaded_)
      active_ = false;
    else if (observer)
      observer->SkinActionRequested(*this, saSkinOn);
  }
  if (skinControls_ & Bit(xcMainMenu))
    skinControls_ &= ~Bit(xcMenuItem);
  else
    skinControls_ &= ~Bit(xcSystemMenu);
  BuildAppIcon();
}

void TSkinData::SetActive(bool active) {
  active_ = active;
  if (IsDesigning() || IsLoading()) return;
  if (TSkinDataObserver* observer = SkinDataObserver()) observer->ActiveChanged(*this, active);
}

void TSkinData::SetSkinFile(const std::string& path) {
  const bool wasNotLoaded = notLoaded_;
  notLoaded_ = true;
  skinFile_ = path;
  if (IsDesigning()) {
    if (!path.empty()) packed_.clear();
    return;
  }
  std::vector<uint8_t> bytes;
  if (path.empty() || !ReadWholeFile(path, bytes)) {
    // A missing file keeps the skin in force, so the manager may still use it for new windows.
    notLoaded_ = wasNotLoaded;
    return;
  }
  std::vector<uint8_t> previous = std::move(packed_);
  packed_ = std::move(bytes);
  if (!LoadSkin()) {
    // Not a package we can read: the skin in force stays, with the package it came from.
    packed_ = std::move(previous);
    notLoaded_ = wasNotLoaded;
    return;
  }
  ApplySkin();
}

void TSkinData::RenewSystemMetrics() {
  BuildCaptionFont();
  hintWindow_.RenewFont();
  // Parts made at load from the system's sizes are made again: the combo box face is composed
  // round a button as wide as a scroll arrow, the program's icon drawn at the small-icon size.
  if (!notLoaded_ && loadedScrollArrow_ != GetSystemMetrics(SM_CXHSCROLL) && LoadSkin()) ApplySkin();
  if (!appIcon_.Empty() && appIcon_.Width() != GetSystemMetrics(SM_CXSMICON)) BuildAppIcon();
}

void TSkinData::BuildCaptionFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return;
  const LOGFONTA& lf = metrics.lfCaptionFont;
  captionFont_.SetName(lf.lfFaceName);
  captionFont_.SetHeight(lf.lfHeight);
  captionFont_.SetCharset(lf.lfCharSet);
  TFontStyles style = 0;
  if (lf.lfWeight >= FW_BOLD) style |= 1u << fsBold;
  if (lf.lfItalic) style |= 1u << fsItalic;
  if (lf.lfUnderline) style |= 1u << fsUnderline;
  if (lf.lfStrikeOut) style |= 1u << fsStrikeOut;
  captionFont_.SetStyle(style);
}

void TSkinData::BuildAppIcon() {
  const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
  appIcon_.SetPixelFormat(pf24bit);
  appIcon_.SetSize(cx, cy);
  fw::UniqueBrush magenta(CreateSolidBrush(0xFF00FF));
  RECT all{0, 0, cx, cy};
  FillRect(appIcon_.DC(), &all, magenta.get());
  HWND appWindow = Application() ? Application()->Handle() : nullptr;
  HICON icon = nullptr;
  if (appWindow) {
    icon = reinterpret_cast<HICON>(SendMessageA(appWindow, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(appWindow, WM_GETICON, ICON_BIG, 0));
  }
  if (icon) DrawIconEx(appIcon_.DC(), 0, 0, icon, cx, cy, 0, nullptr, DI_NORMAL);
  appIcon_.SetTransparentColor(0xFF00FF);
  appIcon_.SetTransparentMode(tmFixed);
  appIcon_.SetTransparent(true);
}

}  // namespace quarnel
