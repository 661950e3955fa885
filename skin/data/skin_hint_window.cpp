// The hint pop-up: a bordered tool window painted with the system's status font and tooltip
// colours. UI thread.
#include "skin/data/skin_hint_window.h"

#include "framework/win/code_module.h"
#include "skin/data/draw/draw_helpers.h"

namespace quarnel {

namespace {

constexpr wchar_t kClassName[] = L"TSkinHintWindow";
constexpr int kPaddingX = 4, kPaddingY = 2;
// Words longer than the line are broken too, so the hint never exceeds its maximum width.
constexpr UINT kTextFormat = DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX | DT_LEFT;

void RegisterHintClass() {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.style = CS_SAVEBITS;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = fw::CodeModule();
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kClassName;
    return RegisterClassW(&wc) != 0;
  }();
  (void)registered;
}

}  // namespace

TSkinHintWindow::TSkinHintWindow() = default;
TSkinHintWindow::~TSkinHintWindow() = default;

HFONT TSkinHintWindow::Font() {
  if (!font_) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
      font_.reset(CreateFontIndirectW(&metrics.lfStatusFont));
  }
  return font_ ? font_.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

RECT TSkinHintWindow::CalcHintRect(int maxWidth, std::string_view text) {
  const std::wstring wide = AnsiToWide(text);
  RECT rect{0, 0, maxWidth, 0};
  HDC screen = GetDC(nullptr);
  {
    fw::SelectGuard font(screen, Font());
    DrawTextW(screen, wide.c_str(), static_cast<int>(wide.size()), &rect, DT_CALCRECT | kTextFormat);
  }
  ReleaseDC(nullptr, screen);
  if (rect.right > maxWidth) rect.right = maxWidth;
  rect.right += 2 * kPaddingX + 2;
  rect.bottom += 2 * kPaddingY + 2;
  return rect;
}

void TSkinHintWindow::ActivateHint(const RECT& where, std::string_view text) {
  RegisterHintClass();
  text_ = AnsiToWide(text);
  if (!window_) {
    window_.reset(CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, L"", WS_POPUP | WS_BORDER, 0,
                                  0, 0, 0, nullptr, nullptr, fw::CodeModule(), nullptr));
    if (!window_) return;
    SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_.get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TSkinHintWindow::WindowProc));
  }
  SetWindowPos(window_.get(), HWND_TOPMOST, where.left, where.top, where.right - where.left,
               where.bottom - where.top, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(window_.get(), nullptr, TRUE);
}

void TSkinHintWindow::Hide() {
  if (window_) ShowWindow(window_.get(), SW_HIDE);
}

void TSkinHintWindow::Paint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_INFOBK));
  {
    fw::SelectGuard font(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    RECT text{client.left + kPaddingX, client.top + kPaddingY, client.right - kPaddingX, client.bottom};
    DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &text, kTextFormat);
  }
  EndPaint(window, &ps);
}

LRESULT CALLBACK TSkinHintWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TSkinHintWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_PAINT:
      if (self) return self->Paint(window), 0;
      break;
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // the hint never takes the mouse from the caption under it
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace quarnel
