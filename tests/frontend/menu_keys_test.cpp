// menu_keys_test.cpp: every menu by the keyboard alone and by the game pad alone: the focus,
// its moves, Enter and A, Escape and B, and the mouse taking the hover back.
#include "tests/frontend/frontend_harness.h"

namespace
{
// Both logos skipped by Enter: the menu is up from frame 4.
const std::string SKIP_SPLASH = Press(1, "ENTER") + Press(3, "ENTER");
constexpr float GROWN = 312.5f; // a 250 x 100 button, hovered

// The pointer from the first frame above every button (one resting on a button makes it the
// focus), and keys pressed there on `frame` and let go on the next.
const std::string ABOVE = "0 - 0 450 0\n";
std::string Key(uint64_t frame, const char* keys)
{
    return std::to_string(frame) + " " + keys + " 0 450 0\n" + std::to_string(frame + 1) +
           " - 0 450 0\n";
}
} // namespace

TEST(MenuKeys, FromTheFirstLogoToLevel1ByEnterAlone)
{
    const ScreenRun run =
        Play({GS_MAIN_MENU, SKIP_SPLASH + Press(6, "ENTER") + Press(8, "ENTER"), 10, {"Play"}});
    EXPECT_EQ(run.Object(5, "Play").scale.x, 250.0f) << "a key that skips a logo is no menu key";
    EXPECT_EQ(run.Object(6, "Play").scale.x, GROWN) << "Play is focused, and shown hovered";
    EXPECT_EQ(run[6].next, GS_MAIN_MENU) << "the first Enter shows the focus, pressing nothing";
    EXPECT_EQ(run[8].next, 7);
    EXPECT_EQ(run[9].state, 7);
}

TEST(MenuKeys, ArrowsMoveTheFocusAMovingMouseTakesTheHoverBackEscapeAsksToQuit)
{
    const std::string script = SKIP_SPLASH + Press(5, "RIGHT") + "10 - 40 420 0\n" +
                               Press(12, "DOWN") + Press(14, "ENTER") + Press(16, "ESC") +
                               Press(18, "ESC") + Press(20, "RIGHT") + Press(22, "ENTER");
    const ScreenRun run =
        Play({GS_MAIN_MENU, script, -1, {"Play", "LevelSelect", "Quit", "Yes", "No"}});
    EXPECT_EQ(run.Object(5, "Play").scale.x, 250.0f);
    EXPECT_EQ(run.Object(5, "LevelSelect").scale.x, GROWN);
    EXPECT_EQ(run.Object(10, "LevelSelect").scale.x, 250.0f) << "the mouse moved";
    EXPECT_EQ(run.Object(12, "Quit").scale.x, GROWN) << "down from Level Select";
    EXPECT_TRUE(run[14].confirmOpen);
    EXPECT_EQ(run.Object(15, "No").scale.x, GROWN) << "a question starts on No";
    EXPECT_FALSE(run[16].confirmOpen) << "Escape answers No";
    EXPECT_TRUE(run[18].confirmOpen) << "Escape on the menu asks to quit";
    EXPECT_EQ(run.Object(20, "Yes").scale.x, GROWN);
    EXPECT_EQ(run[22].event, REPLAY_QUIT);
}

TEST(MenuKeys, TheSettingsWindowOpensByItsIconAndEscapeClosesIt)
{
    // Up four times: Tutorial, How to play, Credits, then the icon above them.
    std::string script = SKIP_SPLASH;
    for (int f : {5, 7, 9, 11}) script += Press(f, "UP");
    script += Press(13, "ENTER") + Press(15, "RIGHT") + Press(17, "ENTER") + Press(19, "ESC") +
              Press(40, "ESC");
    const ScreenRun run = Play({GS_MAIN_MENU, script, 42, {"Settings", "higher_volume_volume"}});
    EXPECT_EQ(run.Object(11, "Settings").scale.x, 125.0f) << "the focused icon is shown grown";
    EXPECT_TRUE(run[13].settingsOpen);
    EXPECT_EQ(run.Object(15, "higher_volume_volume").scale.x, 125.0f);
    EXPECT_FLOAT_EQ(run[17].musicVolume, 1.0f) << "already at the top";
    EXPECT_FALSE(run[19].settingsOpen);
    EXPECT_FALSE(run[19].confirmOpen) << "one Escape closes the window and nothing more";
    EXPECT_TRUE(run[40].confirmOpen);
}

