// The start-up facts from the system calls that give them. Results that the checks do not look at
// (the version query's, IsWow64Process's) are left unlooked at: the cleared fields then decide.
#include "startup_facts_win32.h"

#include <shlobj.h>

namespace setup {

namespace {
// The same name in every model's kit, in the namespace all logged-on users share.
constexpr char kInstanceMutexName[] = "Global\\{05CA3573-B449-4e0b-83F5-7FD612E378E9}";

using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);

bool RunsUnderWow64() {
    BOOL wow64 = FALSE;
    HMODULE kernel = ::GetModuleHandleA("kernel32");
    auto isWow64Process =
        kernel ? reinterpret_cast<IsWow64ProcessFunction>(
                     reinterpret_cast<void*>(::GetProcAddress(kernel, "IsWow64Process")))
               : nullptr;
    if (isWow64Process)
        isWow64Process(::GetCurrentProcess(), &wow64);
    return wow64 != FALSE;
}
} // namespace

InstanceLock::InstanceLock() {
    m_mutex.Reset(::CreateMutexA(nullptr, FALSE, kInstanceMutexName));
    m_bAlreadyExists = ::GetLastError() == ERROR_ALREADY_EXISTS;
}

StartupFacts ReadStartupFacts(const InstanceLock& lock) {
    StartupFacts facts;
    facts.anotherCopyRunning = lock.AnotherCopyRunning();
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    ::GetVersionExA(&version);
    facts.majorVersion = version.dwMajorVersion;
    facts.minorVersion = version.dwMinorVersion;
    facts.wow64 = RunsUnderWow64();
    facts.administrator = ::IsUserAnAdmin() != FALSE;
    return facts;
}

} // namespace setup
