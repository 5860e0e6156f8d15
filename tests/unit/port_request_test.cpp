// The port driver's request handling: only the read code is served, short buffers are refused, the address
// is little-endian, and one system buffer for input and output still reads the right port.
#include "driver/port_request.h"

#include <gtest/gtest.h>

#include "fakes/fake_port_reader.h"

#include <array>
#include <cstdint>

namespace {


TEST(PortRequest, RefusesEveryCodeButTheRead) {
    const uint32_t codes[] = {
        0x00000000, // no code at all
        0x9C402000, // function 0x800
        0x9C402008, // function 0x802
        0x9C40A004, // the read function asking for write access
        0x9C406004, // ... and for read access
        0x9C402005, // ... with direct input buffering
        0x9C402006, // ... with direct output buffering
        0x9C402007, // ... with no buffering
        0x00222004, // the read function on another device type
        0xFFFFFFFF, // every bit
    };
    for (uint32_t code : codes) {
        SCOPED_TRACE(testing::Message() << "code 0x" << std::hex << code);
        FakePort fake{0x7F};
        std::array<uint8_t, 3> input{0x79, 0x03, 0};
        std::array<uint8_t, 3> output{kUntouched, kUntouched, kUntouched};
        const port_reply reply =
            port_request_handle(code, input.data(), 2, output.data(), 1, ReadFakePort, &fake);
        EXPECT_EQ(reply.status, PORT_STATUS_INVALID_DEVICE_REQUEST);
        EXPECT_EQ(reply.bytes_returned, 0u);
        EXPECT_EQ(fake.calls, 0);
        EXPECT_EQ(output[0], kUntouched);
    }
}

TEST(PortRequest, NeedsTwoBytesInAndOneOut) {
    struct Case {
        uint32_t in_length, out_length, status, bytes_returned;
    } const cases[] = {
        {0, 0, PORT_STATUS_INVALID_PARAMETER, 0}, {0, 1, PORT_STATUS_INVALID_PARAMETER, 0},
        {1, 0, PORT_STATUS_INVALID_PARAMETER, 0}, {1, 1, PORT_STATUS_INVALID_PARAMETER, 0},
        {2, 0, PORT_STATUS_INVALID_PARAMETER, 0}, {3, 0, PORT_STATUS_INVALID_PARAMETER, 0},
        {2, 1, PORT_STATUS_SUCCESS, 1},           {3, 1, PORT_STATUS_SUCCESS, 1},
        {2, 3, PORT_STATUS_SUCCESS, 1},           {3, 3, PORT_STATUS_SUCCESS, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.in_length << " in, " << c.out_length << " out");
        FakePort fake{0x5A};
        std::array<uint8_t, 3> input{0x79, 0x03, 0};
        std::array<uint8_t, 3> output{kUntouched, kUntouched, kUntouched};
        const port_reply reply = port_request_handle(PORT_IOCTL_READ, input.data(), c.in_length,
                                                     output.data(), c.out_length, ReadFakePort, &fake);
        const bool served = c.status == PORT_STATUS_SUCCESS;
        EXPECT_EQ(reply.status, c.status);
        EXPECT_EQ(reply.bytes_returned, c.bytes_returned);
        EXPECT_EQ(fake.calls, served ? 1 : 0);
        EXPECT_EQ(output[0], served ? 0x5A : kUntouched);
        // One byte is the whole answer, however much room there is.
        EXPECT_EQ(output[1], kUntouched);
        EXPECT_EQ(output[2], kUntouched);
    }
}

TEST(PortRequest, MissingBuffersAreRefused) {
    FakePort fake{0x5A};
    uint8_t buffer[2] = {0x79, 0x03};
    const port_reply no_input = port_request_handle(PORT_IOCTL_READ, nullptr, 2, buffer, 1, ReadFakePort, &fake);
    const port_reply no_output =
        port_request_handle(PORT_IOCTL_READ, buffer, 2, nullptr, 1, ReadFakePort, &fake);
    EXPECT_EQ(no_input.status, PORT_STATUS_INVALID_PARAMETER);
    EXPECT_EQ(no_input.bytes_returned, 0u);
    EXPECT_EQ(no_output.status, PORT_STATUS_INVALID_PARAMETER);
    EXPECT_EQ(no_output.bytes_returned, 0u);
    EXPECT_EQ(fake.calls, 0);
}

TEST(PortRequest, AddressIsLittleEndian) {
    struct Case {
        std::array<uint8_t, 3> input;
        uint32_t in_length;
        uint16_t port;
        uint8_t answer;
    } const cases[] = {
        {{0x79, 0x03, 0x00}, 2, 0x0379, 0x7F}, {{0xBC, 0x03, 0x00}, 2, 0x03BC, 0x00},
        {{0x03, 0x79, 0x00}, 2, 0x7903, 0xFF}, {{0x00, 0x00, 0x00}, 2, 0x0000, 0x01},
        {{0xFF, 0xFF, 0x00}, 2, 0xFFFF, 0x80}, {{0x79, 0x03, 0x12}, 3, 0x0379, 0xC3}, // third byte ignored
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "port 0x" << std::hex << c.port);
        FakePort fake{c.answer};
        uint8_t output = kUntouched;
        const port_reply reply =
            port_request_handle(PORT_IOCTL_READ, c.input.data(), c.in_length, &output, 1, ReadFakePort, &fake);
        EXPECT_EQ(reply.status, PORT_STATUS_SUCCESS);
        EXPECT_EQ(reply.bytes_returned, 1u);
        EXPECT_EQ(fake.calls, 1);
        EXPECT_EQ(fake.port, c.port);
        EXPECT_EQ(output, c.answer);
    }
}

// METHOD_BUFFERED: the answer lands in the byte that held the address's low half.
TEST(PortRequest, OneBufferForInputAndOutput) {
    struct Case {
        std::array<uint8_t, 3> buffer;
        uint32_t in_length, out_length;
        uint16_t port;
        uint8_t answer;
    } const cases[] = {
        {{0x79, 0x03, kUntouched}, 2, 1, 0x0379, 0x5A},
        {{0xBC, 0x03, kUntouched}, 3, 3, 0x03BC, 0x00},
        {{0x78, 0x03, kUntouched}, 2, 2, 0x0378, 0xA5}, // the output room covers the whole address
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "port 0x" << std::hex << c.port);
        FakePort fake{c.answer};
        std::array<uint8_t, 3> buffer = c.buffer;
        const port_reply reply = port_request_handle(PORT_IOCTL_READ, buffer.data(), c.in_length,
                                                     buffer.data(), c.out_length, ReadFakePort, &fake);
        EXPECT_EQ(reply.status, PORT_STATUS_SUCCESS);
        EXPECT_EQ(reply.bytes_returned, 1u);
        EXPECT_EQ(fake.port, c.port);
        EXPECT_EQ(buffer[0], c.answer);
        EXPECT_EQ(buffer[1], c.buffer[1]);
        EXPECT_EQ(buffer[2], c.buffer[2]);
    }
}

} // namespace
