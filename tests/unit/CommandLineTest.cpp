#include "base/CommandLine.h"

#include <gtest/gtest.h>

namespace {

using Args = std::vector<std::string>;

TEST(StartRequest, APreviewNamesItsWindowInDecimalAfterASpaceOrAColon)
{
    EXPECT_EQ(1234u, ReadPreviewWindow({"/p", "1234"}));
    EXPECT_EQ(1234u, ReadPreviewWindow({"/P:1234", "99"}));
    EXPECT_EQ(66162u, ReadPreviewWindow({"-p", "66162", "/r5"}));
    for (const Args& args : {Args{"/p"}, Args{"/p:"}, Args{"/p", "12a"}, Args{"/p", "-5"}, Args{"/p", "0x10"},
                             Args{"/p", "123456789012345678901"}, Args{"/s", "1234"}})
        EXPECT_FALSE(ReadPreviewWindow(args)) << args[0] << " " << (args.size() > 1 ? args[1] : "");
}

TEST(StartRequest, FollowsTheModeTable)
{
    struct Case { Args args; StartRequest expected; };
    const Case cases[] = {
        {{"/s"}, StartRequest::ScreenSaver},
        {{"-S"}, StartRequest::ScreenSaver},
        {{"s"}, StartRequest::ScreenSaver},
        {{"/c"}, StartRequest::Configure},
        {{"/c:1234"}, StartRequest::Configure},
        {{}, StartRequest::Configure},
        // Upper-case C fails the letter-case test and reaches the last rule.
        {{"/C"}, StartRequest::ConfigureUnlessTrayStarted},
        {{"/p", "1234"}, StartRequest::Preview},
        {{"/P"}, StartRequest::Preview},
        {{"/p:1234"}, StartRequest::Preview},
        {{"-p", "1234"}, StartRequest::Preview},
        {{"/px"}, StartRequest::ConfigureUnlessTrayStarted},
        {{"/a"}, StartRequest::ChangePassword},
        {{"A"}, StartRequest::ChangePassword},
        {{"/tray"}, StartRequest::Tray},
        {{"-TRAY"}, StartRequest::Tray},
        {{"tray", "/s"}, StartRequest::Tray},
        {{"/x"}, StartRequest::ConfigureUnlessTrayStarted},
        {{"c"}, StartRequest::ConfigureUnlessTrayStarted},
        {{"//s"}, StartRequest::ConfigureUnlessTrayStarted},
        {{"/sx"}, StartRequest::ConfigureUnlessTrayStarted},
        {{""}, StartRequest::ConfigureUnlessTrayStarted},
        // Only the first argument decides.
        {{"/x", "/s"}, StartRequest::ConfigureUnlessTrayStarted},
    };
    for (const Case& c : cases) {
        std::string shown = c.args.empty() ? "(none)" : c.args[0];
        EXPECT_EQ(c.expected, ReadStartRequest(c.args)) << shown;
    }
}

TEST(StartRequest, KeywordDropsOnlyOneLeadingMark)
{
    EXPECT_TRUE(MatchesKeyword("-tray", "tray"));
    EXPECT_TRUE(MatchesKeyword("/Tray", "tray"));
    EXPECT_FALSE(MatchesKeyword("--tray", "tray"));
    EXPECT_FALSE(MatchesKeyword("/tra", "tray"));
    EXPECT_FALSE(MatchesKeyword("", "s"));
}

TEST(SeedArgument, ReadsLikeAtolAndWraps)
{
    struct Case { std::string argument; int32_t seed; };
    const Case cases[] = {
        {"/r42", 42},
        {"/r-17", -17},
        {"/r+17", 17},
        {"/r   9", 9},
        {"/r\t9", 9},
        {"/r12abc", 12},
        {"/rabc", 0},
        {"/r", 0},
        {"-r-", 0},
        {"/r4294967338", 42},            // 2^32 + 42
        {"/r2147483648", INT32_MIN},
        {"/r-2147483648", INT32_MIN},
    };
    for (const Case& c : cases) {
        auto seed = ReadSeedArgument({"/s", c.argument});
        ASSERT_TRUE(seed.has_value()) << c.argument;
        EXPECT_EQ(c.seed, *seed) << c.argument;
    }
}

TEST(SeedArgument, NeedsALowerCaseRAsSecondCharacterOfTheSecondArgument)
{
    EXPECT_FALSE(ReadSeedArgument({"/s"}).has_value());
    EXPECT_FALSE(ReadSeedArgument({}).has_value());
    EXPECT_FALSE(ReadSeedArgument({"/s", "/R42"}).has_value());
    EXPECT_FALSE(ReadSeedArgument({"/s", "r"}).has_value());
    EXPECT_FALSE(ReadSeedArgument({"/r42"}).has_value());
    EXPECT_EQ(7, ReadSeedArgument({"/s", "xr7"}).value());
}

}  // namespace
