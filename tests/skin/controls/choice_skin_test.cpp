// Check boxes, radio buttons, group boxes and containers skinned under Wine: the glyph frame
// of each state for 4-, 5-, 8- and 12-frame images read back from the pixels, real clicks that
// toggle and keep a radio group exclusive, the right-button style, the group box caption over
// its frame, dialog controls skinned, colours given back, the system look restored with
// the skin off, and repeated repaints that leak nothing.
#include <algorithm>
#include <vector>

#include "framework/controls/check_box.h"
#include "framework/controls/group_box.h"
#include "framework/controls/panel.h"
#include "framework/controls/radio_group.h"
#include "framework/graphics/scratch_bitmap.h"
#include "framework/win/handles.h"
#include "framework/win/object_counts.h"
#include "skin/controls/control_fills.h"
#include "skin/controls/skin_box.h"
#include "skin/controls/skin_check.h"
#include "skin/controls/skin_group_box.h"
#include "skin/data/skin_messages.h"
#include "tests/skin/controls/choice_test_support.h"

namespace quarnel::choicetest {
namespace {

using testing_support::gdi_objects;
using testing_support::user_objects;

int GlyphFrame(HWND window, bool right = false) {
  const testing_support::Capture c = capture_window(window);
  return FrameOf(c.at(right ? c.width - kGlyph / 2 - 1 : kGlyph / 2, c.height / 2));
}

// Frames expected per state: unchecked, checked, grayed, disabled, checked disabled, hot, pressed,
// checked and hot.
struct CheckCase {
  int frames;
  int unchecked, checked, grayed, disabled, checkedDisabled, hot, pressed, checkedHot;
};

bool Pushed(HWND window) {
  return (SendMessageW(window, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

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
  EXPECT_EQ(skin->Variant(), 1);
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

  // Hot under the pointer, pressed while the button is down, checked by the release over it. Each
  // stage waits for the event to have reached the box before reading the frame: a short strip
  // shows no hot or pressed frame of its own, so the frame alone could not tell.
  testing_support::move_mouse(CentreOf(w, 40));
  ASSERT_TRUE(testing_support::wait_until([&] { return skin->Marks().Hot(); }, 2000));
  flush_events(30);
  EXPECT_EQ(GlyphFrame(w), k.hot);
  testing_support::mouse_left_button(true);
  ASSERT_TRUE(testing_support::wait_until([&] { return Pushed(w); }, 2000));
  flush_events(30);
  EXPECT_EQ(GlyphFrame(w), k.pressed);
  testing_support::mouse_left_button(false);
  EXPECT_TRUE(testing_support::wait_until([&] { return box->State() == cbChecked; }, 2000));
  EXPECT_TRUE(testing_support::wait_until([&] { return GlyphFrame(w) == k.checkedHot; }, 2000))
      << "checked under the pointer: " << GlyphFrame(w);
  SaveShot(w, ("check_" + std::to_string(k.frames) + "_frames").c_str());
}

INSTANTIATE_TEST_SUITE_P(ImageSizes, CheckFramesTest,
                         ::testing::Values(CheckCase{4, 1, 2, 4, 3, 4, 1, 1, 2},
                                           CheckCase{5, 1, 2, 4, 3, 4, 1, 1, 2},
                                           CheckCase{12, 1, 5, 9, 4, 8, 2, 3, 6}),
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

  HWND w = two->Handle();
  auto* skin = SkinOf<TSkinRadioButton>(w);
  testing_support::move_mouse(CentreOf(w, 40));
  ASSERT_TRUE(testing_support::wait_until([&] { return skin->Marks().Hot(); }, 2000));
  flush_events(30);
  EXPECT_EQ(GlyphFrame(w), k.hot);
  testing_support::mouse_left_button(true);
  ASSERT_TRUE(testing_support::wait_until([&] { return Pushed(w); }, 2000));
  flush_events(30);
  EXPECT_EQ(GlyphFrame(w), k.pressed);
  testing_support::mouse_left_button(false);
  ASSERT_TRUE(testing_support::wait_until([&] { return two->Checked(); }, 2000));
  EXPECT_TRUE(testing_support::wait_until([&] { return GlyphFrame(w) == k.checkedHot; }, 2000))
      << "checked under the pointer: " << GlyphFrame(w);
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
                         ::testing::Values(CheckCase{4, 1, 2, 0, 3, 4, 1, 1, 2},
                                           CheckCase{8, 1, 5, 0, 4, 8, 2, 3, 6}),
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
    ASSERT_TRUE(skin->Transparent());
    ASSERT_EQ(skin->Variant(), 1) << "painted whole by the skin";
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
  TControlWalker walker(formSkin->Controls());
  walker.DispatchWindow(check);
  walker.DispatchWindow(group);
  flush_events(60);
  auto* checkSkin = SkinOf<TSkinCheckBox>(check);
  ASSERT_NE(checkSkin, nullptr);
  EXPECT_EQ(checkSkin->Variant(), 1) << "painted whole, caption included";
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

// The bounding box of what is drawn in `area` of a capture that is neither background nor a
// frame of the synthetic strip: the caption's ink.
struct Ink {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
  bool Any() const { return right >= 0; }
};
Ink InkOf(const testing_support::Capture& c, RECT area) {
  const COLORREF background = c.at(c.width - 1, 0);
  Ink ink;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (c.at(x, y) != background && FrameOf(c.at(x, y)) == 0) {
        ink.left = std::min(ink.left, x);
        ink.right = std::max(ink.right, x);
        ink.top = std::min(ink.top, y);
        ink.bottom = std::max(ink.bottom, y);
      }
  return ink;
}

class DialogChoiceTest : public ChoiceFormTest {
 protected:
  void SetUp() override {
    ChoiceFormTest::SetUp();
    MakeStrip(data->Buttons->CheckImage, 4);
    data->Buttons->CheckFrameCount = 4;
    form->Show();
    flush_events(30);
    formSkin = controltest::MakeFormSkin(form, data);
  }
  // A dialog's BUTTON window of `style`, skinned by handle as the walk does it.
  HWND Button(DWORD style, const wchar_t* text, int x, int y, int w, int h) {
    HWND b = CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, form->Handle(),
                             nullptr, GetModuleHandleW(nullptr), nullptr);
    TControlWalker(formSkin->Controls()).DispatchWindow(b);
    flush_events(30);
    return b;
  }
};

TEST_F(DialogChoiceTest, AlignmentStylesPlaceTheBoxAndTheCaption) {
  auto shot = [](HWND w) {
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return capture_window(w);
  };
  const int w = 200, h = 40;
  const RECT text{kGlyph + 2, 0, w, h};
  HWND plain = Button(BS_AUTOCHECKBOX, L"Ab", 10, 10, w, h);
  ASSERT_NE(SkinOf<TSkinCheckBox>(plain), nullptr);
  const auto p = shot(plain);
  EXPECT_EQ(FrameOf(p.at(kGlyph / 2, h / 2)), 1);
  const Ink plainInk = InkOf(p, text);
  ASSERT_TRUE(plainInk.Any());
  EXPECT_LT(plainInk.right, 60) << "left-aligned by default";
  EXPECT_GT(plainInk.top, 8) << "and vertically centred";

  const auto left = shot(Button(BS_AUTOCHECKBOX | BS_LEFTTEXT, L"Ab", 10, 55, w, h));
  EXPECT_EQ(FrameOf(left.at(w - kGlyph / 2 - 1, h / 2)), 1) << "BS_LEFTTEXT: the box at the right";
  EXPECT_EQ(FrameOf(left.at(kGlyph / 2, h / 2)), 0);

  const auto right = shot(Button(BS_AUTOCHECKBOX | BS_RIGHT, L"Ab", 10, 100, w, h));
  EXPECT_GT(InkOf(right, text).left, 150) << "BS_RIGHT";
  const Ink centre = InkOf(shot(Button(BS_AUTOCHECKBOX | BS_CENTER, L"Ab", 10, 145, w, h)), text);
  EXPECT_GT(centre.left, 70) << "BS_CENTER";
  EXPECT_LT(centre.right, 150);

  const auto top = shot(Button(BS_AUTOCHECKBOX | BS_TOP, L"Ab", 10, 190, w, h));
  EXPECT_EQ(FrameOf(top.at(kGlyph / 2, 2)), 1) << "BS_TOP: the box at the top";
  EXPECT_EQ(FrameOf(top.at(kGlyph / 2, h - 3)), 0);
  EXPECT_LT(InkOf(top, text).bottom, h / 2);
  const auto bottom = shot(Button(BS_AUTORADIOBUTTON | BS_BOTTOM, L"Ab", 10, 235, w, h));
  EXPECT_GT(InkOf(bottom, text).top, h / 2) << "BS_BOTTOM";

  // A caption too long for one line wraps only with BS_MULTILINE.
  const wchar_t* longText = L"one two three four";
  const Ink single =
      InkOf(shot(Button(BS_AUTOCHECKBOX, longText, 220, 10, 80, 60)), RECT{kGlyph + 2, 0, 80, 60});
  const Ink multi = InkOf(shot(Button(BS_AUTOCHECKBOX | BS_MULTILINE, longText, 220, 80, 80, 60)),
                          RECT{kGlyph + 2, 0, 80, 60});
  ASSERT_TRUE(single.Any() && multi.Any());
  EXPECT_LT(single.bottom - single.top, 14) << "one line";
  EXPECT_GT(multi.bottom - multi.top, single.bottom - single.top + 6) << "wrapped";
  SaveShot(form->Handle(), "dialog_choice_styles");
}

TEST_F(DialogChoiceTest, IconButtonKeepsItsImage) {
  constexpr COLORREF kIconColour = RGB(10, 200, 30);
  fw::UniqueDC memory(CreateCompatibleDC(nullptr));
  fw::WindowDC screen(nullptr);
  fw::UniqueBitmap colour(CreateCompatibleBitmap(screen.get(), 16, 16));
  fw::UniqueBitmap mask(CreateBitmap(16, 16, 1, 1, nullptr));
  {
    fw::SelectGuard keep(memory.get(), colour.get());
    const RECT all{0, 0, 16, 16};
    fw::UniqueBrush brush(CreateSolidBrush(kIconColour));
    FillRect(memory.get(), &all, brush.get());
  }
  {
    fw::SelectGuard keep(memory.get(), mask.get());
    PatBlt(memory.get(), 0, 0, 16, 16, BLACKNESS);  // opaque everywhere
  }
  ICONINFO info{TRUE, 0, 0, mask.get(), colour.get()};
  fw::UniqueIcon icon(CreateIconIndirect(&info));  // copies both bitmaps
  ASSERT_NE(icon.get(), nullptr);
  HWND box = Button(BS_AUTOCHECKBOX | BS_ICON, L"text", 10, 10, 120, 30);
  ASSERT_NE(SkinOf<TSkinCheckBox>(box), nullptr);
  SendMessageW(box, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon.get()));
  flush_events(30);
  const auto c = capture_window(box);
  int iconPixels = 0;
  for (int y = 0; y < c.height; ++y)
    for (int x = 0; x < c.width; ++x) iconPixels += c.at(x, y) == kIconColour;
  EXPECT_EQ(iconPixels, 16 * 16) << "the icon, whole, in place of the caption";
  EXPECT_EQ(FrameOf(c.at(kGlyph / 2, c.height / 2)), 1) << "beside the skin's box";
  SendMessageW(box, BM_SETIMAGE, IMAGE_ICON, 0);
}

// A push-like check box is a toggle push button: the Buttons frames, pushed in while checked.
TEST_F(DialogChoiceTest, PushLikeCheckBoxLooksAndActsAsAPushButton) {
  TDataSkinButton& buttons = *data->Buttons;
  ASSERT_FALSE(buttons.Image.Empty());
  const int w = 120, h = 30;
  testing_support::move_mouse(POINT{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1});
  HWND toggle = Button(BS_AUTOCHECKBOX | BS_PUSHLIKE, L"Toggle", 10, 10, w, h);
  auto* skin = SkinOf<TSkinCheckBox>(toggle);
  ASSERT_NE(skin, nullptr);
  // The button's edge columns, away from its centred caption, against the frame drawn alone.
  auto edges = [&](const testing_support::Capture& c) {
    std::vector<COLORREF> out;
    for (int y = 0; y < h; ++y)
      for (int x : {0, 1, 2, w - 3, w - 2, w - 1}) out.push_back(c.at(x, y));
    return out;
  };
  auto frame = [&](int index) {
    testing_support::Capture c;
    c.width = w;
    c.height = h;
    TBitmap reference(w, h, pf32bit);
    const RECT all{0, 0, w, h};
    FillColor(reference.DC(), all, data->FaceColor());
    DrawElementFrame(reference.DC(), all, buttons, buttons.FrameCount, index);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) c.pixels.push_back(reference.PixelAt(x, y));
    return edges(c);
  };
  ASSERT_NE(frame(1), frame(2)) << "the skin's normal and pressed frames differ at the edges";
  EXPECT_EQ(edges(capture_window(toggle)), frame(1));
  ClickAt(CentreOf(toggle, 20));
  EXPECT_EQ(SendMessageW(toggle, BM_GETCHECK, 0, 0), BST_CHECKED) << "a click toggles it";
  testing_support::move_mouse(POINT{GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1});
  SetFocus(nullptr);  // neither hot nor focused now
  flush_events(60);
  RedrawWindow(toggle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(edges(capture_window(toggle)), frame(2)) << "checked: pushed in";
  SaveShot(toggle, "dialog_push_like");
  SendMessageW(toggle, BM_SETCHECK, BST_UNCHECKED, 0);
  EXPECT_TRUE(testing_support::wait_until([&] { return edges(capture_window(toggle)) == frame(1); }, 2000))
      << "unchecked, and no longer hot once the pointer left: out again";
}

TEST_F(ChoiceSkinTest, SkinOffGivesTheSystemLookBackAndOnSkinsAgain) {
  auto* box = Add<TCheckBox>(form, 20, 20, 160, 20);
  box->SetCaption("Check box");
  box->SetChecked(true);
  form->Show();
  flush_events(50);
  const auto plain = capture_window(box->Handle()).pixels;
  formSkin = controltest::MakeFormSkin(form, data);
  formSkin->Controls().AttachControlSkins();
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
  TControlWalker(formSkin->Controls()).DispatchWindow(nested);
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
    ASSERT_NE(formSkin->Controls().FindControlSkin(w), nullptr);
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
