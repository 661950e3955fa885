// TSkinWriter: header, zero-filled skipped block, CR LF separated name list, size table and
// the entries back to back; packing prefixes the unpacked size to the compressed stream.
#include "skin/data/format/skin_writer.h"

#include <limits>
#include <stdexcept>

#include "skin/data/format/lzh_encoder.h"

namespace quarnel {
namespace {

void PutWord(TSkinWriter::Bytes& out, std::uint32_t value) {
  for (unsigned i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t CheckedSize(std::size_t size) {
  if (size > std::numeric_limits<std::uint32_t>::max()) {
    throw std::invalid_argument("skin package part larger than 4 GB");
  }
  return static_cast<std::uint32_t>(size);
}

}  // namespace

void TSkinWriter::AddEntry(std::string name, Bytes data) {
  if (name.empty() || name.find_first_of("\r\n") != std::string::npos) {
    throw std::invalid_argument("entry name must be one non-empty line: \"" + name + "\"");
  }
  if (entries_.size() == kMaxSkinEntries) {
    throw std::invalid_argument("a skin package holds at most 1001 entries");
  }
  CheckedSize(data.size());
  entries_.push_back({std::move(name), std::move(data)});
}

TSkinWriter::Bytes TSkinWriter::Unpacked(std::uint32_t version) const {
  const auto skipped = SkippedBlockSize(version);
  if (!skipped) throw std::invalid_argument("unknown skin package version " + std::to_string(version));
  std::string nameList;
  for (const TEntry& entry : entries_) {
    if (!nameList.empty()) nameList += "\r\n";
    nameList += entry.name;
  }
  Bytes out;
  PutWord(out, version);
  PutWord(out, CheckedSize(nameList.size()));
  out.resize(out.size() + 8 + *skipped, 0);
  out.insert(out.end(), nameList.begin(), nameList.end());
  for (const TEntry& entry : entries_) PutWord(out, static_cast<std::uint32_t>(entry.data.size()));
  for (const TEntry& entry : entries_) out.insert(out.end(), entry.data.begin(), entry.data.end());
  return out;
}

TSkinWriter::Bytes TSkinWriter::Packed(std::uint32_t version) const {
  const Bytes unpacked = Unpacked(version);
  Bytes out;
  PutWord(out, CheckedSize(unpacked.size()));
  const Bytes stream = TLzhEncoder::Encode(unpacked);
  out.insert(out.end(), stream.begin(), stream.end());
  return out;
}

}  // namespace quarnel
