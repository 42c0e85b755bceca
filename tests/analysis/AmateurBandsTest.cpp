#include "analysis/AmateurBands.h"

#include <gtest/gtest.h>

namespace ravemo {
namespace {

// The two LF and MF allocations of the ITU Radio Regulations, the same in every region:
// 2200 m 135.7 to 137.8 kHz (WRC-07), 630 m 472 to 479 kHz (WRC-12). They come first, and every
// region's list climbs without overlap, each band inside the synthesiser's 0 to 90 MHz.
TEST(AmateurBands, KnowTheLfAndMfBandsInEveryRegionAndClimbWithoutOverlap) {
    for (int region = 1; region <= kIaruRegionCount; ++region) {
        const std::vector<AmateurBand> bands = AmateurBandsOf(region);
        ASSERT_GE(bands.size(), 3U) << region;
        EXPECT_STREQ(bands[0].name, "2200m");
        EXPECT_EQ(bands[0].lowHz, 135.7e3);
        EXPECT_EQ(bands[0].highHz, 137.8e3);
        EXPECT_STREQ(bands[1].name, "630m");
        EXPECT_EQ(bands[1].lowHz, 472e3);
        EXPECT_EQ(bands[1].highHz, 479e3);
        EXPECT_STREQ(bands[2].name, "160m");
        EXPECT_STREQ(bands.back().name, "6m");
        for (std::size_t i = 0; i < bands.size(); ++i) {
            EXPECT_LT(bands[i].lowHz, bands[i].highHz) << bands[i].name;
            if (i > 0) {
                EXPECT_GT(bands[i].lowHz, bands[i - 1].highHz) << bands[i].name;
            }
        }
    }
    EXPECT_TRUE(AmateurBandsOf(0).empty());
    EXPECT_TRUE(AmateurBandsOf(4).empty());
}

}  // namespace
}  // namespace ravemo
