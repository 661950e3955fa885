// `TScrollBar`: a separate scroll-bar control (the system SCROLLBAR class under the framework's
// class name) with its kind, range, page, position and step sizes; it moves itself on the scroll
// notifications its parent reflects to it. User-interface thread.
#pragma once
#include "framework/ui/control.h"

enum TScrollBarKind { sbHorizontal, sbVertical };
const TEnumInfo& ScrollBarKindEnum();

class TScrollBar : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TScrollBar(TComponent* owner);
  int Kind() const { return kind_; }
  void SetKind(int v);
  int Min() const { return min_; }
  void SetMin(int v) { SetParams(position_, v, max_); }
  int Max() const { return max_; }
  void SetMax(int v) { SetParams(position_, min_, v); }
  int Position() const { return position_; }
  void SetPosition(int v) { SetParams(v, min_, max_); }
  int PageSize() const { return pageSize_; }
  void SetPageSize(int v);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int v) { smallChange_ = v; }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int v) { largeChange_ = v; }
  // Position kept inside [min, max - page + 1] (or [min, max] without a page).
  void SetParams(int position, int min, int max);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;

 private:
  bool CnScroll(WORD code, LRESULT& result);
  void Scroll(int request, int trackPosition);
  void ApplyToWindow();
  int kind_ = sbHorizontal;
  int min_ = 0, max_ = 100, position_ = 0, pageSize_ = 0;
  int smallChange_ = 1, largeChange_ = 1;
};
