// level_replays_test.cpp: every level can be finished. Each level's committed replay reaches
// its exit with no death on the way, alone, and Level_1 to Level_9 one after another in one
// run, as a player going through the game would.
#include "tools/replay/replay_runner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace
{
constexpr int STILL_OPENING = 45; // frames without input at the start of every replay

std::vector<ScriptLine> ReadReplay(GameStateId level)
{
    const std::string path = std::string(VANTARA_REPLAYS) + "/" + std::to_string(level) + ".txt";
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    std::vector<ScriptLine> lines;
    std::string error;
    EXPECT_TRUE(file.good() && ParseScript(text.str(), path, &lines, &error)) << path << " " << error;
    return lines;
}

// The frames on which levels were finished or lost, and the state each ended in.
class Progress : public ReplayObserver
{
  public:
    void OnInit(uint64_t) override {}
    void OnFrame(uint64_t frame, const Player*, ReplayEvent event) override
    {
        if (event == REPLAY_COMPLETE)
        {
            completed.push_back(frame);
            nextStates.push_back(NextStateId);
        }
        if (event == REPLAY_DIED) deaths.push_back(frame);
    }
    std::vector<uint64_t> completed, deaths;
    std::vector<GameStateId> nextStates;
};

Progress Play(GameStateId level, const std::vector<ScriptLine>& script, int64_t frames = -1)
{
    ReplaySetup setup;
    setup.state = level;
    setup.script = script;
    setup.frames = frames;
    Progress progress;
    RunReplay(setup, &progress);
    return progress;
}
} // namespace

TEST(LevelReplays, EachLevelIsFinishedByItsReplayWithoutADeath)
{
    for (GameStateId level = 3; level <= 15; ++level)
    {
        SCOPED_TRACE("level state " + std::to_string(level));
        const std::vector<ScriptLine> script = ReadReplay(level);
        ASSERT_FALSE(script.empty());
        for (const ScriptLine& line : script)
        {
            if (line.frame >= STILL_OPENING) break;
            EXPECT_TRUE(line.input.keys == 0 && !line.input.leftButton) << "frame " << line.frame;
        }
        const Progress progress = Play(level, script);
        ASSERT_FALSE(progress.completed.empty());
        EXPECT_TRUE(progress.deaths.empty()) << "died on frame " << progress.deaths.front();
    }
}

TEST(LevelReplays, LevelsOneToNineAreFinishedOneAfterAnother)
{
    // Each level's replay, shifted to start on the frame its level was entered.
    std::vector<ScriptLine> chain;
    uint64_t start = 0;
    for (GameStateId level = 7; level <= 15; ++level)
    {
        const std::vector<ScriptLine> script = ReadReplay(level);
        const Progress alone = Play(level, script);
        ASSERT_FALSE(alone.completed.empty()) << level;
        const uint64_t finish = alone.completed.front();
        for (ScriptLine line : script)
        {
            if (line.frame > finish) break; // the next level takes over from here
            line.frame += start;
            chain.push_back(line);
        }
        start += finish + 1;
    }
    const Progress progress = Play(7, chain, static_cast<int64_t>(start));
    EXPECT_TRUE(progress.deaths.empty());
    const std::vector<GameStateId> expected = {8, 9, 10, 11, 12, 13, 14, 15, GS_WIN_SCREEN};
    EXPECT_EQ(progress.nextStates, expected);
}
