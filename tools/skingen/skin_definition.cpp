// Builds the definition text from the palette and the bitmap geometry, so that colours, cut
// sizes and button positions follow the drawn images.
#include "tools/skingen/skin_definition.h"

#include <initializer_list>
#include <string>
#include <utility>

#include "tools/skingen/skin_bitmaps.h"

namespace quarnel::skingen {
namespace {

using TKeys = std::initializer_list<std::pair<const char*, std::string>>;

std::string Triple(TRgb c) {
  return std::to_string(c.r) + " " + std::to_string(c.g) + " " + std::to_string(c.b);
}

std::string Int(int value) {
  return std::to_string(value);
}

class TDefinitionText {
 public:
  void Comment(const std::string& text) { text_ += "; " + text + "\r\n"; }
  void Section(const char* name, TKeys keys) {
    if (!text_.empty()) text_ += "\r\n";
    text_ += std::string("[") + name + "]\r\n";
    for (const auto& [key, value] : keys) text_ += std::string(key) + "=" + value + "\r\n";
  }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// Margins of an element, in the key order skin authors expect.
TKeys::value_type Left(int v) {
  return {"LeftWidth", Int(v)};
}
TKeys::value_type Top(int v) {
  return {"TopHeight", Int(v)};
}
TKeys::value_type Right(int v) {
  return {"RightWidth", Int(v)};
}
TKeys::value_type Bottom(int v) {
  return {"BottomHeight", Int(v)};
}

void FrameSections(TDefinitionText& ini, const TPalette& p) {
  const std::string caption = Int(kCaptionHeight), border = Int(kBorderWidth), cut = Int(kCornerCut);
  ini.Comment("Window frame: each border piece has an active and an inactive frame.");
  ini.Section("Personality", {{"Left", "frameleft.bmp"},
                              {"LeftTopHeight", caption},
                              {"LeftBotHeight", border},
                              {"LeftFrame", "2"},
                              {"LeftStretch", "1"},
                              {"LeftTrans", "1"},
                              {"Right", "frameright.bmp"},
                              {"RightTopHeight", caption},
                              {"RightBotHeight", border},
                              {"RightFrame", "2"},
                              {"RightStretch", "1"},
                              {"RightTrans", "1"},
                              {"Top", "frametop.bmp"},
                              {"TopTopHeight", cut},
                              {"TopBotHeight", cut},
                              {"TopFrame", "2"},
                              {"TopStretch", "1"},
                              {"TopTrans", "1"},
                              {"Bottom", "framebottom.bmp"},
                              {"BottomTopHeight", "0"},
                              {"BottomBotHeight", "0"},
                              {"BottomFrame", "2"},
                              {"BottomStretch", "1"},
                              {"BottomTrans", "0"},
                              {"TextBack", ""},
                              {"TextShift", "26"},
                              {"TextShiftVert", "1"},
                              {"TextRightClip", "80"},
                              {"TextAlignment", "0"},
                              {"Textbackground", "0"},
                              {"TXTBackleft", "0"},
                              {"TXTBackRight", "0"},
                              {"ActiveTextR", Int(p.active.titleText.r)},
                              {"ActiveTextG", Int(p.active.titleText.g)},
                              {"ActiveTextB", Int(p.active.titleText.b)},
                              {"InActiveTextR", Int(p.inactive.titleText.r)},
                              {"InActiveTextG", Int(p.inactive.titleText.g)},
                              {"InActiveTextB", Int(p.inactive.titleText.b)},
                              {"menuBar", "mincaption.bmp"},
                              {"TileMenu", "1"},
                              {"TileLeftMenu", "2"},
                              {"TileRightMenu", "2"}});
}

void ColourSections(TDefinitionText& ini, const TPalette& p) {
  ini.Section("Colours", {{"WindowText", Triple(p.text)},
                          {"TitleTextActive", Triple(p.active.titleText)},
                          {"TitleTextNoActive", Triple(p.inactive.titleText)},
                          {"ButtonFace", Triple(p.face)},
                          {"ButtonText", Triple(p.text)},
                          {"ButtonHilight", Triple(p.hilight)},
                          {"Buttonlight", Triple(p.light)},
                          {"ButtonShadow", Triple(p.shadow)},
                          {"ButtonDkShadow", Triple(p.darkShadow)},
                          {"HilightText", Triple(p.selectionText)},
                          {"Hilight", Triple(p.selection)},
                          {"Menubar", Triple(p.active.menuBandBottom)},
                          {"MenuBarText", Triple(p.text)},
                          {"MenuText", Triple(p.text)},
                          {"Menu", Triple(p.menu)},
                          {"Scrollbar", Triple(p.scrollTrack)}});
  ini.Section("Fonts", {{"FontHeight", "14"}});
}

void CaptionButtonSections(TDefinitionText& ini) {
  const std::string top = Int(kCaptionButtonTop);
  ini.Comment("Caption buttons: frames normal, pressed, hot, inactive.");
  ini.Section("Button.Close", {{"Action", "0"},
                               {"Align", "1"},
                               {"XCoord", "25"},
                               {"YCoord", top},
                               {"Visibility", "0"},
                               {"ButtonImage", "closebutton.bmp"},
                               {"Frame", "4"}});
  ini.Section("Button.Maximize", {{"Action", "1"},
                                  {"Align", "1"},
                                  {"XCoord", "49"},
                                  {"YCoord", top},
                                  {"Visibility", "2"},
                                  {"Visibility1", "6"},
                                  {"ButtonImage", "maxbutton.bmp"},
                                  {"Frame", "4"}});
  ini.Section("Button.Restore", {{"Action", "1"},
                                 {"Align", "1"},
                                 {"XCoord", "49"},
                                 {"YCoord", top},
                                 {"Visibility", "1"},
                                 {"ButtonImage", "restrorebutton.bmp"},
                                 {"Frame", "4"}});
  ini.Section("Button.Minimize", {{"Action", "2"},
                                  {"Align", "1"},
                                  {"XCoord", "73"},
                                  {"YCoord", top},
                                  {"Visibility", "8"},
                                  {"ButtonImage", "minbutton.bmp"},
                                  {"Frame", "4"}});
  ini.Section("Button.Icon",
              {{"Action", "3"}, {"Align", "0"}, {"XCoord", "8"}, {"YCoord", "7"}, {"Visibility", "0"}});
  ini.Comment("Buttons of a maximised MDI child: minimise, restore, close, four frames each.");
  ini.Section("MDICONTROLS", {{"Image", "mdibutton.bmp"}});
}

void ControlSections(TDefinitionText& ini, const TPalette& p) {
  ini.Comment("Push buttons: normal, pressed, disabled, hot, focused.");
  ini.Section("Buttons", {{"Bitmap", "m4pushbutton.bmp"},
                          Left(4),
                          Top(4),
                          Right(4),
                          Bottom(4),
                          {"Trans", "1"},
                          {"Tile", "0"},
                          {"CheckButton", "checkbox_old.bmp"},
                          {"CheckButtonFrame", "12"},
                          {"RadioButton", "radiobtn_old.bmp"},
                          {"RadioButtonFrame", "8"},
                          {"NormalColour2", Triple(p.text)},
                          {"MouseOverColour2", Triple(p.textHot)},
                          {"PressedColour2", Triple(p.textHot)}});
  ini.Section("Progress", {{"Bitmap", "progress.bmp"},
                           {"Style", "1"},
                           Left(3),
                           Top(3),
                           Right(3),
                           Bottom(3),
                           {"Trans", "1"},
                           {"Tile", "0"}});
  ini.Section("Progress.Chunk", {{"Image", "progresschunk.bmp"},
                                 Left(3),
                                 Top(3),
                                 Right(3),
                                 Bottom(3),
                                 {"Frame", "1"},
                                 {"Trans", "1"},
                                 {"Tile", "0"}});
  ini.Comment("Scroll bars: 23 glyphs (arrows left, right, up, down in the states normal, pressed,");
  ini.Comment("disabled, hot; then the grips of both thumbs), tracks and thumbs.");
  ini.Section("Scrollbar", {{"Image", "scrollbararrow.bmp"}, {"Frame", "23"}, {"Trans", "1"}});
  ini.Section(
      "HorzScroll",
      {{"Image", "scrollbarhbar.bmp"}, Left(2), Top(2), Right(2), Bottom(2), {"Frame", "4"}, {"Tile", "0"}});
  ini.Section(
      "VertScroll",
      {{"Image", "scrollbarvbar.bmp"}, Left(2), Top(2), Right(2), Bottom(2), {"Frame", "4"}, {"Tile", "0"}});
  ini.Section("HorzScrollThumb", {{"Image", "scrollbarhthumb.bmp"},
                                  Left(4),
                                  Top(3),
                                  Right(4),
                                  Bottom(3),
                                  {"FrameCount", "3"},
                                  {"Trans", "1"},
                                  {"Tile", "0"}});
  ini.Section("VertScrollThumb", {{"Image", "scrollbarvthumb.bmp"},
                                  Left(3),
                                  Top(4),
                                  Right(3),
                                  Bottom(4),
                                  {"FrameCount", "3"},
                                  {"Trans", "1"},
                                  {"Tile", "0"}});
  ini.Comment("Track bars: the channel and the thumb (frame 2 is the one drawn).");
  ini.Section("Track", {{"Image", "trackbot.bmp"}, Left(3), Top(2), Right(3), Bottom(2), {"Frame", "1"}});
  ini.Section("Trackbar.ThumbHorz",
              {{"Image", "trackthumbh.bmp"}, Left(3), Top(4), Right(3), Bottom(4), {"Trans", "1"}});
  ini.Comment("Spin buttons: frames 1-4 first half, 5-8 second half (normal, pressed, disabled, hot);");
  ini.Comment("glyphs alike: up or left arrows, then down or right arrows.");
  ini.Section("UpDown.Vert", {{"Image", "spin.bmp"},
                              {"GlyphImage", "spinarrow.bmp"},
                              Left(3),
                              Top(3),
                              Right(3),
                              Bottom(3),
                              {"Trans", "1"}});
  ini.Section("UpDown.Horz", {{"Image", "spinh.bmp"},
                              {"GlyphImage", "spinharrow.bmp"},
                              Left(3),
                              Top(3),
                              Right(3),
                              Bottom(3),
                              {"Trans", "1"}});
}

void PanelSections(TDefinitionText& ini, const TPalette& p) {
  ini.Comment("Tabs: normal, selected, pressed, hot, disabled.");
  ini.Section("Tabs", {{"Image", "tab.bmp"},
                       {"Border", "tabsheet.bmp"},
                       {"Style", "1"},
                       Left(4),
                       Top(4),
                       Right(4),
                       Bottom(3),
                       {"Trans", "1"},
                       {"Tile", "0"},
                       {"NormalColour2", Triple(p.text)},
                       {"MouseOverColour2", Triple(p.textHot)}});
  ini.Section("Tab.Pane", {{"Image", "tabsheet.bmp"}, Left(4), Top(4), Right(4), Bottom(4), {"Frame", "1"}});
  ini.Section("Headerbar",
              {{"Image", "header.bmp"}, Left(3), Top(3), Right(3), Bottom(3), {"Frame", "5"}, {"Tile", "0"}});
  ini.Comment("Status bar panels: lowered, raised, plain.");
  ini.Section("StatusBarEdges", {{"Image", "statusbar.bmp"},
                                 Left(2),
                                 Top(3),
                                 Right(3),
                                 Bottom(2),
                                 {"Frame", "3"},
                                 {"Tile", "0"},
                                 {"NormalColour2", Triple(p.text)}});
  ini.Section("ComboButton", {{"Image", "office2003__comboboxbtn.bmp"},
                              {"Style", "1"},
                              Left(2),
                              Top(2),
                              Right(2),
                              Bottom(2),
                              {"Trans", "1"}});
  ini.Comment("Drop-down arrows (normal, pressed, disabled, hot) and the size grip.");
  ini.Section("ExtraImages", {{"Image", "extraimages.bmp"}, {"Frame", "5"}, {"Trans", "1"}});
  ini.Comment("Popup menus: items normal, separator, disabled, selected, selected and pressed.");
  ini.Section("MenuItem", {{"Image", "office__menuitem.bmp"},
                           Left(4),
                           Top(4),
                           Right(4),
                           Bottom(4),
                           {"Frame", "5"},
                           {"Trans", "1"},
                           {"Tile", "0"}});
  ini.Section("MenuBackground", {{"Image", "office__pulldwnmenu_thin.bmp"},
                                 Left(3),
                                 Top(3),
                                 Right(3),
                                 Bottom(3),
                                 {"Frame", "1"},
                                 {"Tile", "0"}});
}

}  // namespace

std::string SkinDefinition(const TSkinStyle& skin) {
  const TPalette& p = skin.palette;
  TDefinitionText ini;
  ini.Comment(skin.description);
  ini.Section("TitlebarSkin", {{"SkinName", skin.name}});
  FrameSections(ini, p);
  ColourSections(ini, p);
  CaptionButtonSections(ini);
  ControlSections(ini, p);
  PanelSections(ini, p);
  return ini.Text();
}

}  // namespace quarnel::skingen
