// RAII owners for every kind of handle the programs hold: kernel objects, registry keys, GDI objects,
// cursors, icons, menus, device notifications and spooler printers. One template, one traits struct each.
#pragma once

#include <windows.h>
#include <winspool.h>

namespace fw {

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : m_handle(handle) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(UniqueHandle&& other) noexcept : m_handle(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != Traits::Invalid(); }

    Handle Release() {
        Handle handle = m_handle;
        m_handle = Traits::Invalid();
        return handle;
    }

    void Reset(Handle handle = Traits::Invalid()) {
        if (m_handle != Traits::Invalid())
            Traits::Close(m_handle);
        m_handle = handle;
    }

private:
    Handle m_handle = Traits::Invalid();
};

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::CloseHandle(h); }
};

// CreateFile reports failure as INVALID_HANDLE_VALUE, not null.
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { ::CloseHandle(h); }
};

struct RegKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::RegCloseKey(h); }
};

template <typename GdiHandle>
struct GdiObjectTraits {
    using Handle = GdiHandle;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::DeleteObject(h); }
};

struct CursorTraits {
    using Handle = HCURSOR;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::DestroyCursor(h); }
};

struct IconTraits {
    using Handle = HICON;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::DestroyIcon(h); }
};

struct MenuTraits {
    using Handle = HMENU;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::DestroyMenu(h); }
};

struct DevNotifyTraits {
    using Handle = HDEVNOTIFY;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::UnregisterDeviceNotification(h); }
};

struct PrinterTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::ClosePrinter(h); }
};

using KernelHandle = UniqueHandle<KernelHandleTraits>;
using FileHandle = UniqueHandle<FileHandleTraits>;
using RegKey = UniqueHandle<RegKeyTraits>;
using FontHandle = UniqueHandle<GdiObjectTraits<HFONT>>;
using BitmapHandle = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using CursorHandle = UniqueHandle<CursorTraits>;
using IconHandle = UniqueHandle<IconTraits>;
using MenuHandle = UniqueHandle<MenuTraits>;
using DevNotifyHandle = UniqueHandle<DevNotifyTraits>;
using PrinterHandle = UniqueHandle<PrinterTraits>;

} // namespace fw
