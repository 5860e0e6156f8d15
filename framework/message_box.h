// Message boxes with the program's fixed caption; the answer is the pressed button's id.
// A thin function so that dialogs and the installer share one call.
#pragma once

#include <windows.h>
#include <string>

inline int ShowMessageBox(HWND owner, const std::string& text, const char* caption, UINT type) {
    return ::MessageBoxA(owner, text.c_str(), caption, type);
}
