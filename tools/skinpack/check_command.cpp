// skinpack check: the skin's files from a package or a folder, the package's own faults, then
// the linter's findings.
#include "tools/skinpack/check_command.h"

#include <algorithm>
#include <filesystem>
#include <ostream>

#include "tools/skinpack/skin_lint_report.h"
#include "tools/skinpack/skinpack_files.h"

namespace quarnel::skinpack {
namespace {

namespace fs = std::filesystem;

// The regular files of an unpacked skin folder, by name.
std::vector<TSkinFile> FolderFiles(const fs::path& folder) {
  std::vector<TSkinFile> files;
  for (const auto& item : fs::directory_iterator(folder))
    if (item.is_regular_file()) files.push_back({item.path().filename().string(), ReadFile(item.path())});
  std::sort(files.begin(), files.end(),
            [](const TSkinFile& a, const TSkinFile& b) { return a.name < b.name; });
  return files;
}

struct TCheckInput {
  std::vector<TSkinFile> files;
  std::vector<TLintFinding> packageFindings;
  std::string summary;  // what was read, for the summary line
  bool readable = true;
};

TCheckInput PackageFiles(const fs::path& path, std::ostream& err) {
  TCheckInput input;
  try {
    const TSkinReader reader = LoadPackage(path, err);
    for (std::size_t i = 0; i < reader.Names().size(); ++i) {
      const std::string& name = reader.Names()[i];
      if (PresentBytes(reader, i) != reader.Sizes()[i])
        input.packageFindings.push_back({TLintSeverity::Error, name, {}, {}, 0, "entry runs past the end"});
      TSkinFile file{name, {}};
      reader.ExtractFile(name, file.bytes);
      input.files.push_back(std::move(file));
    }
    input.summary = "version " + std::to_string(reader.Header().Version) + ", " +
                    std::to_string(reader.Names().size()) + " entries";
  } catch (const Failure& problem) {
    input.readable = false;
    input.packageFindings.push_back({TLintSeverity::Error, {}, {}, {}, 0, problem.what()});
    input.summary = "unreadable";
  }
  return input;
}

}  // namespace

int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  bool json = false;
  std::vector<std::string> paths;
  for (const std::string& arg : args) {
    if (arg == "--json") {
      json = true;
    } else if (arg.starts_with("--")) {
      throw UsageError("unknown option " + arg);
    } else {
      paths.push_back(arg);
    }
  }
  if (paths.size() != 1) throw UsageError("check needs one <in.skn> or skin folder");
  const TLintOrigin origin{paths[0], fs::is_directory(paths[0])};

  TCheckInput input;
  if (origin.folder) {
    input.files = FolderFiles(origin.path);
    input.summary = std::to_string(input.files.size()) + " files";
  } else {
    input = PackageFiles(origin.path, err);
  }
  std::vector<TLintFinding> findings = std::move(input.packageFindings);
  if (input.readable)
    for (TLintFinding& finding : LintSkin(input.files)) findings.push_back(std::move(finding));

  const int errors = CountFindings(findings, TLintSeverity::Error);
  const int warnings = CountFindings(findings, TLintSeverity::Warning);
  if (json) {
    out << FindingsJson(origin, findings);
  } else {
    PrintFindings(origin, findings, err);
    out << origin.path << ": " << input.summary << ": "
        << (findings.empty()
                ? std::string("OK")
                : std::to_string(errors) + " error(s), " + std::to_string(warnings) + " warning(s)")
        << "\n";
  }
  return errors > 0 ? kCheckErrors : warnings > 0 ? kCheckWarnings : kCheckClean;
}

}  // namespace quarnel::skinpack
