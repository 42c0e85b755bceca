#include <gtest/gtest.h>

#include "common/NumberText.h"

namespace ravemo {
namespace {

TEST(LeadingNumber, ReadsThePointDecimalPrefix) {
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(u"1.8"), 1.8);
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(u"7,1"), 7.0);
    EXPECT_DOUBLE_EQ(NumberText::leadingNumber(u"abc"), 0.0);
}

}  // namespace
}  // namespace ravemo
