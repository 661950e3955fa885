// Collects a skin's drawn bitmaps and its definition text and puts them in package order, and
// draws the bitmaps again at twice the size for their density variants.
#include "tools/skingen/skin_generator.h"

#include <algorithm>
#include <stdexcept>

#include "skin/data/format/density_entries.h"
#include "tools/skingen/skin_bitmaps.h"
#include "tools/skingen/skin_definition.h"

namespace quarnel::skingen {

std::vector<std::string> SkinOrder(const TSkinStyle& skin) {
  return {"progress.bmp",
          "progresschunk.bmp",
          "tab.bmp",
          "tabsheet.bmp",
          "office2003__comboboxbtn.bmp",
          "statusbar.bmp",
          "header.bmp",
          "scrollbararrow.bmp",
          "scrollbarhthumb.bmp",
          "scrollbarvthumb.bmp",
          "scrollbarhbar.bmp",
          "scrollbarvbar.bmp",
          "office__pulldwnmenu_thin.bmp",
          "office__menuitem.bmp",
          "extraimages.bmp",
          "trackthumbh.bmp",
          "trackbot.bmp",
          "mdibutton.bmp",
          "spin.bmp",
          "spinarrow.bmp",
          "spinh.bmp",
          "spinharrow.bmp",
          "closebutton.bmp",
          "maxbutton.bmp",
          "minbutton.bmp",
          "restrorebutton.bmp",
          "frameleft.bmp",
          "frameright.bmp",
          "frametop.bmp",
          "framebottom.bmp",
          "mincaption.bmp",
          skin.definitionName,
          "m4pushbutton.bmp",
          "checkbox_old.bmp",
          "radiobtn_old.bmp"};
}

namespace {

const TSkinBitmap& FindBitmap(const std::vector<TSkinBitmap>& bitmaps, const std::string& name) {
  auto found =
      std::find_if(bitmaps.begin(), bitmaps.end(), [&](const TSkinBitmap& b) { return b.name == name; });
  if (found == bitmaps.end()) throw std::logic_error("no bitmap drawn for " + name);
  return *found;
}

}  // namespace

std::vector<TSkinBitmap> DrawSkinBitmaps(const TPalette& palette, int scale) {
  std::vector<TSkinBitmap> bitmaps = DrawFrameBitmaps(palette, scale);
  for (auto* draw : {&DrawControlBitmaps, &DrawPanelBitmaps}) {
    for (TSkinBitmap& bitmap : (*draw)(palette, scale)) bitmaps.push_back(std::move(bitmap));
  }
  return bitmaps;
}

std::vector<TSkinFile> GenerateSkin(const TSkinStyle& skin) {
  const std::vector<TSkinBitmap> bitmaps = DrawSkinBitmaps(skin.palette, 1);
  std::vector<TSkinFile> files;
  for (const std::string& name : SkinOrder(skin)) {
    if (name == skin.definitionName) {
      const std::string text = SkinDefinition(skin);
      files.push_back({name, std::vector<std::uint8_t>(text.begin(), text.end()), 1, false});
      continue;
    }
    const TSkinBitmap& bitmap = FindBitmap(bitmaps, name);
    files.push_back({name, EncodeBmp(bitmap.image), bitmap.frames, bitmap.stacked});
  }
  if (files.size() != bitmaps.size() + 1) throw std::logic_error("a drawn bitmap is missing from the order");
  return files;
}

std::vector<TSkinFile> GenerateDensityVariants(const TSkinStyle& skin) {
  constexpr int kScale = 2;
  const std::vector<TSkinBitmap> bitmaps = DrawSkinBitmaps(skin.palette, kScale);
  std::vector<TSkinFile> files;
  for (const std::string& name : SkinOrder(skin)) {
    if (name == skin.definitionName) continue;
    const TSkinBitmap& bitmap = FindBitmap(bitmaps, name);
    files.push_back(
        {DensityEntryName(name, kScale * 96), EncodeBmp(bitmap.image), bitmap.frames, bitmap.stacked});
  }
  return files;
}

}  // namespace quarnel::skingen
