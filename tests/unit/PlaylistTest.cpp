// The live preview's turns, over the same hosting as a monitor's.
#include "session/Playlist.h"

#include "fakes/FakeSessionHost.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;
constexpr int64_t watchMs = 250;

struct PlaylistTest : ::testing::Test {
    FakeSessionHost host;

    void Allow(const Texts& names, ChildScript script = {{}, 0, {}, true})
    {
        for (const std::string& name : names) host.scripts[name] = script;
    }
    // Watches for the time, as the preview does, noting the most copies
    // that ever ran at once.
    size_t Watch(CPlaylist& playlist, int64_t ms)
    {
        size_t most = host.Running();
        for (int64_t passed = 0; passed < ms; passed += watchMs) {
            host.Pass(playlist, watchMs, watchMs);
            most = std::max(most, host.Running());
        }
        return most;
    }
};

TEST_F(PlaylistTest, TurnsOfEightSecondsInListOrderPassingOverOnesThatCannotPreview)
{
    Allow({"A", "B"});
    Allow({"Old"}, {{}, {}, {}, true, false});   // opens a window of its own and stays
    CPlaylist playlist(host, {"A", "Old", "Gone", "B"});
    playlist.Tick();
    EXPECT_EQ(Texts{"A"}, host.launches);
    EXPECT_EQ(1u, Watch(playlist, 8000));
    EXPECT_EQ((Texts{"window gone at 8s", "close at 8s"}), host.children[0].received);
    Watch(playlist, 250);
    EXPECT_EQ((Texts{"A", "Old"}), host.launches);
    Watch(playlist, 3000);   // Old showed nothing in 3 s: ended, and Gone is passed over
    EXPECT_EQ((Texts{"ended at 11s"}), host.children[1].received);
    Watch(playlist, 250);
    EXPECT_EQ((Texts{"A", "Old", "Gone", "B"}), host.launches);
    Watch(playlist, 16500);   // neither Old nor Gone is tried again
    EXPECT_EQ((Texts{"A", "Old", "Gone", "B", "A", "B"}), host.launches);
    EXPECT_EQ("Old cannot preview", host.trace[3]);
}

TEST_F(PlaylistTest, OneThatOutlivesItsTurnIsEndedAndNeverRunsTwice)
{
    Allow({"Hung"}, {{}, {}, {}, true});
    Allow({"B"});
    CPlaylist playlist(host, {"Hung", "B"});
    playlist.Tick();
    EXPECT_EQ(1u, Watch(playlist, 40000));
    EXPECT_EQ((Texts{"window gone at 8s", "close at 8s", "ended at 10s"}), host.children[0].received);
    EXPECT_EQ((Texts{"Hung", "B", "Hung", "B"}), Texts(host.launches.begin(), host.launches.begin() + 4));
}

TEST_F(PlaylistTest, ALoneOneRunsOnAndOneThatEndsByItselfStartsAgainOnceATurn)
{
    {
        // Gone is tried once, at the end of the first turn.
        Allow({"Lone"});
        CPlaylist lone(host, {"Lone", "Gone"});
        lone.Tick();
        Watch(lone, 30000);
        EXPECT_EQ((Texts{"Lone", "Gone", "Lone"}), host.launches);
        EXPECT_EQ(1u, host.Running());
    }
    host = FakeSessionHost();
    Allow({"Brief"}, {1000, 0, {}, true});
    CPlaylist brief(host, {"Brief"});
    brief.Tick();
    Watch(brief, 16000);
    EXPECT_EQ(3u, host.launches.size());
    EXPECT_EQ(8000, host.children[1].startMs);
}

TEST_F(PlaylistTest, ThousandsOfMissingOnesNeverHoldATickLong)
{
    Allow({"Last"});
    host.failedLaunchMs = 5;
    Texts names(5000, "Missing");
    names.push_back("Last");
    CPlaylist playlist(host, names);
    int64_t longest = 0;
    for (int ticks = 0; !playlist.IsPlaying() && ticks < 1000; ++ticks) {
        const int64_t before = host.nowMs;
        playlist.Tick();
        longest = std::max(longest, host.nowMs - before);
        host.nowMs += watchMs;
    }
    EXPECT_TRUE(playlist.IsPlaying());
    EXPECT_LE(longest, 155);
    EXPECT_EQ("Last", host.launches.back());
}

TEST_F(PlaylistTest, AResizedPictureReplaysTheSameOneAndTheEndEndsItAtOnce)
{
    Allow({"A", "B"});
    CPlaylist playlist(host, {"A", "B"});
    playlist.Tick();
    Watch(playlist, 2000);
    playlist.Replay();
    Watch(playlist, 500);
    EXPECT_EQ((Texts{"A", "A"}), host.launches);
    EXPECT_EQ((Texts{"ended at 2s"}), host.children[0].received);
    playlist.End();
    EXPECT_EQ(0u, host.Running());
}

}  // namespace
