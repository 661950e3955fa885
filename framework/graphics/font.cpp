// Font handles and change notification. User-interface thread.
#include "framework/graphics/font.h"

#include "framework/core/named_values.h"
#include "framework/core/properties.h"
#include "framework/core/text.h"
#include "framework/win/dpi.h"

const TEnumInfo& FontStyleEnum() {
  static const TEnumInfo e{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
  return e;
}

const TClassInfo& TFont::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFont>("TFont", &TPersistent::StaticClass())
          .IntNamed("Charset", &TFont::Charset, &TFont::SetCharset, IdentToCharset, CharsetToIdent)
          .IntNamed("Color", &TFont::Color, &TFont::SetColor, IdentToColor, ColorToIdent)
          .Int("Height", &TFont::Height, &TFont::SetHeight)
          .Str("Name", &TFont::Name, &TFont::SetName)
          .Int("Size", &TFont::Size, &TFont::SetSize)
          .Set("Style", FontStyleEnum(), &TFont::Style, &TFont::SetStyle)
          .Build();
  return info;
}

TFont::TFont() = default;

void TFont::Changed() {
  if (OnChanging) OnChanging();
  handle_.reset();
  if (OnChange) OnChange();
}

void TFont::SetName(const std::string& name) {
  if (name.empty() || name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, fw::ScreenDpi()); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, fw::ScreenDpi(), 72)); }

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  if (OnChange) OnChange();  // the colour is not part of the GDI font
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetCharset(int charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

HFONT TFont::Handle() {
  if (!handle_) {
    LOGFONTW lf{};
    lf.lfHeight = height_;
    lf.lfWeight = (style_ & (1u << fsBold)) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style_ & (1u << fsItalic)) ? 1 : 0;
    lf.lfUnderline = (style_ & (1u << fsUnderline)) ? 1 : 0;
    lf.lfStrikeOut = (style_ & (1u << fsStrikeOut)) ? 1 : 0;
    lf.lfCharSet = static_cast<BYTE>(charset_);
    lf.lfQuality = DEFAULT_QUALITY;
    std::wstring face = fw::ToWide(name_);
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    handle_.reset(CreateFontIndirectW(&lf));
  }
  return handle_.get();
}

void TFont::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TFont*>(&source);
  if (!other) return;
  name_ = other->name_;
  height_ = other->height_;
  color_ = other->color_;
  style_ = other->style_;
  charset_ = other->charset_;
  Changed();
}

namespace {
constexpr TNamedValue kCharsets[] = {
    {"ANSI_CHARSET", ANSI_CHARSET}, {"DEFAULT_CHARSET", DEFAULT_CHARSET},
    {"SYMBOL_CHARSET", SYMBOL_CHARSET}, {"SHIFTJIS_CHARSET", SHIFTJIS_CHARSET},
    {"HANGEUL_CHARSET", HANGEUL_CHARSET}, {"GB2312_CHARSET", GB2312_CHARSET},
    {"CHINESEBIG5_CHARSET", CHINESEBIG5_CHARSET}, {"OEM_CHARSET", OEM_CHARSET},
    {"GREEK_CHARSET", GREEK_CHARSET}, {"TURKISH_CHARSET", TURKISH_CHARSET},
    {"HEBREW_CHARSET", HEBREW_CHARSET}, {"ARABIC_CHARSET", ARABIC_CHARSET},
    {"BALTIC_CHARSET", BALTIC_CHARSET}, {"RUSSIAN_CHARSET", RUSSIAN_CHARSET},
    {"THAI_CHARSET", THAI_CHARSET}, {"EASTEUROPE_CHARSET", EASTEUROPE_CHARSET},
    {"MAC_CHARSET", MAC_CHARSET},
};
}  // namespace

bool IdentToCharset(std::string_view ident, int64_t& value) { return ValueOfName(kCharsets, ident, value); }

const char* CharsetToIdent(int64_t value) { return NameOfValue(kCharsets, value); }
