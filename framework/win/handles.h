// RAII owners for Windows handles and the scope guards used around GDI calls.
// Any thread; each object belongs to the thread that made it, as its handle does.
#pragma once
#include <windows.h>

#include <utility>

namespace fw {

// Owns one handle; Traits says what an empty handle is and how to free one.
template <class Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;
  UniqueHandle() noexcept = default;
  explicit UniqueHandle(Handle h) noexcept : h_(h) {}
  UniqueHandle(UniqueHandle&& o) noexcept : h_(o.release()) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) reset(o.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const noexcept { return h_; }
  explicit operator bool() const noexcept { return h_ != Traits::empty(); }
  Handle release() noexcept { return std::exchange(h_, Traits::empty()); }
  void reset(Handle h = Traits::empty()) noexcept {
    Handle old = std::exchange(h_, h);
    if (old != Traits::empty()) Traits::close(old);
  }

 private:
  Handle h_ = Traits::empty();
};

template <class H>
struct GdiObjectTraits {
  using Handle = H;
  static Handle empty() noexcept { return nullptr; }
  static void close(Handle h) noexcept { DeleteObject(h); }
};
struct DcTraits {
  using Handle = HDC;
  static Handle empty() noexcept { return nullptr; }
  static void close(Handle h) noexcept { DeleteDC(h); }
};
struct HookTraits {
  using Handle = HHOOK;
  static Handle empty() noexcept { return nullptr; }
  static void close(Handle h) noexcept { UnhookWindowsHookEx(h); }
};
struct IconTraits {
  using Handle = HICON;
  static Handle empty() noexcept { return nullptr; }
  static void close(Handle h) noexcept { DestroyIcon(h); }
};
struct MenuTraits {
  using Handle = HMENU;
  static Handle empty() noexcept { return nullptr; }
  static void close(Handle h) noexcept { DestroyMenu(h); }
};
struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle empty() noexcept { return nullptr; }
  static void close(Handle h) noexcept { CloseHandle(h); }
};
struct ModuleTraits {
  using Handle = HMODULE;
  static Handle empty() noexcept { return nullptr; }
  static void close(Handle h) noexcept { FreeLibrary(h); }
};
struct WindowTraits {
  using Handle = HWND;
  static Handle empty() noexcept { return nullptr; }
  static void close(Handle h) noexcept { DestroyWindow(h); }
};

// A thread timer (SetTimer without a window) is known by its id alone.
struct ThreadTimerTraits {
  using Handle = UINT_PTR;
  static Handle empty() noexcept { return 0; }
  static void close(Handle h) noexcept { KillTimer(nullptr, h); }
};

using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using UniquePen = UniqueHandle<GdiObjectTraits<HPEN>>;
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using UniqueRegion = UniqueHandle<GdiObjectTraits<HRGN>>;
using UniquePalette = UniqueHandle<GdiObjectTraits<HPALETTE>>;
using UniqueDC = UniqueHandle<DcTraits>;
using UniqueHook = UniqueHandle<HookTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueMenu = UniqueHandle<MenuTraits>;
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueModule = UniqueHandle<ModuleTraits>;
using UniqueWindow = UniqueHandle<WindowTraits>;
using UniqueThreadTimer = UniqueHandle<ThreadTimerTraits>;

// A memory DC compatible with `like` (the screen when null), deleted at scope end.
inline UniqueDC CreateMemoryDC(HDC like = nullptr) {
  return UniqueDC(CreateCompatibleDC(like));
}

// BeginPaint/EndPaint for one WM_PAINT.
class PaintDC {
 public:
  explicit PaintDC(HWND wnd) : wnd_(wnd) { dc_ = BeginPaint(wnd, &ps_); }
  ~PaintDC() { EndPaint(wnd_, &ps_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  HDC get() const { return dc_; }
  const PAINTSTRUCT& info() const { return ps_; }

 private:
  HWND wnd_;
  HDC dc_;
  PAINTSTRUCT ps_{};
};

// GetWindowDC/GetDC paired with ReleaseDC.
class WindowDC {
 public:
  enum Kind { kClient, kWindow };
  explicit WindowDC(HWND wnd, Kind kind = kClient)
      : wnd_(wnd), dc_(kind == kWindow ? GetWindowDC(wnd) : GetDC(wnd)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(wnd_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back at scope end.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(obj ? SelectObject(dc, obj) : nullptr) {}
  ~SelectGuard() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// SaveDC/RestoreDC around clipping or mode changes.
class SavedDCState {
 public:
  explicit SavedDCState(HDC dc) : dc_(dc), id_(SaveDC(dc)) {}
  ~SavedDCState() { RestoreDC(dc_, id_); }
  SavedDCState(const SavedDCState&) = delete;
  SavedDCState& operator=(const SavedDCState&) = delete;

 private:
  HDC dc_;
  int id_;
};

}  // namespace fw
