// Many keys of a section written at once, line by line as the profile
// functions would write them one at a time, every other byte kept.
#include "os/ProfileText.h"

#include <gtest/gtest.h>

#include <cctype>

namespace {

std::string UpperCase(std::string text)
{
    for (char& c : text) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string Edit(const std::string& text, const std::string& section, const std::vector<KeyChange>& changes)
{
    return EditSection(text, section, changes, UpperCase).value_or("(refused)");
}

const std::string userFile =
    "; my collections\r\n"
    "[Default]\r\n"
    "; the good ones\r\n"
    "Clock = 2\\15\\1\\0\\\r\n"
    "Stars=2\\15\\0\\0\\\r\n"
    "noequals\r\n"
    "\r\n"
    "[Night]\r\n"
    "Clock=4\\5\\1\\0\\\r\n";

struct EditCase {
    const char* what;
    std::string section;
    std::vector<KeyChange> changes;
    std::string expected;
};

TEST(ProfileText, EachChangeTouchesOnlyItsOwnLineAndEveryOtherByteStays)
{
    const EditCase cases[] = {
        {"a value replaced in place, the key spelt as written",
         "default",
         {{"clock", std::string("0\\9\\1\\0\\")}},
         "; my collections\r\n[Default]\r\n; the good ones\r\nclock=0\\9\\1\\0\\\r\nStars=2\\15\\0\\0\\\r\n"
         "noequals\r\n\r\n[Night]\r\nClock=4\\5\\1\\0\\\r\n"},
        {"a key removed, comments and the line without '=' kept",
         "Default",
         {{"Stars", std::nullopt}},
         "; my collections\r\n[Default]\r\n; the good ones\r\nClock = 2\\15\\1\\0\\\r\nnoequals\r\n\r\n"
         "[Night]\r\nClock=4\\5\\1\\0\\\r\n"},
        {"new keys after the last line that is not blank, in order",
         "Default",
         {{"Waves", std::string("1")}, {"Aurora", std::string("2")}},
         "; my collections\r\n[Default]\r\n; the good ones\r\nClock = 2\\15\\1\\0\\\r\nStars=2\\15\\0\\0\\\r\n"
         "noequals\r\nWaves=1\r\nAurora=2\r\n\r\n[Night]\r\nClock=4\\5\\1\\0\\\r\n"},
        {"the removal of an old spelling, then the write of the new one",
         "Night",
         {{"clock", std::nullopt}, {"Clock", std::string("3")}},
         "; my collections\r\n[Default]\r\n; the good ones\r\nClock = 2\\15\\1\\0\\\r\nStars=2\\15\\0\\0\\\r\n"
         "noequals\r\n\r\n[Night]\r\nClock=3\r\n"},
        {"a new section at the end; a removal from it writes nothing",
         "Day",
         {{"Gone", std::nullopt}, {"Sun", std::string("1")}},
         userFile + "[Day]\r\nSun=1\r\n"},
    };
    for (const EditCase& test : cases) EXPECT_EQ(test.expected, Edit(userFile, test.section, test.changes)) << test.what;
    EXPECT_EQ(userFile, Edit(userFile, "Day", {{"Gone", std::nullopt}}));
    EXPECT_EQ(userFile, Edit(userFile, "Default", {{"Waves", std::string("1")}, {"waves", std::nullopt}}));
}

TEST(ProfileText, OnlyTheFirstOfARepeatedKeyOrSectionChanges)
{
    const std::string text = "[A]\nk=1\nk=2\n[B]\nk=3\n[a]\nk=4";
    EXPECT_EQ("[A]\nK=9\nk=2\n[B]\nk=3\n[a]\nk=4", Edit(text, "a", {{"K", std::string("9")}}));
    EXPECT_EQ("[A]\nk=2\n[B]\nk=3\n[a]\nk=4", Edit(text, "A", {{"k", std::nullopt}}));
    // A file that ends without a line end gets one only where a line follows.
    EXPECT_EQ("[A]\nk=1\nk=2\nnew=5\n[B]\nk=3\n[a]\nk=4", Edit(text, "a", {{"new", std::string("5")}}));
    EXPECT_EQ("[A]\nk=1\nnew=5\n", Edit("[A]\nk=1", "A", {{"new", std::string("5")}}));
    // "[x" without its ']' starts no section.
    EXPECT_EQ("[A]\n[x\nk=7\n", Edit("[A]\n[x\nk=1\n", "A", {{"k", std::string("7")}}));
}

TEST(ProfileText, LinesAndNamesEndWhereTheProfileFunctionsEndThem)
{
    const struct {
        const char* what;
        std::string text, section;
        KeyChange change;
        std::string expected;
    } cases[] = {
        {"a carriage return alone ends a line", "[A]\r\nClock=1\rStars=2\r\n", "A", {"Clock", std::string("5")},
         "[A]\r\nClock=5\r\nStars=2\r\n"},
        {"a file of carriage returns", "[A]\rk=1\r[B]\rk=2\r", "B", {"k", std::string("5")},
         "[A]\rk=1\r[B]\rk=5\r\n"},
        {"a line that is a key alone", "[A]\r\nClock\r\n", "A", {"clock", std::string("5")}, "[A]\r\nclock=5\r\n"},
        {"a name whose letter has the byte of ']'", "[\x83]\x81[]\r\nk=1\r\n", "\x83]\x81[", {"k", std::nullopt},
         "[\x83]\x81[]\r\n"},
    };
    for (const auto& test : cases) EXPECT_EQ(test.expected, Edit(test.text, test.section, {test.change})) << test.what;
}

TEST(ProfileText, AFileInUtf16IsLeftToTheProfileFunctions)
{
    EXPECT_FALSE(EditSection(std::string("\xFF\xFE[\0A\0]\0", 8), "A", {{"k", std::string("1")}}, UpperCase));
    EXPECT_EQ("[A]\r\nk=1\r\n", Edit("", "A", {{"k", std::string("1")}}));
}

}  // namespace
