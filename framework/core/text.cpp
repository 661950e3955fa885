// Text conversions. On Windows through the system's code page tables; natively (for the pure
// parsers' tests) only ASCII is converted.
#include "framework/core/text.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace fw {

std::wstring ToWide(std::string_view text, unsigned codePage) {
  if (text.empty()) return {};
#ifdef _WIN32
  int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
  return out;
#else
  (void)codePage;
  std::wstring out;
  for (unsigned char c : text) out.push_back(c < 0x80 ? c : L'?');
  return out;
#endif
}

std::string FromWide(std::wstring_view text, unsigned codePage) {
  if (text.empty()) return {};
#ifdef _WIN32
  int n = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
#else
  (void)codePage;
  std::string out;
  for (wchar_t c : text) out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return out;
#endif
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string AsciiLowerCase(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = AsciiLower(c);
  return out;
}

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

}  // namespace fw
