// The hwinterface driver's answer to one device-control request, kept free of DDK headers so host
// unit tests can call it; the driver reads a port and never writes one.
#pragma once

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// NT status values, spelt out because the DDK's own names are not available on the host.
#define PORT_STATUS_SUCCESS UINT32_C(0x00000000)
#define PORT_STATUS_INVALID_PARAMETER UINT32_C(0xC000000D)
#define PORT_STATUS_INVALID_DEVICE_REQUEST UINT32_C(0xC0000010)

// Device type 0x9C40, function 0x801, METHOD_BUFFERED, FILE_ANY_ACCESS.
#define PORT_DEVICE_TYPE 0x9C40u
#define PORT_IOCTL_READ UINT32_C(0x9C402004)

// Input: the port address, 16 bits little-endian. Output: the byte read.
#define PORT_READ_INPUT_LENGTH 2u
#define PORT_READ_OUTPUT_LENGTH 1u

// Reads one byte from a port; `context` is whatever the caller registered with the reader.
typedef uint8_t (*port_reader)(uint16_t port, void* context);

struct port_reply {
    uint32_t status;
    uint32_t bytes_returned;
};

// `input` and `output` may be the same buffer (METHOD_BUFFERED hands the driver one system buffer).
struct port_reply port_request_handle(uint32_t control_code, const uint8_t* input, uint32_t input_length,
                                      uint8_t* output, uint32_t output_length, port_reader read,
                                      void* context);

#ifdef __cplusplus
}
#endif
