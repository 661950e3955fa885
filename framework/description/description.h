// The persisted description of a form: a tree of objects with typed property values, parsed
// from text like
//   object Form1: TForm1
//     Caption = 'Quarnel'
//     BorderIcons = [biSystemMenu, biMinimize]
//     object Button1: TButton ... end
//     object Bar: TStatusBar  Panels = < item Text = 'Ready' Width = 80 end > end
//   end
// Pure code, any thread.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TDescProperty;

struct TDescValue {
  enum Kind { Integer, Float, String, Ident, Set, List, Binary, Collection };
  Kind kind = Integer;
  int64_t integer = 0;
  double real = 0;
  std::string text;                                    // String (8-bit, program code page) or Ident
  std::vector<std::string> items;                      // Set members
  std::vector<TDescValue> list;                        // List items
  std::vector<uint8_t> bytes;                          // Binary
  std::vector<std::vector<TDescProperty>> collection;  // Collection: each item's properties
  int line = 0;
};

struct TDescProperty {
  std::string name;  // may be a path: "Font.Name", "Lines.Strings"
  TDescValue value;
  int line = 0;
};

struct TDescObject {
  std::string name;
  std::string className;
  int line = 0;
  std::vector<TDescProperty> properties;
  std::vector<TDescObject> children;
};

// Parses a whole description; throws EReadError("Line N: ...") on anything malformed.
TDescObject ParseDescription(std::string_view text);

// Writes a description back in the same syntax.
std::string FormatDescription(const TDescObject& root);
