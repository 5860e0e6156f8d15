// The process snapshot walk and exe-name matching behind proc, wait-exit, kill and resources.
#include "processes.h"

#include "owners.h"

#include <cstring>

bool for_each_process(const std::function<bool(const PROCESSENTRY32&)>& visit) {
    HandleOwner snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) {
        return false;
    }
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot.get(), &entry); more && visit(entry);
         more = Process32Next(snapshot.get(), &entry)) {
    }
    return true;
}

bool same_exe(const char* running, const std::string& wanted) {
    const char* slash = std::strrchr(running, '\\');
    const char* name = slash ? slash + 1 : running;
    return lstrcmpiA(name, wanted.c_str()) == 0 || lstrcmpiA(name, (wanted + ".exe").c_str()) == 0;
}
