// Framework controls with real windows: the control-of-window property, the replaceable
// message method, reflected clicks, memo lines, fonts and tab order.
#include <gtest/gtest.h>

#include "framework/controls/panel.h"
#include "framework/core/text.h"
#include "framework/description/reader.h"
#include "framework/ui/application.h"
#include "framework/ui/button.h"
#include "framework/ui/form.h"
#include "framework/ui/memo.h"
#include "framework/ui/timer.h"
#include "framework/win/handles.h"
#include "tests/support/window_support.h"

using testing_support::flush_events;

namespace {

class TTestForm : public TForm {
  FW_DECLARE_CLASS()
 public:
  using TForm::TForm;
  void Clicked(TObject* sender) { clicks.push_back(sender); }
  std::vector<TObject*> clicks;
};

const TClassInfo& TTestForm::StaticClass() {
  static const TClassInfo info = TClassBuilder<TTestForm>("TTestForm", &TForm::StaticClass())
                                     .Method("Clicked", &TTestForm::Clicked)
                                     .Build();
  return info;
}

const char* kForm = R"(object TestForm: TTestForm
  Caption = 'Test'
  ClientWidth = 200
  ClientHeight = 120
  Font.Name = 'Tahoma'
  Font.Height = -13
  object Ok: TButton
    Left = 10
    Top = 80
    Caption = 'OK'
    Default = True
    TabOrder = 1
    OnClick = Clicked
  end
  object Notes: TMemo
    Left = 10
    Top = 10
    Width = 180
    Height = 60
    TabOrder = 0
    Lines.Strings = (
      'first'
      'second')
  end
end
)";

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TButton::StaticClass();
    TMemo::StaticClass();
    Application()->Initialize();
    form = Application()->CreateForm<TTestForm>();
    ReadComponent(*form, kForm);
    ok = ObjectAs<TButton>(form->FindComponent("Ok"));
    notes = ObjectAs<TMemo>(form->FindComponent("Notes"));
    ASSERT_TRUE(ok && notes);
  }
  void TearDown() override { Application()->DestroyComponent(form); }
  TTestForm* form = nullptr;
  TButton* ok = nullptr;
  TMemo* notes = nullptr;
};

TEST_F(ControlsTest, ControlOfWindowPropertyFindsTheControl) {
  HWND wnd = ok->Handle();
  wchar_t name[64];
  wsprintfW(name, L"ControlOfs%.8X%.8X",
            static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(GetModuleHandleW(nullptr))),
            static_cast<unsigned>(GetCurrentThreadId()));
  EXPECT_EQ(GetPropW(wnd, name), static_cast<void*>(static_cast<TWinControl*>(ok)));
  EXPECT_EQ(TWinControl::FindControl(form->Handle()), form);
  EXPECT_EQ(TWinControl::FindControl(GetDesktopWindow()), nullptr);
  wchar_t cls[32];
  GetClassNameW(wnd, cls, 32);
  EXPECT_STREQ(cls, L"TButton");
}

// The link is kept in the process too: it must end with the window, and with the control.
TEST_F(ControlsTest, FindControlEndsWithTheWindowAndWithTheControl) {
  HWND first = ok->Handle();
  DestroyWindow(first);  // from outside the control, as a parent's destruction would
  EXPECT_EQ(TWinControl::FindControl(first), nullptr);
  HWND second = ok->Handle();  // made again on demand
  ASSERT_NE(second, first);
  EXPECT_EQ(TWinControl::FindControl(second), ok);

  auto* spare = TComponent::CreateIn<TButton>(form);
  spare->SetParent(form);
  HWND spareWindow = spare->Handle();
  EXPECT_EQ(TWinControl::FindControl(spareWindow), spare);
  form->DestroyComponent(spare);
  EXPECT_FALSE(IsWindow(spareWindow));
  EXPECT_EQ(TWinControl::FindControl(spareWindow), nullptr);
}

