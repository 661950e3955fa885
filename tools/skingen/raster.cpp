// Raster operations of the skin generator. Shapes are sampled 4 x 4 per pixel, which gives
// soft edges against the backdrop a bitmap is drawn for and hard magenta cuts elsewhere.
#include "tools/skingen/raster.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace quarnel::skingen {
namespace {

constexpr int kSamples = 4;

std::uint8_t Channel(double value) {
  return std::uint8_t(std::clamp(std::lround(value), 0L, 255L));
}

bool InRoundRect(double x, double y, double l, double t, double r, double b, double tl, double tr, double br,
                 double bl) {
  if (x < l || x >= r || y < t || y >= b) return false;
  auto outsideCorner = [&](double cx, double cy, double radius) {
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy > radius * radius;
  };
  if (x < l + tl && y < t + tl) return !outsideCorner(l + tl, t + tl, tl);
  if (x > r - tr && y < t + tr) return !outsideCorner(r - tr, t + tr, tr);
  if (x > r - br && y > b - br) return !outsideCorner(r - br, b - br, br);
  if (x < l + bl && y > b - bl) return !outsideCorner(l + bl, b - bl, bl);
  return true;
}

double SegmentDistance(double px, double py, std::pair<double, double> a, std::pair<double, double> b) {
  const double vx = b.first - a.first, vy = b.second - a.second;
  const double length2 = vx * vx + vy * vy;
  double t = length2 > 0 ? ((px - a.first) * vx + (py - a.second) * vy) / length2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  const double dx = px - (a.first + t * vx), dy = py - (a.second + t * vy);
  return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

TRgb Mix(TRgb a, TRgb b, double t) {
  return TRgb{Channel(a.r + (b.r - a.r) * t), Channel(a.g + (b.g - a.g) * t), Channel(a.b + (b.b - a.b) * t)};
}

TRgb Ramp(TRgb top, TRgb bottom, double y, double y0, double y1) {
  if (y1 <= y0) return top;
  return Mix(top, bottom, std::clamp((y - y0) / (y1 - y0), 0.0, 1.0));
}

TColourAt Solid(TRgb colour) {
  return [colour](int, int) { return colour; };
}

TColourAt VerticalRamp(TRgb top, TRgb bottom, int y0, int y1) {
  return [=](int, int y) { return Ramp(top, bottom, y, y0, y1); };
}

TColourAt HorizontalRamp(TRgb left, TRgb right, int x0, int x1) {
  return [=](int x, int) { return Ramp(left, right, x, x0, x1); };
}

TImage::TImage(int width, int height, TRgb fill, int scale) : width_(width), height_(height), scale_(scale) {
  if (width <= 0 || height <= 0) throw std::invalid_argument("empty image");
  if (scale <= 0) throw std::invalid_argument("no scale");
  pixels_.assign(std::size_t(PixelWidth()) * std::size_t(PixelHeight()), fill);
}

void TImage::Set(int x, int y, TRgb colour) {
  if (x >= 0 && y >= 0 && x < PixelWidth() && y < PixelHeight()) pixels_[Index(x, y)] = colour;
}

void TImage::Fill(const TColourAt& colour) {
  FillRect(0, 0, width_, height_, colour);
}

void TImage::FillRect(int left, int top, int right, int bottom, const TColourAt& colour) {
  const int s = scale_;
  for (int y = std::max(top, 0) * s; y < std::min(bottom, height_) * s; ++y) {
    for (int x = std::max(left, 0) * s; x < std::min(right, width_) * s; ++x)
      pixels_[Index(x, y)] = colour(x / s, y / s);
  }
}

// Samples are spread over the pixel, in design pixels.
double TImage::Coverage(const TInside& shape, int x, int y) const {
  int hits = 0;
  for (int sy = 0; sy < kSamples; ++sy) {
    for (int sx = 0; sx < kSamples; ++sx) {
      if (shape((x + (sx + 0.5) / kSamples) / scale_, (y + (sy + 0.5) / kSamples) / scale_)) ++hits;
    }
  }
  return double(hits) / (kSamples * kSamples);
}

void TImage::Paint(const TInside& shape, const TColourAt& colour, double opacity) {
  for (int y = 0; y < PixelHeight(); ++y) {
    for (int x = 0; x < PixelWidth(); ++x) {
      const double cover = Coverage(shape, x, y) * opacity;
      if (cover > 0) pixels_[Index(x, y)] = Mix(pixels_[Index(x, y)], colour(x / scale_, y / scale_), cover);
    }
  }
}

void TImage::CutOutside(const TInside& shape) {
  for (int y = 0; y < PixelHeight(); ++y) {
    for (int x = 0; x < PixelWidth(); ++x) {
      if (Coverage(shape, x, y) < 0.25) pixels_[Index(x, y)] = kMagenta;
    }
  }
}

void TImage::Blit(const TImage& source, int x, int y) {
  if (source.scale_ != scale_) throw std::invalid_argument("images of different scales");
  for (int sy = 0; sy < source.PixelHeight(); ++sy) {
    for (int sx = 0; sx < source.PixelWidth(); ++sx) Set(x * scale_ + sx, y * scale_ + sy, source.At(sx, sy));
  }
}

TImage TImage::Crop(int left, int top, int width, int height) const {
  TImage result(width, height, kMagenta, scale_);
  for (int y = 0; y < result.PixelHeight(); ++y) {
    for (int x = 0; x < result.PixelWidth(); ++x) result.Set(x, y, At(left * scale_ + x, top * scale_ + y));
  }
  return result;
}

TImage TImage::MirroredX() const {
  TImage result(width_, height_, kMagenta, scale_);
  for (int y = 0; y < PixelHeight(); ++y) {
    for (int x = 0; x < PixelWidth(); ++x) result.Set(PixelWidth() - 1 - x, y, At(x, y));
  }
  return result;
}

TImage TImage::Transposed() const {
  TImage result(height_, width_, kMagenta, scale_);
  for (int y = 0; y < PixelHeight(); ++y) {
    for (int x = 0; x < PixelWidth(); ++x) result.Set(y, x, At(x, y));
  }
  return result;
}

TInside RoundRect(double left, double top, double right, double bottom, double radius) {
  return RoundRectCorners(left, top, right, bottom, radius, radius, radius, radius);
}

TInside RoundRectCorners(double left, double top, double right, double bottom, double topLeft,
                         double topRight, double bottomRight, double bottomLeft) {
  return [=](double x, double y) {
    return InRoundRect(x, y, left, top, right, bottom, topLeft, topRight, bottomRight, bottomLeft);
  };
}

TInside RoundRectRing(double left, double top, double right, double bottom, double radius, double width) {
  const double inner = std::max(radius - width, 0.0);
  return [=](double x, double y) {
    return InRoundRect(x, y, left, top, right, bottom, radius, radius, radius, radius) &&
           !InRoundRect(x, y, left + width, top + width, right - width, bottom - width, inner, inner, inner,
                        inner);
  };
}

TInside Circle(double cx, double cy, double radius) {
  return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius; };
}

TInside Polygon(std::vector<std::pair<double, double>> points) {
  return [points = std::move(points)](double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      const auto [xi, yi] = points[i];
      const auto [xj, yj] = points[j];
      if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside;
  };
}

TInside Stroke(std::vector<std::pair<double, double>> points, double width) {
  return [points = std::move(points), half = width / 2](double x, double y) {
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
      if (SegmentDistance(x, y, points[i], points[i + 1]) <= half) return true;
    }
    return false;
  };
}

