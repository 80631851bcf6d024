#include "base/TextPieces.h"

#include <gtest/gtest.h>

namespace {

using Pieces = std::vector<std::string>;

TEST(SplitText, KeepsInnerEmptyPiecesAndDropsAnEmptyLastOne)
{
    EXPECT_EQ((Pieces{"1", "10", "1", "0"}), SplitText("1\\10\\1\\0\\", '\\'));
    EXPECT_EQ((Pieces{"1", "", "1", "0"}), SplitText("1\\\\1\\0\\", '\\'));
    EXPECT_EQ((Pieces{"1", "10", "1"}), SplitText("1\\10\\1", '\\'));
    EXPECT_EQ((Pieces{"1", "", "10", "", "1"}), SplitText("1\\\\10\\\\1", '\\'));
    EXPECT_EQ(Pieces{}, SplitText("", '*'));
    EXPECT_EQ((Pieces{""}), SplitText("*", '*'));
    EXPECT_EQ((Pieces{"a"}), SplitText("a", '*'));
}

TEST(ReadDecimal, ReadsLikeAtoi)
{
    EXPECT_EQ(0, ReadDecimal("x"));
    EXPECT_EQ(-5, ReadDecimal(" -5y"));
    EXPECT_EQ(0, ReadDecimal("- 5"));
    EXPECT_EQ(120, ReadDecimal("120"));
    EXPECT_EQ(-1, ReadDecimal("4294967295"));
}

TEST(FormatNumbers, WritesEveryValueAsPrintfWould)
{
    EXPECT_EQ("0", FormatDecimal(0));
    EXPECT_EQ("-3", FormatDecimal(-3));
    EXPECT_EQ("2147483647", FormatDecimal(INT32_MAX));
    EXPECT_EQ("-2147483648", FormatDecimal(INT32_MIN));
    EXPECT_EQ("0", FormatHex(0));
    EXPECT_EQ("40000abc", FormatHex(0x40000abc));
    EXPECT_EQ("ffffffffffffffff", FormatHex(UINT64_MAX));
}

TEST(ReadBoundedNumber, TakesDigitsOnlyWithinTheRange)
{
    // Ten digits, leading zeros included, hold any number in range; a longer
    // text is refused before it could overflow.
    const std::pair<const char*, int> accepted[] = {{"0", 0}, {"999", 999}, {"007", 7}, {"0000000999", 999}};
    for (auto [text, value] : accepted) EXPECT_EQ(value, ReadBoundedNumber(text, 0, 999).value_or(-1)) << text;
    for (const char* refused : {"", "abc", "-1", "+5", " 5", "5 ", "1000", "12a", "4294967296", "99999999999",
                                "00000000999", "00000000000000999"})
        EXPECT_FALSE(ReadBoundedNumber(refused, 0, 999)) << refused;
    EXPECT_EQ(999, Clamp(2147483647, 0, 999));
    EXPECT_EQ(0, Clamp(-2147483647 - 1, 0, 999));
}

}  // namespace
