// The element records of a loaded skin (one per skinned part: an image of side-by-side frames
// with cut margins and overrides) and TSkinElements, every slot and colour the loader fills.
// Read by the frame and control skins. UI thread.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/color.h"
#include "framework/win/handles.h"

namespace quarnel {

class TDataSkinObject {
 public:
  explicit TDataSkinObject(std::string name = {}, TColor textColour = clBtnText);
  virtual ~TDataSkinObject();
  TDataSkinObject(const TDataSkinObject&) = delete;
  TDataSkinObject& operator=(const TDataSkinObject&) = delete;

  int32_t LeftWidth = 0;
  int32_t TopHeight = 0;
  int32_t RightWidth = 0;
  int32_t BottomHeight = 0;
  TBitmap Image;
  int32_t Trans = 0;
  int32_t Tile = 0;  // 1: centre tiled, 0: stretched
  std::string Name;
  int32_t FrameCount = 0;
  int32_t Style = 0;
  int32_t NormalColour = -1;  // -1: no override
  int32_t MouseOverColour = -1;
  int32_t PressedColour = -1;
  TColor NormalColour2;
  TColor MouseOverColour2;
  TColor PressedColour2;
};

class TDataSkinBorder : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  TBitmap Image2;
};

class TDataSkinBoxLabel : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int32_t BackgroundLeftShift = 0;
  int32_t BackgroundRightShift = 0;
  int32_t BackgroundAlignment = 0;
};

// A caption button.
class TDataSkinSysButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int32_t Action = 0;
  int32_t Align = 0;
  int32_t XCoord = 0;
  int32_t YCoord = 0;
  int32_t CombineOp = -1;
  int32_t Visibility = 0;
  int32_t Visibility1 = 0;
};

// Push, check and radio buttons.
class TDataSkinButton : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  TBitmap CheckImage;
  TBitmap RadioImage;
  int32_t RadioFrameCount = 0;
  int32_t CheckFrameCount = 0;
  bool HasNormalColour2 = false;
  bool HasMouseOverColour2 = false;
  bool HasPressedColour2 = false;
};

// Caption text. The margins carry the text placement: LeftWidth is the shift, TopHeight the
// vertical shift, RightWidth the right clip; Image is the text backdrop.
class TDataSkinTitle : public TDataSkinObject {
 public:
  using TDataSkinObject::TDataSkinObject;
  int32_t TextShift() const { return LeftWidth; }
  int32_t TextShiftVert() const { return TopHeight; }
  int32_t TextRightClip() const { return RightWidth; }
  int32_t TextAlignment = 0;
  int32_t TextBackground = 0;
  int32_t FontHeight = 14;
  int32_t TextBackLeft = 0;
  int32_t TextBackRight = 0;
  TColor ActiveTextColour = clNone;  // clNone: the skin sets none
  TColor InactiveTextColour = clNone;
};

// Indexes of the colour scheme.
enum TSkinColorIndex {
  scWindowText = 0,
  scTitleTextActive = 1,
  scTitleTextNoActive = 2,
  scButtonFace = 3,
  scButtonText = 4,
  scButtonHilight = 5,
  scButtonLight = 6,
  scButtonShadow = 7,
  scButtonDkShadow = 8,
  scHilightText = 11,
  scHilight = 12,
  scMenuBar = 13,
  scMenuBarText = 14,
  scMenuText = 15,
  scMenu = 16,
  scFrame = 17,
  scScrollbar = 18,
};
constexpr int kSkinColorCount = 19;
constexpr int kCustomColorCount = 10;

// Every slot a skin load fills. Optional slots may be null and are tested before use.
struct TSkinElements {
  TSkinElements();
  ~TSkinElements();

  std::string SkinName;
  std::array<TColor, kSkinColorCount> Colors{};
  std::array<bool, kSkinColorCount> ColorGiven{};
  std::array<TColor, kCustomColorCount> CustomColors{};
  std::vector<TColor> SectionColors;

  // Always present once constructed.
  std::unique_ptr<TDataSkinBorder> FrameLeft, FrameRight, FrameTop, FrameBottom;
  std::unique_ptr<TDataSkinButton> Buttons;
  std::unique_ptr<TDataSkinTitle> Title;
  // Present after a load.
  std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;  // caption buttons, then 3 MDI

  fw::UniqueBrush FaceBrush;  // solid brush of Colors[scButtonFace]

  TColor FaceColor() const { return Colors[scButtonFace]; }
  // The face brush made again: a face the skin leaves to the system follows the system's colour.
  void RenewColourObjects();
  // Frees every optional record (every row of the element table) and the caption buttons; the
  // always-present ones are renewed.
  void ResetRecords();

  // Present when the skin has them (two derived ones after every load): one slot per line of
  // skin_element_slots.inc.
#define QUARNEL_ELEMENT(Record, Slot, ...) std::unique_ptr<Record> Slot;
#include "skin/data/skin_element_slots.inc"
#undef QUARNEL_ELEMENT
};

}  // namespace quarnel
