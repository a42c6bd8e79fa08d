// ghost_test.cpp: Level 1's best run is kept as a recording that the runner plays to the very
// places it was run in, the ghost shows those places frame of play by frame of play, and the
// game prints the same with the ghost on or off.
#include "game/gameplay/player.h"
#include "game/levels/ghost_run.h"
#include "game/levels/level_timer.h"
#include "game/saves/best_runs.h"
#include "game/saves/best_times.h"
#include "tests/keep/kept_folder.h"
#include "tools/replay/replay_json.h"
#include "tools/replay/replay_runner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>

namespace
{
// The runner's output, and by frame of play where the player and the ghost were.
class Watched : public JsonReplayWriter
{
  public:
    explicit Watched(FILE* out) : JsonReplayWriter(out) {}
    void OnFrame(uint64_t frame, const Player* player, ReplayEvent event) override
    {
        JsonReplayWriter::OnFrame(frame, player, event);
        const uint32_t played = ReadTimer().levelFrames;
        if (player && played > 0) live[played] = player->position;
        Vec2 at;
        if (GhostPosition(&at)) ghost[played] = at;
    }
    std::map<uint32_t, Vec2> live, ghost;
};

struct Played
{
    std::string bytes;
    std::map<uint32_t, Vec2> live, ghost;
};

Played Play(const ReplaySetup& setup)
{
    LoadBestTimes();
    char* buffer = nullptr;
    size_t size = 0;
    FILE* out = open_memstream(&buffer, &size);
    Watched watched(out);
    RunReplay(setup, &watched);
    std::fclose(out);
    Played played = {std::string(buffer, size), watched.live, watched.ghost};
    std::free(buffer);
    return played;
}

ReplaySetup LevelOne(const std::string& script, bool ghost)
{
    ReplaySetup setup;
    setup.state = LevelState(1);
    std::string error;
    EXPECT_TRUE(ParseScript(script, "script", &setup.script, &error, nullptr, &setup.header)) << error;
    setup.ghost = ghost;
    return setup;
}

class Ghost : public KeptFolderTest
{
};
} // namespace

TEST_F(Ghost, TheBestRunIsKeptReplaysExactlyAndTheGhostShowsItWithoutTouchingTheGame)
{
    const std::string replay = ReadFile(std::string(VANTARA_REPLAYS) + "/7.txt");
    const Played first = Play(LevelOne(replay, false));
    ASSERT_NE(BestFrames(1), 0u) << "the replay finishes Level 1";

    // The kept run: a recording the runner plays from the level's start, through the same
    // places frame of play by frame of play, to the exit in the best time.
    BestRun run;
    ASSERT_EQ(ParseBestRun(ReadFile(data + "/vantara/best_run_1.txt"), &run), 0);
    ASSERT_EQ(run.track.size(), BestFrames(1));
    const Played again = Play(LevelOne(ReadFile(data + "/vantara/best_run_1.txt"), false));
    for (uint32_t frame = 1; frame <= run.track.size(); ++frame)
    {
        ASSERT_EQ(again.live.at(frame).x, run.track[frame - 1].position.x) << frame;
        ASSERT_EQ(again.live.at(frame).y, run.track[frame - 1].position.y) << frame;
    }

    // Played again with the ghost on and off: the same bytes; the ghost at every frame of play
    // where the best run was then.
    const Played on = Play(LevelOne(replay, true));
    const Played off = Play(LevelOne(replay, false));
    EXPECT_TRUE(on.bytes == off.bytes) << "the ghost changes what the runner prints";
    EXPECT_TRUE(off.ghost.empty());
    ASSERT_EQ(on.ghost.size(), run.track.size());
    for (const auto& [frame, at] : on.ghost)
    {
        ASSERT_EQ(at.x, first.live.at(frame).x) << frame;
        ASSERT_EQ(at.y, first.live.at(frame).y) << frame;
    }

    // A damaged run shows no ghost, and says so.
    WriteFile(data + "/vantara/best_run_1.txt", "0 - 0 0 0\n#at 1 2 3\n");
    testing::internal::CaptureStderr();
    EXPECT_TRUE(Play(LevelOne(replay, true)).ghost.empty());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("best_run_1.txt is damaged at line 2"),
              std::string::npos);
}
