// The range and text skin tests' form and helpers. Test thread.
#include "range_test_support.h"

#include "framework/controls/combo_box.h"
#include "framework/controls/date_time_picker.h"
#include "framework/controls/progress_bar.h"
#include "framework/controls/spin_edit.h"
#include "framework/controls/status_bar.h"
#include "framework/controls/track_bar.h"
#include "framework/controls/up_down.h"
#include "framework/description/reader.h"
#include "framework/ui/application.h"
#include "framework/ui/memo.h"
#include "skin/data/skin_messages.h"
#include "tests/skin/controls/skin_test_form.h"
#include "tests/support/object_counts.h"
#include "tests/support/wine_paths.h"

namespace quarnel::rangetest {

namespace {

const char* kForm = R"(object RangeForm: TForm
  Left = 30
  Top = 30
  Caption = 'Ranges'
  ClientWidth = 560
  ClientHeight = 330
  object ProgressLow: TProgressBar
    Left = 10
    Top = 10
    Width = 200
    Height = 16
  end
  object ProgressVertical: TProgressBar
    Left = 220
    Top = 10
    Width = 16
    Height = 120
    Orientation = pbVertical
  end
  object TrackH: TTrackBar
    Left = 10
    Top = 40
    Width = 200
    Height = 34
    Max = 20
    TabOrder = 0
  end
  object TrackV: TTrackBar
    Left = 250
    Top = 10
    Width = 34
    Height = 130
    Orientation = trVertical
    TabOrder = 1
  end
  object Buddy: TEdit
    Left = 10
    Top = 90
    Width = 80
    Height = 21
    Text = '5'
    TabOrder = 2
  end
  object UpDown1: TUpDown
    Left = 90
    Top = 90
    Width = 17
    Height = 21
    Associate = Buddy
    Max = 50
    Position = 5
    TabOrder = 3
  end
  object Edit1: TEdit
    Left = 300
    Top = 10
    Width = 120
    Height = 21
    Text = 'Edit text'
    TabOrder = 4
  end
  object Spin1: TSpinEdit
    Left = 300
    Top = 40
    Width = 120
    Height = 22
    MaxValue = 99
    TabOrder = 5
  end
  object ComboDrop: TComboBox
    Left = 300
    Top = 70
    Width = 120
    Height = 21
    TabOrder = 6
  end
  object ComboList: TComboBox
    Left = 430
    Top = 70
    Width = 120
    Height = 21
    Style = csDropDownList
    DropDownCount = 5
    TabOrder = 7
  end
  object ComboSimple: TComboBox
    Left = 430
    Top = 100
    Width = 120
    Height = 80
    Style = csSimple
    TabOrder = 8
  end
  object DateDrop: TDateTimePicker
    Left = 300
    Top = 100
    Width = 120
    Height = 21
    TabOrder = 9
  end
  object DateUpDown: TDateTimePicker
    Left = 300
    Top = 130
    Width = 120
    Height = 21
    DateMode = dmUpDown
    TabOrder = 10
  end
  object StatusPanels: TStatusBar
    Left = 0
    Top = 280
    Width = 560
    Height = 22
    SizeGrip = True
    Panels = <
      item
        Text = 'Left'
        Width = 120
      end
      item
        Alignment = taCenter
        Bevel = pbRaised
        Text = 'Middle'
        Width = 150
      end
      item
        Bevel = pbNone
        Text = 'Plain'
        Width = 50
      end>
  end
  object StatusSimple: TStatusBar
    Left = 0
    Top = 250
    Width = 300
    Height = 22
    SimplePanel = True
    SimpleText = 'Simple text'
    SizeGrip = False
  end
end
)";

}  // namespace

void RangeSkinTest::SetUp() {
  for (const TClassInfo* c :
       {&TProgressBar::StaticClass(), &TTrackBar::StaticClass(), &TUpDown::StaticClass(),
        &TStatusBar::StaticClass(), &TEdit::StaticClass(), &TSpinEdit::StaticClass(),
        &TComboBox::StaticClass(), &TDateTimePicker::StaticClass()})
    (void)c;
  Application()->Initialize();
  data = &controltest::BuiltInSkin();
  ASSERT_FALSE(data->Empty()) << "the built-in skin did not load";
  form = Application()->CreateForm<TForm>();
  ReadComponent(*form, kForm);
  auto* list = Find<TComboBox>("ComboList");
  for (int i = 0; i < 30; ++i) list->Items()->Add("item " + std::to_string(i));
  Find<TComboBox>("ComboDrop")->Items()->Add("first");
  Find<TComboBox>("ComboSimple")->Items()->Add("simple");
  form->Show();
  SetForegroundWindow(form->Handle());
  formSkin = controltest::MakeFormSkin(form, data);
  Settle(100);
}

void RangeSkinTest::TearDown() {
  testing_support::mouse_left_button(false);
  if (formSkin) formSkin->Controls().ReleaseControlSkins(false);
  formSkin.reset();
  if (form) Application()->DestroyComponent(form);
  Settle(20);
}

HWND RangeSkinTest::Window(const char* name) {
  auto* c = Find<TWinControl>(name);
  return c ? c->Handle() : nullptr;
}

void RangeSkinTest::SkinControls() {
  formSkin->Controls().AttachControlSkins();
  Settle();
}

Capture RangeSkinTest::Shot(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  flush_events(20);
  return testing_support::capture_window(window);
}

void RangeSkinTest::SaveShot(HWND window, const std::string& name) {
  const std::string dir = QUARNEL_SHOTS;
  CreateDirectoryA(testing_support::host_path(dir).c_str(), nullptr);
  EXPECT_TRUE(testing_support::save_bmp(Shot(window), testing_support::host_path(dir + "/" + name)));
}

Capture RangeSkinTest::ShotWithSkinOff(HWND window) {
  SendMessageW(window, SKM_ENABLESKIN, 0, 0);
  Capture off = Shot(window);
  SendMessageW(window, SKM_ENABLESKIN, 1, 0);
  flush_events(20);
  return off;
}

void RangeSkinTest::ExpectNoLeakOverRepaints(HWND window) {
  for (int i = 0; i < 20; ++i)
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  flush_events(20);
  const DWORD gdi = testing_support::gdi_objects();
  const DWORD user = testing_support::user_objects();
  for (int i = 0; i < 1000; ++i)
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
  flush_events(20);
  EXPECT_LE(testing_support::gdi_objects(), gdi + 2);
  EXPECT_LE(testing_support::user_objects(), user + 2);
}

POINT ScreenPoint(HWND window, int x, int y) {
  RECT r{};
  GetWindowRect(window, &r);
  return POINT{r.left + x, r.top + y};
}

int Differences(const Capture& a, const Capture& b) {
  if (a.width != b.width || a.height != b.height) return static_cast<int>(a.pixels.size());
  int n = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i) n += a.pixels[i] != b.pixels[i];
  return n;
}

}  // namespace quarnel::rangetest
