// main_menu_test.cpp: the splash logos, the menu's buttons, the quit confirmation and the
// settings window, played through the runner from the first frame of the program.
#include "tests/frontend/frontend_harness.h"

#include <map>

namespace
{
// Both logos skipped, one press each: the menu is up from frame 4.
const std::string SKIP_SPLASH = Press(1, "ESC") + Press(3, "ESC");
} // namespace

TEST(MainMenu, TwoLogosThenTheMenuAndNoProgramKeyDuringThem)
{
    const ScreenRun run =
        Play({GS_MAIN_MENU, Press(100, "CTRL+Q") + Press(200, "R") + Press(390, "R"), 420,
              {"Korvel_Logo", "FMOD_Logo", "FMOD_Logo_txt", "Play"}});
    // The maker's logo for 188 frames (0.08 a frame up to 15), then the audio credit until its
    // own timer has counted as far; the quit and restart keys are ignored meanwhile.
    for (size_t f : {0u, 187u})
    {
        EXPECT_TRUE(run.Object(f, "Korvel_Logo").visible) << f;
        EXPECT_FALSE(run.Object(f, "FMOD_Logo").visible) << f;
    }
    for (size_t f : {188u, 376u})
    {
        EXPECT_FALSE(run.Object(f, "Korvel_Logo").visible) << f;
        EXPECT_TRUE(run.Object(f, "FMOD_Logo").visible && run.Object(f, "FMOD_Logo_txt").visible);
        EXPECT_FALSE(run.Object(f, "Play").visible);
    }
    EXPECT_FALSE(run.Object(377, "FMOD_Logo").visible);
    EXPECT_TRUE(run.Object(378, "Play").visible);
    EXPECT_EQ(run[100].next, GS_MAIN_MENU);
    EXPECT_EQ(run[200].next, GS_MAIN_MENU);
    // R once the menu is up restarts it, without the logos: they come once a run.
    EXPECT_EQ(run[390].next, GS_RESTART);
    for (size_t f = 391; f < 420; ++f)
    {
        EXPECT_FALSE(run.Object(f, "Korvel_Logo").visible || run.Object(f, "FMOD_Logo").visible);
        EXPECT_TRUE(run.Object(f, "Play").visible) << f;
    }

    // One press skips one logo.
    const ScreenRun skipped = Play({GS_MAIN_MENU, Press(10, "ESC"), 20, {"Korvel_Logo", "FMOD_Logo"}});
    EXPECT_FALSE(skipped.Object(10, "Korvel_Logo").visible);
    EXPECT_TRUE(skipped.Object(19, "FMOD_Logo").visible);
}

