// Image list storage in one strip bitmap and drawing of single images. User-interface thread.
#include "framework/graphics/image_list.h"

#include <algorithm>

const TClassInfo& TImageList::StaticClass() {
  static const TClassInfo info = TClassBuilder<TImageList>("TImageList", &TPersistent::StaticClass()).Build();
  return info;
}

TImageList::TImageList(int width, int height) : width_(std::max(width, 1)), height_(std::max(height, 1)) {}

void TImageList::SetSize(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  Clear();
}

void TImageList::Clear() {
  strip_.SetSize(0, 0);
  count_ = 0;
  masked_.clear();
  maskColor_.clear();
}

int TImageList::Add(TBitmap& image) {
  return Append(image, false, clNone);
}

int TImageList::AddMasked(TBitmap& image, TColor maskColor) {
  return Append(image, true, maskColor);
}

int TImageList::Append(TBitmap& image, bool masked, TColor maskColor) {
  const int cells = image.Width() / width_;
  if (cells <= 0 || image.Height() < height_) return -1;
  const int first = count_;
  strip_.SetSize((count_ + cells) * width_, height_);
  HDC dest = strip_.DC();
  BitBlt(dest, count_ * width_, 0, cells * width_, height_, image.DC(), 0, 0, SRCCOPY);
  count_ += cells;
  masked_.resize(count_, masked);
  maskColor_.resize(count_, masked ? ColorToRGB(maskColor) : 0);
  return first;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index) {
  if (index < 0 || index >= count_) return;
  HDC dest = canvas.Handle();
  HDC src = strip_.DC();
  if (masked_[index]) {
    TransparentBlt(dest, x, y, width_, height_, src, index * width_, 0, width_, height_, maskColor_[index]);
  } else {
    BitBlt(dest, x, y, width_, height_, src, index * width_, 0, SRCCOPY);
  }
}
