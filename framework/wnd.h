// CWnd: a thin wrapper of one window handle, either attached to a control or created and owned here.
// Created windows route their messages to the virtual WindowProc; the framework's class has no cursor,
// background or icon, so a hidden helper window costs nothing to paint.
#pragma once

#include <windows.h>
#include <string>

// The whole text of any window or control, as narrow characters.
std::string WindowText(HWND hwnd);

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    // Binds a window that someone else owns (a dialog's control); it is not destroyed with this object.
    void Attach(HWND hwnd);
    HWND Detach();

    // Creates a window of the framework's own class that this object owns and destroys.
    BOOL CreateEx(DWORD exStyle, const char* title, DWORD style, int x, int y, int width, int height,
                  HWND parent, HMENU menu);
    BOOL DestroyWindow();

    std::string GetWindowText() const;
    void SetWindowText(const std::string& text);
    BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    void SetFont(HFONT font, BOOL redraw = TRUE);
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hWnd, msg, wParam, lParam);
    }
    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hWnd, msg, wParam, lParam);
    }

protected:
    // Message switch of a window created by CreateEx; the default is DefWindowProc.
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    bool m_bOwnsWindow = false;
};
