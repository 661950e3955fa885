// `TCoolBar` over the system rebar ("ReBarWindow32") and its bands (`TCoolBand`): each band holds
// one child control with a caption, width, minimum size, line break, fixed size, visibility and
// colour. Child controls that no band names get a band of their own. User-interface thread.
#pragma once
#include "framework/controls/common_controls.h"
#include "framework/core/collection.h"
#include "framework/graphics/color.h"
#include "framework/ui/control.h"

class TCoolBar;

class TCoolBand : public TCollectionItem {
  FW_DECLARE_CLASS()
 public:
  explicit TCoolBand(TCollection* collection) : TCollectionItem(collection) {}
  TWinControl* Control() const { return control_; }
  void SetControl(TWinControl* control);
  std::string Text() const { return text_; }
  void SetText(const std::string& v) { Set(text_, v); }
  int Width() const;  // what the user dragged it to, once there is a window
  void SetWidth(int v) { Set(width_, v); }
  int MinHeight() const { return minHeight_; }
  void SetMinHeight(int v) { Set(minHeight_, v); }
  int MinWidth() const { return minWidth_; }
  void SetMinWidth(int v) { Set(minWidth_, v); }
  bool Break() const { return break_; }
  void SetBreak(bool v) { Set(break_, v); }
  bool FixedSize() const { return fixedSize_; }
  void SetFixedSize(bool v) { Set(fixedSize_, v); }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { Set(visible_, v); }
  TColor Color() const;
  void SetColor(TColor v);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool v) { Set(parentColor_, v); }

 private:
  friend class TCoolBar;
  template <class T>
  void Set(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  TCoolBar* Bar() const;
  TWinControl* control_ = nullptr;
  std::string text_;
  int width_ = 100, minHeight_ = 25, minWidth_ = 0;
  bool break_ = true, fixedSize_ = false, visible_ = true;
  TColor color_ = clBtnFace;
  bool parentColor_ = true;
};

class TCoolBar : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TCoolBar(TComponent* owner);
  ~TCoolBar() override;
  TOwnedCollection<TCoolBand>* Bands() { return &bands_; }
  // The band that holds `control`, or null.
  TCoolBand* FindBand(const TControl* control) const;
  bool ShowText() const { return showText_; }
  void SetShowText(bool v);
  bool FixedOrder() const { return fixedOrder_; }
  void SetFixedOrder(bool v);
  int BandCount() const;  // in the window
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void ColorChanged() override;
  void WndProc(TMessage& message) override;

 private:
  bool WmEraseBackground(HDC dc, const std::function<void()>& inherited, LRESULT& result);
  friend class TCoolBand;
  void AdoptChildren();
  void UpdateBands();
  void FillOwnColouredBands(HDC dc);
  TOwnedCollection<TCoolBand> bands_;
  bool showText_ = true;
  bool fixedOrder_ = false;
  bool updating_ = false;
};
