// The parallel port's status register: finding its address (WMI, then the registry), reaching the
// port I/O driver, and reading one byte per timer tick. Owns the driver's device handle.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "framework/handles.h"

namespace monitor {

enum OsPlatform : int { kPlatformOther = 0, kPlatformWin9x = 1, kPlatformNt = 2 };

class ParallelPort {
public:
    enum class TimerChange { Start, Stop, Keep };

    // The set-up for a printer on portName; says what to do with the window's one-second timer.
    TimerChange SetUp(const std::string& portName);
    // The decoded status register; -1 when it cannot be read.
    int ReadStatus();
    void CloseDriver() { m_driver.Reset(); }

    const std::string& DeviceKey() const { return m_lptDeviceKey; }
    uint16_t StatusRegister() const { return m_statusRegister; }

private:
    std::optional<uint8_t> ReadPortByte(uint16_t address);
    bool ReadParallelBaseAddress();

    int m_osPlatform = kPlatformOther;
    fw::FileHandle m_driver;
    std::string m_lptDeviceKey;
    uint16_t m_statusRegister = 0;
};

int GetOsPlatform();

} // namespace monitor
