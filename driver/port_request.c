// The hwinterface driver's answer to one device-control request: the read-port request and nothing else.
// Plain C so the same code runs in the kernel driver, its test double and the host unit tests.
#include "driver/port_request.h"

#include <stddef.h>

static struct port_reply reply(uint32_t status, uint32_t bytes_returned) {
    struct port_reply result;
    result.status = status;
    result.bytes_returned = bytes_returned;
    return result;
}

struct port_reply port_request_handle(uint32_t control_code, const uint8_t* input, uint32_t input_length,
                                      uint8_t* output, uint32_t output_length, port_reader read,
                                      void* context) {
    if (control_code != PORT_IOCTL_READ) {
        return reply(PORT_STATUS_INVALID_DEVICE_REQUEST, 0);
    }
    if (input == NULL || output == NULL || input_length < PORT_READ_INPUT_LENGTH ||
        output_length < PORT_READ_OUTPUT_LENGTH) {
        return reply(PORT_STATUS_INVALID_PARAMETER, 0);
    }
    // The address must be taken out before the output byte lands: both may be the same system buffer.
    const uint16_t port = (uint16_t)(input[0] | (input[1] << 8));
    output[0] = read(port, context);
    return reply(PORT_STATUS_SUCCESS, PORT_READ_OUTPUT_LENGTH);
}
