// Small 24-bit raster used to draw the skin bitmaps: RGB pixels, anti-aliased shapes blended
// over a known backdrop, frame strips, and the BMP file encoding. An image is drawn on a design
// grid (the 96-DPI pixels) at a whole scale, so that a 2x image is drawn, not enlarged. Pure
// code, deterministic.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace quarnel::skingen {

struct TRgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const TRgb&) const = default;
};

inline constexpr TRgb kMagenta{255, 0, 255};

constexpr TRgb Hex(std::uint32_t rgb) {
  return TRgb{std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb)};
}

// Linear mix: t = 0 gives `a`, t = 1 gives `b`.
TRgb Mix(TRgb a, TRgb b, double t);
// Colour of a vertical gradient from `top` at y0 to `bottom` at y1 (both inclusive).
TRgb Ramp(TRgb top, TRgb bottom, double y, double y0, double y1);

using TColourAt = std::function<TRgb(int x, int y)>;
using TInside = std::function<bool(double x, double y)>;

TColourAt Solid(TRgb colour);
TColourAt VerticalRamp(TRgb top, TRgb bottom, int y0, int y1);
TColourAt HorizontalRamp(TRgb left, TRgb right, int x0, int x1);

// Sizes, rectangles, shapes and the positions colours are asked for are in design pixels; an
// image of `scale` has `scale` x `scale` pixels for each of them. At and Set address the image's
// own pixels. Images combined (Blit, Row, Column) must have the same scale.
class TImage {
 public:
  TImage() = default;
  TImage(int width, int height, TRgb fill = kMagenta, int scale = 1);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Scale() const { return scale_; }
  int PixelWidth() const { return width_ * scale_; }
  int PixelHeight() const { return height_ * scale_; }
  TRgb At(int x, int y) const { return pixels_[Index(x, y)]; }
  void Set(int x, int y, TRgb colour);

  void Fill(const TColourAt& colour);
  // Colours are asked for at the design pixel a pixel lies in.
  void FillRect(int left, int top, int right, int bottom, const TColourAt& colour);
  // Blends `colour` over the pixels in proportion to how much of each the shape covers
  // (4 x 4 samples per pixel); `opacity` scales the whole shape.
  void Paint(const TInside& shape, const TColourAt& colour, double opacity = 1.0);
  // Pixels that `shape` covers less than a quarter become magenta (transparent).
  void CutOutside(const TInside& shape);
  void Blit(const TImage& source, int x, int y);
  TImage Crop(int left, int top, int width, int height) const;
  TImage MirroredX() const;
  TImage Transposed() const;

 private:
  int Index(int x, int y) const { return y * PixelWidth() + x; }
  double Coverage(const TInside& shape, int x, int y) const;

  int width_ = 0;
  int height_ = 0;
  int scale_ = 1;
  std::vector<TRgb> pixels_;
};

// Shapes in pixel coordinates: pixel (x, y) spans [x, x + 1) x [y, y + 1).
TInside RoundRect(double left, double top, double right, double bottom, double radius);
TInside RoundRectCorners(double left, double top, double right, double bottom, double topLeft,
                         double topRight, double bottomRight, double bottomLeft);
// The ring between a rounded rectangle and the same one shrunk by `width`.
TInside RoundRectRing(double left, double top, double right, double bottom, double radius, double width);
TInside Circle(double cx, double cy, double radius);
TInside Polygon(std::vector<std::pair<double, double>> points);
TInside Stroke(std::vector<std::pair<double, double>> points, double width);
TInside Offset(TInside shape, double dx, double dy);

// Frames side by side (all the same height) or stacked (all the same width).
TImage Row(const std::vector<TImage>& frames);
TImage Column(const std::vector<TImage>& frames);

// A Windows bitmap file of the image's pixels: 24 bits per pixel, bottom-up rows padded to four
// bytes.
std::vector<std::uint8_t> EncodeBmp(const TImage& image);

}  // namespace quarnel::skingen
