// The hwinterface kernel driver: lets the status monitor read one byte from an I/O port.
// It only reads; there is no request that writes a port.
#include "driver/port_device.h"

// The status constants of port_request.h must be the kernel's own.
_Static_assert((NTSTATUS)PORT_STATUS_SUCCESS == STATUS_SUCCESS, "success status");
_Static_assert((NTSTATUS)PORT_STATUS_INVALID_PARAMETER == STATUS_INVALID_PARAMETER, "parameter status");
_Static_assert((NTSTATUS)PORT_STATUS_INVALID_DEVICE_REQUEST == STATUS_INVALID_DEVICE_REQUEST,
               "device request status");
_Static_assert(PORT_IOCTL_READ == CTL_CODE(PORT_DEVICE_TYPE, 0x801, METHOD_BUFFERED, FILE_ANY_ACCESS),
               "read control code");

static uint8_t read_hardware_port(uint16_t port, void* context) {
    UNREFERENCED_PARAMETER(context);
    return READ_PORT_UCHAR((PUCHAR)(ULONG_PTR)port);
}

NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registry_path) {
    UNREFERENCED_PARAMETER(registry_path);
    return port_device_create(driver, read_hardware_port, NULL, 0);
}
