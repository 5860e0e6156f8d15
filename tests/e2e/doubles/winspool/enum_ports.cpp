// EnumPortsA of the spooler double: level 2 records of the ports the test has listed, in its order, since
// Wine's spooler always lists its ports sorted and never fails to list them.
#include "api_result.h"
#include "output_buffer.h"
#include "spooler_settings.h"

#include <winspool.h>

#include <cstring>
#include <vector>

namespace {

// Every port the test lists is taken to be a local one, as the local port monitor names them.
const char kMonitorName[] = "Local Port";

DWORD text_bytes(const spooler_settings::Port& port) {
    DWORD bytes = output_buffer::text_bytes(port.name) + output_buffer::text_bytes(kMonitorName);
    if (port.description) {
        bytes += output_buffer::text_bytes(*port.description);
    }
    return bytes;
}

BOOL fill_level_2(const std::vector<spooler_settings::Port>& ports, BYTE* buffer, DWORD size, DWORD* needed,
                  DWORD* returned) {
    const DWORD count = static_cast<DWORD>(ports.size());
    const DWORD record_bytes = count * sizeof(PORT_INFO_2A);
    DWORD whole = record_bytes;
    for (const spooler_settings::Port& port : ports) {
        whole += text_bytes(port);
    }
    if (!output_buffer::holds(buffer, size, whole, needed)) {
        return FALSE;
    }
    output_buffer::StringArea strings(buffer + record_bytes);
    for (DWORD index = 0; index < count; ++index) {
        PORT_INFO_2A info{};
        info.pPortName = strings.put(ports[index].name);
        info.pMonitorName = strings.put(kMonitorName);
        info.pDescription = ports[index].description ? strings.put(*ports[index].description) : nullptr;
        info.fPortType = PORT_TYPE_WRITE;
        std::memcpy(buffer + index * sizeof info, &info, sizeof info);
    }
    *returned = count;
    return TRUE;
}

} // namespace

extern "C" BOOL WINAPI EnumPortsA(LPSTR pName, DWORD Level, LPBYTE pPort, DWORD cbBuf, LPDWORD pcbNeeded,
                                  LPDWORD pcReturned) {
    if (spooler_settings::call_refused("EnumPortsA")) {
        return FALSE;
    }
    if (pcbNeeded == nullptr || pcReturned == nullptr) {
        return fail_with(ERROR_INVALID_PARAMETER);
    }
    *pcbNeeded = 0;
    *pcReturned = 0;
    // Only the local spooler is played; a server name must not be answered as if it were.
    if (pName != nullptr && *pName != '\0') {
        return fail_with(ERROR_INVALID_NAME);
    }
    if (Level != 2) {
        return fail_with(ERROR_INVALID_LEVEL);
    }
    if (const DWORD error = spooler_settings::enum_ports_error()) {
        return fail_with(error);
    }
    return fill_level_2(spooler_settings::ports(), pPort, cbBuf, pcbNeeded, pcReturned);
}
