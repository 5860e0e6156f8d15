// The model table as stored: the two rows the kit is known by, the irregular row, and the derivation
// rules that the regular rows follow (a typo in one column breaks them).
#include "catalogue/model_catalogue.h"
#include "model_index.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace catalogue;

namespace {

struct Row {
    int index;
    const char* displayName;
    const char* usbInstanceId;
    const char* shareName;
    const char* modelId;
    const char* infFileName;
    const char* gpdFileName;
};

const Row kKnownRows[] = {
    {13, "QRV KDP 225 Voyager", "qrv-225voyg", "QRVKDP225VOYG", "KDP225VOYG", "QRVEKDP225VOYG.INF",
     "KDP225VOYG.GPD"},
    // Not derived from "PROZ700": zero after "PR", hyphens, lower-case extension.
    {14, "QRV PRO Z700", "QRVE-Z700__", "PROZ700", "PROZ700", "QRVEPR0-Z700.INF", "PRO-Z700.gpd"},
    {0, "QRV KDP 110 Nova", "qrve-110nova", "QRVKDP110NOVA", "KDP110NOVA", "QRVEKDP110NOVA.INF",
     "KDP110NOVA.GPD"},
    {7, "QRV KHD 215 Onyx", "KHD215ONYX", "QRVKHD215ONYX", "KHD215ONYX", "QRVEKHD215ONYX.INF",
     "KHD215ONYX.GPD"},
    {10, "QRV KHD 220 Onyx", "KHD220ONYX", "QRVKHD220ONYX", "KHD220ONYX", "QRVEKHD220ONYX.INF",
     "KHD220ONYX.GPD"},
};

} // namespace

TEST(ModelCatalogue, KnownRowsAreStoredExactly) {
    for (const Row& row : kKnownRows) {
        SCOPED_TRACE(row.index);
        EXPECT_STREQ(DisplayName[row.index], row.displayName);
        EXPECT_STREQ(UsbInstanceId[row.index], row.usbInstanceId);
        EXPECT_STREQ(HardwareId[row.index], "NA");
        EXPECT_STREQ(ShareName[row.index], row.shareName);
        EXPECT_STREQ(ModelId[row.index], row.modelId);
        EXPECT_STREQ(InfFileName[row.index], row.infFileName);
        EXPECT_STREQ(GpdFileName[row.index], row.gpdFileName);
    }
}

TEST(ModelCatalogue, RegularRowsFollowTheNamingRules) {
    for (int i = 0; i < 14; ++i) {
        SCOPED_TRACE(i);
        const std::string id = ModelId[i];
        EXPECT_EQ(ShareName[i], "QRV" + id);
        EXPECT_EQ(InfFileName[i], "QRVE" + id + ".INF");
        EXPECT_EQ(GpdFileName[i], id + ".GPD");
        EXPECT_STREQ(HardwareId[i], "NA");
    }
}

TEST(ModelCatalogue, NamesAreUniqueAcrossRows) {
    std::set<std::string> names, usbIds, modelIds;
    for (int i = 0; i < kModelCount; ++i) {
        names.insert(DisplayName[i]);
        usbIds.insert(UsbInstanceId[i]);
        modelIds.insert(ModelId[i]);
    }
    EXPECT_EQ(names.size(), static_cast<size_t>(kModelCount));
    EXPECT_EQ(usbIds.size(), static_cast<size_t>(kModelCount));
    EXPECT_EQ(modelIds.size(), static_cast<size_t>(kModelCount));
}

TEST(ModelCatalogue, DefaultBuildServesTheVoyager) {
    // The host tests are configured with the default model.
    EXPECT_EQ(ModelIndex, 13);
    EXPECT_STREQ(DisplayName[ModelIndex], "QRV KDP 225 Voyager");
}
