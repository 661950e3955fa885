// `TIcon`: an icon kept as the bytes of an .ico file (as descriptions store it) with the icon
// handle made from the entry that best fits the requested size. User-interface thread.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "framework/core/component.h"
#include "framework/win/handles.h"

class TIcon : public TPersistent {
  FW_DECLARE_CLASS()
 public:
  // Takes the bytes of an icon file; false (and empty) when they are not one.
  bool LoadFromBytes(const std::vector<uint8_t>& bytes);
  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  bool Empty() const { return bytes_.empty(); }
  HICON Handle(int size = 0);  // 0: the system's large icon size
  void Assign(const TPersistent& source) override;

 private:
  std::vector<uint8_t> bytes_;
  fw::UniqueIcon large_, small_;
  int smallSize_ = 0;
};
