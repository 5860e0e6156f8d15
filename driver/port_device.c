// The hwinterface device as the driver and its test double both create it, and its dispatch routines.
// Everything that differs between the two is the port reader, so only that is passed in.
#include "driver/port_device.h"

struct port_device_extension {
    port_reader read;
    void* context;
};

static const WCHAR kDeviceName[] = L"\\Device\\hwinterface";
static const WCHAR kLinkName[] = L"\\DosDevices\\hwinterface";

static NTSTATUS complete(PIRP irp, NTSTATUS status, ULONG_PTR information) {
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = information;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

static NTSTATUS NTAPI dispatch_open_close(PDEVICE_OBJECT device, PIRP irp) {
    UNREFERENCED_PARAMETER(device);
    return complete(irp, STATUS_SUCCESS, 0);
}

static NTSTATUS NTAPI dispatch_control(PDEVICE_OBJECT device, PIRP irp) {
    const PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    const struct port_device_extension* extension = device->DeviceExtension;
    // The only request served is METHOD_BUFFERED, so input and output are this one buffer; other codes
    // are refused before it is touched.
    uint8_t* buffer = irp->AssociatedIrp.SystemBuffer;
    const struct port_reply reply = port_request_handle(
        stack->Parameters.DeviceIoControl.IoControlCode, buffer,
        stack->Parameters.DeviceIoControl.InputBufferLength, buffer,
        stack->Parameters.DeviceIoControl.OutputBufferLength, extension->read, extension->context);
    return complete(irp, (NTSTATUS)reply.status, reply.bytes_returned);
}

static VOID NTAPI unload(PDRIVER_OBJECT driver) {
    UNICODE_STRING link_name;
    RtlInitUnicodeString(&link_name, kLinkName);
    IoDeleteSymbolicLink(&link_name);
    if (driver->DeviceObject != NULL) {
        IoDeleteDevice(driver->DeviceObject);
    }
}

NTSTATUS port_device_create(PDRIVER_OBJECT driver, port_reader read, const void* context,
                            ULONG context_size) {
    UNICODE_STRING device_name;
    UNICODE_STRING link_name;
    PDEVICE_OBJECT device = NULL;
    const ULONG extension_size = sizeof(struct port_device_extension) + context_size + sizeof(WCHAR);

    RtlInitUnicodeString(&device_name, kDeviceName);
    RtlInitUnicodeString(&link_name, kLinkName);
    // Routes first: a request can arrive as soon as the link exists.
    driver->MajorFunction[IRP_MJ_CREATE] = dispatch_open_close;
    driver->MajorFunction[IRP_MJ_CLOSE] = dispatch_open_close;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = dispatch_control;
    driver->DriverUnload = unload;

    NTSTATUS status =
        IoCreateDevice(driver, extension_size, &device_name, PORT_DEVICE_TYPE, 0, FALSE, &device);
    if (!NT_SUCCESS(status)) {
        return status;
    }
    struct port_device_extension* extension = device->DeviceExtension;
    RtlZeroMemory(extension, extension_size);
    extension->read = read;
    extension->context = extension + 1;
    if (context_size != 0) {
        RtlCopyMemory(extension->context, context, context_size);
    }

    status = IoCreateSymbolicLink(&link_name, &device_name);
    if (!NT_SUCCESS(status)) {
        IoDeleteDevice(device);
        return status;
    }
    device->Flags &= ~DO_DEVICE_INITIALIZING;
    return STATUS_SUCCESS;
}
