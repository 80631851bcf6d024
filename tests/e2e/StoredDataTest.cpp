// What users stored survives the real program: thousands of entries and a
// long folder list through open and OK, a file that cannot be written, two
// sheets at once, names that are paths, and a session switching every
// second while a sheet saves a large collection.
#include "WinTestSupport.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using wintest::Child;

constexpr int availableList = 1062;
constexpr int selectedList = 1063;
constexpr int moveAllForward = 1070;
constexpr int moveAllBack = 1073;
constexpr int cycleRadio = 1091;
constexpr int randomRadio = 1092;
constexpr int folderList = 1080;
constexpr int removeFolder = 1082;
constexpr int optionsTab = 3;
constexpr int foldersTab = 4;

struct StoredData : ::testing::Test {
    wintest::Fixtures fixtures;
    const std::string path = wintest::WindowsFolder() + "\\Tombolix2.ini";
    const std::string many = "C:\\TombolixMany";
    std::vector<std::string> created;

    void SetUp() override
    {
        wintest::ClearStoredSettings();
        wintest::SetConfigInt("UseTray", 0);
    }
    void TearDown() override
    {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        for (HWND window = FindWindowA(nullptr, "Tombolix2"); window; window = FindWindowA(nullptr, "Tombolix2")) {
            PostMessageA(window, WM_CLOSE, 0, 0);
            wintest::WaitUntil([&] { return !IsWindow(window); }, 10s);
        }
        wintest::Fixtures::CloseAllWindows();
        for (const std::string& file : created) DeleteFileA(file.c_str());
        RemoveDirectoryA(many.c_str());
        wintest::ClearStoredSettings();
        wintest::WriteCollectionsFile("");
    }

