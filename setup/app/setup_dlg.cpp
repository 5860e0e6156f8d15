// The model selection dialog: its one list entry, the OK button that follows clicks on it, and the
// hand-over to staging and the USB auto-detect dialog.
#include "setup_dlg.h"

#include "catalogue/model_catalogue.h"
#include "catalogue/setup_catalogue.h"
#include "framework/win_app.h"
#include "model_index.h"
#include "setup/app/exit_question_win32.h"
#include "setup/app/printer_connection.h"
#include "setup/install/file_copy.h"
#include "setup/res/resource.h"

namespace {
constexpr char kModelTabText[] = "Printer Model";
constexpr int kImageGrowth = 32;
constexpr COLORREF kImageMask = RGB(255, 255, 255);
constexpr int kIconSpacingX = 350;
constexpr UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;
} // namespace

CSetupDlg::CSetupDlg(CWnd* parent)
    : CDialog(IDD_SETUP_DIALOG, parent), m_hIcon(::LoadIconA(AppInstance(), MAKEINTRESOURCEA(IDI_SETUP))) {}

void CSetupDlg::DoDataExchange(CDataExchange* dx) {
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_TAB_MODEL, m_tabModel);
    DDX_Control(dx, IDC_LIST_MODEL, m_listModel);
    DDX_Control(dx, IDC_STATIC_VERSION, m_staticVersion);
}

BOOL CSetupDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_tabModel.InsertItem(0, kModelTabText);
    // A width of 0 takes the image width from the bitmap's height: one 96 x 96 picture.
    m_imageList.Create(IDB_MODEL, 0, kImageGrowth, kImageMask);
    m_listModel.SetImageList(m_imageList.Get(), LVSIL_NORMAL);

    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = 0;
    item.iSubItem = 0;
    item.pszText = const_cast<char*>(catalogue::DisplayName[ModelIndex]);
    item.iImage = 0;
    m_listModel.InsertItem(item);
    m_listModel.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT);
    // In icon view the count per page is the number of entries: this is the one entry.
    m_listModel.SetItemState(m_listModel.GetCountPerPage() - 1, kSelectedAndFocused, kSelectedAndFocused);
    m_listModel.SetIconSpacing(kIconSpacingX, 0);

    m_staticVersion.SetWindowText(catalogue::setup::VersionText);
    ::SetFocus(m_listModel.m_hWnd);
    return TRUE;
}

BOOL CSetupDlg::PreTranslateMessage(MSG* msg) {
    if (IsEscapeKeyDown(msg))
        return TRUE;
    return CDialog::PreTranslateMessage(msg);
}

void CSetupDlg::OnCancel() {
    if (setup::ConfirmExit(m_hWnd))
        CDialog::OnCancel();
}

bool CSetupDlg::OnCommand(WORD id, WORD notifyCode, HWND control) {
    if (id == IDOK && notifyCode == BN_CLICKED) {
        OnConfirm();
        return true;
    }
    return CDialog::OnCommand(id, notifyCode, control);
}

void CSetupDlg::OnConfirm() {
    CFileCopy stager;
    stager.StageDriverFiles();
    ShowWindow(SW_HIDE);
    CPrinterConnection connection;
    connection.DoModal();
    CDialog::OnOK();
}

void CSetupDlg::OnListClick(const NMITEMACTIVATE& click) {
    HWND ok = GetDlgItem(IDOK);
    ::EnableWindow(ok, FALSE);
    if (click.iItem != -1)
        ::EnableWindow(ok, TRUE);
}

bool CSetupDlg::OnPaintMinimized() {
    if (!::IsIconic(m_hWnd))
        return false;
    PAINTSTRUCT paint;
    HDC dc = ::BeginPaint(m_hWnd, &paint);
    ::SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const int iconWidth = ::GetSystemMetrics(SM_CXICON);
    const int iconHeight = ::GetSystemMetrics(SM_CYICON);
    ::DrawIcon(dc, (client.right - iconWidth + 1) / 2, (client.bottom - iconHeight + 1) / 2, m_hIcon);
    ::EndPaint(m_hWnd, &paint);
    return true;
}

bool CSetupDlg::OnMessage(UINT msg, WPARAM, LPARAM lParam, INT_PTR& result) {
    switch (msg) {
    case WM_PAINT:
        return OnPaintMinimized();
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<INT_PTR>(m_hIcon);
        return true;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_TAB_MODEL && header->code == TCN_SELCHANGE) {
            result = 0;
            return true;
        }
        if (header->idFrom == IDC_LIST_MODEL && header->code == NM_CLICK) {
            OnListClick(*reinterpret_cast<const NMITEMACTIVATE*>(lParam));
            result = 0;
            return true;
        }
        return false;
    }
    case WM_DESTROY:
        // The list view would destroy an image list it was given; ours is freed by its owner instead.
        m_listModel.SetImageList(nullptr, LVSIL_NORMAL);
        return false;
    default:
        return false;
    }
}
