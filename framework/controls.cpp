// Font and menu creation for the control wrappers.
// Fonts follow the screen's pixel density so a heading keeps its point size at any DPI.
#include "controls.h"

BOOL CFont::CreatePointFont(int pointSizeTenths, const char* faceName) {
    LOGFONTA logFont = {};
    HDC screen = ::GetDC(nullptr);
    logFont.lfHeight = -::MulDiv(::GetDeviceCaps(screen, LOGPIXELSY), pointSizeTenths, 720);
    ::ReleaseDC(nullptr, screen);
    logFont.lfCharSet = DEFAULT_CHARSET;
    ::lstrcpynA(logFont.lfFaceName, faceName, LF_FACESIZE);
    m_font.Reset(::CreateFontIndirectA(&logFont));
    return m_font ? TRUE : FALSE;
}

BOOL CMenu::CreatePopupMenu() {
    m_menu.Reset(::CreatePopupMenu());
    return m_menu ? TRUE : FALSE;
}
