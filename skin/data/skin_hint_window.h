// TSkinHintWindow: the small pop-up that shows caption-button hints. Its window is made on
// first show and destroyed with the object. UI thread.
#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "framework/win/handles.h"

namespace quarnel {

class TSkinHintWindow {
 public:
  TSkinHintWindow();
  ~TSkinHintWindow();
  TSkinHintWindow(const TSkinHintWindow&) = delete;
  TSkinHintWindow& operator=(const TSkinHintWindow&) = delete;

  // The rectangle (from 0, 0) the hint needs for `text`, wrapped at `maxWidth` pixels.
  RECT CalcHintRect(int maxWidth, std::string_view text);
  // Shows `text` at the screen rectangle `where`, without taking the focus.
  void ActivateHint(const RECT& where, std::string_view text);
  void Hide();
  // The system's status font changed: the next hint is written in the new one.
  void RenewFont() { font_.reset(); }

  HWND Handle() const { return window_.get(); }
  bool IsVisible() const { return window_ && IsWindowVisible(window_.get()); }
  const std::wstring& Text() const { return text_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HWND window);
  HFONT Font();

  fw::UniqueWindow window_;
  fw::UniqueFont font_;
  std::wstring text_;
};

}  // namespace quarnel
