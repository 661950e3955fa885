// Skin3rd: classes the skin data maps by name to a kind of control skin, ahead of the class
// rules; the kind table says which object each kind gets under which option. UI thread.
#include <iterator>

#include "framework/core/text.h"
#include "framework/ui/control.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/skin_control.h"
#include "skin/frame/win_skin_form.h"

namespace quarnel {

namespace {

constexpr size_t kMaxKindLength = 50;

struct KindContext {
  TWinSkinForm& formSkin;
  TSkinData& data;
  TControl& control;
  const std::string& upperClass;
};

SkinRequest RequestFor(const KindContext& k, TControl& control, bool useSkinColor = false, int variant = 0) {
  SkinRequest r;
  r.owner = &control;
  r.formSkin = &k.formSkin;
  r.skinData = &k.data;
  r.canvas = &k.formSkin.Canvas;
  r.control = &control;
  r.useSkinColor = useSkinColor;
  r.variant = variant;
  return r;
}
void Make(const KindContext& k, SkinClass cls, bool useSkinColor = false, int variant = 0) {
  MakeControlSkin(cls, RequestFor(k, k.control, useSkinColor, variant));
}
TWinControl* Windowed(const KindContext& k) {
  return ObjectAs<TWinControl>(&k.control);
}

bool HasBorder(TControl& control) {
  auto* w = ObjectAs<TWinControl>(&control);
  if (!w || !w->HandleAllocated()) return false;
  RECT window, client;
  GetWindowRect(w->RawHandle(), &window);
  GetClientRect(w->RawHandle(), &client);
  return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}

bool HasScrollBarsOrScrolledKind(TControl& control) {
  auto* w = ObjectAs<TWinControl>(&control);
  if (w && w->HandleAllocated() && (GetWindowLongPtrW(w->RawHandle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)))
    return true;
  return control.InheritsFrom("TMemo") || control.InheritsFrom("TCustomListBox") ||
         control.InheritsFrom("TCustomTreeView") || control.InheritsFrom("TCustomGrid") ||
         control.InheritsFrom("TCustomRichEdit");
}

void ComboBox(const KindContext& k) {
  Make(k, SkinClass::ComBox);
}
void ComboBoxEx(const KindContext& k) {
  SkinRequest r = RequestFor(k, k.control);
  r.extendedCombo = true;
  MakeControlSkin(SkinClass::ComBox, r);
}
void Edit(const KindContext& k) {
  if (HasBorder(k.control)) Make(k, SkinClass::Edit);
}
void RadioButton(const KindContext& k) {
  Make(k, SkinClass::RadioButton);
}
void Panel(const KindContext& k) {
  SetPropByName(&k.control, "Transparent", "True");
  Make(k, SkinClass::Box, true);
}
void TrackBar(const KindContext& k) {
  SetPropByName(&k.control, "Transparent", "True");
  Make(k, SkinClass::TrackBar);
}
void Button(const KindContext& k) {
  Make(k, SkinClass::Button);
}
void DateTimePicker(const KindContext& k) {
  Make(k, SkinClass::DateTime);
}
void MediaPlayer(const KindContext& k) {
  Make(k, SkinClass::MP);
}
void BitBtn(const KindContext& k) {
  bool dropDown = k.upperClass == "TCXBUTTON" &&
                  fw::AsciiLowerCase(GetEnumPropByName(&k.control, "Kind")) == "cxbkdropdownbutton";
  Make(k, dropDown ? SkinClass::MenuButton : SkinClass::BitButton);
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
  Make(k, SkinClass::MenuButton);
}
void SpeedButton(const KindContext& k) {
  Make(k, SkinClass::SpeedButton);
}
void Tab(const KindContext& k) {
  if (k.data.Tabs) Make(k, SkinClass::Tab);
}
void Progress(const KindContext& k) {
  Make(k, SkinClass::Progress);
}
void ScrollBar(const KindContext& k) {
  Make(k, SkinClass::Scrollbar);
  k.formSkin.WalkChildControls(Windowed(k));
}
void SingleScrollBar(const KindContext& k) {
  SkinRequest r = RequestFor(k, k.control);
  r.singleBar = true;
  MakeControlSkin(SkinClass::Scrollbar, r);
}
void EmbedScrollBar(const KindContext& k) {
  TWinControl* w = Windowed(k);
  if (!w) return;
  for (int i = 0; i < w->ControlCount(); ++i) {
    TControl& child = *w->Controls(i);
    if (child.InheritsFrom("TScrollingWinControl"))
      MakeControlSkin(SkinClass::ScControl, RequestFor(k, child));
    else if (HasScrollBarsOrScrolledKind(child))
      MakeControlSkin(SkinClass::Scrollbar, RequestFor(k, child));
  }
}
void Container(const KindContext& k) {
  k.formSkin.WalkChildControls(Windowed(k));
}
void GroupBox(const KindContext& k) {
  Make(k, SkinClass::GroupBox, true);
}
void AdvPageControl(const KindContext& k) {
  Make(k, SkinClass::AdvPage, true, 4);
}
void EachChildImageOr(const KindContext& k, int variant, SkinClass otherwise) {
  TWinControl* w = Windowed(k);
  if (!w) return;
  for (int i = 0; i < w->ControlCount(); ++i) {
    TControl& child = *w->Controls(i);
    if (child.ClassName().find("TRZ") != std::string::npos)
      MakeControlSkin(SkinClass::ObjImage, RequestFor(k, child, true, variant));
    else
      MakeControlSkin(otherwise, RequestFor(k, child));
  }
}
void RadioGroup(const KindContext& k) {
  if (Has(k.data, xcRadioButton)) EachChildImageOr(k, 2, SkinClass::RadioButton);
  Make(k, SkinClass::GroupBox, true);
}
void CheckGroup(const KindContext& k) {
  if (Has(k.data, xcRadioButton)) EachChildImageOr(k, 1, SkinClass::CheckBox);
  if (Has(k.data, xcGroupBox)) Make(k, SkinClass::GroupBox, true);
}
void CheckBox(const KindContext& k) {
  Make(k, SkinClass::CheckBox);
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

bool TWinSkinForm::ApplySkin3rdKind(const std::string& upperClass, TControl* control) {
  if (!SkinData || !control) return false;
  std::string kind;
  if (!FindSkin3rdKind(*SkinData->Skin3rd(), upperClass, kind)) return false;
  if (kind == "nil") return true;
  for (const KindRow& row : kKinds) {
    if (kind != row.kind) continue;
    if ((SkinData->SkinControls() & row.options) == row.options)
      row.apply(KindContext{*this, *SkinData, *control, upperClass});
    break;
  }
  return true;
}

}  // namespace quarnel
