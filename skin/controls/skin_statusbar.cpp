// TSkinStatusBar: the bar composed in one bitmap shared by every status bar skin of the process:
// each panel on its StatusBarEdges frame (lowered 1, raised 2, none 3) with its text in the
// regular style, or the one simple panel, then the size grip from ExtraImages; owner-drawn
// panels are left to their handler. UI thread.
#include <windows.h>
// after windows.h, whose types it uses
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "framework/ui/graphic_control.h"
#include "framework/win/handles.h"
#include "framework/win/shared_caches.h"
#include "skin/controls/control_fills.h"
#include "skin/controls/control_text.h"
#include "skin/controls/paint_handlers.h"
#include "skin/controls/range_layout.h"
#include "skin/controls/skin_range.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {

TBitmap& SharedBitmap() {
  static std::unique_ptr<TBitmap> bitmap;
  [[maybe_unused]] static const bool emptiable = (fw::OnEmptySharedCaches([] { bitmap.reset(); }), true);
  if (!bitmap) bitmap = std::make_unique<TBitmap>();
  return *bitmap;
}

struct PartText {
  std::wstring text;
  UINT type = 0;  // SBT_ flags of the part
};

PartText ReadPart(HWND bar, int index) {
  PartText part;
  const LRESULT info = SendMessageW(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(index), 0);
  part.type = HIWORD(info);
  if (part.type & SBT_OWNERDRAW) return part;
  part.text.resize(static_cast<size_t>(LOWORD(info)) + 1);
  SendMessageW(bar, SB_GETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(part.text.data()));
  part.text.resize(wcsnlen(part.text.c_str(), part.text.size()));
  return part;
}

// Leading tabs align a part's text: one centres it, two put it at the right.
UINT TakeAlignment(std::wstring& text) {
  int tabs = 0;
  while (tabs < 2 && tabs < static_cast<int>(text.size()) && text[static_cast<size_t>(tabs)] == L'\t') ++tabs;
  text.erase(0, static_cast<size_t>(tabs));
  return tabs == 0 ? DT_LEFT : tabs == 1 ? DT_CENTER : DT_RIGHT;
}

// The bar's text is drawn in the regular style: `source` without bold, italic, underline or
// strike-out. The plain copy is kept for the next paint with the same font.
HFONT RegularStyle(HFONT source) {
  static fw::UniqueFont plain;
  static LOGFONTW made{};
  [[maybe_unused]] static const bool emptiable = (fw::OnEmptySharedCaches([] { plain.reset(); }), true);
  LOGFONTW lf{};
  if (!source || GetObjectW(source, sizeof lf, &lf) != sizeof lf) return source;
  if (lf.lfWeight <= FW_NORMAL && !lf.lfItalic && !lf.lfUnderline && !lf.lfStrikeOut) return source;
  lf.lfWeight = std::min<LONG>(lf.lfWeight, FW_NORMAL);
  lf.lfItalic = lf.lfUnderline = lf.lfStrikeOut = 0;
  if (!plain || std::memcmp(&lf, &made, sizeof lf) != 0) {
    plain.reset(CreateFontIndirectW(&lf));
    made = lf;
  }
  return plain ? plain.get() : source;
}

int FrameOfType(UINT type) {
  if (type & SBT_NOBORDERS) return 3;
  return (type & SBT_POPOUT) ? 2 : 1;
}

}  // namespace

bool TSkinStatusBar::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      return PaintSelf(*this, m);
    case WM_ERASEBKGND:
      return EraseNothing(m);
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

