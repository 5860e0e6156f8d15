// The resources command: what another process holds (GDI and USER objects, handles, windows, threads,
// memory), so a long run can show whether a program accumulates anything.
// Wine 8 answers GetGuiResources and GetProcessHandleCount with 0, so each is printed beside a reading
// Wine does keep: the GDI handle table the process maps at PEB->GdiSharedHandleTable, the wineserver's
// system handle list, and the windows the process owns.
#include "commands.h"
#include "owners.h"
#include "processes.h"
#include "report.h"

#include <psapi.h>
#include <winternl.h>

#include <cstring>
#include <vector>

namespace {

constexpr ULONG kSystemProcessInformation = 5;
constexpr ULONG kSystemHandleInformation = 16;
constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004);
constexpr size_t kGdiTableEntries = 0x10000;
// Offset of GdiSharedHandleTable in a 32-bit PEB.
constexpr size_t kPebGdiTableOffset = 0x94;

// One entry of Wine's GDI handle table (24 bytes). Windows lays its table out differently; there the
// GetGuiResources line is the one to read.
#pragma pack(push, 1)
struct WineGdiEntry {
    unsigned long long object;
    unsigned long owner;
    unsigned short unique; // bit 7: stock object
    unsigned char type;    // 0: free
    unsigned char flags;
    unsigned long long user_pointer;
};
#pragma pack(pop)
static_assert(sizeof(WineGdiEntry) == 24, "Wine's GDI handle entry is 24 bytes");

// One entry of SystemHandleInformation.
struct SystemHandleEntry {
    ULONG owner_pid;
    BYTE object_type;
    BYTE flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
};

using QuerySystemInformation = NTSTATUS(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
using QueryInformationProcess = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
using GetMemoryInfo = BOOL(WINAPI*)(HANDLE, PPROCESS_MEMORY_COUNTERS, DWORD);

template <typename T> T ntdll_function(const char* name) {
    return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), name)));
}

bool system_information(ULONG what, std::vector<char>& buffer) {
    auto query = ntdll_function<QuerySystemInformation>("NtQuerySystemInformation");
    if (!query) {
        return false;
    }
    buffer.resize(1 << 16);
    for (;;) {
        ULONG needed = 0;
        NTSTATUS status = query(what, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status == kInfoLengthMismatch && buffer.size() < (64u << 20)) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        return status >= 0;
    }
}

// Handles the process holds, as the wineserver (or the kernel) lists them; -1 when unknown.
long listed_handles(DWORD pid) {
    std::vector<char> buffer;
    if (!system_information(kSystemHandleInformation, buffer) || buffer.size() < sizeof(ULONG)) {
        return -1;
    }
    ULONG count = 0;
    std::memcpy(&count, buffer.data(), sizeof count);
    const size_t first = sizeof(ULONG); // the count, then the entries
    if (first + static_cast<size_t>(count) * sizeof(SystemHandleEntry) > buffer.size()) {
        return -1;
    }
    const auto* entries = reinterpret_cast<const SystemHandleEntry*>(buffer.data() + first);
    long mine = 0;
    for (ULONG i = 0; i < count; ++i) {
        if (entries[i].owner_pid == pid) {
            ++mine;
        }
    }
    return mine;
}

// Live non-stock entries of the GDI handle table the process maps; -1 when it cannot be read.
long gdi_table_objects(HANDLE process) {
    auto query = ntdll_function<QueryInformationProcess>("NtQueryInformationProcess");
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, &length) < 0 ||
        basic.PebBaseAddress == nullptr) {
        return -1;
    }
    void* table = nullptr;
    SIZE_T read = 0;
    const auto* table_pointer = reinterpret_cast<const char*>(basic.PebBaseAddress) + kPebGdiTableOffset;
    if (!ReadProcessMemory(process, table_pointer, &table, sizeof table, &read) || table == nullptr) {
        return -1;
    }
    std::vector<WineGdiEntry> entries(kGdiTableEntries);
    if (!ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(WineGdiEntry), &read) ||
        read != entries.size() * sizeof(WineGdiEntry)) {
        return -1;
    }
    long live = 0;
    for (const WineGdiEntry& entry : entries) {
        if (entry.type != 0 && (entry.unique & 0x80) == 0) {
            ++live;
        }
    }
    return live;
}

