// Caption buttons of a skin: the "BUTTON..." sections that are not push, check or radio
// buttons, their coordinates and frame counts, and the three MDI child buttons. UI thread.
#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>
#include <tuple>

#include "skin/data/format/skin_values.h"
#include "skin/data/skin_element_loader.h"

namespace quarnel::detail {

namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

bool IsCaptionButtonSection(const TSkinDefinition& text, const std::string& upper) {
  if (upper == "BUTTONS" || upper == "BUTTON.RADIO" || upper == "BUTTON.CHECKBOX" || upper == "BUTTON")
    return false;
  if (upper.rfind("BUTTON", 0) != 0) return false;
  // A hidden placeholder: no action and no explicit visibility.
  return !(text.ReadInteger(upper, "Action", 0) == -1 && text.ReadInteger(upper, "Visibility", -1) != 0);
}

constexpr int kMdiButtonCount = 3;

void AddMdiButtons(TSkinElements& e, const TSkinReader& package, const TSkinDefinition& text) {
  const std::string stripName = text.ReadString("MDICONTROLS", "Image");
  TBitmap strip;
  if (!stripName.empty()) LoadPackageImage(package, stripName, strip);
  const int w = strip.Width() / 12;
  for (int i = 0; i < kMdiButtonCount; ++i) {
    auto b = std::make_unique<TDataSkinSysButton>("MDICONTROLS", e.Colors[scButtonText]);
    b->Action = 7 + i;
    b->Align = b->Visibility = b->Visibility1 = 100;
    b->FrameCount = 4;
    // A named strip places the buttons even when its image could not be read (w is then 0).
    if (!stripName.empty()) b->XCoord = (w + 4) * (kMdiButtonCount - i);
    if (w > 0) {
      // Four frames of width w per button, side by side in the strip; copied row by row, which
      // spares a device context per button.
      b->Image.SetPixelFormat(strip.PixelFormat());
      b->Image.SetSize(4 * w, strip.Height());
      const size_t rowBytes = static_cast<size_t>(4 * w) * strip.BytesPerPixel();
      const size_t offset = static_cast<size_t>(4 * w * i) * strip.BytesPerPixel();
      for (int y = 0; y < strip.Height(); ++y)
        std::memcpy(b->Image.ScanLine(y), strip.ScanLine(y) + offset, rowBytes);
    }
    e.SysButtons.push_back(std::move(b));
  }
}

}  // namespace

void LoadCaptionButtons(TSkinElements& e, const TSkinReader& package, const TSkinDefinition& text) {
  e.SysButtons.clear();
  std::vector<std::string> sections;
  for (const std::string& name : text.Sections()) {
    const std::string upper = Upper(name);
    if (IsCaptionButtonSection(text, upper)) sections.push_back(upper);
  }
  std::optional<std::pair<int32_t, int32_t>> remembered;
  for (const std::string& s : sections) {
    auto b = std::make_unique<TDataSkinSysButton>(s, e.Colors[scButtonText]);
    b->Action = text.ReadInteger(s, "Action", 0);
    b->Align = text.ReadInteger(s, "Align", 0);
    b->XCoord = text.ReadInteger(s, "Xcoord", 0);
    b->YCoord = text.ReadInteger(s, "Ycoord", 0);
    b->Visibility = text.ReadInteger(s, "Visibility", 0);
    b->Visibility1 = text.ReadInteger(s, "Visibility1", b->Action == -1 ? -1 : 0);
    if (b->Action == 1 && b->Visibility == 2) remembered = {b->XCoord, b->YCoord};
    // Without an earlier such button the point of an action-4 button stays its own.
    if (b->Action == 4 && remembered) std::tie(b->XCoord, b->YCoord) = *remembered;
    b->CombineOp = text.ReadInteger(s, "CombineOp", -1);
    b->FrameCount = text.ReadInteger(s, "frame", 0);
    LoadPackageImage(package, text.ReadString(s, "ButtonImage"), b->Image);
    if (b->FrameCount == 0) {
      b->FrameCount = CaptionButtonFrameCount(b->Image.Width(), b->Image.Height(), b->Action);
      if (b->Action == 3 || b->Action == 11) b->Image.SetSize(0, 0);
    }
    e.SysButtons.push_back(std::move(b));
  }
  AddMdiButtons(e, package, text);
}

}  // namespace quarnel::detail