// Windows without a border skip the default frame paint; one with a border still gets it.
TEST_F(ControlsTest, AFrameRepaintRedrawsTheBorderOfAControlThatHasOne) {
  form->Show();
  HWND memo = notes->Handle();
  ASSERT_NE(GetWindowLongPtrW(memo, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
  flush_events(50);
  const COLORREF edge = testing_support::capture_window(memo).at(0, 0);
  const COLORREF wiped = RGB(255, 0, 255);
  ASSERT_NE(edge, wiped);
  {
    const fw::WindowDC dc(memo, fw::WindowDC::kWindow);
    const fw::UniqueBrush brush(CreateSolidBrush(wiped));
    const RECT corner{0, 0, 4, 4};
    FillRect(dc.get(), &corner, brush.get());
  }
  ASSERT_EQ(testing_support::capture_window(memo).at(0, 0), wiped);
  RedrawWindow(memo, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(testing_support::capture_window(memo).at(0, 0), edge);
}

TEST_F(ControlsTest, ClickReachesTheHandlerThroughTheParent) {
  SendMessageW(ok->Handle(), BM_CLICK, 0, 0);
  ASSERT_EQ(form->clicks.size(), 1u);
  EXPECT_EQ(form->clicks[0], ok);
}

TEST_F(ControlsTest, ReplacedMessageMethodSeesMessagesAndCanPutTheOldOneBack) {
  HWND wnd = ok->Handle();
  TWndMethod saved = ok->WindowProc;
  int seen = 0;
  ok->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_USER + 7) {
      ++seen;
      m.Result = 42;
      return;
    }
    saved(m);
  };
  EXPECT_EQ(SendMessageW(wnd, WM_USER + 7, 0, 0), 42);
  SendMessageW(wnd, BM_CLICK, 0, 0);  // everything else still reaches the button
  EXPECT_EQ(form->clicks.size(), 1u);
  ok->WindowProc = saved;
  EXPECT_EQ(SendMessageW(wnd, WM_USER + 7, 0, 0), 0);
  EXPECT_EQ(seen, 1);
}

TEST_F(ControlsTest, MemoLinesFromTheDescriptionAndAppendedLater) {
  notes->Handle();
  EXPECT_EQ(notes->Lines()->ToVector(), (std::vector<std::string>{"first", "second"}));
  notes->Lines()->Add("third");
  notes->Lines()->Add("a\nb");  // bare line breaks become lines of their own
  wchar_t buf[128];
  GetWindowTextW(notes->Handle(), buf, 128);
  EXPECT_STREQ(buf, L"first\r\nsecond\r\nthird\r\na\r\nb");
  EXPECT_EQ(notes->Lines()->Count(), 5);
  notes->Lines()->Clear();
  EXPECT_EQ(GetWindowTextLengthW(notes->Handle()), 0);
  notes->Lines()->Add("only");
  GetWindowTextW(notes->Handle(), buf, 128);
  EXPECT_STREQ(buf, L"only");
}

TEST_F(ControlsTest, ChildrenFollowTheFormFontUntilGivenTheirOwn) {
  EXPECT_EQ(ok->Font()->Name(), "Tahoma");
  form->Font()->SetHeight(-15);
  EXPECT_EQ(ok->Font()->Height(), -15);
  ok->Font()->SetName("Courier New");
  EXPECT_FALSE(ok->ParentFont());
  form->Font()->SetHeight(-17);
  EXPECT_EQ(ok->Font()->Height(), -15);
  EXPECT_EQ(notes->Font()->Height(), -17);
  HFONT sent = reinterpret_cast<HFONT>(SendMessageW(notes->Handle(), WM_GETFONT, 0, 0));
  EXPECT_EQ(sent, notes->Font()->Handle());
}

TEST_F(ControlsTest, TabOrderFollowsTheDescriptionNotCreation) {
  ASSERT_EQ(form->TabList().size(), 2u);
  EXPECT_EQ(form->TabList()[0], notes);
  EXPECT_EQ(form->TabList()[1], ok);
  EXPECT_EQ(form->FindNextControl(notes, true, true), nullptr);  // nothing takes focus on a hidden form
  form->Show();
  EXPECT_EQ(form->FindNextControl(notes, true, true), ok);
  EXPECT_EQ(form->FindNextControl(ok, true, true), notes);  // wraps around
  EXPECT_EQ(form->FindNextControl(notes, false, true), ok);
  ok->SetEnabled(false);
  EXPECT_EQ(form->FindNextControl(notes, true, true), nullptr);
}

TEST_F(ControlsTest, EnterPressesTheDefaultButton) {
  form->Show();
  ASSERT_TRUE(testing_support::wait_until([&] { return GetActiveWindow() == form->Handle(); }));
  notes->SetWantReturns(false);
  EXPECT_TRUE(form->DialogKey(VK_RETURN, notes));
  EXPECT_EQ(form->clicks.size(), 1u);
  EXPECT_FALSE(form->DialogKey(VK_ESCAPE, notes));  // no cancel button
}

TEST_F(ControlsTest, EscapeInAMemoLeavesTheWindowItLiesOnAlone) {
  TPanel::StaticClass();
  Application()->DestroyComponent(form);
  form = Application()->CreateForm<TTestForm>();
  ReadComponent(*form, R"(object TestForm: TTestForm
  ClientWidth = 200
  ClientHeight = 120
  object Box: TPanel
    Width = 200
    Height = 120
    object Notes: TMemo
      Left = 10
      Top = 10
      Width = 180
      Height = 60
    end
  end
end
)");
  auto* box = ObjectAs<TPanel>(form->FindComponent("Box"));
  notes = ObjectAs<TMemo>(form->FindComponent("Notes"));
  ASSERT_TRUE(box && notes);
  form->Show();
  ASSERT_TRUE(testing_support::wait_until([&] { return GetActiveWindow() == form->Handle(); }));
  notes->SetFocus();
  const HWND boxWindow = box->Handle();
  // Through the application's key handling, as a typed key goes.
  PostMessageW(notes->Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  for (int i = 0; i < 20; ++i) {
    Application()->ProcessMessages();
    Sleep(5);
  }
  EXPECT_TRUE(IsWindow(boxWindow));
  EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST_F(ControlsTest, ClientSizeIsExactAfterTheWindowIsMade) {
  RECT r;
  GetClientRect(form->Handle(), &r);
  EXPECT_EQ(r.right, 200);
  EXPECT_EQ(r.bottom, 120);
  EXPECT_EQ(form->ClientWidth(), 200);
}

TEST_F(ControlsTest, DestroyingAFormLeavesNoWindowsOrGdiObjects) {
  form->Show();
  flush_events(50);
  Application()->DestroyComponent(form);
  form = nullptr;
  flush_events();
  DWORD gdi = testing_support::gdi_objects(), user = testing_support::user_objects();
  for (int i = 0; i < 20; ++i) {
    auto* f = Application()->CreateForm<TTestForm>();
    ReadComponent(*f, kForm);
    f->Show();
    flush_events();
    HWND wnd = f->Handle();
    Application()->DestroyComponent(f);
    EXPECT_FALSE(IsWindow(wnd));
  }
  flush_events();
  EXPECT_LE(testing_support::gdi_objects(), gdi + 2);
  EXPECT_LE(testing_support::user_objects(), user + 2);
  form = Application()->CreateForm<TTestForm>();  // for TearDown
}

TEST(TimerTest, FiresWhileEnabledAndStopsWhenDisabled) {
  Application()->Initialize();
  auto timer = TComponent::Make<TTimer>();
  int ticks = 0;
  timer->OnTimer.code = [&](TObject*) { ++ticks; };
  timer->SetInterval(20);
  timer->SetEnabled(true);
  EXPECT_TRUE(testing_support::wait_until([&] { return ticks >= 3; }, 2000));
  timer->SetEnabled(false);
  int stopped = ticks;
  flush_events(100);
  EXPECT_EQ(ticks, stopped);
}

}  // namespace
