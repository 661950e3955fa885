// The control skin base: colour and ParentBackground taken and given back, the skin's colour
// after UpdateSkin, nothing touched after the window is gone, the mouse-down position rule, and
// the property helpers on missing properties.
#include <gtest/gtest.h>

#include "framework/core/properties.h"
#include "framework/ui/application.h"
#include "framework/ui/button.h"
#include "framework/ui/form.h"
#include "skin/controls/control_fills.h"
#include "skin/controls/skin_control.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"
#include "skin/frame/win_skin_form.h"
#include "tests/skin/controls/skin_test_form.h"
#include "tests/support/window_support.h"

namespace quarnel {
namespace {

using testing_support::flush_events;

// A windowed control with a ParentBackground property.
class TTestPanel : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  using TWinControl::TWinControl;
  bool ParentBackground() const { return parentBackground_; }
  void SetParentBackground(bool v) { parentBackground_ = v; }
  // Window sizes stop at 32767; the control's own size may be larger (a scrolled document).
  void SetLogicalHeight(int h) { height_ = h; }

 private:
  bool parentBackground_ = true;
};
const TClassInfo& TTestPanel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTestPanel>("TTestPanel", &TWinControl::StaticClass())
          .Bool("ParentBackground", &TTestPanel::ParentBackground, &TTestPanel::SetParentBackground)
          .Build();
  return info;
}

using controltest::BuiltInSkin;
using controltest::MakeFormSkin;

class SkinBaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application()->Initialize();
    data = &BuiltInSkin();
    ASSERT_FALSE(data->Empty());
    form = Application()->CreateForm<TForm>();
    form->SetBounds(30, 30, 300, 200);
    panel = TComponent::CreateIn<TTestPanel>(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 100, 60);
    panel->SetColor(0x123456);
    form->Show();
    formSkin = MakeFormSkin(form, data);
  }
  void TearDown() override {
    if (formSkin) formSkin->Controls().ReleaseControlSkins(false);
    formSkin.reset();
    Application()->DestroyComponent(form);
    flush_events();
  }
  TSkinControl* AttachBase(TWinControl* control, bool useSkinColor) {
    auto* skin = TComponent::CreateIn<TSkinControl>(control);
    skin->Attach(&formSkin->Controls(), data, useSkinColor, &formSkin->Controls().HostCanvas());
    return skin;
  }
  TSkinData* data = nullptr;
  TForm* form = nullptr;
  TTestPanel* panel = nullptr;
  ComponentPtr<TWinSkinForm> formSkin;
};

TEST_F(SkinBaseTest, SkinColourAndParentBackgroundAreTakenAndGivenBack) {
  TSkinControl* skin = AttachBase(panel, true);
  EXPECT_EQ(panel->Color(), data->FaceColor());
  EXPECT_FALSE(panel->ParentBackground());
  EXPECT_EQ(skin->Variant(), 1);
  EXPECT_EQ(skin->Attachment().State(), scsAttached);
  skin->Detach();
  EXPECT_EQ(panel->Color(), static_cast<TColor>(0x123456));
  EXPECT_TRUE(panel->ParentBackground());
}

TEST_F(SkinBaseTest, ParentBackgroundStaysWhenTheSkinOptionAsksForIt) {
  const TSkinOptionSet saved = data->Options();
  data->SetOptions(saved | Bit(xoParentBackGround));
  TSkinControl* skin = AttachBase(panel, true);
  data->SetOptions(saved);
  EXPECT_TRUE(panel->ParentBackground());
  EXPECT_EQ(skin->Variant(), 0);
}

TEST_F(SkinBaseTest, UpdateSkinAppliesTheNewFaceColour) {
  TSkinControl* skin = AttachBase(panel, true);
  const TColor face = data->Colors[scButtonFace];
  data->Colors[scButtonFace] = 0x00A0B0;
  skin->UpdateSkin();
  EXPECT_EQ(panel->Color(), static_cast<TColor>(0x00A0B0));
  data->Colors[scButtonFace] = face;
}

TEST_F(SkinBaseTest, QuerySkinnedIsAnsweredAndNotPassedOn) {
  int reached = 0;
  panel->WindowProc = [&reached, p = panel](TMessage& m) {
    if (m.Msg == SKM_QUERYSKINNED) ++reached;
    p->WndProc(m);
  };
  AttachBase(panel, false);
  EXPECT_EQ(SendMessageW(panel->Handle(), SKM_QUERYSKINNED, 0, 0), 1);
  EXPECT_EQ(reached, 0);
  EXPECT_EQ(panel->Color(), static_cast<TColor>(0x123456)) << "no colour without the flag";
  formSkin->Controls().ReleaseControlSkins(false);
  EXPECT_EQ(SendMessageW(panel->Handle(), SKM_QUERYSKINNED, 0, 0), 0);
  EXPECT_EQ(reached, 1) << "the saved message method is back";
}

