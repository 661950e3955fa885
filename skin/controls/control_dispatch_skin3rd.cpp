// Skin3rd: classes the skin data maps by name to a kind of control skin, ahead of the class
// rules; the kind table says which object each kind gets under which option. UI thread.
#include <iterator>

#include "framework/core/text.h"
#include "framework/ui/control.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/control_skin_host.h"
#include "skin/controls/control_walker.h"
#include "skin/controls/skin_control.h"

namespace quarnel {

namespace {

constexpr size_t kMaxKindLength = 50;

using KindContext = DispatchContext;

bool HasBorder(TControl& control) {
  auto* w = ObjectAs<TWinControl>(&control);
  if (!w || !w->HandleAllocated()) return false;
  RECT window, client;
  GetWindowRect(w->RawHandle(), &window);
  GetClientRect(w->RawHandle(), &client);
  return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}

void ComboBox(const KindContext& k) {
  MakeFor(k, SkinClass::ComBox);
}
void ComboBoxEx(const KindContext& k) {
  SkinRequest r = RequestFor(k, k.control);
  r.extendedCombo = true;
  MakeControlSkin(SkinClass::ComBox, r);
}
void Edit(const KindContext& k) {
  if (HasBorder(k.control)) MakeFor(k, SkinClass::Edit);
}
void RadioButton(const KindContext& k) {
  MakeFor(k, SkinClass::RadioButton);
}
void Panel(const KindContext& k) {
  SetPropByName(&k.control, "Transparent", "True");
  MakeFor(k, SkinClass::Box, true);
}
void TrackBar(const KindContext& k) {
  SetPropByName(&k.control, "Transparent", "True");
  MakeFor(k, SkinClass::TrackBar);
}
void Button(const KindContext& k) {
  MakeFor(k, SkinClass::Button);
}
void DateTimePicker(const KindContext& k) {
  MakeFor(k, SkinClass::DateTime);
}
void MediaPlayer(const KindContext& k) {
  MakeFor(k, SkinClass::MP);
}
void BitBtn(const KindContext& k) {
  bool dropDown = k.upperClass == "TCXBUTTON" &&
                  fw::AsciiLowerCase(GetEnumPropByName(&k.control, "Kind")) == "cxbkdropdownbutton";
  MakeFor(k, dropDown ? SkinClass::MenuButton : SkinClass::BitButton);
}
void PngBitBtn(const KindContext& k) {
  SkinRequest r = RequestFor(k, k.control);
  r.imageProperty = "PngImage";
  MakeControlSkin(SkinClass::BitButton, r);
}
void PngSpeedButton(const KindContext& k) {
  SkinRequest r = RequestFor(k, k.control);
  r.imageProperty = "PngImage";
  MakeControlSkin(SkinClass::SpeedButton, r);
}
void MenuBtn(const KindContext& k) {
  MakeFor(k, SkinClass::MenuButton);
}
void SpeedButton(const KindContext& k) {
  MakeFor(k, SkinClass::SpeedButton);
}
void Tab(const KindContext& k) {
  if (k.skinData.Tabs) MakeFor(k, SkinClass::Tab);
}
void Progress(const KindContext& k) {
  MakeFor(k, SkinClass::Progress);
}
void ScrollBar(const KindContext& k) {
  MakeFor(k, SkinClass::Scrollbar);
  k.walker.WalkChildControls(WindowedOf(k));
}
void SingleScrollBar(const KindContext& k) {
  SkinRequest r = RequestFor(k, k.control);
  r.singleBar = true;
  MakeControlSkin(SkinClass::Scrollbar, r);
}
void EmbedScrollBar(const KindContext& k) {
  TWinControl* w = WindowedOf(k);
  if (!w) return;
  for (int i = 0; i < w->ControlCount(); ++i) {
    TControl& child = *w->Controls(i);
    if (IsScrollBarControl(child))
      MakeControlSkin(SkinClass::ScControl, RequestFor(k, child));
    else if (HasScrollBarsOrScrolledKind(child))
      MakeControlSkin(SkinClass::Scrollbar, RequestFor(k, child));
  }
}
void Container(const KindContext& k) {
  k.walker.WalkChildControls(WindowedOf(k));
}
void GroupBox(const KindContext& k) {
  MakeFor(k, SkinClass::GroupBox, true);
}
void AdvPageControl(const KindContext& k) {
  MakeFor(k, SkinClass::AdvPage, true, 4);
}
void EachChildImageOr(const KindContext& k, int variant, SkinClass otherwise) {
  TWinControl* w = WindowedOf(k);
  if (!w) return;
  for (int i = 0; i < w->ControlCount(); ++i) {
    TControl& child = *w->Controls(i);
    if (fw::AsciiLowerCase(child.ClassName()).find("trz") != std::string::npos)
      MakeControlSkin(SkinClass::ObjImage, RequestFor(k, child, true, variant));
    else
      MakeControlSkin(otherwise, RequestFor(k, child));
  }
}
void RadioGroup(const KindContext& k) {
  if (Has(k.skinData, xcRadioButton)) EachChildImageOr(k, 2, SkinClass::RadioButton);
  MakeFor(k, SkinClass::GroupBox, true);
}
void CheckGroup(const KindContext& k) {
  if (Has(k.skinData, xcRadioButton)) EachChildImageOr(k, 1, SkinClass::CheckBox);
  if (Has(k.skinData, xcGroupBox)) MakeFor(k, SkinClass::GroupBox, true);
}
void CheckBox(const KindContext& k) {
  MakeFor(k, SkinClass::CheckBox);
}

struct KindRow {
  const char* kind;
  TSkinControlSet options;
  void (*apply)(const KindContext&);
};
constexpr TSkinControlSet B(TSkinControlType t) {
  return Bit(t);
}

const KindRow kKinds[] = {
    {"combobox", B(xcCombo), ComboBox},
    {"comboboxex", B(xcCombo), ComboBoxEx},
    {"edit", B(xcEdit), Edit},
    {"radiobutton", B(xcRadioButton), RadioButton},
    {"panel", B(xcPanel), Panel},
    {"trackbar", B(xcButton), TrackBar},
    {"button", B(xcButton), Button},
    {"datetimepicker", B(xcCombo), DateTimePicker},
    {"mediaplayer", B(xcButton), MediaPlayer},
    {"bitbtn", B(xcButton), BitBtn},
    {"pngbitbtn", B(xcButton), PngBitBtn},
    {"pngspeedbutton", B(xcButton), PngSpeedButton},
    {"menubtn", B(xcButton), MenuBtn},
    {"speedbutton", B(xcSpeedButton), SpeedButton},
    {"tab", B(xcTab), Tab},
    {"progress", B(xcProgress), Progress},
    {"scrollbar", B(xcScrollbar), ScrollBar},
    {"singlescrollbar", B(xcScrollbar), SingleScrollBar},
    {"embedscrollbar", B(xcScrollbar), EmbedScrollBar},
    {"container", 0, Container},
    {"groupbox", B(xcGroupBox), GroupBox},
    {"advpagecontrol", B(xcTab), AdvPageControl},
    {"radiogroup", B(xcGroupBox), RadioGroup},
    {"checkgroup", B(xcPanel), CheckGroup},
    {"checkbox", B(xcCheckBox), CheckBox},
};

}  // namespace

bool FindSkin3rdKind(const TStrings& rows, std::string_view className, std::string& kind) {
  const std::string prefix = fw::AsciiLowerCase(className) + "=";
  for (int i = 0; i < rows.Count(); ++i) {
    std::string row = fw::AsciiLowerCase(rows.Get(i));
    if (row.compare(0, prefix.size(), prefix) != 0) continue;
    kind = row.substr(prefix.size(), kMaxKindLength);
    return true;
  }
  return false;
}

bool TControlWalker::ApplySkin3rdKind(const std::string& upperClass, TControl* control) {
  TSkinData* data = host_.HostSkinData();
  if (!data || !control) return false;
  std::string kind;
  if (!FindSkin3rdKind(*data->Skin3rd(), upperClass, kind)) return false;
  if (kind == "nil") return true;
  for (const KindRow& row : kKinds) {
    if (kind != row.kind) continue;
    if ((data->SkinControls() & row.options) == row.options)
      row.apply(DispatchContext{*this, *data, *control, upperClass});
    break;
  }
  return true;
}

}  // namespace quarnel
