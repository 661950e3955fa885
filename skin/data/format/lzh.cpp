// Allocation and release of the LZHUF decoder's work tables. The tables are built fresh for
// every decoding: ring filled with spaces up to the first write position, tree at its start.
#include "skin/data/format/lzh.h"

#include <cstring>
#include <new>

namespace quarnel {

std::unique_ptr<lzh::TDecodeTables> TLZH::AcquireTables() {
  std::unique_ptr<lzh::TDecodeTables> tables;
  try {
    tables = std::make_unique<lzh::TDecodeTables>();
  } catch (const std::bad_alloc&) {
    throw ElzhException(ElzhException::kNoMemory);
  }
  tables->tree.Reset();
  std::memset(tables->ring, ' ', lzh::kRingStart);
  // Slots a malformed stream may read before they were written: make them deterministic.
  std::memset(tables->ring + lzh::kRingStart, 0, sizeof tables->ring - lzh::kRingStart);
  return tables;
}

}  // namespace quarnel
