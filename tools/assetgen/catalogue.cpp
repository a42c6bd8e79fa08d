// catalogue.cpp: which producer makes which file.
//
// Paths are exactly those the game opens (relative to the data folder); the comments give
// the size each picture is drawn at, which fixes its aspect ratio.
#include "tools/assetgen/catalogue.h"

#include "tools/assetgen/art.h"
#include "tools/assetgen/audio.h"
#include "tools/assetgen/sprite_sheets.h"

namespace
{
Asset Picture(std::string path, std::function<Canvas()> make)
{
    Asset a;
    a.path = std::move(path);
    a.picture = std::move(make);
    return a;
}

Asset Sound(std::string path, std::function<std::vector<float>()> make)
{
    Asset a;
    a.path = std::move(path);
    a.sound = std::move(make);
    return a;
}

Asset Text(std::string path, std::function<std::string()> make)
{
    Asset a;
    a.path = std::move(path);
    a.text = std::move(make);
    return a;
}

Asset Button(std::string path, std::string label, int width, int height)
{
    return Picture(std::move(path), [=] { return MenuButton(label, width, height); });
}

Asset Label(std::string path, std::string label, int width, int height)
{
    return Picture(std::move(path), [=] { return TextLabel(label, width, height); });
}
} // namespace

std::vector<Asset> Catalogue()
{
    // The slowest jobs come first so that the workers finish together.
    std::vector<Asset> list = {
        Sound("SubTrain_v1.ogg", LevelTheme),
        Sound("Adagio.ogg", MenuTheme),
        Sound("Tutorial.ogg", TutorialTheme),
        Picture("LevelBackground2.png", FarBackground),
        Picture("Column.png", NearColumns),
        Picture("Menus/Menu Background.png", MainMenuBackground),
        Picture("Menus/Level Selector Background.png", LevelSelectorBackground),
        Picture("Menus/My Levels Background.png", MyLevelsBackground),
        Picture("Menus/Loading_Screen.png", LoadingScreen),
        Picture("WinScreen.png", WinScreen),
        Picture("Controls.png", ControlsPage),
        Picture("Credits/Credits.png", [] { return CreditsPage(1); }),
        Picture("Credits/Credits2.png", [] { return CreditsPage(2); }),
        Picture("Credits/Credits3.png", [] { return CreditsPage(3); }),
        Picture("Credits/Credits4.png", [] { return CreditsPage(4); }),
        Picture("Credits/Credits5.png", [] { return CreditsPage(5); }),
        Picture("Spikes.png", SpikeStrip),
        Picture("Lava.png", LavaStrip),
        Picture("RectPlat.png", PlatformTile),
        Picture("Bouncing_platform.png", BouncePadTile),
        Picture("HookPlatforms.png", GrapplePoint),
        Picture("Rope.png", RopePicture),
        Picture("Rock.png", RockPicture),
        Picture("Frame.png", FramePicture),
        Picture("Player.png", PlayerStill),
        Picture("Player_Run.png", PlayerRunSheet),
        Picture("Flying Enemy.png", FlyingEnemy),
        Picture("Ground Enemy.png", GroundEnemy),
        Picture("Enemy_Sheet.png", EnemySheet),
        Text("run_extra_8x1", RunSheetDescription),
        Text("Enemy_Sprite", EnemySheetDescription),
        Picture("Icon.png", [] { return GameIcon(64); }),
        // Splash screens: 1000 x 300, 1000 x 300 and 700 x 100 on a black screen.
        Picture("Korvel_VIZ-OSTARA_WEB_WHITE.png", TeamMark),
        Picture("FMOD_Logo_White_-_Black_Background.png", AudioCredit),
        Picture("FMODtxt.png", AudioCreditLine),
        // Main-menu buttons, 250 x 100.
        Button("Menus/Play.png", "Play", 500, 200),
        Button("Menus/Level Select.png", "Level Select", 500, 200),
        Button("Menus/Tutorial.png", "Tutorial", 500, 200),
        Button("Menus/Make.png", "Make", 500, 200),
        // Shown at 250 x 100 in the main menu and 150 x 75 in the pause menu: a compromise.
        Button("Menus/Exit.png", "Quit", 450, 200),
        Button("Menus/Credits.png", "Credits", 450, 200),
        Button("Menus/HowToPlay.png", "How to play", 450, 200),
        // Confirmation window, 250 x 100 each.
        Label("Menus/Sure_button.png", "Are you sure?", 500, 200),
        // The pause window's taunts, one of which greets every pause.
        Label("Menus/Taunt1.png", "Have you already given up?", 1040, 120),
        Label("Menus/Taunt2.png", "You don't know how to pass this level? Loser", 1040, 120),
        Label("Menus/Taunt3.png", "Already tired of dying?", 1040, 120),
        Label("Menus/Taunt4.png", "Take your time, you will fail anyways", 1040, 120),
        Label("Menus/Taunt5.png", "Is the hook mechanic too difficult for you?", 1040, 120),
        Button("Menus/Yes.png", "Yes", 500, 200),
        Button("Menus/No.png", "No", 500, 200),
        // Pause menu and level selector, 150 x 75 and 200 x 100.
        Button("Menus/Resume.png", "Resume", 400, 200),
        Button("Menus/Return.png", "Return", 400, 200),
        Button("Menus/Reset.png", "Restart", 400, 200),
        // Windows: 600 x 600 (pause, settings) and 750 x 400 (confirmation).
        Picture("Menus/Pause.png", WindowPanel),
        Picture("Menus/Settings.png", SettingsGear),
        // Settings window, 100 x 50 each.
        Label("Menus/Game_Volume.png", "Music", 240, 120),
        Label("Menus/Volume.png", "Volume", 240, 120),
        Label("Menus/Sound.png", "Sound", 240, 120),
        Button("Menus/Minus.png", "\u2212", 240, 120),
        Button("Menus/Plus.png", "+", 240, 120),
        Button("Menus/Mute.png", "Mute", 240, 120),
        Button("Menus/FullScreen.png", "Full screen", 240, 120),
        Button("Menus/Win_Resolution.png", "Window size", 240, 120),
        // Best times under the level buttons and on the win screen: cells 34 by 72 pixels.
        Picture("Menus/Time_Digits.png", [] { return TimeDigits("0123456789:.*", 34, 72); }),
        Label("Menus/Best_Total.png", "Best times in all", 600, 100),
        // The letters of words the game writes itself (titles, messages, the settings pages,
        // the timer): cells 32 by 64 pixels.
        Picture("Menus/Letters.png", [] { return LetterSheet(32, 64); }),
        // The settings window's wider pages (1100 x 600), their tabs (140 x 56) and the
        // buttons the game writes on (about 250 x 55).
        Picture("Menus/Settings_Wide.png", WideWindowPanel),
        Picture("Menus/Blank_Tab.png", [] { return BlankButton(300, 120); }),
        Picture("Menus/Blank_Button.png", [] { return BlankButton(540, 120); }),
        // The "My levels" page: its button on the selector, its rows, page turns and the mark
        // of a proven level.
        Button("Menus/My_Levels.png", "My levels", 400, 200),
        Button("Menus/Level_Row.png", "", 1300, 90),
        Button("Menus/Previous.png", "Previous", 400, 200),
        Button("Menus/Next.png", "Next", 400, 200),
        Picture("Menus/Proven.png", [] { return ProvenSeal(96); }),
        Sound("Button_VendingMachine2.wav", HoverClick),
        Sound("Hit_SwordStabEarth_Rumble1.wav", SpikeDeath),
        Sound("Fire_FlameBurst1.wav", LavaDeath),
    };
    for (int level = 1; level <= 9; level++)
    {
        std::string n = std::to_string(level);
        list.push_back(Button("Menus/Level_" + n + ".png", "Level " + n, 400, 200));
    }
    return list;
}
