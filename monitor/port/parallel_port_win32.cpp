// Parallel-port set-up and reads. A failed driver read is "undetermined", never a decode of whatever the
// buffer held; an address lookup without a port range fails, so the timer never reads a wrong register.
#include "parallel_port_win32.h"

#include "monitor/port/parallel_decode.h"
#include "monitor/port/port_classification.h"
#include "monitor/port/port_driver_win32.h"
#include "monitor/port/registry_win32.h"
#include "monitor/port/resource_list.h"
#include "monitor/port/wmi_win32.h"

namespace monitor {

namespace {
constexpr DWORD kReadPortRequest = 0x9C402004;
constexpr DWORD kOsVersionInfoExSize = 156;
constexpr DWORD kOsVersionInfoSize = 148;

uint8_t ReadPortDirectly(uint16_t address) {
    uint8_t value = 0;
    __asm__ __volatile__("inb %1, %0" : "=a"(value) : "Nd"(address));
    return value;
}
} // namespace

int GetOsPlatform() {
    OSVERSIONINFOEXA version = {};
    version.dwOSVersionInfoSize = kOsVersionInfoExSize;
    if (!::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version))) {
        version.dwOSVersionInfoSize = kOsVersionInfoSize;
        if (!::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version)))
            return kPlatformOther;
    }
    switch (version.dwPlatformId) {
    case VER_PLATFORM_WIN32_WINDOWS:
        return kPlatformWin9x;
    case VER_PLATFORM_WIN32_NT:
        return kPlatformNt;
    default:
        return kPlatformOther;
    }
}

ParallelPort::TimerChange ParallelPort::SetUp(const std::string& portName) {
    m_osPlatform = GetOsPlatform();
    if (m_osPlatform == kPlatformNt) {
        PortDriverSystemWin32 system(m_driver);
        OpenPortDriver(system);
    }
    if (const auto tag = LptDeviceTagFor(portName))
        m_lptDeviceKey = *tag;
    if (!FindParallelDeviceId(m_lptDeviceKey))
        return TimerChange::Keep;
    return ReadParallelBaseAddress() ? TimerChange::Start : TimerChange::Stop;
}

bool ParallelPort::ReadParallelBaseAddress() {
    const auto allocConfig = ReadAllocConfig(m_lptDeviceKey);
    if (!allocConfig)
        return false;
    const auto start = FindFirstPortRangeStart(allocConfig->data(), allocConfig->size());
    if (!start)
        return false;
    m_statusRegister = StatusRegisterFor(*start);
    return true;
}

std::optional<uint8_t> ParallelPort::ReadPortByte(uint16_t address) {
    switch (m_osPlatform) {
    case kPlatformWin9x:
        return ReadPortDirectly(address);
    case kPlatformNt: {
        BYTE buffer[3] = {static_cast<BYTE>(address & 0xFF), static_cast<BYTE>(address >> 8), 0};
        DWORD returned = 0;
        if (!m_driver || !::DeviceIoControl(m_driver.Get(), kReadPortRequest, buffer, 2, buffer, 1, &returned,
                                            nullptr) ||
            returned < 1)
            return std::nullopt;
        return buffer[0];
    }
    default:
        return 0;
    }
}

int ParallelPort::ReadStatus() {
    const auto value = ReadPortByte(m_statusRegister);
    return value ? DecodeParallelStatus(*value) : kParallelUndetermined;
}

} // namespace monitor
