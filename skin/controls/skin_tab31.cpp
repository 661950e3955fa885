// TSkinTab31: tab sets, whose tabs hang below a page. The control keeps its tab logic; the skin
// lays the tabs out from the control's margins and first visible tab, draws them from the
// flipped tab image off-screen and copies them once, and skins the scroller. UI thread.
#include "framework/core/strings.h"
#include "framework/graphics/font.h"
#include "framework/graphics/scratch_bitmap.h"
#include "framework/win/handles.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/control_fills.h"
#include "skin/controls/control_skin_host.h"
#include "skin/controls/paint_handlers.h"
#include "skin/controls/skin_tab.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"

namespace quarnel {

namespace {
// Space a tab's text gets round it, and between tabs.
constexpr int kTabPadding = 9;
// What a visible scroller takes at the end of the row, beyond the padding.
constexpr int kScrollerRoom = 21;
}  // namespace

void TSkinTab31::Attach(TControlSkinHost* host, TSkinData* skinData, bool, TCanvas* sharedCanvas) {
  if (Attachment().Attached()) return;
  auto* control = ObjectAs<TWinControl>(Owner());
  if (!control) return;
  AttachHandleFor(*control, skinData, host, sharedCanvas);
  PrepareImage();
  // The scroller is the control's first component when it has one.
  auto* scroller = control->ComponentCount() > 0 ? ObjectAs<TWinControl>(control->Components(0)) : nullptr;
  if (scroller && host) {
    scroller_ = scroller->Handle();
    SkinRequest r;
    r.owner = control;
    r.host = host;
    r.skinData = skinData;
    r.canvas = sharedCanvas;
    r.window = scroller_;
    r.variant = 1;  // a tab-set scroller: its halves point left and right
    MakeControlSkin(SkinClass::UpDown, r);
  }
}

void TSkinTab31::PrepareImage() {
  tabImage_.SetSize(0, 0);
  if (!SkinData() || !SkinData()->Tabs) return;
  TDataSkinBorder& tabs = *SkinData()->Tabs;
  tabImage_.Assign(tabs.Image);
  FlipBitmap(tabImage_);
  margins_ = {tabs.LeftWidth, tabs.BottomHeight, tabs.RightWidth, tabs.TopHeight};
}

void TSkinTab31::UpdateSkin() {
  PrepareImage();
  TSkinControl::UpdateSkin();
}

bool TSkinTab31::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      return OnPaint(m);
    case WM_ERASEBKGND:
      return EraseNothing(m);
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

// Painted here; the control's own paint that follows finds nothing left to paint.
bool TSkinTab31::OnPaint(TMessage& m) {
  HandlePaint(*this, m);
  return false;
}

void TSkinTab31::AfterMessage(TMessage& m) {
  if (m.Msg == WM_PAINT) return;  // painted before the control's own paint
  TSkinControl::AfterMessage(m);
}

void TSkinTab31::Draw(HDC dc, const RECT& rect) {
  if (!dc || !Control() || !SkinData() || !SkinData()->Tabs || tabImage_.Empty()) return;
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  if (w <= 0 || h <= 0) return;
  const fw::ScratchBitmap buffer(w, h);
  HDC off = buffer.DC();
  FillSkinColor(*this, off, RECT{0, 0, w, h});
  fw::SelectGuard font(off, Control()->Font()->Handle());
  SetBkMode(off, TRANSPARENT);

  auto* tabs = ObjectAs<TStrings>(GetObjectPropByName(Control(), "Tabs", TStrings::StaticClass()));
  const int count = tabs ? tabs->Count() : 0;
  const int selected = static_cast<int>(GetOrdPropByName(Control(), "TabIndex"));
  const int first = std::max<int>(0, static_cast<int>(GetOrdPropByName(Control(), "FirstIndex")));
  const int available = w - std::max<int>(0, static_cast<int>(GetOrdPropByName(Control(), "EndMargin")));
  const bool scrollerShown = scroller_ && IsWindow(scroller_) && IsWindowVisible(scroller_);
  int x = std::max<int>(0, static_cast<int>(GetOrdPropByName(Control(), "StartMargin")));
  TDataSkinBorder& element = *SkinData()->Tabs;
  drawn_.clear();
  for (int i = first; i < count; ++i) {
    const std::wstring text = AnsiToWide(tabs->Get(i));
    RECT measured{0, 0, 0, 0};
    DrawTextWide(off, text, measured, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const int width = measured.right - measured.left + kTabPadding;
    if (x + width + (scrollerShown ? kScrollerRoom : kTabPadding) > available) break;
    const int state = i == selected ? 2 : 1;
    RECT tab{x, 0, x + width, h};
    DrawSkinElement(off, tab, tabImage_, false, element.Tile != 0, element.Trans != 0, element.FrameCount,
                    state, margins_);
    SetTextColor(off, ResolveSkinColor(state == 1 ? element.NormalColour2 : element.MouseOverColour2));
    DrawTextWide(off, text, tab, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    drawn_.push_back({i, tab});
    x += width + kTabPadding;
  }
  BitBlt(dc, rect.left, rect.top, w, h, off, 0, 0, SRCCOPY);
}

TSkinControl* MakeTab31Skin(const SkinRequest& r) {
  if (!r.control) return nullptr;
  auto* skin = TComponent::CreateIn<TSkinTab31>(r.control);
  skin->Attach(r.host, r.skinData, r.useSkinColor, r.canvas);
  return skin;
}

}  // namespace quarnel