TEST(MenuKeys, TheSettingsWindowsPagesTurnByTheirTabsAndByTheShoulderButtons)
{
    // The icon as above; up from the first button to the first tab, right to the second,
    // Enter; LB back, RB on again; Escape closes the window from any page.
    std::string script = SKIP_SPLASH;
    for (int f : {5, 7, 9, 11}) script += Press(f, "UP");
    script += Press(13, "ENTER") + Press(15, "UP") + Press(17, "RIGHT") + Press(19, "ENTER") +
              Press(21, "PAD_LB") + Press(23, "PAD_RB") + Press(25, "ESC");
    const ScreenRun run = Play({GS_MAIN_MENU, script, 27,
                                {"settings_tab_1", "settings_tab_2", "settings_page",
                                 "lower_game_volume", "settings_page_return"}});
    EXPECT_TRUE(run.Object(14, "lower_game_volume").visible) << "it opens on its first page";
    EXPECT_FALSE(run.Object(14, "settings_page").visible);
    EXPECT_GT(run.Object(15, "settings_tab_1").scale.x, 140.0f) << "up from the first button";
    EXPECT_GT(run.Object(17, "settings_tab_2").scale.x, 140.0f);
    EXPECT_TRUE(run.Object(19, "settings_page").visible);
    EXPECT_FALSE(run.Object(19, "lower_game_volume").visible);
    EXPECT_TRUE(run.Object(19, "settings_page_return").visible);
    EXPECT_TRUE(run.Object(21, "lower_game_volume").visible) << "LB turns back";
    EXPECT_TRUE(run.Object(23, "settings_page").visible) << "RB turns on";
    EXPECT_TRUE(run[24].settingsOpen);
    EXPECT_FALSE(run[25].settingsOpen);
    EXPECT_FALSE(run.Object(26, "settings_page").visible);
}

TEST(MenuKeys, TheSelectorStartsOnLevel1AndEscapeGoesBackToTheMenu)
{
    const ScreenRun down = Play(
        {GS_LEVEL_SELECTOR, ABOVE + Key(5, "DOWN") + Key(7, "RIGHT") + Key(9, "ENTER"), 11, {}});
    EXPECT_EQ(down[9].next, 13) << "Level 1, down to Level 6, right to Level 7";
    const ScreenRun first =
        Play({GS_LEVEL_SELECTOR, ABOVE + Key(5, "ENTER") + Key(7, "ENTER"), 9, {}});
    EXPECT_EQ(first[7].next, 7);
    const ScreenRun back = Play({GS_LEVEL_SELECTOR, ABOVE + Key(5, "ESC"), 7, {}});
    EXPECT_EQ(back[5].next, GS_MAIN_MENU);
}

// Menus press what they show: a screen, a script, and the first other state it asks for (its
// own when none).
TEST(MenuKeys, EnterOrAPressesOnlyTheButtonShownFocusedOrHovered)
{
    const std::string crossLevel9 = "0 - 0 450 0\n3 - -50 -200 0\n4 - 0 450 0\n";
    const struct
    {
        const char* what;
        GameStateId state;
        std::string script;
        GameStateId next;
    } cases[] = {
        {"Level 9 crossed by the pointer, left, then Enter", GS_LEVEL_SELECTOR,
         crossLevel9 + Key(6, "ENTER"), GS_LEVEL_SELECTOR},
        {"the same with the pad's A", GS_LEVEL_SELECTOR, crossLevel9 + Key(6, "PAD_A"),
         GS_LEVEL_SELECTOR},
        {"a second Enter presses the focus the first one showed", GS_LEVEL_SELECTOR,
         crossLevel9 + Key(6, "ENTER") + Key(8, "ENTER"), 15},
        {"Enter with the pointer moved onto Level 4", GS_LEVEL_SELECTOR,
         "0 - 0 450 0\n3 - -50 -50 0\n" + Press(5, "ENTER"), 10},
        {"the pointer resting on Level 4 since the screen opened: Level 1", GS_LEVEL_SELECTOR,
         "0 - -50 -50 0\n" + Press(5, "ENTER") + Press(7, "ENTER"), 7},
        {"the left button held when the arrows take over", GS_LEVEL_SELECTOR,
         "0 - 0 450 0\n3 - 0 450 1\n5 RIGHT 0 450 1\n6 - 0 450 1\n8 DOWN 0 450 1\n"
         "9 - 0 450 1\n12 - 0 450 0\n",
         GS_LEVEL_SELECTOR},
        {"Enter on the main menu right after the question closed by a click on No",
         GS_MAIN_MENU, SKIP_SPLASH + Press(5, "ESC") + Click(8, -150, -50) + Press(10, "ENTER"),
         GS_MAIN_MENU},
    };
    for (const auto& c : cases)
    {
        const ScreenRun run = Play({c.state, c.script, -1, {}});
        GameStateId asked = c.state;
        for (size_t f = 0; f < run.frames.size() && asked == c.state; ++f) asked = run[f].next;
        EXPECT_EQ(asked, c.next) << c.what;
    }
}

