// main_menu.cpp: the main menu and, on the first visit, the two splash logos.
//
// Play, Level Select, Make (the level editor), Quit (asks first), Tutorial, How to play, Credits
// and the settings icon,
// over the menu music. The first visit of a run opens with the maker's logo, then the audio
// credit, each about three seconds unless a key, a click or the pad's A, B or Start skips it.
// Escape (or the pad's B) on the menu asks whether to quit.
//
// The splash is up as soon as the graphics are: that visit's Load uploads the logos alone,
// and the menu's other pictures, decoded on the workers since the program started, follow a
// few a frame while the logos show, all of them by the time the menu first does.
#include "engine/graphics/draw_state.h"
#include "engine/graphics/mesh.h"
#include "engine/graphics/picture_decoder.h"
#include "engine/graphics/texture.h"
#include "engine/input/input_state.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/frontend/confirm_window.h"
#include "game/frontend/menu_focus.h"
#include "game/frontend/pause_menu.h"
#include "game/frontend/screens.h"
#include "game/frontend/settings.h"
#include "game/startup/game_states.h"
#include "game/startup/missing_files.h"
#include "game/scene/render_layer.h"

#include <algorithm>
#include <iterator>

Sound* MenuMusic = nullptr;
SoundChannel* MenuMusicChannel = nullptr;
const char* const MENU_MUSIC_PATH = "data\\Adagio.ogg";

