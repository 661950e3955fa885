// Skins switched at run time: a new package loaded and applied while forms are skinned. The
// caption buttons never point into records a load has freed, every window takes the new skin,
// and a hundred switches under a moving pointer leak nothing.
#include <algorithm>
#include <string>

#include "form_skin_test_support.h"
#include "framework/controls/panel.h"
#include "framework/ui/thread.h"
#include "skin/data/skin_messages.h"
#include "tests/skin/frame/caption_pixels.h"
#include "tests/support/skin_variant.h"

namespace quarnel::testing {
namespace {

using testing_support::flush_events;
using testing_support::wait_until;

class SkinSwitchingTest : public FormSkinTest {
 protected:
  void SetUp() override {
    FormSkinTest::SetUp();
    blue = data->PackedSkin();
    dark = testing_support::WithButtonFace(blue, "48 48 56");
    ASSERT_FALSE(dark.empty());
  }
  // Paints every skinned window's frame and passes the pointer over its caption buttons' corner:
  // a button still pointing into records a load has freed would be drawn from them here.
  void PaintAndHoverCaptions() const {
    for (TWinSkinForm* skin : manager->FormSkins().All()) {
      HWND window = skin->View().Window();
      const RECT r = WindowRectOf(window);
      SendMessageW(window, SKM_REPAINTFRAME, 0, 0);
      for (int x = r.right - 12; x > r.right - 80; x -= 11)
        SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM(x, r.top + 12));
      SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, MAKELPARAM((r.left + r.right) / 2, r.top + 12));
    }
  }
  // The window's close, maximise and minimise buttons, drawn from the records now loaded.
  bool CaptionButtonsDrawn(HWND window) const {
    const testing_support::Capture shot = testing_support::capture_window(window);
    for (const char* name : {"BUTTON.CLOSE", "BUTTON.MAXIMIZE", "BUTTON.MINIMIZE"}) {
      TDataSkinSysButton* record = SkinButton(*data, name);
      if (!record || !FindShownButton(shot, *record).Drawn()) return false;
    }
    return true;
  }
  void Switch(const skintest::Bytes& package) {
    data->SetPackedSkin(package);
    ASSERT_TRUE(data->LoadSkin());
    data->ApplySkin();
  }
  // Shows `count` forms and waits until each has its frame object.
  std::vector<HWND> ShowForms(int count) {
    std::vector<HWND> windows;
    for (int i = 0; i < count; ++i) {
      TForm* form = NewForm(bsSizeable, 220, 120, "Switch " + std::to_string(i));
      form->Show();
      windows.push_back(form->Handle());
      EXPECT_NE(WaitSkinned(windows.back()), nullptr);
    }
    return windows;
  }
  skintest::Bytes blue, dark;
};

TEST_F(SkinSwitchingTest, ApplyingANewSkinReskinsEveryWindowAndRebuildsItsCaptionButtons) {
  // A panel on the first form: the switch invalidates no control on its own, so the panel shows
  // the new face only if the window's repaint reaches its children.
  TForm* first = NewForm(bsSizeable, 220, 120, "Switch with a panel");
  auto* panel = TComponent::CreateIn<TPanel>(first);
  panel->SetParent(first);
  panel->SetBounds(100, 40, 100, 60);
  panel->SetCaption("");
  first->Show();
  ASSERT_NE(WaitSkinned(first->Handle()), nullptr);
  std::vector<HWND> windows = ShowForms(2);
  windows.insert(windows.begin(), first->Handle());
  Switch(dark);
  // Until the refresh runs, the frames paint and follow the pointer with no button left pointing
  // at a freed record.
  PaintAndHoverCaptions();
  ASSERT_TRUE(wait_until([&] { return manager->Actions().Pending() == saNone; }, 2000));
  flush_events(30);
  const TColor face = data->FaceColor();
  EXPECT_EQ(face, static_cast<TColor>(RGB(48, 48, 56)));
  for (size_t i = 0; i < windows.size(); ++i) {
    TWinSkinForm* skin = SkinOf(windows[i]);
    ASSERT_NE(skin, nullptr) << i;
    EXPECT_EQ(skin->View().Facts().SkinState, fsActive);
    EXPECT_TRUE(CaptionButtonsDrawn(windows[i])) << i;
    EXPECT_EQ(forms[i]->Color(), face) << i;
    const POINT origin = ClientOrigin(windows[i]);
    EXPECT_EQ(testing_support::window_pixel(windows[i], origin.x + 5, origin.y + 5, true), RGB(48, 48, 56))
        << i;
  }
  EXPECT_EQ(testing_support::window_pixel(panel->Handle(), 50, 30, false), RGB(48, 48, 56));
}

