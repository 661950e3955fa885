// skinpack new: the built-in skins come from the same generator the build draws the shipped
// skins with, so a starter folder is exactly a shipped skin's files.
#include "tools/skinpack/new_command.h"

#include <filesystem>
#include <ostream>

#include "skin/data/format/skin_key_table.h"
#include "tools/skingen/skin_generator.h"
#include "tools/skinpack/skinpack_commands.h"
#include "tools/skinpack/skinpack_files.h"

namespace quarnel::skinpack {
namespace {

namespace fs = std::filesystem;

const skingen::TSkinStyle& ChosenSkin(const std::string& wanted) {
  std::string known;
  for (const skingen::TSkinStyle& skin : skingen::ShippedSkins()) {
    if (SameSkinName(wanted, skin.name) || SameSkinName(wanted, skin.id)) return skin;
    known += std::string(known.empty() ? "" : ", ") + "\"" + skin.name + "\"";
  }
  throw UsageError("no built-in skin is called \"" + wanted + "\" (there are " + known + ")");
}

}  // namespace

int RunNew(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
  std::string folderName;
  const skingen::TSkinStyle* skin = &skingen::ShippedSkins().front();
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--from") {
      if (i + 1 == args.size()) throw UsageError("--from needs a skin name");
      skin = &ChosenSkin(args[++i]);
    } else if (args[i].starts_with("--")) {
      throw UsageError("unknown option " + args[i]);
    } else if (folderName.empty()) {
      folderName = args[i];
    } else {
      throw UsageError("new takes one folder");
    }
  }
  if (folderName.empty()) throw UsageError("new needs a <folder>");
  const fs::path folder = folderName;
  std::error_code error;
  if (fs::exists(folder, error) && !(fs::is_directory(folder, error) && fs::is_empty(folder, error)))
    throw Failure(folder.string() + " already exists and is not an empty folder: nothing written");
  fs::create_directories(folder, error);
  if (!fs::is_directory(folder)) throw Failure("cannot create folder " + folder.string());

  const std::vector<skingen::TSkinFile> files = skingen::GenerateSkin(*skin);
  for (const skingen::TSkinFile& file : files) WriteFile(folder / file.name, file.bytes);
  out << "wrote " << files.size() << " files of " << skin->name << " into " << folder.string() << "\n"
      << "edit them, then: skinpack check " << folder.string() << " && skinpack pack " << folder.string()
      << " my-skin.skn\n";
  return kExitOk;
}

}  // namespace quarnel::skinpack
