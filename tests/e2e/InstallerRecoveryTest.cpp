// The setup and its uninstaller where a run could go wrong unseen: a folder
// that cannot hold Tombolix, an install whose entry among the installed
// programs is gone, and the removal of everything the user stored.
#include "InstallerFixture.h"

namespace {

using namespace installertest;

TEST_F(Installer, AFolderThatCannotBeUsedIsRefusedAndNothingIsInstalled)
{
    const std::string windows = wintest::WindowsFolder(), collections = windows + "\\Tombolix2.ini";
    for (const std::string& folder : {std::string("Q:\\Tombolix"), windows + "\\win.ini\\Tombolix", std::string("Tombolix")}) {
        EXPECT_EQ(9u, Install("/S /D=" + folder)) << folder;
        EXPECT_FALSE(Exists(system + "\\Tombolix2.scr")) << folder;
        EXPECT_FALSE(Exists(system + "\\Blank Screen.scr")) << folder;
        EXPECT_FALSE(Exists(installed)) << folder;
        EXPECT_FALSE(Exists(collections)) << folder;
        EXPECT_FALSE(wintest::KeyExists(HKEY_LOCAL_MACHINE, uninstallKey)) << folder;
        EXPECT_EQ("(missing)", RegistryText(HKEY_CURRENT_USER, configKey, "InstallFolder")) << folder;
    }
    // Run by hand, it says why.
    wintest::Child shown(wintest::SetupPath(), "/D=" + windows + "\\win.ini\\Tombolix");
    EXPECT_EQ("Tombolix cannot be installed in " + windows + "\\win.ini\\Tombolix: " + windows + "\\win.ini is a file.",
              wintest::AnswerMessageBox(shown.Id(), "Tombolix Screensaver Setup", 20s));
    ASSERT_TRUE(shown.WaitForExit(30s));
    EXPECT_EQ(9u, shown.ExitCode());
    EXPECT_FALSE(Exists(installed));
}

TEST_F(Installer, AnInstallWhoseEntryIsGoneIsRepairedByTheSetupAndRemovedByItsUninstaller)
{
    ASSERT_EQ(0u, Install());
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(HKEY_LOCAL_MACHINE, uninstallKey));
    // Its files are the setup's own, told by the help page beside them.
    ASSERT_EQ(0u, Install());
    EXPECT_EQ(installed, RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "InstallLocation"));
    EXPECT_EQ("\"" + uninstaller + "\" /S", RegistryText(HKEY_LOCAL_MACHINE, uninstallKey, "QuietUninstallString"));

    ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(HKEY_LOCAL_MACHINE, uninstallKey));
    EXPECT_EQ(0u, Uninstall());
    EXPECT_TRUE(wintest::WaitUntil([&] { return !Exists(installed); }, 30s));
    EXPECT_FALSE(Exists(system + "\\Tombolix2.scr"));
    EXPECT_FALSE(Exists(system + "\\Blank Screen.scr"));
    EXPECT_EQ("(missing)", wintest::ReadProfileString("system.ini", "boot", "SCRNSAVE.EXE"));
    EXPECT_EQ("(missing)", RegistryText(HKEY_CURRENT_USER, configKey, "InstallFolder"));
}

