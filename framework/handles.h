// RAII owners for every kind of handle the programs hold: kernel objects, registry keys, GDI objects,
// cursors, icons, menus, device notifications, spooler printers and services: one template and the call
// that closes each.
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

// Traits of a handle that is null when empty and closed by one API call.
template <typename HandleType, auto CloseFunction>
struct NullIsEmpty {
    using Handle = HandleType;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { CloseFunction(h); }
};

// CreateFile reports failure as INVALID_HANDLE_VALUE, not null.
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { ::CloseHandle(h); }
};

using KernelHandle = UniqueHandle<NullIsEmpty<HANDLE, ::CloseHandle>>;
using FileHandle = UniqueHandle<FileHandleTraits>;
using RegKey = UniqueHandle<NullIsEmpty<HKEY, ::RegCloseKey>>;
using FontHandle = UniqueHandle<NullIsEmpty<HFONT, ::DeleteObject>>;
using BitmapHandle = UniqueHandle<NullIsEmpty<HBITMAP, ::DeleteObject>>;
using CursorHandle = UniqueHandle<NullIsEmpty<HCURSOR, ::DestroyCursor>>;
using IconHandle = UniqueHandle<NullIsEmpty<HICON, ::DestroyIcon>>;
using MenuHandle = UniqueHandle<NullIsEmpty<HMENU, ::DestroyMenu>>;
using DevNotifyHandle = UniqueHandle<NullIsEmpty<HDEVNOTIFY, ::UnregisterDeviceNotification>>;
using PrinterHandle = UniqueHandle<NullIsEmpty<HANDLE, ::ClosePrinter>>;
using ServiceHandle = UniqueHandle<NullIsEmpty<SC_HANDLE, ::CloseServiceHandle>>;

} // namespace fw
