// Fuzzes the port driver's device-control handling with whatever a user-mode caller can send: any code,
// any buffer lengths, no buffer, one buffer for both ways. Buffers are exactly as long as claimed, so a
// read or write past a length is an ASan report.
#include "driver/port_request.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "tests/fuzz/fuzz_support.h"
#include "tests/unit/fakes/fake_port_reader.h"

namespace {
// Input: control code (32 bits LE); flags (bit 0 one system buffer, bit 1 no input buffer, bit 2 no output
// buffer, bit 3 the read code whatever the first word says); input and output lengths (16 bits LE each);
// the byte the port answers; then the bytes sent, zero-padded to the input length.
constexpr size_t kHeaderSize = 10;
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    uint8_t header[kHeaderSize] = {};
    const size_t headerBytes = std::min(size, kHeaderSize);
    std::memcpy(header, data, headerBytes);
    const uint32_t code = (header[4] & 8) ? PORT_IOCTL_READ : fuzz::Read32(header);
    const bool shared = header[4] & 1;
    const uint32_t inputLength = header[5] | (header[6] << 8);
    const uint32_t outputLength = header[7] | (header[8] << 8);
    FakePort fake;
    fake.answer = header[9];

    // Exact-size heap blocks; METHOD_BUFFERED hands over one block as long as the longer length.
    const size_t inputBlock = shared ? std::max(inputLength, outputLength) : inputLength;
    const size_t outputBlock = shared ? inputBlock : outputLength;
    std::unique_ptr<uint8_t[]> inputOwner(new uint8_t[inputBlock]);
    std::unique_ptr<uint8_t[]> outputOwner(shared ? nullptr : new uint8_t[outputBlock]);
    uint8_t* input = inputOwner.get();
    uint8_t* output = shared ? input : outputOwner.get();
    std::memset(output, kUntouched, outputBlock);
    std::memset(input, 0, inputLength);
    std::memcpy(input, data + headerBytes, std::min<size_t>(size - headerBytes, inputLength));
    const std::vector<uint8_t> inputBefore(input, input + inputBlock);
    const std::vector<uint8_t> outputBefore(output, output + outputBlock);

    const uint8_t* passedInput = (header[4] & 2) ? nullptr : input;
    uint8_t* passedOutput = (header[4] & 4) ? nullptr : output;
    const port_reply reply =
        port_request_handle(code, passedInput, inputLength, passedOutput, outputLength, ReadFakePort, &fake);

    FUZZ_CHECK(reply.bytes_returned <= outputLength);
    const bool served = code == PORT_IOCTL_READ && passedInput && passedOutput &&
                        inputLength >= PORT_READ_INPUT_LENGTH && outputLength >= PORT_READ_OUTPUT_LENGTH;
    if (!served) {
        FUZZ_CHECK(reply.status == (code == PORT_IOCTL_READ ? PORT_STATUS_INVALID_PARAMETER
                                                            : PORT_STATUS_INVALID_DEVICE_REQUEST));
        FUZZ_CHECK(reply.bytes_returned == 0);
        FUZZ_CHECK(fake.calls == 0);
        FUZZ_CHECK(std::equal(inputBefore.begin(), inputBefore.end(), input));
        FUZZ_CHECK(std::equal(outputBefore.begin(), outputBefore.end(), output));
        return 0;
    }
    FUZZ_CHECK(reply.status == PORT_STATUS_SUCCESS);
    FUZZ_CHECK(reply.bytes_returned == PORT_READ_OUTPUT_LENGTH);
    FUZZ_CHECK(fake.calls == 1);
    // The address is the one sent, even when the answer overwrites its first byte in a shared buffer.
    FUZZ_CHECK(fake.port == (inputBefore[0] | (inputBefore[1] << 8)));
    FUZZ_CHECK(output[0] == fake.answer);
    // Nothing else is written: not the rest of the output, not the input (but for a shared first byte).
    FUZZ_CHECK(std::equal(outputBefore.begin() + 1, outputBefore.end(), output + 1));
    FUZZ_CHECK(
        std::equal(inputBefore.begin() + (shared ? 1 : 0), inputBefore.end(), input + (shared ? 1 : 0)));
    return 0;
}
