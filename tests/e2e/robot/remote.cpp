// Memory and calls inside another process, for messages and APIs whose pointers must point there.
// A remote call writes a few bytes of x86 that push the arguments and call the export.
#include "remote.h"

#include <tlhelp32.h>

namespace {

constexpr DWORD kRemoteCallTimeoutMs = 5000;

bool module_base(DWORD pid, const char* module, DWORD& base) {
    HandleOwner snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid));
    if (!snapshot) {
        return false;
    }
    MODULEENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32First(snapshot.get(), &entry); more;
         more = Module32Next(snapshot.get(), &entry)) {
        if (lstrcmpiA(entry.szModule, module) == 0) {
            base = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(entry.modBaseAddr));
            return true;
        }
    }
    SetLastError(ERROR_MOD_NOT_FOUND);
    return false;
}

// The export lies at the same offset from the module base in every process that loaded the module;
// the robot links every module it calls into, so it is loaded here too.
bool remote_function(DWORD pid, const char* module, const char* function, DWORD& address) {
    HMODULE local = GetModuleHandleA(module);
    FARPROC proc = local ? GetProcAddress(local, function) : nullptr;
    DWORD remote_base = 0;
    if (proc == nullptr || !module_base(pid, module, remote_base)) {
        return false;
    }
    const ULONG_PTR offset = reinterpret_cast<ULONG_PTR>(proc) - reinterpret_cast<ULONG_PTR>(local);
    address = remote_base + static_cast<DWORD>(offset);
    return true;
}

void append(std::vector<unsigned char>& code, unsigned char opcode, DWORD operand) {
    code.push_back(opcode);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&operand);
    code.insert(code.end(), bytes, bytes + sizeof operand);
}

// push argN .. push arg1; mov eax, function; call eax; ret 4 (the thread routine's own parameter).
std::vector<unsigned char> call_stub(DWORD function, const std::vector<DWORD>& arguments) {
    std::vector<unsigned char> code;
    for (auto argument = arguments.rbegin(); argument != arguments.rend(); ++argument) {
        append(code, 0x68, *argument);
    }
    append(code, 0xB8, function);
    code.insert(code.end(), {0xFF, 0xD0, 0xC2, 0x04, 0x00});
    return code;
}

} // namespace

bool RemoteProcess::open(DWORD pid) {
    const DWORD rights = PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_CREATE_THREAD |
                         PROCESS_QUERY_INFORMATION | SYNCHRONIZE;
    process_.reset(OpenProcess(rights, FALSE, pid));
    pid_ = pid;
    return static_cast<bool>(process_);
}

RemoteMemory::RemoteMemory(HANDLE process, size_t size, DWORD protect) : process_(process) {
    address_ = static_cast<char*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, protect));
}

RemoteMemory::~RemoteMemory() {
    if (address_ != nullptr) {
        VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
}

DWORD RemoteMemory::pointer(size_t offset) const {
    return static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(address(offset)));
}

bool RemoteMemory::write(const void* data, size_t size, size_t offset) const {
    SIZE_T done = 0;
    return WriteProcessMemory(process_, address(offset), data, size, &done) && done == size;
}

bool RemoteMemory::read(void* data, size_t size, size_t offset) const {
    SIZE_T done = 0;
    return ReadProcessMemory(process_, address(offset), data, size, &done) && done == size;
}

bool remote_call(const RemoteProcess& process, const char* module, const char* function,
                 const std::vector<DWORD>& arguments, DWORD& result) {
    DWORD address = 0;
    if (!remote_function(process.pid(), module, function, address)) {
        return false;
    }
    const std::vector<unsigned char> code = call_stub(address, arguments);
    RemoteMemory stub(process.handle(), code.size(), PAGE_EXECUTE_READWRITE);
    if (!stub.ok() || !stub.write(code.data(), code.size()) ||
        !FlushInstructionCache(process.handle(), stub.address(), code.size())) {
        return false;
    }
    auto start = reinterpret_cast<LPTHREAD_START_ROUTINE>(stub.address());
    HandleOwner thread(CreateRemoteThread(process.handle(), nullptr, 0, start, nullptr, 0, nullptr));
    if (!thread) {
        return false;
    }
    if (WaitForSingleObject(thread.get(), kRemoteCallTimeoutMs) != WAIT_OBJECT_0) {
        stub.abandon();
        SetLastError(ERROR_TIMEOUT);
        return false;
    }
    return GetExitCodeThread(thread.get(), &result) != FALSE;
}

bool remote_send(const RemoteProcess& process, HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                 DWORD& result) {
    const DWORD window = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(hwnd));
    return remote_call(process, "user32.dll", "SendMessageA",
                       {window, message, static_cast<DWORD>(wparam), static_cast<DWORD>(lparam)}, result);
}