TInside Offset(TInside shape, double dx, double dy) {
  return [shape = std::move(shape), dx, dy](double x, double y) { return shape(x - dx, y - dy); };
}

TImage Row(const std::vector<TImage>& frames) {
  int width = 0;
  for (const TImage& frame : frames) {
    if (frame.Height() != frames.front().Height()) throw std::invalid_argument("frame heights differ");
    width += frame.Width();
  }
  TImage strip(width, frames.front().Height(), kMagenta, frames.front().Scale());
  int x = 0;
  for (const TImage& frame : frames) {
    strip.Blit(frame, x, 0);
    x += frame.Width();
  }
  return strip;
}

TImage Column(const std::vector<TImage>& frames) {
  int height = 0;
  for (const TImage& frame : frames) {
    if (frame.Width() != frames.front().Width()) throw std::invalid_argument("frame widths differ");
    height += frame.Height();
  }
  TImage strip(frames.front().Width(), height, kMagenta, frames.front().Scale());
  int y = 0;
  for (const TImage& frame : frames) {
    strip.Blit(frame, 0, y);
    y += frame.Height();
  }
  return strip;
}

std::vector<std::uint8_t> EncodeBmp(const TImage& image) {
  const int width = image.PixelWidth(), height = image.PixelHeight();
  const std::uint32_t rowBytes = (std::uint32_t(width) * 3 + 3) / 4 * 4;
  const std::uint32_t pixelBytes = rowBytes * std::uint32_t(height);
  const std::uint32_t headerBytes = 14 + 40;
  std::vector<std::uint8_t> out;
  out.reserve(headerBytes + pixelBytes);
  auto put = [&](std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) out.push_back(std::uint8_t(value >> (8 * i)));
  };
  out.push_back('B');
  out.push_back('M');
  put(headerBytes + pixelBytes, 4);
  put(0, 4);
  put(headerBytes, 4);
  put(40, 4);
  put(std::uint32_t(width), 4);
  put(std::uint32_t(height), 4);
  put(1, 2);
  put(24, 2);
  put(0, 4);  // uncompressed
  put(pixelBytes, 4);
  put(2835, 4);  // 72 dots per inch
  put(2835, 4);
  put(0, 4);
  put(0, 4);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const TRgb pixel = image.At(x, y);
      out.push_back(pixel.b);
      out.push_back(pixel.g);
      out.push_back(pixel.r);
    }
    for (std::uint32_t pad = std::uint32_t(width) * 3; pad < rowBytes; ++pad) out.push_back(0);
  }
  return out;
}

}  // namespace quarnel::skingen
