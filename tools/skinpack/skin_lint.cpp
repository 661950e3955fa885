// The linter's walk over the definition text: the definition entry itself, sections and keys
// against the table of known ones, each value by its kind, then the images the keys name and
// the files no key names. Pure code, any thread.
#include "tools/skinpack/skin_lint.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>

#include "framework/graphics/bmp_decode.h"
#include "skin/data/format/density_entries.h"
#include "skin/data/format/skin_key_table.h"
#include "skin/data/format/skin_values.h"
#include "tools/skinpack/bitmap_check.h"
#include "tools/skinpack/definition_scan.h"
#include "tools/skinpack/nearest_name.h"
#include "tools/skinpack/skin_lint_density.h"
#include "tools/skinpack/skin_lint_images.h"

namespace quarnel::skinpack {
namespace {

std::string DidYouMean(const std::string& nearest) {
  return nearest.empty() ? "" : " (did you mean \"" + nearest + "\"?)";
}

// The names a misspelt section header may have meant: every exact name, and for a name-prefix
// section the prefix with the header's own ending ("Buton.Close" -> "Button.Close").
std::vector<std::string> SectionCandidates(std::string_view header) {
  std::vector<std::string> names;
  const std::size_t dot = header.find('.');
  for (const TSkinSection& section : SkinSections()) {
    names.emplace_back(section.name);
    if (section.match == TSectionMatch::Prefix && dot != std::string_view::npos)
      names.push_back(section.name + std::string(header.substr(dot)));
  }
  return names;
}

std::vector<std::string> KeyCandidates(const TSkinSection& section) {
  std::vector<std::string> names;
  for (std::span<const TSkinKey> keys : {section.shared, section.own})
    for (const TSkinKey& key : keys) names.emplace_back(key.name);
  return names;
}

// "R G B" as the author means it: three numbers 0-255 apart by blanks or commas.
bool IsColourTriple(std::string_view text) {
  int numbers = 0;
  int value = -1;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      if (value < 0) ++numbers;
      value = (value < 0 ? 0 : value) * 10 + (c - '0');
      if (value > 255) return false;
    } else if (c == ' ' || c == '\t' || c == ',') {
      value = -1;
    } else {
      return false;
    }
  }
  return numbers == 3;
}

class TLinter {
 public:
  explicit TLinter(const std::vector<TSkinFile>& files) : files_(files) {}

  std::vector<TLintFinding> Run() {
    CheckBitmapFiles();
    const TSkinFile* text = DefinitionText();
    if (text) {
      used_.insert(LowerSkinName(text->name));
      textName_ = text->name;
      LintText(ScanDefinition(
          std::string_view(reinterpret_cast<const char*>(text->bytes.data()), text->bytes.size())));
    }
    for (const TSkinFile& file : files_)
      if (!used_.contains(LowerSkinName(file.name))) Warn(file.name, {}, {}, 0, UnusedFileMessage(file));
    return std::move(findings_);
  }

 private:
  void Add(TLintSeverity severity, std::string file, std::string section, std::string key, int line,
           std::string message) {
    findings_.push_back(
        {severity, std::move(file), std::move(section), std::move(key), line, std::move(message)});
  }
  void Warn(std::string file, std::string section, std::string key, int line, std::string message) {
    Add(TLintSeverity::Warning, std::move(file), std::move(section), std::move(key), line,
        std::move(message));
  }
  void Error(std::string section, std::string key, int line, std::string message) {
    Add(TLintSeverity::Error, textName_, std::move(section), std::move(key), line, std::move(message));
  }

  // A density variant is drawn in place of its base image: it is used when that is.
  std::string UnusedFileMessage(const TSkinFile& file) const {
    if (const auto variant = ParseDensityEntryName(file.name); variant && !FindFile(variant->baseName))
      return "a density variant of \"" + variant->baseName + "\", which is not in the skin; nothing draws it";
    return "no key of the definition text names this file; the skin carries it for nothing";
  }

  // The density variants of `base`, which `drawnAs` draws, are used with it and checked once.
  void CheckDensityVariants(const TSkinFile& base, TImageUse drawnAs) {
    for (const TSkinDensity& density : SkinDensities()) {
      const TSkinFile* variant = FindFile(DensityEntryName(base.name, density.dpi));
      if (!variant || !used_.insert(LowerSkinName(variant->name)).second) continue;
      if (auto finding = LintDensityVariant(base, *variant, density.dpi, drawnAs))
        findings_.push_back(std::move(*finding));
    }
  }

  void CheckBitmapFiles() {
    for (const TSkinFile& file : files_) {
      if (!LowerSkinName(file.name).ends_with(".bmp")) continue;
      std::string problem = BitmapProblem(file.bytes);
      if (problem.empty() && fw::bmp::Decode(file.bytes.data(), file.bytes.size()).empty())
        problem = "the engine cannot decode this bitmap (too large, or a form it does not read)";
      if (!problem.empty()) Add(TLintSeverity::Error, file.name, {}, {}, 0, problem);
    }
  }

