#include <gtest/gtest.h>

#include "profiles/leading_number.h"
#include "profiles/trim_spaces.h"

namespace veltrano {

namespace {

TEST(LeadingNumberTest, ReadsTheDigitsAtTheStartOnly) {
    EXPECT_EQ(LeadingNumber(u"640"), 640);
    EXPECT_EQ(LeadingNumber(u"480 X 360"), 480);
    EXPECT_EQ(LeadingNumber(u"1000k"), 1000);
    EXPECT_EQ(LeadingNumber(u""), 0);
    EXPECT_EQ(LeadingNumber(u"k100"), 0);
    // Blanks are the caller's to trim: the size boxes refuse " 32" as no number at all.
    EXPECT_EQ(LeadingNumber(u" 32"), 0);
    EXPECT_EQ(LeadingNumber(TrimSpaces(QStringLiteral(" 480"))), 480);
    // Only spaces are trimmed; a tab is kept as typed and so ends the number.
    EXPECT_EQ(LeadingNumber(TrimSpaces(QStringLiteral("\t480"))), 0);
}

TEST(LeadingNumberTest, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(LeadingNumber(u"99999999999999999999999"), 2147483647);
}

}  // namespace

}  // namespace veltrano
