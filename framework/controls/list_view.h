// `TListView` over the system list view ("SysListView32"): report, list, icon and small-icon
// views; columns (`TListColumn`), items with sub-items (`TListItem`), row selection, grid lines,
// image lists, the column-click and selection events, and its header window.
// User-interface thread.
#pragma once
#include <functional>

#include "framework/controls/alignment.h"
#include "framework/controls/common_controls.h"
#include "framework/core/collection.h"
#include "framework/core/strings.h"
#include "framework/ui/control.h"

class TListView;

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
const TEnumInfo& ViewStyleEnum();

class TListColumn : public TCollectionItem {
  FW_DECLARE_CLASS()
 public:
  explicit TListColumn(TCollection* collection) : TCollectionItem(collection) {}
  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& v);
  int Width() const;  // what the user dragged it to, once there is a window
  void SetWidth(int v);
  int Alignment() const { return alignment_; }
  void SetAlignment(int v);

 private:
  friend class TListView;
  std::string caption_;
  int width_ = 50;
  int alignment_ = taLeftJustify;
};

class TListItem : public TCollectionItem {
  FW_DECLARE_CLASS()
 public:
  explicit TListItem(TCollection* collection);
  std::string Caption() const { return caption_; }
  void SetCaption(const std::string& v);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v);
  TStrings* SubItems() { return &subItems_; }
  bool Selected() const;
  void SetSelected(bool v);

 private:
  friend class TListView;
  TListView* ListView() const;
  std::string caption_;
  int imageIndex_ = -1;
  TNotifyStringList subItems_;
  bool selected_ = false;
};

using TLVColumnClickEvent = std::function<void(TListView* sender, TListColumn* column)>;
using TLVSelectItemEvent = std::function<void(TListView* sender, TListItem* item, bool selected)>;

class TListView : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TListView(TComponent* owner);
  ~TListView() override;
  TOwnedCollection<TListColumn>* Columns() { return &columns_; }
  TOwnedCollection<TListItem>* Items() { return &items_; }
  int ViewStyle() const { return viewStyle_; }
  void SetViewStyle(int v);
  bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool v);
  bool GridLines() const { return gridLines_; }
  void SetGridLines(bool v);
  bool MultiSelect() const { return multiSelect_; }
  void SetMultiSelect(bool v);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v);
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool v);
  bool ShowColumnHeaders() const { return showColumnHeaders_; }
  void SetShowColumnHeaders(bool v);
  TImageList* LargeImages() const { return largeImages_; }
  void SetLargeImages(TImageList* images);
  TImageList* SmallImages() const { return smallImages_; }
  void SetSmallImages(TImageList* images);
  // The first selected item, or -1 / null.
  int ItemIndex() const;
  void SetItemIndex(int index);
  TListItem* Selected() const;
  // The header window of the report view (null without a window).
  HWND HeaderHandle() const;

  TLVColumnClickEvent OnColumnClick;
  TLVSelectItemEvent OnSelectItem;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;

 private:
  bool CnNotify(const NMHDR& header, LRESULT& result);
  friend class TListItem;
  friend class TListColumn;
  void UpdateStyle(DWORD mask, DWORD bits);
  void UpdateExStyle();
  void ApplyImages();
  void UpdateColumns();
  void UpdateColumn(int index);
  void UpdateItems();
  void UpdateItem(int index);
  void Notify(const NMHDR& hdr, LRESULT& result);
  TOwnedCollection<TListColumn> columns_;
  TOwnedCollection<TListItem> items_;
  int viewStyle_ = vsIcon;
  bool rowSelect_ = false, gridLines_ = false, multiSelect_ = false, readOnly_ = false;
  bool hideSelection_ = true, showColumnHeaders_ = true;
  TImageList* largeImages_ = nullptr;
  TImageList* smallImages_ = nullptr;
  fw::UniqueImageList systemLarge_, systemSmall_;
};
