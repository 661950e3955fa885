// `TImageList`: a numbered set of images of one size, kept side by side in one bitmap, each
// drawn at its own size, optionally without a mask colour. User-interface thread.
#pragma once
#include <vector>

#include "framework/graphics/bitmap.h"

class TImageList : public TPersistent {
  FW_DECLARE_CLASS()
 public:
  TImageList(int width = 16, int height = 16);
  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return count_; }
  // Clears the list when the size changes.
  void SetSize(int width, int height);

  // Adds every image-sized cell of `image` (left to right); returns the index of the first one,
  // or -1 when the image is narrower or lower than one cell.
  int Add(TBitmap& image);
  // As Add; pixels of `maskColor` in the added images are not drawn.
  int AddMasked(TBitmap& image, TColor maskColor);
  void Clear();
  void Draw(TCanvas& canvas, int x, int y, int index);
  TBitmap& Strip() { return strip_; }  // all images side by side

 private:
  int Append(TBitmap& image, bool masked, TColor maskColor);
  int width_, height_;
  int count_ = 0;
  TBitmap strip_;
  std::vector<bool> masked_;
  std::vector<COLORREF> maskColor_;
};
