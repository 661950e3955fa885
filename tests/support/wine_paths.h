// Paths compiled into the tests are the build machine's; under Wine its root is drive Z:.
#pragma once
#include <string>

namespace testing_support {
inline std::string host_path(const std::string& path) {
  if (path.empty() || path[0] != '/') return path;
  std::string out = "Z:" + path;
  for (char& c : out)
    if (c == '/') c = '\\';
  return out;
}
}  // namespace testing_support