TEST_F(SkinSwitchingTest, HundredSwitchesUnderAMovingPointerLeaveNoStalePointerAndNoLeak) {
  const std::vector<HWND> windows = ShowForms(2);
  // One round first, so that caches and pooled sections reach their working size.
  Switch(dark);
  Switch(blue);
  ASSERT_TRUE(wait_until([&] { return manager->Actions().Pending() == saNone; }, 2000));
  flush_events(30);
  const DWORD gdiBefore = testing_support::gdi_objects(), userBefore = testing_support::user_objects();

  ASSERT_TRUE(CaptionButtonsDrawn(windows[0]));
  const RECT window = WindowRectOf(windows[0]);
  for (int i = 0; i < 100; ++i) {
    Switch(i % 2 ? blue : dark);
    PaintAndHoverCaptions();
    // The pointer sweeps the caption buttons' corner while the switch is pending or done.
    testing_support::move_mouse({window.right - 10 - (i % 4) * 22, window.top + 12});
    flush_events(i % 10 == 9 ? 300 : 5);  // every tenth switch lets the refresh run
    PaintAndHoverCaptions();
  }
  ASSERT_TRUE(wait_until([&] { return manager->Actions().Pending() == saNone; }, 2000));
  flush_events(50);
  for (HWND w : windows) {
    TWinSkinForm* skin = SkinOf(w);
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->View().Facts().SkinState, fsActive);
    EXPECT_TRUE(CaptionButtonsDrawn(w));
  }
  EXPECT_LE(testing_support::gdi_objects(), gdiBefore + 2);
  EXPECT_LE(testing_support::user_objects(), userBefore);
}

// A frame of the same sizes is left where it is; one of other sizes is fitted around the same
// client area. The outline follows each skin's pieces, also when a skin comes back.
TEST_F(SkinSwitchingTest, EachWindowKeepsItsClientAreaAndTakesTheOutlineOfEachSkin) {
  const HWND window = ShowForms(1)[0];
  const auto settle = [&] {
    ASSERT_TRUE(wait_until([&] { return manager->Actions().Pending() == saNone; }, 2000));
    flush_events(30);
  };
  const auto outline = [&] {
    fw::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    return GetWindowRgn(window, region.get()) == ERROR ? fw::UniqueRegion() : std::move(region);
  };
  const RECT before = WindowRectOf(window), client = ClientRectOf(window);
  const fw::UniqueRegion blueOutline = outline();
  ASSERT_TRUE(blueOutline);

  Switch(dark);
  settle();
  RECT now = WindowRectOf(window);
  EXPECT_TRUE(EqualRect(&before, &now));

  // The top piece cut into three frames instead of two: a lower caption.
  Switch(testing_support::WithDefinitionValue(blue, "TopFrame", "3"));
  settle();
  const int lower = ClientOrigin(window).y;
  EXPECT_EQ(lower, data->FrameTop->Image.Height() / 3);
  const RECT fitted = WindowRectOf(window), fittedClient = ClientRectOf(window);
  EXPECT_EQ(fitted.bottom - fitted.top,
            before.bottom - before.top - (data->FrameTop->Image.Height() / 2 - lower));
  EXPECT_TRUE(EqualRect(&client, &fittedClient));

  // A left piece drawn whole: its corner is no longer cut away.
  Switch(testing_support::WithDefinitionValue(blue, "LeftTrans", "0"));
  settle();
  const fw::UniqueRegion squareOutline = outline();
  ASSERT_TRUE(squareOutline);
  fw::UniqueRegion cut(CreateRectRgn(0, 0, 0, 0));
  EXPECT_GT(CombineRgn(cut.get(), squareOutline.get(), blueOutline.get(), RGN_DIFF), NULLREGION);
  EXPECT_EQ(CombineRgn(cut.get(), blueOutline.get(), squareOutline.get(), RGN_DIFF), NULLREGION);
  Switch(blue);
  settle();
  const fw::UniqueRegion again = outline();
  ASSERT_TRUE(again);
  EXPECT_TRUE(EqualRgn(again.get(), blueOutline.get()));
  now = WindowRectOf(window);
  EXPECT_TRUE(EqualRect(&before, &now));
}

