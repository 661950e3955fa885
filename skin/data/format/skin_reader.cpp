// TSkinReader: the three layers of a package (size word, LZHUF stream, unpacked layout) and
// the lookup of entries by name. Short or inconsistent packages give short or empty entries.
#include "skin/data/format/skin_reader.h"

#include <algorithm>

#include "skin/data/format/lzh.h"

namespace quarnel {
namespace {

// Little-endian word at `offset`; bytes past the end of `bytes` count as zero.
std::uint32_t WordAt(std::span<const std::uint8_t> bytes, std::uint64_t offset) {
  std::uint32_t value = 0;
  for (unsigned i = 0; i < 4; ++i) {
    if (offset + i < bytes.size()) value |= std::uint32_t{bytes[offset + i]} << (8 * i);
  }
  return value;
}

// Bytes [offset, offset + length) cut to what exists.
std::span<const std::uint8_t> Slice(std::span<const std::uint8_t> bytes, std::uint64_t offset,
                                    std::uint64_t length) {
  if (offset >= bytes.size()) return {};
  const std::uint64_t available = bytes.size() - offset;
  return bytes.subspan(static_cast<std::size_t>(offset),
                       static_cast<std::size_t>(std::min(length, available)));
}

void LowerAscii(std::string& text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
}

// CR LF, a lone CR or a lone LF ends a line; a break at the very end adds no line.
std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t i = 0;
  while (i < text.size()) {
    const std::size_t start = i;
    while (i < text.size() && text[i] != '\r' && text[i] != '\n') ++i;
    lines.push_back(text.substr(start, i - start));
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
  return lines;
}

}  // namespace

// A symbol costs at least one bit and yields at most 60 bytes once its position (at least
// nine bits) is added: 48 bytes per packed byte. Anything claimed beyond that could only come
// from the zero bits decoded past the end, so it is not produced.
std::uint32_t TSkinReader::UnpackedSizeLimit(std::size_t packedBytes) {
  constexpr std::uint64_t kHardLimit = 256u << 20;
  const std::uint64_t bound = std::uint64_t{packedBytes} * 48 + 4096;
  return static_cast<std::uint32_t>(std::min(bound, kHardLimit));
}

TSkinReader::Bytes TSkinReader::Unpack(std::span<const std::uint8_t> packed) {
  const std::uint32_t declared = WordAt(packed, 0);
  const std::span<const std::uint8_t> stream = Slice(packed, 4, packed.size());
  const std::uint32_t size = std::min(declared, UnpackedSizeLimit(stream.size()));

  // Decoding stops within one match of `size`, so this buffer always suffices.
  Bytes unpacked(std::size_t{size} + lzh::kLookAhead - 1);
  const std::size_t produced = TLZH().DecodeMemory(stream.data(), stream.size(), size, unpacked.data());
  unpacked.resize(produced);
  return unpacked;
}

bool TSkinReader::Load(std::span<const std::uint8_t> packed) {
  return LoadUnpacked(Unpack(packed));
}

bool TSkinReader::LoadUnpacked(std::span<const std::uint8_t> unpacked) {
  header_ = TSkinHeader{WordAt(unpacked, 0), WordAt(unpacked, 4), WordAt(unpacked, 8), WordAt(unpacked, 12)};
  const auto skipped = SkippedBlockSize(header_.Version);
  if (!skipped) {
    result_ = TResult::UnknownVersion;
    return false;
  }

  const std::uint64_t nameListAt = std::uint64_t{kSkinHeaderSize} + *skipped;
  const auto nameBytes = Slice(unpacked, nameListAt, header_.NameListLength);
  std::string nameList(nameBytes.begin(), nameBytes.end());
  LowerAscii(nameList);
  std::vector<std::string> names = SplitLines(nameList);
  if (names.size() > kMaxSkinEntries) {
    result_ = TResult::TooManyEntries;
    return false;
  }

  const std::uint64_t sizeTableAt = nameListAt + header_.NameListLength;
  std::vector<std::uint32_t> sizes(names.size());
  for (std::size_t i = 0; i < sizes.size(); ++i) sizes[i] = WordAt(unpacked, sizeTableAt + 4 * i);
  const auto data = Slice(unpacked, sizeTableAt + 4 * sizes.size(), unpacked.size());

  result_ = TResult::Loaded;
  names_ = std::move(names);
  sizes_ = std::move(sizes);
  data_.assign(data.begin(), data.end());
  return true;
}

void TSkinReader::CopyEntry(std::size_t index, Bytes& target) const {
  std::uint64_t offset = 0;
  for (std::size_t i = 0; i < index; ++i) offset += sizes_[i];
  const auto entry = Slice(data_, offset, sizes_[index]);
  target.assign(entry.begin(), entry.end());
}

bool TSkinReader::ExtractFile(std::string_view name, Bytes& target) const {
  target.clear();
  std::string wanted(name);
  LowerAscii(wanted);
  const auto found = std::find(names_.begin(), names_.end(), wanted);
  if (found == names_.end()) return false;
  CopyEntry(static_cast<std::size_t>(found - names_.begin()), target);
  return true;
}

bool TSkinReader::ExtractByExtension(std::string_view text, Bytes& target, std::string& name) const {
  target.clear();
  const auto found = std::find_if(names_.begin(), names_.end(), [&](const std::string& entry) {
    return entry.find(text) != std::string::npos;
  });
  if (found == names_.end()) return false;
  CopyEntry(static_cast<std::size_t>(found - names_.begin()), target);
  name = *found;
  return true;
}

}  // namespace quarnel
