// Skin objects of separate scroll-bar controls: TSkinScControl (a scroll-bar control, framework
// or bare, covered by one kind-2 overlay) and TSkinSizer (a size grip filled with the face colour), with
// their creation functions for the dispatch's factory table. UI thread.
#pragma once
#include <windows.h>

#include <memory>

#include "skin/controls/skin_control.h"
#include "skin/controls/wscrollbar.h"

namespace quarnel {

struct SkinRequest;

class TSkinScControl : public TSkinControl {
 public:
  explicit TSkinScControl(TComponent* owner);
  ~TSkinScControl() override;

  void AttachControl(TControl* control, TSkinData* skinData, TControlSkinHost* host, TCanvas* canvas);
  // A scroll-bar control of a dialog, without a framework control.
  void AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host, TCanvas* canvas) override;
  void Detach() override;
  void AfterMessage(TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;

  TWScrollbar* Bar() const { return bar_.get(); }

 private:
  void RefreshAndReposition();
  std::unique_ptr<TWScrollbar> bar_;
};

class TSkinSizer : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  void Draw(HDC dc, const RECT& rect) override;
};

TSkinControl* MakeScControlSkin(const SkinRequest& request);
TSkinControl* MakeSizerSkin(const SkinRequest& request);

}  // namespace quarnel
