// `TControl` (bounds, caption, colour, font, visibility, the replaceable message method) and
// `TWinControl` (a control with a window: handle made on demand, children, tab order, the
// window procedure that routes messages to the control). User-interface thread.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/core/component.h"
#include "framework/core/properties.h"
#include "framework/graphics/color.h"
#include "framework/graphics/font.h"
#include "framework/ui/message.h"

class TWinControl;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
// Shift state bits of mouse and key events.
using TShiftState = unsigned;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32,
                      ssDouble = 64;
TShiftState KeysToShiftState(WPARAM keys);  // from the MK_* bits of a mouse message
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;

class TControl : public TComponent {
  FW_DECLARE_CLASS()
  friend class TWinControl;

 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  void SetParentComponent(TComponent* parent) override;

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  virtual int ClientWidth() const { return width_; }
  virtual int ClientHeight() const { return height_; }
  virtual void SetClientWidth(int v) { SetWidth(v); }
  virtual void SetClientHeight(int v) { SetHeight(v); }

  // Caption and Text are one 8-bit text in the program's code page.
  virtual std::string Caption() const { return caption_; }
  virtual void SetCaption(const std::string& caption);
  std::wstring WideCaption() const;

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool v);
  TColor Color() const { return color_; }
  virtual void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool v);
  TFont* Font() { return &font_; }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool v);
  std::string Hint() const { return hint_; }
  void SetHint(const std::string& v) { hint_ = v; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool v) { showHint_ = v; }

  // The message method; WindowProc starts out calling WndProc.
  TWndMethod WindowProc;
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  virtual void WndProc(TMessage& message);
  virtual void DefaultHandler(TMessage& message);

  virtual void Click();
  // The mouse-down handling a window's button-down message runs (client coordinates).
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void Invalidate();
  virtual void Repaint();

  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;

 protected:
  // Told when the parent's font or colour changes (for controls that follow their parent).
  virtual void ParentFontChanged();
  virtual void ParentColorChanged();
  virtual void FontChanged() {}
  virtual void BoundsChanged() {}
  virtual void VisibleChanged() {}
  virtual void EnabledChanged() {}
  virtual void TextChanged() {}
  virtual void ColorChanged() { Invalidate(); }

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::string caption_;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  TFont font_;
  bool parentFont_ = true;
  std::string hint_;
  bool showHint_ = false;
};

// While one lives, controls' Invalidate does nothing: its holder invalidates the windows
// concerned as a whole afterwards, and each single invalidation would be a round trip to the
// window system for nothing. User-interface thread.
class TInvalidationsSuspended {
 public:
  TInvalidationsSuspended() { ++depth_; }
  ~TInvalidationsSuspended() { --depth_; }
  TInvalidationsSuspended(const TInvalidationsSuspended&) = delete;
  TInvalidationsSuspended& operator=(const TInvalidationsSuspended&) = delete;
  static bool Active() { return depth_ > 0; }

 private:
  static inline int depth_ = 0;
};

// Window creation parameters a control fills before its window is made.
struct TCreateParams {
  std::wstring caption;
  DWORD style = 0;
  DWORD exStyle = 0;
  int x = 0, y = 0, width = 0, height = 0;
  HWND wndParent = nullptr;
  HMENU menu = nullptr;
  void* param = nullptr;
  const wchar_t* superClass = nullptr;  // system class this control's class is built on
  UINT classStyle = CS_DBLCLKS;
  HCURSOR cursor = nullptr;
};

class TWinControl : public TControl {
  FW_DECLARE_CLASS()
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;

  HWND Handle();  // makes the window when there is none yet
  bool HandleAllocated() const { return handle_ != nullptr; }
  HWND RawHandle() const { return handle_; }
  virtual void DestroyHandle();
  // Makes the window again (a style the system reads only at creation changed) through
  // CM_RECREATEWND, so that whoever watches the control's messages sees the new window come.
  // Nothing happens while there is no window.
  void RecreateWnd();

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);

  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool v);
  // Children that take part in the tab walk, in tab order.
  const std::vector<TWinControl*>& TabList() const { return tabList_; }
  // The next (or previous) control after `current` in tab order among this control's windowed
  // descendants that can take the focus; null when there is none.
  TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;

  bool Focused() const;
  bool CanFocus() const;
  virtual void SetFocus();

  void SetBounds(int left, int top, int width, int height) override;
  std::string Caption() const override;
  int ClientWidth() const override;
  int ClientHeight() const override;
  void SetClientWidth(int v) override;
  void SetClientHeight(int v) override;

  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void Invalidate() override;
  void Repaint() override;
  void BeforeDestruction() override;

  // The window property through which any window's control is found ("ControlOfs%.8X%.8X").
  static ATOM ControlAtom();
  static TWinControl* FindControl(HWND wnd);

 protected:
  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void CreateHandle();
  // After the window exists: font, text and anything the subclass keeps outside the window.
  virtual void HandleCreated();
  // The brush a child's colour query gets (WM_CTLCOLOR*): the control's colour and font colour.
  virtual HBRUSH ControlColorBrush(HDC dc);
  // A solid brush of the control's colour, kept until the colour changes.
  HBRUSH ColorBrush();
  void FontChanged() override;
  void VisibleChanged() override;
  void EnabledChanged() override;
  void TextChanged() override;
  void ColorChanged() override;
  void UpdateChildFonts();
  // Turns a bar-like control: stores `value` in `orientation`; turned in code (not while read from
  // a description, which gives both sizes) it keeps its thickness across its new axis; the window
  // is made again, the system reading the orientation only at creation.
  void TurnTo(int& orientation, int value);
  bool OfferDialogChar(TMessage& message);

  // Ends the link between this control and its window (property and FindControl's table).
  void DetachHandle();

  HWND handle_ = nullptr;
  WNDPROC defWndProc_ = nullptr;
  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  bool tabStop_ = false;
  fw::UniqueBrush brush_;
  TColor brushColor_ = 0;

 private:
  friend LRESULT CALLBACK ControlWindowProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK InitialWindowProc(HWND, UINT, WPARAM, LPARAM);
  void AttachHandle(HWND wnd);
  void InsertInTabList(TWinControl* child);
  bool ReflectToChild(TMessage& message);
  // Handlers of WndProc; true: handled here, the control's own procedure is not called.
  bool CmRecreateWnd();
  bool CnControlColor(HDC dc, LRESULT& result);
  bool WmSetFocus();
  bool WmWindowPosChanged(TMessage& message);
  bool WmNcPaint(LRESULT& result);
  bool WmPaint(TMessage& message);
  bool WmMouseOverChildren(TMessage& message);
  bool WmLButtonDown(TMessage& message, bool doubleClick);
  bool WmSysCommand(TMessage& message);
  bool WmNcDestroy(TMessage& message);
  // Windowless children: painted after this window, told about the mouse over them.
  bool HasGraphicChildren() const;
  // Borders, caption or scroll bars: the window is larger than its client area.
  bool HasNonClientArea() const;
  void PaintWithGraphicChildren(TMessage& message);
  TControl* graphicHover_ = nullptr;
  TControl* graphicCapture_ = nullptr;
};

// The form a control stands on (its topmost windowed parent that is a form), or null.
class TCustomForm;
TCustomForm* GetParentForm(const TControl* control);
