// best_times_test.cpp: best times counted in play, kept in best_times.ini, shown in the
// selector and on the win screen.
#include "engine/system/game_state_manager.h"
#include "game/saves/best_times.h"
#include "game/scene/game_object.h"
#include "tests/keep/kept_folder.h"
#include "tools/replay/replay_runner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include <signal.h>
#include <sys/wait.h>

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

TEST_F(BestTimesKept, DamagedFilesAreSaidSetAsideNeverWrittenOverAndTheGoodTimesStay)
{
    auto damaged = [](int i) {
        return "[best_frames]\nlevel_2 = " + std::to_string(500 - i) + "\nlevel_3 = NaN\n";
    };
    for (int i = 0; i < SET_ASIDE_LIMIT + 2; ++i)
    {
        WriteFile(Path(), damaged(i));
        testing::internal::CaptureStderr();
        LoadBestTimes();
        EXPECT_NE(testing::internal::GetCapturedStderr().find(Path()), std::string::npos);
        EXPECT_EQ(BestFrames(2), 500u - i);
        testing::internal::CaptureStderr();
        RecordLevelTime(15, 800 - i);
        const std::string keptAs = SetAsideName(Path(), std::min(i, SET_ASIDE_LIMIT - 1));
        EXPECT_NE(testing::internal::GetCapturedStderr().find(keptAs), std::string::npos);
    }
    // Twelve damaged files: the two oldest dropped, the others under the ten names, oldest first.
    for (int n = 0; n < SET_ASIDE_LIMIT; ++n)
        EXPECT_EQ(ReadFile(SetAsideName(Path(), n)), damaged(n + 2)) << n;
    EXPECT_FALSE(FileExists(SetAsideName(Path(), SET_ASIDE_LIMIT)));
    LoadBestTimes();
    EXPECT_EQ(BestFrames(2), 489u);
    EXPECT_EQ(BestFrames(9), 789u);
}

// Copies of the game in child processes: their own memory and files, killed as a player may.
template <typename Play> pid_t Copy(Play play)
{
    const pid_t pid = fork();
    if (pid == 0)
    {
        play();
        _exit(0);
    }
    return pid;
}

TEST_F(BestTimesKept, WritersKilledAtRandomMomentsLeaveAWholeFile)
{
    // A dotfile manager's link to a file elsewhere, and a link where a temporary file used to be.
    const std::string target = root + "/dotfiles/best_times.ini";
    uint32_t best[LEVEL_COUNT] = {1000000};
    WriteFile(target, FormatBestTimes(best));
    WriteFile(root + "/victim", "victim");
    MakeFolder(data + "/vantara");
    ASSERT_EQ(symlink(target.c_str(), Path().c_str()), 0);
    ASSERT_EQ(symlink((root + "/victim").c_str(), (target + ".tmp").c_str()), 0);
    std::mt19937 random(21);
    for (int writer = 0; writer < 200; ++writer)
    {
        int wrote[2];
        ASSERT_EQ(pipe(wrote), 0);
        const pid_t pid = Copy([&] {
            LoadBestTimes();
            for (uint32_t frames = BestFrames(1) - 1;; --frames)
            {
                RecordLevelTime(7, frames);
                if (write(wrote[1], "w", 1) != 1) return;
            }
        });
        close(wrote[1]);
        char first = 0;
        // Most are killed while they write, some while they start.
        if (writer % 8 != 0 && read(wrote[0], &first, 1) != 1) FAIL() << "the writer died";
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 4000));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        close(wrote[0]);
        const uint32_t before = best[0];
        const std::string text = ReadFile(Path());
        ASSERT_EQ(ParseBestTimes(text, best), 0) << text;
        ASSERT_EQ(text, FormatBestTimes(best)) << "a file as written, whole";
        ASSERT_LE(best[0], before);
    }
    EXPECT_LE(best[0], 1000000u - 175) << "each writer waited for wrote at least once";
    LoadBestTimes();
    RecordLevelTime(7, best[0] - 1);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root + "/dotfiles"), {}), 2)
        << "the file and the planted link: no temporary file left over";
    EXPECT_TRUE(std::filesystem::is_symlink(Path()));
    EXPECT_EQ(ReadFile(root + "/victim"), "victim");
}

TEST_F(BestTimesKept, TwoCopiesWritingAtOnceLoseNoTime)
{
    // Each improves every level in turn, the first copy by a little more on the odd ones, the
    // second on the even ones.
    auto frames = [](int copy, int k) {
        return 100000u - 10 * k - 5 * ((k % LEVEL_COUNT + 1 + copy) % 2);
    };
    constexpr int WRITES = 100;
    int go[2];
    ASSERT_EQ(pipe(go), 0);
    pid_t copies[2];
    for (int copy = 0; copy < 2; ++copy)
        copies[copy] = Copy([&] {
            LoadBestTimes();
            close(go[1]);
            char none;
            if (read(go[0], &none, 1) != 0) return;
            for (int k = 0; k < WRITES; ++k) RecordLevelTime(7 + k % LEVEL_COUNT, frames(copy, k));
        });
    close(go[0]);
    close(go[1]); // both start at once
    for (pid_t copy : copies)
    {
        int status = -1;
        waitpid(copy, &status, 0);
        EXPECT_EQ(status, 0);
    }
    LoadBestTimes();
    for (int level = 1; level <= LEVEL_COUNT; ++level)
    {
        uint32_t fewest = UINT32_MAX;
        for (int k = level - 1; k < WRITES; k += LEVEL_COUNT)
            fewest = std::min({fewest, frames(0, k), frames(1, k)});
        EXPECT_EQ(BestFrames(level), fewest) << "level " << level;
    }
    EXPECT_FALSE(FileExists(Path() + ".bad")) << "neither copy met half a file";
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
