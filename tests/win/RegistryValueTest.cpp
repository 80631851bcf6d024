// Registry values longer than any first guess, read by the one reader and by
// every reader of the program that goes through it.
#include "os/RegistryValue.h"

#include "WinTestSupport.h"
#include "os/SystemServices.h"
#include "framework/WinApp.h"
#include "tray/AutoStart.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const char* const companyKey = "Software\\TombolixTests";
const char* const appKey = "Software\\TombolixTests\\Reader";
const char* const sectionKey = "Software\\TombolixTests\\Reader\\Values";

struct LongRegistryValues : ::testing::Test {
    HKEY key = nullptr;
    const std::string text = std::string(5000, 't');
    const std::string fits = std::string(1023, 'f');   // 1,024 bytes with its end
    const std::wstring wide = std::wstring(2000, L'\u00e9');

    void SetUp() override
    {
        RegCreateKeyA(HKEY_CURRENT_USER, sectionKey, &key);
        Set("long", REG_SZ, text + '\0');
        Set("fits", REG_SZ, fits + '\0');
        Set("path", REG_EXPAND_SZ, "%SystemRoot%\\" + std::string(1500, 'p') + '\0');
        RegSetValueExW(key, L"wide", 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                       static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
    }
    void TearDown() override
    {
        RegCloseKey(key);
        for (const char* path : {sectionKey, appKey, companyKey}) RegDeleteKeyA(HKEY_CURRENT_USER, path);
    }
    void Set(const char* name, DWORD type, const std::string& bytes)
    {
        RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
    }
};

TEST_F(LongRegistryValues, AreReadWholeUpToTheCallersLimit)
{
    const RegistryValue whole = ReadRegistryValue(key, "long");
    EXPECT_EQ(ERROR_SUCCESS, whole.result);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), whole.type);
    EXPECT_EQ(text + '\0', whole.bytes);
    const RegistryValue path = ReadRegistryValue(key, "path");
    EXPECT_EQ(static_cast<DWORD>(REG_EXPAND_SZ), path.type);
    EXPECT_EQ("%SystemRoot%\\" + std::string(1500, 'p'), path.TextToEnd());

    // A limit reads as a buffer of that size would: the value fits or fails.
    EXPECT_EQ(fits + '\0', ReadRegistryValue(key, "fits", 1024).bytes);
    const RegistryValue cut = ReadRegistryValue(key, "fits", 1023);
    EXPECT_EQ(ERROR_MORE_DATA, cut.result);
    EXPECT_EQ("", cut.bytes);

    const RegistryValue missing = ReadRegistryValue(key, "missing");
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, missing.result);
    EXPECT_EQ("", missing.bytes);

    const RegistryValue utf16 = ReadRegistryValue(key, L"wide");
    ASSERT_EQ((wide.size() + 1) * sizeof(wchar_t), utf16.bytes.size());
    EXPECT_EQ(0, memcmp(wide.c_str(), utf16.bytes.data(), utf16.bytes.size()));
}

TEST_F(LongRegistryValues, ReachTheProgramsReadersInFull)
{
    EXPECT_EQ(fits, ReadRegistryString(HKEY_CURRENT_USER, sectionKey, "fits"));

    CWinApp app;
    app.m_appName = "Reader";
    app.SetRegistryKey("TombolixTests");
    EXPECT_EQ(text, app.GetProfileString("Values", "long", "default"));
    EXPECT_EQ("default", app.GetProfileString("Values", "missing", "default"));
    std::string utf8;
    for (size_t i = 0; i < wide.size(); ++i) utf8 += "\xc3\xa9";
    EXPECT_EQ(utf8, app.GetProfileUtf8String("Values", "wide"));
    EXPECT_EQ("", app.GetProfileUtf8String("Values", "missing"));
    EXPECT_EQ(7, app.GetProfileInt("Values", "long", 7));

    // The longest start-up folder that reads, 259 characters and the end.
    const std::string folder = "C:\\" + std::string(256, 's');
    wintest::StartupFolderOverride startup(folder);
    EXPECT_EQ(folder, GetStartupFolder().value_or("(none)"));
}

}  // namespace
