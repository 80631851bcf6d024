// When a record of a save puts the file back: only while the file is in a
// state that save could have left it in.
#include "os/SaveRecord.h"

#include <gtest/gtest.h>

namespace {

TEST(SaveRecord, ReadsBackWhatItWroteAndNothingElse)
{
    const SaveRecord present = MakeSaveRecord("1f-2a", std::string("[A]\r\nx=1\r\n\0", 12), "[A]\r\nx=22\r\n");
    std::optional<SaveRecord> read = ParseSaveRecord(FormatSaveRecord(present));
    ASSERT_TRUE(read);
    EXPECT_EQ("1f-2a", read->id);
    EXPECT_EQ(present.before, read->before);
    EXPECT_EQ(11u, read->afterSize);
    EXPECT_EQ(HashBytes("[A]\r\nx=22\r\n"), read->afterHash);
    EXPECT_EQ("Tombolix save record 2\r\nid 7\r\nafter 0 cbf29ce484222325\r\nbefore absent\r\n",
              FormatSaveRecord(MakeSaveRecord("7", std::nullopt, "")));
    EXPECT_FALSE(ParseSaveRecord(FormatSaveRecord(MakeSaveRecord("7", std::nullopt, ""))).value().before);

    // The earlier form, a record cut short and other bytes never act.
    const std::string whole = FormatSaveRecord(present);
    for (const std::string& bytes : {std::string("Tombolix save record: present\r\n[A]\r\n"),
                                     whole.substr(0, whole.find("before")), std::string("id 1\r\n"),
                                     std::string("Tombolix save record 2\r\nid 1\r\nafter 1x 2\r\nbefore absent\r\n")})
        EXPECT_FALSE(ParseSaveRecord(bytes)) << bytes;
}

TEST(SaveRecord, PutsBackOnlyAFileTheCutOffSaveCouldHaveLeft)
{
    const std::string before = "[Night]\r\nClock=1\\10\\1\\0\\\r\n";
    const std::string after = "[Night]\r\nClock=1\\10\\1\\0\\\r\nStars=2\\15\\1\\1\\\r\n";
    const SaveRecord record = MakeSaveRecord("1", before, after);
    const SaveRecord created = MakeSaveRecord("2", std::nullopt, after);
    const std::string cutOff = after.substr(0, 30) + std::string(after.size() - 30, '\0');
    const std::string handEdit = after + "Waves=2\\15\\0\\0\\\r\n";
    const std::string sameSizeEdit = "[Night]\r\nClock=1\\10\\1\\0\\\r\nStars=2\\15\\1\\2\\\r\n";
    struct Case { const char* file; const SaveRecord& record; std::optional<std::string> now; bool putBack; };
    const Case cases[] = {
        {"at its new size, part written", record, cutOff, true},
        {"at its new size, nothing written yet", record, before + std::string(after.size() - before.size(), '\0'), true},
        {"what the save wrote", record, after, false},
        {"as it was", record, before, false},
        {"edited since, to another size", record, handEdit, false},
        {"gone since", record, std::nullopt, false},
        {"made by the save, part written", created, cutOff, true},
        {"made by the save, still empty", created, std::string(), false},
        // The one state no record tells from a cut-off save: the void mark
        // keeps a record that outlived its save from acting.
        {"edited since, to the same size", record, sameSizeEdit, true},
    };
    for (const Case& c : cases) EXPECT_EQ(c.putBack, MustPutBack(c.record, c.now)) << c.file;
}

}  // namespace
