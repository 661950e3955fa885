// Collects the drawn bitmaps and the definition text and puts them in package order.
#include "tools/skingen/skin_generator.h"

#include <algorithm>
#include <stdexcept>

#include "tools/skingen/skin_bitmaps.h"
#include "tools/skingen/skin_definition.h"

namespace quarnel::skingen {

const std::vector<std::string>& LonghornBlueOrder() {
  static const std::vector<std::string> order = {"progress.bmp",
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
                                                 kDefinitionName,
                                                 "m4pushbutton.bmp",
                                                 "checkbox_old.bmp",
                                                 "radiobtn_old.bmp"};
  return order;
}

std::vector<TSkinBitmap> DrawLonghornBlueBitmaps() {
  std::vector<TSkinBitmap> bitmaps = DrawFrameBitmaps();
  for (auto* draw : {&DrawControlBitmaps, &DrawPanelBitmaps}) {
    for (TSkinBitmap& bitmap : (*draw)()) bitmaps.push_back(std::move(bitmap));
  }
  return bitmaps;
}

std::vector<TSkinFile> GenerateLonghornBlue() {
  const std::vector<TSkinBitmap> bitmaps = DrawLonghornBlueBitmaps();
  std::vector<TSkinFile> files;
  for (const std::string& name : LonghornBlueOrder()) {
    if (name == kDefinitionName) {
      const std::string text = LonghornBlueDefinition();
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
