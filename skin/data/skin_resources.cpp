// Bitmap resources of the program module. UI thread.
#include "skin/data/skin_resources.h"

#include <map>
#include <memory>
#include <string>

#include "framework/win/code_module.h"
#include "framework/win/handles.h"
#include "framework/win/shared_caches.h"

namespace quarnel {

namespace {

// Resources never change while the program runs: each is decoded once and copied from here.
struct CachedBitmap {
  TBitmap image;
  bool found = false;
};

std::map<std::string, std::unique_ptr<CachedBitmap>>& Cache() {
  static std::map<std::string, std::unique_ptr<CachedBitmap>> cache;
  return cache;
}

void EmptyCache() {
  Cache().clear();
}

CachedBitmap& Cached(const std::string& name) {
  [[maybe_unused]] static const bool emptiable = (fw::OnEmptySharedCaches(EmptyCache), true);
  std::unique_ptr<CachedBitmap>& slot = Cache()[name];
  if (!slot) {
    slot = std::make_unique<CachedBitmap>();
    fw::UniqueBitmap bitmap(
        static_cast<HBITMAP>(LoadImageA(fw::CodeModule(), name.c_str(), IMAGE_BITMAP, 0, 0, 0)));
    slot->found = bitmap && slot->image.AssignHandle(bitmap.get(), pf24bit);
  }
  return *slot;
}

}  // namespace

bool LoadResourceBitmap(const char* name, TBitmap& image) {
  CachedBitmap& cached = Cached(name);
  if (!cached.found) {
    image.SetSize(0, 0);
    return false;
  }
  image.Assign(cached.image);
  return true;
}

}  // namespace quarnel
