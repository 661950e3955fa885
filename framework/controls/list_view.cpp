// List views: columns and items kept in collections and put into the window whenever it is made
// or they change; view style and look as window styles; clicks, selection and label edits come
// back as notifications reflected from the parent. User-interface thread.
#include "framework/controls/list_view.h"

#include <algorithm>

#include "framework/core/text.h"
#include "framework/graphics/image_list.h"

const TEnumInfo& ViewStyleEnum() {
  static const TEnumInfo e{"TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"}};
  return e;
}

const TClassInfo& TListColumn::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TListColumn>("TListColumn", &TCollectionItem::StaticClass())
          .Str("Caption", &TListColumn::Caption, &TListColumn::SetCaption)
          .Int("Width", &TListColumn::Width, &TListColumn::SetWidth)
          .Enum("Alignment", AlignmentEnum(), &TListColumn::Alignment, &TListColumn::SetAlignment)
          .Build();
  return info;
}

const TClassInfo& TListItem::StaticClass() {
  static const TClassInfo info = TClassBuilder<TListItem>("TListItem", &TCollectionItem::StaticClass())
                                     .Str("Caption", &TListItem::Caption, &TListItem::SetCaption)
                                     .Int("ImageIndex", &TListItem::ImageIndex, &TListItem::SetImageIndex)
                                     .Obj("SubItems", &TStrings::StaticClass, &TListItem::SubItems)
                                     .Bool("Selected", &TListItem::Selected, &TListItem::SetSelected)
                                     .Build();
  return info;
}

const TClassInfo& TListView::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TListView>("TListView", &TWinControl::StaticClass())
          .Creatable()
          .Obj("Columns", &TCollection::StaticClass, &TListView::Columns)
          .Obj("Items", &TCollection::StaticClass, &TListView::Items)
          .Enum("ViewStyle", ViewStyleEnum(), &TListView::ViewStyle, &TListView::SetViewStyle)
          .Bool("RowSelect", &TListView::RowSelect, &TListView::SetRowSelect)
          .Bool("GridLines", &TListView::GridLines, &TListView::SetGridLines)
          .Bool("MultiSelect", &TListView::MultiSelect, &TListView::SetMultiSelect)
          .Bool("ReadOnly", &TListView::ReadOnly, &TListView::SetReadOnly)
          .Bool("HideSelection", &TListView::HideSelection, &TListView::SetHideSelection)
          .Bool("ShowColumnHeaders", &TListView::ShowColumnHeaders, &TListView::SetShowColumnHeaders)
          .Obj("LargeImages", &TImageList::StaticClass, &TListView::LargeImages, &TListView::SetLargeImages)
          .Obj("SmallImages", &TImageList::StaticClass, &TListView::SmallImages, &TListView::SetSmallImages)
          .Int("ItemIndex", &TListView::ItemIndex, &TListView::SetItemIndex)
          .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

namespace {
TListView* ViewOf(const TCollectionItem& item) {
  return item.Collection() ? ObjectAs<TListView>(item.Collection()->Owner()) : nullptr;
}
}  // namespace

void TListColumn::SetCaption(const std::string& v) {
  caption_ = v;
  Changed();
}

int TListColumn::Width() const {
  TListView* view = ViewOf(*this);
  if (view && view->HandleAllocated() && view->viewStyle_ == vsReport)
    return static_cast<int>(
        SendMessageW(view->RawHandle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(Index()), 0));
  return width_;
}

void TListColumn::SetWidth(int v) {
  width_ = v;
  Changed();
}

void TListColumn::SetAlignment(int v) {
  alignment_ = v;
  Changed();
}

TListItem::TListItem(TCollection* collection) : TCollectionItem(collection) {
  subItems_.OnChange = [this] { Changed(); };
}

void TListItem::SetCaption(const std::string& v) {
  caption_ = v;
  Changed();
}

void TListItem::SetImageIndex(int v) {
  imageIndex_ = v;
  Changed();
}

bool TListItem::Selected() const {
  TListView* view = ViewOf(*this);
  if (view && view->HandleAllocated())
    return SendMessageW(view->RawHandle(), LVM_GETITEMSTATE, static_cast<WPARAM>(Index()), LVIS_SELECTED) !=
           0;
  return selected_;
}

void TListItem::SetSelected(bool v) {
  selected_ = v;
  TListView* view = ViewOf(*this);
  if (!view || !view->HandleAllocated()) return;
  LVITEMW state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = v ? LVIS_SELECTED | LVIS_FOCUSED : 0;
  SendMessageW(view->RawHandle(), LVM_SETITEMSTATE, static_cast<WPARAM>(Index()),
               reinterpret_cast<LPARAM>(&state));
}

