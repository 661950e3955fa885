// `TStatusBar` over the system status bar ("msctls_statusbar32"): panels with text, width,
// alignment, bevel and owner drawing (`TStatusPanel`), one simple panel with its own text, and the
// size grip. User-interface thread.
#pragma once
#include <functional>

#include "framework/controls/alignment.h"
#include "framework/controls/common_controls.h"
#include "framework/core/collection.h"
#include "framework/graphics/canvas.h"
#include "framework/ui/control.h"

enum TStatusPanelBevel { pbNone, pbLowered, pbRaised };
enum TStatusPanelStyle { psText, psOwnerDraw };
const TEnumInfo& StatusPanelBevelEnum();
const TEnumInfo& StatusPanelStyleEnum();

class TStatusPanel : public TCollectionItem {
  FW_DECLARE_CLASS()
 public:
  explicit TStatusPanel(TCollection* collection) : TCollectionItem(collection) {}
  std::string Text() const { return text_; }
  void SetText(const std::string& v) { Set(text_, v); }
  int Width() const { return width_; }
  void SetWidth(int v) { Set(width_, v); }
  int Alignment() const { return alignment_; }
  void SetAlignment(int v) { Set(alignment_, v); }
  int Bevel() const { return bevel_; }
  void SetBevel(int v) { Set(bevel_, v); }
  int Style() const { return style_; }
  void SetStyle(int v) { Set(style_, v); }

 private:
  template <class T>
  void Set(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  std::string text_;
  int width_ = 50;
  int alignment_ = taLeftJustify;
  int bevel_ = pbLowered;
  int style_ = psText;
};

class TStatusBar;
using TDrawPanelEvent =
    std::function<void(TStatusBar* bar, TStatusPanel* panel, TCanvas& canvas, const RECT& rect)>;

class TStatusBar : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TStatusBar(TComponent* owner);
  ~TStatusBar() override;
  TOwnedCollection<TStatusPanel>* Panels() { return &panels_; }
  bool SimplePanel() const { return simplePanel_; }
  void SetSimplePanel(bool v);
  std::string SimpleText() const { return simpleText_; }
  void SetSimpleText(const std::string& v);
  bool SizeGrip() const { return sizeGrip_; }
  void SetSizeGrip(bool v);
  // A panel's rectangle in client coordinates (empty while there is no window).
  RECT PanelRect(int index);

  TDrawPanelEvent OnDrawPanel;

 protected:
  void CreateParams(TCreateParams& params) override;
  void HandleCreated() override;
  void WndProc(TMessage& message) override;

 private:
  bool CnDrawItem(const DRAWITEMSTRUCT& draw, LRESULT& result);
  void UpdatePanels();
  void UpdatePanel(int index);
  TOwnedCollection<TStatusPanel> panels_;
  bool simplePanel_ = false;
  std::string simpleText_;
  bool sizeGrip_ = true;
};
