// What the skinpack commands share: their two kinds of failure, whole-file reading and writing,
// and loading a package file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <stdexcept>
#include <vector>

#include "skin/data/format/skin_reader.h"

namespace quarnel::skinpack {

using Bytes = std::vector<std::uint8_t>;

// Bad input or a file error: the command ends with kExitFailed.
struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};
// A wrong command line: the command ends with kExitUsage and the usage text.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

Bytes ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const Bytes& bytes);

// Loads a package file; the reader's notice about unknown versions goes to `err`. Throws
// Failure when the file cannot be read or is no package.
TSkinReader LoadPackage(const std::filesystem::path& path, std::ostream& err);

// Bytes of entry `index` that are present in the data part.
std::uint64_t PresentBytes(const TSkinReader& reader, std::size_t index);

}  // namespace quarnel::skinpack
