// Socket sets of at most 64 handles. Used by one thread at a time.
#include "net/id_socket_list.h"

#include "net/id_exceptions.h"

namespace {
constexpr char kSetSizeExceeded[] = "Set Size Exceeded.";

TIdSocketListFactory& SocketListClass() {
  static TIdSocketListFactory factory = [] { return std::make_unique<TIdSocketListWindows>(); };
  return factory;
}
}  // namespace

void TIdSocketList::Clear() {
  while (Count() > 0) Remove(Item(Count() - 1));
}

SOCKET TIdSocketListWindows::Item(int index) const {
  if (index < 0 || index >= count_) throw EIdStackSetSizeExceeded(kSetSizeExceeded);
  return handles_[static_cast<size_t>(index)];
}

void TIdSocketListWindows::Add(SOCKET handle) {
  if (count_ >= kCapacity) throw EIdStackSetSizeExceeded(kSetSizeExceeded);
  handles_[static_cast<size_t>(count_++)] = handle;
}

void TIdSocketListWindows::Remove(SOCKET handle) {
  for (int i = 0; i < count_; ++i) {
    if (handles_[static_cast<size_t>(i)] != handle) continue;
    handles_[static_cast<size_t>(i)] = handles_[static_cast<size_t>(count_ - 1)];
    handles_[static_cast<size_t>(count_ - 1)] = 0;
    --count_;
    return;
  }
}

void SetSocketListClass(TIdSocketListFactory factory) {
  SocketListClass() = std::move(factory);
}

std::unique_ptr<TIdSocketList> CreateSocketList() {
  return SocketListClass()();
}
