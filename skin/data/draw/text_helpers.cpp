// Text conversion and drawing for the skin engine: wide text drawn directly on NT, through the
// system code page elsewhere. UI thread.
#include "skin/data/draw/draw_helpers.h"

namespace quarnel {

std::wstring AnsiToWide(std::string_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int needed = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::wstring wide(static_cast<size_t>(needed), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), needed);
  return wide;
}

int DrawTextWideOn(GdiPlatform platform, HDC dc, std::wstring_view text, RECT& rect, UINT format) {
  if (platform == GdiPlatform::Nt)
    return DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect, format);
  std::string narrow;
  const int length = static_cast<int>(text.size());
  const int needed = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (needed > 0) {
    narrow.resize(static_cast<size_t>(needed));
    WideCharToMultiByte(CP_ACP, 0, text.data(), length, narrow.data(), needed, nullptr, nullptr);
  }
  return DrawTextA(dc, narrow.c_str(), -1, &rect, format);
}

int DrawTextWide(HDC dc, std::wstring_view text, RECT& rect, UINT format) {
  return DrawTextWideOn(CurrentPlatform(), dc, text, rect, format);
}

std::wstring WithoutMnemonics(std::wstring_view text) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != L'&') {
      out += text[i];
    } else if (i + 1 < text.size()) {
      out += text[++i];  // "&x" shows x, "&&" one "&"
    }
  }
  return out;
}

}  // namespace quarnel
