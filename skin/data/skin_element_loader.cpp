// The element loader's reading steps: skin name, frame borders, buttons, title and the generic
// element sections, in the order the derived steps rely on. UI thread.
#include "skin/data/skin_element_loader.h"

#include <algorithm>

#include "skin/data/draw/draw_helpers.h"
#include "skin/data/format/skin_values.h"
#include "skin/data/skin_element_table.h"
#include "skin/data/skin_resources.h"

namespace quarnel {

bool LoadPackageImage(const TSkinReader& package, std::string_view value, TBitmap& image) {
  image.SetSize(0, 0);
  if (!IsSkinImageName(value)) return false;
  TSkinReader::Bytes bytes;
  if (!package.ExtractFile(value, bytes)) {
    // A value with a folder in front still names the entry by its file name.
    const std::string_view fileName = SkinFileNamePart(value);
    if (fileName.size() == value.size() || !package.ExtractFile(fileName, bytes)) return false;
  }
  if (bytes.empty()) return false;
  return image.LoadFromMemory(bytes.data(), bytes.size());
}

namespace {

constexpr int32_t AtMost(int32_t value, int32_t limit) {
  return value > limit ? limit : value;
}
constexpr int32_t TileFlag(int32_t value) {
  return value > 1 ? 0 : value;
}  // above 1: stretch

class Loader {
 public:
  Loader(TSkinElements& target, const TSkinReader& package, const TSkinDefinition& text)
      : e_(target), package_(package), text_(text) {}

  void Run() {
    e_.SkinName = text_.ReadString("TitlebarSkin", "SkinName");
    ReadFrames();
    detail::LoadColours(e_, text_);
    buttonText_ = e_.Colors[scButtonText];
    detail::LoadCaptionButtons(e_, package_, text_);
    ReadButtons();
    ReadTitle();
    // Every slot of the table is made again or left empty: nothing of the previous skin stays.
    for (const TElementRow& row : ElementRows())
      if (row.read != TElementRead::Derived) row.reset(e_);
    ReadProgress();
    ReadMenuBar();
    for (const TElementRow& row : ElementRows())
      if (row.read == TElementRead::Generic || row.read == TElementRead::GenericFramed) ReadGeneric(row);
    ReadTrack(e_.Track, "Track", "TRACK");
    ReadTrack(e_.TrackVert, "TRACKVERT", "TRACKVERT");
    detail::MirrorComboButton(e_);
    detail::ApplyFrameCounts(e_, text_);
    detail::ComposeCombo(e_);
    detail::BuildComboArrow(e_);
    detail::SampleFrameColour(e_);
    detail::BuildToolbar(e_);
    e_.FaceBrush.reset(CreateSolidBrush(ResolveSkinColor(e_.FaceColor())));
  }

 private:
  // A record for `section` when its image key has a value (the image itself may still be empty).
  template <class T>
  std::unique_ptr<T> Begin(std::string_view section, std::string_view imageKey) {
    const std::string value = text_.ReadString(section, imageKey);
    if (value.empty()) return nullptr;
    auto record = std::make_unique<T>(std::string(section), buttonText_);
    LoadPackageImage(package_, value, record->Image);
    return record;
  }

  // The four cut margins, each defaulting to 0.
  void ReadMargins(TDataSkinObject& r, std::string_view s) {
    r.LeftWidth = text_.ReadInteger(s, "LeftWidth", 0);
    r.RightWidth = text_.ReadInteger(s, "RightWidth", 0);
    r.TopHeight = text_.ReadInteger(s, "TopHeight", 0);
    r.BottomHeight = text_.ReadInteger(s, "BottomHeight", 0);
  }

