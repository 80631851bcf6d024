// The fake profile file of the unit tests against the real profile functions:
// one script of operations, the same reads and the same file text.
#include "collections/StoredNames.h"
#include "os/PrivateProfileFile.h"

#include "WinTestSupport.h"
#include "fakes/FakeProfileFile.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Transcript = std::vector<std::string>;

std::string Joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) text += name + "|";
    return text;
}

Transcript RunScript(IProfileFile& file)
{
    Transcript seen;
    auto read = [&](const std::string& section, const std::string& key) {
        seen.push_back(section + "/" + key + "=" + file.ReadString(section, key, "none"));
    };
    const std::string longValue(600, 'v');

    read("Default", "Clock");                       // missing file
    seen.push_back(Joined(file.ReadSectionNames()));
    file.WriteString("Default", "Clock", "1\\10\\1\\0\\");
    file.WriteString("Default", "Bubbles", "2\\15\\0\\0\\");
    file.WriteString("Night", "Aquarium", "0\\5\\1\\0\\");
    file.WriteString("default", "CLOCK", "3\\10\\1\\0\\");  // other letter case: replaced in place
    file.WriteString("NIGHT", "Empty", "");
    file.WriteString("Night", "Long", longValue);
    file.WriteString("Night", "Spaced", "  a b  ");
    file.WriteString("Night", "Quoted", "\"q\"");
    file.WriteString("TombolixInternal", "Folders", "D:\\Savers*");
    read("DEFAULT", "clock");
    read("Night", "Empty");
    read("Night", "Long");
    read("Night", "Spaced");
    read("Night", "Quoted");
    read("Night", "Missing");
    read("Nowhere", "Clock");
    seen.push_back(std::to_string(file.ReadInt("Default", "Clock", 7)));
    seen.push_back(std::to_string(file.ReadInt("Default", "Missing", 7)));
    seen.push_back(std::to_string(file.ReadInt("Night", "Empty", 7)));
    seen.push_back(Joined(file.ReadSectionNames()));
    seen.push_back(Joined(file.ReadKeyNames("night")));
    seen.push_back(Joined(file.ReadKeyNames("Nowhere")));

    file.DeleteKey("Night", "LONG");
    file.DeleteKey("Night", "Missing");
    file.DeleteKey("Nowhere", "Clock");
    file.DeleteSection("DEFAULT");
    file.DeleteSection("Nowhere");
    file.WriteString("Default", "Clock", "0\\1\\1\\0\\");  // comes back at the end
    seen.push_back(Joined(file.ReadSectionNames()));
    seen.push_back(Joined(file.ReadKeyNames("Night")));
    return seen;
}

TEST(ProfileFile, TheFakeAnswersLikeTheProfileFunctions)
{
    const std::string path = wintest::WindowsFolder() + "\\TombolixScript.ini";
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "TombolixScript.ini");
    DeleteFileA(path.c_str());

    CPrivateProfileFile real("TombolixScript.ini");
    FakeProfileFile fake;
    Transcript realReads = RunScript(real);
    Transcript fakeReads = RunScript(fake);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "TombolixScript.ini");

    ASSERT_EQ(realReads.size(), fakeReads.size());
    for (size_t i = 0; i < realReads.size(); ++i) EXPECT_EQ(realReads[i], fakeReads[i]) << "read " << i;
    EXPECT_EQ(wintest::ReadFileBytes(path), fake.Text());

    real.Remove();
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str()));
    EXPECT_TRUE(real.ReadSectionNames().empty());
}

struct WholeFile : ::testing::Test {
    const std::string name = "TombolixWhole.ini";
    const std::string path = wintest::WindowsFolder() + "\\" + name;
    CPrivateProfileFile file{name};

    void SetUp() override { file.Remove(); }
    void TearDown() override { file.Remove(); }
};

