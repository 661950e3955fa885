// Status bars: panels kept in a collection and put into the window as parts, the simple mode,
// and owner-drawn panels painted through the reflected draw-item notification.
// User-interface thread.
#include "framework/controls/status_bar.h"

#include "framework/controls/common_controls.h"

const TEnumInfo& StatusPanelBevelEnum() {
  static const TEnumInfo e{"TStatusPanelBevel", {"pbNone", "pbLowered", "pbRaised"}};
  return e;
}

const TEnumInfo& StatusPanelStyleEnum() {
  static const TEnumInfo e{"TStatusPanelStyle", {"psText", "psOwnerDraw"}};
  return e;
}

const TClassInfo& TStatusPanel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TStatusPanel>("TStatusPanel", &TCollectionItem::StaticClass())
          .Str("Text", &TStatusPanel::Text, &TStatusPanel::SetText)
          .Int("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth)
          .Enum("Alignment", AlignmentEnum(), &TStatusPanel::Alignment, &TStatusPanel::SetAlignment)
          .Enum("Bevel", StatusPanelBevelEnum(), &TStatusPanel::Bevel, &TStatusPanel::SetBevel)
          .Enum("Style", StatusPanelStyleEnum(), &TStatusPanel::Style, &TStatusPanel::SetStyle)
          .Build();
  return info;
}

const TClassInfo& TStatusBar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TStatusBar>("TStatusBar", &TWinControl::StaticClass())
          .Creatable()
          .Obj("Panels", &TCollection::StaticClass, &TStatusBar::Panels)
          .Bool("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel)
          .Str("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText)
          .Bool("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip)
          .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {
  fw::EnsureCommonControls();
  width_ = 200;
  height_ = 19;
  color_ = clBtnFace;
  parentColor_ = true;
  panels_.OnUpdate = [this](TCollectionItem* item) {
    if (item)
      UpdatePanel(item->Index());
    else
      UpdatePanels();
  };
}

TStatusBar::~TStatusBar() {
  panels_.OnUpdate = nullptr;
}

void TStatusBar::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.superClass = STATUSCLASSNAMEW;
  // The bar keeps the bounds it is given rather than docking itself to its parent.
  p.style |= CCS_NOPARENTALIGN | CCS_NORESIZE;
  if (sizeGrip_) p.style |= SBARS_SIZEGRIP;
}

void TStatusBar::HandleCreated() {
  TWinControl::HandleCreated();
  UpdatePanels();
}

void TStatusBar::SetSimplePanel(bool v) {
  simplePanel_ = v;
  UpdatePanels();
}

void TStatusBar::SetSimpleText(const std::string& v) {
  simpleText_ = v;
  if (handle_ && simplePanel_) {
    std::wstring text = fw::ItemText(v);
    SendMessageW(handle_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
  }
}

void TStatusBar::SetSizeGrip(bool v) {
  if (v == sizeGrip_) return;
  sizeGrip_ = v;
  RecreateWnd();
}

RECT TStatusBar::PanelRect(int index) {
  RECT r{};
  if (handle_) SendMessageW(handle_, SB_GETRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

void TStatusBar::UpdatePanels() {
  if (!handle_) return;
  SendMessageW(handle_, SB_SIMPLE, simplePanel_, 0);
  if (simplePanel_) {
    SetSimpleText(simpleText_);
    return;
  }
  // Parts are given by their right edges; the last one reaches to the bar's end.
  std::vector<int> edges;
  int right = 0;
  for (int i = 0; i < panels_.Count(); ++i) {
    right += panels_.Items(i)->Width();
    edges.push_back(i + 1 == panels_.Count() ? -1 : right);
  }
  if (edges.empty()) edges.push_back(-1);
  SendMessageW(handle_, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  if (panels_.Count() == 0) SendMessageW(handle_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L""));
  for (int i = 0; i < panels_.Count(); ++i) UpdatePanel(i);
}

void TStatusBar::UpdatePanel(int index) {
  if (!handle_ || simplePanel_ || index < 0 || index >= panels_.Count()) return;
  const TStatusPanel* panel = panels_.Items(index);
  WPARAM kind = static_cast<WPARAM>(index);
  if (panel->Bevel() == pbNone) kind |= SBT_NOBORDERS;
  if (panel->Bevel() == pbRaised) kind |= SBT_POPOUT;
  if (panel->Style() == psOwnerDraw) {
    // An owner-drawn part carries the panel's index as its data.
    SendMessageW(handle_, SB_SETTEXTW, kind | SBT_OWNERDRAW, static_cast<LPARAM>(index));
    return;
  }
  // A tab before the text centres it, two align it right.
  std::wstring text = panel->Alignment() == taCenter         ? L"\t"
                      : panel->Alignment() == taRightJustify ? L"\t\t"
                                                             : L"";
  text += fw::ItemText(panel->Text());
  SendMessageW(handle_, SB_SETTEXTW, kind, reinterpret_cast<LPARAM>(text.c_str()));
}

void TStatusBar::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case CN_DRAWITEM: handled = CnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam), m.Result); break;
    default: break;
  }
  if (!handled) TWinControl::WndProc(m);
}

bool TStatusBar::CnDrawItem(const DRAWITEMSTRUCT& draw, LRESULT& result) {
  const int index = static_cast<int>(draw.itemData);
  if (OnDrawPanel && index >= 0 && index < panels_.Count()) {
    TCanvas canvas;
    canvas.SetHandle(draw.hDC);
    OnDrawPanel(this, panels_.Items(index), canvas, draw.rcItem);
    canvas.SetHandle(nullptr);
  }
  result = TRUE;
  return true;
}
