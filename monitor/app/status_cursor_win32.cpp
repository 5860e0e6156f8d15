// Loading an ANICURSORS resource (a whole RIFF "ACON" file) as one animated cursor.
// CreateIconFromResource understands the RIFF form; version 0x30000 is the only one it takes.
#include "status_cursor_win32.h"

#include "framework/win_app.h"

fw::CursorHandle LoadStatusCursor(int resourceId) {
    HINSTANCE module = AppInstance();
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(resourceId), "ANICURSORS");
    if (!found)
        return fw::CursorHandle();
    HGLOBAL loaded = ::LoadResource(module, found);
    auto* bits = static_cast<BYTE*>(loaded ? ::LockResource(loaded) : nullptr);
    DWORD size = ::SizeofResource(module, found);
    if (!bits || size == 0)
        return fw::CursorHandle();
    return fw::CursorHandle(::CreateIconFromResource(bits, size, FALSE, 0x00030000));
}
