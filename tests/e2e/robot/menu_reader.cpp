// Reads the items of a popup menu that another process has open (window class "#32768").
// MN_GETHMENU gives the handle; GetMenuItemInfoA runs here if allowed, else on a thread in the owner.
#include "menu_reader.h"

#include "remote.h"
#include "selection.h"

namespace {

constexpr UINT kMenuTimeoutMs = 5000;
constexpr UINT kTextCapacity = 512;

MENUITEMINFOA item_query(LPSTR text) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = kTextCapacity - 1;
    return info;
}

MenuItem item_from(const MENUITEMINFOA& info, const char* text) {
    MenuItem item;
    item.id = info.wID;
    item.type = info.fType;
    item.state = info.fState;
    item.popup = info.hSubMenu != nullptr;
    item.text = item.separator() ? std::string() : std::string(text);
    return item;
}

DWORD as_argument(const void* pointer) {
    return static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(pointer));
}

} // namespace

std::string MenuItem::flags() const {
    std::string flags;
    auto add = [&flags](bool applies, const char* name) {
        if (applies) {
            flags += (flags.empty() ? "" : ",") + std::string(name);
        }
    };
    add((state & MFS_DEFAULT) != 0, "default");
    add(disabled() && !separator(), "disabled");
    add((state & MFS_CHECKED) != 0, "checked");
    add(separator(), "separator");
    add(popup, "popup");
    return flags;
}

std::string MenuItem::plain_text() const {
    std::string plain;
    for (size_t i = 0; i < text.size() && text[i] != '\t'; ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
        }
        plain += text[i];
    }
    return plain;
}

bool MenuReader::menu_handle() {
    if (menu_ != nullptr) {
        return true;
    }
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window_, MN_GETHMENU, 0, 0, SMTO_ABORTIFHUNG, kMenuTimeoutMs, &result)) {
        return false;
    }
    menu_ = reinterpret_cast<HMENU>(result);
    if (menu_ == nullptr) {
        SetLastError(ERROR_INVALID_MENU_HANDLE);
    }
    return menu_ != nullptr;
}

bool MenuReader::read(std::vector<MenuItem>& items) {
    if (!menu_handle()) {
        return false;
    }
    items.clear();
    if (read_local(items)) {
        return true;
    }
    items.clear();
    return read_remote(items);
}

bool MenuReader::read_local(std::vector<MenuItem>& items) {
    const int count = GetMenuItemCount(menu_);
    if (count < 0) {
        return false;
    }
    for (int index = 0; index < count; ++index) {
        char text[kTextCapacity] = "";
        MENUITEMINFOA info = item_query(text);
        if (!GetMenuItemInfoA(menu_, index, TRUE, &info)) {
            return false;
        }
        items.push_back(item_from(info, text));
    }
    return true;
}

bool MenuReader::read_remote(std::vector<MenuItem>& items) {
    RemoteProcess process;
    DWORD count = 0;
    if (!process.open(pid_of(window_)) ||
        !remote_call(process, "user32.dll", "GetMenuItemCount", {as_argument(menu_)}, count)) {
        return false;
    }
    RemoteMemory memory(process.handle(), sizeof(MENUITEMINFOA) + kTextCapacity);
    for (int index = 0; memory.ok() && index < static_cast<int>(count); ++index) {
        MENUITEMINFOA info = item_query(memory.address(sizeof(MENUITEMINFOA)));
        char text[kTextCapacity] = "";
        DWORD ok = 0;
        if (!memory.write(&info, sizeof info) ||
            !remote_call(process, "user32.dll", "GetMenuItemInfoA",
                         {as_argument(menu_), static_cast<DWORD>(index), TRUE, memory.pointer()}, ok) ||
            !ok || !memory.read(&info, sizeof info) || !memory.read(text, sizeof text - 1, sizeof info)) {
            return false;
        }
        items.push_back(item_from(info, text));
    }
    return memory.ok();
}

bool MenuReader::item_rect(int index, RECT& rect) {
    if (!menu_handle()) {
        return false;
    }
    if (GetMenuItemRect(nullptr, menu_, index, &rect)) {
        return true;
    }
    RemoteProcess process;
    DWORD ok = 0;
    if (!process.open(pid_of(window_))) {
        return false;
    }
    RemoteMemory memory(process.handle(), sizeof rect);
    return memory.ok() &&
           remote_call(process, "user32.dll", "GetMenuItemRect",
                       {0, as_argument(menu_), static_cast<DWORD>(index), memory.pointer()}, ok) &&
           ok && memory.read(&rect, sizeof rect);
}
