// Registry reads with owned keys. The recorded port is queried for its size first, so a long network
// port name is read whole instead of counting as unreadable.
#include "registry_win32.h"

#include "framework/handles.h"
#include "monitor/port/port_change.h"

namespace monitor {

namespace {
constexpr char kPrintersKey[] = "SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\";
constexpr char kEnumKey[] = "SYSTEM\\CurrentControlSet\\Enum\\";
constexpr DWORD kAllocConfigBufferSize = 512;
constexpr DWORD kMaxPortNameValueSize = 64 * 1024;
} // namespace

std::optional<std::string> ReadRecordedPortName(const std::string& printerName) {
    const std::string path = kPrintersKey + printerName + "\\DsSpooler";
    HKEY opened = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, &opened) != ERROR_SUCCESS)
        return std::nullopt;
    fw::RegKey key(opened);
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(key.Get(), "portName", nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        size > kMaxPortNameValueSize || (type != REG_MULTI_SZ && type != REG_SZ))
        return std::nullopt;
    std::vector<char> data(size + 1, '\0');
    if (::RegQueryValueExA(key.Get(), "portName", nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    return FirstStringOf(data.data(), size);
}

std::optional<std::vector<uint8_t>> ReadAllocConfig(const std::string& deviceKey) {
    const std::string path = kEnumKey + deviceKey + "\\Control";
    HKEY opened = nullptr;
    if (::RegOpenKeyA(HKEY_LOCAL_MACHINE, path.c_str(), &opened) != ERROR_SUCCESS)
        return std::nullopt;
    fw::RegKey key(opened);
    std::vector<uint8_t> data(kAllocConfigBufferSize);
    DWORD size = kAllocConfigBufferSize;
    if (::RegQueryValueExA(key.Get(), "AllocConfig", nullptr, nullptr, data.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    data.resize(size);
    return data;
}

} // namespace monitor
