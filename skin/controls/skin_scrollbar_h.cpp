// TSkinScrollbarH (the overlays of a bare window's bars), the creation function the control
// dispatch calls for scrolled controls, and the replacement of a scroll skin after its control's
// window was made again. UI thread.
#include <vector>

#include "framework/ui/control.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/control_skin_host.h"
#include "skin/controls/skin_header.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/data/skin_data.h"

namespace quarnel {

TSkinScrollbarH::TSkinScrollbarH(TComponent* owner) : TSkinControl(owner) {}

TSkinScrollbarH::~TSkinScrollbarH() = default;

void TSkinScrollbarH::AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host,
                                   TCanvas* canvas) {
  if (Attachment().Attached() || !IsWindow(window)) return;
  TSkinControl::AttachHandle(window, skinData, host, canvas);
  horz_ = std::make_unique<TWScrollbar>(this);
  horz_->BindWindow(window, skHorizontal);
  vert_ = std::make_unique<TWScrollbar>(this);
  vert_->BindWindow(window, skVertical);
}

void TSkinScrollbarH::Detach() {
  TSkinControl::Detach();
  if (Attachment().State() != scsWindowGone) {
    horz_.reset();
    vert_.reset();
  }
}

void TSkinScrollbarH::AfterMessage(TMessage& m) {
  if (vert_ && !IsWindowVisible(Window())) vert_->Hide();
  switch (m.Msg) {
    case WM_SIZE:
      RepositionAndRepaint();
      break;
    case WM_NCPAINT:
      RepositionAndRepaint();
      break;
    case WM_HSCROLL:
      if (horz_) horz_->SetActivePart(LOWORD(m.WParam));
      break;
    case WM_VSCROLL:
      if (vert_) vert_->SetActivePart(LOWORD(m.WParam));
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

void TSkinScrollbarH::RepositionAndRepaint() {
  if (horz_) horz_->Reposition();
  if (vert_) vert_->Reposition();
  Repaint();
}

void TSkinScrollbarH::Draw(HDC dc, const RECT&) {
  if (horz_ && horz_->Shown()) horz_->Invalidate();
  if (vert_ && vert_->Shown()) vert_->Invalidate();
  if (dc && vert_ && horz_ && vert_->Shown() && horz_->Shown())
    FillScrollCorner(*this, dc, *vert_, *horz_, 0, 2);
}

TSkinControl* MakeScrollbarSkin(const SkinRequest& r) {
  if (r.control) {
    auto* skin = TComponent::CreateIn<TSkinScrollbar>(r.control, r.variant, r.singleBar);
    skin->AttachScrolled(r.control, r.skinData, r.host, r.canvas);
    return skin;
  }
  if (!r.owner || !r.window) return nullptr;
  auto* skin = TComponent::CreateIn<TSkinScrollbarH>(r.owner);
  skin->AttachHandle(r.window, r.skinData, r.host, r.canvas);
  return skin;
}

TSkinControl* ReskinScrolledControl(TControlSkinHost& host, HWND window) {
  TWinControl* control = TWinControl::FindControl(window);
  if (!control) return nullptr;
  // The old object still refers to the window that is gone; it goes with its overlays.
  std::vector<TComponent*> old;
  for (int i = 0; i < control->ComponentCount(); ++i)
    if (dynamic_cast<TSkinScrollbar*>(control->Components(i))) old.push_back(control->Components(i));
  if (old.empty()) return nullptr;  // only a control that had a scroll skin gets a new one
  // A list view's header skin went with the old header window.
  for (int i = 0; i < control->ComponentCount(); ++i)
    if (dynamic_cast<TSkinHeader*>(control->Components(i))) old.push_back(control->Components(i));
  for (TComponent* c : old) control->DestroyComponent(c);
  SkinRequest r;
  r.owner = control;
  r.host = &host;
  r.skinData = host.HostSkinData();
  r.canvas = &host.HostCanvas();
  r.control = control;
  const bool listView = control->InheritsFrom("TCustomListView") || control->InheritsFrom("TListView");
  return MakeControlSkin(listView ? SkinClass::ListView : SkinClass::Scrollbar, r);
}

}  // namespace quarnel
