// The skinpack command line: pack a folder into a skin package, unpack, list and check (lint)
// one, and write a starter skin folder.
// Kept apart from main() so that tests can run every command in-process.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace quarnel::skinpack {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // bad input, file error (check has its own codes)
inline constexpr int kExitUsage = 2;

// `args` excludes the program name. Results go to `out`, messages about failures to `err`.
int RunSkinpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quarnel::skinpack
