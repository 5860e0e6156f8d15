// Process commands: proc lists pids by exe name, wait-exit waits for them to end, kill ends them.
// Tests use them to check a program started or quit, and to clean up after a failure.
#include "commands.h"
#include "owners.h"
#include "poll.h"
#include "processes.h"
#include "report.h"

#include <vector>

namespace {

constexpr DWORD kKillWaitMs = 5000;

bool running_pids(const std::string& exe, std::vector<DWORD>& pids) {
    return for_each_process([&](const PROCESSENTRY32& entry) {
        if (same_exe(entry.szExeFile, exe)) {
            pids.push_back(entry.th32ProcessID);
        }
        return true;
    });
}

bool terminate(DWORD pid) {
    HandleOwner process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid));
    if (!process || !TerminateProcess(process.get(), 1)) {
        return false;
    }
    WaitForSingleObject(process.get(), kKillWaitMs);
    return true;
}

} // namespace

int cmd_proc(const Args& args) {
    std::vector<DWORD> pids;
    if (!args.require("--exe")) {
        return kUsage;
    }
    if (!running_pids(args.text("--exe"), pids)) {
        return win32_error("CreateToolhelp32Snapshot");
    }
    for (DWORD pid : pids) {
        print_line(std::to_string(pid));
    }
    return pids.empty() ? kFalse : kDone;
}

int cmd_wait_exit(const Args& args) {
    DWORD timeout_ms = 0;
    if (!args.require("--exe") || !args.timeout(timeout_ms)) {
        return kUsage;
    }
    bool failed = false;
    bool gone = poll_until(timeout_ms, [&] {
        std::vector<DWORD> pids;
        failed = !running_pids(args.text("--exe"), pids);
        return failed || pids.empty();
    });
    if (failed) {
        return win32_error("CreateToolhelp32Snapshot");
    }
    return gone ? kDone : report(kTimedOut, args.text("--exe") + " is still running");
}

// Prints each pid it ended; exit 1 when none was running.
int cmd_kill(const Args& args) {
    std::vector<DWORD> pids;
    if (!args.require("--exe")) {
        return kUsage;
    }
    if (!running_pids(args.text("--exe"), pids)) {
        return win32_error("CreateToolhelp32Snapshot");
    }
    if (pids.empty()) {
        return report(kFalse, "no " + args.text("--exe") + " is running");
    }
    for (DWORD pid : pids) {
        if (!terminate(pid)) {
            return win32_error("TerminateProcess");
        }
        print_line(std::to_string(pid));
    }
    return kDone;
}
