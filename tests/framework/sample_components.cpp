// Class information of the framework tests' sample components.
#include "tests/framework/sample_components.h"

const TClassInfo& TSampleItem::StaticClass() {
  static const TClassInfo info = TClassBuilder<TSampleItem>("TSampleItem", &TCollectionItem::StaticClass())
                                     .Str("Text", &TSampleItem::Text, &TSampleItem::SetText)
                                     .Int("Size", &TSampleItem::Size, &TSampleItem::SetSize)
                                     .Build();
  return info;
}

const TClassInfo& TSample::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSample>("TSample", &TComponent::StaticClass())
          .Creatable()
          .Int("Size", &TSample::Size, &TSample::SetSize)
          .Bool("Flag", &TSample::Flag, &TSample::SetFlag)
          .Enum("Shape", ShapeEnum(), &TSample::Shape, &TSample::SetShape)
          .Set("Shapes", ShapeEnum(), &TSample::Shapes, &TSample::SetShapes)
          .Str("Text", &TSample::Text, &TSample::SetText)
          .WStr("WideText", &TSample::WideText, &TSample::SetWideText)
          .Obj("Buddy", &TSample::StaticClass, &TSample::Buddy, &TSample::SetBuddy)
          .Obj("Lines", &TStrings::StaticClass, &TSample::Lines)
          .Obj("Items", &TCollection::StaticClass, &TSample::Items)
          .IntNamed("Colour", &TSample::Colour, &TSample::SetColour, ColourIdent, ColourName)
          .Event("OnPoke", &TSample::OnPoke)
          .Event("OnWeigh", &TSample::OnWeigh)
          .Event("OnMeasure", &TSample::OnMeasure)
          .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

const TClassInfo& TSampleRoot::StaticClass() {
  static const TClassInfo info = TClassBuilder<TSampleRoot>("TSampleRoot", &TSample::StaticClass())
                                     .Creatable()
                                     .Method("Poked", &TSampleRoot::Poked)
                                     .Method("Weighed", &TSampleRoot::Weighed)
                                     .Build();
  return info;
}
