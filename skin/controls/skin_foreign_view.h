// TSkinForeignView: a scrolled view of a host program's that the engine has no skin of its own
// for (a tree view, a rich edit). Its system bars are covered by skinned ones, a two-pixel edge
// takes the skin's border, and a tree view shows its items and lines in the skin's colours; the
// view's own colours come back at detach. UI thread.
#pragma once
#include <windows.h>

#include "skin/controls/skin_scrollbar.h"

namespace quarnel {

class TSkinForeignView : public TSkinScrollbarH {
 public:
  explicit TSkinForeignView(TComponent* owner) : TSkinScrollbarH(owner) {}

  void AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host, TCanvas* canvas) override;
  void Detach() override;
  bool BeforeMessage(TMessage& message) override;
  void UpdateSkin() override;

 private:
  bool OnNcPaint(TMessage& message);
  void TakeTreeColours();
  void GiveTreeColours();

  bool treeView_ = false;
  bool treeColoursTaken_ = false;
  COLORREF savedText_ = 0, savedLine_ = 0;
};

}  // namespace quarnel
