// my_levels_test.cpp: the "My levels" page lists what was made or imported, with the proven
// mark and the best time; a level started there is timed by its key and comes back to its row.
#include "game/levels/kept_levels.h"
#include "game/levels/level.h"
#include "game/saves/best_times.h"
#include "game/scene/game_object.h"
#include "tests/keep/kept_folder.h"
#include "tests/levels/committed_replay.h"
#include "tools/replay/replay_runner.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace
{
class MyLevels : public KeptFolderTest
{
  protected:
    // A shipped level shared with its committed replay, kept as an import would keep it.
    LevelFile Keep(GameStateId id, const std::string& title)
    {
        LevelFile level;
        std::string error;
        EXPECT_TRUE(ReadShippedLevel(*FindLevel(id), &level, &error)) << error;
        level.title = title;
        level.proof.lines = CommittedReplay(id);
        level.proof.levelHash = LevelContentHash(level);
        EXPECT_TRUE(KeepLevel(level, ImportedLevelFileName(level), &error)) << error;
        return level;
    }
};

// The states, events and the objects of the page each time it is built.
class PageWatch : public ReplayObserver
{
  public:
    void OnInit(uint64_t) override
    {
        if (CurrentStateId != GS_MY_LEVELS) return;
        pages.emplace_back();
        for (const GameObject* object : ObjectRegistry) pages.back().push_back(object->name);
    }
    void OnFrame(uint64_t, const Player*, ReplayEvent event) override
    {
        if (states.empty() || states.back() != CurrentStateId) states.push_back(CurrentStateId);
        if (event == REPLAY_COMPLETE) finishes.push_back(CurrentStateId);
    }
    size_t Count(size_t page, const char* name) const
    {
        return static_cast<size_t>(std::count(pages.at(page).begin(), pages.at(page).end(), name));
    }
    std::vector<std::vector<std::string>> pages;
    std::vector<GameStateId> states, finishes;
};
} // namespace

TEST_F(MyLevels, ALevelStartedOnThePageIsTimedByItsKeyAndComesBackToIt)
{
    LoadBestTimes();
    const LevelFile first = Keep(7, "Across the spikes");
    Keep(14, "Under the rocks");
    WriteFile(data + "/vantara/levels/broken.level", "vantara-level 1\ntitle Broken\nstart 0 0\n");
    testing::internal::CaptureStderr();

    // Enter on the first row ("Across the spikes"), the pointer resting on no button (the
    // first Enter shows the focus, the second presses it), then its proof played by hand from
    // the level's first frame.
    std::vector<ScriptLine> script = {{0, {}}, {2, {}}, {3, {}}, {5, {}}};
    for (ScriptLine& line : script) line.input.mouseX = line.input.mouseY = 500.0f;
    script[1].input.keys = script[3].input.keys = uint64_t{1} << REPLAY_ENTER;
    for (ScriptLine line : first.proof.lines)
    {
        line.frame += 6;
        script.push_back(line);
    }
    script.push_back({script.back().frame + 30, {}});
    ReplaySetup setup;
    setup.state = GS_MY_LEVELS;
    setup.script = script;
    PageWatch watch;
    RunReplay(setup, &watch);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("broken.level:3: no exit"),
              std::string::npos);

    EXPECT_EQ(watch.states,
              (std::vector<GameStateId>{GS_MY_LEVELS, GS_PLAYED_LEVEL, GS_MY_LEVELS}));
    EXPECT_EQ(watch.finishes, std::vector<GameStateId>{GS_PLAYED_LEVEL});
    ASSERT_EQ(watch.pages.size(), 2u);
    // Three rows, two proven, the damaged file's with its message; a best time once played.
    for (size_t page = 0; page < 2; ++page)
    {
        EXPECT_EQ(watch.Count(page, "row"), 3u);
        EXPECT_EQ(watch.Count(page, "proven"), 2u);
        // One object per letter of the message, blanks excepted.
        const std::string message = "broken.level:3: no exit: a level needs at least one";
        EXPECT_EQ(watch.Count(page, "message"),
                  message.size() -
                      static_cast<size_t>(std::count(message.begin(), message.end(), ' ')));
    }
    EXPECT_EQ(watch.Count(0, "time"), 0u);
    const uint32_t best = MyLevelBestFrames(LevelKey(first));
    EXPECT_EQ(best, LastPlayedLevelResult().frames);
    EXPECT_GT(best, 60u);
    EXPECT_EQ(watch.Count(1, "time"), ("*" + FormatFrames(best)).size());
    EXPECT_NE(
        ReadFile(data + "/vantara/best_times.ini").find("[my_levels]\n" + LevelKey(first) + " = "),
        std::string::npos);
}