  void ReadGenericKeys(TDataSkinObject& r, std::string_view s, bool withFrame) {
    r.Style = text_.ReadInteger(s, "Style", 0);
    ReadMargins(r, s);
    if (withFrame) r.FrameCount = text_.ReadInteger(s, "Frame", 0);
    r.Trans = text_.ReadInteger(s, "Trans", 0);
    r.Tile = text_.ReadInteger(s, "Tile", 0);
    ReadColourOverrides(r, s);
    r.Tile = TileFlag(r.Tile);
  }

  void ReadColourOverrides(TDataSkinObject& r, std::string_view s) {
    r.NormalColour = text_.ReadInteger(s, "NormalColour", -1);
    r.MouseOverColour = text_.ReadInteger(s, "MouseOverColour", -1);
    r.PressedColour = text_.ReadInteger(s, "PressedColour", -1);
    r.NormalColour2 = text_.ReadColor(s, "NormalColour2", buttonText_);
    r.MouseOverColour2 = text_.ReadColor(s, "MouseOverColour2", buttonText_);
    r.PressedColour2 = text_.ReadColor(s, "PressedColour2", buttonText_);
  }

  // A table row read the generic way: a record when its image key has a value, then the row's
  // extra keys.
  void ReadGeneric(const TElementRow& row) {
    const std::string value = text_.ReadString(row.section, "Image");
    if (value.empty()) return;
    TDataSkinObject& record = *row.renew(e_, row.section, buttonText_);
    LoadPackageImage(package_, value, record.Image);
    ReadGenericKeys(record, row.section, row.read == TElementRead::GenericFramed);
    if (row.readExtra) row.readExtra(record, TElementSource{package_, text_});
  }

  // The four borders always exist; their two margins run along the border.
  void ReadFrames() {
    struct Side {
      const char* name;
      std::unique_ptr<TDataSkinBorder>* slot;
      bool horizontal;
    };
    const Side sides[] = {{"Left", &e_.FrameLeft, false},
                          {"Right", &e_.FrameRight, false},
                          {"Top", &e_.FrameTop, true},
                          {"Bottom", &e_.FrameBottom, true}};
    for (const Side& side : sides) {
      const std::string prefix = side.name;
      auto border = std::make_unique<TDataSkinBorder>("Personality", buttonText_);
      LoadPackageImage(package_, text_.ReadString("Personality", prefix), border->Image);
      const int32_t first = text_.ReadInteger("Personality", prefix + "TopHeight", 0);
      const int32_t second = text_.ReadInteger("Personality", prefix + "BotHeight", 0);
      if (side.horizontal) {
        border->LeftWidth = first;
        border->RightWidth = second;
      } else {
        border->TopHeight = first;
        border->BottomHeight = second;
      }
      border->FrameCount = text_.ReadInteger("Personality", prefix + "Frame", 1);
      border->Tile = AtMost(text_.ReadInteger("Personality", prefix + "Stretch", 1), 1);
      border->Trans = text_.ReadInteger("Personality", prefix + "Trans", 1);
      *side.slot = std::move(border);
    }
  }

  void ReadButtons() {
    constexpr std::string_view s = "Buttons";
    auto b = std::make_unique<TDataSkinButton>(std::string(s), buttonText_);
    ReadMargins(*b, s);
    b->Trans = text_.ReadInteger(s, "Trans", 0);
    b->Tile = text_.ReadInteger(s, "Tile", 0);
    LoadPackageImage(package_, text_.ReadString(s, "Bitmap"), b->Image);
    LoadPackageImage(package_, text_.ReadString(s, "CheckButton"), b->CheckImage);
    LoadPackageImage(package_, text_.ReadString(s, "RadioButton"), b->RadioImage);
    b->RadioFrameCount = text_.ReadInteger(s, "RadioButtonFrame", 0);
    b->CheckFrameCount = text_.ReadInteger(s, "CheckButtonFrame", 0);
    b->Tile = TileFlag(b->Tile);
    b->HasNormalColour2 = text_.HasValue(s, "NormalColour2");
    b->HasMouseOverColour2 = text_.HasValue(s, "MouseOverColour2");
    b->HasPressedColour2 = text_.HasValue(s, "PressedColour2");
    ReadColourOverrides(*b, s);
    e_.Buttons = std::move(b);
  }

