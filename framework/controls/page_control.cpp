// Page controls: the pages (tab sheets) are child windows laid over the display area, one shown
// at a time; their captions are the tabs. User-interface thread.
#include <algorithm>
#include <utility>

#include "framework/controls/parent_background.h"
#include "framework/controls/tab_controls.h"

const TClassInfo& TTabSheet::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTabSheet>("TTabSheet", &TWinControl::StaticClass())
          .Creatable()
          .Obj("PageControl", &TPageControl::StaticClass, &TTabSheet::PageControl, &TTabSheet::SetPageControl)
          .Int("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex)
          .Bool("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible)
          .Int("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex)
          .Int("TabIndex", &TTabSheet::TabIndex, nullptr)
          .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

const TClassInfo& TPageControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPageControl>("TPageControl", &TCustomTabControl::StaticClass())
          .Creatable()
          .Obj("ActivePage", &TTabSheet::StaticClass, &TPageControl::ActivePage, &TPageControl::SetActivePage)
          .Int("ActivePageIndex", &TPageControl::ActivePageIndex, &TPageControl::SetActivePageIndex)
          .Int("PageCount", &TPageControl::PageCount, nullptr)
          .Int("TabIndex", &TPageControl::TabIndex, &TPageControl::SetTabIndex)
          .Build();
  static const bool registered = (RegisterComponentClass(info), true);
  (void)registered;
  return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  color_ = clBtnFace;
  parentColor_ = true;
  visible_ = false;  // the page control shows its active page
}

TTabSheet::~TTabSheet() {
  if (pageControl_) pageControl_->RemovePage(this);
}

void TTabSheet::SetPageControl(TPageControl* control) {
  SetParent(control);
}

void TTabSheet::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (pageControl_) pageControl_->RemovePage(this);
  TWinControl::SetParent(parent);
  if (auto* pages = ObjectAs<TPageControl>(parent)) pages->InsertPage(this);
}

void TTabSheet::CreateParams(TCreateParams& p) {
  TWinControl::CreateParams(p);
  p.style |= WS_CLIPCHILDREN;
}

int TTabSheet::PageIndex() const {
  if (!pageControl_) return -1;
  const auto& pages = pageControl_->pages_;
  return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int index) {
  if (!pageControl_) return;
  auto& pages = pageControl_->pages_;
  index = std::clamp(index, 0, static_cast<int>(pages.size()) - 1);
  pages.erase(std::find(pages.begin(), pages.end(), this));
  pages.insert(pages.begin() + index, this);
  pageControl_->PagesChanged();
}

void TTabSheet::SetTabVisible(bool v) {
  if (v == tabVisible_) return;
  tabVisible_ = v;
  if (!pageControl_) return;
  if (!v && pageControl_->activePage_ == this) pageControl_->SelectNextPage(true);
  if (!v && pageControl_->activePage_ == this) pageControl_->activePage_ = nullptr;
  pageControl_->PagesChanged();
}

void TTabSheet::SetImageIndex(int v) {
  imageIndex_ = v;
  if (pageControl_) pageControl_->PagesChanged();
}

int TTabSheet::TabIndex() const {
  if (!pageControl_ || !tabVisible_) return -1;
  int tab = 0;
  for (TTabSheet* page : pageControl_->pages_) {
    if (page == this) return tab;
    if (page->tabVisible_) ++tab;
  }
  return -1;
}

void TTabSheet::TextChanged() {
  TWinControl::TextChanged();
  if (pageControl_) pageControl_->PagesChanged();
}

void TTabSheet::WndProc(TMessage& m) {
  bool handled = false;
  switch (m.Msg) {
    case WM_ERASEBKGND: handled = WmEraseBackground(reinterpret_cast<HDC>(m.WParam), m.Result); break;
    default: break;
  }
  if (!handled) TWinControl::WndProc(m);
}

bool TTabSheet::WmEraseBackground(HDC dc, LRESULT& result) {
  fw::EraseContainer(*this, dc, ColorBrush(), false);
  result = 1;
  return true;
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {}

TPageControl::~TPageControl() {
  // The pages outlive this object's own part while the base class lets go of its children.
  for (TTabSheet* page : pages_) page->pageControl_ = nullptr;
  pages_.clear();
  activePage_ = nullptr;
}

void TPageControl::CreateParams(TCreateParams& p) {
  TCustomTabControl::CreateParams(p);
  p.style |= WS_CLIPCHILDREN;
}

int TPageControl::TabCount() const {
  return static_cast<int>(
      std::count_if(pages_.begin(), pages_.end(), [](TTabSheet* p) { return p->tabVisible_; }));
}

TTabSheet* TPageControl::PageForTab(int tabIndex) const {
  int tab = 0;
  for (TTabSheet* page : pages_)
    if (page->tabVisible_ && tab++ == tabIndex) return page;
  return nullptr;
}

std::string TPageControl::TabText(int index) const {
  TTabSheet* page = PageForTab(index);
  return page ? page->Caption() : std::string();
}

int TPageControl::TabImage(int index) const {
  TTabSheet* page = PageForTab(index);
  return page ? page->imageIndex_ : -1;
}

void TPageControl::InsertPage(TTabSheet* page) {
  page->pageControl_ = this;
  pages_.push_back(page);
  PagesChanged();
  if (!activePage_ && !IsLoading() && page->tabVisible_)
    SetActivePage(page);
  else
    ShowActivePage();
}

void TPageControl::RemovePage(TTabSheet* page) {
  page->pageControl_ = nullptr;
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  if (page == activePage_) {
    // The page after it takes its place, or the one before when it was the last.
    size_t i = static_cast<size_t>(it - pages_.begin());
    pages_.erase(it);
    activePage_ = nullptr;
    for (size_t k = i; k < pages_.size() && !activePage_; ++k)
      if (pages_[k]->tabVisible_) activePage_ = pages_[k];
    for (size_t k = i; k-- > 0 && !activePage_;)
      if (pages_[k]->tabVisible_) activePage_ = pages_[k];
  } else {
    pages_.erase(it);
  }
  PagesChanged();
}

void TPageControl::PagesChanged() {
  RebuildTabs(activePage_ ? activePage_->TabIndex() : -1);
  ShowActivePage();
}

void TPageControl::Loaded() {
  TCustomTabControl::Loaded();
  if (loadingIndex_ >= 0) SetActivePageIndex(std::exchange(loadingIndex_, -1));
  if (!activePage_)
    for (TTabSheet* page : pages_)
      if (page->tabVisible_) {
        SetActivePage(page);
        break;
      }
}

void TPageControl::HandleCreated() {
  TCustomTabControl::HandleCreated();
  PagesChanged();
}

void TPageControl::BoundsChanged() {
  TCustomTabControl::BoundsChanged();
  ShowActivePage();
}

// Lays every page over the display area and shows only the active one.
void TPageControl::ShowActivePage() {
  if (handle_) {
    RECT r = DisplayRect();
    for (TTabSheet* page : pages_) page->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  }
  for (TTabSheet* page : pages_)
    if (page != activePage_) page->SetVisible(false);
  if (activePage_) activePage_->SetVisible(true);
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->pageControl_ != this) return;
  activePage_ = page;
  SelectTab(page ? page->TabIndex() : -1);
  ShowActivePage();
}

int TPageControl::ActivePageIndex() const {
  return activePage_ ? activePage_->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int index) {
  if (IsLoading() && index >= PageCount()) {
    loadingIndex_ = index;
    return;
  }
  SetActivePage(index >= 0 && index < PageCount() ? pages_[static_cast<size_t>(index)] : nullptr);
}

void TPageControl::SelectionChanged(int index) {
  activePage_ = PageForTab(index);
  ShowActivePage();
}

void TPageControl::SelectNextPage(bool forward) {
  const int count = TabCount();
  if (count == 0) return;
  int tab = activePage_ ? activePage_->TabIndex() : -1;
  tab = ((tab + (forward ? 1 : -1)) % count + count) % count;
  if (!CanChange()) return;
  SetActivePage(PageForTab(tab));
  Change();
}
