// Parser for description text. Every malformed input ends in EReadError naming the line.
// Pure code, any thread.
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "framework/core/error.h"
#include "framework/core/text.h"
#include "framework/description/description.h"

namespace {

constexpr int kMaxNesting = 64;

class Parser {
 public:
  explicit Parser(std::string_view text) : s_(text) {}

  TDescObject Root() {
    SkipSpace();
    TDescObject root = Object(0);
    SkipSpace();
    if (pos_ < s_.size()) Fail("Unexpected text after the final end");
    return root;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw EReadError("Line " + std::to_string(line_) + ": " + what);
  }

  bool AtEnd() const { return pos_ >= s_.size(); }
  char Peek() const { return AtEnd() ? '\0' : s_[pos_]; }

  void SkipSpace() {
    while (!AtEnd()) {
      char c = s_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '/') {
        while (!AtEnd() && s_[pos_] != '\n') ++pos_;
      } else {
        break;
      }
    }
  }

  static bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
  static bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

  std::string Ident(const char* what) {
    SkipSpace();
    if (!IsIdentStart(Peek())) Fail(std::string("Expected ") + what);
    size_t start = pos_;
    while (!AtEnd() && IsIdentChar(s_[pos_])) ++pos_;
    return std::string(s_.substr(start, pos_ - start));
  }

  // A property name: identifiers joined by dots.
  std::string PropertyPath() {
    std::string path = Ident("a property name");
    while (Peek() == '.') {
      ++pos_;
      path += "." + Ident("a property name after '.'");
    }
    return path;
  }

  void Expect(char c) {
    SkipSpace();
    if (Peek() != c) {
      if (AtEnd()) Fail(std::string("Unexpected end of description, expected '") + c + "'");
      Fail(std::string("Expected '") + c + "'");
    }
    ++pos_;
  }

  TDescObject Object(int depth) {
    if (depth > kMaxNesting) Fail("Objects nested too deeply");
    TDescObject obj;
    obj.line = line_;
    std::string keyword = Ident("'object'");
    if (!fw::SameText(keyword, "object") && !fw::SameText(keyword, "inherited"))
      Fail("Expected 'object' but found '" + keyword + "'");
    obj.name = Ident("an object name");
    SkipSpace();
    if (Peek() == ':') {
      ++pos_;
      obj.className = Ident("a class name");
    } else {
      obj.className = obj.name;
      obj.name.clear();
    }
    for (;;) {
      SkipSpace();
      if (AtEnd()) Fail("Unexpected end of description, expected 'end'");
      size_t save = pos_;
      int saveLine = line_;
      std::string word = Ident("a property, 'object' or 'end'");
      if (fw::SameText(word, "end")) break;
      if (fw::SameText(word, "object") || fw::SameText(word, "inherited")) {
        pos_ = save;
        line_ = saveLine;
        obj.children.push_back(Object(depth + 1));
        continue;
      }
      pos_ = save;
      TDescProperty prop;
      prop.line = line_;
      prop.name = PropertyPath();
      Expect('=');
      prop.value = Value(depth);
      obj.properties.push_back(std::move(prop));
    }
    return obj;
  }

  TDescValue Value(int depth) {
    if (depth > kMaxNesting) Fail("Values nested too deeply");
    SkipSpace();
    TDescValue v;
    v.line = line_;
    char c = Peek();
    if (AtEnd()) Fail("Unexpected end of description, expected a value");
    if (c == '\'' || c == '#') {
      v.kind = TDescValue::String;
      v.text = StringValue();
    } else if (c == '-' || c == '+' || c == '$' || std::isdigit(static_cast<unsigned char>(c))) {
      Number(v);
    } else if (c == '[') {
      ++pos_;
      v.kind = TDescValue::Set;
      SkipSpace();
      if (Peek() != ']') {
        for (;;) {
          v.items.push_back(Ident("a set member"));
          SkipSpace();
          if (Peek() == ',') {
            ++pos_;
            continue;
          }
          break;
        }
      }
      Expect(']');
    } else if (c == '(') {
      ++pos_;
      v.kind = TDescValue::List;
      for (;;) {
        SkipSpace();
        if (AtEnd()) Fail("Unexpected end of description, expected ')'");
        if (Peek() == ')') break;
        v.list.push_back(Value(depth + 1));
      }
      ++pos_;
    } else if (c == '{') {
      ++pos_;
      v.kind = TDescValue::Binary;
      Binary(v.bytes);
    } else if (c == '<') {
      ++pos_;
      v.kind = TDescValue::Collection;
      Collection(v.collection, depth);
    } else if (IsIdentStart(c)) {
      v.kind = TDescValue::Ident;
      v.text = PropertyPath();
    } else {
      Fail(std::string("Invalid property value starting with '") + c + "'");
    }
    return v;
  }

