// Reading a skin package file whole, by a wide path or by a path in the system's 8-bit code page
// (as the C library opens it). Any thread.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace quarnel {

// The whole file at `path`, or false when it cannot be opened or read. Packages are a few
// hundred kilobytes; a file over 64 MB is not one and is refused rather than held.
bool ReadWholeFile(const std::wstring& path, std::vector<uint8_t>& bytes);
bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes);

}  // namespace quarnel
