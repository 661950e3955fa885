// TFrameShowState: how a skinned window is shown, a part of its frame object. It owns the show
// state (normal, maximised, minimised) and whether the frame shows active, follows them from the
// window's messages, and carries out the window commands of the caption and the window menu that
// change them. It reads the frame through its view and reaches it only through TShowStateOwner.
// UI thread of the skinned window.
#pragma once
#include <windows.h>

#include "framework/ui/message.h"
#include "skin/frame/frame_caption.h"
#include "skin/frame/frame_state.h"
#include "skin/frame/frame_view.h"

namespace quarnel {

// What the show state asks of its frame object.
class TShowStateOwner {
 public:
  // The window's outline cut again for its size (always, with `evenIfSameSize`).
  virtual void UpdateWindowRegion(bool evenIfSameSize) = 0;

 protected:
  ~TShowStateOwner() = default;
};

class TFrameShowState {
 public:
  TFrameShowState(const TFrameView& view, TFrameCaption& caption, TShowStateOwner& owner)
      : view_(view), caption_(caption), owner_(owner) {}
  TFrameShowState(const TFrameShowState&) = delete;
  TFrameShowState& operator=(const TFrameShowState&) = delete;

  const TFrameShow& Show() const { return show_; }
  // The state the window's placement says (kept when it cannot be read).
  void ReadPlacement();
  void SetActive(bool active) { show_.Active = active; }
  // An MDI child no longer shown maximised among its siblings.
  void SetNormal() { show_.State = wssNormal; }

  // The caption's and the window menu's commands.
  void Command(TCaptionCommand command);
  // The window's messages about its show state: true when handled.
  bool OnSize(TMessage& m, UINT kind);
  bool OnActivate(bool active);
  bool OnGetMinMaxInfo(TMessage& m);
  bool OnWindowPosChanged(TMessage& m);
  // The skinned window menu's commands come as commands of the window.
  bool OnCommand(UINT id);
  // A system command on its way to the window's procedure: the state it will leave.
  void NoteSysCommand(UINT command);

 private:
  void Restore();
  void ToggleMaximize();
  void ToggleMinimize();

  const TFrameView& view_;
  TFrameCaption& caption_;
  TShowStateOwner& owner_;
  TFrameShow show_;
};

}  // namespace quarnel
