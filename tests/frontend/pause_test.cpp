// pause_test.cpp: pausing a level by Escape and by minimising, resuming, the confirmation,
// and Credits from the pause menu coming back to the level where the player stood.
#include "tests/frontend/frontend_harness.h"

TEST(PauseMenu, EscapeOrAMinimisedWindowPausesAndNothingMovesWhilePaused)
{
    // Level_1: the player stands on the floor from about frame 30; run right, pause, resume.
    const std::string script = "30 D 0 0 0\n40 D+ESC 0 0 0\n41 D 0 0 0\n60 D+ESC 0 0 0\n"
                               "61 D 0 0 0\n70 - 0 0 0\n";
    const ScreenRun run = Play({7, script, 72, {"window_pause", "taunt"}});
    EXPECT_FALSE(run[39].paused);
    EXPECT_TRUE(run[40].paused);
    EXPECT_TRUE(run.Object(41, "window_pause").visible);
    EXPECT_TRUE(run.Object(41, "taunt").visible);
    for (int f = 41; f <= 60; ++f) EXPECT_EQ(run[f].player.x, run[40].player.x) << f;
    EXPECT_FALSE(run[60].paused);
    EXPECT_GT(run[62].player.x, run[60].player.x) << "running again after Escape";
    EXPECT_FALSE(run.Object(62, "window_pause").visible);

    // A minimised window pauses; restoring it does not resume. Resume does.
    const std::string minimise = "20 MIN 0 0 0\n30 - 0 0 0\n" + Click(40, 110, -175);
    const ScreenRun min = Play({7, minimise, 50, {}});
    EXPECT_TRUE(min[20].paused);
    EXPECT_TRUE(min[39].paused);
    EXPECT_FALSE(min[40].paused);
}

TEST(PauseMenu, RestartAsksFirstAndEscapeAnswersNo)
{
    // Pause, Restart, Escape (No), a click where No was, Restart, Yes.
    const std::string script = Press(10, "ESC") + Click(20, 110, -75) + Press(30, "ESC") +
                               Click(40, -150, 0) + Click(50, 110, -75) + Click(60, 150, 0);
    const ScreenRun run = Play({7, script, 62, {"Yes"}});
    EXPECT_TRUE(run[20].confirmOpen);
    EXPECT_TRUE(run[30].paused && !run[30].confirmOpen);
    EXPECT_FALSE(run[40].confirmOpen);
    EXPECT_TRUE(run[40].paused);
    EXPECT_EQ(run[60].next, GS_RESTART);
    EXPECT_EQ(run.inits.size(), 2u);
    EXPECT_FALSE(run[61].paused) << "the rebuilt level runs";
}

TEST(PauseMenu, CreditsComeBackToTheLevelPausedWithThePlayerWhereItStood)
{
    // Run right for a while, pause, Credits, then five clicks through the pages.
    std::string script = "30 D 0 0 0\n" + Press(80, "ESC") + Click(90, -110, 50);
    for (int page = 0; page < 5; ++page) script += Click(100 + 10 * page, 0, 0);
    const ScreenRun run = Play({7, script, 160, {}});
    const Vec2 stood = run[89].player;
    EXPECT_EQ(run[90].next, GS_CREDITS);
    EXPECT_EQ(run[100].state, GS_CREDITS);
    EXPECT_EQ(run[140].next, 7);
    EXPECT_EQ(run[141].state, 7);
    EXPECT_TRUE(run[141].paused);
    EXPECT_EQ(run[141].player.x, stood.x);
    EXPECT_EQ(run[141].player.y, stood.y);
}
