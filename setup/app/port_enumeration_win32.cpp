// EnumPortsA level 2 through the shared buffer pattern, with its traces.
#include "port_enumeration_win32.h"

#include <windows.h>
#include <winspool.h>

#include "framework/spooler_buffer.h"

namespace setup {

namespace {
constexpr DWORD kLevelPortInfo2 = 2;
}

bool EnumerateSpoolerPorts(std::vector<SpoolerPort>& ports) {
    ports.clear();
    DWORD returned = 0;
    auto query = [&returned](BYTE* bytes, DWORD size, DWORD* needed) {
        return ::EnumPortsA(nullptr, kLevelPortInfo2, bytes, size, needed, &returned) != FALSE;
    };
    fw::SpoolerBuffer buffer;
    switch (fw::QuerySpooler(query, buffer, fw::SpoolerTraces::On, fw::FirstCall::Scratch)) {
    case fw::SpoolerResult::Filled:
        break;
    case fw::SpoolerResult::NothingToReturn:
        return true;
    default:
        return false;
    }
    // Never trust the count beyond the bytes that hold the records.
    const DWORD fits = buffer.size / sizeof(PORT_INFO_2A);
    const auto* records = reinterpret_cast<const PORT_INFO_2A*>(buffer.bytes.get());
    for (DWORD i = 0; i < returned && i < fits; ++i) {
        SpoolerPort port;
        port.name = records[i].pPortName ? records[i].pPortName : "";
        if (records[i].pDescription)
            port.description = records[i].pDescription;
        ports.push_back(std::move(port));
    }
    return true;
}

} // namespace setup
