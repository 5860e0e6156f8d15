// CWaitCursor: the hourglass for as long as the object lives, the previous cursor restored after.
// Used around the setup program's synchronous installation steps.
#pragma once

#include <windows.h>

class CWaitCursor {
public:
    CWaitCursor() : m_previous(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { ::SetCursor(m_previous); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    HCURSOR m_previous;
};
