// Reading a skin package file whole. Any thread.
#include "skin/data/whole_file.h"

#include <windows.h>

#include "framework/win/handles.h"

namespace quarnel {
namespace {

constexpr LONGLONG kLargestPackage = 64 << 20;

bool ReadOpened(HANDLE opened, std::vector<uint8_t>& bytes) {
  if (opened == INVALID_HANDLE_VALUE) return false;
  fw::UniqueKernelHandle file(opened);
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > kLargestPackage) return false;
  bytes.resize(static_cast<size_t>(size.QuadPart));
  DWORD read = 0;
  return bytes.empty() ||
         (ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
          read == bytes.size());
}

}  // namespace

bool ReadWholeFile(const std::wstring& path, std::vector<uint8_t>& bytes) {
  return ReadOpened(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
                    bytes);
}

bool ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
  return ReadOpened(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
                    bytes);
}

}  // namespace quarnel
