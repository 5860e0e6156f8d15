// Tiny owners that release Win32 handles when they go out of scope.
// Every handle the robot opens sits in one of these, so early returns never leak.
#pragma once

#include <windows.h>

#include <type_traits>

template <typename T, void (*Release)(T)> class Owner {
public:
    Owner() = default;
    explicit Owner(T value) : value_(value) {}
    ~Owner() { reset(); }
    Owner(const Owner&) = delete;
    Owner& operator=(const Owner&) = delete;

    T get() const { return value_; }
    explicit operator bool() const { return valid(value_); }
    // For APIs that hand a handle back through a pointer argument.
    T* out() {
        reset();
        return &value_;
    }
    void reset(T value = T{}) {
        if (valid(value_)) {
            Release(value_);
        }
        value_ = value;
    }

private:
    static bool valid(T value) {
        if constexpr (std::is_same_v<T, HANDLE>) {
            return value != nullptr && value != INVALID_HANDLE_VALUE;
        } else {
            return value != T{};
        }
    }

    T value_{};
};

inline void close_handle(HANDLE handle) {
    CloseHandle(handle);
}
inline void close_key(HKEY key) {
    RegCloseKey(key);
}
inline void delete_dc(HDC dc) {
    DeleteDC(dc);
}
inline void release_screen_dc(HDC dc) {
    ReleaseDC(nullptr, dc);
}
inline void delete_bitmap(HBITMAP bitmap) {
    DeleteObject(bitmap);
}
inline void close_service(SC_HANDLE service) {
    CloseServiceHandle(service);
}

using HandleOwner = Owner<HANDLE, close_handle>;
using KeyOwner = Owner<HKEY, close_key>;
using MemoryDcOwner = Owner<HDC, delete_dc>;
using ScreenDcOwner = Owner<HDC, release_screen_dc>;
using BitmapOwner = Owner<HBITMAP, delete_bitmap>;
// Service manager and service handles alike.
using ServiceOwner = Owner<SC_HANDLE, close_service>;

// Puts a GDI object back out of a DC before the DC or the object is destroyed.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectGuard() { SelectObject(dc_, previous_); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