// Each of the collections' three ways back would show in the file at the
// next start: the save record puts [Saved] back, the VirtualStore copy
// [Night], the previous version's file [Old].
TEST_F(Installer, RemovingTheCollectionsAndSettingsLeavesNothingToComeBackAfterAReinstall)
{
    ASSERT_EQ(0u, Install());
    const std::string windows = wintest::WindowsFolder(), collections = windows + "\\Tombolix2.ini";
    const std::string brackwen = ShellFolder(CSIDL_APPDATA) + "\\Brackwen";
    const std::string record = brackwen + "\\Tombolix2\\Tombolix2.ini.saving";
    const std::string copy = wintest::VirtualStoreFolder() + "\\Tombolix2.ini";
    // Gone however the scenario ends, for the scenarios after it.
    struct Leftovers {
        std::vector<std::string> paths;
        ~Leftovers() { for (const std::string& path : paths) DeleteFileA(path.c_str()); }
    } leftovers{{windows + "\\Tombolix.ini", copy, record, record + ".new", record + ".void"}};
    wintest::WriteCollectionsFile("[Evening]\r\nAquarium=1\\10\\1\\0\\\r\n");
    wintest::SetConfigString("Current", "Evening");
    wintest::SetConfigInt("OlderFileImported", 1);
    wintest::SetConfigInt("VirtualStoreAdopted", 1);
    CreateDirectoryA(brackwen.c_str(), nullptr);
    CreateDirectoryA((brackwen + "\\Tombolix2").c_str(), nullptr);
    wintest::WriteFileBytes(record, "Tombolix save record: present\r\n[Saved]\r\nClock=1\\10\\1\\0\\\r\n");
    wintest::WriteFileBytes(record + ".new", "cut off");
    wintest::WriteFileBytes(record + ".void", "");
    wintest::WriteFileBytes(copy, "[Night]\r\nClock=1\\10\\1\\0\\\r\n");
    wintest::WriteFileBytes(windows + "\\Tombolix.ini", "[Old]\r\nclock=7\\1\\20\\1\\\r\n");

    {
        // What stays in use fails the run, and Tombolix stays listed.
        HeldFile held(record + ".void");
        EXPECT_EQ(4u, Uninstall(installed, "/S /REMOVESETTINGS"));
        EXPECT_TRUE(Exists(uninstaller));
        EXPECT_TRUE(wintest::KeyExists(HKEY_LOCAL_MACHINE, uninstallKey));
    }
    EXPECT_EQ(0u, Uninstall(installed, "/S /REMOVESETTINGS"));
    for (const std::string& path : {collections, record, record + ".new", record + ".void", copy, brackwen})
        EXPECT_FALSE(Exists(path)) << path;

    ASSERT_EQ(0u, Install());
    EXPECT_TRUE(wintest::RunStartBesideASession(30s, system + "\\Tombolix2.scr"));
    EXPECT_EQ("", wintest::ReadFileBytes(collections));
    EXPECT_FALSE(Exists(copy));
    EXPECT_EQ("(missing)", RegistryText(HKEY_CURRENT_USER, configKey, "Current"));
    EXPECT_EQ(1u, RegistryNumber(HKEY_CURRENT_USER, configKey, "OlderFileImported"));
    EXPECT_EQ(1u, RegistryNumber(HKEY_CURRENT_USER, configKey, "VirtualStoreAdopted"));
}

#ifdef _WIN64
// The 32-bit setup on 64-bit Windows names the 64-bit one and leaves
// everything as it was: no file, no entry, no setting, in either view.
TEST_F(Installer, TheThirtyTwoBitSetupChangesNothingOnSixtyFourBitWindows)
{
    const std::string setup = wintest::Shipped32Folder() + "\\TombolixSetup.exe";
    const std::string desktop = RegistryText(HKEY_CURRENT_USER, "Control Panel\\Desktop", "SCRNSAVE.EXE");
    const std::string boot = wintest::ReadProfileString("system.ini", "boot", "SCRNSAVE.EXE");
    auto nothingInstalled = [&](const char* run) {
        for (const std::string& folder : {system, wintest::SystemWow64Folder()})
            for (const char* file : {"\\Tombolix2.scr", "\\Blank Screen.scr"})
                EXPECT_FALSE(Exists(folder + file)) << run << folder << file;
        for (int programs : {CSIDL_PROGRAM_FILES, CSIDL_PROGRAM_FILESX86})
            EXPECT_FALSE(Exists(ShellFolder(programs) + "\\Tombolix")) << run << programs;
        EXPECT_FALSE(wintest::KeyExists(HKEY_LOCAL_MACHINE, uninstallKey)) << run;
        EXPECT_FALSE(wintest::KeyExists(HKEY_LOCAL_MACHINE,
                                        "Software\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Tombolix"))
            << run;
        EXPECT_FALSE(wintest::KeyExists(HKEY_CURRENT_USER, "Software\\Brackwen\\Tombolix2")) << run;
        EXPECT_EQ(desktop, RegistryText(HKEY_CURRENT_USER, "Control Panel\\Desktop", "SCRNSAVE.EXE")) << run;
        EXPECT_EQ(boot, wintest::ReadProfileString("system.ini", "boot", "SCRNSAVE.EXE")) << run;
    };

    wintest::Child silent(setup, "/S");
    ASSERT_TRUE(silent.WaitForExit(60s));
    EXPECT_EQ(7u, silent.ExitCode());
    nothingInstalled("/S: ");
    // Run by hand, it says which setup to run.
    wintest::Child shown(setup, "");
    EXPECT_EQ("This is the setup for 32-bit Windows. On 64-bit Windows, run TombolixSetup64.exe: it installs the "
              "64-bit Tombolix, which finds every screen saver of the computer, and keeps your collections and options.",
              wintest::AnswerMessageBox(shown.Id(), "Tombolix Screensaver Setup", 20s));
    ASSERT_TRUE(shown.WaitForExit(30s));
    EXPECT_EQ(7u, shown.ExitCode());
    nothingInstalled("by hand: ");
}
#endif

}  // namespace
