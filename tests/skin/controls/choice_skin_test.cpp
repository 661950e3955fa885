// Check boxes, radio buttons, group boxes and containers skinned under Wine: the glyph frame
// of each state for 4-, 5-, 8- and 12-frame images read back from the pixels, real clicks that
// toggle and keep a radio group exclusive, the right-button style, the group box caption over
// its frame, dialog controls skinned, colours given back, the system look restored with
// the skin off, and repeated repaints that leak nothing.
#include <vector>

#include "framework/controls/check_box.h"
#include "framework/controls/group_box.h"
#include "framework/controls/panel.h"
#include "framework/controls/radio_group.h"
#include "framework/graphics/scratch_bitmap.h"
#include "framework/ui/private_messages.h"
#include "framework/win/object_counts.h"
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_check.h"
#include "skin/controls/skin_group_box.h"
#include "tests/skin/controls/choice_test_support.h"

namespace quarnel::choicetest {
namespace {

using testing_support::gdi_objects;
using testing_support::user_objects;

int GlyphFrame(HWND window, bool right = false) {
  const testing_support::Capture c = capture_window(window);
  return FrameOf(c.at(right ? c.width - kGlyph / 2 - 1 : kGlyph / 2, c.height / 2));
}

// Frames expected per state: unchecked, checked, grayed, disabled, checked disabled, hot, pressed.
struct CheckCase {
  int frames;
  int unchecked, checked, grayed, disabled, checkedDisabled, hot, pressed;
};

class CheckFramesTest : public ChoiceFormTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(CheckFramesTest, EachStateShowsItsFrame) {
  const CheckCase k = GetParam();
  MakeStrip(data->Buttons->CheckImage, k.frames);
  data->Buttons->CheckFrameCount = k.frames;
  auto* box = Add<TCheckBox>(form, 20, 20, 160, 20);
  box->SetCaption("Check box");
  box->SetAllowGrayed(true);
  ShowAndSkin();
  HWND w = box->Handle();
  auto* skin = SkinOf<TSkinCheckBox>(w);
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->Variant, 1);
  EXPECT_EQ(GlyphFrame(w), k.unchecked);
  box->SetState(cbChecked);
  flush_events(30);
  EXPECT_EQ(GlyphFrame(w), k.checked);
  box->SetState(cbGrayed);
  flush_events(30);
  EXPECT_EQ(GlyphFrame(w), k.grayed);
  box->SetState(cbUnchecked);
  box->SetEnabled(false);
  flush_events(30);
  EXPECT_EQ(GlyphFrame(w), k.disabled);
  box->SetState(cbChecked);
  flush_events(30);
  EXPECT_EQ(GlyphFrame(w), k.checkedDisabled);
  box->SetState(cbUnchecked);
  box->SetEnabled(true);

  // Hot under the pointer, pressed while the button is down, checked by the release over it.
  testing_support::move_mouse(CentreOf(w, 40));
  ASSERT_TRUE(testing_support::wait_until([&] { return GlyphFrame(w) == k.hot; }, 2000)) << GlyphFrame(w);
  testing_support::mouse_left_button(true);
  EXPECT_TRUE(testing_support::wait_until([&] { return GlyphFrame(w) == k.pressed; }, 2000)) << GlyphFrame(w);
  testing_support::mouse_left_button(false);
  EXPECT_TRUE(testing_support::wait_until([&] { return box->State() == cbChecked; }, 2000));
  SaveShot(w, ("check_" + std::to_string(k.frames) + "_frames").c_str());
}

INSTANTIATE_TEST_SUITE_P(ImageSizes, CheckFramesTest,
                         ::testing::Values(CheckCase{4, 1, 2, 4, 3, 4, 1, 1},
                                           CheckCase{5, 1, 2, 4, 3, 4, 1, 1},
                                           CheckCase{12, 1, 5, 9, 4, 8, 2, 3}),
                         [](const auto& info) { return std::to_string(info.param.frames) + "Frames"; });

class RadioFramesTest : public ChoiceFormTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(RadioFramesTest, ClicksKeepTheGroupExclusiveAndEachStateShowsItsFrame) {
  const CheckCase k = GetParam();
  MakeStrip(data->Buttons->RadioImage, k.frames);
  data->Buttons->RadioFrameCount = k.frames;
  auto* one = Add<TRadioButton>(form, 20, 20, 160, 20);
  auto* two = Add<TRadioButton>(form, 20, 50, 160, 20);
  one->SetCaption("One");
  two->SetCaption("Two");
  one->SetChecked(true);
  ShowAndSkin();
  ASSERT_NE(SkinOf<TSkinRadioButton>(one->Handle()), nullptr);
  ASSERT_NE(SkinOf<TSkinRadioButton>(two->Handle()), nullptr);
  EXPECT_EQ(GlyphFrame(one->Handle()), k.checked);
  EXPECT_EQ(GlyphFrame(two->Handle()), k.unchecked);

