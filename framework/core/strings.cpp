// String list behaviour shared by every list kind. User-interface thread.
#include "framework/core/strings.h"

#include "framework/core/error.h"
#include "framework/core/properties.h"
#include "framework/core/text.h"

const TClassInfo& TStrings::StaticClass() {
  static const TClassInfo info = TClassBuilder<TStrings>("TStrings", &TPersistent::StaticClass()).Build();
  return info;
}

const TClassInfo& TStringList::StaticClass() {
  static const TClassInfo info = TClassBuilder<TStringList>("TStringList", &TStrings::StaticClass()).Build();
  return info;
}

int TStrings::Add(const std::string& s) {
  int index = Count();
  Insert(index, s);
  return index;
}

int TStrings::IndexOf(const std::string& s) const {
  for (int i = 0; i < Count(); ++i)
    if (fw::SameText(Get(i), s)) return i;
  return -1;
}

std::string TStrings::Text() const {
  std::string out;
  for (int i = 0; i < Count(); ++i) out += Get(i) + "\r\n";
  return out;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.push_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

void TStrings::SetText(const std::string& text) { AssignLines(SplitLines(text)); }

std::vector<std::string> TStrings::ToVector() const {
  std::vector<std::string> out;
  for (int i = 0; i < Count(); ++i) out.push_back(Get(i));
  return out;
}

void TStrings::Assign(const TPersistent& source) {
  if (const auto* other = dynamic_cast<const TStrings*>(&source)) AssignLines(other->ToVector());
}

void TStrings::AssignLines(const std::vector<std::string>& lines) {
  Clear();
  for (const auto& line : lines) Add(line);
}

void TStringList::Check(int index, bool allowEnd) const {
  int limit = Count() + (allowEnd ? 1 : 0);
  if (index < 0 || index >= limit)
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
}

std::string TStringList::Get(int index) const {
  Check(index, false);
  return lines_[static_cast<size_t>(index)];
}

void TStringList::Put(int index, const std::string& s) {
  Check(index, false);
  lines_[static_cast<size_t>(index)] = s;
}

void TStringList::Insert(int index, const std::string& s) {
  Check(index, true);
  lines_.insert(lines_.begin() + index, s);
}

void TStringList::Delete(int index) {
  Check(index, false);
  lines_.erase(lines_.begin() + index);
}