// The logos come first and the menu's other pictures after them; however soon the logos are
// skipped, the menu shows with every picture, and nothing is ever shown without its own.
TEST(MainMenu, TheMenuShowsWholeHoweverSoonTheLogosAreSkipped)
{
    const std::map<std::string, std::string> pictures = {
        {"Korvel_Logo", "data/Korvel_VIZ-OSTARA_WEB_WHITE.png"},
        {"FMOD_Logo", "data/FMOD_Logo_White_-_Black_Background.png"},
        {"FMOD_Logo_txt", "data/FMODtxt.png"},
        {"background", "data/Menus/Menu Background.png"},
        {"Play", "data/Menus/Play.png"},
        {"LevelSelect", "data/Menus/Level Select.png"},
        {"Quit", "data/Menus/Exit.png"},
        {"Tutorial", "data/Menus/Tutorial.png"},
        {"HowToPlay", "data/Menus/HowToPlay.png"},
        {"Credits", "data/Menus/Credits.png"},
        {"Settings", "data/Menus/Settings.png"},
        {"Confirm_Window", "data/Menus/Pause.png"},
        {"Sure_Button", "data/Menus/Sure_button.png"},
        {"Yes", "data/Menus/Yes.png"},
        {"No", "data/Menus/No.png"},
        {"Loading_Screen", "data/Menus/Loading_Screen.png"},
        {"settings_window", "data/Menus/Pause.png"},
        {"Game_Volume_1", "data/Menus/Game_Volume.png"},
        {"lower_sound_volume", "data/Menus/Minus.png"},
        {"Window_Resoltuion", "data/Menus/Win_Resolution.png"},
    };
    std::vector<std::string> names;
    for (const auto& [name, picture] : pictures) names.push_back(name);
    for (const char* script : {"0 SPACE 0 0 0\n1 - 0 0 0\n2 SPACE 0 0 0\n3 - 0 0 0\n",
                               "1 SPACE 0 0 0\n2 - 0 0 0\n40 SPACE 0 0 0\n41 - 0 0 0\n"})
    {
        const ScreenRun run = Play({GS_MAIN_MENU, script, 60, names});
        EXPECT_EQ(run.Object(0, "Korvel_Logo").picture, pictures.at("Korvel_Logo"));
        size_t menuFrame = 0;
        while (menuFrame < run.frames.size() && !run.Object(menuFrame, "Play").visible) ++menuFrame;
        ASSERT_LT(menuFrame, run.frames.size()) << script;
        for (const auto& [name, picture] : pictures)
            EXPECT_EQ(run.Object(menuFrame, name).picture, picture) << name << ", " << script;
        for (size_t f = 0; f < run.frames.size(); ++f)
            for (const auto& [name, watched] : run.frames[f].objects)
                EXPECT_TRUE(!watched.visible || watched.picture == pictures.at(name)) << name << f;
    }
}

TEST(MainMenu, ButtonsGrowFromTheirEdgeShrinkWhenLeftAndLeadToTheirScreens)
{
    // Play is 250 x 100 at (-375, -175).
    const std::string hover = "10 - -490 -175 0\n20 - -600 -175 0\n";
    const ScreenRun run = Play({GS_MAIN_MENU, SKIP_SPLASH + hover, 30, {"Play"}});
    EXPECT_EQ(run.Object(10, "Play").scale.x, 312.5f);
    EXPECT_EQ(run.Object(15, "Play").scale.y, 125.0f) << "grown once, not again";
    EXPECT_EQ(run.Object(20, "Play").scale.x, 250.0f);

    struct Route
    {
        float x, y;
        GameStateId to;
    };
    for (const Route& route : {Route{-490, -175, 7}, Route{0, -175, GS_LEVEL_SELECTOR},
                               Route{425, -75, 3}, Route{425, 50, GS_CONTROLS},
                               Route{425, 175, GS_CREDITS}})
    {
        const ScreenRun click = Play({GS_MAIN_MENU, SKIP_SPLASH + Click(10, route.x, route.y), 12,
                                      {"Loading_Screen"}});
        EXPECT_EQ(click[10].next, route.to) << route.x << ", " << route.y;
        // Levels show the loading picture on the frame of the click.
        EXPECT_EQ(click.Object(10, "Loading_Screen").visible, route.to == 7 || route.to == 3);
    }
}

TEST(MainMenu, QuitAsksFirstAndNothingBeneathTheQuestionReacts)
{
    // Quit, then a click on Play (beneath the question), No, Quit again, Yes.
    const std::string script = Click(10, 110, -315) + Click(20, -375, -175) +
                               Click(30, -150, -50) + Click(40, 110, -315) + Click(50, 150, -50);
    const ScreenRun run = Play({GS_MAIN_MENU, SKIP_SPLASH + script, -1, {"Play", "Yes"}});
    EXPECT_TRUE(run[10].confirmOpen);
    EXPECT_TRUE(run.Object(11, "Yes").visible);
    EXPECT_EQ(run[20].next, GS_MAIN_MENU);
    EXPECT_EQ(run.Object(20, "Play").scale.x, 250.0f);
    EXPECT_FALSE(run[30].confirmOpen);
    EXPECT_TRUE(run[40].confirmOpen);
    EXPECT_EQ(run[50].event, REPLAY_QUIT);
    EXPECT_EQ(run.frames.size(), 51u);
}

