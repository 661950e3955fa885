// Collects a skin's drawn bitmaps and its definition text and puts them in package order.
#include "tools/skingen/skin_generator.h"

#include <algorithm>
#include <stdexcept>

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

std::vector<TSkinBitmap> DrawSkinBitmaps(const TPalette& palette) {
  std::vector<TSkinBitmap> bitmaps = DrawFrameBitmaps(palette);
  for (auto* draw : {&DrawControlBitmaps, &DrawPanelBitmaps}) {
    for (TSkinBitmap& bitmap : (*draw)(palette)) bitmaps.push_back(std::move(bitmap));
  }
  return bitmaps;
}

std::vector<TSkinFile> GenerateSkin(const TSkinStyle& skin) {
  const std::vector<TSkinBitmap> bitmaps = DrawSkinBitmaps(skin.palette);
  std::vector<TSkinFile> files;
  for (const std::string& name : SkinOrder(skin)) {
    if (name == skin.definitionName) {
      const std::string text = SkinDefinition(skin);
      files.push_back({name, std::vector<std::uint8_t>(text.begin(), text.end()), 1, false});
      continue;
    }
    auto found =
        std::find_if(bitmaps.begin(), bitmaps.end(), [&](const TSkinBitmap& b) { return b.name == name; });
    if (found == bitmaps.end()) throw std::logic_error("no bitmap drawn for " + name);
    files.push_back({name, EncodeBmp(found->image), found->frames, found->stacked});
  }
  if (files.size() != bitmaps.size() + 1) throw std::logic_error("a drawn bitmap is missing from the order");
  return files;
}

}  // namespace quarnel::skingen
