// Owned Win32 handles: each is released exactly once, by its owner, in
// reverse order of acquisition. Header-only, so every program can use it
// without linking the skin engine.
//
//   UniqueBrush brush(CreateSolidBrush(colour));        // DeleteObject when it goes
//   UniqueRegKey key;  RegOpenKeyExA(root, path, 0, KEY_READ, key.Put());
//   SelectedObject font(dc, font_.get());                // restores the DC's font
//   MemoryCanvas canvas(dc, client);                     // draw into canvas.Dc(), then
//   canvas.Show();                                       // one copy onto dc
//   ComPtr<IStream> stream;  CreateStreamOnHGlobal(block, TRUE, stream.Put());
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <atomic>
#include <utility>

// GDI objects currently owned through the unique handles below (adopted and
// not yet deleted or handed to the platform); a test reads it to find objects
// that were never deleted, as Wine does not count a process's GDI objects.
inline std::atomic<long>& OwnedGdiObjectCount() {
    static std::atomic<long> count{0};
    return count;
}

// A handle and the function that releases it. `Traits` gives
// `static Handle Invalid()` and `static void Close(Handle)`.
template <typename Handle, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) { Traits::Adopted(handle_); }
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, Traits::Invalid());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }
    // Gives the handle up (to a function that takes ownership of it).
    Handle release() {
        Traits::Released(handle_);
        return std::exchange(handle_, Traits::Invalid());
    }
    void reset(Handle handle = Traits::Invalid()) {
        if (handle_ != Traits::Invalid()) Traits::Close(handle_);
        handle_ = handle;
        Traits::Adopted(handle_);
    }
    // For functions that return a new handle through a pointer: the old one
    // is released first. (GDI objects are adopted with reset(), so they are
    // counted.)
    Handle* Put() {
        static_assert(!Traits::kCounted, "adopt GDI objects with reset()");
        reset();
        return &handle_;
    }

private:
    Handle handle_ = Traits::Invalid();
};

struct NoCount {
    static constexpr bool kCounted = false;
    template <typename Handle>
    static void Adopted(Handle) {}
    template <typename Handle>
    static void Released(Handle) {}
};

struct KernelTraits : NoCount {
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
// CreateFile reports failure as INVALID_HANDLE_VALUE instead of null.
struct FileTraits : NoCount {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct RegKeyTraits : NoCount {
    static HKEY Invalid() { return nullptr; }
    static void Close(HKEY h) { RegCloseKey(h); }
};
struct ModuleTraits : NoCount {
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE h) { FreeLibrary(h); }
};
struct GlobalTraits : NoCount {
    static HGLOBAL Invalid() { return nullptr; }
    static void Close(HGLOBAL h) { GlobalFree(h); }
};
struct ViewTraits : NoCount {
    static const void* Invalid() { return nullptr; }
    static void Close(const void* view) { UnmapViewOfFile(view); }
};
struct MemoryDcTraits : NoCount {
    static HDC Invalid() { return nullptr; }
    static void Close(HDC h) { DeleteDC(h); }
};
template <typename Object>
struct GdiTraits {
    static constexpr bool kCounted = true;
    static Object Invalid() { return nullptr; }
    static void Close(Object h) {
        DeleteObject(h);
        Released(h);
    }
    static void Adopted(Object h) {
        if (h) ++OwnedGdiObjectCount();
    }
    static void Released(Object h) {
        if (h) --OwnedGdiObjectCount();
    }
};

using UniqueKernelHandle = UniqueHandle<HANDLE, KernelTraits>;
using UniqueFile = UniqueHandle<HANDLE, FileTraits>;
using UniqueRegKey = UniqueHandle<HKEY, RegKeyTraits>;
using UniqueModule = UniqueHandle<HMODULE, ModuleTraits>;
using UniqueGlobal = UniqueHandle<HGLOBAL, GlobalTraits>;
using UniqueView = UniqueHandle<const void*, ViewTraits>;
using UniqueMemoryDc = UniqueHandle<HDC, MemoryDcTraits>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiTraits<HBITMAP>>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiTraits<HBRUSH>>;
using UniqueFont = UniqueHandle<HFONT, GdiTraits<HFONT>>;
using UniquePen = UniqueHandle<HPEN, GdiTraits<HPEN>>;
using UniqueRegion = UniqueHandle<HRGN, GdiTraits<HRGN>>;

// A window's device context (GetDC, or GetWindowDC for the whole window with
// its frame), released with ReleaseDC.
class WindowDc {
public:
    explicit WindowDc(HWND window, bool wholeWindow = false)
        : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects an object into a DC for the lifetime of this value.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() {
        if (old_) SelectObject(dc_, old_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// A picture selected into a memory DC compatible with `reference`, to copy
// from or draw into.
class PictureDc {
public:
    PictureDc(HDC reference, HBITMAP picture) : dc_(CreateCompatibleDC(reference)), selected_(dc_.get(), picture) {}
    HDC get() const { return dc_.get(); }

private:
    UniqueMemoryDc dc_;
    SelectedObject selected_;
};

// Double-buffered painting: a memory bitmap of the area's size compatible
// with `target`, drawn in with Dc() (area-relative coordinates) and copied
// onto the target in one step by Show().
class MemoryCanvas {
public:
    MemoryCanvas(HDC target, const RECT& area)
        : target_(target),
          area_(area),
          bitmap_(CreateCompatibleBitmap(target, area.right - area.left, area.bottom - area.top)),
          picture_(target, bitmap_.get()) {}

    HDC Dc() const { return picture_.get(); }
    int Width() const { return area_.right - area_.left; }
    int Height() const { return area_.bottom - area_.top; }
    // Starts from the area's part of `picture`, which lies at the target's
    // origin, or from `fallback` when there is none.
    void Fill(HBITMAP picture, HBRUSH fallback) {
        if (picture) {
            PictureDc source(target_, picture);
            BitBlt(Dc(), 0, 0, Width(), Height(), source.get(), area_.left, area_.top, SRCCOPY);
        } else {
            const RECT all{0, 0, Width(), Height()};
            FillRect(Dc(), &all, fallback);
        }
    }
    void Show() const { BitBlt(target_, area_.left, area_.top, Width(), Height(), Dc(), 0, 0, SRCCOPY); }

private:
    HDC target_;
    RECT area_;
    UniqueBitmap bitmap_;
    PictureDc picture_;
};

// A COM interface pointer, released when it goes.
template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    void reset() {
        if (pointer_) pointer_->Release();
        pointer_ = nullptr;
    }
    Interface** Put() {
        reset();
        return &pointer_;
    }
    // For functions that return an interface as void** by its id.
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }

private:
    Interface* pointer_ = nullptr;
};
