// Bitmap resources of the program module. UI thread.
#include "skin/data/skin_resources.h"

#include "framework/win/handles.h"

namespace quarnel {

bool LoadResourceBitmap(const char* name, TBitmap& image) {
  fw::UniqueBitmap bitmap(static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_BITMAP, 0, 0, 0)));
  if (!bitmap) {
    image.SetSize(0, 0);
    return false;
  }
  return image.AssignHandle(bitmap.get(), pf24bit);
}

}  // namespace quarnel
