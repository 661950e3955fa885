// TBitBtn: standard kinds and the owner-drawn face with its glyph. User-interface thread.
#include "framework/ui/bit_btn.h"

const TEnumInfo& BitBtnKindEnum() {
  static const TEnumInfo e{"TBitBtnKind",
                           {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose", "bkAbort",
                            "bkRetry", "bkIgnore", "bkAll"}};
  return e;
}

const TClassInfo& TBitBtn::StaticClass() {
  static const TClassInfo info = [] {
    return TClassBuilder<TBitBtn>("TBitBtn", &TButton::StaticClass())
        .Creatable()
        .Obj("Glyph", &TBitmap::StaticClass, &TBitBtn::Glyph)
        .Int("NumGlyphs", &TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs)
        .Enum("Layout", ButtonLayoutEnum(), &TBitBtn::Layout, &TBitBtn::SetLayout)
        .Int("Margin", &TBitBtn::Margin, &TBitBtn::SetMargin)
        .Int("Spacing", &TBitBtn::Spacing, &TBitBtn::SetSpacing)
        .Enum("Kind", BitBtnKindEnum(), &TBitBtn::Kind, &TBitBtn::SetKind)
        .Build();
  }();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::SetKind(int kind) {
  kind_ = kind;
  static const char* const captions[] = {"",       "OK",    "Cancel", "&Help",   "&Yes", "&No",
                                         "&Close", "Abort", "&Retry", "&Ignore", "&All"};
  static const int results[] = {0, IDOK, IDCANCEL, 0, IDYES, IDNO, 0, IDABORT, IDRETRY, IDIGNORE, 8};
  if (kind > bkCustom && kind <= bkAll) {
    if (caption_.empty()) SetCaption(captions[kind]);
    SetModalResult(results[kind]);
  }
}

void TBitBtn::CreateParams(TCreateParams& p) {
  TButton::CreateParams(p);
  p.style = (p.style & ~0xFu) | BS_OWNERDRAW;
}

void TBitBtn::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case CN_DRAWITEM: handled = CnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam), m.Result); break;
    default: break;
  }
  if (!handled) TButton::WndProc(m);
}

bool TBitBtn::CnDrawItem(const DRAWITEMSTRUCT& item, LRESULT& result) {
  DrawItem(item);
  result = TRUE;
  return true;
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
  RECT r = item.rcItem;
  const bool pressed = item.itemState & ODS_SELECTED;
  DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  const int frame = !enabled_ ? 2 : pressed ? 3 : 1;
  HGDIOBJ old = SelectObject(item.hDC, font_.Handle());
  DrawGlyphButtonFace(item.hDC, r, glyph_, numGlyphs_, frame, WideCaption(), layout_, enabled_);
  SelectObject(item.hDC, old);
  if (item.itemState & ODS_FOCUS) {
    RECT f{r.left + 4, r.top + 4, r.right - 4, r.bottom - 4};
    DrawFocusRect(item.hDC, &f);
  }
}
