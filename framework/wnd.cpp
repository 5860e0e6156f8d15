// CWnd's window class registration, creation and message routing.
// The object pointer rides in GWLP_USERDATA from WM_NCCREATE on.
#include "wnd.h"
#include "win_app.h"

namespace {
const char kFrameworkClassName[] = "FwWnd";

bool RegisterFrameworkClass(WNDPROC windowProc) {
    WNDCLASSA wc = {};
    if (::GetClassInfoA(AppInstance(), kFrameworkClassName, &wc))
        return true;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = AppInstance();
    wc.lpszClassName = kFrameworkClassName;
    return ::RegisterClassA(&wc) != 0;
}
} // namespace

CWnd::~CWnd() {
    if (m_bOwnsWindow)
        DestroyWindow();
}

void CWnd::Attach(HWND hwnd) {
    m_hWnd = hwnd;
    m_bOwnsWindow = false;
}

HWND CWnd::Detach() {
    HWND hwnd = m_hWnd;
    m_hWnd = nullptr;
    m_bOwnsWindow = false;
    return hwnd;
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* title, DWORD style, int x, int y, int width, int height,
                    HWND parent, HMENU menu) {
    if (!RegisterFrameworkClass(StaticWindowProc))
        return FALSE;
    HWND hwnd = ::CreateWindowExA(exStyle, kFrameworkClassName, title, style, x, y, width, height, parent,
                                  menu, AppInstance(), this);
    if (!hwnd)
        return FALSE;
    m_bOwnsWindow = true;
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd)
        return FALSE;
    HWND hwnd = m_hWnd;
    m_bOwnsWindow = false;
    return ::DestroyWindow(hwnd);
}

std::string WindowText(HWND hwnd) {
    int length = ::GetWindowTextLengthA(hwnd);
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    int copied = ::GetWindowTextA(hwnd, &text[0], static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

std::string CWnd::GetWindowText() const { return WindowText(m_hWnd); }

void CWnd::SetWindowText(const std::string& text) { ::SetWindowTextA(m_hWnd, text.c_str()); }

void CWnd::SetFont(HFONT font, BOOL redraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), MAKELPARAM(redraw, 0));
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(m_hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<CWnd*>(create->lpCreateParams);
        self->m_hWnd = hwnd;
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<CWnd*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self)
        return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    LRESULT result = self->WindowProc(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
        self->m_bOwnsWindow = false;
    }
    return result;
}