TEST_F(SkinBaseTest, AfterTheWindowIsGoneDetachLeavesTheControlAlone) {
  TSkinControl* skin = AttachBase(panel, true);
  panel->DestroyHandle();
  EXPECT_EQ(skin->Attachment().State(), scsWindowGone);
  EXPECT_FALSE(skin->Attachment().Active());
  EXPECT_EQ(panel->Color(), data->FaceColor()) << "not given back once the window got WM_NCDESTROY";
  EXPECT_FALSE(panel->ParentBackground());
  formSkin->Controls().AttachControlSkins();  // frees the objects whose window is gone
  EXPECT_TRUE(formSkin->Controls().ControlSkins().empty());
}

TEST_F(SkinBaseTest, FreeingTheControlFirstLeavesNothingDangling) {
  AttachBase(panel, false);
  ASSERT_EQ(formSkin->Controls().ControlSkins().size(), 1u);
  form->DestroyComponent(panel);
  panel = nullptr;
  EXPECT_TRUE(formSkin->Controls().ControlSkins().empty());
}

// A skin that hooks a control it is not owned by (a speed button's skin lives on the host).
class THookingSkin : public TSkinControl {
 public:
  using TSkinControl::Hook;
  using TSkinControl::TSkinControl;
};

TEST_F(SkinBaseTest, AHookedControlFreedFirstIsNotTouchedAgain) {
  auto* skin = TComponent::CreateIn<THookingSkin>(form);
  skin->Hook().HookControl(*panel);
  ASSERT_TRUE(skin->Hook().Installed());
  form->DestroyComponent(panel);
  panel = nullptr;
  EXPECT_FALSE(skin->Hook().Installed()) << "nothing is left to put back into a freed control";
  TMessage message{WM_USER, 0, 0, 7};
  skin->CallSaved(message);
  EXPECT_EQ(message.Result, 0) << "messages no longer reach the freed control's method";
  form->DestroyComponent(skin);
}

TEST_F(SkinBaseTest, FreeingTheFormSkinFirstRestoresTheMessageMethod) {
  AttachBase(panel, false);
  formSkin->Controls().ReleaseControlSkins(true);
  formSkin.reset();
  EXPECT_EQ(SendMessageW(panel->Handle(), SKM_QUERYSKINNED, 0, 0), 0);
}

TEST_F(SkinBaseTest, EnableSkinSwitchesTheHooksOffAndOn) {
  TSkinControl* skin = AttachBase(panel, false);
  SendMessageW(panel->Handle(), SKM_ENABLESKIN, 0, 0);
  EXPECT_FALSE(skin->Attachment().Active());
  EXPECT_EQ(SendMessageW(panel->Handle(), SKM_QUERYSKINNED, 0, 0), 0);
  SendMessageW(panel->Handle(), SKM_ENABLESKIN, 2, 0);
  EXPECT_TRUE(skin->Attachment().Active());
  EXPECT_EQ(SendMessageW(panel->Handle(), SKM_QUERYSKINNED, 0, 0), 1);
}

// The forwarding as a skin uses it (a push button hands its press on this way).
TEST_F(SkinBaseTest, MouseDownOnAHugeControlReportsTheCursorPosition) {
  int gotX = -1, gotY = -1;
  panel->OnMouseDown = [&](TObject*, TMouseButton button, TShiftState, int x, int y) {
    EXPECT_EQ(button, mbLeft);
    gotX = x;
    gotY = y;
  };
  const TSkinControl* skin = AttachBase(panel, false);
  panel->SetLogicalHeight(40000);
  POINT cursor{60, 70};
  SetCursorPos(cursor.x, cursor.y);
  POINT expected = cursor;
  ScreenToClient(panel->Handle(), &expected);
  ASSERT_FALSE(expected.x == 3 && expected.y == 4);
  ForwardMouseDown(*skin, MK_LBUTTON, POINT{3, 4});
  EXPECT_EQ(gotX, expected.x);
  EXPECT_EQ(gotY, expected.y);
  panel->SetLogicalHeight(60);
  ForwardMouseDown(*skin, MK_LBUTTON, POINT{3, 4});
  EXPECT_EQ(gotX, 3);
  EXPECT_EQ(gotY, 4);
  // Negative positions (a drag started outside) keep their sign.
  ForwardMouseDown(*skin, MK_LBUTTON, MousePoint(MAKELPARAM(static_cast<WORD>(-5), 4)));
  EXPECT_EQ(gotX, -5);
}

