// best_times_test.cpp: best times counted in play, kept in best_times.ini, shown in the
// selector and on the win screen.
#include "engine/system/game_state_manager.h"
#include "game/saves/best_times.h"
#include "game/scene/game_object.h"
#include "tests/keep/kept_folder.h"
#include "tools/replay/replay_runner.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace
{
TEST(BestTimes, ReadsWhatItCanAndNamesTheFirstLineItCannot)
{
    struct Case
    {
        const char* what;
        std::string text;
        uint32_t level1, level9;
        int badLine;
    } cases[] = {
        {"empty", "", 0, 0, 0},
        {"two levels", "[best_frames]\nlevel_1 = 2843\nlevel_9=60\n", 2843, 60, 0},
        {"unknown levels and sections are no damage", "[best_frames]\nlevel_10 = 5\n[x]\nlevel_1 = 9\n", 0, 0, 0},
        {"garbage", "\x89PNG\r\n\x1a\n", 0, 0, 1},
        {"no frames", "[best_frames]\nlevel_1 = 0\n", 0, 0, 2},
        {"negative", "[best_frames]\nlevel_1 = -40\n", 0, 0, 2},
        {"NaN", "[best_frames]\nlevel_9 = nan\n", 0, 0, 2},
        {"a fraction", "[best_frames]\nlevel_9 = 12.5\n", 0, 0, 2},
        {"beyond 100 hours", "[best_frames]\nlevel_1 = 21600001\n", 0, 0, 2},
        {"beyond 32 bits", "[best_frames]\nlevel_1 = 99999999999\n", 0, 0, 2},
        {"readable values stay", "[best_frames]\nlevel_1 = 700\nlevel_9 = x\n", 700, 0, 3},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        uint32_t best[LEVEL_COUNT] = {};
        EXPECT_EQ(ParseBestTimes(c.text, best), c.badLine);
        EXPECT_EQ(best[0], c.level1);
        EXPECT_EQ(best[8], c.level9);
    }
    uint32_t all[LEVEL_COUNT] = {1, 2, 3, 4, 5, 6, 7, 8, MAX_BEST_FRAMES};
    uint32_t read[LEVEL_COUNT] = {};
    EXPECT_EQ(ParseBestTimes(FormatBestTimes(all), read), 0);
    EXPECT_TRUE(std::equal(all, all + LEVEL_COUNT, read));
}

TEST(BestTimes, ShowAsMinutesSecondsAndHundredths)
{
    EXPECT_EQ(FormatFrames(0), "0:00.00");
    EXPECT_EQ(FormatFrames(59), "0:00.98");
    EXPECT_EQ(FormatFrames(60), "0:01.00");
    EXPECT_EQ(FormatFrames(61 * 60 + 3), "1:01.05");
    EXPECT_EQ(FormatFrames(uint64_t{MAX_BEST_FRAMES} * 9), "54000:00.00");
}

std::vector<ScriptLine> Script(const std::string& text)
{
    std::vector<ScriptLine> lines;
    std::string error;
    EXPECT_TRUE(ParseScript(text, "script", &lines, &error)) << error;
    return lines;
}

std::vector<ScriptLine> CommittedReplay(GameStateId level)
{
    std::ifstream file(std::string(VANTARA_REPLAYS) + "/" + std::to_string(level) + ".txt");
    std::stringstream text;
    text << file.rdbuf();
    return Script(text.str());
}

// Frames since the last Init at each completion, and the objects of each Init.
class Lives : public ReplayObserver
{
  public:
    void OnInit(uint64_t nextFrame) override
    {
        lifeStart = nextFrame;
        names.clear();
        for (const GameObject* object : ObjectRegistry) names.push_back(object->name);
    }
    void OnFrame(uint64_t frame, const Player*, ReplayEvent event) override
    {
        if (event == REPLAY_COMPLETE) lifeFrames.push_back(static_cast<uint32_t>(frame - lifeStart + 1));
    }
    size_t Count(const std::string& name) const { return std::count(names.begin(), names.end(), name); }
    uint64_t lifeStart = 0;
    std::vector<uint32_t> lifeFrames;
    std::vector<std::string> names;
};

Lives Play(GameStateId state, std::vector<ScriptLine> script)
{
    ReplaySetup setup;
    setup.state = state;
    setup.script = std::move(script);
    Lives lives;
    RunReplay(setup, &lives);
    return lives;
}

class BestTimesKept : public KeptFolderTest
{
  protected:
    std::string Path() const { return data + "/vantara/best_times.ini"; }
};

TEST_F(BestTimesKept, AFasterFinishIsKeptASlowerOneIsNot)
{
    LoadBestTimes();
    RecordLevelTime(7, 1000);
    RecordLevelTime(7, 1200);
    RecordLevelTime(3, 10); // a tutorial stage has no best time
    RecordLevelTime(15, 4000);
    LoadBestTimes();
    EXPECT_EQ(BestFrames(1), 1000u);
    EXPECT_EQ(BestFrames(9), 4000u);
    EXPECT_EQ(TotalBestFrames(), 0u) << "seven levels have no time yet";
    RecordLevelTime(7, 900);
    LoadBestTimes();
    EXPECT_EQ(BestFrames(1), 900u);
}

TEST_F(BestTimesKept, ADamagedFileIsSaidSetAsideAndTheGoodTimesStay)
{
    WriteFile(Path(), "[best_frames]\nlevel_2 = 500\nlevel_3 = NaN\n");
    testing::internal::CaptureStderr();
    LoadBestTimes();
    EXPECT_NE(testing::internal::GetCapturedStderr().find(Path()), std::string::npos);
    EXPECT_EQ(BestFrames(2), 500u);
    RecordLevelTime(9, 800);
    EXPECT_EQ(ReadFile(Path() + ".bad"), "[best_frames]\nlevel_2 = 500\nlevel_3 = NaN\n");
    LoadBestTimes();
    EXPECT_EQ(BestFrames(2), 500u);
    EXPECT_EQ(BestFrames(3), 800u);
}

TEST_F(BestTimesKept, ALevelIsTimedFromItsLastLifeToItsExit)
{
    LoadBestTimes();
    // Level 1's replay, after a death on the first frames: R, then the whole replay again.
    std::vector<ScriptLine> script = Script("0 - 0 0 0\n20 R 0 0 0\n21 - 0 0 0\n");
    for (ScriptLine line : CommittedReplay(7))
    {
        line.frame += 30;
        script.push_back(line);
    }
    const Lives lives = Play(7, script);
    ASSERT_EQ(lives.lifeFrames.size(), 1u);
    EXPECT_EQ(BestFrames(1), lives.lifeFrames[0]);
    EXPECT_GT(lives.lifeStart, 0u) << "the restart began a new life";

    // The selector marks Level 1 with a star and its time, and no other level.
    const Lives selector = Play(GS_LEVEL_SELECTOR, Script("0 - 0 0 0\n"));
    EXPECT_EQ(selector.Count("Level1_Time"), 1 + FormatFrames(BestFrames(1)).size());
    EXPECT_EQ(selector.Count("Level2_Time"), 0u);
    EXPECT_EQ(selector.names.back(), "Loading_Screen") << "the loading picture still covers all";
}

TEST_F(BestTimesKept, TheWinScreenShowsTheTotalOnceAllNineAreKnown)
{
    LoadBestTimes();
    for (GameStateId level = 7; level < 15; ++level) RecordLevelTime(level, 600);
    EXPECT_EQ(Play(GS_WIN_SCREEN, Script("0 - 0 0 0\n")).Count("best_total"), 0u);
    RecordLevelTime(15, 660);
    const Lives win = Play(GS_WIN_SCREEN, Script("0 - 0 0 0\n"));
    EXPECT_EQ(win.Count("best_total"), 1u);
    EXPECT_EQ(win.Count("best_total_time"), FormatFrames(8 * 600 + 660).size());
    EXPECT_EQ(FormatFrames(TotalBestFrames()), "1:31.00");
}

TEST_F(BestTimesKept, AReplayNeitherReadsNorWritesBestTimes)
{
    WriteFile(Path(), "[best_frames]\nlevel_1 = 5\n");
    KeepingFiles = false;
    LoadBestTimes();
    EXPECT_EQ(BestFrames(1), 0u);
    Play(7, CommittedReplay(7));
    EXPECT_EQ(BestFrames(1), 0u);
    EXPECT_EQ(ReadFile(Path()), "[best_frames]\nlevel_1 = 5\n");
}
} // namespace
