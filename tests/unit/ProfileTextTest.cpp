// Many keys of a section written at once, line by line as the profile
// functions would write them one at a time, every other byte kept.
#include "base/ProfileText.h"

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
        {"a value replaced in place, the key spelt as the file spells it",
         "default",
         {{"clock", std::string("0\\9\\1\\0\\")}},
         "; my collections\r\n[Default]\r\n; the good ones\r\nClock=0\\9\\1\\0\\\r\nStars=2\\15\\0\\0\\\r\n"
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
        {"a new key written again keeps its first spelling",
         "Day",
         {{"Sun", std::string("1")}, {"SUN", std::string("2")}},
         userFile + "[Day]\r\nSun=2\r\n"},
        {"a new section at the end; a removal from it writes nothing",
         "Day",
         {{"Gone", std::nullopt}, {"Sun", std::string("1")}},
         userFile + "[Day]\r\nSun=1\r\n"},
    };
    for (const EditCase& test : cases) EXPECT_EQ(test.expected, Edit(userFile, test.section, test.changes)) << test.what;
    EXPECT_EQ(userFile, Edit(userFile, "Day", {{"Gone", std::nullopt}}));
    EXPECT_EQ(userFile, Edit(userFile, "Default", {{"Waves", std::string("1")}, {"waves", std::nullopt}}));
}

// The lines of a section that the profile functions write whole, many keys
// at once: a removed key leaves no empty line, which would end the section.
TEST(ProfileText, ASectionsLinesLoseARemovedKeyWhole)
{
    const std::vector<std::string> lines{"Alpha=1", "; mine", "Beta=2", "bare", "Gamma = 3"};
    EXPECT_EQ((std::vector<std::string>{"Alpha=1", "; mine", "Gamma=9", "Delta=4"}),
              EditSectionLines(lines,
                               {{"BETA", std::nullopt}, {"Bare", std::nullopt}, {"gamma", std::string("9")},
                                {"Missing", std::nullopt}, {"Delta", std::string("4")}},
                               UpperCase));
}

TEST(ProfileText, LinesBothPlatformsReadAlikeAreEditedAsWindowsEditsThem)
{
    // A remark after a header or a value, the program's own key in another
    // letter case, tabs around names: read alike, edited in place.
    const std::string text = "[Night] ; late\r\n\tClock\t=\t1\\10\\1\\0\\ ; my note\r\ntombolixcycle=1\r\n";
    EXPECT_EQ("[Night] ; late\r\nClock=2\\10\\1\\0\\\r\ntombolixcycle=0\r\n",
              Edit(text, "NIGHT", {{"clock", std::string("2\\10\\1\\0\\")}, {"TombolixCycle", std::string("0")}}));
    EXPECT_EQ("[Night] ; late\r\n\tClock\t=\t1\\10\\1\\0\\ ; my note\r\n",
              Edit(text, "Night", {{"TOMBOLIXCYCLE", std::nullopt}}));
    // A file that ends without a line end gets one only where a line follows.
    EXPECT_EQ("[A]\nk=1\nnew=5\n[B]\nk=3", Edit("[A]\nk=1\n[B]\nk=3", "a", {{"new", std::string("5")}}));
    EXPECT_EQ("[A]\nk=1\nnew=5\n", Edit("[A]\nk=1", "A", {{"new", std::string("5")}}));
    EXPECT_EQ("[A]\r\nk=1\r\n", Edit("", "A", {{"k", std::string("1")}}));
}

TEST(ProfileText, ATextThatOnePlatformReadsOtherwiseIsLeftToTheProfileFunctions)
{
    const struct {
        const char* what;
        std::string text;
    } disputed[] = {
        {"a UTF-8 byte-order mark", "\xEF\xBB\xBF[Default]\r\nk=1\r\n"},
        {"UTF-16", std::string("\xFF\xFE[\0A\0]\0", 8)},
        {"a NUL byte", std::string("[A]\r\nk=1\0\r\n", 11)},
        {"a vertical tab before a key", "[A]\r\n\vAlpha=1\r\n"},
        {"a form feed after a key", "[A]\r\nBeta\f=1\r\n"},
        {"a no-break space after a value", "[A]\r\nk=1\xA0\r\n"},
        {"a carriage return alone", "[A]\r\nClock=1\rStars=2\r\n"},
        {"a header without its ']'", "[A]\r\n[x\r\nk=1\r\n"},
        {"a header with two ']'", "[\x83]\x81[]\r\nk=1\r\n"},
        {"text after a header", "[A] B\r\nk=1\r\n"},
        {"a key written twice in two spellings", "[A]\r\nALPHA=1\r\nAlpha=2\r\n"},
        {"a section written twice", "[Night]\r\nk=1\r\n[Day]\r\n[night]\r\nk=2\r\n"},
    };
    for (const auto& test : disputed) {
        EXPECT_FALSE(ReadsAlikeEverywhere(test.text, UpperCase)) << test.what;
        EXPECT_FALSE(EditSection(test.text, "A", {{"k", std::string("7")}}, UpperCase)) << test.what;
    }
    // The same key in two sections, blank lines and remarks read alike.
    EXPECT_TRUE(ReadsAlikeEverywhere(userFile, UpperCase));
}

// One save's changes in order: a section removed with everything up to the
// next header, in any letter case, and the keys of others edited.
TEST(ProfileText, ASavesChangesAreMadeInOrderOnOneText)
{
    const FileChanges changes{{"DEFAULT", true, {}}, {"Night", false, {{"Clock", std::nullopt}}},
                              {"Day", false, {{"Sun", std::string("1")}}}};
    EXPECT_EQ("; my collections\r\n[Night]\r\n[Day]\r\nSun=1\r\n", EditText(userFile, changes, UpperCase));
    EXPECT_EQ(userFile, EditText(userFile, {{"Gone", true, {}}}, UpperCase));
    EXPECT_FALSE(EditText("[A]\r\n[a]\r\n", {{"B", true, {}}}, UpperCase));
}

}  // namespace
