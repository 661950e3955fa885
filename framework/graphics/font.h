// `TFont`: a font description (name, height, colour, style, character set) that makes its GDI
// font on demand and tells its owner when it changes. User-interface thread.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "framework/core/component.h"
#include "framework/core/properties.h"
#include "framework/graphics/color.h"
#include "framework/win/handles.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = unsigned;  // bit set of TFontStyle
const TEnumInfo& FontStyleEnum();

class TFont : public TPersistent {
  FW_DECLARE_CLASS()
 public:
  TFont();
  std::string Name() const { return name_; }  // program code page
  void SetName(const std::string& name);
  int Height() const { return height_; }  // negative: character height in pixels
  void SetHeight(int height);
  int Size() const;  // points at the screen's pixels per inch
  void SetSize(int points);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  int Charset() const { return charset_; }
  void SetCharset(int charset);

  HFONT Handle();  // made on first use, remade after a change
  void Assign(const TPersistent& source) override;
  std::function<void()> OnChanging;  // before the current handle is deleted
  std::function<void()> OnChange;

 private:
  void Changed();
  std::string name_ = "MS Sans Serif";
  int height_ = -11;
  TColor color_ = clWindowText;
  TFontStyles style_ = 0;
  int charset_ = DEFAULT_CHARSET;
  fw::UniqueFont handle_;
};

// Character-set names ("ANSI_CHARSET") <-> values, for descriptions.
bool IdentToCharset(std::string_view ident, int64_t& value);
const char* CharsetToIdent(int64_t value);
