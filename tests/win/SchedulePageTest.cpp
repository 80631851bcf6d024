// The Schedule page: its rules as the file holds them, a rule added,
// refused, moved and stored at OK, the line of the collection in effect,
// and a deleted collection that takes its rules along.
#include "collections/Schedule.h"

#include "SettingsPagesFixture.h"

namespace {

using wintest::Answered;

const char* const twoCollections = "[Day]\r\nClock=2\\15\\1\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n"
                                   "[Night]\r\nClock=2\\15\\1\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n";

// Fills in the rule dialog and presses OK; the message boxes that OK
// showed, each answered with OK, are added to seen.
wintest::Responder FillRule(const std::string& collection, const std::string& from, const std::string& to,
                            std::vector<Answered>& seen)
{
    return [=, &seen](HWND dialog, Answered&) {
        wintest::ChooseInDropDown(GetDlgItem(dialog, IDC_RULE_COLLECTION), collection);
        wintest::Retype(GetDlgItem(dialog, IDC_RULE_FROM), from);
        wintest::Retype(GetDlgItem(dialog, IDC_RULE_TO), to);
        std::vector<Answered> boxes =
            wintest::AnsweringEach(wintest::PressOk(), [&] { wintest::Click(GetDlgItem(dialog, IDOK)); });
        seen.insert(seen.end(), boxes.begin(), boxes.end());
        // A refused time leaves the dialog open: the evening's times then.
        if (IsWindow(dialog)) {
            wintest::Retype(GetDlgItem(dialog, IDC_RULE_FROM), "22:00");
            wintest::Retype(GetDlgItem(dialog, IDC_RULE_TO), "24:00");
            wintest::Click(GetDlgItem(dialog, IDOK));
        }
    };
}

TEST_F(SettingsPagesTest, ARuleAddedAndMovedIsStoredAtOkWithTheSwitch)
{
    Install(windows, {"Clock"});
    wintest::WriteCollectionsFile(std::string(twoCollections) + "[TombolixInternal]\r\nScheduleRule1=62,540,1020,Gone\r\n");
    wintest::SetConfigString("Current", "Day");
    StartApp();
    std::vector<Answered> refusals;
    ShowSheet([&] {
        ASSERT_TRUE(OpenPage(scheduleTab));
        HWND rules = ScheduleControl(IDC_SCHEDULE_RULES);
        EXPECT_EQ((Texts{"Gone (missing, skipped)\tMon-Fri\t09:00-17:00"}), wintest::ListItems(rules));
        EXPECT_EQ("The schedule is not followed: the collection chosen on the Collections page, Day, is used.",
                  wintest::WindowText(ScheduleControl(IDC_SCHEDULE_NOW)));
        EXPECT_FALSE(IsWindowEnabled(ScheduleControl(IDC_MOVE_RULE_UP)));

        wintest::Click(ScheduleControl(IDC_FOLLOW_SCHEDULE));
        const std::string now = wintest::WindowText(ScheduleControl(IDC_SCHEDULE_NOW));
        EXPECT_EQ(0u, now.find("Now (")) << now;
        EXPECT_NE(std::string::npos, now.find("): no rule holds; the collection chosen on the Collections page, Day, is used."))
            << now;

        wintest::Answering({FillRule("Night", "25:00", "06:00", refusals)},
                           [&] { wintest::Click(ScheduleControl(IDC_ADD_RULE)); });
        EXPECT_EQ((Texts{"Gone (missing, skipped)\tMon-Fri\t09:00-17:00", "Night\tEvery day\t22:00-00:00"}),
                  wintest::ListItems(rules));
        wintest::Click(ScheduleControl(IDC_MOVE_RULE_UP));
        EXPECT_EQ("Night\tEvery day\t22:00-00:00", wintest::ListItems(rules)[0]);
        EXPECT_TRUE(IsWindowEnabled(ScheduleControl(IDC_MOVE_RULE_DOWN)));
        PressOk();
    });
    ASSERT_EQ(1u, refusals.size());
    EXPECT_EQ("Please type a time of day as hours and minutes, from 00:00 to 24:00, for example 06:00 or 22:30.",
              refusals[0].text);
    EXPECT_EQ(std::string(twoCollections) + "[TombolixInternal]\r\nScheduleRule1=127,1320,0,Night\r\n"
                                             "ScheduleRule2=62,540,1020,Gone\r\n",
              FileBytes());
    EXPECT_EQ("1", Option("FollowSchedule"));
}

TEST_F(SettingsPagesTest, ADeletedCollectionTakesItsRulesAndTheSheetSaysSo)
{
    Install(windows, {"Clock"});
    wintest::WriteCollectionsFile(std::string(twoCollections) +
                                  "[TombolixInternal]\r\nScheduleRule1=127,1320,360,Night\r\nScheduleRule2=62,0,0,Day\r\n"
                                  "ScheduleRule3=62,0,0,night\r\n");
    wintest::SetConfigString("Current", "Night");
    StartApp();
    ShowSheet([&] {
        std::vector<Answered> seen = wintest::Answering({wintest::PressOk()}, [&] { Click(IDC_DELETE); });
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ("Rules 1 and 3 of the schedule named Night: they are removed with the collection.", seen[0].text);
        ASSERT_TRUE(OpenPage(scheduleTab));
        EXPECT_EQ(Texts{"Day\tMon-Fri\tAll day"}, wintest::ListItems(ScheduleControl(IDC_SCHEDULE_RULES)));
        PressOk();
    });
    EXPECT_EQ("[Day]\r\nClock=2\\15\\1\\0\\\r\nTombolixCycle=0\r\nTombolixNextToUse=0\r\n[TombolixInternal]\r\nScheduleRule1=62,0,0,Day\r\n", FileBytes());
    // Cancel keeps every rule: nothing was deleted.
    wintest::WriteCollectionsFile(std::string(twoCollections) + "[TombolixInternal]\r\nScheduleRule1=127,0,0,Night\r\n");
    wintest::SetConfigString("Current", "Night");
    app.reset();
    ShowSheet([&] {
        EXPECT_EQ(1u, wintest::Answering({wintest::PressOk()}, [&] { Click(IDC_DELETE); }).size());
        PressCancel();
    });
    EXPECT_EQ(std::string(twoCollections) + "[TombolixInternal]\r\nScheduleRule1=127,0,0,Night\r\n", FileBytes());
}

}  // namespace
