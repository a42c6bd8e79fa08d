// menu_widgets_test.cpp: the pointer test's edges, and the hover sound heard once per entry.
#include "tests/frontend/frontend_harness.h"

#include "game/frontend/menu_widgets.h"

TEST(MenuWidgets, ThePointerOnAnEdgeIsInsideAndTheGrownSizeCounts)
{
    GameObject button;
    button.position = {-375.0f, -175.0f};
    button.scale = {250.0f, 100.0f};
    EXPECT_TRUE(IsPointInButton(&button, {-500.0f, -225.0f}));
    EXPECT_TRUE(IsPointInButton(&button, {-250.0f, -125.0f}));
    EXPECT_FALSE(IsPointInButton(&button, {-500.01f, -175.0f}));
    EXPECT_FALSE(IsPointInButton(&button, {-375.0f, -124.99f}));
    button.scale = {312.5f, 125.0f};
    EXPECT_TRUE(IsPointInButton(&button, {-531.25f, -175.0f}));
    EXPECT_FALSE(IsPointInButton(nullptr, {0.0f, 0.0f}));
}

TEST(MenuWidgets, EnteringAButtonPlaysItsSoundOnceHoweverLongThePointerStays)
{
    // The music silenced; the pointer enters Play at 10, stays to 40, leaves, enters at 70.
    const std::string script = "1 ESC 0 0 0\n2 - 0 0 0\n3 ESC 0 0 0\n4 - 0 0 0\n"
                               "10 - -375 -175 0\n40 - 0 300 0\n70 - -375 -175 0\n";
    ScreenScenario scenario = {GS_MAIN_MENU, script, 110, {}};
    scenario.withSound = true;
    scenario.musicVolume = 0.0f;
    const ScreenRun run = Play(scenario);
    auto loudest = [&](int from, int to) {
        float peak = 0.0f;
        for (int f = from; f <= to; ++f) peak = std::max(peak, run[f].loudness);
        return peak;
    };
    constexpr float HEARD = 0.005f, SILENT = 0.0005f;
    EXPECT_LT(loudest(5, 9), SILENT);
    EXPECT_GT(loudest(10, 12), HEARD);
    EXPECT_LT(loudest(25, 69), SILENT) << "no second sound while the pointer stays, nor on leaving";
    EXPECT_GT(loudest(70, 72), HEARD);
    EXPECT_LT(loudest(85, 109), SILENT);
}
