// TSkinScControl: one kind-2 overlay over a scroll-bar control, moved, repainted and hidden with
// it, showing the control's hint; TSkinSizer: a size grip painted in the face colour. UI thread.
#include "skin/controls/skin_sccontrol.h"

#include "framework/core/text.h"
#include "skin/controls/control_dispatch.h"
#include "skin/controls/control_fills.h"
#include "skin/data/skin_data.h"

namespace quarnel {

TSkinScControl::TSkinScControl(TComponent* owner) : TSkinControl(owner) {}

TSkinScControl::~TSkinScControl() = default;

void TSkinScControl::AttachControl(TControl* control, TSkinData* skinData, TControlSkinHost* host,
                                   TCanvas* canvas) {
  auto* windowed = ObjectAs<TWinControl>(control);
  if (bar_ || !windowed) return;
  BindWindowedControl(windowed, skinData, host, canvas);
  bar_ = std::make_unique<TWScrollbar>(this);
  bar_->Bind(windowed, skControl);
  // The overlay takes the pointer from the control, and so its hint.
  if (fw::AsciiLowerCase(GetEnumPropByName(control, "ShowHint")) == "true")
    bar_->SetHint(GetTextPropByName(control, "Hint"));
  if (!control->Visible()) bar_->Hide();
  Hook().HookControl(*control);
  MarkAttached();
}

void TSkinScControl::AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host, TCanvas* canvas) {
  if (bar_ || Attachment().Attached() || !IsWindow(window)) return;
  TSkinControl::AttachHandle(window, skinData, host, canvas);
  if (!Attachment().Attached()) return;
  bar_ = std::make_unique<TWScrollbar>(this);
  bar_->BindWindow(window, skControl);
  if (!IsWindowVisible(window)) bar_->Hide();
}

void TSkinScControl::Detach() {
  TSkinControl::Detach();
  if (Attachment().State() != scsWindowGone) bar_.reset();
}

void TSkinScControl::AfterMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_WINDOWPOSCHANGED:
      RefreshAndReposition();
      break;
    case WM_NCPAINT:
      RefreshAndReposition();
      break;
    case SBM_SETSCROLLINFO:
      Draw(nullptr, RECT{});
      break;
    case SBM_SETPOS:
      Draw(nullptr, RECT{});
      break;
    case CN_VSCROLL:
      Draw(nullptr, RECT{});
      break;
    case CN_HSCROLL:
      Draw(nullptr, RECT{});
      break;
    case CM_VISIBLECHANGED:
      if (!bar_) break;
      if (m.WParam)
        bar_->Reposition();
      else
        bar_->Hide();
      break;
    default:
      TSkinControl::AfterMessage(m);
      break;
  }
}

void TSkinScControl::RefreshAndReposition() {
  FollowControlWindow();
  if (bar_) bar_->Reposition();
}

void TSkinScControl::Draw(HDC, const RECT&) {
  if (bar_) bar_->Invalidate();
}

void TSkinSizer::Draw(HDC dc, const RECT& rect) {
  if (dc) FillSkinColor(*this, dc, rect);
}

TSkinControl* MakeScControlSkin(const SkinRequest& r) {
  if (r.control) {
    auto* skin = TComponent::CreateIn<TSkinScControl>(r.control);
    skin->AttachControl(r.control, r.skinData, r.host, r.canvas);
    return skin;
  }
  if (!r.owner || !r.window) return nullptr;
  auto* skin = TComponent::CreateIn<TSkinScControl>(r.owner);
  skin->AttachHandle(r.window, r.skinData, r.host, r.canvas);
  return skin;
}

TSkinControl* MakeSizerSkin(const SkinRequest& r) {
  if (!r.owner || !r.window) return nullptr;
  auto* skin = TComponent::CreateIn<TSkinSizer>(r.owner);
  skin->AttachHandle(r.window, r.skinData, r.host, r.canvas);
  return skin;
}

}  // namespace quarnel
