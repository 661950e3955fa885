// A small JSON reader for tests that read a tool's JSON back: objects, arrays, strings (with
// the escapes), numbers, true, false, null. Malformed input fails the test that parses it.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace quarnel::test {

struct TJson {
  enum class Kind { Null, Bool, Number, String, Array, Object } kind = Kind::Null;
  double number = 0;
  std::string text;
  std::vector<TJson> items;
  std::map<std::string, TJson> members;

  // The member `key`, or a null value when there is none.
  const TJson& operator[](const std::string& key) const {
    static const TJson none;
    const auto found = members.find(key);
    return found == members.end() ? none : found->second;
  }
};

class TJsonReader {
 public:
  explicit TJsonReader(std::string_view text) : text_(text) {}

  TJson Document() {
    TJson value = Value();
    Blanks();
    if (at_ != text_.size()) Fail("text after the value");
    return value;
  }

 private:
  void Fail(const char* what) {
    ADD_FAILURE() << "JSON: " << what << " at " << at_ << " in " << text_;
    at_ = text_.size();
  }
  void Blanks() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\n' || text_[at_] == '\r' || text_[at_] == '\t'))
      ++at_;
  }
  bool Take(char c) {
    Blanks();
    if (at_ < text_.size() && text_[at_] == c) return ++at_, true;
    return false;
  }
  bool Word(std::string_view word) {
    if (text_.substr(at_, word.size()) != word) return false;
    at_ += word.size();
    return true;
  }

  std::string String() {
    if (!Take('"')) return Fail("a string expected"), "";
    std::string out;
    while (at_ < text_.size() && text_[at_] != '"') {
      char c = text_[at_++];
      if (c == '\\' && at_ < text_.size()) {
        c = text_[at_++];
        if (c == 'n') c = '\n';
        if (c == 't') c = '\t';
        if (c == 'u') {
          c = static_cast<char>(std::strtol(std::string(text_.substr(at_, 4)).c_str(), nullptr, 16));
          at_ += 4;
        }
      }
      out += c;
    }
    if (!Take('"')) Fail("unterminated string");
    return out;
  }

  TJson Value() {
    TJson value;
    Blanks();
    if (at_ >= text_.size()) return Fail("a value expected"), value;
    const char c = text_[at_];
    if (c == '{') {
      value.kind = TJson::Kind::Object;
      ++at_;
      if (Take('}')) return value;
      do {
        std::string key = String();
        if (!Take(':')) return Fail("':' expected"), value;
        value.members[key] = Value();
      } while (Take(','));
      if (!Take('}')) Fail("'}' expected");
    } else if (c == '[') {
      value.kind = TJson::Kind::Array;
      ++at_;
      if (Take(']')) return value;
      do value.items.push_back(Value());
      while (Take(','));
      if (!Take(']')) Fail("']' expected");
    } else if (c == '"') {
      value.kind = TJson::Kind::String;
      value.text = String();
    } else if (Word("true")) {
      value.kind = TJson::Kind::Bool;
      value.number = 1;
    } else if (Word("false")) {
      value.kind = TJson::Kind::Bool;
    } else if (Word("null")) {
    } else {
      char* end = nullptr;
      const std::string rest(text_.substr(at_));
      value.kind = TJson::Kind::Number;
      value.number = std::strtod(rest.c_str(), &end);
      if (end == rest.c_str()) return Fail("a value expected"), value;
      at_ += static_cast<std::size_t>(end - rest.c_str());
    }
    return value;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

inline TJson ParseJson(std::string_view text) {
  return TJsonReader(text).Document();
}

}  // namespace quarnel::test
