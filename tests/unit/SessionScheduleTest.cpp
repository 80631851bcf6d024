// A session that follows the schedule: the clock is read at every turn, the
// collection in effect changes with the rule that holds, and each
// collection keeps its own position.
#include "session/Session.h"

#include "collections/Schedule.h"

#include "base/Random.h"
#include "fakes/FakeProfileFile.h"
#include "fakes/FakeSessionHost.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Texts = std::vector<std::string>;

struct ScheduledSession : ::testing::Test {
    FakeProfileFile file;
    FakeSessionHost host;
    CRandom random{1};
    SessionRules rules;

    // "Day" by day, "Evening" from 18:00 to 19:00; a second rule, all day,
    // names a collection that is gone. Every turn lasts a minute.
    std::unique_ptr<CSession> Start(int monitors)
    {
        file.SetText("[Day]\r\nA=2\\1\\1\\0\\\r\nB=2\\1\\1\\1\\\r\nTombolixCycle=1\r\n"
                     "[Evening]\r\nC=2\\1\\1\\0\\\r\nD=2\\1\\1\\1\\\r\nE=2\\1\\1\\2\\\r\nTombolixCycle=1\r\n"
                     "[TombolixInternal]\r\nScheduleRule1=127,1080,1140,evening\r\nScheduleRule2=127,0,0,Gone\r\n");
        rules.monitors = monitors;
        for (const char* name : {"A", "B", "C", "D", "E"}) host.scripts[name] = ChildScript{{}, 0, {}, true};
        host.localStartMinutes = 1440 + 17 * 60 + 58;   // a Monday at 17:58
        auto load = [this](const std::string& name) {
            auto collection = std::make_unique<CCollection>(name, file);
            collection->Load(false);
            return collection;
        };
        const LocalTime now = host.LocalNow();
        auto session = std::make_unique<CSession>(host, random, rules,
                                                  load(CollectionInEffect(file, true, "Day", now).collection));
        session->FollowSchedule({ReadSchedule(file), ListCollectionNames(file), "Day"}, load);
        EXPECT_TRUE(session->Begin());
        return session;
    }
    void PassUntilLaunches(CSession& session, size_t count)
    {
        for (int seconds = 0; host.launches.size() < count && seconds < 600; ++seconds) host.PassSeconds(session, 1);
        ASSERT_EQ(count, host.launches.size());
    }
    Texts ScheduleTrace() const
    {
        Texts lines;
        for (const std::string& line : host.trace)
            if (line.rfind("schedule: ", 0) == 0) lines.push_back(line);
        return lines;
    }
};

TEST_F(ScheduledSession, OverTheDesktopTheNextTurnAfterTheChangeComesFromTheNewCollection)
{
    auto session = Start(1);
    PassUntilLaunches(*session, 4);
    EXPECT_EQ((Texts{"A", "B", "C", "D"}), host.launches);
    EXPECT_EQ("0", file.ReadString("Day", "TombolixNextToUse", ""));
    EXPECT_EQ("2", file.ReadString("Evening", "TombolixNextToUse", ""));

    // Clocks forward an hour: the evening's rule is over, and the day's
    // collection goes on where it was.
    host.localShiftMinutes = 60;
    PassUntilLaunches(*session, 5);
    EXPECT_EQ("A", host.launches.back());
    // And back: the evening's goes on where it was.
    host.localShiftMinutes = 0;
    PassUntilLaunches(*session, 6);
    EXPECT_EQ("E", host.launches.back());
    EXPECT_EQ((Texts{"schedule: Day from 17:58 (no rule holds)", "schedule: Evening from 18:00 (rule 1)",
                     "schedule: Day from 19:02 (no rule holds)", "schedule: Evening from 18:03 (rule 1)"}),
              ScheduleTrace());
}

TEST_F(ScheduledSession, OnTwoMonitorsEachNextScreenSaverComesFromTheNewCollection)
{
    auto session = Start(2);
    PassUntilLaunches(*session, 6);
    EXPECT_EQ((Texts{"A on 1", "B on 2", "A on 1", "B on 2", "C on 1", "D on 2"}), host.hosted);
    EXPECT_EQ((Texts{"schedule: Day from 17:58 (no rule holds)", "schedule: Evening from 18:00 (rule 1)"}),
              ScheduleTrace());
}

}  // namespace
