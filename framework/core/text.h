// Text helpers: the program's 8-bit code page (GBK), conversions to and from wide text, and
// ASCII case folding for names. Any thread.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// Every 8-bit text of the program (captions, messages, description strings) is in this code page.
// Converting through it explicitly makes the Chinese texts read right on every system.
constexpr unsigned kTextCodePage = 936;

std::wstring ToWide(std::string_view text, unsigned codePage = kTextCodePage);
std::string FromWide(std::wstring_view text, unsigned codePage = kTextCodePage);

char AsciiLower(char c);
std::string AsciiLowerCase(std::string_view s);
bool SameText(std::string_view a, std::string_view b);  // ASCII case-insensitive

}  // namespace fw
