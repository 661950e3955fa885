// bench_controls: for every control kind, the median time of one full repaint (erase, paint,
// frame, child windows) of the control on a skinned form beside the same control on an unskinned
// twin of the form, measured in the same run, and which control skin the control got.
// Main thread; usage: bench_controls [runs] [package.skn].
//
// A new kind: add its control to bench_controls.form and one line to kRows below.
#include <cxxabi.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <typeinfo>

#include "framework/controls/check_box.h"
#include "framework/controls/combo_box.h"
#include "framework/controls/date_time_picker.h"
#include "framework/controls/group_box.h"
#include "framework/controls/header_control.h"
#include "framework/controls/list_view.h"
#include "framework/controls/media_player.h"
#include "framework/controls/panel.h"
#include "framework/controls/progress_bar.h"
#include "framework/controls/radio_group.h"
#include "framework/controls/spin_edit.h"
#include "framework/controls/status_bar.h"
#include "framework/controls/tab_controls.h"
#include "framework/controls/track_bar.h"
#include "framework/controls/up_down.h"
#include "framework/description/reader.h"
#include "framework/ui/application.h"
#include "framework/ui/bit_btn.h"
#include "framework/ui/button.h"
#include "framework/ui/form.h"
#include "framework/ui/list_box.h"
#include "framework/ui/memo.h"
#include "framework/ui/scroll_bar.h"
#include "skin/controls/skin_control.h"
#include "skin/data/skin_data.h"
#include "skin/frame/win_skin_form.h"
#include "tools/bench_common/bench_skin.h"

namespace quarnel::bench {
namespace {

struct Row {
  const char* kind;
  const char* component;  // its name in bench_controls.form
};

constexpr Row kRows[] = {
    {"push button", "Button1"},
    {"bit button", "BitBtn1"},
    {"check box", "CheckBox1"},
    {"radio button", "RadioButton1"},
    {"group box", "GroupBox1"},
    {"panel", "Panel1"},
    {"radio group", "RadioGroup1"},
    {"edit", "Edit1"},
    {"spin edit", "SpinEdit1"},
    {"combo box (drop-down)", "ComboDropDown"},
    {"combo box (drop-down list)", "ComboList"},
    {"date picker (combo)", "DateCombo"},
    {"date picker (up-down)", "DateUpDown"},
    {"memo with a bar", "Memo1"},
    {"list box", "ListBox1"},
    {"track bar horizontal", "TrackHorizontal"},
    {"track bar vertical", "TrackVertical"},
    {"up-down", "UpDown1"},
    {"progress bar horizontal", "ProgressHorizontal"},
    {"progress bar vertical", "ProgressVertical"},
    {"scroll bar", "ScrollBar1"},
    {"tab control", "TabControl1"},
    {"page control", "PageControl1"},
    {"header", "Header1"},
    {"list view", "ListView1"},
    {"media player", "MediaPlayer1"},
    {"status bar", "StatusBar1"},
};

void RegisterClasses() {
  for (const TClassInfo* cls :
       {&TButton::StaticClass(),      &TBitBtn::StaticClass(),         &TCheckBox::StaticClass(),
        &TRadioButton::StaticClass(), &TGroupBox::StaticClass(),       &TPanel::StaticClass(),
        &TRadioGroup::StaticClass(),  &TEdit::StaticClass(),           &TSpinEdit::StaticClass(),
        &TComboBox::StaticClass(),    &TDateTimePicker::StaticClass(), &TMemo::StaticClass(),
        &TListBox::StaticClass(),     &TTrackBar::StaticClass(),       &TUpDown::StaticClass(),
        &TProgressBar::StaticClass(), &TScrollBar::StaticClass(),      &TTabControl::StaticClass(),
        &TPageControl::StaticClass(), &TTabSheet::StaticClass(),       &THeaderControl::StaticClass(),
        &TListView::StaticClass(),    &TMediaPlayer::StaticClass(),    &TStatusBar::StaticClass()})
    (void)cls;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(HostPath(path), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::string SkinName(const TSkinControl* skin) {
  if (!skin) return "(no skin)";
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> name(
      abi::__cxa_demangle(typeid(*skin).name(), nullptr, nullptr, &status), &std::free);
  std::string text = status == 0 && name ? name.get() : typeid(*skin).name();
  if (text.rfind("quarnel::", 0) == 0) text.erase(0, 9);
  return text;
}

HWND HandleOf(TForm* form, const char* component) {
  auto* control = ObjectAs<TWinControl>(form->FindComponent(component));
  return control ? control->Handle() : nullptr;
}

double FullRepaint(int runs, HWND window) {
  return Median(runs, [window] {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  });
}

int Run(int runs, const std::string& package) {
  RegisterClasses();
  Application()->Initialize();
  auto skin = LoadBenchSkin(package);
  if (!skin) return 1;
  const std::string text = ReadText(QUARNEL_BENCH_CONTROLS_FORM);
  if (text.empty()) {
    std::fprintf(stderr, "cannot read the form %s\n", QUARNEL_BENCH_CONTROLS_FORM);
    return 1;
  }
  TForm* plain = Application()->CreateForm<TForm>();
  ReadComponent(*plain, text);
  // The twin reads the same description under another name: form names are unique.
  std::string twinText = text;
  twinText.replace(twinText.find("BenchForm"), 9, "BenchTwin");
  TForm* skinned = Application()->CreateForm<TForm>();
  ReadComponent(*skinned, twinText);
  plain->Show();
  skinned->Show();
  SetWindowPos(plain->Handle(), nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  auto frame = TComponent::Make<TWinSkinForm>();
  frame->BindWindow(skinned->Handle(), "TForm", skinned, skin.get());
  frame->Activate(skin.get());
  SetForegroundWindow(skinned->Handle());
  Pump();
  // Without the manager the walk is run by hand, as the manager runs it after a form shows.
  frame->Controls().AttachControlSkins();
  Pump();

  std::printf("every control kind, full repaint, built-in skin, %d runs (medians)\n", runs);
  std::printf("%-28s %-22s %10s %10s %8s\n", "kind", "control skin", "system us", "skinned us", "ratio");
  int slower = 0;
  for (const Row& row : kRows) {
    HWND plainWindow = HandleOf(plain, row.component);
    HWND skinnedWindow = HandleOf(skinned, row.component);
    if (!plainWindow || !skinnedWindow) {
      std::printf("%-28s missing from the form (%s)\n", row.kind, row.component);
      continue;
    }
    const double system = FullRepaint(runs, plainWindow);
    const double skinnedPaint = FullRepaint(runs, skinnedWindow);
    const double ratio = skinnedPaint / std::max(system, 0.001);
    if (ratio > 1.5) ++slower;
    std::printf("%-28s %-22s %10.1f %10.1f %7.2fx\n", row.kind,
                SkinName(frame->Controls().FindControlSkin(skinnedWindow)).c_str(), system, skinnedPaint, ratio);
  }
  std::printf("goal: at most 1.5x the system's paint; %d kind(s) above it\n", slower);
  frame->Controls().ReleaseControlSkins(false);
  frame.reset();
  Application()->DestroyComponent(skinned);
  Application()->DestroyComponent(plain);
  return 0;
}

}  // namespace
}  // namespace quarnel::bench

int main(int argc, char** argv) {
  return quarnel::bench::BenchMain(argc, argv, 101, 5, QUARNEL_LONGHORN_BLUE_SKN, quarnel::bench::Run);
}
