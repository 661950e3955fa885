// Files and packages for the skinpack commands, on the command's one thread.
#include "tools/skinpack/skinpack_files.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

namespace quarnel::skinpack {

Bytes ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Failure("cannot open " + path.string());
  Bytes bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad()) throw Failure("cannot read " + path.string());
  return bytes;
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw Failure("cannot write " + path.string());
}

TSkinReader LoadPackage(const std::filesystem::path& path, std::ostream& err) {
  const Bytes packed = ReadFile(path);
  TSkinReader reader;
  const bool loaded = reader.Load(packed);
  if (reader.Result() == TSkinReader::TResult::UnknownVersion) {
    std::string text = TSkinReader::kOlderSkinMessage;
    std::replace(text.begin(), text.end(), '\r', ' ');
    err << "skinpack: " << path.string() << ": " << text << "\n";
  }
  if (!loaded) {
    throw Failure(path.string() + ": not a readable skin package (version " +
                  std::to_string(reader.Header().Version) + ", or more than 1001 entries)");
  }
  return reader;
}

std::uint64_t PresentBytes(const TSkinReader& reader, std::size_t index) {
  std::uint64_t offset = 0;
  for (std::size_t i = 0; i < index; ++i) offset += reader.Sizes()[i];
  const std::uint64_t size = reader.Data().size();
  if (offset >= size) return 0;
  return std::min<std::uint64_t>(reader.Sizes()[index], size - offset);
}

}  // namespace quarnel::skinpack