void TSkinStatusBar::Draw(HDC dc, const RECT& rect) {
  if (!SkinData() || !Window()) return;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  TBitmap& bitmap = SharedBitmap();
  bitmap.SetSize(w, h);
  HDC b = bitmap.DC();
  const RECT bar{0, 0, w, h};
  FillSkinColor(*this, b, bar);
  HFONT font = Control() ? Control()->Font()->Handle()
                         : reinterpret_cast<HFONT>(SendMessageW(Window(), WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  fw::SelectGuard keepFont(b, RegularStyle(font));
  TDataSkinObject* edges = SkinData()->StatusBarEdges.get();
  SetTextColor(b, ResolveSkinColor(edges ? edges->NormalColour2 : SkinData()->Colors[scButtonText]));
  SetBkMode(b, TRANSPARENT);
  DrawPanels(b, bar);

  const bool grip = Binding().WindowLong(GWL_STYLE) & SBARS_SIZEGRIP;
  lastGrip_ = false;
  TDataSkinObject* extra = SkinData()->ExtraImages.get();
  if (grip && extra && !extra->Image.Empty()) {
    const int frames = extra->FrameCount > 0 ? extra->FrameCount : 5;
    const SkinRect g = StatusGripRect(w, h, extra->Image.Width() / frames, extra->Image.Height());
    DrawSkinFrameStretched(b, RECT{g.left, g.top, g.right, g.bottom}, extra->Image, true, frames, 5);
    lastGrip_ = true;
  }
  BitBlt(dc, rect.left, rect.top, w, h, b, 0, 0, SRCCOPY);
  if (Control()) PaintGraphicChildren(*Control(), dc);
  DrawOwnerPanels(dc);
}

// The simple panel's text: the control's, or what the window holds under the simple part's
// number (some systems keep it under part 0 instead).
std::wstring TSkinStatusBar::SimpleText() const {
  if (Control() && Control()->ClassInfo().FindProperty("SimpleText"))
    return GetTextPropByName(Control(), "SimpleText");
  PartText part = ReadPart(Window(), SB_SIMPLEID);
  if (part.text.empty()) part = ReadPart(Window(), 0);
  TakeAlignment(part.text);
  return part.text;
}

void TSkinStatusBar::DrawPanels(HDC b, const RECT& bar) {
  TDataSkinObject* edges = SkinData()->StatusBarEdges.get();
  const bool withEdges = edges && !edges->Image.Empty();
  const int edgeFrames = withEdges && edges->FrameCount > 0 ? edges->FrameCount : 3;
  const bool enabled = !(Binding().WindowLong(GWL_STYLE) & WS_DISABLED);
  if (!enabled) SetTextColor(b, ResolveSkinColor(SkinData()->Colors[scButtonShadow]));
  const bool rtl = ReadingRightToLeft(*this);
  auto text = [&](std::wstring s, RECT r, UINT align) {
    if (s.empty()) s = L" ";
    if (rtl) align = align == DT_LEFT ? DT_RIGHT : align == DT_RIGHT ? DT_LEFT : align;
    DrawTextWide(b, s, r,
                 RightToLeftFlags(*this, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS));
  };

  if (SendMessageW(Window(), SB_ISSIMPLE, 0, 0)) {
    if (withEdges) DrawElementFrame(b, bar, *edges, edgeFrames, 1);
    text(SimpleText(), RECT{bar.left + 2, bar.top, bar.right - 2, bar.bottom}, DT_LEFT);
    return;
  }
  const int count = static_cast<int>(SendMessageW(Window(), SB_GETPARTS, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT r{};
    SendMessageW(Window(), SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
    if (i + 1 == count) r.right = bar.right;
    PartText part = ReadPart(Window(), i);
    if (withEdges) DrawElementFrame(b, r, *edges, edgeFrames, FrameOfType(part.type));
    if (part.type & SBT_OWNERDRAW) continue;
    const UINT align = TakeAlignment(part.text);
    text(part.text, RECT{r.left + 2, r.top, r.right - 2, r.bottom}, align);
  }
}

// Owner-drawn parts are drawn by whoever owns them, as the bar itself would ask them.
void TSkinStatusBar::DrawOwnerPanels(HDC dc) {
  if (SendMessageW(Window(), SB_ISSIMPLE, 0, 0)) return;
  const int count = static_cast<int>(SendMessageW(Window(), SB_GETPARTS, 0, 0));
  for (int i = 0; i < count; ++i) {
    const LRESULT info = SendMessageW(Window(), SB_GETTEXTLENGTHW, static_cast<WPARAM>(i), 0);
    if (!(HIWORD(info) & SBT_OWNERDRAW)) continue;
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_STATIC;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(Window()));
    item.itemID = static_cast<UINT>(i);
    item.hwndItem = Window();
    item.hDC = dc;
    SendMessageW(Window(), SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item.rcItem));
    item.itemData = static_cast<ULONG_PTR>(SendMessageW(Window(), SB_GETTEXTW, static_cast<WPARAM>(i), 0));
    SendMessageW(GetParent(Window()), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
  }
}

}  // namespace quarnel
