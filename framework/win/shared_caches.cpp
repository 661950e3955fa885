// The list of process-wide caches and their emptying. UI thread.
#include "framework/win/shared_caches.h"

#include <utility>
#include <vector>

#include "framework/graphics/dib_pool.h"
#include "framework/graphics/scratch_bitmap.h"

namespace fw {

namespace {
std::vector<std::function<void()>>& Emptiers() {
  static std::vector<std::function<void()>> list;
  return list;
}
}  // namespace

void OnEmptySharedCaches(std::function<void()> empty) {
  Emptiers().push_back(std::move(empty));
}

void EmptySharedCaches() {
  for (const auto& empty : Emptiers()) empty();
  // The framework's own pools last, in this order: scratch bitmaps give their sections to the
  // section pool.
  ScratchBitmap::Empty();
  DibPool::Empty();
}

}  // namespace fw
