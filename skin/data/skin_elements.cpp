// Element records and the slot set of a skin. UI thread.
#include "skin/data/skin_elements.h"

#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_element_table.h"

namespace quarnel {

TDataSkinObject::TDataSkinObject(std::string name, TColor textColour)
    : Name(std::move(name)),
      NormalColour2(textColour),
      MouseOverColour2(textColour),
      PressedColour2(textColour) {}

TDataSkinObject::~TDataSkinObject() = default;

TSkinElements::TSkinElements() {
  Colors.fill(clBtnFace);
  CustomColors.fill(clWhite);
  ResetRecords();
}

TSkinElements::~TSkinElements() = default;

void TSkinElements::ResetRecords() {
  const TColor text = Colors[scButtonText];
  FrameLeft = std::make_unique<TDataSkinBorder>("", text);
  FrameRight = std::make_unique<TDataSkinBorder>("", text);
  FrameTop = std::make_unique<TDataSkinBorder>("", text);
  FrameBottom = std::make_unique<TDataSkinBorder>("", text);
  Buttons = std::make_unique<TDataSkinButton>("", text);
  Title = std::make_unique<TDataSkinTitle>("", text);
  SysButtons.clear();
  for (const TElementRow& row : ElementRows()) row.reset(*this);
}

void TSkinElements::RenewColourObjects() {
  if (FaceBrush) FaceBrush.reset(CreateSolidBrush(ResolveSkinColor(FaceColor())));
}

}  // namespace quarnel