TEST_F(WholeFile, ListsAndValuesAreReadWholeAtAnySize)
{
    std::string text = "[Big]\r\n";
    std::vector<std::string> keys;
    for (int i = 0; i < 5000; ++i) {
        keys.push_back("Screen saver number " + std::to_string(i));
        text += keys.back() + "=2\\15\\1\\" + std::to_string(i) + "\\\r\n";
    }
    std::string folders;
    for (int i = 0; i < 500; ++i) folders += "C:\\Savers\\Folder" + std::to_string(1000 + i) + "*";
    text += "[TombolixInternal]\r\nFolders=" + folders + "\r\n";
    std::vector<std::string> sections{"Big", "TombolixInternal"};
    for (int i = 0; i < 900; ++i) {
        sections.push_back("A collection of a rather long name " + std::to_string(i));
        text += "[" + sections.back() + "]\r\n";
    }
    wintest::WriteFileBytes(path, text);

    EXPECT_EQ(keys, file.ReadKeyNames("Big"));
    EXPECT_EQ(folders, file.ReadString("TombolixInternal", "Folders", ""));
    EXPECT_EQ(10500u, folders.size());
    EXPECT_EQ(sections, file.ReadSectionNames());
}

TEST_F(WholeFile, AWriteThatCannotReachTheFileSaysSo)
{
    ASSERT_TRUE(file.WriteString("S", "Key", "before"));
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, name.c_str());
    {
        // Another program holds the file open for reading only.
        HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, held);
        EXPECT_FALSE(file.WriteString("S", "Key", "after"));
        EXPECT_FALSE(file.DeleteKey("S", "Key"));
        EXPECT_FALSE(file.DeleteSection("S"));
        EXPECT_FALSE(file.WriteKeys("S", {{"Key", std::string("after")}}));
        CloseHandle(held);
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(file.WriteString("S", "Key", "after"));
    EXPECT_FALSE(file.WriteKeys("S", {{"Key", std::string("after")}}));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ("[S]\r\nKey=before\r\n", wintest::ReadFileBytes(path));
    EXPECT_TRUE(file.WriteString("S", "Key", "after"));
}

TEST_F(WholeFile, ASectionIsReadAndWrittenInOneCallAsKeyByKeyKeepingTheUsersLines)
{
    wintest::WriteFileBytes(path, "; mine\r\n[Default]\r\n; keep\r\nClock = 2\\15\\1\\0\\\r\n"
                                  "quoted=\"1\\5\\1\\0\\\"\r\nbare\r\nLone=3\r\n[Night]\r\nStars=1\r\n");
    const KeyValues keyByKey = file.IProfileFile::ReadSection("default");
    EXPECT_EQ(keyByKey, file.ReadSection("default"));
    EXPECT_EQ(3u, keyByKey.size());

    // The profile functions' copy of the file, read before the write, must
    // not outlive it.
    EXPECT_EQ("1", file.ReadString("Night", "Stars", ""));
    ASSERT_TRUE(file.WriteKeys("DEFAULT", {{"CLOCK", std::string("0\\9\\0\\0\\")},
                                           {"quoted", std::nullopt},
                                           {"Waves", std::string("3")}}));
    EXPECT_EQ("; mine\r\n[Default]\r\n; keep\r\nClock=0\\9\\0\\0\\\r\nbare\r\nLone=3\r\nWaves=3\r\n"
              "[Night]\r\nStars=1\r\n",
              wintest::ReadFileBytes(path));
    EXPECT_EQ("0\\9\\0\\0\\", file.ReadString("Default", "clock", ""));
    // The profile functions' next write starts from the edited file.
    ASSERT_TRUE(file.WriteString("Night", "Stars", "2"));
    EXPECT_EQ("3", file.ReadString("Default", "Waves", ""));
}

