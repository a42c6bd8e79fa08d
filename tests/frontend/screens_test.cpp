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
}

TEST(LevelSelector, AButtonHeldFromTheMenuCountsOnlyWhenPressedAgain)
{
    // Level Select is clicked as a person clicks, held for six frames; the selector's Level9
    // lies under the pointer. Only a second press starts it.
    const std::string script = Press(1, "ESC") + Press(3, "ESC") + "10 - 0 -175 1\n" +
                               "16 - 0 -175 0\n" + Click(30, 0, -175);
    const ScreenRun run = Play({GS_MAIN_MENU, script, 32, {}});
    EXPECT_EQ(run[10].next, GS_LEVEL_SELECTOR);
    for (int f = 11; f < 30; ++f)
    {
        EXPECT_EQ(run[f].state, GS_LEVEL_SELECTOR) << "frame " << f;
        EXPECT_EQ(run[f].next, GS_LEVEL_SELECTOR) << "frame " << f;
    }
    EXPECT_EQ(run[30].next, 15);
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

    // A Space held while the pages turn leaves the last page only once pressed again there.
    std::string held = "0 SPACE 0 0 0\n";
    for (int i = 0; i < 4; ++i) held += std::to_string(10 + 10 * i) + " SPACE 0 0 1\n" +
                                        std::to_string(11 + 10 * i) + " SPACE 0 0 0\n";
    held += "50 - 0 0 0\n" + Press(55, "SPACE");
    const ScreenRun lastPage = Play({GS_CREDITS, held, 57, {}});
    EXPECT_EQ(lastPage[54].next, GS_CREDITS);
    EXPECT_EQ(lastPage[55].next, GS_MAIN_MENU);

    const ScreenRun controls = Play({GS_CONTROLS, Press(10, "SPACE"), 12, {}});
    EXPECT_EQ(controls[9].next, GS_CONTROLS);
    EXPECT_EQ(controls[10].next, GS_MAIN_MENU);

    const ScreenRun win = Play({GS_WIN_SCREEN, Press(10, "SPACE"), 12, {}});
    EXPECT_EQ(win[9].next, GS_WIN_SCREEN);
    EXPECT_EQ(win[10].next, GS_MAIN_MENU);
}
