// The screenshot and sleep commands.
// Screenshots copy what is on screen, as a user sees it, into a 24-bit BMP for comparing or cropping.
#include "commands.h"
#include "owners.h"
#include "report.h"
#include "selection.h"

#include <cstring>
#include <vector>

namespace {

// Rows of a 24-bit DIB are padded to whole DWORDs.
DWORD row_bytes(LONG width) {
    return static_cast<DWORD>((width * 3 + 3) & ~3);
}

bool write_file(const std::string& path, const std::vector<char>& data) {
    HandleOwner file(
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file && WriteFile(file.get(), data.data(), static_cast<DWORD>(data.size()), &written, nullptr) &&
           written == data.size();
}

std::vector<char> bmp_file(const BITMAPINFOHEADER& info, const void* pixels) {
    BITMAPFILEHEADER header{};
    const DWORD offset = sizeof header + sizeof info;
    header.bfType = 0x4D42; // "BM"
    header.bfOffBits = offset;
    header.bfSize = offset + info.biSizeImage;
    std::vector<char> file(header.bfSize);
    std::memcpy(file.data(), &header, sizeof header);
    std::memcpy(file.data() + sizeof header, &info, sizeof info);
    std::memcpy(file.data() + offset, pixels, info.biSizeImage);
    return file;
}

// A bottom-up 24-bit DIB of the given size.
BITMAPINFO dib_info(LONG width, LONG height) {
    BITMAPINFO info{};
    BITMAPINFOHEADER& header = info.bmiHeader;
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = row_bytes(width) * height;
    return info;
}

// Copies `area` of the screen into a DIB and writes it out.
int save_screen(const RECT& area, const std::string& path) {
    const BITMAPINFO info = dib_info(area.right - area.left, area.bottom - area.top);
    const BITMAPINFOHEADER& header = info.bmiHeader;
    if (header.biWidth <= 0 || header.biHeight <= 0) {
        return report(kFalse, "the window has no area on screen");
    }
    ScreenDcOwner screen(GetDC(nullptr));
    MemoryDcOwner memory(CreateCompatibleDC(screen.get()));
    void* pixels = nullptr;
    BitmapOwner bitmap(CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!screen || !memory || !bitmap) {
        return win32_error("creating the screenshot bitmap");
    }
    {
        SelectGuard select(memory.get(), bitmap.get());
        if (!BitBlt(memory.get(), 0, 0, header.biWidth, header.biHeight, screen.get(), area.left, area.top,
                    SRCCOPY)) {
            return win32_error("BitBlt");
        }
    }
    GdiFlush();
    return write_file(path, bmp_file(header, pixels)) ? kDone : win32_error("writing the BMP file");
}

RECT whole_screen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return RECT{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

} // namespace

int cmd_sleep(const Args& args) {
    DWORD ms = 0;
    if (!args.require("--ms") || !args.number_as("--ms", ms)) {
        return kUsage;
    }
    Sleep(ms);
    return kDone;
}

// --ms N; a hidden top-level window keeps this process a user of the desktop, so that Wine's shell
// desktop stays up between the programs a test starts and stops.
int cmd_keep_desktop(const Args& args) {
    DWORD ms = 0;
    if (!args.require("--ms") || !args.number_as("--ms", ms)) {
        return kUsage;
    }
    HWND holder = CreateWindowExA(0, "STATIC", "robot desktop holder", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    Sleep(ms);
    if (holder) {
        DestroyWindow(holder);
    }
    return kDone;
}

// --out FILE.bmp; the selected window's rectangle, or the whole screen when none is selected.
int cmd_screenshot(const Args& args) {
    Selection selection;
    if (!args.require("--out") || !read_selection(args, selection)) {
        return kUsage;
    }
    RECT area = whole_screen();
    if (!selection.empty()) {
        HWND hwnd = nullptr;
        if (int code = select_window(args, hwnd)) {
            return code;
        }
        if (!GetWindowRect(hwnd, &area)) {
            return win32_error("GetWindowRect");
        }
    }
    return save_screen(area, args.text("--out"));
}