namespace
{
constexpr GameStateId FIRST_LEVEL = 7;
constexpr GameStateId FIRST_TUTORIAL_STAGE = 3;
enum Picture
{
    BACKGROUND,
    PLAY,
    LEVEL_SELECT,
    EXIT,
    TUTORIAL,
    CREDITS,
    HOW_TO_PLAY,
    SETTINGS_ICON,
    LOADING,
    MAKER_LOGO,
    SURE,
    YES,
    NO,
    PANEL,
    AUDIO_LOGO,
    AUDIO_LINE,
    MAKE,
    MENU_PICTURE_COUNT
};
constexpr const char* PICTURE_PATHS[MENU_PICTURE_COUNT] = {
    "data/Menus/Menu Background.png",
    "data/Menus/Play.png",
    "data/Menus/Level Select.png",
    "data/Menus/Exit.png",
    "data/Menus/Tutorial.png",
    "data/Menus/Credits.png",
    "data/Menus/HowToPlay.png",
    "data/Menus/Settings.png",
    "data/Menus/Loading_Screen.png",
    "data/Korvel_VIZ-OSTARA_WEB_WHITE.png",
    "data/Menus/Sure_button.png",
    "data/Menus/Yes.png",
    "data/Menus/No.png",
    "data/Menus/Pause.png",
    "data/FMOD_Logo_White_-_Black_Background.png",
    "data/FMODtxt.png",
    "data/Menus/Make.png",
};

// The splash's pictures, loaded first on the first visit.
constexpr Picture SPLASH_PICTURES[] = {MAKER_LOGO, AUDIO_LOGO, AUDIO_LINE};
// A few uploads a frame keep a splash frame short on a software driver.
constexpr size_t LATE_PICTURES_PER_FRAME = 2;

constexpr Vec2 BUTTON_SIZE = {250.0f, 100.0f};
constexpr Vec2 ICON_SIZE = {100.0f, 100.0f};
constexpr float SPLASH_TIME = 15.0f;
constexpr float SPLASH_STEP = 0.08f;
constexpr float CONFIRM_BUTTON_Y = -50.0f;

// The seven menu buttons in the order they are handled, with their hover channel slots.
enum MenuButtonIndex
{
    PLAY_BUTTON,
    QUIT_BUTTON,
    LEVEL_SELECT_BUTTON,
    TUTORIAL_BUTTON,
    HOW_TO_PLAY_BUTTON,
    CREDITS_BUTTON,
    MAKE_BUTTON,
    BUTTON_COUNT
};
constexpr size_t SETTINGS_FOCUS = BUTTON_COUNT; // the icon comes after the buttons
constexpr Picture BUTTON_PICTURES[BUTTON_COUNT] = {PLAY,     EXIT,        LEVEL_SELECT,
                                                   TUTORIAL, HOW_TO_PLAY, CREDITS, MAKE};

Texture* Pictures[MENU_PICTURE_COUNT] = {};
SoundChannel* Channels[BUTTON_COUNT] = {};
bool Hovered[BUTTON_COUNT + 2] = {}; // the seven buttons, then Yes and No
bool QuitConfirmOpen = false;
MenuFocus Focus;
bool IconHovered = false;
float FirstSplashTimer = 0.0f;
float SecondSplashTimer = 0.0f; // never reset: the splash runs once a program run
bool SplashOver = false;        // and once over, a restart of the menu (R) does not bring it back
bool PictureLoaded[MENU_PICTURE_COUNT] = {};
bool SplashDrawn = false; // the first splash frame is on screen: late pictures may come

// This visit's objects.
GameObject* Buttons[BUTTON_COUNT] = {};
GameObject* Background = nullptr;
Settings* SettingsIcon = nullptr;
ConfirmWindow Confirm = {};
GameObject* LoadingScreen = nullptr;
GameObject* MakerLogo = nullptr;
GameObject* AudioLogo = nullptr;
GameObject* AudioLine = nullptr;

GameObject* Button(const char* name, MenuButtonIndex button, float x, float y)
{
    return CreateMenuObject(new GameObject(), name, Pictures[BUTTON_PICTURES[button]], x, y,
                            BUTTON_SIZE.x, BUTTON_SIZE.y);
}

void LoadMenuPicture(Picture picture)
{
    Pictures[picture] = LoadTexture(PICTURE_PATHS[picture]);
    if (!Pictures[picture]) ReportMissingFile(PICTURE_PATHS[picture]);
    PictureLoaded[picture] = true;
}

// Where the menu's buttons lead with the most to load: Level Select, Play, Tutorial. Not
// while the menu's own pictures are still to be taken: a load waiting for one of them helps
// the workers with what is queued, and a level's background would hold it up.
void DecodeNextPicturesAhead()
{
    DecodeStatePicturesAhead(GS_LEVEL_SELECTOR);
    DecodeStatePicturesAhead(FIRST_LEVEL);
    DecodeStatePicturesAhead(FIRST_TUTORIAL_STAGE);
}

bool AllPicturesLoaded()
{
    return std::all_of(std::begin(PictureLoaded), std::end(PictureLoaded),
                       [](bool b) { return b; });
}

// Loads up to `most` of the pictures not loaded yet, in their table order, and hands them to
// this visit's objects; with the last of them, the settings window's pictures.
void LoadLatePictures(size_t most)
{
    size_t loaded = 0;
    for (size_t i = 0; i < MENU_PICTURE_COUNT && loaded < most; ++i)
        if (!PictureLoaded[i])
        {
            LoadMenuPicture(static_cast<Picture>(i));
            ++loaded;
        }
    if (loaded == 0) return;
    Background->texture = Pictures[BACKGROUND];
    for (size_t i = 0; i < BUTTON_COUNT; ++i) Buttons[i]->texture = Pictures[BUTTON_PICTURES[i]];
    SettingsIcon->texture = Pictures[SETTINGS_ICON];
    const Picture confirmPictures[] = {PANEL, SURE, YES, NO};
    for (size_t i = 0; i < CountOf(confirmPictures); ++i)
        Confirm.objects[i]->texture = Pictures[confirmPictures[i]];
    LoadingScreen->texture = Pictures[LOADING];
    if (!AllPicturesLoaded()) return;
    SettingsIcon->TakePictures();
    DecodeNextPicturesAhead();
}

void ShowMenu(bool visible)
{
    Background->visible = visible;
    ShowObjects(Buttons, BUTTON_COUNT, visible);
    SettingsIcon->visible = visible;
}

bool SplashSkipped()
{
    return IsMouseButtonTriggered(0) || IsMouseButtonTriggered(1) || IsKeyTriggered(KEY_SPACE) ||
           IsKeyTriggered(KEY_ESCAPE) || IsKeyTriggered(KEY_ENTER) ||
           IsPadButtonTriggered(PAD_A | PAD_B | PAD_START);
}

bool FirstVisit() { return PreviousStateId == CurrentStateId; }

// One splash frame; false once both logos are gone.
bool UpdateSplash()
{
    if (!FirstVisit() || !MakerLogo) return false;
    if (MakerLogo->visible && !AudioLogo->visible)
    {
        if (FirstSplashTimer >= SPLASH_TIME || SplashSkipped())
        {
            MakerLogo->visible = false;
            AudioLogo->visible = AudioLine->visible = true;
        }
        else
            FirstSplashTimer += SPLASH_STEP;
        return true;
    }
    if (!MakerLogo->visible && AudioLogo->visible)
    {
        if (SecondSplashTimer >= SPLASH_TIME || SplashSkipped())
        {
            MakerLogo->visible = AudioLogo->visible = AudioLine->visible = false;
            SplashOver = true;
        }
        else
            SecondSplashTimer += SPLASH_STEP;
        return true;
    }
    return false;
}

void StartLevel(GameStateId level)
{
    LoadingScreen->visible = true;
    StopAllSounds();
    NextStateId = level;
}

void HandleMenuButtons()
{
    GameObject* const focusable[] = {Buttons[PLAY_BUTTON],     Buttons[QUIT_BUTTON],
                                     Buttons[LEVEL_SELECT_BUTTON], Buttons[TUTORIAL_BUTTON],
                                     Buttons[HOW_TO_PLAY_BUTTON],  Buttons[CREDITS_BUTTON],
                                     Buttons[MAKE_BUTTON],         SettingsIcon};
    static_assert(SETTINGS_FOCUS + 1 == CountOf(focusable), "the icon is focused last");
    const GameObject* pointed = MenuPointed(Focus, focusable, CountOf(focusable));
    if (MenuBackPressed())
    {
        QuitConfirmOpen = true;
        FocusConfirmWindow(Confirm);
        return;
    }
    auto clicked = [&](MenuButtonIndex i) {
        return ButtonClicked({Buttons[i], BUTTON_SIZE, &Hovered[i], &Channels[i]}, pointed);
    };
    if (clicked(PLAY_BUTTON)) StartLevel(FIRST_LEVEL);
    if (clicked(QUIT_BUTTON))
    {
        QuitConfirmOpen = true;
        FocusConfirmWindow(Confirm);
    }
    if (clicked(LEVEL_SELECT_BUTTON)) NextStateId = GS_LEVEL_SELECTOR;
    if (clicked(TUTORIAL_BUTTON)) StartLevel(FIRST_TUTORIAL_STAGE);
    if (clicked(HOW_TO_PLAY_BUTTON)) NextStateId = GS_CONTROLS;
    if (clicked(CREDITS_BUTTON)) NextStateId = GS_CREDITS;
    if (clicked(MAKE_BUTTON)) NextStateId = GS_EDITOR;
    UpdateGameObjects();
    // The icon has no hover feedback for the mouse; focused by the keys it grows, to be seen.
    UpdateButtonHover({SettingsIcon, ICON_SIZE, &IconHovered, &Channels[PLAY_BUTTON]}, pointed,
                      KeysDriveMenus(), false);
    if (pointed == SettingsIcon && MenuClickPressed()) SettingsIcon->isOpen = true;
}

void MainMenuLoad()
{
    if (FirstVisit())
    {
        // Asked for again, what was decoded at start-up stays for the late loads and for the
        // settings window's Init.
        DecodeMainMenuPicturesAhead();
        for (bool& loaded : PictureLoaded) loaded = false;
        for (Picture picture : SPLASH_PICTURES) LoadMenuPicture(picture);
    }
    else
    {
        LoadPictures(PICTURE_PATHS, Pictures, MENU_PICTURE_COUNT);
        for (bool& loaded : PictureLoaded) loaded = true;
    }
    UnitQuadMesh = CreateUnitQuad();
}

void MainMenuInit()
{
    if (AllPicturesLoaded()) DecodeNextPicturesAhead();
    Background = CreateMenuObject(new GameObject(), "background", Pictures[BACKGROUND], 0, 0,
                                  1920, 1080, KIND_BACKGROUND);
    Buttons[PLAY_BUTTON] = Button("Play", PLAY_BUTTON, -375, -175);
    Buttons[LEVEL_SELECT_BUTTON] = Button("LevelSelect", LEVEL_SELECT_BUTTON, 0, -175);
    Buttons[QUIT_BUTTON] = Button("Quit", QUIT_BUTTON, 110, -315);
    Buttons[TUTORIAL_BUTTON] = Button("Tutorial", TUTORIAL_BUTTON, 425, -75);
    Buttons[HOW_TO_PLAY_BUTTON] = Button("HowToPlay", HOW_TO_PLAY_BUTTON, 425, 50);
    Buttons[CREDITS_BUTTON] = Button("Credits", CREDITS_BUTTON, 425, 175);
    Buttons[MAKE_BUTTON] = Button("Make", MAKE_BUTTON, -265, -315);
    SettingsIcon = new Settings(!AllPicturesLoaded());
    CreateMenuObject(SettingsIcon, "Settings", Pictures[SETTINGS_ICON], 800, 400, 100, 100);
    Confirm = CreateConfirmWindow(Pictures[PANEL], Pictures[SURE], Pictures[YES], Pictures[NO],
                                  CONFIRM_BUTTON_Y);
    LoadingScreen = CreateLoadingScreen(Pictures[LOADING]);

    MakerLogo = AudioLogo = AudioLine = nullptr;
    if (FirstVisit() && !SplashOver)
    {
        MakerLogo = CreateMenuObject(new GameObject(), "Korvel_Logo", Pictures[MAKER_LOGO], 0, 0,
                                     1000, 300);
        AudioLogo = CreateMenuObject(new GameObject(), "FMOD_Logo", Pictures[AUDIO_LOGO], 0, 0,
                                     1000, 300);
        AudioLine = CreateMenuObject(new GameObject(), "FMOD_Logo_txt", Pictures[AUDIO_LINE], 0,
                                     -200, 700, 100);
        AudioLogo->visible = AudioLine->visible = false;
    }

    MenuMusic = LoadSound(MENU_MUSIC_PATH);
    ButtonSound = LoadSound(BUTTON_SOUND_PATH);
    const bool returning = PreviousStateId == GS_LEVEL_SELECTOR ||
                           PreviousStateId == GS_CREDITS || PreviousStateId == GS_CONTROLS ||
                           PreviousStateId == GS_EDITOR;
    if (!returning || RestartRequested) StartMenuMusic();
    StartHoverChannels(Channels, BUTTON_COUNT);
    FirstSplashTimer = 0.0f;
    SplashDrawn = false;
    OpenMenuFocus(Focus, PLAY_BUTTON);
    ShowMenu(false);
    SettingsIcon->isOpen = false;
    SetClearColor(0xFF000000u);
}

void MainMenuUpdate()
{
    ShowConfirmWindow(Confirm, false);
    if (UpdateSplash())
    {
        // Not before the first splash frame is drawn: that one waits for nothing.
        if (SplashDrawn) LoadLatePictures(LATE_PICTURES_PER_FRAME);
        SplashDrawn = true;
        return;
    }

    LoadLatePictures(MENU_PICTURE_COUNT);
    ShowMenu(true);
    SystemFrameCheck();
    UpdateSounds();
    ApplyMenuVolumes(Channels, BUTTON_COUNT, MenuMusicChannel, MenuSilenced());
    if (QuitConfirmOpen)
    {
        ShowConfirmWindow(Confirm, true);
        const ConfirmAnswer answer = HandleConfirmWindow(
            Confirm, &Hovered[BUTTON_COUNT], &Channels[PLAY_BUTTON], &Channels[QUIT_BUTTON]);
        if (answer == CONFIRM_YES) NextStateId = GS_QUIT;
        if (answer == CONFIRM_NO) QuitConfirmOpen = false;
        return;
    }
    if (SettingsIcon->isOpen || SettingsIcon->closedTimer < 1.0f)
    {
        SettingsIcon->Update();
        return;
    }
    HandleMenuButtons();
}

void MainMenuFree()
{
    FreeScene();
    Background = SettingsIcon = nullptr;
    for (GameObject*& button : Buttons) button = nullptr;
    LoadingScreen = MakerLogo = AudioLogo = AudioLine = nullptr;
}

// Play and Tutorial stop the music; the other screens let it play on.
void MainMenuUnload()
{
    UnloadMenuScreen(Pictures, MENU_PICTURE_COUNT, NextStateId == 3 || NextStateId == 7);
}
} // namespace

