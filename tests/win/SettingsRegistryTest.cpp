#include "collections/Settings.h"

#include "WinTestSupport.h"
#include "framework/WinApp.h"
#include "os/PrivateProfileFile.h"
#include "framework/RegistrySettingsStore.h"

#include "SettingsDefaults.h"

#include <gtest/gtest.h>

namespace {

// The stored value's type and its text.
std::pair<DWORD, std::string> StoredValue(const char* name)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Brackwen\\Tombolix2\\Config", 0, KEY_READ, &key)) return {};
    BYTE data[256] = {};
    DWORD type = 0, size = sizeof data;
    RegQueryValueExA(key, name, nullptr, &type, data, &size);
    RegCloseKey(key);
    if (type == REG_DWORD) return {type, std::to_string(*reinterpret_cast<int32_t*>(data))};
    return {type, reinterpret_cast<char*>(data)};
}

struct SettingsInRegistry : ::testing::Test {
    CWinApp app;
    CRegistrySettingsStore store{app};
    CPrivateProfileFile collectionsFile{"Tombolix2.ini"};

    void SetUp() override
    {
        app.m_appName = "Tombolix2";
        app.SetRegistryKey("Brackwen");
        wintest::ClearStoredSettings();
    }
    void TearDown() override { wintest::ClearStoredSettings(); }
};

TEST_F(SettingsInRegistry, AFreshUserReadsEveryDefault)
{
    CSettings settings(store, collectionsFile);
    ExpectDefaultSettings(settings, store);
}

TEST_F(SettingsInRegistry, AreStoredAsDwordsAndTextsAndReadBack)
{
    {
        CSettings settings(store, collectionsFile);
        ProgramOptions edited;
        edited.useTray = false;
        edited.autoStart = false;
        edited.blankerName = "Starfield";
        edited.blankerMinutes = -3;
        edited.useBlanker = true;
        edited.saverPerMonitor = false;
        edited.folders = {"D:\\Savers"};
        EXPECT_FALSE(settings.Apply(ProgramOptions(), edited).Any());
        WriteCurrentName(store, "Night");
    }
    using Stored = std::pair<DWORD, std::string>;
    EXPECT_EQ(Stored(REG_DWORD, "0"), StoredValue("UseTray"));
    EXPECT_EQ(Stored(REG_DWORD, "0"), StoredValue("AutoStart"));
    EXPECT_EQ(Stored(REG_DWORD, "-3"), StoredValue("BlankerMinutes"));
    EXPECT_EQ(Stored(REG_SZ, "Starfield"), StoredValue("BlankerName"));
    EXPECT_EQ(Stored(REG_DWORD, "0"), StoredValue("SaverPerMonitor"));
    EXPECT_EQ(Stored(REG_SZ, "Night"), StoredValue("Current"));

    CSettings again(store, collectionsFile);
    EXPECT_FALSE(again.Values().useTray);
    EXPECT_TRUE(again.Values().autoStart);   // stored 0, never read
    EXPECT_TRUE(again.Values().useBlanker);
    EXPECT_EQ(-3, again.Values().blankerMinutes);
    EXPECT_EQ("Starfield", again.Values().blankerName);
    EXPECT_FALSE(again.Values().saverPerMonitor);
    EXPECT_EQ(std::vector<std::string>{"D:\\Savers"}, again.Values().folders);
    EXPECT_EQ("Night", ReadCurrentName(store));
    EXPECT_EQ("[TombolixInternal]\r\nFolders=D:\\Savers*\r\n",
              wintest::ReadFileBytes(wintest::WindowsFolder() + "\\Tombolix2.ini"));
}

TEST_F(SettingsInRegistry, ValuesOfAnotherTypeReadAsTheirDefaults)
{
    wintest::SetConfigString("UseTray", "0");
    wintest::SetConfigInt("BlankerName", 5);
    CSettings settings(store, collectionsFile);
    EXPECT_TRUE(settings.Values().useTray);
    EXPECT_EQ("Blank Screen", settings.Values().blankerName);
}

TEST_F(SettingsInRegistry, RemovingEverythingLeavesOnlyTheCompanyKey)
{
    CSettings settings(store, collectionsFile);
    ProgramOptions edited;
    edited.useTray = false;
    edited.folders = {"D:\\Savers"};
    settings.Apply(ProgramOptions(), edited);
    ASSERT_TRUE(wintest::KeyExists(HKEY_CURRENT_USER, "Software\\Brackwen\\Tombolix2\\Config"));

    EXPECT_FALSE(settings.RemoveAllStoredSettings().Any());
    EXPECT_FALSE(wintest::KeyExists(HKEY_CURRENT_USER, "Software\\Brackwen\\Tombolix2"));
    EXPECT_TRUE(wintest::KeyExists(HKEY_CURRENT_USER, "Software\\Brackwen"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((wintest::WindowsFolder() + "\\Tombolix2.ini").c_str()));

    CSettings fresh(store, collectionsFile);
    EXPECT_TRUE(fresh.Values().folders.empty());
    EXPECT_TRUE(fresh.Values().useTray);
}

}  // namespace