TEST(MenuKeys, ThePauseMenuByKeysAndTheCreditsAndControlsLeftByEscape)
{
    // Pause, up to Restart, Enter, Enter (No), Escape (resume); pause again, up twice and left
    // to Credits, Enter, Escape back to the paused level.
    const std::string script = Press(10, "ESC") + Press(12, "UP") + Press(14, "ENTER") +
                               Press(16, "ENTER") + Press(18, "ESC") + Press(20, "ESC") +
                               Press(22, "UP") + Press(24, "UP") + Press(26, "LEFT") +
                               Press(28, "ENTER") + Press(32, "ESC");
    const ScreenRun run = Play({7, script, 36, {"exit_pause", "Restart"}});
    EXPECT_TRUE(run[10].paused);
    EXPECT_EQ(run.Object(10, "exit_pause").scale.x, 187.5f) << "Resume is focused";
    EXPECT_EQ(run.Object(12, "Restart").scale.x, 187.5f);
    EXPECT_TRUE(run[14].confirmOpen);
    EXPECT_FALSE(run[16].confirmOpen);
    EXPECT_TRUE(run[16].paused) << "No keeps the pause";
    EXPECT_FALSE(run[18].paused);
    EXPECT_EQ(run[28].next, GS_CREDITS);
    EXPECT_EQ(run[32].next, 7);
    EXPECT_TRUE(run[35].paused) << "back in the level, paused";

    const ScreenRun controls = Play({GS_CONTROLS, Press(5, "ESC"), 7, {}});
    EXPECT_EQ(controls[5].next, GS_MAIN_MENU);
}

TEST(MenuPad, StartPausesBGoesBackAndTheDPadAndAChoose)
{
    const std::string script = Press(10, "PAD_START") + Press(12, "PAD_B") +
                               Press(14, "PAD_START") + Press(16, "PAD_UP") + Press(18, "PAD_A") +
                               Press(20, "PAD_B") + Press(22, "PAD_START") + Press(24, "PAD_B");
    const ScreenRun run = Play({7, script, 26, {}});
    EXPECT_TRUE(run[10].paused);
    EXPECT_FALSE(run[12].paused) << "B resumes";
    EXPECT_TRUE(run[14].paused);
    EXPECT_TRUE(run[18].confirmOpen) << "A on Restart asks first";
    EXPECT_FALSE(run[20].confirmOpen) << "B answers No";
    EXPECT_TRUE(run[20].paused);
    EXPECT_FALSE(run[22].paused) << "Start resumes";
    EXPECT_FALSE(run[24].paused) << "B in play does not pause";
}

TEST(MenuPad, FromTheFirstLogoToLevel1AndTheSelectorByThePadAlone)
{
    const std::string script = Press(1, "PAD_A") + Press(3, "PAD_START") + Press(5, "PAD_RIGHT") +
                               Press(7, "PAD_A") + Press(9, "PAD_DOWN") + Press(11, "PAD_A");
    const ScreenRun run = Play({GS_MAIN_MENU, script, 13, {}});
    EXPECT_EQ(run[7].next, GS_LEVEL_SELECTOR);
    EXPECT_EQ(run[11].next, 12) << "Level 1, down to Level 6";

    // The left stick, pushed past half way, moves the focus once per push.
    const ScreenRun stick = Play(
        {GS_LEVEL_SELECTOR,
         "0 - 0 450 0\n5 - 0 450 0 lx=0.8\n8 - 0 450 0\n10 - 0 450 0 lx=0.3\n12 PAD_A 0 450 0\n",
         14,
         {}});
    EXPECT_EQ(stick[12].next, 8) << "one push to Level 2; a light one moves nothing";
}
