// TSkinTab: attaching to a tab or page control (or a bare tab window), the prepared tab and pane
// images per tab side, the up-down shown when the tabs do not fit, close-box clicks; the page
// skin TSkinTabSheet; the tab skins' factories. UI thread.
#include "skin/controls/skin_tab.h"

#include <commctrl.h>

#include <utility>

#include "framework/core/text.h"
#include "framework/ui/graphic_control.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/control_fills.h"
#include "skin/controls/control_skin_host.h"
#include "skin/controls/paint_handlers.h"
#include "skin/data/draw/draw_helpers.h"
#include "skin/data/skin_data.h"
#include "skin/data/skin_messages.h"

namespace quarnel {

TSkinTab::TSkinTab(TComponent* owner, int32_t variant) : TSkinControl(owner), requestedVariant_(variant) {}

TSkinTab::~TSkinTab() = default;

void TSkinTab::Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas) {
  if (Attachment().Attached()) return;
  TSkinControl::Attach(host, skinData, useSkinColor, sharedCanvas);
  if (requestedVariant_) SetVariant(requestedVariant_);
  if (!Control()) return;
  ReadState();
  closeBoxes_ = WantsCloseBoxes();
  PrepareImages();
  FindUpDown();
}

void TSkinTab::AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host, TCanvas* sharedCanvas) {
  if (Attachment().Attached()) return;
  TSkinControl::AttachHandle(window, skinData, host, sharedCanvas);
  if (!Attachment().Attached()) return;
  ReadState();
  PrepareImages();
  FindUpDown();
}

// The tag asks a page control for the skin's close boxes, unless it shows close buttons of its
// own: the clicks are then its own, and a second box on each tab would only hide them.
bool TSkinTab::WantsCloseBoxes() const {
  return Control() && Control()->Tag() == kCloseBoxTabTag && Control()->InheritsFrom("TPageControl") &&
         fw::AsciiLowerCase(GetEnumPropByName(Control(), kOwnCloseButtonsProperty)) != "true";
}

void TSkinTab::ReadState() {
  const LONG_PTR style = Binding().WindowLong(GWL_STYLE);
  side_ = TabSideFromStyle(static_cast<unsigned long>(style));
  Marks().SetEnabled(!(style & WS_DISABLED));
  Marks().SetFocused(HasFocus());
}

void TSkinTab::UpdateSkin() {
  PrepareImages();
  TSkinControl::UpdateSkin();
}

// The tab image turned to the tab side once, so that painting only cuts frames out of it.
void TSkinTab::PrepareImages() {
  backgroundPane_ = SkinRect{0, 0, -1, -1};
  tabImage_.SetSize(0, 0);
  paneImage_.SetSize(0, 0);
  if (!SkinData() || !SkinData()->Tabs) return;
  ReadState();
  TDataSkinBorder& tabs = *SkinData()->Tabs;
  tabImage_.Assign(tabs.Image);
  tabMargins_ = {tabs.LeftWidth, tabs.TopHeight, tabs.RightWidth, tabs.BottomHeight};
  if (tabs.Style == 0) {
    paneImage_.Assign(tabs.Image2);
    paneMargins_ = {4, 5, 4, 4};
  } else if (tabs.Style == 1 && SkinData()->TabPane) {
    TDataSkinObject& pane = *SkinData()->TabPane;
    paneImage_.Assign(pane.Image);
    paneMargins_ = {pane.LeftWidth, pane.TopHeight, pane.RightWidth, pane.BottomHeight};
  }
  if (!tabImage_.Empty()) tabImage_.SetPixelFormat(pf24bit);
  if (!paneImage_.Empty()) paneImage_.SetPixelFormat(pf24bit);
  // The margins follow their image's edges.
  SkinMargins& p = paneMargins_;
  switch (side_) {
    case TabSide::Top:
      break;
    case TabSide::Bottom:
      FlipBitmap(tabImage_);
      FlipBitmap(paneImage_);
      std::swap(tabMargins_.TopHeight, tabMargins_.BottomHeight);
      std::swap(p.TopHeight, p.BottomHeight);
      break;
    case TabSide::Left:
      RotateLeft(paneImage_);
      p = {p.TopHeight, p.RightWidth, p.BottomHeight, p.LeftWidth};
      break;
    case TabSide::Right:
      RotateRight(paneImage_);
      p = {p.BottomHeight, p.LeftWidth, p.TopHeight, p.RightWidth};
      break;
  }
}

void TSkinTab::FindUpDown() {
  upDown_ = SkinChildUpDown(*this, upDown_);
}

