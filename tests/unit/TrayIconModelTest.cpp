#include "tray/TrayIconModel.h"

#include "session/SystemCommands.h"
#include "tray/StartupShortcut.h"

#include <gtest/gtest.h>

namespace {

struct Update {
    ShellOperation operation;
    uint32_t parts;
};

// Plans an update and reports the shell's answer to the model.
Update Apply(CTrayIconModel& model, bool iconGiven, bool succeeded = true, bool tipEmpty = false)
{
    ShellRequest request = model.PlanUpdate(iconGiven, tipEmpty, true);
    model.Applied(request, succeeded);
    return {request.operation, request.parts};
}

TEST(TrayIcon, IsAddedOnceThenModifiedThenDeleted)
{
    CTrayIconModel model;
    Update add = Apply(model, true);
    EXPECT_EQ(ShellOperation::Add, add.operation);
    EXPECT_EQ(static_cast<uint32_t>(PartIcon | PartTip | PartMessage), add.parts);
    EXPECT_TRUE(model.IsShown());
    EXPECT_EQ(ShellOperation::Modify, Apply(model, true).operation);
    Update remove = Apply(model, false);
    EXPECT_EQ(ShellOperation::Delete, remove.operation);
    EXPECT_EQ(static_cast<uint32_t>(PartTip | PartMessage), remove.parts);
    EXPECT_FALSE(model.IsShown());
    EXPECT_EQ(ShellOperation::None, Apply(model, false).operation);
}

TEST(TrayIcon, NeverShownMeansNoShellCallToRemoveIt)
{
    CTrayIconModel model;
    EXPECT_EQ(ShellOperation::None, model.PlanUpdate(false, false, true).operation);
}

TEST(TrayIcon, AFailedAddIsTriedAgainAtTheNextShow)
{
    CTrayIconModel model;
    EXPECT_EQ(ShellOperation::Add, Apply(model, true, false).operation);
    EXPECT_FALSE(model.IsShown());
    EXPECT_EQ(ShellOperation::Add, Apply(model, true).operation);
    EXPECT_EQ(ShellOperation::Modify, Apply(model, true, false).operation);
    EXPECT_EQ(ShellOperation::Add, Apply(model, true).operation);   // a failed change drops the shown state too
}

TEST(TrayIcon, AnEmptyTipLeavesTheShownTipAlone)
{
    CTrayIconModel model;
    Apply(model, true);
    Update change = Apply(model, true, true, true);
    EXPECT_EQ(ShellOperation::Modify, change.operation);
    EXPECT_EQ(static_cast<uint32_t>(PartIcon | PartMessage), change.parts);
    EXPECT_EQ(static_cast<uint32_t>(PartIcon), model.PlanUpdate(true, true, false).parts);
}

TEST(TrayIcon, LeftClicksRunTheCommandAtMostOnceASecond)
{
    CTrayIconModel model;
    const int64_t t = 1765000000;
    EXPECT_TRUE(model.AcceptLeftClick(t));
    EXPECT_FALSE(model.AcceptLeftClick(t));       // same second
    EXPECT_FALSE(model.AcceptLeftClick(t + 1));   // next second
    EXPECT_TRUE(model.AcceptLeftClick(t + 2));
    EXPECT_FALSE(model.AcceptLeftClick(t + 3));
    EXPECT_TRUE(model.AcceptLeftClick(t + 5));

    CTrayIconModel early;
    EXPECT_TRUE(early.AcceptLeftClick(2));        // the very first click always runs
}

TEST(SystemCommands, TheSessionRefusesCloseAndScreenSaveAndTheTrayOnlyWhileDisabled)
{
    EXPECT_TRUE(SessionSwallowsSystemCommand(0xF060));
    EXPECT_TRUE(SessionSwallowsSystemCommand(0xF140));
    EXPECT_FALSE(SessionSwallowsSystemCommand(0xF061));   // not masked
    EXPECT_FALSE(SessionSwallowsSystemCommand(0xF020));
    EXPECT_FALSE(TraySwallowsSystemCommand(0xF140, false));
    EXPECT_TRUE(TraySwallowsSystemCommand(0xF140, true));
    EXPECT_FALSE(TraySwallowsSystemCommand(0xF060, true));
}

TEST(StartupShortcut, FollowsThePlatformAndThePathLimit)
{
    using Keys = std::vector<std::string>;
    EXPECT_EQ((Keys{"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Explorer\\Shell Folders",
                    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"}),
              ShellFolderKeys(2));
    EXPECT_EQ((Keys{"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"}), ShellFolderKeys(1));
    EXPECT_TRUE(ShellFolderKeys(3).empty());

    EXPECT_EQ("C:\\Start\\Tombolix2.lnk", StartupShortcutPath("C:\\Start", "Tombolix2").value());
    std::string folder(245, 'f');   // + "\Tombolix2.lnk" = 259
    EXPECT_EQ(259u, StartupShortcutPath(folder, "Tombolix2").value().size());
    EXPECT_FALSE(StartupShortcutPath(folder + "f", "Tombolix2").has_value());
}

TEST(TrayIcon, TheTipNamesTheCollectionWithinTheShellsLength)
{
    EXPECT_EQ("Run screensaver - Night", TrayTip("Run screensaver", "Night"));
    EXPECT_EQ("Run screensaver", TrayTip("Run screensaver", ""));
    const std::string tip = TrayTip("Run screensaver", std::string(200, 'n'));
    EXPECT_EQ(127u, tip.size());
    EXPECT_EQ("Run screensaver - " + std::string(106, 'n') + "...", tip);
}

}  // namespace
