// Size check of density variants, with the frames the element cuts the base image into and the
// sizes the drawing helpers scale frames to. Pure code, any thread.
#include "tools/skinpack/skin_lint_density.h"

#include "framework/graphics/bmp_decode.h"
#include "skin/data/draw/density_scale.h"
#include "tools/skinpack/skin_lint_images.h"

namespace quarnel::skinpack {
namespace {

std::string SizeText(int width, int height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

std::string DensityName(int dpi) {
  return dpi % kSkinBaseDpi == 0 ? std::to_string(dpi / kSkinBaseDpi) + "x"
                                 : std::to_string(dpi / kSkinBaseDpi) + "." +
                                       std::to_string(dpi % kSkinBaseDpi * 10 / kSkinBaseDpi) + "x";
}

}  // namespace

std::optional<TLintFinding> LintDensityVariant(const TSkinFile& base, const TSkinFile& variant, int dpi,
                                               TImageUse drawnAs) {
  const fw::bmp::DecodedImage baseImage = fw::bmp::Decode(base.bytes.data(), base.bytes.size());
  const fw::bmp::DecodedImage variantImage = fw::bmp::Decode(variant.bytes.data(), variant.bytes.size());
  if (baseImage.empty() || variantImage.empty()) return std::nullopt;

  std::int32_t frames = 1;
  bool stacked = false;
  if (drawnAs.use && drawnAs.section) {
    frames = ImageFrameCount(*drawnAs.use, *drawnAs.section, baseImage);
    stacked = drawnAs.use->stacked;
  }
  const int length = stacked ? baseImage.height : baseImage.width;
  // Frames that do not divide the base image are reported at its key: judge the whole image.
  if (frames < 1 || length % frames != 0) frames = 1;
  const PixelSize expected = ScaledStripSize(baseImage.width, baseImage.height, frames, stacked, dpi);
  if (variantImage.width == expected.width && variantImage.height == expected.height) return std::nullopt;

  std::string framesText;
  if (frames > 1) {
    const int along = (stacked ? expected.height : expected.width) / frames;
    framesText = " (" + std::to_string(frames) + " frames of " +
                 (stacked ? SizeText(expected.width, along) : SizeText(along, expected.height)) + ")";
  }
  return TLintFinding{TLintSeverity::Warning,
                      variant.name,
                      {},
                      {},
                      0,
                      "the " + DensityName(dpi) + " variant of \"" + base.name + "\" (" +
                          SizeText(baseImage.width, baseImage.height) + ") should be " +
                          SizeText(expected.width, expected.height) + framesText + ", but \"" + variant.name +
                          "\" is " + SizeText(variantImage.width, variantImage.height)};
}

}  // namespace quarnel::skinpack