  testing_support::move_mouse(CentreOf(two->Handle(), 40));
  EXPECT_TRUE(testing_support::wait_until([&] { return GlyphFrame(two->Handle()) == k.hot; }, 2000));
  testing_support::mouse_left_button(true);
  EXPECT_TRUE(testing_support::wait_until([&] { return GlyphFrame(two->Handle()) == k.pressed; }, 2000));
  testing_support::mouse_left_button(false);
  ASSERT_TRUE(testing_support::wait_until([&] { return two->Checked(); }, 2000));
  EXPECT_FALSE(one->Checked());
  testing_support::move_mouse(CentreOf(form->Handle()));
  EXPECT_TRUE(testing_support::wait_until([&] { return GlyphFrame(two->Handle()) == k.checked; }, 2000))
      << "no longer hot once the pointer left";
  EXPECT_EQ(GlyphFrame(one->Handle()), k.unchecked);

  two->SetEnabled(false);
  one->SetEnabled(false);
  flush_events(30);
  EXPECT_EQ(GlyphFrame(two->Handle()), k.checkedDisabled);
  EXPECT_EQ(GlyphFrame(one->Handle()), k.disabled);
}

INSTANTIATE_TEST_SUITE_P(ImageSizes, RadioFramesTest,
                         ::testing::Values(CheckCase{4, 1, 2, 0, 3, 4, 1, 1},
                                           CheckCase{8, 1, 5, 0, 4, 8, 2, 3}),
                         [](const auto& info) { return std::to_string(info.param.frames) + "Frames"; });

using ChoiceSkinTest = ChoiceFormTest;

TEST_F(ChoiceSkinTest, RightButtonStyleDrawsTheBoxAtTheRight) {
  MakeStrip(data->Buttons->CheckImage, 4);
  data->Buttons->CheckFrameCount = 4;
  auto* box = Add<TCheckBox>(form, 20, 20, 160, 20);
  box->SetCaption("Caption first");
  box->SetAlignment(lrLeftJustify);
  box->SetChecked(true);
  ShowAndSkin();
  EXPECT_EQ(GlyphFrame(box->Handle(), true), 2);
  EXPECT_EQ(GlyphFrame(box->Handle(), false), 0) << "the left edge holds the caption";
}

TEST_F(ChoiceSkinTest, SpaceKeyPressesAndTogglesTheFocusedCheckBox) {
  MakeStrip(data->Buttons->CheckImage, 12);
  data->Buttons->CheckFrameCount = 12;
  auto* box = Add<TCheckBox>(form, 20, 20, 160, 20);
  box->SetCaption("Keyboard");
  // The pointer stays clear of the box: over it, the box would show its hot frames.
  testing_support::move_mouse(POINT{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1});
  ShowAndSkin();
  SetForegroundWindow(form->Handle());
  SetFocus(box->Handle());
  ASSERT_TRUE(testing_support::wait_until([&] { return GetFocus() == box->Handle(); }, 2000));
  INPUT key{};
  key.type = INPUT_KEYBOARD;
  key.ki.wVk = VK_SPACE;
  SendInput(1, &key, sizeof key);
  EXPECT_TRUE(testing_support::wait_until([&] { return GlyphFrame(box->Handle()) == 3; }, 2000))
      << "pressed while the key is down: " << GlyphFrame(box->Handle());
  key.ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(1, &key, sizeof key);
  EXPECT_TRUE(testing_support::wait_until([&] { return box->State() == cbChecked; }, 2000));
  EXPECT_TRUE(testing_support::wait_until([&] { return GlyphFrame(box->Handle()) == 5; }, 2000));
}

TEST_F(ChoiceSkinTest, GroupBoxCaptionInterruptsItsRoundedFrame) {
  auto* group = Add<TGroupBox>(form, 20, 20, 200, 120);
  group->SetCaption("Group caption");
  ShowAndSkin();
  ASSERT_NE(SkinOf<TSkinGroupBox>(group->Handle()), nullptr);
  const testing_support::Capture c = capture_window(group->Handle());
  const COLORREF shadow = ColorToRGB(data->Colors[scButtonShadow]);
  int line = -1;  // the frame's top row, found in the right half where no caption is
  for (int y = 0; y < c.height / 2 && line < 0; ++y)
    if (c.at(c.width - 30, y) == shadow) line = y;
  ASSERT_GE(line, 0);
  int underCaption = 0;
  for (int x = 12; x < 50; ++x) underCaption += c.at(x, line) == shadow;
  EXPECT_EQ(underCaption, 0) << "the caption's background covers the line";
  EXPECT_EQ(c.at(1, c.height / 2), shadow) << "left side of the frame";
  EXPECT_EQ(c.at(c.width / 2, c.height / 2), ColorToRGB(data->FaceColor()));
  SaveShot(group->Handle(), "group_box");
}

// A transparent check box or radio button shows the part of its group that lies under it: inside
// the group that is the plain face, never the group's own corner, frame line or caption.
TEST_F(ChoiceSkinTest, TransparentChoicesInsideAGroupShowThePartOfTheGroupUnderThem) {
  MakeStrip(data->Buttons->CheckImage, 4);
  data->Buttons->CheckFrameCount = 4;
  MakeStrip(data->Buttons->RadioImage, 4);
  data->Buttons->RadioFrameCount = 4;
  auto* group = Add<TGroupBox>(form, 10, 10, 190, 130);
  group->SetCaption("Group caption");
  auto* box = Add<TCheckBox>(group, 40, 40, 140, 20);
  auto* radio = Add<TRadioButton>(group, 40, 80, 140, 20);
  auto* radios = Add<TRadioGroup>(form, 210, 10, 190, 130);
  radios->SetCaption("Radio group caption");
  radios->Items()->Add("First");
  radios->Items()->Add("Second");
  std::vector<TControl*> inside{box, radio};
  box->SetCaption("Box");
  radio->SetCaption("Radio");
  for (int i = 0; i < radios->ButtonCount(); ++i) inside.push_back(radios->Buttons(i));
  for (TControl* c : inside) c->SetTag(kTransparentChoiceTag);
  ShowAndSkin();
  ASSERT_NE(SkinOf<TSkinGroupBox>(group->Handle()), nullptr);
  ASSERT_NE(SkinOf<TSkinGroupBox>(radios->Handle()), nullptr);
  const COLORREF face = ColorToRGB(data->FaceColor());
  for (TControl* c : inside) {
    HWND window = static_cast<TWinControl*>(c)->Handle();
    auto* skin = SkinOf<TSkinChoice>(window);
    ASSERT_NE(skin, nullptr) << c->Caption();
    ASSERT_EQ(skin->Transparent, 1);
    ASSERT_EQ(skin->Variant, 1) << "painted whole by the skin";
    const testing_support::Capture shot = capture_window(window);
    // The right part of the control holds neither glyph nor caption: only what is under it.
    int other = 0;
    for (int y = 0; y < shot.height; ++y)
      for (int x = shot.width - 40; x < shot.width; ++x) other += shot.at(x, y) != face;
    EXPECT_EQ(other, 0) << c->Caption() << ": pixels of the group's corner or caption";
    EXPECT_EQ(FrameOf(shot.at(kGlyph / 2, shot.height / 2)), 1) << "its glyph is drawn";
  }
  SaveShot(form->Handle(), "transparent_choices_in_groups");
}

TEST_F(ChoiceSkinTest, DialogCheckBoxIsPaintedWholeAndItsGroupBoxOver) {
  MakeStrip(data->Buttons->CheckImage, 12);
  data->Buttons->CheckFrameCount = 12;
  form->Show();
  flush_events(30);
  HWND check =
      CreateWindowExW(0, L"BUTTON", L"Dialog check", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 20, 20, 150, 20,
                      form->Handle(), reinterpret_cast<HMENU>(101), GetModuleHandleW(nullptr), nullptr);
  HWND group =
      CreateWindowExW(0, L"BUTTON", L"Dialog group", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 20, 60, 180, 90,
                      form->Handle(), reinterpret_cast<HMENU>(102), GetModuleHandleW(nullptr), nullptr);
  formSkin = controltest::MakeFormSkin(form, data);
  TControlWalker walker(*formSkin);
  walker.DispatchWindow(check);
  walker.DispatchWindow(group);
  flush_events(60);
  auto* checkSkin = SkinOf<TSkinCheckBox>(check);
  ASSERT_NE(checkSkin, nullptr);
  EXPECT_EQ(checkSkin->Variant, 1) << "painted whole, caption included";
  ASSERT_NE(SkinOf<TSkinGroupBox>(group), nullptr);
  EXPECT_EQ(GlyphFrame(check), 1);
  ClickAt(CentreOf(check, 40));
  EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
  testing_support::move_mouse(CentreOf(form->Handle()));
  EXPECT_TRUE(testing_support::wait_until([&] { return GlyphFrame(check) == 5; }, 2000));
  const testing_support::Capture g = capture_window(group);
  const COLORREF shadow = ColorToRGB(data->Colors[scButtonShadow]);
  EXPECT_EQ(g.at(1, g.height / 2), shadow);
  EXPECT_EQ(g.at(g.width - 2, g.height / 2), shadow);
  SaveShot(form->Handle(), "dialog_choices");
}

TEST_F(ChoiceSkinTest, SkinOffGivesTheSystemLookBackAndOnSkinsAgain) {
  auto* box = Add<TCheckBox>(form, 20, 20, 160, 20);
  box->SetCaption("Check box");
  box->SetChecked(true);
  form->Show();
  flush_events(50);
  const auto plain = capture_window(box->Handle()).pixels;
  formSkin = controltest::MakeFormSkin(form, data);
  formSkin->AttachControlSkins();
  flush_events(50);
  const auto skinned = capture_window(box->Handle()).pixels;
  EXPECT_NE(skinned, plain);
  SendMessageW(box->Handle(), SKM_ENABLESKIN, 0, 0);
  RedrawWindow(box->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  EXPECT_EQ(capture_window(box->Handle()).pixels, plain);
  SendMessageW(box->Handle(), SKM_ENABLESKIN, 1, 0);
  flush_events(30);
  EXPECT_EQ(capture_window(box->Handle()).pixels, skinned);
}

TEST_F(ChoiceSkinTest, PanelTakesTheFaceColourAndGetsItsOwnBackAtDetach) {
  auto* panel = Add<TPanel>(form, 20, 20, 160, 80);
  panel->SetColor(0x123456);
  ShowAndSkin();
  auto* skin = SkinOf<TSkinBox>(panel->Handle());
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(panel->Color(), data->FaceColor());
  skin->Detach();
  EXPECT_EQ(panel->Color(), static_cast<TColor>(0x123456));
  skin->Detach();
  EXPECT_EQ(panel->Color(), static_cast<TColor>(0x123456)) << "a second detach changes nothing";
}

TEST_F(ChoiceSkinTest, NestedDialogAndItsStaticTextStandOnTheFaceColour) {
  form->Show();
  flush_events(30);
  HWND nested = CreateWindowExW(WS_EX_CONTROLPARENT, L"#32770", L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 100,
                                form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND text = CreateWindowExW(0, L"STATIC", L"Static text", WS_CHILD | WS_VISIBLE, 10, 10, 120, 20, nested,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  formSkin = controltest::MakeFormSkin(form, data);
  TControlWalker(*formSkin).DispatchWindow(nested);
  ASSERT_NE(SkinOf<TSkinBoxH>(nested), nullptr);
  RedrawWindow(nested, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  flush_events(30);
  const COLORREF face = ColorToRGB(data->FaceColor());
  EXPECT_EQ(capture_window(nested).at(190, 90), face);
  EXPECT_EQ(capture_window(text).at(118, 18), face);
}

// A page of check boxes, each drawn whole off-screen, shown, painted and hidden again: the boxes
// share the drawing buffers rather than each keeping its own.
TEST_F(ChoiceSkinTest, APageOfCheckBoxesLeavesNoDrawingBufferPerBox) {
  MakeStrip(data->Buttons->CheckImage, 4);
  data->Buttons->CheckFrameCount = 4;
  auto* page = Add<TPanel>(form, 0, 0, 410, 290);
  page->SetVisible(false);
  constexpr int kBoxes = 32;
  std::vector<TCheckBox*> boxes;
  for (int i = 0; i < kBoxes; ++i) {
    auto* box = TComponent::CreateIn<TCheckBox>(form);
    box->SetParent(page);
    box->SetBounds(10 + (i % 2) * 200, 10 + (i / 2) * 17, 150 + i, 16);  // each of its own size
    box->SetCaption("Box");
    boxes.push_back(box);
  }
  ShowAndSkin();
  // A drawing buffer is a bitmap and a memory DC (the window DCs are the system's own cache).
  const auto buffers = [] { return fw::GdiObjectCount(OBJ_BITMAP) + fw::GdiObjectCount(OBJ_MEMDC); };
  const DWORD before = buffers();
  page->SetVisible(true);
  flush_events(50);
  for (TCheckBox* box : boxes) {
    ASSERT_NE(SkinOf<TSkinCheckBox>(box->Handle()), nullptr);
    RedrawWindow(box->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(GlyphFrame(box->Handle()), 1);  // painted by the skin, the caption beside
  }
  page->SetVisible(false);
  flush_events(50);
  EXPECT_LE(fw::ScratchBitmap::Count(), fw::ScratchBitmap::kMaxEntries);
  const DWORD after = buffers();
  EXPECT_LE(after, before + 4) << "before " << before << ", after " << after;
}

TEST_F(ChoiceSkinTest, RepaintingEachKindAThousandTimesLeaksNothing) {
  auto* box = Add<TCheckBox>(form, 20, 20, 160, 20);
  auto* radio = Add<TRadioButton>(form, 20, 50, 160, 20);
  auto* group = Add<TGroupBox>(form, 200, 20, 180, 100);
  auto* panel = Add<TPanel>(form, 20, 150, 160, 60);
  box->SetCaption("Check");
  radio->SetCaption("Radio");
  group->SetCaption("Group");
  ShowAndSkin();
  for (HWND w : {box->Handle(), radio->Handle(), group->Handle(), panel->Handle()}) {
    ASSERT_NE(formSkin->FindControlSkin(w), nullptr);
    for (int i = 0; i < 20; ++i)
      RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const DWORD gdi = gdi_objects(), user = user_objects();
    for (int i = 0; i < 1000; ++i)
      RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(gdi_objects(), gdi);
    EXPECT_EQ(user_objects(), user);
  }
}

}  // namespace
}  // namespace quarnel::choicetest
