// The start-up shortcut against the real shell-link object and registry.
#include "tray/AutoStart.h"

#include "WinTestSupport.h"
#include "app/App.h"
#include "collections/Settings.h"
#include "os/ComInit.h"

#include <gtest/gtest.h>

#include <objidl.h>
#include <shlobj.h>

namespace {

const char* const runKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

struct LinkContents {
    std::string path, arguments, description;
};

LinkContents ReadLink(const std::string& linkPath)
{
    LinkContents contents;
    CoInitialize(nullptr);
    IShellLinkA* link = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            WCHAR widePath[MAX_PATH] = {};
            MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, widePath, MAX_PATH);
            if (SUCCEEDED(file->Load(widePath, STGM_READ))) {
                char text[MAX_PATH] = "";
                link->GetPath(text, MAX_PATH, nullptr, 0);
                contents.path = text;
                link->GetArguments(text, MAX_PATH);
                contents.arguments = text;
                link->GetDescription(text, MAX_PATH);
                contents.description = text;
            }
            file->Release();
        }
        link->Release();
    }
    CoUninitialize();
    return contents;
}

std::string ReadValue(HKEY root, const char* key, const char* name)
{
    char value[1024] = "";
    DWORD size = sizeof value;
    HKEY opened;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return "(none)";
    LONG result = RegQueryValueExA(opened, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(opened);
    return result == ERROR_SUCCESS ? value : "(none)";
}

void WriteValue(HKEY root, const char* key, const char* name, const std::string& value)
{
    HKEY opened;
    RegCreateKeyA(root, key, &opened);
    if (value == "(none)") RegDeleteValueA(opened, name);
    else RegSetValueExA(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1));
    RegCloseKey(opened);
}

struct AutoStart : ::testing::Test {
    // As the application object starts it for the sheet and the resident instance.
    CComInit com;
    std::string folder = "C:\\TombolixStartup";
    std::string link = folder + "\\Tombolix2.lnk";
    wintest::StartupFolderOverride startupFolder{folder};
    ProgramOptions settings;

    void SetUp() override
    {
        g_appTitle = "Tombolix2";
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    void TearDown() override
    {
        WriteValue(HKEY_LOCAL_MACHINE, runKey, "Tombolix2", "(none)");
        DeleteFileA(link.c_str());
        RemoveDirectoryA(folder.c_str());
    }
    bool LinkExists() const { return GetFileAttributesA(link.c_str()) != INVALID_FILE_ATTRIBUTES; }
};

TEST_F(AutoStart, InstallsAShortcutToTheRunningProgram)
{
    EXPECT_EQ(folder, GetStartupFolder().value());
    ApplyAutoStart(settings);
    ASSERT_TRUE(LinkExists());
    char program[MAX_PATH];
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    LinkContents contents = ReadLink(link);
    EXPECT_EQ(0, lstrcmpiA(program, contents.path.c_str())) << contents.path;
    EXPECT_EQ("/tray", contents.arguments);
    EXPECT_EQ("Shortcut to Tombolix2.scr", contents.description);
}

TEST_F(AutoStart, RemovesTheShortcutAndTheRunValueWithoutTheTray)
{
    ApplyAutoStart(settings);
    ASSERT_TRUE(LinkExists());
    WriteValue(HKEY_LOCAL_MACHINE, runKey, "Tombolix2", "C:\\old.scr");
    settings.useTray = false;
    ApplyAutoStart(settings);
    EXPECT_FALSE(LinkExists());
    EXPECT_EQ("(none)", ReadValue(HKEY_LOCAL_MACHINE, runKey, "Tombolix2"));
    ApplyAutoStart(settings);   // nothing left to remove is no error
    EXPECT_FALSE(LinkExists());

    settings.useTray = true;
    settings.autoStart = false;
    wintest::WriteFileBytes(link, "");
    ApplyAutoStart(settings);
    EXPECT_FALSE(LinkExists());
}

TEST_F(AutoStart, AStartupFolderTooLongToReadChangesNothing)
{
    startupFolder.Set(std::string(260, 'x'));
    EXPECT_FALSE(GetStartupFolder().has_value());
    WriteValue(HKEY_LOCAL_MACHINE, runKey, "Tombolix2", "C:\\old.scr");
    settings.useTray = false;
    ApplyAutoStart(settings);
    EXPECT_EQ("C:\\old.scr", ReadValue(HKEY_LOCAL_MACHINE, runKey, "Tombolix2"));
    settings.useTray = true;
    ApplyAutoStart(settings);
    EXPECT_FALSE(LinkExists());
}

}  // namespace
