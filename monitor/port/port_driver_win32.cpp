// Device, service control manager and image file calls for the port I/O driver.
// The service's image path is relative to the system root, as the system's loader reads it.
#include "port_driver_win32.h"

#include <string>

#include "framework/win_app.h"

namespace monitor {

namespace {
constexpr char kDevicePath[] = "\\\\.\\hwinterface";
constexpr char kServiceName[] = "hwinterface";
constexpr char kImagePath[] = "System32\\Drivers\\hwinterface.sys";
constexpr char kImageFileInSystemDir[] = "\\Drivers\\hwinterface.sys";
constexpr int kDriverImageResource = 164;
constexpr char kDriverImageType[] = "bin";
} // namespace

bool PortDriverSystemWin32::OpenDevice() {
    m_device.Reset(::CreateFileA(kDevicePath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(m_device);
}

bool PortDriverSystemWin32::OpenManager(uint32_t access, uint32_t& error) {
    m_manager.Reset(::OpenSCManagerA(nullptr, nullptr, access));
    error = m_manager ? 0 : ::GetLastError();
    return static_cast<bool>(m_manager);
}

bool PortDriverSystemWin32::OpenDriverService(uint32_t access) {
    m_service.Reset(m_manager ? ::OpenServiceA(m_manager.Get(), kServiceName, access) : nullptr);
    return static_cast<bool>(m_service);
}

bool PortDriverSystemWin32::StartDriverService() {
    return m_service && ::StartServiceA(m_service.Get(), 0, nullptr);
}

bool PortDriverSystemWin32::WriteDriverImage() {
    char systemDir[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryA(systemDir, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    HINSTANCE module = AppInstance();
    HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(kDriverImageResource), kDriverImageType);
    HGLOBAL loaded = found ? ::LoadResource(module, found) : nullptr;
    const void* image = loaded ? ::LockResource(loaded) : nullptr;
    if (!image)
        return false;
    const DWORD size = ::SizeofResource(module, found);
    const std::string path = std::string(systemDir) + kImageFileInSystemDir;
    fw::FileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (!file)
        return false;
    DWORD written = 0;
    return ::WriteFile(file.Get(), image, size, &written, nullptr) && written == size;
}

bool PortDriverSystemWin32::CreateDriverService() {
    m_service.Reset(m_manager ? ::CreateServiceA(m_manager.Get(), kServiceName, kServiceName, SERVICE_ALL_ACCESS,
                                                 SERVICE_KERNEL_DRIVER, SERVICE_SYSTEM_START,
                                                 SERVICE_ERROR_NORMAL, kImagePath, nullptr, nullptr, nullptr,
                                                 nullptr, nullptr)
                              : nullptr);
    return static_cast<bool>(m_service);
}

} // namespace monitor
