// Tests of integer text as typed numbers are read.
#include "base/IntegerText.h"

#include <gtest/gtest.h>

namespace pixmaro {
namespace {

TEST(IntegerText, BlanksAndSignedHexAreNotIntegers)
{
    EXPECT_EQ(ParseInteger("0010"), 10);
    EXPECT_EQ(ParseInteger("-0"), 0);
    for (const char *bad : { "", " 7", "7 ", "+", "-", "$", "0x", "-0x10", "1e3", "７" })
        EXPECT_FALSE(ParseInteger(QString::fromUtf8(bad)).has_value()) << bad;
}

TEST(IntegerText, ThrowsWithTheConversionMessage)
{
    EXPECT_EQ(IntegerOrThrow("$10"), 16);
    try {
        IntegerOrThrow("abc");
        FAIL() << "no exception";
    } catch (const InvalidInteger &e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
}

} // namespace
} // namespace pixmaro
