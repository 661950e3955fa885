// Window-test helpers. User-interface thread of the test.
#include "tests/support/window_support.h"

#include <cstdio>

#include "framework/win/handles.h"

namespace testing_support {

const wchar_t* test_window_class(const wchar_t* name, WNDPROC proc, HBRUSH background) {
  WNDCLASSW cls{};
  if (GetClassInfoW(GetModuleHandleW(nullptr), name, &cls)) return name;
  cls.lpfnWndProc = proc;
  cls.hInstance = GetModuleHandleW(nullptr);
  cls.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  cls.hbrBackground = background;
  cls.lpszClassName = name;
  return RegisterClassW(&cls) ? name : nullptr;
}

void flush_events(DWORD ms) {
  DWORD start = GetTickCount();
  do {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    if (ms) Sleep(5);
  } while (GetTickCount() - start < ms);
}

COLORREF window_pixel(HWND wnd, int x, int y, bool wholeWindow) {
  Capture c = capture_window(wnd);
  RECT wr, cr;
  GetWindowRect(wnd, &wr);
  POINT origin{0, 0};
  if (!wholeWindow) {
    ClientToScreen(wnd, &origin);
    origin.x -= wr.left;
    origin.y -= wr.top;
  }
  (void)cr;
  int px = x + origin.x, py = y + origin.y;
  if (px < 0 || py < 0 || px >= c.width || py >= c.height) return CLR_INVALID;
  return c.at(px, py);
}

static Capture CaptureDC(HDC src, int x, int y, int w, int h) {
  Capture c;
  if (w <= 0 || h <= 0) return c;
  c.width = w;
  c.height = h;
  c.pixels.resize(static_cast<size_t>(w) * h);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bi.bmiHeader.biWidth = w;
  bi.bmiHeader.biHeight = -h;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC mem = CreateCompatibleDC(src);
  HBITMAP bmp = CreateDIBSection(src, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(mem, bmp);
  BitBlt(mem, 0, 0, w, h, src, x, y, SRCCOPY);
  GdiFlush();
  const auto* p = static_cast<const DWORD*>(bits);
  for (size_t i = 0; i < c.pixels.size(); ++i) {
    DWORD v = p[i];  // 0x00RRGGBB in memory order B,G,R
    c.pixels[i] = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
  }
  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  return c;
}

Capture capture_window(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  HDC dc = GetWindowDC(wnd);
  Capture c = CaptureDC(dc, 0, 0, r.right - r.left, r.bottom - r.top);
  ReleaseDC(wnd, dc);
  return c;
}

Capture capture_screen_rect(const RECT& r) {
  HDC dc = GetDC(nullptr);
  Capture c = CaptureDC(dc, r.left, r.top, r.right - r.left, r.bottom - r.top);
  ReleaseDC(nullptr, dc);
  return c;
}

bool save_bmp(const Capture& c, const std::string& path) {
  if (c.width <= 0 || c.height <= 0) return false;
  int stride = (c.width * 3 + 3) & ~3;
  BITMAPFILEHEADER fh{};
  BITMAPINFOHEADER ih{};
  ih.biSize = sizeof ih;
  ih.biWidth = c.width;
  ih.biHeight = c.height;
  ih.biPlanes = 1;
  ih.biBitCount = 24;
  ih.biSizeImage = static_cast<DWORD>(stride * c.height);
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof fh + sizeof ih;
  fh.bfSize = fh.bfOffBits + ih.biSizeImage;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  std::fwrite(&fh, sizeof fh, 1, f);
  std::fwrite(&ih, sizeof ih, 1, f);
  std::vector<unsigned char> row(static_cast<size_t>(stride));
  for (int y = c.height - 1; y >= 0; --y) {
    for (int x = 0; x < c.width; ++x) {
      COLORREF p = c.at(x, y);
      row[x * 3] = GetBValue(p);
      row[x * 3 + 1] = GetGValue(p);
      row[x * 3 + 2] = GetRValue(p);
    }
    std::fwrite(row.data(), 1, row.size(), f);
  }
  std::fclose(f);
  return true;
}

void move_mouse(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = screen.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = screen.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
}

void mouse_left_button(bool down) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &in, sizeof in);
}

void key_event(WORD key, bool down) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = key;
  in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &in, sizeof in);
}

void alt_letter(WORD letter) {
  key_event(VK_MENU, true);
  key_event(letter, true);
  key_event(letter, false);
  key_event(VK_MENU, false);
}

int caption_text_width(const std::wstring& text) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  fw::UniqueFont font(CreateFontIndirectW(&metrics.lfCaptionFont));
  fw::WindowDC screen(nullptr);
  fw::SelectGuard select(screen.get(), font.get());
  SIZE extent{};
  GetTextExtentPoint32W(screen.get(), text.c_str(), static_cast<int>(text.size()), &extent);
  return extent.cx;
}

WindowMetricsChange::WindowMetricsChange() {
  saved_.cbSize = sizeof saved_;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof saved_, &saved_, 0);
}

void WindowMetricsChange::Set(NONCLIENTMETRICSW metrics) {
  SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics,
                        SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
  flush_events(150);
}

}  // namespace testing_support
