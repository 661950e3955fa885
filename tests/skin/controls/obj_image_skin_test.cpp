// Foreign check boxes and radio buttons that draw glyph strips of their own, reached through
// their dispatch rows: they get strips cut from the skin's images in their order, reload them,
// and get their own glyphs back at detach. The classes here carry the names the rows give.
#include "framework/ui/control.h"
#include "skin/controls/skin_obj_image.h"
#include "tests/skin/controls/choice_test_support.h"

namespace quarnel::choicetest {
namespace {

// A check box with a custom glyph strip, counting how often it was told to reload it.
class TRzCheckBox : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TRzCheckBox(TComponent* owner) : TWinControl(owner), glyphs_(std::make_unique<TBitmap>()) {}
  TBitmap* CustomGlyphs() const { return glyphs_.get(); }
  int TransparentColor() const { return transparent_; }
  void SetTransparentColor(int v) { transparent_ = v; }
  bool UseCustomGlyphs() const { return use_; }
  void SetUseCustomGlyphs(bool v) {
    if (v && !use_) ++reloads;
    use_ = v;
  }
  int reloads = 0;

 private:
  std::unique_ptr<TBitmap> glyphs_;
  int transparent_ = 0;
  bool use_ = false;
};
const TClassInfo& TRzCheckBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRzCheckBox>("TRzCheckBox", &TWinControl::StaticClass())
          .Obj("CustomGlyphs", &TBitmap::StaticClass, &TRzCheckBox::CustomGlyphs)
          .Int("TransparentColor", &TRzCheckBox::TransparentColor, &TRzCheckBox::SetTransparentColor)
          .Bool("UseCustomGlyphs", &TRzCheckBox::UseCustomGlyphs, &TRzCheckBox::SetUseCustomGlyphs)
          .Build();
  return info;
}
class TRzRadioButton : public TRzCheckBox {
  FW_DECLARE_CLASS()
 public:
  using TRzCheckBox::TRzCheckBox;
};
const TClassInfo& TRzRadioButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRzRadioButton>("TRzRadioButton", &TRzCheckBox::StaticClass()).Build();
  return info;
}

// A check box whose glyph sits in its "Properties" object.
class TCheckProperties : public TPersistent {
  FW_DECLARE_CLASS()
 public:
  TCheckProperties() : glyph_(std::make_unique<TBitmap>()) {}
  TBitmap* Glyph() const { return glyph_.get(); }

 private:
  std::unique_ptr<TBitmap> glyph_;
};
const TClassInfo& TCheckProperties::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCheckProperties>("TCheckProperties", &TPersistent::StaticClass())
          .Obj("Glyph", &TBitmap::StaticClass, &TCheckProperties::Glyph)
          .Build();
  return info;
}
class TcxCheckBox : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TcxCheckBox(TComponent* owner)
      : TWinControl(owner), properties_(std::make_unique<TCheckProperties>()) {}
  TCheckProperties* Properties() const { return properties_.get(); }

 private:
  std::unique_ptr<TCheckProperties> properties_;
};
const TClassInfo& TcxCheckBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TcxCheckBox>("TcxCheckBox", &TWinControl::StaticClass())
          .Obj("Properties", &TCheckProperties::StaticClass, &TcxCheckBox::Properties)
          .Build();
  return info;
}

using ObjImageSkinTest = ChoiceFormTest;

// The glyph `index` (from 0) of a strip of 13-pixel glyphs names the frame it was copied from.
int StripFrame(TBitmap& strip, int index) {
  return FrameOf(strip.PixelAt(index * kGlyph + kGlyph / 2, kGlyph / 2));
}

TEST_F(ObjImageSkinTest, ForeignCheckAndRadioGetSkinStripsAndTheirOwnGlyphsBackAtDetach) {
  MakeStrip(data->Buttons->CheckImage, 12);
  data->Buttons->CheckFrameCount = 12;
  MakeStrip(data->Buttons->RadioImage, 8);
  data->Buttons->RadioFrameCount = 8;
  auto* check = Add<TRzCheckBox>(form, 20, 20, 100, 20);
  auto* radio = Add<TRzRadioButton>(form, 20, 50, 100, 20);
  auto* cx = Add<TcxCheckBox>(form, 20, 80, 100, 20);
  ShowAndSkin();
  auto* checkSkin = SkinOf<TSkinObjImage>(check->Handle());
  auto* radioSkin = SkinOf<TSkinObjImage>(radio->Handle());
  auto* cxSkin = SkinOf<TSkinObjImage>(cx->Handle());
  ASSERT_NE(checkSkin, nullptr);
  ASSERT_NE(radioSkin, nullptr);
  ASSERT_NE(cxSkin, nullptr);
  EXPECT_EQ(checkSkin->Kind(), oikCheckBox);
  EXPECT_EQ(radioSkin->Kind(), oikRadioButton);
  EXPECT_EQ(cxSkin->Kind(), oikPropertiesBox);

  EXPECT_TRUE(check->UseCustomGlyphs());
  EXPECT_EQ(check->reloads, 1);
  EXPECT_EQ(check->TransparentColor(), 0xFF00FF);
  TBitmap& checks = *check->CustomGlyphs();
  ASSERT_EQ(checks.Width(), 9 * kGlyph);
  const int checkFrames[9] = {1, 5, 9, 4, 8, 12, 3, 7, 11};
  for (int i = 0; i < 9; ++i) EXPECT_EQ(StripFrame(checks, i), checkFrames[i]) << i;
  TBitmap& radios = *radio->CustomGlyphs();
  ASSERT_EQ(radios.Width(), 6 * kGlyph);
  const int radioFrames[6] = {1, 5, 4, 8, 3, 7};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(StripFrame(radios, i), radioFrames[i]) << i;
  TBitmap& cxGlyph = *cx->Properties()->Glyph();
  ASSERT_EQ(cxGlyph.Width(), 6 * kGlyph);
  EXPECT_EQ(StripFrame(cxGlyph, 2), 9);

  // A new skin image reaches the control through UpdateSkin.
  MakeStrip(data->Buttons->CheckImage, 4);
  data->Buttons->CheckFrameCount = 4;
  checkSkin->UpdateSkin();
  EXPECT_EQ(StripFrame(checks, 1), 2);
  EXPECT_EQ(StripFrame(checks, 5), 4) << "a short strip repeats its frames";

  checkSkin->Detach();
  radioSkin->Detach();
  cxSkin->Detach();
  EXPECT_FALSE(check->UseCustomGlyphs());
  EXPECT_FALSE(radio->UseCustomGlyphs());
  EXPECT_TRUE(cx->Properties()->Glyph()->Empty());
}

}  // namespace
}  // namespace quarnel::choicetest