// An element's frame drawn with its own margins, centre tiling and transparency: every target
// pixel is read against the raw image pixel it must come from.
TEST(DrawElementFrameTest, MarginsTileAndTransparencyComeFromTheElement) {
  constexpr int kFrame = 12, L = 2, T = 3, R = 4, B = 1;  // centre 6 x 8
  const COLORREF magenta = RGB(255, 0, 255), background = RGB(1, 2, 3);
  // Corners and centre have a colour per pixel; an edge's colour changes only across it, as
  // edges are stretched along their length.
  auto source = [&](int frame, int x, int y) {
    if ((x == 0 && y == 0) || (x == L + 1 && y == T + 2)) return magenta;  // a corner and a centre pixel
    const bool midX = x >= L && x < kFrame - R, midY = y >= T && y < kFrame - B;
    return RGB(midX && !midY ? 5 : 10 + 10 * x, midY && !midX ? 5 : 10 + 10 * y, 100 * frame);
  };
  TDataSkinObject element;
  element.LeftWidth = L, element.TopHeight = T, element.RightWidth = R, element.BottomHeight = B;
  element.Tile = 1, element.Trans = 1;
  element.Image.SetPixelFormat(pf24bit);
  element.Image.SetSize(2 * kFrame, kFrame);
  for (int y = 0; y < kFrame; ++y)
    for (int x = 0; x < 2 * kFrame; ++x) {
      const COLORREF c = source(x / kFrame + 1, x % kFrame, y);
      uint8_t* p = element.Image.ScanLine(y) + 3 * x;
      p[0] = GetBValue(c), p[1] = GetGValue(c), p[2] = GetRValue(c);
    }
  TBitmap target(26, 22, pf32bit);
  FillColor(target.DC(), RECT{0, 0, 26, 22}, background);
  const RECT rect{3, 2, 23, 20};  // 20 x 18: the 6 x 8 centre tiles over 14 x 14
  DrawElementFrame(target.DC(), rect, element, 2, 2);
  auto from = [](int v, int size, int low, int high, int centre) {
    return v < low ? v : (v >= size - high ? kFrame - (size - v) : low + (v - low) % centre);
  };
  for (int y = 0; y < 22; ++y)
    for (int x = 0; x < 26; ++x) {
      COLORREF want = background;
      if (x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom) {
        want = source(2, from(x - rect.left, 20, L, R, 6), from(y - rect.top, 18, T, B, 8));
        if (want == magenta) want = background;
      }
      ASSERT_EQ(target.PixelAt(x, y), want) << x << "," << y;
    }
}

TEST(PropertyHelpersTest, MissingPropertiesAndNilObjects) {
  auto button = TComponent::Make<TButton>();
  EXPECT_EQ(GetOrdPropByName(nullptr, "Width"), -1);
  EXPECT_EQ(GetOrdPropByName(button.get(), "NoSuch"), -1);
  EXPECT_EQ(GetOrdPropByName(button.get(), "Width"), 75);
  EXPECT_EQ(GetOrdPropByName(button.get(), "Default"), -1) << "a boolean is not an integer";
  EXPECT_EQ(GetEnumPropByName(button.get(), "Default"), "False");
  EXPECT_EQ(GetEnumPropByName(button.get(), "Width"), "");
  button->SetCaption("Go");
  EXPECT_EQ(GetTextPropByName(button.get(), "Caption"), L"Go");
  EXPECT_EQ(GetTextPropByName(button.get(), "NoSuch"), L"");
  EXPECT_NE(GetObjectPropByName(button.get(), "Font", TFont::StaticClass()), nullptr);
  EXPECT_EQ(GetObjectPropByName(button.get(), "Font", TButton::StaticClass()), nullptr);
  SetPropByName(button.get(), "Width", "90");
  SetPropByName(button.get(), "Default", "True");
  SetPropByName(button.get(), "Caption", "Stop");
  SetPropByName(button.get(), "NoSuch", "1");
  SetPropByName(nullptr, "Width", "1");
  EXPECT_EQ(button->Width(), 90);
  EXPECT_TRUE(button->Default());
  EXPECT_EQ(button->Caption(), "Stop");
}

}  // namespace
}  // namespace quarnel
