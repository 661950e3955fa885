// The version resource of every shipped program, read back the way the file properties dialog
// reads it (GetFileVersionInfo, VerQueryValue), against the version set in CMake. Test thread.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/wine_paths.h"

namespace {

const char* const kShippedPrograms[] = {
#include "shipped_programs.inc"
};

std::wstring Wide(const std::string& text) {
  return std::wstring(text.begin(), text.end());
}

class VersionResource : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    const std::wstring path = Wide(testing_support::host_path(GetParam()));
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    ASSERT_NE(size, 0u) << GetParam() << " has no version resource (error " << GetLastError() << ")";
    block_.resize(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block_.data()));
  }

  // A string of the first language block the resource names, or "(missing)".
  std::wstring Text(const wchar_t* name) {
    struct Translation {
      WORD language, codePage;
    }* translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(block_.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                        &length) ||
        length < sizeof(Translation)) {
      return L"(missing)";
    }
    wchar_t key[96];
    swprintf(key, 96, L"\\StringFileInfo\\%04x%04x\\%ls", translation->language, translation->codePage, name);
    wchar_t* value = nullptr;
    if (!VerQueryValueW(block_.data(), key, reinterpret_cast<void**>(&value), &length) || length == 0) {
      return L"(missing)";
    }
    return std::wstring(value);
  }

  std::vector<unsigned char> block_;
};

TEST_P(VersionResource, CarriesTheProjectVersionAndNames) {
  unsigned major = 0, minor = 0, patch = 0;
  ASSERT_EQ(std::sscanf(QUARNEL_CMAKE_VERSION, "%u.%u.%u", &major, &minor, &patch), 3);

  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block_.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(minor, major));
  EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, patch));
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  const std::string path = GetParam();
  const std::string fileName = path.substr(path.find_last_of('/') + 1);
  EXPECT_EQ(Text(L"FileVersion"), Wide(QUARNEL_CMAKE_VERSION));
  EXPECT_EQ(Text(L"ProductVersion"), Wide(QUARNEL_CMAKE_VERSION));
  EXPECT_EQ(Text(L"ProductName"), L"Quarnel");
  EXPECT_EQ(Text(L"OriginalFilename"), Wide(fileName));
  EXPECT_EQ(Text(L"LegalCopyright"), L"Copyright (C) 2026 the Quarnel developers");
  const std::wstring description = Text(L"FileDescription");
  EXPECT_NE(description, L"(missing)");
  EXPECT_NE(description.find(L"Quarnel"), std::wstring::npos) << "a description names the product";
}

INSTANTIATE_TEST_SUITE_P(Shipped, VersionResource, ::testing::ValuesIn(kShippedPrograms),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           name = name.substr(name.find_last_of('/') + 1);
                           return name.substr(0, name.find('.'));
                         });

}  // namespace