  // The engine takes the first entry whose name holds ".ini" (in lower case, as a package holds
  // every name); a second one is never read.
  const TSkinFile* DefinitionText() {
    std::vector<const TSkinFile*> texts;
    for (const TSkinFile& file : files_)
      if (LowerSkinName(file.name).find(".ini") != std::string::npos) texts.push_back(&file);
    if (texts.size() != 1)
      Add(TLintSeverity::Error, {}, {}, {}, 0,
          "expected exactly one definition text (.ini), found " + std::to_string(texts.size()));
    return texts.empty() ? nullptr : texts.front();
  }

  const TSkinFile* FindFile(std::string_view name) const {
    const std::string wanted = LowerSkinName(name);
    for (const TSkinFile& file : files_)
      if (LowerSkinName(file.name) == wanted) return &file;
    return nullptr;
  }

  void LintText(const TScannedText& text) {
    for (const TScannedKey& key : text.keysOutside)
      Warn(textName_, {}, key.name, key.line,
           "this key stands before the first [section] header; the engine never reads it");
    for (int line : text.strayLines)
      Warn(textName_, {}, {}, line, "this line is neither a [section] header, a key=value nor a ; comment");
    std::map<std::string, int> firstLine;
    for (const TScannedSection& section : text.sections) {
      if (section.padded) {
        Warn(textName_, section.name, {}, section.line,
             "blanks inside the brackets: the engine finds no keys under this header; write [" +
                 section.name + "]");
        continue;
      }
      const auto [seen, isNew] = firstLine.emplace(LowerSkinName(section.name), section.line);
      if (!isNew) {
        Warn(textName_, section.name, {}, section.line,
             "section [" + section.name + "] is here again (first at line " + std::to_string(seen->second) +
                 "); the engine reads only the first");
        continue;
      }
      const TSkinSection* known = FindSkinSection(section.name);
      if (!known) {
        Warn(textName_, section.name, {}, section.line,
             "the engine reads no section [" + section.name + "]" +
                 DidYouMean(NearestName(section.name, SectionCandidates(section.name))));
        continue;
      }
      LintSection(*known, section);
    }
  }

  void LintSection(const TSkinSection& known, const TScannedSection& section) {
    std::map<std::string, int> firstLine;
    for (const TScannedKey& key : section.keys) {
      const auto [seen, isNew] = firstLine.emplace(LowerSkinName(key.name), key.line);
      if (!isNew) {
        Warn(textName_, section.name, key.name, key.line,
             key.name + " is given again (first at line " + std::to_string(seen->second) +
                 "); the engine reads only the first");
        continue;
      }
      const TSkinKey* table = FindSkinKey(known, key.name);
      if (!table) {
        Warn(textName_, section.name, key.name, key.line,
             "the engine reads no key " + key.name + " in [" + section.name + "]" +
                 DidYouMean(NearestName(key.name, KeyCandidates(known))));
        continue;
      }
      if (!key.value.empty()) LintValue(known, section, *table, key);
    }
  }

  void LintValue(const TSkinSection& known, const TScannedSection& section, const TSkinKey& table,
                 const TScannedKey& key) {
    switch (table.kind) {
      case TSkinValueKind::Text:
        return;
      case TSkinValueKind::Integer: {
        std::int32_t number = 0;
        if (!ParseSkinInteger(key.value, number)) {
          Error(section.name, key.name, key.line, "\"" + key.value + "\" is not a whole number");
        } else if (number < table.min || number > table.max) {
          Error(section.name, key.name, key.line,
                key.value + " is out of range: " + key.name + " takes " + std::to_string(table.min) + " to " +
                    std::to_string(table.max));
        }
        return;
      }
      case TSkinValueKind::Colour:
        if (!IsColourTriple(key.value))
          Error(section.name, key.name, key.line,
                "\"" + key.value + "\" is not a colour: give three numbers 0-255 (red green blue)");
        return;
      case TSkinValueKind::Image:
        LintImageKey(known, section, key);
        return;
    }
  }

  void LintImageKey(const TSkinSection& known, const TScannedSection& section, const TScannedKey& key) {
    if (!IsSkinImageName(key.value)) {
      Error(section.name, key.name, key.line,
            "\"" + key.value + "\" is not a bitmap name: the engine loads only names ending in \".bmp\"");
      return;
    }
    const TSkinFile* file = FindFile(key.value);
    if (!file) file = FindFile(SkinFileNamePart(key.value));
    if (!file) {
      Error(section.name, key.name, key.line, "the bitmap \"" + key.value + "\" is not in the skin");
      return;
    }
    used_.insert(LowerSkinName(file->name));
    const TSkinImage* use = FindSkinImage(known, key.name);
    if (use)
      for (TLintFinding& finding : LintImage(*use, section, key, file->bytes)) {
        finding.file = textName_;
        findings_.push_back(std::move(finding));
      }
    CheckDensityVariants(*file, {use, &section});
  }

  const std::vector<TSkinFile>& files_;
  std::string textName_;
  std::set<std::string> used_;  // lower-case names of the files some key names
  std::vector<TLintFinding> findings_;
};

}  // namespace

std::vector<TLintFinding> LintSkin(const std::vector<TSkinFile>& files) {
  return TLinter(files).Run();
}

}  // namespace quarnel::skinpack
