// Header controls: sections kept in a collection and put into the window as items; clicks and
// the user's resizing come back as notifications reflected from the parent. User-interface thread.
#include "framework/controls/header_control.h"

#include <algorithm>

#include "framework/graphics/canvas.h"
#include "framework/graphics/image_list.h"

const TEnumInfo& HeaderSectionStyleEnum() {
  static const TEnumInfo e{"THeaderSectionStyle", {"hsText", "hsOwnerDraw"}};
  return e;
}

const TClassInfo& THeaderSection::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<THeaderSection>("THeaderSection", &TCollectionItem::StaticClass())
          .Str("Text", &THeaderSection::Text, &THeaderSection::SetText)
          .Int("Width", &THeaderSection::Width, &THeaderSection::SetWidth)
          .Int("MinWidth", &THeaderSection::MinWidth, &THeaderSection::SetMinWidth)
          .Int("MaxWidth", &THeaderSection::MaxWidth, &THeaderSection::SetMaxWidth)
          .Enum("Alignment", AlignmentEnum(), &THeaderSection::Alignment, &THeaderSection::SetAlignment)
          .Int("ImageIndex", &THeaderSection::ImageIndex, &THeaderSection::SetImageIndex)
          .Bool("AllowClick", &THeaderSection::AllowClick, &THeaderSection::SetAllowClick)
          .Enum("Style", HeaderSectionStyleEnum(), &THeaderSection::Style, &THeaderSection::SetStyle)
          .Build();
  return info;
}

const TClassInfo& THeaderControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<THeaderControl>("THeaderControl", &TWinControl::StaticClass())
          .Creatable()
          .Obj("Sections", &TCollection::StaticClass, &THeaderControl::Sections)
          .Bool("HotTrack", &THeaderControl::HotTrack, &THeaderControl::SetHotTrack)
          .Obj("Images", &TImageList::StaticClass, &THeaderControl::Images, &THeaderControl::SetImages)
          .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

THeaderControl* THeaderSection::Header() const {
  return Collection() ? ObjectAs<THeaderControl>(Collection()->Owner()) : nullptr;
}

int THeaderSection::Width() const {
  // The user may have dragged the divider: the window knows best.
  THeaderControl* header = Header();
  if (header && header->HandleAllocated()) {
    HDITEMW item{};
    item.mask = HDI_WIDTH;
    if (SendMessageW(header->RawHandle(), HDM_GETITEMW, static_cast<WPARAM>(Index()),
                     reinterpret_cast<LPARAM>(&item)))
      return item.cxy;
  }
  return width_;
}

THeaderControl::THeaderControl(TComponent* owner) : TWinControl(owner) {
  fw::EnsureCommonControls();
  width_ = 200;
  height_ = 17;
  color_ = clBtnFace;
  parentColor_ = true;
  sections_.SetOwner(this);
  sections_.OnUpdate = [this](TCollectionItem* item) {
    if (item)
      UpdateSection(item->Index());
    else
      UpdateSections();
  };
}

THeaderControl::~THeaderControl() {
  sections_.OnUpdate = nullptr;
}

void THeaderControl::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.superClass = WC_HEADERW;
  p.style |= HDS_BUTTONS | HDS_HORZ | HDS_FULLDRAG;
  if (hotTrack_) p.style |= HDS_HOTTRACK;
}

void THeaderControl::HandleCreated() {
  TWinControl::HandleCreated();
  fw::UniqueImageList fresh = fw::MakeSystemImageList(images_);
  SendMessageW(handle_, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(fresh.get()));
  systemImages_ = std::move(fresh);
  UpdateSections();
}

void THeaderControl::SetHotTrack(bool v) {
  if (v == hotTrack_) return;
  hotTrack_ = v;
  RecreateWnd();
}

void THeaderControl::SetImages(TImageList* images) {
  images_ = images;
  RecreateWnd();
}

RECT THeaderControl::SectionRect(int index) {
  RECT r{};
  if (handle_)
    SendMessageW(handle_, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r));
  return r;
}

THeaderSection* THeaderControl::SectionAt(int index) {
  return index >= 0 && index < sections_.Count() ? sections_.Items(index) : nullptr;
}

void THeaderControl::UpdateSections() {
  if (!handle_) return;
  // Widths the user dragged are kept before the items are made again.
  for (int i = 0; i < sections_.Count(); ++i) sections_.Items(i)->width_ = sections_.Items(i)->Width();
  while (SendMessageW(handle_, HDM_GETITEMCOUNT, 0, 0) > 0) SendMessageW(handle_, HDM_DELETEITEM, 0, 0);
  for (int i = 0; i < sections_.Count(); ++i) {
    HDITEMW item{};
    item.mask = HDI_WIDTH;
    SendMessageW(handle_, HDM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    UpdateSection(i);
  }
}

void THeaderControl::UpdateSection(int index) {
  THeaderSection* section = SectionAt(index);
  if (!handle_ || !section) return;
  std::wstring text = fw::ItemText(section->text_);
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_LPARAM;
  item.pszText = text.data();
  item.cxy =
      std::clamp(section->width_, section->minWidth_, std::max(section->minWidth_, section->maxWidth_));
  item.fmt = section->style_ == hsOwnerDraw          ? HDF_OWNERDRAW
             : section->alignment_ == taCenter       ? HDF_CENTER | HDF_STRING
             : section->alignment_ == taRightJustify ? HDF_RIGHT | HDF_STRING
                                                     : HDF_LEFT | HDF_STRING;
  if (images_ && section->imageIndex_ >= 0) {
    item.mask |= HDI_IMAGE;
    item.fmt |= HDF_IMAGE;
    item.iImage = section->imageIndex_;
  }
  item.lParam = index;
  SendMessageW(handle_, HDM_SETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

void THeaderControl::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case CN_DRAWITEM: handled = CnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam), m.Result); break;
    case CN_NOTIFY: handled = CnNotify(*reinterpret_cast<const NMHEADERW*>(m.LParam), m.Result); break;
    default: break;
  }
  if (!handled) TWinControl::WndProc(m);
}

bool THeaderControl::CnDrawItem(const DRAWITEMSTRUCT& draw, LRESULT& result) {
  if (THeaderSection* section = SectionAt(static_cast<int>(draw.itemID)); section && OnDrawSection) {
    TCanvas canvas;
    canvas.SetHandle(draw.hDC);
    OnDrawSection(this, section, canvas, draw.rcItem, (draw.itemState & ODS_SELECTED) != 0);
    canvas.SetHandle(nullptr);
  }
  result = TRUE;
  return true;
}

bool THeaderControl::CnNotify(const NMHEADERW& header, LRESULT& result) {
  switch (header.hdr.code) {
    case HDN_ITEMCLICKW:
    case HDN_ITEMCLICKA:
      if (THeaderSection* section = SectionAt(header.iItem); section && section->allowClick_ && OnSectionClick)
        OnSectionClick(this, section);
      return true;
    case HDN_ITEMCHANGINGW:
    case HDN_ITEMCHANGINGA:
      // Dragging stays within the section's limits.
      if (THeaderSection* section = SectionAt(header.iItem);
          section && header.pitem && (header.pitem->mask & HDI_WIDTH)) {
        result = header.pitem->cxy < section->minWidth_ || header.pitem->cxy > section->maxWidth_;
        return true;
      }
      return false;
    case HDN_ENDTRACKW:
    case HDN_ENDTRACKA:
      if (THeaderSection* section = SectionAt(header.iItem); section && OnSectionResize)
        OnSectionResize(this, section);
      return true;
    default:
      return false;
  }
}
