// Socket sets: the abstract `TIdSocketList` and `TIdSocketListWindows`, a fixed array of 64
// handles like the library's own set. Used by one thread at a time.
#pragma once
#include <winsock2.h>

#include <array>
#include <functional>
#include <memory>

class TIdSocketList {
 public:
  virtual ~TIdSocketList() = default;
  virtual SOCKET Item(int index) const = 0;
  virtual void Add(SOCKET handle) = 0;
  virtual void Remove(SOCKET handle) = 0;
  virtual int Count() const = 0;
  void Clear();
};

class TIdSocketListWindows : public TIdSocketList {
 public:
  static constexpr int kCapacity = 64;
  SOCKET Item(int index) const override;
  void Add(SOCKET handle) override;
  // Moves the last handle into the removed one's place.
  void Remove(SOCKET handle) override;
  int Count() const override { return count_; }

 private:
  std::array<SOCKET, kCapacity> handles_{};
  int count_ = 0;
};

// The socket-set class the layer makes sets of (TIdSocketListWindows unless replaced).
using TIdSocketListFactory = std::function<std::unique_ptr<TIdSocketList>()>;
void SetSocketListClass(TIdSocketListFactory factory);
std::unique_ptr<TIdSocketList> CreateSocketList();
