// The scroll-bar skin tests' form, skin and spies. Test thread.
#include "scroll_test_support.h"

namespace quarnel::scrolltest {

namespace {

const char* kForm = R"(object ScrollForm: TForm
  Left = 40
  Top = 40
  Caption = 'Scroll bars'
  ClientWidth = 420
  ClientHeight = 300
  object Memo1: TMemo
    Left = 10
    Top = 10
    Width = 120
    Height = 80
    TabOrder = 0
  end
  object Tall: TMemo
    Left = 140
    Top = 10
    Width = 130
    Height = 150
    ScrollBars = ssVertical
    TabOrder = 1
  end
  object Both: TMemo
    Left = 280
    Top = 10
    Width = 130
    Height = 120
    ScrollBars = ssBoth
    WordWrap = False
    TabOrder = 2
  end
  object Short: TMemo
    Left = 10
    Top = 100
    Width = 120
    Height = 30
    ScrollBars = ssVertical
    TabOrder = 3
  end
  object Flat: TMemo
    Left = 10
    Top = 140
    Width = 120
    Height = 60
    BorderStyle = bsNone
    TabOrder = 4
  end
  object Items: TListBox
    Left = 140
    Top = 170
    Width = 130
    Height = 100
    TabOrder = 5
  end
  object Bar: TScrollBar
    Left = 280
    Top = 140
    Width = 17
    Height = 140
    Kind = sbVertical
    Max = 50
    PageSize = 10
    LargeChange = 10
    TabOrder = 6
  end
end
)";

}  // namespace

void ScrollSkinTest::SetUp() {
  TMemo::StaticClass();
  TListBox::StaticClass();
  TScrollBar::StaticClass();
  Application()->Initialize();
  data = &controltest::BuiltInSkin();
  ASSERT_FALSE(data->Empty()) << "the built-in skin did not load";
  ASSERT_TRUE(data->Scrollbar && !data->Scrollbar->Image.Empty());
  form = Application()->CreateForm<TForm>();
  ReadComponent(*form, kForm);
  Find<TMemo>("Tall")->Lines()->SetText(NumberedLines(100));
  Find<TMemo>("Short")->Lines()->SetText(NumberedLines(20));
  Find<TMemo>("Both")->Lines()->SetText(NumberedLines(40, 60));
  for (int i = 0; i < 40; ++i) Find<TListBox>("Items")->Items()->Add("item " + std::to_string(i));
  form->Show();
  SetForegroundWindow(form->Handle());
  formSkin = controltest::MakeFormSkin(form, data);
  Settle(100);
}

void ScrollSkinTest::TearDown() {
  mouse_left_button(false);
  if (formSkin) formSkin->Controls().ReleaseControlSkins(false);
  formSkin.reset();
  if (form) Application()->DestroyComponent(form);
  Settle(20);
}

TSkinScrollbar* ScrollSkinTest::SkinScrolled(TControl* control) {
  SkinRequest r;
  r.owner = control;
  r.host = &formSkin->Controls();
  r.skinData = data;
  r.canvas = &formSkin->Controls().HostCanvas();
  r.control = control;
  auto* skin = dynamic_cast<TSkinScrollbar*>(MakeScrollbarSkin(r));
  Settle();
  return skin;
}

void ScrollSkinTest::SaveShot(const Capture& c, const std::string& name) {
  const std::string dir = QUARNEL_SHOTS;
  CreateDirectoryA(testing_support::host_path(dir).c_str(), nullptr);
  EXPECT_TRUE(testing_support::save_bmp(c, testing_support::host_path(dir + "/" + name)));
}

ScrollSpy::ScrollSpy(TControl* control) : control_(control), saved_(control->WindowProc) {
  control->WindowProc = [this](TMessage& m) {
    if (m.Msg == WM_VSCROLL || m.Msg == WM_HSCROLL) seen.emplace_back(m.Msg, LOWORD(m.WParam));
    if (saved_)
      saved_(m);
    else
      control_->WndProc(m);
  };
}

ScrollSpy::~ScrollSpy() {
  control_->WindowProc = saved_;
}

int ScrollSpy::Count(UINT msg, int request) const {
  int n = 0;
  for (const auto& [m, r] : seen)
    if (m == msg && r == request) ++n;
  return n;
}

}  // namespace quarnel::scrolltest
