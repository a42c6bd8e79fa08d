// assists_test.cpp: a slower game is the same game further apart in time; hazards that
// forgive send the player back to its last ground; an assisted finish keeps no best time.
#include "engine/platform/platform_scripted.h"
#include "game/gameplay/player.h"
#include "game/saves/best_times.h"
#include "tests/keep/kept_folder.h"
#include "tools/replay/replay_runner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace
{
struct Frame
{
    Vec2 position;
    bool grounded;
    ReplayEvent event;
};

class Frames : public ReplayObserver
{
  public:
    void OnInit(uint64_t) override { ++inits; }
    void OnFrame(uint64_t, const Player* player, ReplayEvent event) override
    {
        frames.push_back({player ? player->position : Vec2{}, Grounded, event});
        clock = ScriptedClockSeconds();
    }
    int64_t First(ReplayEvent event) const
    {
        for (size_t f = 0; f < frames.size(); ++f)
            if (frames[f].event == event) return static_cast<int64_t>(f);
        return -1;
    }
    std::vector<Frame> frames;
    int inits = 0;
    double clock = 0.0;
};

std::string Level1Replay()
{
    std::ifstream file(std::string(VANTARA_REPLAYS) + "/7.txt");
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

Frames Run(ReplaySetup setup, const std::string& script)
{
    std::string error;
    EXPECT_TRUE(ParseScript(script, "script", &setup.script, &error, nullptr, &setup.header))
        << error;
    Frames frames;
    RunReplay(setup, &frames);
    return frames;
}

Frames PlayLevel(GameStateId state, const std::string& script, bool paced = false)
{
    ReplaySetup setup;
    setup.state = state;
    setup.pacedByClock = paced;
    return Run(setup, script);
}

Frames PlayArena(const std::string& arena, const std::string& script, bool forgive)
{
    ReplaySetup setup;
    std::string error;
    EXPECT_TRUE(ParseArena(arena, "arena", &setup.arena, &error)) << error;
    setup.useArena = true;
    setup.frames = 150;
    return Run(setup, (forgive ? "assists forgive=1\n" : "") + script);
}
} // namespace

TEST(Assists, AtHalfSpeedALevelTakesTwiceTheWallTimeWithTheSameFrames)
{
    const Frames full = PlayLevel(7, Level1Replay(), true);
    const Frames half = PlayLevel(7, "assists speed=50\n" + Level1Replay(), true);
    ASSERT_GE(full.First(REPLAY_COMPLETE), 0);
    ASSERT_EQ(half.frames.size(), full.frames.size());
    for (size_t f = 0; f < full.frames.size(); ++f)
    {
        ASSERT_EQ(half.frames[f].position.x, full.frames[f].position.x) << "frame " << f;
        ASSERT_EQ(half.frames[f].position.y, full.frames[f].position.y) << "frame " << f;
        ASSERT_EQ(half.frames[f].event, full.frames[f].event) << "frame " << f;
    }
    EXPECT_NEAR(full.clock, full.frames.size() / 60.0, full.clock * 0.01);
    EXPECT_NEAR(half.clock / full.clock, 2.0, 0.02) << full.clock << " s, then " << half.clock;
}

TEST(Assists, HazardsThatForgiveSendThePlayerBackToTheLastGroundItStoodOn)
{
    const std::string floor = "14 0 -500 1920 100 Floor\nplayer -300 -410\n";
    const struct
    {
        const char* what;
        std::string arena, script;
    } cases[] = {
        {"spikes ahead", floor + "4 0 -430 100 40 Spikes\n", "0 D 0 0 0\n"},
        {"lava ahead", floor + "15 0 -445 200 10 Lava\n", "0 D 0 0 0\n"},
        {"an enemy ahead", floor + "enemy 100 -410 80 80 50 150 0\n", "0 D 0 0 0\n"},
        {"spikes jumped onto", floor + "4 0 -430 100 40 Spikes\n",
         "0 D 0 0 0\n30 D+SPACE 0 0 0\n31 D 0 0 0\n"},
        {"a fall out of the level", "14 -600 -500 800 100 Floor\nplayer -500 -410\n",
         "0 D 0 0 0\n"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        const Frames lost = PlayArena(c.arena, c.script, false);
        const int64_t death = lost.First(REPLAY_DIED);
        ASSERT_GT(death, 0) << "without the assist, the player dies there";
        const Frames kept = PlayArena(c.arena, c.script, true);
        EXPECT_EQ(kept.First(REPLAY_DIED), -1);
        EXPECT_EQ(kept.First(REPLAY_RESTART), -1);
        EXPECT_EQ(kept.inits, 1) << "no restart";
        int64_t stood = death - 1;
        while (stood >= 0 && !kept.frames[stood].grounded) --stood;
        ASSERT_GE(stood, 0);
        EXPECT_EQ(kept.frames[death].position.x, kept.frames[stood].position.x);
        EXPECT_EQ(kept.frames[death].position.y, kept.frames[stood].position.y);
    }
}

class AssistsKept : public KeptFolderTest
{
};

TEST_F(AssistsKept, AnAssistedFinishLeavesTheBestTimesUntouched)
{
    for (const char* assists : {"assists speed=90\n", "assists forgive=1\n"})
    {
        SCOPED_TRACE(assists);
        LoadBestTimes();
        ASSERT_GE(PlayLevel(7, assists + Level1Replay()).First(REPLAY_COMPLETE), 0);
        EXPECT_EQ(BestFrames(1), 0u);
        EXPECT_FALSE(FileExists(data + "/vantara/best_times.ini"));
    }
    PlayLevel(7, Level1Replay());
    EXPECT_GT(BestFrames(1), 0u) << "unassisted, the same finish is a best time";
}
