#pragma once
// Owners for the Win32 handles the widgets hold. Each type stores exactly the
// handle it must release (and, for DCs, the window it came from), is
// non-copyable, and releases in its destructor; members of a class that hold
// several are declared in acquisition order so they release in reverse.
#include <windows.h>

#include <utility>

template <typename Handle, typename Release> class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle(); }
    Handle release() { return std::exchange(handle_, Handle()); }
    void reset(Handle handle = Handle()) {
        if (handle_ != Handle())
            Release()(handle_);
        handle_ = handle;
    }

  private:
    Handle handle_ = Handle();
};

struct DeleteGdiObject {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DeleteDc {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DestroyIconHandle {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct FreeModule {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
struct DestroyWindowHandle {
    void operator()(HWND window) const { DestroyWindow(window); }
};
struct CloseKernelHandle {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};

using UniqueBitmap = UniqueHandle<HBITMAP, DeleteGdiObject>;
using UniqueFont = UniqueHandle<HFONT, DeleteGdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteGdiObject>;
using UniquePen = UniqueHandle<HPEN, DeleteGdiObject>;
using UniqueRegion = UniqueHandle<HRGN, DeleteGdiObject>;
using UniqueMemoryDc = UniqueHandle<HDC, DeleteDc>;
using UniqueIcon = UniqueHandle<HICON, DestroyIconHandle>;
using UniqueModule = UniqueHandle<HMODULE, FreeModule>;
using UniqueKernelHandle = UniqueHandle<HANDLE, CloseKernelHandle>;
// For system controls (EDIT, RICHEDIT) whose window we create and own.
using UniqueWindow = UniqueHandle<HWND, DestroyWindowHandle>;

// A DC borrowed from a window with GetDC; released to that same window.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

// Selects an object into a DC for the lifetime of the scope, then puts the
// previous one back, so the object can be deleted safely afterwards.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};
