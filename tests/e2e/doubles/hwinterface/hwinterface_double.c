// Test double of the hwinterface driver for end-to-end tests (never part of a kit): the same device and
// requests, but each port read answers the DWORD "StatusByte" of the driver's own service key.
#include "driver/port_device.h"

// Read afresh on every request so a test can change the printer's status while the monitor runs.
static uint8_t read_status_byte(uint16_t port, void* context) {
    UNREFERENCED_PARAMETER(port);
    UNICODE_STRING key_path;
    UNICODE_STRING value_name;
    OBJECT_ATTRIBUTES attributes;
    HANDLE key = NULL;
    union {
        KEY_VALUE_PARTIAL_INFORMATION info;
        UCHAR bytes[sizeof(KEY_VALUE_PARTIAL_INFORMATION) + sizeof(ULONG)];
    } value;
    ULONG length = 0;
    ULONG data = 0;

    RtlInitUnicodeString(&key_path, context);
    RtlInitUnicodeString(&value_name, L"StatusByte");
    InitializeObjectAttributes(&attributes, &key_path, OBJ_CASE_INSENSITIVE | OBJ_KERNEL_HANDLE, NULL, NULL);
    if (!NT_SUCCESS(ZwOpenKey(&key, KEY_QUERY_VALUE, &attributes))) {
        return 0;
    }
    const NTSTATUS status =
        ZwQueryValueKey(key, &value_name, KeyValuePartialInformation, &value, sizeof value, &length);
    ZwClose(key);
    // A missing or mistyped value reads as 0; a DWORD above 0xFF gives its low byte.
    if (!NT_SUCCESS(status) || value.info.Type != REG_DWORD || value.info.DataLength != sizeof data) {
        return 0;
    }
    RtlCopyMemory(&data, value.info.Data, sizeof data);
    return (uint8_t)data;
}

NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registry_path) {
    // The path is copied into the device: the one passed in is not ours to keep.
    return port_device_create(driver, read_status_byte, registry_path->Buffer, registry_path->Length);
}
