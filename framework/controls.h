// Wrappers of the few controls and GDI/user objects the dialogs use: a static control that shows a
// cursor or bitmap, a font created from a point size, and a popup menu. Each owns what it creates.
#pragma once

#include "handles.h"
#include "wnd.h"

class CStatic : public CWnd {
public:
    // STM_SETIMAGE with IMAGE_CURSOR; a null cursor clears the picture. The caller keeps ownership.
    HCURSOR SetCursor(HCURSOR cursor) {
        return reinterpret_cast<HCURSOR>(SendMessage(STM_SETIMAGE, IMAGE_CURSOR, reinterpret_cast<LPARAM>(cursor)));
    }
};

class CFont {
public:
    // Point size in tenths, converted for the screen the way the class library does it.
    BOOL CreatePointFont(int pointSizeTenths, const char* faceName);
    HFONT Get() const { return m_font.Get(); }

private:
    fw::FontHandle m_font;
};

class CMenu {
public:
    BOOL CreatePopupMenu();
    BOOL AppendMenu(UINT flags, UINT_PTR id, const char* text) {
        return ::AppendMenuA(m_menu.Get(), flags, id, text);
    }
    BOOL SetDefaultItem(UINT command) { return ::SetMenuDefaultItem(m_menu.Get(), command, FALSE); }
    UINT GetDefaultItem() const { return ::GetMenuDefaultItem(m_menu.Get(), FALSE, 0); }
    BOOL TrackPopupMenu(UINT flags, int x, int y, HWND owner) {
        return ::TrackPopupMenu(m_menu.Get(), flags, x, y, 0, owner, nullptr);
    }
    HMENU Get() const { return m_menu.Get(); }

private:
    fw::MenuHandle m_menu;
};