  void Number(TDescValue& v) {
    size_t start = pos_;
    bool negative = false;
    if (Peek() == '-' || Peek() == '+') {
      negative = Peek() == '-';
      ++pos_;
    }
    if (Peek() == '$') {
      ++pos_;
      size_t digits = pos_;
      uint64_t value = 0;
      while (!AtEnd() && std::isxdigit(static_cast<unsigned char>(s_[pos_]))) {
        if (pos_ - digits >= 16) Fail("Number too large");
        value = value * 16 + static_cast<uint64_t>(HexDigit(s_[pos_++]));
      }
      if (pos_ == digits) Fail("Invalid hexadecimal number");
      // Sixteen hex digits are a 64-bit pattern ($FFFFFFFFFFFFFFFF is -1); negation wraps the same way.
      v.kind = TDescValue::Integer;
      v.integer = static_cast<int64_t>(negative ? 0 - value : value);
      return;
    }
    size_t digits = pos_;
    while (!AtEnd() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
    if (pos_ == digits) Fail("Invalid number");
    bool real = false;
    if (Peek() == '.' && pos_ + 1 < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_ + 1]))) {
      real = true;
      ++pos_;
      while (!AtEnd() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
    }
    if (Peek() == 'e' || Peek() == 'E') {
      real = true;
      ++pos_;
      if (Peek() == '-' || Peek() == '+') ++pos_;
      size_t exp = pos_;
      while (!AtEnd() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
      if (pos_ == exp) Fail("Invalid number");
    }
    std::string literal(s_.substr(start, pos_ - start));
    if (real) {
      v.kind = TDescValue::Float;
      v.real = std::strtod(literal.c_str(), nullptr);
      if (!std::isfinite(v.real)) Fail("Number too large");
    } else {
      // Every 64-bit value reads back, the most negative included; one more is an error.
      const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
      uint64_t value = 0;
      for (size_t i = digits; i < pos_; ++i) {
        const uint64_t digit = static_cast<uint64_t>(s_[i] - '0');
        if (value > (limit - digit) / 10) Fail("Number too large");
        value = value * 10 + digit;
      }
      v.kind = TDescValue::Integer;
      v.integer = static_cast<int64_t>(negative ? 0 - value : value);
    }
  }

  static int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return c - 'A' + 10;
  }

  // 'quoted' parts ('' is a quote) and #code characters, joined by + across lines.
  std::string StringValue() {
    std::string out;
    for (;;) {
      SkipSpace();
      char c = Peek();
      if (c == '\'') {
        ++pos_;
        for (;;) {
          if (AtEnd() || s_[pos_] == '\n' || s_[pos_] == '\r') Fail("Unterminated string");
          if (s_[pos_] == '\'') {
            if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '\'') {
              out += '\'';
              pos_ += 2;
              continue;
            }
            ++pos_;
            break;
          }
          out += s_[pos_++];
        }
      } else if (c == '#') {
        ++pos_;
        size_t digits = pos_;
        long code = 0;
        while (!AtEnd() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) {
          if (pos_ - digits >= 6) Fail("Character code too large");
          code = code * 10 + (s_[pos_++] - '0');
        }
        if (pos_ == digits) Fail("Expected a character code after '#'");
        if (code > 0xFFFF) Fail("Character code too large");
        if (code < 256)
          out += static_cast<char>(code);
        else
          out += fw::FromWide(std::wstring(1, static_cast<wchar_t>(code)));
      } else {
        break;
      }
      // A string goes on after '+' (possibly on the next line) or directly with another part.
      size_t save = pos_;
      int saveLine = line_;
      SkipSpace();
      if (Peek() == '+') {
        ++pos_;
        SkipSpace();
        if (Peek() != '\'' && Peek() != '#') Fail("Expected a string after '+'");
        continue;
      }
      pos_ = save;
      line_ = saveLine;
      if (Peek() != '\'' && Peek() != '#') break;
    }
    return out;
  }

  // < item Name = value ... end item ... end >
  void Collection(std::vector<std::vector<TDescProperty>>& items, int depth) {
    for (;;) {
      SkipSpace();
      if (AtEnd()) Fail("Unexpected end of description, expected '>'");
      if (Peek() == '>') {
        ++pos_;
        return;
      }
      std::string keyword = Ident("'item' or '>'");
      if (!fw::SameText(keyword, "item")) Fail("Expected 'item' but found '" + keyword + "'");
      std::vector<TDescProperty>& item = items.emplace_back();
      for (;;) {
        SkipSpace();
        if (AtEnd()) Fail("Unexpected end of description, expected 'end'");
        size_t save = pos_;
        if (fw::SameText(Ident("a property or 'end'"), "end")) break;
        pos_ = save;
        TDescProperty prop;
        prop.line = line_;
        prop.name = PropertyPath();
        Expect('=');
        prop.value = Value(depth + 1);
        item.push_back(std::move(prop));
      }
    }
  }

  void Binary(std::vector<uint8_t>& bytes) {
    int pending = -1;
    for (;;) {
      SkipSpace();
      if (AtEnd()) Fail("Unexpected end of description, expected '}'");
      char c = s_[pos_];
      if (c == '}') {
        ++pos_;
        break;
      }
      if (!std::isxdigit(static_cast<unsigned char>(c))) Fail("Invalid binary data");
      ++pos_;
      if (pending < 0) {
        pending = HexDigit(c);
      } else {
        bytes.push_back(static_cast<uint8_t>(pending * 16 + HexDigit(c)));
        pending = -1;
      }
    }
    if (pending >= 0) Fail("Binary data with an odd number of hex digits");
  }

  std::string_view s_;
  size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace

TDescObject ParseDescription(std::string_view text) {
  return Parser(text).Root();
}
