// Owning wrappers for the GDI, USER and kernel handles the window system creates,
// so that every one of them is released exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace tavrin::win32 {

template <class H, class Traits> class Unique {
  public:
    Unique() = default;
    explicit Unique(H h) : h_(h) {}
    ~Unique() { reset(); }
    Unique(Unique&& other) noexcept : h_(std::exchange(other.h_, H{})) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other)
            reset(std::exchange(other.h_, H{}));
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    H get() const { return h_; }
    explicit operator bool() const { return h_ != H{}; }
    void reset(H h = H{}) {
        if (h_ != H{})
            Traits::release(h_);
        h_ = h;
    }
    H release() { return std::exchange(h_, H{}); }

  private:
    H h_{};
};

struct GdiObjectTraits {
    static void release(HGDIOBJ h) { DeleteObject(h); }
};
struct WindowTraits {
    static void release(HWND h) { DestroyWindow(h); }
};
struct MemoryDcTraits {
    static void release(HDC h) { DeleteDC(h); }
};
struct IconTraits {
    static void release(HICON h) { DestroyIcon(h); }
};
struct KernelObjectTraits {
    static void release(HANDLE h) { CloseHandle(h); }
};

using UniqueFont = Unique<HFONT, GdiObjectTraits>;
using UniqueBrush = Unique<HBRUSH, GdiObjectTraits>;
using UniquePen = Unique<HPEN, GdiObjectTraits>;
using UniqueBitmap = Unique<HBITMAP, GdiObjectTraits>;
using UniqueRegion = Unique<HRGN, GdiObjectTraits>;
using UniqueWindow = Unique<HWND, WindowTraits>;
using UniqueMemoryDc = Unique<HDC, MemoryDcTraits>;
using UniqueIcon = Unique<HICON, IconTraits>;
using UniqueKernelObject = Unique<HANDLE, KernelObjectTraits>;

// A window's device context from GetDC, released on scope exit.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_)
            ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// BeginPaint and EndPaint: however painting ends, the window is validated
// and no WM_PAINT comes back for the same damage, endlessly.
class PaintScope {
  public:
    explicit PaintScope(HWND window) : window_(window), dc_(BeginPaint(window, &ps_)) {}
    ~PaintScope() { EndPaint(window_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }
    const RECT& damage() const { return ps_.rcPaint; }

  private:
    HWND window_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// SaveDC and RestoreDC: the device context is handed back as it came.
class SavedDc {
  public:
    explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDc() {
        if (saved_)
            RestoreDC(dc_, saved_);
    }
    SavedDc(const SavedDc&) = delete;
    SavedDc& operator=(const SavedDc&) = delete;

  private:
    HDC dc_;
    int saved_;
};

// Selects an object into a device context and puts the old one back.
class Selected {
  public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~Selected() { SelectObject(dc_, old_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace tavrin::win32
