#include "collections/TextPieces.h"

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

}  // namespace
