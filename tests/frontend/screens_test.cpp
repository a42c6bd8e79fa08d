// screens_test.cpp: the level selector, the credits' pages, the controls and the win screen.
#include "tests/frontend/frontend_harness.h"

TEST(LevelSelector, EachButtonStartsItsLevelEvenWithTheButtonHeldFromBefore)
{
    struct Choice
    {
        float x, y;
        GameStateId level;
    };
    for (const Choice& choice : {Choice{-800, -50, 7}, Choice{-800, -200, 12},
                                 Choice{-50, -200, 15}, Choice{700, 200, GS_MAIN_MENU}})
    {
        const ScreenRun run = Play({GS_LEVEL_SELECTOR, Click(10, choice.x, choice.y), 12,
                                    {"Loading_Screen"}});
        EXPECT_EQ(run[10].next, choice.level);
        EXPECT_EQ(run[11].state, choice.level);
        EXPECT_EQ(run.Object(10, "Loading_Screen").visible, choice.level != GS_MAIN_MENU);
    }
    // A button held down from before the selector counts at once.
    const ScreenRun held = Play({GS_LEVEL_SELECTOR, "0 - -550 -50 1\n", 2, {}});
    EXPECT_EQ(held[0].next, 8);
}

TEST(Screens, CreditsTurnFivePagesControlsAndWinScreenLeaveOnSpace)
{
    // Space does nothing before the last page; four clicks reach it; the fifth leaves.
    std::string script = Press(5, "SPACE");
    for (int i = 0; i < 5; ++i) script += Click(10 + 10 * i, 0, 0);
    const ScreenRun credits = Play({GS_CREDITS, script, 60, {}});
    EXPECT_EQ(credits[5].next, GS_CREDITS);
    EXPECT_EQ(credits[40].next, GS_CREDITS) << "the click that shows page 5 does not leave";
    EXPECT_EQ(credits[50].next, GS_MAIN_MENU);

    const ScreenRun controls = Play({GS_CONTROLS, Press(10, "SPACE"), 12, {}});
    EXPECT_EQ(controls[9].next, GS_CONTROLS);
    EXPECT_EQ(controls[10].next, GS_MAIN_MENU);

    // A Space held since the last level leaves the win screen at once.
    const ScreenRun win = Play({GS_WIN_SCREEN, "0 SPACE 0 0 0\n", 2, {}});
    EXPECT_EQ(win[0].next, GS_MAIN_MENU);
}
