// Skins of column headings: TSkinHeader (header controls and the header of a list view: items
// drawn from the Headerbar element, the one under the mouse hot, the one held down pressed),
// TSkinListView (a list view's scroll bars as for any scrolled control, plus its header) and
// TSkinListViewH (the same for a list view without a framework control). UI thread.
#pragma once
#include <windows.h>

#include <vector>

#include "framework/graphics/bitmap.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_scrollbar.h"
#include "skin/controls/tab_layout.h"

namespace quarnel {

class TSkinHeader : public TSkinControl {
 public:
  explicit TSkinHeader(TComponent* owner);
  void Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas) override;
  void AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host, TCanvas* sharedCanvas) override;
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;

  int HotItem() const { return hot_; }
  int PressedItem() const { return pressed_; }

 private:
  void OnLButtonDown(POINT at);  // the press goes on to the control
  void OnMouseMove(POINT at);
  void OnRecreated();
  void OnMouseLeave();
  void OnRelease();
  bool HasImage() const;
  void TrackLeave();
  // Draws a section's frame and, unless it is owner-drawn, its caption and sort arrow.
  void DrawItem(HDC dc, int index, const RECT& item, int frame);
  void DrawOwnerItems(HDC dc, const RECT& rect, const std::vector<RECT>& items);

  std::vector<SkinRect> hotAreas_;
  int hot_ = -1;
  int pressed_ = -1;
};

class TSkinListView : public TSkinScrollbar {
 public:
  using TSkinScrollbar::TSkinScrollbar;
  void AttachScrolled(TControl* control, TSkinData* skinData, TControlSkinHost* host,
                      TCanvas* canvas) override;
  HWND HeaderWindow() const { return header_; }

 private:
  HWND header_ = nullptr;
};

// A bare list view (a dialog's, a shell view's): its bars as any bare scrolled window's, and its
// header, which may only come with the report view, skinned by handle as soon as it exists.
class TSkinListViewH : public TSkinScrollbarH {
 public:
  using TSkinScrollbarH::TSkinScrollbarH;
  void AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host, TCanvas* canvas) override;
  void AfterMessage(TMessage& message) override;
  HWND HeaderWindow() const { return header_; }

 private:
  void AttachHeader();
  HWND header_ = nullptr;
};

struct SkinRequest;
// A list view's skin: attached with AttachScrolled to a framework control, else by handle.
TSkinControl* MakeListViewSkin(const SkinRequest& request);

}  // namespace quarnel
