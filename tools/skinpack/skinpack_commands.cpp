// skinpack commands. Every failure is reported on the error stream with the file it concerns;
// the exit code says whether the command line was wrong (2) or the work failed (1); check's
// exit code says what it found (check_command.h).
#include "tools/skinpack/skinpack_commands.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

#include "quarnel_version.h"
#include "skin/data/format/density_entries.h"
#include "skin/data/format/skin_writer.h"
#include "tools/skinpack/check_command.h"
#include "tools/skinpack/new_command.h"
#include "tools/skinpack/skinpack_files.h"

namespace quarnel::skinpack {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "usage: skinpack <command> ...\n"
    "  pack <folder> <out.skn> [--version N] [--order FILE | NAME...]\n"
    "      pack the files of <folder> into a skin package (default version 60000).\n"
    "      Entries follow --order FILE (one name per line), the NAMEs given, or else the\n"
    "      folder's files sorted by name.\n"
    "  unpack <in.skn> <folder>   write every entry of a package into <folder>\n"
    "  list <in.skn>              show the version and the entries with their sizes, and\n"
    "      which images carry density variants (name@2x.bmp, name@1.5x.bmp)\n"
    "  check <in.skn | folder> [--json]\n"
    "      check a package or an unpacked skin folder: entries, bitmaps, every section, key\n"
    "      and value of the definition text and the images it names. Exit code 0: clean,\n"
    "      1: warnings only, 2: errors. --json prints the findings as JSON on the output.\n"
    "  new <folder> [--from NAME] write a starter skin folder from a built-in skin (default\n"
    "      Longhorn Blue; also \"Graphite Dark\"), ready to edit, check and pack\n"
    "  --help                     show this text\n"
    "  --version                  show the program's version\n"
    "exit codes: 0 success, 1 failure, 2 wrong command line (check: see above)\n";

std::vector<std::string> ReadOrderFile(const fs::path& path) {
  const Bytes bytes = ReadFile(path);
  std::vector<std::string> names;
  std::string line;
  for (std::size_t i = 0; i <= bytes.size(); ++i) {
    if (i == bytes.size() || bytes[i] == '\n') {
      // Trailing blanks and carriage returns (however many an editor left) are not part of a name.
      while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.pop_back();
      if (!line.empty()) names.push_back(line);
      line.clear();
    } else {
      line.push_back(static_cast<char>(bytes[i]));
    }
  }
  return names;
}

std::uint32_t ParseVersion(const std::string& text) {
  std::uint32_t version = 0;
  try {
    std::size_t used = 0;
    const unsigned long value = std::stoul(text, &used);
    if (used != text.size() || value > 0xFFFFFFFFul) throw std::out_of_range(text);
    version = static_cast<std::uint32_t>(value);
  } catch (const std::exception&) {
    throw UsageError("--version needs a number, got \"" + text + "\"");
  }
  if (!SkippedBlockSize(version)) {
    throw UsageError("unknown version " + text + " (known: 20000, 30000, 40000, 50000, 60000, 70000)");
  }
  return version;
}

// Entry names become file names on unpacking: keep them inside the target folder.
bool SafeFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 32;
  });
}

int Pack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2) throw UsageError("pack needs <folder> and <out.skn>");
  const fs::path folder = args[0];
  const fs::path target = args[1];
  std::uint32_t version = kDefaultSkinVersion;
  std::vector<std::string> names;
  std::string orderFile;
  for (std::size_t i = 2; i < args.size(); ++i) {
    if (args[i] == "--version" || args[i] == "--order") {
      if (i + 1 == args.size()) throw UsageError(args[i] + " needs a value");
      if (args[i] == "--version") {
        version = ParseVersion(args[++i]);
      } else {
        orderFile = args[++i];
      }
    } else if (args[i].starts_with("--")) {
      throw UsageError("unknown option " + args[i]);
    } else {
      names.push_back(args[i]);
    }
  }
  if (!orderFile.empty()) {
    if (!names.empty()) throw UsageError("give either --order or entry names, not both");
    names = ReadOrderFile(orderFile);
    if (names.empty()) throw Failure("no entry names in " + orderFile);
  }
  if (!fs::is_directory(folder)) throw Failure("not a folder: " + folder.string());
  if (names.empty()) {
    for (const auto& item : fs::directory_iterator(folder)) {
      if (item.is_regular_file()) names.push_back(item.path().filename().string());
    }
    std::sort(names.begin(), names.end());
  }

  TSkinWriter writer;
  std::size_t definitionTexts = 0;
  for (const std::string& name : names) {
    if (!SafeFileName(name)) throw Failure("not a plain file name: \"" + name + "\"");
    if (name.find(".ini") != std::string::npos || name.find(".INI") != std::string::npos) {
      ++definitionTexts;
    }
    try {
      writer.AddEntry(name, ReadFile(folder / name));
    } catch (const std::invalid_argument& problem) {
      throw Failure(problem.what());
    }
  }
  if (definitionTexts != 1) {
    err << "skinpack: warning: " << definitionTexts << " definition texts (.ini) in the package\n";
  }
  const Bytes packed = writer.Packed(version);
  WriteFile(target, packed);
  out << "packed " << names.size() << " entries (version " << version << ") into " << target.string() << ": "
      << packed.size() << " bytes\n";
  return kExitOk;
}

int Unpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) throw UsageError("unpack needs <in.skn> and <folder>");
  const TSkinReader reader = LoadPackage(args[0], err);
  const fs::path folder = args[1];
  std::error_code error;
  fs::create_directories(folder, error);
  if (!fs::is_directory(folder)) throw Failure("cannot create folder " + folder.string());
  int status = kExitOk;
  std::vector<std::string> written;
  for (const std::string& name : reader.Names()) {
    if (!SafeFileName(name)) {
      err << "skinpack: skipped entry with unsafe name \"" << name << "\"\n";
      status = kExitFailed;
      continue;
    }
    if (std::find(written.begin(), written.end(), name) != written.end()) {
      err << "skinpack: skipped second entry named \"" << name << "\"\n";
      status = kExitFailed;
      continue;
    }
    Bytes bytes;
    reader.ExtractFile(name, bytes);
    WriteFile(folder / name, bytes);
    written.push_back(name);
  }
  out << "unpacked " << written.size() << " entries into " << folder.string() << "\n";
  return status;
}

// What the listing adds about density variants to the line of entry `index`: the variants an
// image carries, or the image a variant belongs to.
std::string DensityNote(const TSkinReader& reader, std::size_t index) {
  const std::vector<std::string>& names = reader.Names();
  const auto has = [&](const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
  };
  if (const auto variant = ParseDensityEntryName(names[index]))
    return "\t(density variant of " + variant->baseName +
           (has(variant->baseName) ? ")" : ", which is missing)");
  std::string variants;
  for (const TSkinDensity& density : SkinDensities())
    if (has(DensityEntryName(names[index], density.dpi)))
      variants += (variants.empty() ? "" : " ") + std::string(density.suffix);
  return variants.empty() ? "" : "\t(density variants: " + variants + ")";
}

int List(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) throw UsageError("list needs <in.skn>");
  const TSkinReader reader = LoadPackage(args[0], err);
  out << "version " << reader.Header().Version << ", " << reader.Names().size() << " entries, "
      << reader.Data().size() << " bytes of data\n";
  for (std::size_t i = 0; i < reader.Names().size(); ++i) {
    out << reader.Sizes()[i] << "\t" << reader.Names()[i] << DensityNote(reader, i);
    const std::uint64_t present = PresentBytes(reader, i);
    if (present != reader.Sizes()[i]) out << "\t(only " << present << " bytes present)";
    out << "\n";
  }
  return kExitOk;
}

}  // namespace

int RunSkinpack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << kUsage;
    return kExitUsage;
  }
  const std::string& command = args[0];
  if (command == "--help" || command == "-h" || command == "help") {
    out << kUsage;
    return kExitOk;
  }
  if (command == "--version") {
    out << "skinpack (" << kProductName << ") " << kVersion << "\n" << kCopyright << "\n";
    return kExitOk;
  }
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  try {
    if (command == "pack") return Pack(rest, out, err);
    if (command == "unpack") return Unpack(rest, out, err);
    if (command == "list") return List(rest, out, err);
    if (command == "check") return RunCheck(rest, out, err);
    if (command == "new") return RunNew(rest, out, err);
    throw UsageError("unknown command \"" + command + "\"");
  } catch (const UsageError& problem) {
    err << "skinpack: " << problem.what() << "\n" << kUsage;
    return kExitUsage;
  } catch (const std::exception& problem) {
    err << "skinpack: " << problem.what() << "\n";
    return kExitFailed;
  }
}

}  // namespace quarnel::skinpack
