// controls_test.cpp: the controls chosen in the settings window play, swap without losing an
// action, last in settings.ini, and a damaged line costs only its own action.
#include "game/controls/bindings.h"
#include "game/gameplay/player.h"
#include "game/saves/kept_settings.h"
#include "tests/keep/kept_folder.h"
#include "tools/replay/replay_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace
{
// Where each frame left the player's upward speed.
class Rise : public ReplayObserver
{
  public:
    void OnInit(uint64_t) override {}
    void OnFrame(uint64_t, const Player* player, ReplayEvent) override
    {
        vy.push_back(player ? player->velocity.y : 0.0f);
    }
    std::vector<float> vy;
};

std::vector<float> PlayLevel1(const std::string& script)
{
    ReplaySetup setup;
    setup.state = 7;
    std::string error;
    EXPECT_TRUE(ParseScript(script, "script", &setup.script, &error, nullptr, &setup.header))
        << error;
    Rise rise;
    RunReplay(setup, &rise);
    return rise.vy;
}

// A key pressed on `frame` and let go on the next, the pointer resting at (x, y).
std::string Press(int frame, const char* keys, float x = 0, float y = 0)
{
    const std::string at = " " + std::to_string(x) + " " + std::to_string(y) + " ";
    return std::to_string(frame) + " " + keys + at + "0\n" + std::to_string(frame + 1) + " -" +
           at + "0\n";
}
std::string Click(int frame, float x, float y)
{
    const std::string at = " " + std::to_string(x) + " " + std::to_string(y) + " ";
    return std::to_string(frame) + " -" + at + "1\n" + std::to_string(frame + 1) + " -" + at + "0\n";
}

// Level 1's player stands from frame 45; a jump taken on a frame leaves it rising fast.
constexpr float JUMPED = 300.0f;

bool EveryActionBoundOnce(const BindingTable& table)
{
    std::set<BoundInput> used;
    size_t count = 0;
    for (const ActionBinding& b : table)
    {
        if (b.keys[0] == NO_INPUT || b.pad == NO_INPUT) return false;
        for (BoundInput input : {b.keys[0], b.keys[1], b.pad})
            if (input != NO_INPUT) used.insert(input), ++count;
    }
    return used.size() == count;
}

class Controls : public KeptFolderTest
{
};
} // namespace

TEST_F(Controls, ARemappedJumpJumpsASwapKeepsEveryActionAndTheFileKeepsThem)
{
    // Paused, the gear, the Controls tab; Jump's Space becomes J; Slam's S is asked for W,
    // which is Jump's: swapped. Back to play: Space and W no longer jump, J and S do.
    const std::string script = Press(50, "ESC") + Click(55, 250, 250) + Click(60, -75, 335) +
                               Click(70, -130, 66) + Press(75, "J") + Click(80, -130, 15) +
                               Press(85, "W") + Click(90, -60, -228) + Press(100, "ESC") +
                               Press(104, "ESC") + Press(150, "SPACE") + Press(180, "W") +
                               Press(210, "J") + Press(300, "S") + "340 - 0 0 0\n";
    const std::vector<float> vy = PlayLevel1(script);
    ASSERT_GT(vy.size(), 300u);
    EXPECT_LT(vy[150], JUMPED) << "Space was given away";
    EXPECT_LT(vy[180], JUMPED) << "W slams now";
    EXPECT_GT(vy[210], JUMPED) << "J jumps";
    EXPECT_GT(vy[300], JUMPED) << "S came to Jump in the swap";
    const ActionBinding jump = Bindings[ACTION_JUMP], slam = Bindings[ACTION_SLAM];
    EXPECT_EQ(FormatActionBinding(jump), "J S PAD_A");
    EXPECT_EQ(FormatActionBinding(slam), "W PAD_X");
    EXPECT_TRUE(EveryActionBoundOnce(Bindings));

    // Kept, and read back as they were left.
    const BindingTable chosen = Bindings;
    KeepSettingsNow();
    Bindings = DefaultBindings();
    LoadKeptSettings();
    EXPECT_TRUE(Bindings == chosen) << ReadFile(config + "/vantara/settings.ini");

    // A recording carries them: the runner plays a script with its header as it was played.
    const std::vector<float> replayed =
        PlayLevel1("bind jump J S PAD_A\n" + Press(150, "SPACE") + Press(210, "J") + "240 - 0 0 0\n");
    EXPECT_LT(replayed[150], JUMPED);
    EXPECT_GT(replayed[210], JUMPED);
    EXPECT_EQ(FormatActionBinding(Bindings[ACTION_SLAM]), "S PAD_X") << "the rest as the game's own";
}

TEST_F(Controls, ADamagedLineGivesItsActionTheGameControlsWithOneLineOnStderr)
{
    const struct
    {
        PlayAction action;
        const char* line;
    } cases[] = {
        {ACTION_JUMP, "jump = SPACE FOO PAD_A"},     {ACTION_JUMP, "jump = PAD_A"},
        {ACTION_JUMP, "jump = SPACE W Q PAD_A"},     {ACTION_JUMP, "jump = SPACE W"},
        {ACTION_JUMP, "jump = SPACE SPACE PAD_A"},   {ACTION_FIRE, "fire = LMB PAD_RT PAD_LT"},
        {ACTION_SLAM, "slam = ESC PAD_X"},           {ACTION_PAUSE, "pause = P PAD_START"},
        {ACTION_RESTART, "restart = F11 PAD_BACK"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.line);
        WriteFile(config + "/vantara/settings.ini",
                  std::string("[controls]\nrun_left = Q PAD_LB\n") + c.line + "\n");
        testing::internal::CaptureStderr();
        LoadKeptSettings();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find("line 3"), std::string::npos) << said;
        EXPECT_TRUE(Bindings[c.action] == DefaultBindings()[c.action]);
        EXPECT_EQ(FormatActionBinding(Bindings[ACTION_RUN_LEFT]), "Q PAD_LB") << "the good line stays";
    }
}
