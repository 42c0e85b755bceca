#include <gtest/gtest.h>

#include <limits>

#include "common/ColourNumber.h"

namespace ravemo {
namespace {

TEST(ColourNumber, SettingsRoundIntoTheColourRangeAndSplitIntoComponentsAndBack) {
    struct Case {
        float setting;
        std::uint32_t number;
        ColourComponents components;
    };
    const Case cases[] = {
        {33023.0F, 0x80FFU, {255, 128, 0}},  // red sits in the low byte
        {255.5F, 256U, {0, 1, 0}},           // ties to even
        {-1.0F, 0U, {0, 0, 0}},
        {1e9F, 0xFFFFFFU, {255, 255, 255}},
        {std::numeric_limits<float>::quiet_NaN(), 0U, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        const std::uint32_t number = ColourNumberOfSetting(c.setting);
        EXPECT_EQ(number, c.number) << c.setting;
        const ColourComponents got = ComponentsOf(number);
        EXPECT_EQ(got.red, c.components.red) << c.setting;
        EXPECT_EQ(got.green, c.components.green) << c.setting;
        EXPECT_EQ(got.blue, c.components.blue) << c.setting;
        EXPECT_EQ(ColourNumberOf(got), number) << c.setting;
    }
}

}  // namespace
}  // namespace ravemo