TEST(MainMenu, SettingsStepTheVolumesMuteAndCycleTheWindowSize)
{
    // Open the window; twenty presses of the music's minus; the effects' plus at full; mute
    // twice.
    std::string script = SKIP_SPLASH + Click(10, 800, 400);
    for (int i = 0; i < 20; ++i) script += Click(20 + 2 * i, -175, 150);
    script += Click(70, -75, 25) + Click(72, 100, 200) + Click(74, 100, 200);
    const ScreenRun run = Play({GS_MAIN_MENU, script, 80, {}});
    EXPECT_TRUE(run[10].settingsOpen);
    EXPECT_FLOAT_EQ(run[20].musicVolume, 0.95f);
    EXPECT_GT(run[56].musicVolume, 0.0f);
    EXPECT_EQ(run[58].musicVolume, 0.0f) << "the twentieth press reaches silence";
    EXPECT_EQ(run[70].effectsVolume, 1.0f) << "no louder than full";
    EXPECT_TRUE(run[72].muted);
    EXPECT_FALSE(run[74].muted);
    EXPECT_EQ(run[74].musicVolume, 0.0f) << "muting leaves the volumes alone";

    // Window size: from full screen to 1600 x 900, 1280 x 720, 1920 x 1080; the pointer is in
    // window pixels, so the button moves as the window shrinks.
    const std::string sizes = SKIP_SPLASH + Click(10, 800, 400) + Click(20, 100, 0) +
                              Click(30, 100 * 1600.0f / 1920, 0) + Click(40, 100 * 1280.0f / 1920, 0) +
                              Click(50, 100, 75) + Click(60, 100, 75);
    const ScreenRun cycle = Play({GS_MAIN_MENU, sizes, 70, {}});
    EXPECT_TRUE(cycle[19].fullscreen);
    EXPECT_FALSE(cycle[20].fullscreen);
    EXPECT_EQ(cycle[20].windowW, 1600u);
    EXPECT_EQ(cycle[20].windowH, 900u);
    EXPECT_EQ(cycle[30].windowW, 1280u);
    EXPECT_EQ(cycle[40].windowW, 1920u);
    EXPECT_TRUE(cycle[50].fullscreen) << "Full screen from a window";
    EXPECT_FALSE(cycle[60].fullscreen);
    EXPECT_EQ(cycle[60].windowW, 1920u) << "leaving full screen gives 1920 x 1080";
}

TEST(MainMenu, ClosingTheSettingsPressesNothingBeneath)
{
    // Closed by its Return button; a click on Play in the 13 frames that follow does nothing,
    // one after them starts the first level.
    const std::string script = SKIP_SPLASH + Click(10, 800, 400) + Click(20, 150, -200) +
                               Click(24, -375, -175) + Click(40, -375, -175);
    const ScreenRun run = Play({GS_MAIN_MENU, script, 42, {}});
    EXPECT_TRUE(run[19].settingsOpen);
    EXPECT_FALSE(run[20].settingsOpen);
    EXPECT_EQ(run[24].next, GS_MAIN_MENU);
    EXPECT_EQ(run[40].next, 7);
}

TEST(MainMenu, WhereGrownButtonsOverlapOnlyTheNearestIsHoveredAndClicked)
{
    // "+" grows under the pointer; the pointer then moves onto the strip where the grown "+"
    // overlaps "-", nearer the centre of "-": only "-" is hovered, and a click lowers the music.
    const std::string script = SKIP_SPLASH + Click(10, 800, 400) + "20 - -75 150 0\n" +
                               "25 - -130 150 0\n" + Click(30, -130, 150);
    const ScreenRun run =
        Play({GS_MAIN_MENU, script, 32, {"lower_game_volume", "higher_volume_volume"}});
    EXPECT_EQ(run.Object(24, "higher_volume_volume").scale.x, 125.0f);
    EXPECT_EQ(run.Object(26, "lower_game_volume").scale.x, 125.0f);
    EXPECT_EQ(run.Object(26, "higher_volume_volume").scale.x, 100.0f);
    EXPECT_LT(run[30].musicVolume, run[29].musicVolume);
}
