// whole_game_test.cpp: the game from its first logo to the win screen and out, as one replay:
// both logos skipped, Play, the nine levels finished one after another through their committed
// replays, Space on the win screen, then Quit and Yes in the main menu.
#include "tests/frontend/frontend_harness.h"

#include <fstream>
#include <sstream>

namespace
{
std::vector<ScriptLine> LevelReplay(GameStateId level)
{
    const std::string path = std::string(VANTARA_REPLAYS) + "/" + std::to_string(level) + ".txt";
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    std::vector<ScriptLine> lines;
    std::string error;
    EXPECT_TRUE(ParseScript(text.str(), path, &lines, &error)) << error;
    return lines;
}

// The frame on which a level's replay, played alone, finishes it.
uint64_t FinishingFrame(GameStateId level, const std::vector<ScriptLine>& script)
{
    class Finish : public ReplayObserver
    {
      public:
        void OnInit(uint64_t) override {}
        void OnFrame(uint64_t frame, const Player*, ReplayEvent event) override
        {
            if (event == REPLAY_COMPLETE && !done) done = true, at = frame;
        }
        bool KeepGoing() override { return !done; }
        bool done = false;
        uint64_t at = 0;
    } finish;
    ReplaySetup setup;
    setup.state = level;
    setup.script = script;
    RunReplay(setup, &finish);
    EXPECT_TRUE(finish.done) << "level " << level;
    return finish.at;
}

// The replay's lines up to the frame that finishes its level, shifted to start at `offset`.
void Append(std::string& script, std::vector<ScriptLine> lines, uint64_t offset, uint64_t finish)
{
    for (ScriptLine& line : lines)
    {
        if (line.frame > finish) break;
        line.frame += offset;
        script += FormatScriptLine(line);
    }
}
} // namespace

TEST(WholeGame, FromTheFirstLogoThroughAllNineLevelsToTheWinScreenAndOut)
{
    // Two presses skip the logos; Play pressed on frame 9 enters Level_1 on frame 10, whose
    // replay lets the button go.
    std::string script = Press(1, "ESC") + Press(3, "ESC") + "9 - -375 -175 1\n";
    uint64_t start = 10;
    for (GameStateId level = 7; level <= 15; ++level)
    {
        const std::vector<ScriptLine> replay = LevelReplay(level);
        const uint64_t finish = FinishingFrame(level, replay);
        Append(script, replay, start, finish);
        start += finish + 1;
    }
    // The win screen from `start`: Space, then Quit and Yes in the menu.
    script += Press(start + 30, "SPACE") + Click(start + 60, 110, -315) +
              Click(start + 70, 150, -50);
    const ScreenRun run = Play({GS_MAIN_MENU, script, -1, {}});

    std::vector<GameStateId> visited;
    for (const ScreenFrame& f : run.frames)
    {
        if (visited.empty() || visited.back() != f.state) visited.push_back(f.state);
        EXPECT_NE(f.event, REPLAY_DIED) << "a death in state " << f.state;
    }
    const std::vector<GameStateId> expected = {GS_MAIN_MENU, 7, 8, 9, 10, 11, 12, 13, 14, 15,
                                               GS_WIN_SCREEN, GS_MAIN_MENU};
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(run.frames.back().event, REPLAY_QUIT);
}

TEST(WholeGame, AJumpIntoTheLastExitWithSpaceHeldStillShowsTheWinScreen)
{
    std::vector<ScriptLine> replay = LevelReplay(15);
    const uint64_t finish = FinishingFrame(15, replay);
    std::string script;
    Append(script, replay, 0, finish - 1);
    script += std::to_string(finish) + " D+SPACE 0 0 0\n" + std::to_string(finish + 30) +
              " - 0 0 0\n" + Press(finish + 40, "SPACE");
    const ScreenRun run = Play({15, script, static_cast<int64_t>(finish) + 42, {}});
    EXPECT_EQ(run[finish].event, REPLAY_COMPLETE);
    for (uint64_t f = finish + 1; f < finish + 40; ++f)
        EXPECT_EQ(run[f].next, GS_WIN_SCREEN) << "frame " << f << ", Space held from the level";
    EXPECT_EQ(run[finish + 40].next, GS_MAIN_MENU);
}