// Files that Windows and Wine may read otherwise are written by the
// platform's own functions: each change lands where they read it, whether
// few keys change or many.
TEST_F(WholeFile, AFileTheEditorMustNotTouchGetsEveryChangeWhereTheProfileFunctionsReadIt)
{
    const struct {
        const char* what;
        std::string text, section, firstKey;
    } odd[] = {
        {"a byte-order mark", "\xEF\xBB\xBF[Default]\r\nAlpha=1\\10\\1\\0\\\r\n[N\xC3\xBCit]\r\nAlpha=1\r\n", "N\xFCit",
         "Alpha"},
        {"a vertical tab", "[Default]\r\n\vAlpha=1\\10\\1\\0\\\r\nBeta\f=1\r\n", "Default", "Alpha"},
        {"one key in two spellings", "[Default]\r\nALPHA=1\\10\\1\\0\\\r\nAlpha=2\\15\\0\\0\\\r\n", "Default", "alpha"},
        {"a section twice", "[Default]\r\nAlpha=1\r\n[default]\r\nAlpha=2\r\n", "DEFAULT", "Alpha"},
    };
    for (const auto& test : odd) {
        for (size_t changes : {1, 40}) {
            wintest::WriteFileBytes(path, test.text);
            WritePrivateProfileStringA(nullptr, nullptr, nullptr, name.c_str());
            const size_t sectionsBefore = file.ReadSectionNames().size();
            std::vector<KeyChange> written{{test.firstKey, std::string("4\\1\\1\\0\\")}};
            for (size_t i = 1; i < changes; ++i) written.push_back({"New" + std::to_string(i), std::string("1")});
            ASSERT_TRUE(file.WriteKeys(test.section, written)) << test.what;
            EXPECT_EQ("4\\1\\1\\0\\", file.ReadString(test.section, test.firstKey, "")) << test.what << changes;
            EXPECT_EQ(changes == 1 ? "" : "1", file.ReadString(test.section, "New39", "")) << test.what;
            EXPECT_EQ(sectionsBefore, file.ReadSectionNames().size()) << test.what << changes;
        }
    }
    // A section written twice goes with every copy.
    wintest::WriteFileBytes(path, "[Default]\r\nAlpha=1\r\n[Night]\r\nB=1\r\n[default]\r\nAlpha=2\r\n");
    ASSERT_TRUE(file.WriteChanges({{"DEFAULT", true, {}}, {"Night", false, {{"C", std::string("3")}}}}));
    EXPECT_EQ((std::vector<std::string>{"Night"}), file.ReadSectionNames());
    EXPECT_EQ("3", file.ReadString("Night", "C", ""));
}

// A save ended at any step leaves the file as it was before or after it,
// never a mix or a padding: each state a save passes through on disk, then
// the next start.
TEST_F(WholeFile, ASaveEndedAtAnyStepIsUndoneAtTheNextStart)
{
    const std::string record = wintest::WindowsFolder() + "\\TombolixWhole.saving";
    const std::string before = "[Night]\r\nClock=1\\10\\1\\0\\\r\n";
    const std::string after = before + "Stars=2\\15\\1\\1\\\r\n";
    const std::string shorter = "[Day]\r\n";
    const size_t grown = after.size() - before.size();
    CSaveJournal journal(path, record);
    CPrivateProfileFile journaled(name, nullptr, &journal);
    auto endedAt = [&](const std::string& writing, const std::string& onDisk) {
        journal.Record(before, writing);
        wintest::WriteFileBytes(path, onDisk);
    };
    const struct {
        const char* step;
        std::function<void()> endedHere;
        std::string expected;
    } steps[] = {
        {"while the record was written", [&] { wintest::WriteFileBytes(record + ".new", "Tombolix sa"); }, before},
        {"with the record made", [&] { journal.Record(before, after); }, before},
        {"with the file at its new size", [&] { endedAt(after, before + std::string(grown, '\0')); }, before},
        {"halfway through the bytes", [&] { endedAt(after, after.substr(0, 30) + std::string(after.size() - 30, '\0')); }, before},
        {"shorter, halfway", [&] { endedAt(shorter, before.substr(0, shorter.size())); }, before},
        {"with every byte written", [&] { endedAt(after, after); }, after},
        {"after the save", [&] { journaled.WriteString("Night", "Stars", "2\\15\\1\\1\\"); }, after},
    };
    for (const auto& step : steps) {
        wintest::WriteFileBytes(path, before);
        step.endedHere();
        CPrivateProfileFile nextStart(name, nullptr, &journal);
        nextStart.RestoreCutOffSave();
        EXPECT_EQ(step.expected, wintest::ReadFileBytes(path)) << step.step;
        for (const char* left : {"", ".new", ".void"})
            EXPECT_FALSE(wintest::FileExists(record + left)) << step.step << left;
    }
    // A file that was not there before goes again.
    file.Remove();
    journal.Record(std::nullopt, after);
    wintest::WriteFileBytes(path, std::string(after.size(), '\0'));
    EXPECT_TRUE(journaled.RestoreCutOffSave());
    EXPECT_FALSE(wintest::FileExists(path));
}

