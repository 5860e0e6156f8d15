// Reads the items of a popup menu that another process has open (window class "#32768").
// A menu handle is only usable inside its owner under Wine, so reading falls back to a remote call.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct MenuItem {
    UINT id = 0;
    std::string text;
    UINT type = 0;
    UINT state = 0;
    bool popup = false;

    bool separator() const { return (type & MFT_SEPARATOR) != 0; }
    bool disabled() const { return (state & MFS_DISABLED) != 0; }
    // "default,disabled,checked,separator,popup" as they apply; empty for a plain item.
    std::string flags() const;
    // The text without '&' mnemonics and without a "\t" accelerator, as a user reads it.
    std::string plain_text() const;
};

class MenuReader {
public:
    explicit MenuReader(HWND menu_window) : window_(menu_window) {}

    // Fails with the last error set when neither this process nor the owner can read the menu.
    bool read(std::vector<MenuItem>& items);
    // The screen rectangle of the item at `index`.
    bool item_rect(int index, RECT& rect);

private:
    bool menu_handle();
    bool read_local(std::vector<MenuItem>& items);
    bool read_remote(std::vector<MenuItem>& items);

    HWND window_;
    HMENU menu_ = nullptr;
};
