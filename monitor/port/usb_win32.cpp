// SetupAPI's device-interface walk, one index at a time, behind the logic's UsbInterfaceList.
// A set that cannot be had means no printer; the walk itself is bounded in the logic.
#include "usb_win32.h"

#include <windows.h>
#include <initguid.h>
#include <setupapi.h>

#include <memory>
#include <new>

#include "monitor/port/usb_match.h"

namespace monitor {

namespace {

DEFINE_GUID(kUsbPrintInterfaceClass, 0x28d78fad, 0x5a12, 0x11d1, 0xae, 0x5b, 0x00, 0x00, 0xf8, 0x03, 0xa8, 0xc2);

class DeviceInfoSet {
public:
    DeviceInfoSet()
        : m_set(::SetupDiGetClassDevsA(&kUsbPrintInterfaceClass, nullptr, nullptr,
                                       DIGCF_PRESENT | DIGCF_DEVICEINTERFACE)) {}
    ~DeviceInfoSet() {
        if (Valid())
            ::SetupDiDestroyDeviceInfoList(m_set);
    }
    DeviceInfoSet(const DeviceInfoSet&) = delete;
    DeviceInfoSet& operator=(const DeviceInfoSet&) = delete;
    bool Valid() const { return m_set != INVALID_HANDLE_VALUE; }
    HDEVINFO Get() const { return m_set; }

private:
    HDEVINFO m_set;
};

class SetupApiInterfaces : public UsbInterfaceList {
public:
    explicit SetupApiInterfaces(HDEVINFO set) : m_set(set) {}

    Entry PathAt(uint32_t index, std::string& path) override {
        SP_DEVICE_INTERFACE_DATA data = {};
        data.cbSize = sizeof(data);
        if (!::SetupDiEnumDeviceInterfaces(m_set, nullptr, &kUsbPrintInterfaceClass, index, &data))
            return ::GetLastError() == ERROR_NO_MORE_ITEMS ? Entry::NoMoreItems : Entry::Failed;
        DWORD needed = 0;
        ::SetupDiGetDeviceInterfaceDetailA(m_set, &data, nullptr, 0, &needed, nullptr);
        if (needed < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A))
            return Entry::Failed;
        std::unique_ptr<BYTE[]> buffer(new (std::nothrow) BYTE[needed]);
        if (!buffer)
            return Entry::Failed;
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_A*>(buffer.get());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_A);
        if (!::SetupDiGetDeviceInterfaceDetailA(m_set, &data, detail, needed, nullptr, nullptr))
            return Entry::Failed;
        const size_t pathOffset = offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_A, DevicePath);
        path.assign(detail->DevicePath, strnlen(detail->DevicePath, needed - pathOffset));
        return Entry::Path;
    }

private:
    HDEVINFO m_set;
};

} // namespace

bool FindUsbPrinterInterface(const std::string& expectedPath) {
    DeviceInfoSet set;
    if (!set.Valid())
        return false;
    SetupApiInterfaces interfaces(set.Get());
    return FindUsbPrinterPath(interfaces, expectedPath);
}

} // namespace monitor
