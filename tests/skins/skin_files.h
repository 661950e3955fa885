// Where the built package, its SkinStream text, a form description given the package and the
// committed skin sources are, as paths the test process can open (under Wine the build
// machine's root is drive Z:), and file reading.
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/wine_paths.h"

namespace quarnel::skintest {

using Bytes = std::vector<std::uint8_t>;

inline std::string LocalPath(const std::string& path) {
#ifdef _WIN32
  return testing_support::host_path(path);
#else
  return path;
#endif
}

inline std::string SkinSourceDir() {
  return LocalPath(LONGHORN_BLUE_DIR);
}
inline std::string SkinPackagePath() {
  return LocalPath(LONGHORN_BLUE_SKN);
}
inline std::string SkinStreamPath() {
  return LocalPath(LONGHORN_BLUE_STREAM);
}
inline std::string SkinFormPath() {
  return LocalPath(LONGHORN_BLUE_FORM);
}

inline Bytes ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace quarnel::skintest