TListView::TListView(TComponent* owner) : TWinControl(owner) {
  fw::EnsureCommonControls();
  tabStop_ = true;
  width_ = 250;
  height_ = 150;
  columns_.SetOwner(this);
  items_.SetOwner(this);
  columns_.OnUpdate = [this](TCollectionItem* column) {
    if (column)
      UpdateColumn(column->Index());
    else
      UpdateColumns();
  };
  items_.OnUpdate = [this](TCollectionItem* item) {
    if (item)
      UpdateItem(item->Index());
    else
      UpdateItems();
  };
}

TListView::~TListView() {
  columns_.OnUpdate = nullptr;
  items_.OnUpdate = nullptr;
}

void TListView::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.superClass = WC_LISTVIEWW;
  p.exStyle |= WS_EX_CLIENTEDGE;
  // The framework's image lists are the owners of the system lists given to the window.
  p.style |= LVS_SHAREIMAGELISTS;
  static const DWORD views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  p.style |= views[viewStyle_ & 3];
  if (!multiSelect_) p.style |= LVS_SINGLESEL;
  if (!hideSelection_) p.style |= LVS_SHOWSELALWAYS;
  if (!readOnly_) p.style |= LVS_EDITLABELS;
  if (!showColumnHeaders_) p.style |= LVS_NOCOLUMNHEADER;
}

void TListView::HandleCreated() {
  TWinControl::HandleCreated();
  UpdateExStyle();
  ApplyImages();
  UpdateColumns();
  UpdateItems();
}

void TListView::UpdateStyle(DWORD mask, DWORD bits) {
  if (!handle_) return;
  // The list view follows changes of its view and selection styles without being made again.
  LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE) & ~static_cast<LONG_PTR>(mask);
  SetWindowLongPtrW(handle_, GWL_STYLE, style | bits);
  Invalidate();
}

void TListView::UpdateExStyle() {
  if (!handle_) return;
  const DWORD ex = (rowSelect_ ? LVS_EX_FULLROWSELECT : 0) | (gridLines_ ? LVS_EX_GRIDLINES : 0);
  SendMessageW(handle_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES, ex);
}

void TListView::SetViewStyle(int v) {
  static const DWORD views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  viewStyle_ = v & 3;
  UpdateStyle(LVS_TYPEMASK, views[viewStyle_]);
}

void TListView::SetRowSelect(bool v) {
  rowSelect_ = v;
  UpdateExStyle();
}

void TListView::SetGridLines(bool v) {
  gridLines_ = v;
  UpdateExStyle();
}

void TListView::SetMultiSelect(bool v) {
  multiSelect_ = v;
  UpdateStyle(LVS_SINGLESEL, v ? 0 : LVS_SINGLESEL);
}

void TListView::SetReadOnly(bool v) {
  readOnly_ = v;
  UpdateStyle(LVS_EDITLABELS, v ? 0 : LVS_EDITLABELS);
}

void TListView::SetHideSelection(bool v) {
  hideSelection_ = v;
  UpdateStyle(LVS_SHOWSELALWAYS, v ? 0 : LVS_SHOWSELALWAYS);
}

void TListView::SetShowColumnHeaders(bool v) {
  showColumnHeaders_ = v;
  UpdateStyle(LVS_NOCOLUMNHEADER, v ? 0 : LVS_NOCOLUMNHEADER);
}

void TListView::SetLargeImages(TImageList* images) {
  largeImages_ = images;
  ApplyImages();
}

void TListView::SetSmallImages(TImageList* images) {
  smallImages_ = images;
  ApplyImages();
}

void TListView::ApplyImages() {
  if (!handle_) return;
  fw::UniqueImageList large = fw::MakeSystemImageList(largeImages_);
  fw::UniqueImageList small = fw::MakeSystemImageList(smallImages_);
  SendMessageW(handle_, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(large.get()));
  SendMessageW(handle_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(small.get()));
  systemLarge_ = std::move(large);
  systemSmall_ = std::move(small);
}

