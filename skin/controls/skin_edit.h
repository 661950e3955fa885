// The text control skins: TSkinEdit (edits, spin edits, up-down date pickers: the skin border and
// the spin button), TSkinComBox (combo boxes of every style: the border and drop-down button, the
// list's scroll bar) and TSkinDateTime (drop-down date pickers) with its arrow button
// TArrowButton. The controls paint their own text. UI thread.
#pragma once
#include <windows.h>

#include "framework/graphics/bitmap.h"
#include "framework/ui/control.h"
#include "framework/win/window_thunk.h"
#include "skin/controls/skin_control.h"
#include "skin/controls/skin_range.h"

namespace quarnel {

class TSkinUpDown;
class TComboxScrollBar;
class TSkinScrollbarH;

// One ButtonShadow frame on the window's rectangle and `whiteFrames` white frames inside it,
// unless the window has no non-client border.
void DrawEditBorder(HDC dc, HWND window, TColor shadow, int whiteFrames);
// The border of a bordered window without scroll bars drawn in place of the system's frame, for
// WM_NCPAINT: one window DC a paint instead of the system's frame and the skin's over it. When
// it is drawn, `ownsFrame` is set: the skin keeps that frame from then on.
bool PaintsOwnFrame(TSkinControl& skin, TMessage& message, bool& ownsFrame);
// A ring `thickness` pixels wide just inside `r`, filled with `brush`.
void DrawRing(HDC dc, const RECT& r, int thickness, HBRUSH brush);
// A solid brush of `colour`, kept for the next paint that asks for the same colour.
HBRUSH CachedSolidBrush(COLORREF colour);

class TSkinEdit : public TSkinControl {
 public:
  explicit TSkinEdit(TComponent* owner) : TSkinControl(owner) {}
  bool BeforeMessage(TMessage& message) override;
  void AfterMessage(TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;

  TSkinUpDown* UpDown() const { return upDown_; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void OnPainted(HDC dc);
  void OnNcPainted();
  void OnPrint(HDC dc);
  void OnRecreated(TMessage& message);
  void OnPaintClient(TMessage& message);
  void FindUpDown();
  void PrintBorder(HDC dc);
  void RestoreInnerRing(HDC dc);   // dc may be null: the client DC is used
  TSkinUpDown* upDown_ = nullptr;  // owned by the control (or the host for a bare edit)
  bool ownsFrame_ = false;         // the border is drawn at WM_NCPAINT, not after each paint
};

class TSkinComBox : public TSkinControl {
 public:
  // `extendedCombo`: an extended combo box; `skinListOfWindow`: attached by handle, the list's
  // bar is skinned too (an extended combo's inner combo box).
  explicit TSkinComBox(TComponent* owner, bool extendedCombo = false, bool skinListOfWindow = false)
      : TSkinControl(owner), extendedCombo_(extendedCombo), skinListOfWindow_(skinListOfWindow) {}
  ~TSkinComBox() override;
  void Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas) override;
  void AttachHandle(HWND window, TSkinData* skinData, TControlSkinHost* host, TCanvas* sharedCanvas) override;
  void Detach() override;
  void AfterMessage(TMessage& message) override;
  bool BeforeMessage(TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;
  void UpdateSkin() override {
    glyph_.Forget();  // a new skin's image may come in a recycled handle
    TSkinControl::UpdateSkin();
  }

  bool DroppedDown() const { return dropped_; }
  int LastFrame() const { return lastFrame_; }  // ComboButton frame of the last draw, 0 before
  RECT ButtonRect() const { return buttonRect_; }
  TSkinControl* ListSkin() const;

 protected:
  // A list skin freed elsewhere (its window destroyed, then purged by the frame object) is
  // forgotten here.
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool OnPaint(TMessage& message);
  void OnMouseMove(POINT at);
  void OnNcPainted();
  void OnButtonPressed(bool down);
  void OnMouseLeave();
  void OnRecreated(TMessage& message);
  void OnCommand(UINT code);
  void AttachParts(bool withListSkin);
  void ReleaseParts();
  void RefreshButton();
  bool QueryInfo();
  bool UpdateCoversWindow() const;
  void InnerEditMessage(TMessage& message);
  void DrawFlat(HDC dc, const RECT& rect);
  void DrawElement(HDC dc, const RECT& rect);
  void DrawExtended(HDC dc, const RECT& rect);
  int FrameIndex(bool flat);

  bool extendedCombo_;
  bool skinListOfWindow_;
  DWORD style_ = 0, exStyle_ = 0;
  COMBOBOXINFO info_{};
  bool haveInfo_ = false;
  RECT buttonRect_{};
  bool dropped_ = false;
  bool paintCoversWindow_ = false;  // within BeginPaint of a paint that covers the whole window
  int lastFrame_ = 0;
  HWND innerEdit_ = nullptr;
  fw::WindowSubclass innerSubclass_;
  TComboxScrollBar* listBar_ = nullptr;       // drop-down list, owned by this object
  TSkinScrollbarH* simpleListBar_ = nullptr;  // simple combo's list, owned by this object
  TStretchedFrame glyph_;
};

class TSkinDateTime;

// The picker's skinned drop-down arrow: a child window over the picker's own arrow that hands a
// press on to the picker.
class TArrowButton : public TWinControl {
  FW_DECLARE_CLASS()
 public:
  explicit TArrowButton(TComponent* owner);
  void Bind(TSkinDateTime* skin, TWinControl* picker);
  void Place();
  bool HotNow() const { return hot_; }
  void ForgetFace() { face_.Forget(); }
  int LastFrame() const { return lastFrame_; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  void PaintArrow();
  void PressPicker(const TMessage& message);
  TSkinDateTime* skin_ = nullptr;
  TWinControl* picker_ = nullptr;
  HWND pickerWindow_ = nullptr;
  bool hot_ = false;
  int lastFrame_ = 0;
  TStretchedFrame face_;
};

class TSkinDateTime : public TSkinControl {
 public:
  explicit TSkinDateTime(TComponent* owner) : TSkinControl(owner) {}
  void Attach(TControlSkinHost* host, TSkinData* skinData, bool useSkinColor, TCanvas* sharedCanvas) override;
  void Detach() override;
  void AfterMessage(TMessage& message) override;
  void Draw(HDC dc, const RECT& rect) override;
  void UpdateSkin() override;
  bool BeforeMessage(TMessage& message) override;
  TArrowButton* Arrow() const { return arrow_; }

 private:
  void OnPainted(TMessage& message);
  void OnRecreated(TMessage& message);
  void OnSized(TMessage& message);
  TArrowButton* arrow_ = nullptr;  // owned by this object
  bool ownsFrame_ = false;
};

}  // namespace quarnel
