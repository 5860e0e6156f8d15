// The few common-control calls that need a record filled first.
#include "common_controls.h"
#include "win_app.h"

std::string CListBox::GetText(int index) const {
    const LRESULT length = SendMessage(LB_GETTEXTLEN, index);
    if (length == LB_ERR)
        return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessage(LB_GETTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
    return text;
}

BOOL CImageList::Create(UINT bitmapId, int imageWidth, int grow, COLORREF mask) {
    m_list.Reset(::ImageList_LoadImageA(AppInstance(), MAKEINTRESOURCEA(bitmapId), imageWidth, grow, mask,
                                        IMAGE_BITMAP, LR_DEFAULTCOLOR));
    return m_list ? TRUE : FALSE;
}

BOOL CListCtrl::SetItemState(int index, UINT state, UINT mask) {
    LVITEMA item = {};
    item.state = state;
    item.stateMask = mask;
    return SendMessage(LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item)) ? TRUE : FALSE;
}

int CTabCtrl::InsertItem(int index, const char* text) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text);
    return static_cast<int>(SendMessage(TCM_INSERTITEMA, index, reinterpret_cast<LPARAM>(&item)));
}
