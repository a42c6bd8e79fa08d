// timer_test.cpp: the timer counts what the best times count, to the frame, and the win screen
// sets each level's time of a run from Level 1 beside its best.
#include "game/frontend/text_line.h"
#include "game/levels/level_timer.h"
#include "game/saves/best_times.h"
#include "tests/keep/kept_folder.h"
#include "tools/replay/replay_runner.h"

#include "tests/levels/committed_replay.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace
{
// What the timer read at each finish, and the words of the win screen's table.
class Finishes : public ReplayObserver
{
  public:
    void OnInit(uint64_t) override
    {
        table.clear();
        for (const GameObject* object : ObjectRegistry)
            if (object->name == "run_split")
                if (const TextLine* line = dynamic_cast<const TextLine*>(object))
                    table.push_back(line->text);
    }
    void OnFrame(uint64_t frame, const Player*, ReplayEvent event) override
    {
        if (event != REPLAY_COMPLETE) return;
        finishedAt.push_back(frame);
        levels.push_back(LevelNumber(CurrentStateId));
        timer.push_back(ReadTimer().levelFrames);
        run = ReadTimer().runFrames;
    }
    std::vector<uint64_t> finishedAt;
    std::vector<int> levels;
    std::vector<uint32_t> timer;
    uint64_t run = 0;
    std::vector<std::string> table;
};

Finishes Play(GameStateId level, const std::vector<ScriptLine>& script, int64_t frames = -1)
{
    ReplaySetup setup;
    setup.state = level;
    setup.script = script;
    setup.frames = frames;
    setup.timer = TIMER_RUN;
    Finishes finishes;
    RunReplay(setup, &finishes);
    return finishes;
}

class Timer : public KeptFolderTest
{
};
} // namespace

TEST_F(Timer, TheTimerAndTheBestTimesAgreeToTheFrameOnTheCommittedReplays)
{
    // Level 1 to Level 9 as one run from Play: each level's replay, from the frame it was
    // entered, and the win screen after the last.
    std::vector<ScriptLine> chain;
    uint64_t start = 0;
    for (GameStateId level = 7; level <= 15; ++level)
    {
        const std::vector<ScriptLine> script = CommittedReplay(level);
        const Finishes alone = Play(level, script);
        ASSERT_FALSE(alone.finishedAt.empty()) << level;
        const uint64_t finish = alone.finishedAt.front();
        for (ScriptLine line : script)
        {
            if (line.frame > finish) break;
            line.frame += start;
            chain.push_back(line);
        }
        start += finish + 1;
    }
    LoadBestTimes();
    const Finishes run = Play(7, chain, static_cast<int64_t>(start + 2));
    ASSERT_EQ(run.levels.size(), 9u);
    uint64_t total = 0;
    for (size_t i = 0; i < run.levels.size(); ++i)
    {
        SCOPED_TRACE("Level " + std::to_string(run.levels[i]));
        EXPECT_EQ(run.levels[i], static_cast<int>(i) + 1);
        EXPECT_EQ(run.timer[i], BestFrames(run.levels[i])) << "the timer at the exit is the best time";
        total += run.timer[i];
    }
    EXPECT_EQ(run.run, total) << "a run without a death: its total is its splits'";

    // The win screen: a header, then for each level its name, its time in the run and its best,
    // then the run's total and the best times' sum.
    ASSERT_EQ(run.table.size(), 2u + 3u * LEVEL_COUNT + 3u);
    for (int level = 1; level <= LEVEL_COUNT; ++level)
    {
        const size_t row = 2 + 3 * static_cast<size_t>(level - 1);
        EXPECT_EQ(run.table[row], "Level " + std::to_string(level));
        EXPECT_EQ(run.table[row + 1], FormatFrames(BestFrames(level)));
        EXPECT_EQ(run.table[row + 2], FormatFrames(BestFrames(level)));
    }
    EXPECT_EQ(run.table[2 + 3 * LEVEL_COUNT + 1], FormatFrames(total));
    EXPECT_EQ(run.table[2 + 3 * LEVEL_COUNT + 2], FormatFrames(TotalBestFrames()));

    // Level 2 alone is no run: its time is timed, but no table follows it anywhere.
    const Finishes alone = Play(8, CommittedReplay(8));
    ASSERT_EQ(alone.timer.size(), 1u);
    EXPECT_EQ(alone.timer[0], BestFrames(2));
    EXPECT_EQ(alone.run, 0u);
}
