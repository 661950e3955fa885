// The colour scheme of a skin: the "Colours" keys with their system-colour defaults, the extra
// colour sections and the custom colours. UI thread.
#include <cctype>
#include <string>

#include "skin/data/skin_element_loader.h"

namespace quarnel::detail {

namespace {

struct ColourKey {
  int index;
  const char* key;
  TColor fallback;  // clNone: the face colour just read
};

// In reading order: the menu bar falls back to the face colour, so the face comes first.
constexpr ColourKey kColourKeys[] = {
    {scWindowText, "WindowText", clWindowText},
    {scButtonFace, "ButtonFace", clBtnFace},
    {scScrollbar, "Scrollbar", clScrollBar},
    {scHilightText, "HilightText", clHighlightText},
    {scHilight, "Hilight", clHighlight},
    {scMenuBar, "Menubar", clNone},
    {scMenu, "Menu", clMenu},
    {scMenuText, "MenuText", clMenuText},
    {scButtonText, "ButtonText", clBtnText},
    {scButtonHilight, "ButtonHilight", clBtnHighlight},
    {scButtonLight, "Buttonlight", clBtnHighlight},
    {scButtonShadow, "ButtonShadow", clBtnShadow},
    {scButtonDkShadow, "ButtonDkShadow", cl3DDkShadow},
    {scMenuBarText, "MenuBarText", clMenuText},
    {scTitleTextActive, "TitleTextActive", clCaptionText},
    {scTitleTextNoActive, "TitleTextNoActive", clInactiveCaptionText},
};

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

void LoadColours(TSkinElements& e, const TSkinDefinition& text) {
  for (const ColourKey& k : kColourKeys) {
    const bool given = text.HasValue("Colours", k.key);
    const TColor fallback = k.fallback == clNone ? e.Colors[scButtonFace] : k.fallback;
    e.Colors[k.index] = text.ReadColor("Colours", k.key, fallback);
    e.ColorGiven[k.index] = given;
  }
  e.SectionColors.clear();
  for (const std::string& section : text.Sections()) {
    const std::string upper = Upper(section);
    if (upper.rfind("COLOUR", 0) == 0 && upper != "COLOURS")
      e.SectionColors.push_back(text.ReadColor(section, "color", clWindowText));
  }
  for (int i = 0; i < kCustomColorCount; ++i)
    e.CustomColors[i] = text.ReadColor("Customcolors", "Color" + std::to_string(i), clWhite);
}

}  // namespace quarnel::detail