    // Empty screen-saver files: listed like any other.
    std::vector<std::string> MakeSavers(int count)
    {
        CreateDirectoryA(many.c_str(), nullptr);
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i) {
            char name[64];
            snprintf(name, sizeof name, "Screen saver %04d", i);
            names.push_back(name);
            created.push_back(many + "\\" + name + ".scr");
            wintest::WriteFileBytes(created.back(), "");
        }
        return names;
    }
    std::string FileBytes() const
    {
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, "Tombolix2.ini");
        return wintest::ReadFileBytes(path);
    }
    static HWND WaitForSheet(const Child& program)
    {
        HWND sheet = wintest::OpenSettingsPage(program.Id(), 0, 20s);
        // Shown once the first page has its lists: a click sent earlier
        // could come in while they fill.
        if (sheet) wintest::WaitUntil([&] { return IsWindowVisible(sheet) && wintest::FindControl(sheet, selectedList); }, 20s);
        return sheet;
    }
    // As the program reads it: "Default" when none is stored.
    static std::string ReadCurrentName()
    {
        HKEY key;
        char value[512] = "Default";
        if (RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Brackwen\\Tombolix2\\Config", &key) == ERROR_SUCCESS) {
            DWORD size = sizeof value;
            RegQueryValueExA(key, "Current", nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
            RegCloseKey(key);
        }
        return value;
    }
    static void Click(HWND sheet, int id) { SendMessageA(wintest::FindControl(sheet, id), BM_CLICK, 0, 0); }
    // With two sheets on the screen, the one that comes to the front can
    // take a click's press from its button before the release, as from a
    // user: the user clicks again. Each click here does the same again.
    static bool ClickUntil(HWND sheet, int id, const std::function<bool()>& done)
    {
        for (int attempt = 0; attempt < 5 && !done(); ++attempt) Click(sheet, id);
        return done();
    }
    // The command a click ends in, without the click: a screen saver that
    // takes the foreground between the button's press and release takes
    // the click with it, as it would a user's.
    static void Press(HWND sheet, int id)
    {
        HWND button = wintest::FindControl(sheet, id);
        SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    }
    // Pressed again while the page, just shown, may still be settling.
    static bool PressUntil(HWND sheet, int id, const std::function<bool()>& done)
    {
        for (int attempt = 0; attempt < 5 && !done(); ++attempt) Press(sheet, id);
        return done();
    }
    static LRESULT SelectedCount(HWND sheet)
    {
        return SendMessageA(wintest::FindControl(sheet, selectedList), LB_GETCOUNT, 0, 0);
    }
    // The names in both lists: all of them once the page has loaded its collection.
    static LRESULT ListedCount(HWND sheet)
    {
        return SendMessageA(wintest::FindControl(sheet, availableList), LB_GETCOUNT, 0, 0) + SelectedCount(sheet);
    }
    static bool Checked(HWND sheet, int id)
    {
        return SendMessageA(wintest::FindControl(sheet, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    // OK, and the process ends within the time.
    static bool Confirm(const Child& program, std::chrono::milliseconds timeout)
    {
        return wintest::AnswerSettingsSheet(program.Id(), true, 5s) && program.WaitForExit(timeout);
    }
};

TEST_F(StoredData, ThousandsOfSelectedScreenSaversAndALongFolderListSurviveOpenAndOk)
{
    std::vector<std::string> names = MakeSavers(2000);
    // Selected in the reverse of name order, with the order numbers of the
    // file's order; the folder list runs to more than 10,000 characters,
    // most of it folders that are away.
    std::string text = "[Default]\r\n";
    for (size_t i = 0; i < names.size(); ++i)
        text += names[names.size() - 1 - i] + "=2\\15\\1\\" + std::to_string(i) + "\\\r\n";
    text += "TombolixCycle=0\r\nTombolixNextToUse=0\r\n[TombolixInternal]\r\nFolders=" + many + "*";
    for (int i = 0; i < 499; ++i) text += "C:\\Savers\\Folder" + std::to_string(1000 + i) + "*";
    text += "\r\n";
    wintest::WriteCollectionsFile(text);

    Child settings("/c");
    HWND sheet = WaitForSheet(settings);
    ASSERT_TRUE(sheet);
    HWND selected = wintest::FindControl(sheet, selectedList);
    EXPECT_TRUE(wintest::WaitUntil([&] { return SelectedCount(sheet) == 2000; }, 20s)) << SelectedCount(sheet);
    wchar_t first[64] = L"";
    SendMessageW(selected, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first));
    EXPECT_STREQ(L"Screen saver 1999", first);
    EXPECT_TRUE(Confirm(settings, 60s));
    EXPECT_EQ(0u, settings.ExitCode());
    EXPECT_EQ(text, FileBytes());
}

TEST_F(StoredData, AFileThatCannotBeWrittenIsReportedAndTheSheetKeepsTheChange)
{
    fixtures.Install(wintest::WindowsFolder(), "Alpha");
    const std::string text = "[Default]\r\nAlpha=2\\15\\1\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n";
    for (bool readOnly : {true, false}) {
        wintest::WriteCollectionsFile(text);
        HANDLE held = INVALID_HANDLE_VALUE;
        if (readOnly) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
        else held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);

        Child settings("/c");
        HWND sheet = WaitForSheet(settings);
        ASSERT_TRUE(sheet);
        // The previous scenario's program, still closing, can take a click.
        ASSERT_TRUE(ClickUntil(sheet, cycleRadio, [&] { return Checked(sheet, cycleRadio); }));
        ASSERT_TRUE(wintest::AnswerSettingsSheet(settings.Id(), true, 5s));
        std::string message = wintest::AnswerMessageBox(settings.Id(), "Error", 20s);
        EXPECT_EQ("Your changes could not all be saved.\n\nThe file " + path +
                      " could not be written: it may be read-only, in use by another program, or on a full disk."
                      "\n\nYour changes are still shown: press OK to try again, or Cancel to leave them unsaved.",
                  message)
            << readOnly;
        EXPECT_FALSE(settings.WaitForExit(1s));
        EXPECT_TRUE(Checked(sheet, cycleRadio));
        EXPECT_EQ("Default", ReadCurrentName());

        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        EXPECT_EQ(text, FileBytes());
        EXPECT_TRUE(Confirm(settings, 20s));
        EXPECT_EQ("[Default]\r\nAlpha=2\\15\\1\\0\\\r\nTombolixCycle=1\r\nTombolixNextToUse=0\r\n", FileBytes());
    }
}

TEST_F(StoredData, TwoSheetsAtOnceKeepEachOthersChanges)
{
    fixtures.Install(wintest::WindowsFolder(), "Alpha");
    fixtures.Install(wintest::WindowsFolder(), "Bravo");
    wintest::WriteCollectionsFile("[Default]\r\nAlpha=2\\15\\1\\0\\\r\nBravo=2\\15\\1\\1\\\r\n"
                                  "TombolixCycle=1\r\nTombolixNextToUse=1\r\n");
    Child one("/c");
    Child other("/c");
    HWND first = WaitForSheet(one);
    HWND second = WaitForSheet(other);
    ASSERT_TRUE(first && second);
    ASSERT_TRUE(ClickUntil(first, randomRadio, [&] { return Checked(first, randomRadio); }));
    // A button of the sheet behind the other may lose its click's press:
    // the move's command itself.
    ASSERT_TRUE(PressUntil(second, moveAllBack, [&] { return SelectedCount(second) == 0; }));
    EXPECT_TRUE(Confirm(one, 20s));
    EXPECT_TRUE(Confirm(other, 20s));
    // The mode of the first, the selection of the second.
    EXPECT_EQ("[Default]\r\nAlpha=2\\15\\0\\0\\\r\nBravo=2\\15\\0\\1\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n",
              FileBytes());
}

TEST_F(StoredData, NamesAndFoldersOfAnyLengthOpenEveryPageAndAreKept)
{
    const std::string collection(600, 'c'), folder = "C:\\" + std::string(700, 'f'), blanker(900, 'b');
    const std::string text = "[" + collection + "]\r\n" + std::string(800, 'k') + "=2\\15\\1\\0\\\r\n"
                             "[TombolixInternal]\r\nFolders=" + folder + "*D:\\Kept*\r\n";
    wintest::WriteCollectionsFile(text);
    wintest::SetConfigString("Current", collection);
    wintest::SetConfigString("BlankerName", blanker);
    Child settings("/c");
    HWND sheet = WaitForSheet(settings);
    ASSERT_TRUE(sheet);
    for (int tab : {optionsTab, foldersTab}) {
        PostMessageA(sheet, PSM_SETCURSEL, tab, 0);
        ASSERT_TRUE(wintest::WaitUntil([&] { return wintest::FindControl(sheet, tab == foldersTab ? folderList : 1098) != nullptr; }, 10s));
    }
    HWND folders = wintest::FindControl(sheet, folderList);
    EXPECT_EQ(static_cast<LRESULT>(folder.size()), SendMessageA(folders, LB_GETTEXTLEN, 0, 0));
    SendMessageA(folders, LB_SETCURSEL, 0, 0);
    Click(sheet, removeFolder);
    EXPECT_EQ(1, SendMessageA(folders, LB_GETCOUNT, 0, 0));
    EXPECT_TRUE(Confirm(settings, 20s));
    EXPECT_EQ(0u, settings.ExitCode());
    // Only the folder taken out changed; the collection gains the two keys
    // it read as their defaults.
    EXPECT_EQ("[" + collection + "]\r\n" + std::string(800, 'k') + "=2\\15\\1\\0\\\r\n"
              "TombolixCycle=0\r\nTombolixNextToUse=0\r\n[TombolixInternal]\r\nFolders=D:\\Kept*\r\n",
              FileBytes());
}

TEST_F(StoredData, AnEntryNameThatIsAPathIsNeverStarted)
{
    CreateDirectoryA("C:\\Elsewhere", nullptr);
    fixtures.InstallAt("C:\\Elsewhere\\Hidden.scr");
    const std::string text = "[Default]\r\n..\\..\\Elsewhere\\Hidden=2\\15\\1\\0\\\r\nTombolixCycle=1\r\n";
    wintest::WriteCollectionsFile(text);
    Child session("/s");
    EXPECT_TRUE(session.WaitForExit(20s));
    for (const std::string& line : fixtures.Log()) EXPECT_EQ(std::string::npos, line.find("start")) << line;
    EXPECT_EQ(text, FileBytes());   // not the program's to forget either
    RemoveDirectoryA("C:\\Elsewhere");
}

// The lines of one section in the file, "" for each header seen twice.
std::vector<std::string> SectionLines(const std::string& bytes, const std::string& section, int& headers)
{
    std::vector<std::string> lines;
    headers = 0;
    bool inside = false;
    size_t at = 0;
    while (at < bytes.size()) {
        size_t end = bytes.find("\r\n", at);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(at, end - at);
        at = end + 2;
        if (!line.empty() && line[0] == '[') {
            inside = line == "[" + section + "]";
            headers += inside;
        } else if (inside) {
            lines.push_back(line);
        }
    }
    return lines;
}

TEST_F(StoredData, ASessionSwitchingEverySecondAndRepeatedLargeSavesLeaveEverySectionWholeAndOnce)
{
    fixtures.Install(wintest::SystemFolder(), "Xray");
    fixtures.Install(wintest::SystemFolder(), "Yankee");
    std::vector<std::string> names = MakeSavers(1500);
    std::string big = "[Big]\r\n";
    for (const std::string& name : names) big += name + "=2\\15\\0\\0\\\r\n";
    big += "TombolixCycle=0\r\nTombolixNextToUse=0\r\n";
    wintest::WriteCollectionsFile("[Default]\r\nXray=2\\0\\1\\0\\\r\nYankee=2\\0\\1\\1\\\r\nTombolixCycle=1\r\n" + big +
                                  "[TombolixInternal]\r\nFolders=" + many + "*\r\n");
    Child session("/s");
    ASSERT_TRUE(fixtures.WaitForLine("Xray start \"" + wintest::SystemFolder() + "\\Xray.scr\" /s", 20s));
    wintest::SetConfigString("Current", "Big");   // what the sheets show; the session keeps its own

    for (int round = 0; round < 3; ++round) {
        Child settings("/c");
        HWND sheet = WaitForSheet(settings);
        ASSERT_TRUE(sheet);
        const bool select = round % 2 == 0;
        ASSERT_TRUE(wintest::WaitUntil([&] { return ListedCount(sheet) == 1502; }, 20s)) << round;
        const LRESULT wanted = select ? 1502 : 0;
        ASSERT_TRUE(PressUntil(sheet, select ? moveAllForward : moveAllBack,
                               [&] { return SelectedCount(sheet) == wanted; }))
            << round;
        ASSERT_TRUE(Confirm(settings, 120s)) << round;

        std::string bytes = FileBytes();
        int headers = 0;
        std::vector<std::string> lines = SectionLines(bytes, "Big", headers);
        EXPECT_EQ(1, headers) << round;
        // The session's two screen savers are found too: new keys at the end.
        names.resize(1500);
        ASSERT_EQ(1504u, lines.size()) << round;
        const std::string selectedFlag = select ? "1" : "0";
        for (size_t i = 0; i < 1500; ++i)
            ASSERT_EQ(names[i] + "=2\\15\\" + selectedFlag + "\\" + std::to_string(i) + "\\", lines[i]) << round;
        EXPECT_EQ("TombolixCycle=0", lines[1500]);
        EXPECT_EQ("Xray=2\\15\\" + selectedFlag + "\\1500\\", lines[1502]) << round;
        EXPECT_EQ("Yankee=2\\15\\" + selectedFlag + "\\1501\\", lines[1503]) << round;
        lines = SectionLines(bytes, "Default", headers);
        EXPECT_EQ(1, headers) << round;
        ASSERT_EQ(4u, lines.size()) << round;
        EXPECT_EQ("Xray=2\\0\\1\\0\\", lines[0]);
        EXPECT_EQ("Yankee=2\\0\\1\\1\\", lines[1]);
        EXPECT_EQ("TombolixCycle=1", lines[2]);
        EXPECT_EQ(0u, lines[3].rfind("TombolixNextToUse=", 0));
        lines = SectionLines(bytes, "TombolixInternal", headers);
        EXPECT_EQ(1, headers) << round;
        EXPECT_EQ(std::vector<std::string>{"Folders=" + many + "*"}, lines);
    }
    EXPECT_TRUE(session.Running());
    // It goes on switching, and the saves it went through broke nothing of it.
    EXPECT_TRUE(wintest::WaitUntil([&] {
        size_t starts = 0;
        for (const std::string& line : fixtures.Log()) starts += line.find(" start") != std::string::npos;
        return starts >= 3;
    }, 10s));
}

// Only a difference is written to the file the sheet read: a file deleted,
// or put back as another copy, gets everything the sheet shows instead.
TEST_F(StoredData, AFileDeletedOrReplacedUnderTheSheetGetsEverythingItShowsAndANote)
{
    const std::vector<std::string> names = MakeSavers(2);
    const std::string folders = "[TombolixInternal]\r\nFolders=" + many + "*\r\n";
    const std::string shown = "[Default]\r\n" + names[0] + "=1\\10\\1\\0\\\r\n" + names[1] +
                              "=2\\15\\0\\0\\\r\nTombolixCycle=1\r\nTombolixNextToUse=0\r\n";
    for (const std::string& replacement : {std::string(), std::string("[Other]\r\nx=1\r\n")}) {
        wintest::WriteCollectionsFile("[Default]\r\n" + names[0] + "=1\\10\\1\\0\\\r\nTombolixCycle=1\r\n" + folders);
        Child program("/c");
        ASSERT_TRUE(WaitForSheet(program));
        // Another copy is moved in while the file is still there, as a
        // restore does: a file made after the deletion could take the
        // freed file number on some file systems.
        if (replacement.empty()) {
            DeleteFileA(path.c_str());
        } else {
            wintest::WriteFileBytes(path + ".copy", replacement);
            MoveFileExA((path + ".copy").c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
        }
        ASSERT_TRUE(wintest::AnswerSettingsSheet(program.Id(), true, 5s));
        EXPECT_EQ("The file " + wintest::WindowsFolder() +
                      "\\Tombolix2.ini was missing or had been replaced while these settings were open.\n\n"
                      "Everything shown for the collections you opened, and the extra folders, has been written "
                      "to it again.",
                  wintest::AnswerMessageBox(program.Id(), "Note", 10s));
        EXPECT_TRUE(program.WaitForExit(10s));
        // The collections before the folders, as in any file written from nothing.
        EXPECT_EQ(replacement + shown + folders, FileBytes());
    }
}

// Files edited by hand, as the profile functions read them: a plain OK
// leaves every byte, and what it reads stays what the user wrote.
TEST_F(StoredData, APlainOkLeavesAHandEditedFileByteForByte)
{
    CreateDirectoryA(many.c_str(), nullptr);
    for (const char* name : {"Alpha", "Beta", "Clock"}) {
        created.push_back(many + "\\" + name + ".scr");
        wintest::WriteFileBytes(created.back(), "");
    }
    // Every found screen saver has its key and the collection both of its
    // own: nothing is left for a plain OK to add.
    const std::string rest = "Beta=2\\15\\0\\0\\\r\nTombolixNextToUse=0\r\n[TombolixInternal]\r\nFolders=" + many + "*\r\n";
    const struct {
        const char* what;
        std::string collection, text;
    } files[] = {
        {"a byte-order mark and a name in UTF-8", "N\xFCit",
         "\xEF\xBB\xBF[N\xC3\xBCit]\r\nAlpha=1\\10\\1\\0\\\r\nClock=0\\5\\0\\0\\\r\nTombolixCycle=1\r\n" + rest},
        {"blanks the platforms trim otherwise", "Default",
         "[Default]\r\n\vAlpha=1\\10\\1\\0\\\r\nClock\f=2\\5\\0\\1\\\r\nTombolixCycle=0\r\n" + rest},
        {"the cycle flag in other letters", "Default",
         "[Default]\r\nAlpha=1\\10\\1\\0\\\r\nClock=0\\5\\0\\0\\\r\ntombolixcycle=1\r\n" + rest},
        {"one key in two spellings", "Default",
         "[Default]\r\nALPHA=1\\10\\1\\0\\\r\nClock=0\\5\\0\\0\\\r\nAlpha=2\\15\\0\\0\\\r\nTombolixCycle=0\r\n" + rest},
        {"a remark after a value", "Default",
         "[Default]\r\nAlpha=1\\10\\1\\0\\ ; my favourite\r\nClock=0\\5\\0\\0\\\r\nTombolixCycle=0\r\n" + rest},
        {"a section twice", "Night",
         "[Night]\r\nAlpha=1\\10\\1\\0\\\r\nClock=0\\5\\0\\0\\\r\nTombolixCycle=0\r\n" + rest +
             "[night]\r\nClock=1\\10\\1\\0\\\r\n"},
    };
    for (const auto& file : files) {
        wintest::WriteCollectionsFile(file.text);
        wintest::SetConfigString("Current", file.collection);
        Child program("/c");
        HWND sheet = WaitForSheet(program);
        ASSERT_TRUE(sheet) << file.what;
        EXPECT_TRUE(wintest::WaitUntil([&] { return SelectedCount(sheet) == 1; }, 5s)) << file.what;
        ASSERT_TRUE(Confirm(program, 10s)) << file.what;
        EXPECT_EQ(file.text, FileBytes()) << file.what;
    }
}

}  // namespace
