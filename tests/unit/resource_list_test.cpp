// Resource-list fixtures as bytes: the ordinary port list, a port behind other descriptors, and data that
// is cut short or whose counts lie.
#include "monitor/port/resource_list.h"

#include <gtest/gtest.h>

#include <vector>

using monitor::FindFirstPortRangeStart;

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void PutFull(std::vector<uint8_t>& out, uint32_t partialCount) {
    Put32(out, 5); // interface type: PCI
    Put32(out, 0); // bus
    Put32(out, 1); // version and revision
    Put32(out, partialCount);
}

// 16 bytes: type, share disposition, flags, then 12 bytes of type-specific data.
void PutPartial(std::vector<uint8_t>& out, uint8_t type, uint64_t start, uint32_t length) {
    out.push_back(type);
    out.push_back(1);
    out.push_back(0);
    out.push_back(0);
    Put32(out, static_cast<uint32_t>(start));
    Put32(out, static_cast<uint32_t>(start >> 32));
    Put32(out, length);
}

std::vector<uint8_t> PortList(uint64_t start) {
    std::vector<uint8_t> data;
    Put32(data, 1);
    PutFull(data, 1);
    PutPartial(data, 1, start, 8);
    return data;
}

std::vector<uint8_t> PortBehindOtherDescriptors() {
    std::vector<uint8_t> data;
    Put32(data, 2);
    PutFull(data, 2);
    PutPartial(data, 2, 7, 0); // interrupt
    PutPartial(data, 4, 3, 0); // DMA channel
    PutFull(data, 2);
    PutPartial(data, 1, 0x278, 8);
    PutPartial(data, 1, 0x678, 8); // a second range is not the one
    return data;
}

} // namespace

TEST(ResourceList, FindsTheFirstPortRange) {
    const auto lpt1 = PortList(0x378);
    EXPECT_EQ(FindFirstPortRangeStart(lpt1.data(), lpt1.size()), 0x378u);
    EXPECT_EQ(monitor::StatusRegisterFor(0x378), 0x379);

    const auto second = PortBehindOtherDescriptors();
    EXPECT_EQ(second.size(), 4u + 48u + 48u); // the first full descriptor takes 16 + 2 x 16 bytes
    EXPECT_EQ(FindFirstPortRangeStart(second.data(), second.size()), 0x278u);
}

TEST(ResourceList, RegisterAddressKeepsSixteenBits) {
    EXPECT_EQ(monitor::StatusRegisterFor(0x3BC), 0x3BD);
    EXPECT_EQ(monitor::StatusRegisterFor(0xFFFF), 0x0000);
    EXPECT_EQ(monitor::StatusRegisterFor(0x1'0000'0378ull), 0x379);
}

TEST(ResourceList, NoPortRangeGivesNothing) {
    std::vector<uint8_t> noPort;
    Put32(noPort, 1);
    PutFull(noPort, 1);
    PutPartial(noPort, 2, 7, 0);
    std::vector<uint8_t> empty;
    Put32(empty, 0);
    EXPECT_FALSE(FindFirstPortRangeStart(noPort.data(), noPort.size()));
    EXPECT_FALSE(FindFirstPortRangeStart(empty.data(), empty.size()));
    EXPECT_FALSE(FindFirstPortRangeStart(nullptr, 0));
}

TEST(ResourceList, TruncatedAtEveryByteNeverReadsPast) {
    const auto full = PortBehindOtherDescriptors();
    // The port descriptor ends 32 bytes before the end; any cut before that loses it.
    const size_t portEnd = full.size() - 16;
    for (size_t size = 0; size < full.size(); ++size) {
        // A copy of exactly size bytes so that AddressSanitizer sees any read beyond it.
        std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(size));
        const auto found = FindFirstPortRangeStart(cut.data(), cut.size());
        if (size >= portEnd)
            EXPECT_EQ(found, 0x278u) << size;
        else
            EXPECT_FALSE(found) << size;
    }
}

TEST(ResourceList, LyingCountsStopAtTheData) {
    std::vector<uint8_t> data;
    Put32(data, 0xFFFFFFFF);
    PutFull(data, 0x7FFFFFFF);
    PutPartial(data, 2, 7, 0);
    EXPECT_FALSE(FindFirstPortRangeStart(data.data(), data.size()));
}
