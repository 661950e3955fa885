// Skin packages made for tests from a real one: the same package with one definition value
// changed (another button face, so that a switch to it shows in every window; another frame);
// and writing a package to a file. Test code.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "skin/data/format/skin_reader.h"
#include "skin/data/format/skin_writer.h"

namespace testing_support {

// `packed` with the first "`key`=" line of its definition text set to `value`; empty when
// `packed` cannot be read or has no such line.
inline std::vector<uint8_t> WithDefinitionValue(const std::vector<uint8_t>& packed, const std::string& key,
                                                const std::string& value) {
  quarnel::TSkinReader reader;
  if (!reader.Load(packed)) return {};
  quarnel::TSkinWriter writer;
  bool replaced = false;
  for (const std::string& name : reader.Names()) {
    quarnel::TSkinReader::Bytes entry;
    reader.ExtractFile(name, entry);
    if (name.find(".ini") != std::string::npos) {
      std::string text(entry.begin(), entry.end());
      const size_t at = text.find("\n" + key + "=");
      if (at == std::string::npos) return {};
      text.replace(at + 1, text.find_first_of("\r\n", at + 1) - at - 1, key + "=" + value);
      entry.assign(text.begin(), text.end());
      replaced = true;
    }
    writer.AddEntry(name, std::move(entry));
  }
  return replaced ? writer.Packed(reader.Header().Version) : std::vector<uint8_t>{};
}

// `packed` with its "ButtonFace" set to `rgb` ("48 48 56").
inline std::vector<uint8_t> WithButtonFace(const std::vector<uint8_t>& packed, const std::string& rgb) {
  return WithDefinitionValue(packed, "ButtonFace", rgb);
}

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
  std::vector<uint8_t> bytes;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    uint8_t buffer[65536];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;)
      bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(f);
  }
  return bytes;
}

inline bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace testing_support
