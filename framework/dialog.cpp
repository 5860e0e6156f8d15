// CDialog's creation, modal loop and message routing to the derived class.
// The modal loop mirrors the class library's: show once idle unless ended, then pump until EndDialog.
#include "dialog.h"
#include "win_app.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nTemplateId(templateId), m_pParent(parent) {}

CDialog::~CDialog() { DestroyWindow(); }

INT_PTR CDialog::DoModal() {
    HWND parent = m_pParent ? m_pParent->m_hWnd : nullptr;
    m_bModal = true;
    m_bEnding = false;
    m_nResult = -1;
    HWND hwnd = ::CreateDialogParamA(AppInstance(), MAKEINTRESOURCEA(m_nTemplateId), parent, StaticDialogProc,
                                     reinterpret_cast<LPARAM>(this));
    if (!hwnd)
        return -1;
    const bool disableParent = parent && ::IsWindowEnabled(parent);
    if (disableParent)
        ::EnableWindow(parent, FALSE);
    // The framework shows a template without WS_VISIBLE itself; a dialog that forbids showing
    // (WM_WINDOWPOSCHANGING) stays hidden through this call.
    if (!m_bEnding && !(::GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE))
        ::ShowWindow(hwnd, SW_SHOWNORMAL);
    RunModalLoop();
    if (disableParent) {
        ::EnableWindow(parent, TRUE);
        ::SetActiveWindow(parent);
    }
    CWnd::DestroyWindow();
    m_bModal = false;
    return m_nResult;
}

void CDialog::RunModalLoop() {
    MSG msg;
    while (!m_bEnding) {
        BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            ::PostQuitMessage(static_cast<int>(msg.wParam)); // leave WM_QUIT for the outer loop
            break;
        }
        if (got == -1)
            break;
        // A modeless dialog of ours shown while this loop runs (the please-wait window over a port
        // dialog) needs its own key handling, as the class library's loop gives it; all else goes here.
        CDialog* target = FromWindow(msg.hwnd);
        if (!target)
            target = this;
        if (target->PreTranslateMessage(&msg))
            continue;
        if (target->m_hWnd && ::IsDialogMessageA(target->m_hWnd, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

CDialog* CDialog::FromWindow(HWND hwnd) {
    HWND root = hwnd ? ::GetAncestor(hwnd, GA_ROOT) : nullptr;
    if (!root || ::GetWindowLongPtrA(root, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(StaticDialogProc))
        return nullptr;
    return reinterpret_cast<CDialog*>(::GetWindowLongPtrA(root, DWLP_USER));
}

BOOL CDialog::Create() {
    HWND parent = m_pParent ? m_pParent->m_hWnd : nullptr;
    m_bModal = false;
    HWND hwnd = ::CreateDialogParamA(AppInstance(), MAKEINTRESOURCEA(m_nTemplateId), parent, StaticDialogProc,
                                     reinterpret_cast<LPARAM>(this));
    return hwnd != nullptr;
}

void CDialog::EndDialog(int result) {
    m_nResult = result;
    if (!m_bModal) {
        CWnd::DestroyWindow();
        return;
    }
    m_bEnding = true;
    ::ShowWindow(m_hWnd, SW_HIDE);
    ::PostMessageA(m_hWnd, WM_NULL, 0, 0); // wake the modal loop so it sees the end
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    if (!m_hWnd)
        return FALSE;
    CDataExchange dx(m_hWnd, saveAndValidate != FALSE);
    DoDataExchange(&dx);
    return TRUE;
}

std::string CDialog::GetDlgItemText(int id) const {
    return WindowText(GetDlgItem(id));
}

void CDialog::SetDlgItemText(int id, const std::string& text) { ::SetDlgItemTextA(m_hWnd, id, text.c_str()); }

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG*) { return FALSE; }

void CDialog::DoDataExchange(CDataExchange*) {}

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

bool CDialog::OnCommand(WORD id, WORD, HWND) {
    switch (id) {
    case IDOK:
        OnOK();
        return true;
    case IDCANCEL:
        OnCancel();
        return true;
    default:
        return false;
    }
}

INT_PTR CDialog::DialogProc(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) {
    INT_PTR result = 0;
    handled = OnMessage(msg, wParam, lParam, result);
    if (handled)
        return result;
    if (msg == WM_COMMAND) {
        handled = OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    }
    return 0;
}

// Messages whose dialog-procedure return value is the answer itself rather than "handled".
static bool ReturnsValueDirectly(UINT msg) {
    switch (msg) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}

INT_PTR CALLBACK CDialog::StaticDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CDialog*>(lParam);
        self->m_hWnd = hwnd;
        ::SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
        return self->OnInitDialog();
    }
    auto* self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    bool handled = false;
    ++self->m_nDispatchDepth;
    INT_PTR result = self->DialogProc(msg, wParam, lParam, handled);
    --self->m_nDispatchDepth;
    // A handler that ended the dialog and then ran a message box had its wake-up message eaten by the
    // box's loop; once the outermost handler is done, the modal loop must be woken again to see the end.
    if (self->m_nDispatchDepth == 0 && self->m_bModal && self->m_bEnding && self->m_hWnd)
        ::PostMessageA(self->m_hWnd, WM_NULL, 0, 0);
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, DWLP_USER, 0);
        self->m_hWnd = nullptr;
    }
    if (!handled)
        return FALSE;
    if (ReturnsValueDirectly(msg))
        return result;
    ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}