void DecodeMainMenuPicturesAhead()
{
    DecodePicturesAhead(PICTURE_PATHS, MENU_PICTURE_COUNT);
    DecodePicturesAhead(SettingsPictures);
}

void ResetFrontEnd()
{
    QuitConfirmOpen = false;
    ResetMenuInputMode();
    FirstSplashTimer = SecondSplashTimer = 0.0f;
    SplashOver = false;
    for (bool& hovered : Hovered) hovered = false;
    MusicVolume = EffectsVolume = 1.0f;
    SoundMuted = false;
    ResolutionIndex = 2;
    PauseConfirmOpen = false;
    ReturnToLevelPending = false;
    SavedPlayerPosition = {0.0f, 0.0f};
}

void UnloadMenuScreen(Texture** pictures, size_t count, bool releaseMusic)
{
    ReleaseMesh(UnitQuadMesh);
    UnitQuadMesh = nullptr;
    if (releaseMusic)
    {
        ReleaseSound(MenuMusic);
        MenuMusic = nullptr;
        MenuMusicChannel = nullptr;
    }
    ReleaseSound(ButtonSound);
    ButtonSound = nullptr;
    ReleasePictures(pictures, count);
}

void StartMenuMusic()
{
    // Already playing, it goes on: never a second copy.
    if (!IsChannelPlayingSound(MenuMusicChannel, MenuMusic))
    {
        MenuMusicChannel = PlaySound(MenuMusic, false);
        SetChannelLooping(MenuMusicChannel);
    }
    RestartRequested = false;
}

GameObject* CreateLoadingScreen(Texture* picture)
{
    GameObject* loading = CreateViewPicture("Loading_Screen", picture);
    loading->visible = false;
    return loading;
}

FrontEndWindows MainMenuWindows()
{
    return {SettingsIcon && SettingsIcon->isOpen, QuitConfirmOpen};
}

void RegisterMainMenu()
{
    AddGameState(GS_MAIN_MENU, MainMenuLoad, MainMenuInit, MainMenuUpdate, DrawGameObjects,
                 MainMenuFree, MainMenuUnload);
}