  // A colour given as three keys R, G, B, each 0 or more; otherwise clNone.
  TColor SplitColour(std::string_view section, const std::string& prefix) {
    const int32_t r = text_.ReadInteger(section, prefix + "R", -1);
    const int32_t g = text_.ReadInteger(section, prefix + "G", -1);
    const int32_t b = text_.ReadInteger(section, prefix + "B", -1);
    if (r < 0 || g < 0 || b < 0) return clNone;
    return (r % 256) + (g % 256) * 256 + (b % 256) * 65536;
  }

  void ReadTitle() {
    constexpr std::string_view s = "Personality";
    auto t = std::make_unique<TDataSkinTitle>(std::string(s), buttonText_);
    LoadPackageImage(package_, text_.ReadString(s, "TextBack"), t->Image);
    t->LeftWidth = text_.ReadInteger(s, "TextShift", 0);
    t->TopHeight = text_.ReadInteger(s, "TextShiftVert", 0);
    t->RightWidth = text_.ReadInteger(s, "TextRightClip", 0);
    t->BottomHeight = 0;
    t->TextAlignment = text_.ReadInteger(s, "TextAlignment", 0);
    t->TextBackground = text_.ReadInteger(s, "Textbackground", 0);
    t->TextBackLeft = text_.ReadInteger(s, "TXTBackleft", 0);
    t->TextBackRight = text_.ReadInteger(s, "TXTBackRight", 0);
    t->FontHeight = text_.ReadInteger("Fonts", "FontHeight", 14);
    t->ActiveTextColour = SplitColour(s, "ActiveText");
    t->InactiveTextColour = SplitColour(s, "InActiveText");
    e_.Title = std::move(t);
  }

  void ReadProgress() {
    constexpr std::string_view s = "Progress";
    auto p = Begin<TDataSkinBorder>(s, "Bitmap");
    if (p) {
      p->Style = text_.ReadInteger(s, "Style", 0);
      ReadMargins(*p, s);
      p->Trans = text_.ReadInteger(s, "Trans", 0);
      p->Tile = AtMost(text_.ReadInteger(s, "Tile", 0), 1);
    }
    e_.Progress = std::move(p);
  }

  void ReadMenuBar() {
    constexpr std::string_view s = "Personality";
    auto m = Begin<TDataSkinObject>(s, "menuBar");
    if (m) {
      m->Tile = AtMost(text_.ReadInteger(s, "TileMenu", 1), 1);
      m->LeftWidth = text_.ReadInteger(s, "TileLeftMenu", 1);
      m->RightWidth = text_.ReadInteger(s, "TileRightMenu", 1);
      m->TopHeight = 0;
      m->BottomHeight = 0;
    }
    e_.MenuBar = std::move(m);
  }

  // Without a section of its own the track is the program's built-in bitmap.
  void ReadTrack(std::unique_ptr<TDataSkinObject>& slot, std::string_view section, const char* resource) {
    if (auto record = Begin<TDataSkinObject>(section, "Image")) {
      ReadGenericKeys(*record, section, true);
      slot = std::move(record);
      return;
    }
    slot = std::make_unique<TDataSkinObject>(std::string(section), buttonText_);
    LoadResourceBitmap(resource, slot->Image);
    slot->LeftWidth = slot->TopHeight = slot->RightWidth = slot->BottomHeight = 3;
    slot->Tile = 0;
    slot->FrameCount = 1;
  }

  TSkinElements& e_;
  const TSkinReader& package_;
  const TSkinDefinition& text_;
  TColor buttonText_ = clBtnText;
};

}  // namespace

void LoadSkinElements(TSkinElements& target, const TSkinReader& package, const TSkinDefinition& text) {
  Loader(target, package, text).Run();
}

}  // namespace quarnel
