// Wrappers of the list box, list view, tab strip and image list that the setup program's dialogs bind.
// Each is a few messages over an attached control; only the image list owns what it holds.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "handles.h"
#include "wnd.h"

namespace fw {
using ImageListHandle = UniqueHandle<NullIsEmpty<HIMAGELIST, ::ImageList_Destroy>>;
}

class CListBox : public CWnd {
public:
    int InsertString(int index, const std::string& text) {
        return static_cast<int>(SendMessage(LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int SetItemData(int index, ULONG_PTR data) { return static_cast<int>(SendMessage(LB_SETITEMDATA, index, data)); }
    ULONG_PTR GetItemData(int index) const { return static_cast<ULONG_PTR>(SendMessage(LB_GETITEMDATA, index)); }
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int index) { return static_cast<int>(SendMessage(LB_SETCURSEL, index)); }
    std::string GetText(int index) const;
};

class CImageList {
public:
    // A strip of images from a bitmap resource; a width of 0 takes the bitmap's height as the width.
    BOOL Create(UINT bitmapId, int imageWidth, int grow, COLORREF mask);
    HIMAGELIST Get() const { return m_list.Get(); }

private:
    fw::ImageListHandle m_list;
};

class CListCtrl : public CWnd {
public:
    // The list keeps using the image list but does not own it (the caller's CImageList does).
    HIMAGELIST SetImageList(HIMAGELIST list, int kind) {
        return reinterpret_cast<HIMAGELIST>(SendMessage(LVM_SETIMAGELIST, kind, reinterpret_cast<LPARAM>(list)));
    }
    int InsertItem(const LVITEMA& item) {
        return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    }
    DWORD SetExtendedStyle(DWORD style) {
        return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, style));
    }
    int GetCountPerPage() const { return static_cast<int>(SendMessage(LVM_GETCOUNTPERPAGE)); }
    BOOL SetItemState(int index, UINT state, UINT mask);
    DWORD SetIconSpacing(int cx, int cy) {
        return static_cast<DWORD>(SendMessage(LVM_SETICONSPACING, 0, MAKELPARAM(cx, cy)));
    }
};

class CTabCtrl : public CWnd {
public:
    int InsertItem(int index, const char* text);
};
