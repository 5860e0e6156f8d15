// The hwinterface device as the driver and its test double both create it: \Device\hwinterface, the
// \DosDevices\hwinterface link, open and close, and device-control requests handed to port_request.c.
#pragma once

#include <ddk/ntddk.h>

#include "driver/port_request.h"

// Creates the device and its link and takes over the driver's dispatch and unload routines. The device
// extension keeps a copy of `context_size` bytes of `context`, followed by a zero wide character so a
// wide string can be passed without its terminator; `read` gets that copy on every request.
NTSTATUS port_device_create(PDRIVER_OBJECT driver, port_reader read, const void* context, ULONG context_size);
