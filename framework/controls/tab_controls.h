// Tab controls over the system tab control ("SysTabControl32"): `TCustomTabControl` (style,
// position, multi-line, selection, images), `TTabControl` with its tab texts, and `TPageControl`
// whose tabs are its `TTabSheet` pages, one shown at a time. User-interface thread.
#pragma once
#include <functional>
#include <vector>

#include "framework/controls/common_controls.h"
#include "framework/core/strings.h"
#include "framework/ui/control.h"

class TImageList;

enum TTabStyle { tsTabs, tsButtons, tsFlatButtons };
enum TTabPosition { tpTop, tpBottom, tpLeft, tpRight };
const TEnumInfo& TabStyleEnum();
const TEnumInfo& TabPositionEnum();

// Asked before the selection moves; setting `allow` to false keeps the current tab.
using TTabChangingEvent = std::function<void(TObject* sender, bool& allow)>;

class TCustomTabControl : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TCustomTabControl(TComponent* owner);
  int Style() const { return style_; }
  void SetStyle(int v);
  int TabPosition() const { return tabPosition_; }
  void SetTabPosition(int v);
  bool MultiLine() const { return multiLine_; }
  void SetMultiLine(bool v);
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool v);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  // The area inside the tabs and the frame, in client coordinates.
  RECT DisplayRect();
  // The tab at a client point, or -1.
  int IndexOfTabAt(int x, int y);
  // Selects the next (or previous) tab, wrapping round, as Ctrl+Tab (Ctrl+Shift+Tab) does.
  virtual void SelectNextTab(bool forward);

  TNotifyEvent OnChange;
  TTabChangingEvent OnChanging;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;
  HBRUSH ControlColorBrush(HDC dc) override;
  // The tab texts and image indexes, in order.
  virtual int TabCount() const = 0;
  virtual std::string TabText(int index) const = 0;
  virtual int TabImage(int index) const { return index; }
  // The window's selection moved to `index` (by the user or in code).
  virtual void SelectionChanged(int index) = 0;
  virtual void Change();
  bool CanChange();
  // Puts every tab into the window again and selects `selected`.
  void RebuildTabs(int selected);
  void SelectTab(int index);
  int SelectedTab() const;

 private:
  bool CmDialogKey(UINT key, LRESULT& result);
  bool CnNotify(const NMHDR& header, LRESULT& result);
  void ApplyImages();
  int style_ = tsTabs;
  int tabPosition_ = tpTop;
  bool multiLine_ = false;
  bool hotTrack_ = false;
  TImageList* images_ = nullptr;
  fw::UniqueImageList systemImages_;
};

class TTabControl : public TCustomTabControl {
  FW_DECLARE_CLASS()
 public:
  explicit TTabControl(TComponent* owner);
  ~TTabControl() override;
  TStrings* Tabs() { return &tabs_; }
  int TabIndex() const;
  void SetTabIndex(int index);
  void Loaded() override;

 protected:
  void HandleCreated() override;
  int TabCount() const override { return tabs_.Count(); }
  std::string TabText(int index) const override { return tabs_.Get(index); }
  void SelectionChanged(int index) override { tabIndex_ = index; }

 private:
  TNotifyStringList tabs_;
  int tabIndex_ = -1;
};

class TPageControl;

class TTabSheet : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;
  TPageControl* PageControl() const { return pageControl_; }
  void SetPageControl(TPageControl* control);
  int PageIndex() const;
  void SetPageIndex(int index);
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool v);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v);
  int TabIndex() const;  // among the visible tabs, -1 when the tab is hidden
  void SetParent(TWinControl* parent) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;
  void TextChanged() override;

 private:
  bool WmEraseBackground(HDC dc, LRESULT& result);
  friend class TPageControl;
  TPageControl* pageControl_ = nullptr;
  bool tabVisible_ = true;
  int imageIndex_ = -1;
};

class TPageControl : public TCustomTabControl {
  FW_DECLARE_CLASS()
 public:
  explicit TPageControl(TComponent* owner);
  ~TPageControl() override;
  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
  TTabSheet* ActivePage() const { return activePage_; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  int TabIndex() const { return SelectedTab(); }
  void SetTabIndex(int index) { SetActivePage(PageForTab(index)); }
  TTabSheet* PageForTab(int tabIndex) const;
  // Shows the next (or previous) page whose tab is visible, wrapping round.
  void SelectNextPage(bool forward);
  void SelectNextTab(bool forward) override { SelectNextPage(forward); }
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void BoundsChanged() override;
  int TabCount() const override;
  std::string TabText(int index) const override;
  int TabImage(int index) const override;
  void SelectionChanged(int index) override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* page);
  void RemovePage(TTabSheet* page);
  void PagesChanged();
  void ShowActivePage();
  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
  int loadingIndex_ = -1;  // a page index read before the pages themselves
};