struct WindowCount {
    DWORD pid;
    long count;
};

BOOL CALLBACK count_child(HWND hwnd, LPARAM context) {
    auto* windows = reinterpret_cast<WindowCount*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner == windows->pid) {
        ++windows->count;
    }
    return TRUE;
}

BOOL CALLBACK count_top_level(HWND hwnd, LPARAM context) {
    count_child(hwnd, context);
    // Children of the process's own windows, and its windows inside other processes' ones.
    EnumChildWindows(hwnd, count_child, context);
    return TRUE;
}

// Top-level, child and message-only windows the process owns: the part of its USER objects Wine lets
// another process see.
long owned_windows(DWORD pid) {
    WindowCount windows{pid, 0};
    EnumWindows(count_top_level, reinterpret_cast<LPARAM>(&windows));
    for (HWND message_only = FindWindowExA(HWND_MESSAGE, nullptr, nullptr, nullptr); message_only;
         message_only = FindWindowExA(HWND_MESSAGE, message_only, nullptr, nullptr)) {
        count_top_level(message_only, reinterpret_cast<LPARAM>(&windows));
    }
    return windows.count;
}

bool process_entry(DWORD pid, PROCESSENTRY32& found) {
    bool seen = false;
    for_each_process([&](const PROCESSENTRY32& entry) {
        seen = entry.th32ProcessID == pid;
        if (seen) {
            found = entry;
        }
        return !seen;
    });
    return seen;
}

// The one running process with that exe name (or without its ".exe"); 0 when none or several.
DWORD pid_of_exe(const std::string& exe, int& matches) {
    matches = 0;
    DWORD pid = 0;
    for_each_process([&](const PROCESSENTRY32& entry) {
        if (same_exe(entry.szExeFile, exe)) {
            pid = entry.th32ProcessID;
            ++matches;
        }
        return true;
    });
    return matches == 1 ? pid : 0;
}

void print_reading(const char* name, long long value) {
    print_line(std::string(name) + " " + std::to_string(value));
}

} // namespace

// "name value" lines; -1 for a reading that could not be taken.
int cmd_resources(const Args& args) {
    long long pid = 0;
    if (args.has("--pid") == args.has("--exe")) {
        return usage("resources wants --pid N or --exe NAME");
    }
    if (args.has("--pid")) {
        if (!args.number("--pid", pid)) {
            return kUsage;
        }
    } else {
        int matches = 0;
        pid = pid_of_exe(args.text("--exe"), matches);
        if (pid == 0) {
            return report(kFalse, std::to_string(matches) + " processes named " + args.text("--exe"));
        }
    }
    const DWORD id = static_cast<DWORD>(pid);
    HandleOwner process(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id));
    if (!process) {
        return win32_error("OpenProcess");
    }
    PROCESSENTRY32 entry{};
    if (!process_entry(id, entry)) {
        return report(kFalse, "no process " + std::to_string(id));
    }

    DWORD handles = 0;
    const long long handle_count = GetProcessHandleCount(process.get(), &handles) ? handles : -1;
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    auto memory_info = reinterpret_cast<GetMemoryInfo>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "K32GetProcessMemoryInfo")));
    const bool have_memory = memory_info && memory_info(process.get(), &memory, sizeof memory);

    print_reading("pid", id);
    print_reading("gdi-objects", GetGuiResources(process.get(), GR_GDIOBJECTS));
    print_reading("user-objects", GetGuiResources(process.get(), GR_USEROBJECTS));
    print_reading("handles", handle_count);
    print_reading("gdi-table", gdi_table_objects(process.get()));
    print_reading("handle-list", listed_handles(id));
    print_reading("windows", owned_windows(id));
    print_reading("threads", entry.cntThreads);
    print_reading("working-set-kb", have_memory ? static_cast<long long>(memory.WorkingSetSize / 1024) : -1);
    print_reading("private-kb", have_memory ? static_cast<long long>(memory.PagefileUsage / 1024) : -1);
    return kDone;
}