// The user's own switch runs as soon as the message loop is back, not at once and not after the
// usual delay; a request that comes after it schedules anew.
TEST_F(SkinSwitchingTest, ASwitchAskedToRunSoonRunsOnceTheCurrentMessageIsDone) {
  ShowForms(1);
  uint32_t pendingThen = 99;
  const auto pendingAfterQueuedCalls = [&] {
    pendingThen = 99;
    TThread::ForceQueue([&] { pendingThen = manager->Actions().Pending(); });
    EXPECT_TRUE(wait_until([&] { return pendingThen != 99; }, 2000));
    return pendingThen;
  };
  Switch(dark);
  manager->Actions().RunSoon();
  EXPECT_EQ(manager->Actions().Pending(), saRefresh);
  EXPECT_EQ(pendingAfterQueuedCalls(), saNone);
  flush_events(30);
  EXPECT_EQ(testing_support::window_pixel(forms[0]->Handle(), ClientOrigin(forms[0]->Handle()).x + 5,
                                          ClientOrigin(forms[0]->Handle()).y + 5, true),
            RGB(48, 48, 56));

  Switch(blue);
  manager->Actions().RunSoon();
  Switch(dark);
  EXPECT_EQ(pendingAfterQueuedCalls(), saRefresh);
  EXPECT_TRUE(manager->Actions().TimerEnabled());
}

TEST_F(SkinSwitchingTest, SkinOffAndOnAgainReskinsTheMdiChildrenToo) {
  TForm* frame = NewForm(bsSizeable, 420, 300, "MDI frame");
  frame->SetFormStyle(fsMDIForm);
  frame->Show();
  ASSERT_NE(WaitSkinned(frame->Handle()), nullptr);
  TForm* child = NewForm(bsSizeable, 200, 120, "MDI child");
  child->SetFormStyle(fsMDIChild);
  child->Show();
  ASSERT_NE(WaitSkinned(child->Handle()), nullptr);

  data->SetActive(false);
  manager->RunPendingAction();
  EXPECT_EQ(SkinOf(frame->Handle()), nullptr);
  EXPECT_EQ(SkinOf(child->Handle()), nullptr);
  data->SetActive(true);
  manager->RunPendingAction();
  EXPECT_NE(WaitSkinned(frame->Handle()), nullptr);
  TWinSkinForm* again = WaitSkinned(child->Handle());
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->View().Facts().FormKind, fkMDIChild);
  EXPECT_EQ(SendMessageW(child->Handle(), SKM_QUERYSKINNED, 0, 0), 1);
}

// A skin data component for one form only skins that form as soon as it has been read.
TEST_F(SkinSwitchingTest, AnOnlyThisFormComponentSkinsItsFormAtTheEndOfReading) {
  data->SetActive(false);
  manager->RunPendingAction();
  TForm* form = NewForm(bsSizeable, 220, 120, "Own skin");
  form->Show();
  testing_support::flush_events(50);
  ASSERT_EQ(SkinOf(form->Handle()), nullptr);

  auto* own = TComponent::CreateIn<TSkinData>(form);
  own->BeginLoading();
  own->SetSkinFormtype(sfOnlyThisForm);
  own->SetActive(true);
  own->SetPackedSkin(dark);
  ASSERT_TRUE(own->LoadSkin());
  own->Loaded();
  TWinSkinForm* skin = SkinOf(form->Handle());  // at once, not at the next activation
  ASSERT_NE(skin, nullptr);
  EXPECT_EQ(skin->View().Skin(), own);
}

}  // namespace
}  // namespace quarnel::testing
