// Skin folders packed in memory, after the checks that tell a whole skin from one half-saved or
// broken. No user interface; any thread.
#include "skin/data/format/skin_folder.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <stdexcept>
#include <string_view>
#include <system_error>

#include "skin/data/format/skin_key_table.h"
#include "skin/data/format/skin_package.h"
#include "skin/data/format/skin_values.h"
#include "skin/data/format/skin_writer.h"

namespace quarnel {

namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct TFolderFile {
  std::string name;
  Bytes bytes;
};

bool EndsWithNoCase(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && SameSkinName(text.substr(text.size() - tail.size()), tail);
}

bool ReadWhole(const fs::path& path, Bytes& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

std::uint32_t Word32(const Bytes& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

// A bitmap file is whole when its header says no more bytes than the file has.
bool WholeBitmap(const Bytes& b) {
  constexpr std::size_t kHeaders = 14 + 12;
  return b.size() >= kHeaders && b[0] == 'B' && b[1] == 'M' && Word32(b, 2) <= b.size() &&
         Word32(b, 10) <= b.size();
}

// The first line of the definition text that is neither blank, a comment, a section header nor
// a key, or a key naming a bitmap the folder does not have.
std::string DefinitionProblem(const TFolderFile& definition, const std::vector<TFolderFile>& files) {
  std::string_view text(reinterpret_cast<const char*>(definition.bytes.data()), definition.bytes.size());
  std::string section;
  int number = 0;
  // Lines as the definition reader splits them: at CR LF, CR or LF, up to a NUL byte.
  text = text.substr(0, text.find('\0'));
  for (std::size_t start = 0; start <= text.size(); ++number) {
    std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = TrimSkinBlanks(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    const std::string where = definition.name + ", line " + std::to_string(number + 1);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      if (line.back() != ']')
        return where + ": \"" + std::string(line) + "\" is a section header without its \"]\"";
      section = line.substr(1, line.size() - 2);
      continue;
    }
    const auto equals = line.find('=');
    if (equals == std::string_view::npos || equals == 0)
      return where + ": \"" + std::string(line) + "\" is neither a section header, a key nor a comment";
    const std::string value(TrimSkinBlanks(line.substr(equals + 1)));
    if (!EndsWithNoCase(value, ".bmp")) continue;
    // As the loader finds it: by the whole name, or by its file name after a folder in front.
    const std::string whole = LowerSkinName(value), name(SkinFileNamePart(whole));
    const bool present = std::any_of(files.begin(), files.end(), [&](const TFolderFile& file) {
      const std::string entry = LowerSkinName(file.name);
      return entry == whole || entry == name;
    });
    if (!present)
      return where + ": [" + section + "] " + std::string(TrimSkinBlanks(line.substr(0, equals))) +
             " names " + value + ", which is not in the folder";
  }
  return {};
}

}  // namespace

TSkinFolderPackage PackSkinFolder(const fs::path& folder) {
  TSkinFolderPackage result;
  std::error_code error;
  std::vector<TFolderFile> files;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (!it->is_regular_file(error)) continue;
    TFolderFile file{it->path().filename().string(), {}};
    if (!ReadWhole(it->path(), file.bytes)) {
      result.Problem = file.name + " cannot be read";
      return result;
    }
    files.push_back(std::move(file));
  }
  if (error) {
    result.Problem = "the folder " + folder.string() + " cannot be read";
    return result;
  }
  std::sort(files.begin(), files.end(),
            [](const TFolderFile& a, const TFolderFile& b) { return a.name < b.name; });
  const auto definitions = std::count_if(files.begin(), files.end(),
                                         [](const TFolderFile& f) { return EndsWithNoCase(f.name, ".ini"); });
  if (definitions != 1) {
    result.Problem = definitions == 0 ? "the folder holds no definition text (.ini)"
                                      : "the folder holds more than one definition text (.ini)";
    return result;
  }
  TSkinWriter writer;
  for (const TFolderFile& file : files) {
    if (EndsWithNoCase(file.name, ".ini")) {
      result.Problem = DefinitionProblem(file, files);
    } else if (EndsWithNoCase(file.name, ".bmp") && !WholeBitmap(file.bytes)) {
      result.Problem = file.name + " is not a whole bitmap";
    }
    if (!result.Problem.empty()) return result;
    try {
      writer.AddEntry(file.name, file.bytes);
    } catch (const std::invalid_argument& problem) {
      result.Problem = file.name + ": " + problem.what();
      return result;
    }
  }
  result.Packed = writer.Packed(kDefaultSkinVersion);
  return result;
}

std::uint64_t SkinFolderStamp(const fs::path& folder) {
  std::error_code error;
  std::uint64_t stamp = 1469598103934665603ull;  // FNV-1a over every file's name, size and time
  auto fold = [&stamp](std::uint64_t value) {
    for (int i = 0; i < 8; ++i) {
      stamp ^= (value >> (8 * i)) & 0xFF;
      stamp *= 1099511628211ull;
    }
  };
  std::vector<std::uint64_t> parts;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code gone;  // a file deleted meanwhile counts with what could be read of it
    if (!it->is_regular_file(gone)) continue;
    std::uint64_t part = std::hash<std::string>{}(it->path().filename().string());
    part ^= static_cast<std::uint64_t>(it->file_size(gone)) * 0x9E3779B97F4A7C15ull;
    part ^= static_cast<std::uint64_t>(it->last_write_time(gone).time_since_epoch().count());
    parts.push_back(part);
  }
  if (error) return 0;
  std::sort(parts.begin(), parts.end());  // the listing's order is the system's
  for (std::uint64_t part : parts) fold(part);
  return stamp;
}

}  // namespace quarnel
