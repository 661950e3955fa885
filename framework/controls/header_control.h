// `THeaderControl` over the system header ("SysHeader32"): sections with text, width, limits,
// alignment, image and click permission (`THeaderSection`), hot tracking, and the section click
// and resize events, owner-drawn sections drawn by an event. User-interface thread.
#pragma once
#include <functional>

#include "framework/controls/alignment.h"
#include "framework/controls/common_controls.h"
#include "framework/core/collection.h"
#include "framework/ui/control.h"

class TCanvas;
class THeaderControl;

enum THeaderSectionStyle { hsText, hsOwnerDraw };
const TEnumInfo& HeaderSectionStyleEnum();

class THeaderSection : public TCollectionItem {
  FW_DECLARE_CLASS()
 public:
  explicit THeaderSection(TCollection* collection) : TCollectionItem(collection) {}
  std::string Text() const { return text_; }
  void SetText(const std::string& v) { Set(text_, v); }
  int Width() const;
  void SetWidth(int v) { Set(width_, v); }
  int MinWidth() const { return minWidth_; }
  void SetMinWidth(int v) { Set(minWidth_, v); }
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int v) { Set(maxWidth_, v); }
  int Alignment() const { return alignment_; }
  void SetAlignment(int v) { Set(alignment_, v); }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v) { Set(imageIndex_, v); }
  bool AllowClick() const { return allowClick_; }
  void SetAllowClick(bool v) { Set(allowClick_, v); }
  int Style() const { return style_; }
  void SetStyle(int v) { Set(style_, v); }

 private:
  friend class THeaderControl;
  template <class T>
  void Set(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  THeaderControl* Header() const;
  std::string text_;
  int width_ = 50, minWidth_ = 0, maxWidth_ = 10000;
  int alignment_ = taLeftJustify;
  int imageIndex_ = -1;
  bool allowClick_ = true;
  int style_ = hsText;
};

using TSectionNotifyEvent = std::function<void(THeaderControl* header, THeaderSection* section)>;
// Draws an owner-drawn (hsOwnerDraw) section on `canvas` within `rect`; `pressed` while it is
// held down.
using TDrawSectionEvent = std::function<void(THeaderControl* header, THeaderSection* section, TCanvas& canvas,
                                             const RECT& rect, bool pressed)>;

class THeaderControl : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit THeaderControl(TComponent* owner);
  ~THeaderControl() override;
  TOwnedCollection<THeaderSection>* Sections() { return &sections_; }
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool v);
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  // A section's rectangle in client coordinates (empty without a window).
  RECT SectionRect(int index);

  TSectionNotifyEvent OnSectionClick;
  TSectionNotifyEvent OnSectionResize;
  TDrawSectionEvent OnDrawSection;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;

 private:
  bool CnDrawItem(const DRAWITEMSTRUCT& draw, LRESULT& result);
  bool CnNotify(const NMHEADERW& header, LRESULT& result);
  friend class THeaderSection;
  void UpdateSections();
  void UpdateSection(int index);
  THeaderSection* SectionAt(int index);
  TOwnedCollection<THeaderSection> sections_;
  bool hotTrack_ = false;
  TImageList* images_ = nullptr;
  fw::UniqueImageList systemImages_;
};
