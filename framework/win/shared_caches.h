// Process-wide caches that hold GDI objects (pooled sections, decoded resources, the last brush
// or font made, per-thread scratch surfaces) say here how they are emptied, so that code that
// stops using them all (a host program's skinning ending while it goes on running) can leave no
// object behind. Registration and emptying: UI thread; scratch objects: the thread using them.
#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

namespace fw {

// Registers how one cache is emptied; each cache registers once.
void OnEmptySharedCaches(std::function<void()> empty);
// Empties every registered cache; each fills again on its next use.
void EmptySharedCaches();

// A thread's way to its scratch object: trivially destructible, as every thread-local datum of
// code that may live in a DLL must be (anything else keeps the DLL from unloading).
template <class T>
struct ScratchSlot {
  T* object = nullptr;
  unsigned generation = 0;
};

// Scratch objects kept per thread (a reused bitmap, a mask surface), owned here rather than by
// the threads, and emptied with the other shared caches. Made as a function's static.
template <class T>
class ThreadScratch {
 public:
  ThreadScratch() {
    OnEmptySharedCaches([this] {
      std::lock_guard guard(lock_);
      objects_.clear();
      ++generation_;
    });
  }
  // The calling thread's object, through its own thread-local `slot`.
  T& Get(ScratchSlot<T>& slot) {
    if (slot.object && slot.generation == generation_.load(std::memory_order_acquire)) return *slot.object;
    std::lock_guard guard(lock_);
    std::unique_ptr<T>& held = objects_[GetCurrentThreadId()];
    if (!held) held = std::make_unique<T>();
    slot = {held.get(), generation_.load(std::memory_order_relaxed)};
    return *held;
  }

 private:
  std::mutex lock_;
  std::map<DWORD, std::unique_ptr<T>> objects_;
  std::atomic<unsigned> generation_{1};
};

}  // namespace fw
