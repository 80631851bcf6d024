#include "os/SystemServices.h"

#include "WinTestSupport.h"
#include "collections/Settings.h"
#include "framework/WinApp.h"
#include "os/PrivateProfileFile.h"
#include "framework/RegistrySettingsStore.h"

#include <gtest/gtest.h>

#include <future>

namespace {

const char* const testKey = "Software\\TombolixTests";

struct RegistryValues : ::testing::Test {
    HKEY key = nullptr;
    void SetUp() override { RegCreateKeyA(HKEY_CURRENT_USER, testKey, &key); }
    void TearDown() override
    {
        RegCloseKey(key);
        RegDeleteKeyA(HKEY_CURRENT_USER, testKey);
    }
    void Set(const char* name, DWORD type, const void* data, DWORD size)
    {
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    }
};

TEST_F(RegistryValues, AreReadAsTextOrNumberAndAnythingElseIsEmpty)
{
    DWORD one = 1, minusTwo = static_cast<DWORD>(-2);
    Set("dword", REG_DWORD, &one, sizeof one);
    Set("negative", REG_DWORD, &minusTwo, sizeof minusTwo);
    Set("text", REG_SZ, "0", 2);
    Set("binary", REG_BINARY, "\x01\x00\x00\x00", 4);
    Set("expand", REG_EXPAND_SZ, "%TEMP%", 7);
    std::string tooLong(1500, 'x');
    Set("long", REG_SZ, tooLong.c_str(), static_cast<DWORD>(tooLong.size() + 1));
    // Odd sizes: only what the registry returned counts.
    Set("oneByte", REG_DWORD, "\x01", 1);
    Set("eightBytes", REG_DWORD, "\x01\x00\x00\x00\x00\x00\x00\x00", 8);
    // Wine ends a text itself when the caller's buffer has room; one that
    // fills the whole buffer comes back without its end.
    std::string filling(1024, 'u');
    Set("unterminated", REG_SZ, filling.c_str(), static_cast<DWORD>(filling.size()));
    Set("emptyText", REG_SZ, "", 0);

    EXPECT_EQ("1", ReadRegistryString(HKEY_CURRENT_USER, testKey, "dword"));
    EXPECT_EQ("-2", ReadRegistryString(HKEY_CURRENT_USER, testKey, "negative"));
    EXPECT_EQ("0", ReadRegistryString(HKEY_CURRENT_USER, testKey, "text"));
    EXPECT_EQ("", ReadRegistryString(HKEY_CURRENT_USER, testKey, "binary"));
    EXPECT_EQ("", ReadRegistryString(HKEY_CURRENT_USER, testKey, "expand"));
    EXPECT_EQ("", ReadRegistryString(HKEY_CURRENT_USER, testKey, "long"));
    EXPECT_EQ("", ReadRegistryString(HKEY_CURRENT_USER, testKey, "missing"));
    EXPECT_EQ("", ReadRegistryString(HKEY_CURRENT_USER, testKey, "oneByte"));
    EXPECT_EQ("", ReadRegistryString(HKEY_CURRENT_USER, testKey, "eightBytes"));
    EXPECT_EQ("", ReadRegistryString(HKEY_CURRENT_USER, testKey, "unterminated"));
    EXPECT_EQ("", ReadRegistryString(HKEY_CURRENT_USER, testKey, "emptyText"));
    EXPECT_EQ("", ReadRegistryString(HKEY_CURRENT_USER, "Software\\TombolixNoSuchKey", "dword"));
}

TEST_F(RegistryValues, AreDeletedOneByOne)
{
    DWORD one = 1;
    Set("gone", REG_DWORD, &one, sizeof one);
    EXPECT_EQ(ERROR_SUCCESS, DeleteRegistryValue(HKEY_CURRENT_USER, testKey, "gone"));
    EXPECT_EQ("", ReadRegistryString(HKEY_CURRENT_USER, testKey, "gone"));
    EXPECT_NE(ERROR_SUCCESS, DeleteRegistryValue(HKEY_CURRENT_USER, "Software\\TombolixNoSuchKey", "gone"));
}

TEST(ProductVersion, ComesFromTheVersionResource)
{
    EXPECT_EQ("2.0.4.1", GetProductVersion());
}

TEST(PlatformId, IsTheNtFamily)
{
    EXPECT_EQ(static_cast<DWORD>(VER_PLATFORM_WIN32_NT), GetPlatformId());
}

// The Help button's page, opened through the shell's association for
// ".htm", which the tests point at a program of their own.
struct Help : ::testing::Test {
    CWinApp app;
    const std::string folder = "C:\\TombolixHelp";
    wintest::Fixtures fixtures;
    const std::string viewer = wintest::ProgramFolder() + "\\PageViewer.exe";

