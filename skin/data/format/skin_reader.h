// TSkinReader: unpacks a skin package (size word + LZHUF stream) into memory and hands out
// its entries by name. Every offset taken from the package is checked against the data. It has
// no user interface: a refused package is reported to the caller through Result(). Any thread.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/format/skin_package.h"

namespace quarnel {

class TSkinReader {
 public:
  using Bytes = std::vector<std::uint8_t>;
  enum class TResult { Loaded, UnknownVersion, TooManyEntries };

  // What a caller tells the user about a package of an unknown version.
  static constexpr const char* kOlderSkinMessage = "This is Older Skin File\rPlease update to new version !";

  // Unpacks a packed package (from the start of `packed`). True for a known version with at
  // most kMaxSkinEntries entries; otherwise names, sizes and data stay as they were.
  bool Load(std::span<const std::uint8_t> packed);
  bool Load(std::istream& packed);
  // The unpacking step alone: the package as it was before packing, cut to UnpackedSizeLimit.
  static Bytes Unpack(std::span<const std::uint8_t> packed);
  // The parsing step alone, on an already unpacked package.
  bool LoadUnpacked(std::span<const std::uint8_t> unpacked);
  // How the last load ended.
  TResult Result() const { return result_; }

  // Copies the first entry named `name` (any letter case) into `target`; false when absent.
  bool ExtractFile(std::string_view name, Bytes& target) const;
  // Copies the first entry whose name contains `text`; sets `name` only when one matches.
  bool ExtractByExtension(std::string_view text, Bytes& target, std::string& name) const;

  const TSkinHeader& Header() const { return header_; }
  const std::vector<std::string>& Names() const { return names_; }
  const std::vector<std::uint32_t>& Sizes() const { return sizes_; }
  const Bytes& Data() const { return data_; }

  // Unpacked size accepted from a package header; larger claims are cut to it.
  static std::uint32_t UnpackedSizeLimit(std::size_t packedBytes);

 private:
  void CopyEntry(std::size_t index, Bytes& target) const;

  TResult result_ = TResult::Loaded;
  TSkinHeader header_;
  std::vector<std::string> names_;
  std::vector<std::uint32_t> sizes_;
  Bytes data_;
};

}  // namespace quarnel
