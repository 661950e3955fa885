// Image checks of the linter, on the pixels the framework's BMP decoder gives. Pure code, any
// thread.
#include "tools/skinpack/skin_lint_images.h"

#include <string>

#include "framework/graphics/bmp_decode.h"
#include "skin/data/format/skin_values.h"

namespace quarnel::skinpack {
namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;  // the transparent colour, as B G R X bytes read

bool HasMagenta(const fw::bmp::DecodedImage& image) {
  for (std::uint32_t pixel : image.pixels)
    if ((pixel & 0xFFFFFF) == kMagenta) return true;
  return false;
}

// The frame count the engine gives the image, with the key it comes from (empty: fixed).
struct TFrames {
  std::int32_t count;
  std::string from;
};

TFrames FrameCount(const TSkinImage& use, const TScannedSection& section,
                   const fw::bmp::DecodedImage& image) {
  const std::int32_t given = use.frameKey ? ReadScannedInteger(section, use.frameKey, 0) : 0;
  const std::string from = given != 0 ? use.frameKey : "";
  switch (use.rule) {
    case TFrameRule::Fixed:
      return {use.frames, {}};
    case TFrameRule::FromKey:
      return {given != 0 ? given : use.frames, from};
    case TFrameRule::ProgressStyle:
      return {ReadScannedInteger(section, "Style", 0) != 0 ? 1 : 2, "Style"};
    case TFrameRule::GlyphStrip:
      return {given != 0 ? given : GlyphStripFrameCount(image.width, image.height), from};
    case TFrameRule::CaptionShape:
      return {given != 0 ? given
                         : CaptionButtonFrameCount(image.width, image.height,
                                                   ReadScannedInteger(section, "Action", 0)),
              from};
  }
  return {1, {}};
}

class TImageLint {
 public:
  TImageLint(const TSkinImage& use, const TScannedSection& section, const TScannedKey& key,
             const fw::bmp::DecodedImage& image)
      : use_(use), section_(section), key_(key), image_(image) {}

  std::vector<TLintFinding> Run() {
    if (image_.source_bits != 24)
      Add(TLintSeverity::Warning, key_,
          Name() + " has " + std::to_string(image_.source_bits) +
              " bits per pixel; skin images are 24-bit, the depth the engine draws elements in");
    const TFrames frames = FrameCount(use_, section_, image_);
    if (frames.count < 1) return std::move(findings_);  // the value check reports the key
    CheckFrames(frames);
    CheckUnusedFrameKey();
    CheckMargins(frames.count);
    CheckTransparency();
    return std::move(findings_);
  }

 private:
  std::string Name() const { return "\"" + key_.value + "\""; }

  void Add(TLintSeverity severity, const TScannedKey& at, std::string message) {
    findings_.push_back({severity, {}, section_.name, at.name, at.line, std::move(message)});
  }

  void CheckFrames(const TFrames& frames) {
    const int length = use_.stacked ? image_.height : image_.width;
    if (length % frames.count == 0) return;
    const std::string why = frames.from.empty() ? "" : " (" + frames.from + ")";
    Add(TLintSeverity::Error, key_,
        Name() + " is " + std::to_string(length) + " pixels " + (use_.stacked ? "high" : "wide") +
            ", which is not a whole multiple of its " + std::to_string(frames.count) + " frames" + why +
            (use_.stacked ? " stacked top to bottom" : " side by side"));
  }

  // An element whose frame count is fixed reads its "Frame" key and then sets its own count.
  void CheckUnusedFrameKey() {
    if (use_.rule != TFrameRule::Fixed || !SameSkinName(use_.key, "Image")) return;
    const TScannedKey* frame = FirstKey(section_, "Frame");
    const std::int32_t given = ReadScannedInteger(section_, "Frame", 0);
    if (!frame || given == 0 || given == use_.frames) return;
    Add(TLintSeverity::Warning, *frame,
        "the engine always cuts [" + section_.name + "] Image into " + std::to_string(use_.frames) +
            " frames; Frame=" + frame->value + " is not used");
  }

  // One pair of opposite margins against the frame's length across them.
  void CheckMarginPair(TMarginSide first, TMarginSide second, int frameLength, const char* across) {
    const char* firstKey = use_.margins[first];
    const char* secondKey = use_.margins[second];
    const std::int32_t a = firstKey ? ReadScannedInteger(section_, firstKey, 0) : 0;
    const std::int32_t b = secondKey ? ReadScannedInteger(section_, secondKey, 0) : 0;
    if (std::int64_t{a} + b <= frameLength) return;
    // Reported at the larger of the two, which is there: a margin not given is 0.
    const TScannedKey* firstAt = firstKey ? FirstKey(section_, firstKey) : nullptr;
    const TScannedKey* secondAt = secondKey ? FirstKey(section_, secondKey) : nullptr;
    const TScannedKey* at = !firstAt || (secondAt && b > a) ? secondAt : firstAt;
    std::string sum;
    if (firstKey) sum += std::string(firstKey) + " " + std::to_string(a);
    if (firstKey && secondKey) sum += " + ";
    if (secondKey) sum += std::string(secondKey) + " " + std::to_string(b);
    Add(TLintSeverity::Error, *at,
        "the cut margins " + sum + " are larger than a frame of " + Name() + " (" +
            std::to_string(frameLength) + " pixels " + across + ")");
  }

  void CheckMargins(std::int32_t frames) {
    const int frameWidth = use_.stacked ? image_.width : image_.width / frames;
    const int frameHeight = use_.stacked ? image_.height / frames : image_.height;
    CheckMarginPair(kMarginLeft, kMarginRight, frameWidth, "wide");
    CheckMarginPair(kMarginTop, kMarginBottom, frameHeight, "high");
  }

  void CheckTransparency() {
    if (!use_.transKey || ReadScannedInteger(section_, use_.transKey, use_.transDefault) == 0) return;
    if (HasMagenta(image_)) return;
    const TScannedKey* trans = FirstKey(section_, use_.transKey);
    Add(TLintSeverity::Warning, key_,
        Name() + " is drawn transparent (" + use_.transKey + (trans ? "=" + trans->value : " not given: 1") +
            ") but has no magenta (255 0 255) pixel to show through");
  }

  const TSkinImage& use_;
  const TScannedSection& section_;
  const TScannedKey& key_;
  const fw::bmp::DecodedImage& image_;
  std::vector<TLintFinding> findings_;
};

}  // namespace

std::int32_t ImageFrameCount(const TSkinImage& use, const TScannedSection& section,
                             const fw::bmp::DecodedImage& image) {
  return FrameCount(use, section, image).count;
}

std::vector<TLintFinding> LintImage(const TSkinImage& use, const TScannedSection& section,
                                    const TScannedKey& key, std::span<const std::uint8_t> bytes) {
  const fw::bmp::DecodedImage image = fw::bmp::Decode(bytes.data(), bytes.size());
  if (image.empty()) return {};
  return TImageLint(use, section, key, image).Run();
}

}  // namespace quarnel::skinpack