// A record that another program held open when its save was done is void:
// it never puts back the file over what was written since. While it is
// held, or wherever no record can be made, no save is made unprotected.
TEST_F(WholeFile, ARecordThatOutlivesItsSaveNeverActs)
{
    const std::string record = wintest::WindowsFolder() + "\\TombolixWhole.saving";
    CSaveJournal journal(path, record);
    CPrivateProfileFile journaled(name, nullptr, &journal);
    const std::string saved = "[Night]\r\nClock=1\\10\\1\\0\\\r\n";
    const std::string handEdit = "[Night]\r\nClock=4\\10\\1\\0\\\r\n";   // the same size
    wintest::WriteFileBytes(path, "[Night]\r\n");
    ASSERT_TRUE(journal.Record(std::string("[Night]\r\n"), saved));
    wintest::WriteFileBytes(path, saved);
    HANDLE held = CreateFileA(record.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    journal.Discard();
    EXPECT_TRUE(wintest::FileExists(record + ".void"));
    EXPECT_FALSE(journaled.WriteString("Night", "Stars", "1"));
    EXPECT_EQ(saved, wintest::ReadFileBytes(path));
    wintest::WriteFileBytes(path, handEdit);
    CloseHandle(held);

    CPrivateProfileFile nextStart(name, nullptr, &journal);
    EXPECT_FALSE(nextStart.RestoreCutOffSave());
    EXPECT_EQ(handEdit, wintest::ReadFileBytes(path));
    EXPECT_FALSE(wintest::FileExists(record));
    EXPECT_FALSE(wintest::FileExists(record + ".void"));
    EXPECT_TRUE(journaled.WriteString("Night", "Stars", "1"));

    CSaveJournal nowhere(path, path + "\\cannot\\be.saving"), none(path, "");
    for (CSaveJournal* unrecorded : {&nowhere, &none}) {
        CPrivateProfileFile unprotected(name, nullptr, unrecorded);
        EXPECT_FALSE(unprotected.WriteString("Night", "Stars", "2"));
        EXPECT_EQ("1", file.ReadString("Night", "Stars", ""));
    }
}

// Another process's copy of the file is read again only when the file's
// time changes, and writes can come faster than the file system's clock
// ticks. A time that stands ahead of the clock shows it here: each write
// leaves the file later than it found it.
TEST_F(WholeFile, EveryWriteMovesTheFilesTimeOn)
{
    ASSERT_TRUE(file.WriteString("S", "Key", "0"));
    const FILETIME ahead{0, 0x02000000};   // in 2057
    auto writeTime = [&] {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
        return data.ftLastWriteTime;
    };
    for (int i = 1; i <= 4; ++i) {
        HANDLE handle = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        SetFileTime(handle, nullptr, nullptr, &ahead);
        CloseHandle(handle);
        const std::string value = std::to_string(i);
        ASSERT_TRUE(i % 2 ? file.WriteString("S", "Key", value) : file.WriteKeys("S", {{"Key", value}}));
        const FILETIME after = writeTime();
        EXPECT_EQ(1, CompareFileTime(&after, &ahead)) << i;
    }
    EXPECT_EQ("4", file.ReadString("S", "Key", ""));
}

TEST_F(WholeFile, TheKeyRuleMatchesWhatTheProfileFunctionsReadBack)
{
    const char* names[] = {"Aquarium", " Lead", "Trail ", "x=y", ";Semi", "[Br", "Br]", "#Hash", "a;b",
                           "\"q\"", "Tab\tin", "\tTab", "ok name", "=eq", "a]b", "TombolixScreen"};
    for (const char* key : names) {
        file.Remove();
        file.WriteString("S", key, "1\\2\\3\\4\\");
        file.WriteString("S", "Last", "0");
        std::vector<std::string> read = file.ReadKeyNames("S");
        bool readsBack = read.size() == 2 && read[0] == key && file.ReadString("S", key, "") == "1\\2\\3\\4\\";
        // Stricter than Wine for a leading '[': Windows starts a section there.
        if (key[0] == '[') EXPECT_FALSE(IsStorableKey(key));
        else EXPECT_EQ(readsBack, IsStorableKey(key)) << key;
    }
}

}  // namespace
