// level_selector.cpp: the nine levels to choose from, the way to the page of made and imported
// levels ("My levels"), and the way back to the main menu.
//
// Unlike the other menus, its buttons answer while the left button is held, but only a press
// that began here, and only while the mouse drives: the click that opened the selector, the
// hook still held at a level's exit, or a button held when the keys took over, must not pick
// whatever level lies under the pointer or the focus. Starting a level from here makes
// every finished level come back here for the rest of the run. Escape or the pad's B goes
// back to the main menu, as "Menu" does.
#include "engine/graphics/mesh.h"
#include "engine/graphics/picture_decoder.h"
#include "engine/input/input_state.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/saves/best_times.h"
#include "game/frontend/menu_focus.h"
#include "game/frontend/menu_widgets.h"
#include "game/frontend/screens.h"
#include "game/frontend/time_label.h"
#include "game/frontend/timer_overlay.h"
#include "game/startup/game_states.h"
#include "game/levels/level.h"

namespace
{
constexpr int LEVEL_BUTTONS = 9;
constexpr int BUTTON_COUNT = LEVEL_BUTTONS + 1; // "Menu" first
constexpr const char* PICTURE_PATHS[] = {
    "data/Menus/Level Selector Background.png",
    "data/Menus/Level_1.png",
    "data/Menus/Level_2.png",
    "data/Menus/Level_3.png",
    "data/Menus/Level_4.png",
    "data/Menus/Level_5.png",
    "data/Menus/Level_6.png",
    "data/Menus/Level_7.png",
    "data/Menus/Level_8.png",
    "data/Menus/Level_9.png",
    "data/Menus/Return.png",
    "data/Menus/Loading_Screen.png",
    TIME_DIGITS_PATH,
    "data/Menus/My_Levels.png",
};
constexpr size_t PICTURE_COUNT = CountOf(PICTURE_PATHS);
constexpr size_t RETURN_PICTURE = 10;
constexpr size_t LOADING_PICTURE = 11;
constexpr size_t DIGITS_PICTURE = 12;
constexpr size_t MY_LEVELS_PICTURE = 13;

struct SelectorButton
{
    const char* name;
    size_t picture;
    float x, y;
};
// In registry order; the n-th button (from 0) leads to state n + 6: "Menu" to the main menu
// (which is state 1, not 6), "Level1" to state 7 and on.
constexpr SelectorButton BUTTONS[BUTTON_COUNT] = {
    {"Menu", RETURN_PICTURE, 700, 200}, {"Level1", 1, -800, -50}, {"Level2", 2, -550, -50},
    {"Level3", 3, -300, -50},           {"Level4", 4, -50, -50},  {"Level5", 5, 200, -50},
    {"Level6", 6, -800, -200},          {"Level7", 7, -550, -200}, {"Level8", 8, -300, -200},
    {"Level9", 9, -50, -200},
};
// "My levels", after the level buttons, right of the tray beside the first row.
constexpr Vec2 MY_LEVELS_AT = {700.0f, -50.0f};
constexpr size_t MY_LEVELS_BUTTON = BUTTON_COUNT;
constexpr size_t ALL_BUTTONS = BUTTON_COUNT + 1;
constexpr Vec2 BUTTON_SIZE = {200.0f, 100.0f};
constexpr GameStateId FIRST_LEVEL = 7;
// A finished level's star and best time, under its button (clear of the grown button).
constexpr float TIME_OFFSET = 68.0f;
constexpr float TIME_HEIGHT = 32.0f;
constexpr size_t LEVEL_1_FOCUS = 1;
// One more than there are buttons: it is started and kept quiet like the others.
constexpr size_t CHANNEL_COUNT = ALL_BUTTONS + 1;

Texture* Pictures[PICTURE_COUNT] = {};
SoundChannel* Channels[CHANNEL_COUNT] = {};
bool Hovered[ALL_BUTTONS] = {};
GameObject* Buttons[ALL_BUTTONS] = {};
GameObject* LoadingScreen = nullptr;
MenuFocus Focus;
bool PressBegunHere = false;

void SelectorLoad()
{
    LoadPictures(PICTURE_PATHS, Pictures, PICTURE_COUNT);
    KeepTimerLetters(true);
    UnitQuadMesh = CreateUnitQuad();
}

void SelectorInit()
{
    // Whichever level is picked, these are its slowest pictures.
    DecodeLevelPicturesAhead(GS_LEVEL_SELECTOR);
    CreateMenuObject(new GameObject(), "background", Pictures[0], 0, 0, 1920, 1080,
                     KIND_BACKGROUND);
    for (int i = 0; i < BUTTON_COUNT; ++i)
        Buttons[i] = CreateMenuObject(new GameObject(), BUTTONS[i].name,
                                      Pictures[BUTTONS[i].picture], BUTTONS[i].x, BUTTONS[i].y,
                                      BUTTON_SIZE.x, BUTTON_SIZE.y);
    Buttons[MY_LEVELS_BUTTON] =
        CreateMenuObject(new GameObject(), "MyLevels", Pictures[MY_LEVELS_PICTURE],
                         MY_LEVELS_AT.x, MY_LEVELS_AT.y, BUTTON_SIZE.x, BUTTON_SIZE.y);
    for (int level = 1; level <= LEVEL_COUNT; ++level)
    {
        const uint32_t best = BestFrames(level);
        if (best == 0) continue;
        const std::string name = std::string(BUTTONS[level].name) + "_Time";
        CreateTimeLabel(name.c_str(), "*" + FormatFrames(best), Pictures[DIGITS_PICTURE],
                        BUTTONS[level].x, BUTTONS[level].y - TIME_OFFSET, TIME_HEIGHT);
    }
    LoadingScreen = CreateLoadingScreen(Pictures[LOADING_PICTURE]);
    MenuMusic = LoadSound(MENU_MUSIC_PATH);
    ButtonSound = LoadSound(BUTTON_SOUND_PATH);
    // K with 0 keeps only the menu music, and only when it already runs (the controls opened
    // from the main menu); whatever else the screen left behind stops.
    if (LevelJumpTarget == GS_LEVEL_SELECTOR && !IsChannelPlayingSound(MenuMusicChannel, MenuMusic))
        StopAllSounds();
    // From the main menu and from My levels the menu music plays on.
    const bool musicGoesOn = PreviousStateId == GS_MAIN_MENU || PreviousStateId == GS_MY_LEVELS;
    if (!musicGoesOn || RestartRequested) StartMenuMusic();
    StartHoverChannels(Channels, CHANNEL_COUNT);
    OpenMenuFocus(Focus, PreviousStateId == GS_MY_LEVELS ? MY_LEVELS_BUTTON : LEVEL_1_FOCUS);
    PressBegunHere = false;
}

void SelectorUpdate()
{
    ApplyMenuVolumes(Channels, CHANNEL_COUNT, MenuMusicChannel, MenuSilenced());
    SystemFrameCheck();
    UpdateSounds();
    const GameObject* pointed = MenuPointed(Focus, Buttons, ALL_BUTTONS);
    if (IsMouseButtonTriggered(0)) PressBegunHere = true;
    // Once the keys take over, a button still held presses nothing they point at.
    if (!IsMouseButtonDown(0) || KeysDriveMenus()) PressBegunHere = false;
    if (MenuBackPressed()) NextStateId = GS_MAIN_MENU;
    const bool keyPress = MenuKeyPressesPointed();
    for (int i = 0; i < BUTTON_COUNT; ++i)
    {
        if (Buttons[i] == pointed && (PressBegunHere || keyPress))
        {
            if (i == 0)
                NextStateId = GS_MAIN_MENU;
            else
            {
                StartedFromLevelSelector = true;
                LoadingScreen->visible = true;
                StopAllSounds();
                NextStateId = FIRST_LEVEL + i - 1;
            }
        }
        UpdateButtonHover({Buttons[i], BUTTON_SIZE, &Hovered[i], &Channels[i]}, pointed);
    }
    GameObject* myLevels = Buttons[MY_LEVELS_BUTTON];
    if (myLevels == pointed && (PressBegunHere || keyPress)) NextStateId = GS_MY_LEVELS;
    UpdateButtonHover({myLevels, BUTTON_SIZE, &Hovered[MY_LEVELS_BUTTON],
                       &Channels[MY_LEVELS_BUTTON]},
                      pointed);
}

void SelectorFree()
{
    DestroyAllGameObjects();
    for (GameObject*& button : Buttons) button = nullptr;
    LoadingScreen = nullptr;
}

// Back to the main menu, and on to My levels, the music plays on there.
void SelectorUnload()
{
    KeepTimerLetters(false);
    UnloadMenuScreen(Pictures, PICTURE_COUNT,
                     NextStateId != GS_MAIN_MENU && NextStateId != GS_MY_LEVELS);
}

// The word on the level finished that led back here, over the selector.
void SelectorDraw()
{
    DrawGameObjects();
    DrawFinishNotice();
}
} // namespace

void DecodeSelectorPicturesAhead() { DecodePicturesAhead(PICTURE_PATHS, CountOf(PICTURE_PATHS)); }

void RegisterLevelSelector()
{
    AddGameState(GS_LEVEL_SELECTOR, SelectorLoad, SelectorInit, SelectorUpdate, SelectorDraw,
                 SelectorFree, SelectorUnload);
}