int TListView::ItemIndex() const {
  if (handle_)
    return static_cast<int>(SendMessageW(handle_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  for (int i = 0; i < items_.Count(); ++i)
    if (items_.Items(i)->selected_) return i;
  return -1;
}

void TListView::SetItemIndex(int index) {
  for (int i = 0; i < items_.Count(); ++i)
    if (i != index && items_.Items(i)->Selected()) items_.Items(i)->SetSelected(false);
  if (index >= 0 && index < items_.Count()) items_.Items(index)->SetSelected(true);
}

TListItem* TListView::Selected() const {
  const int index = ItemIndex();
  return index >= 0 && index < items_.Count() ? items_.Items(index) : nullptr;
}

HWND TListView::HeaderHandle() const {
  return handle_ ? reinterpret_cast<HWND>(SendMessageW(handle_, LVM_GETHEADER, 0, 0)) : nullptr;
}

void TListView::UpdateColumns() {
  if (!handle_) return;
  while (SendMessageW(handle_, LVM_DELETECOLUMN, 0, 0)) {
  }
  for (int i = 0; i < columns_.Count(); ++i) {
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = columns_.Items(i)->width_;
    SendMessageW(handle_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
    UpdateColumn(i);
  }
}

void TListView::UpdateColumn(int index) {
  if (!handle_ || index < 0 || index >= columns_.Count()) return;
  const TListColumn* c = columns_.Items(index);
  std::wstring text = fw::ItemText(c->caption_);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
  column.pszText = text.data();
  column.cx = c->width_;
  column.fmt = c->alignment_ == taCenter         ? LVCFMT_CENTER
               : c->alignment_ == taRightJustify ? LVCFMT_RIGHT
                                                 : LVCFMT_LEFT;
  SendMessageW(handle_, LVM_SETCOLUMNW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

void TListView::UpdateItems() {
  if (!handle_) return;
  SendMessageW(handle_, LVM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < items_.Count(); ++i) {
    LVITEMW item{};
    item.iItem = i;
    SendMessageW(handle_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    UpdateItem(i);
    if (items_.Items(i)->selected_) items_.Items(i)->SetSelected(true);
  }
}

void TListView::UpdateItem(int index) {
  if (!handle_ || index < 0 || index >= items_.Count()) return;
  TListItem* source = items_.Items(index);
  std::wstring text = fw::ItemText(source->caption_);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = index;
  item.pszText = text.data();
  item.iImage = source->imageIndex_;
  SendMessageW(handle_, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  const int columns = std::max(columns_.Count(), source->subItems_.Count() + 1);
  for (int sub = 1; sub < columns; ++sub) {
    std::wstring subText =
        sub - 1 < source->subItems_.Count() ? fw::ItemText(source->subItems_.Get(sub - 1)) : L"";
    LVITEMW cell{};
    cell.iSubItem = sub;
    cell.pszText = subText.data();
    SendMessageW(handle_, LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&cell));
  }
}

void TListView::Notify(const NMHDR& hdr, LRESULT& result) {
  switch (hdr.code) {
    case LVN_COLUMNCLICK: {
      const auto& info = reinterpret_cast<const NMLISTVIEW&>(hdr);
      if (OnColumnClick && info.iSubItem >= 0 && info.iSubItem < columns_.Count())
        OnColumnClick(this, columns_.Items(info.iSubItem));
      break;
    }
    case LVN_ITEMCHANGED: {
      const auto& info = reinterpret_cast<const NMLISTVIEW&>(hdr);
      const bool was = info.uOldState & LVIS_SELECTED, is = info.uNewState & LVIS_SELECTED;
      if ((info.uChanged & LVIF_STATE) && was != is && info.iItem >= 0 && info.iItem < items_.Count()) {
        items_.Items(info.iItem)->selected_ = is;
        if (OnSelectItem) OnSelectItem(this, items_.Items(info.iItem), is);
      }
      break;
    }
    case LVN_ENDLABELEDITW: {
      // An edited label becomes the item's caption; a cancelled edit changes nothing.
      const auto& info = reinterpret_cast<const NMLVDISPINFOW&>(hdr);
      if (info.item.pszText && info.item.iItem >= 0 && info.item.iItem < items_.Count()) {
        items_.Items(info.item.iItem)->caption_ = fw::FromWide(info.item.pszText);
        result = TRUE;
      }
      break;
    }
    default:
      break;
  }
}

void TListView::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case CN_NOTIFY: handled = CnNotify(*reinterpret_cast<const NMHDR*>(m.LParam), m.Result); break;
    default: break;
  }
  if (!handled) TWinControl::WndProc(m);
}

bool TListView::CnNotify(const NMHDR& header, LRESULT& result) {
  result = 0;
  Notify(header, result);
  return true;
}
