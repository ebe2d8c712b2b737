// One owner type for every Win32 handle and COM pointer: it closes what it
// holds exactly once and cannot be copied, only moved. The traits of the
// handles every part of the program uses are here; COM pointers, BSTRs and
// service handles have headers of their own (unique_com_ptr.h,
// unique_bstr.h, unique_service_handle.h).
#pragma once

#include <windows.h>

#include <utility>

namespace speedrail::win32 {

template <typename Handle, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        reset(other.release());
        return *this;
    }
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    // For owners of pointers, COM pointers above all: p->Method().
    Handle operator->() const { return handle_; }
    explicit operator bool() const { return Traits::valid(handle_); }
    Handle release() { return std::exchange(handle_, Traits::invalid()); }
    // Where a function that hands out a new handle writes it (an out
    // parameter); whatever was held is closed first.
    Handle* put() {
        reset();
        return &handle_;
    }
    void reset(Handle handle = Traits::invalid()) {
        if (Traits::valid(handle_)) Traits::close(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::invalid();
};

struct KernelHandleTraits {  // processes, threads, files opened with CreateFile
    static HANDLE invalid() { return nullptr; }
    static bool valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { ::CloseHandle(h); }
};
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;

struct FindHandleTraits {
    static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
    static bool valid(HANDLE h) { return h != INVALID_HANDLE_VALUE; }
    static void close(HANDLE h) { ::FindClose(h); }
};
using UniqueFindHandle = UniqueHandle<HANDLE, FindHandleTraits>;

struct ModuleTraits {  // DLLs loaded with LoadLibrary
    static HMODULE invalid() { return nullptr; }
    static bool valid(HMODULE h) { return h != nullptr; }
    static void close(HMODULE h) { ::FreeLibrary(h); }
};
using UniqueModule = UniqueHandle<HMODULE, ModuleTraits>;

template <typename Gdi>
struct GdiObjectTraits {  // fonts, brushes, pens, bitmaps
    static Gdi invalid() { return nullptr; }
    static bool valid(Gdi h) { return h != nullptr; }
    static void close(Gdi h) { ::DeleteObject(h); }
};
using UniqueFont = UniqueHandle<HFONT, GdiObjectTraits<HFONT>>;
using UniqueBrush = UniqueHandle<HBRUSH, GdiObjectTraits<HBRUSH>>;
using UniquePen = UniqueHandle<HPEN, GdiObjectTraits<HPEN>>;
using UniqueBitmap = UniqueHandle<HBITMAP, GdiObjectTraits<HBITMAP>>;

struct CursorTraits {  // cursors loaded from the program's resources
    static HCURSOR invalid() { return nullptr; }
    static bool valid(HCURSOR h) { return h != nullptr; }
    static void close(HCURSOR h) { ::DestroyCursor(h); }
};
using UniqueCursor = UniqueHandle<HCURSOR, CursorTraits>;

}  // namespace speedrail::win32