    void SetUp() override
    {
        app.m_appName = "Tombolix2";
        app.SetRegistryKey("Brackwen");
        wintest::ClearStoredSettings();
        CreateDirectoryA(folder.c_str(), nullptr);
        wintest::WriteFileBytes(folder + "\\Tombolix.htm", "<html></html>");
        fixtures.InstallAt(viewer);
    }
    void TearDown() override
    {
        DeleteFileA((folder + "\\Tombolix.htm").c_str());
        RemoveDirectoryA(folder.c_str());
        wintest::ClearStoredSettings();
    }
    // Presses Help with this InstallFolder; the error box's text, "" when none came.
    std::string ShowHelpFrom(const std::string& installFolder)
    {
        wintest::SetConfigString("InstallFolder", installFolder);
        CRegistrySettingsStore store(app);
        CPrivateProfileFile file("Tombolix2.ini");
        CSettings settings(store, file);
        auto answer = std::async(std::launch::async, [] {
            return wintest::AnswerMessageBox(GetCurrentProcessId(), "Error", std::chrono::seconds(3));
        });
        ShowHelp(settings.GetInstallFolder());
        return answer.get();
    }
};

TEST_F(Help, OpensThePageInTheInstallFolderWithItsBackslash)
{
    wintest::ShellOpenOverride browser(".htm", viewer);
    EXPECT_EQ("", ShowHelpFrom(folder + "\\"));
    EXPECT_TRUE(fixtures.WaitForLine("PageViewer start \"" + viewer + "\" \"" + folder + "\\Tombolix.htm\"",
                                     std::chrono::seconds(10)));
}

TEST_F(Help, ReportsAPageItCannotFindOrOpen)
{
    // Without the backslash the folder's name runs into the file's.
    EXPECT_EQ("Sorry, could not find help file C:\\TombolixHelpTombolix.htm. It may be installed in another folder.",
              ShowHelpFrom(folder));
    EXPECT_EQ("Sorry, could not find help file Tombolix.htm. It may be installed in another folder.", ShowHelpFrom(""));
    wintest::ShellOpenOverride brokenBrowser(".htm", "C:\\NoSuchBrowser.exe");
    EXPECT_EQ("Sorry, could not launch browser to view help file C:\\TombolixHelp\\Tombolix.htm",
              ShowHelpFrom(folder + "\\"));
    EXPECT_TRUE(fixtures.Log().empty());
}

TEST(Note, IsAnInformationBoxCaptionedNote)
{
    auto answer = std::async(std::launch::async, [] {
        return wintest::AnswerMessageBox(GetCurrentProcessId(), "Note", std::chrono::seconds(10));
    });
    ShowNote("Hello");
    EXPECT_EQ("Hello", answer.get());
}

TEST(Files, ExistOrNot)
{
    EXPECT_TRUE(FileExists(wintest::WindowsFolder()));
    EXPECT_TRUE(FileExists(wintest::SystemFolder() + "\\kernel32.dll"));
    EXPECT_FALSE(FileExists(wintest::WindowsFolder() + "\\no-such-file.htm"));
}

}  // namespace