HWND SkinChildUpDown(TSkinControl& skin, HWND known) {
  HWND window = skin.Window();
  if (known && IsWindow(known) && GetParent(known) == window) return known;
  HWND upDown = window ? FindWindowExW(window, nullptr, UPDOWN_CLASSW, nullptr) : nullptr;
  if (!upDown || SendMessageW(upDown, SKM_QUERYSKINNED, 0, 0) == 1 || !skin.Binding().Host()) return upDown;
  SkinRequest r;
  r.owner =
      skin.Control() ? static_cast<TComponent*>(skin.Control()) : &skin.Binding().Host()->HostComponent();
  r.host = skin.Binding().Host();
  r.skinData = skin.SkinData();
  r.canvas = skin.Binding().SharedCanvas();
  r.window = upDown;
  MakeControlSkin(SkinClass::UpDown, r);
  return upDown;
}

bool TSkinTab::BeforeMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      return PaintSelf(*this, m);
    case WM_ERASEBKGND:
      return EraseNothing(m);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:  // a second quick click on the next tab's box
      return (closeBoxes_ && ClickCloseBox(MousePoint(m.LParam))) || TSkinControl::BeforeMessage(m);
    default:
      return TSkinControl::BeforeMessage(m);
  }
}

void TSkinTab::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case CM_RECREATEWND:
      OnRecreated();
      break;
    case WM_SIZE:
      FindUpDown();  // tabs that stop fitting bring their up-down
      break;
    case WM_STYLECHANGED:
      PrepareImages();  // a new side needs the images turned again
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

// The control made its window again, and the pages' windows with it.
void TSkinTab::OnRecreated() {
  TakeRemadeWindow();
  if (Control())
    for (int k = 0; k < Control()->ControlCount(); ++k)
      for (int i = 0; i < Control()->Controls(k)->ComponentCount(); ++i)
        if (auto* page = dynamic_cast<TSkinTabSheet*>(Control()->Controls(k)->Components(i)))
          page->TakeRemadeWindow();
  upDown_ = nullptr;
  ReadState();
  PrepareImages();
  FindUpDown();
  Repaint();
}

bool TSkinTab::ClickCloseBox(POINT p) {
  for (size_t i = 0; i < closeRects_.size(); ++i) {
    if (!PtInRect(&closeRects_[i], p)) continue;
    const int index = static_cast<int>(i);
    HWND form = Binding().Host() ? Binding().Host()->HostWindow() : GetAncestor(Window(), GA_ROOT);
    if (SendMessageW(form, SKM_CLOSETAB, reinterpret_cast<WPARAM>(Window()), index) != 0) return true;
    if (Control()) {
      // The page whose tab it is; pages with hidden tabs have none.
      for (int k = 0; k < Control()->ControlCount(); ++k) {
        TControl* page = Control()->Controls(k);
        if (GetOrdPropByName(page, "TabIndex") != index) continue;
        if (TComponent* owner = page->Owner()) owner->DestroyComponent(page);
        break;
      }
    } else {
      SendMessageW(Window(), TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
    }
    closeRects_.clear();
    if (IsWindow(Window())) InvalidateRect(Window(), nullptr, FALSE);
    return true;
  }
  return false;
}

// --- pages ---------------------------------------------------------------------------------------

bool TSkinTabSheet::BeforeMessage(TMessage& m) {
  if (TSkinControl::BeforeMessage(m)) return true;
  if (Variant() != 0) return false;
  switch (m.Msg) {
    case WM_PAINT:
    case WM_PRINT:
      HandlePaint(*this, m);
      return true;
    case WM_ERASEBKGND:
      return OnEraseBackground(reinterpret_cast<HDC>(m.WParam), m);
    default:
      return false;
  }
}

bool TSkinTabSheet::OnEraseBackground(HDC dc, TMessage& m) {
  RECT client;
  GetClientRect(Window(), &client);
  if (SkinData()) FillRect(dc, &client, SkinData()->FaceBrush.get());
  return EraseNothing(m);
}

void TSkinTabSheet::Draw(HDC dc, const RECT& rect) {
  FillSkinColor(*this, dc, rect);
  if (Control()) PaintGraphicChildren(*Control(), dc);
}

// --- factories -----------------------------------------------------------------------------------

namespace {
template <class T>
TSkinControl* MakeTabLike(const SkinRequest& r) {
  if (!r.owner) return nullptr;
  T* skin = TComponent::CreateIn<T>(r.owner, r.variant);
  if (r.control) {
    skin->Attach(r.host, r.skinData, r.useSkinColor, r.canvas);
  } else if (r.window) {
    skin->AttachHandle(r.window, r.skinData, r.host, r.canvas);
  }
  return skin;
}
}  // namespace

TSkinControl* MakeTabSkin(const SkinRequest& request) {
  return MakeTabLike<TSkinTab>(request);
}
TSkinControl* MakeTabBtnSkin(const SkinRequest& request) {
  return MakeTabLike<TSkinTabBtn>(request);
}

}  // namespace quarnel
