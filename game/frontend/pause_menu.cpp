// pause_menu.cpp: the pause window, its buttons, the taunt and the confirmation.
#include "game/frontend/pause_menu.h"

#include "engine/input/input_state.h"
#include "engine/platform/platform.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/frontend/settings.h"
#include "game/frontend/text_line.h"
#include "game/levels/level.h"
#include "game/controls/bindings.h"
#include "game/scene/camera.h"
#include "game/scene/render_layer.h"

#include <cstdlib>
#include <ctime>

bool PauseConfirmOpen = false;
GameStateId PendingPauseAction = GS_MAIN_MENU;
bool ReturnToLevelPending = false;
Vec2 SavedPlayerPosition = {0.0f, 0.0f};

namespace
{
enum Picture
{
    PANEL,
    RESUME,
    RETURN,
    EXIT,
    CREDITS,
    HOW_TO_PLAY,
    SETTINGS_ICON,
    SURE,
    YES,
    NO,
    RESET,
    TAUNT_1, // the five taunts follow in order
    PAUSE_PICTURE_COUNT = TAUNT_1 + 5
};
constexpr const char* PICTURE_PATHS[PAUSE_PICTURE_COUNT] = {
    "data/Menus/Pause.png",     "data/Menus/Resume.png",      "data/Menus/Return.png",
    "data/Menus/Exit.png",      "data/Menus/Credits.png",     "data/Menus/HowToPlay.png",
    "data/Menus/Settings.png",  "data/Menus/Sure_button.png", "data/Menus/Yes.png",
    "data/Menus/No.png",        "data/Menus/Reset.png",       "data/Menus/Taunt1.png",
    "data/Menus/Taunt2.png",    "data/Menus/Taunt3.png",      "data/Menus/Taunt4.png",
    "data/Menus/Taunt5.png",
};
constexpr const char* TAUNTS[5] = {
    "Have you already given up?",
    "You don't know how to pass this level? Loser",
    "Already tired of dying?",
    "Take your time, you will fail anyways",
    "Is the hook mechanic too difficult for you?",
};
constexpr Vec2 BUTTON_SIZE = {150.0f, 75.0f};
constexpr Vec2 ICON_SIZE = {100.0f, 100.0f};
constexpr float CONFIRM_BUTTON_Y = 0.0f;

// Channel slots of the buttons.
enum Slot
{
    SLOT_RETURN,
    SLOT_RESUME,
    SLOT_EXIT,
    SLOT_SETTINGS,
    SLOT_HOW_TO_PLAY,
    SLOT_CREDITS,
    SLOT_RESTART,
    SLOT_COUNT
};

Texture* Pictures[PAUSE_PICTURE_COUNT] = {};
PictureSet PausePictures = {PICTURE_PATHS, Pictures, PAUSE_PICTURE_COUNT, 0};

// Hover flags live as long as the program: the seven buttons, then Yes and No.
bool Hovered[SLOT_COUNT + 2] = {};

GameObject* AddToFrame(GameObject* object, bool hidden = true)
{
    AddObject(GetOrCreateLayer("FRA0"), object);
    if (hidden) object->visible = false;
    return object;
}

GameObject* PauseObject(const char* name, Texture* picture, float x, float y, Vec2 size)
{
    return AddToFrame(CreateMenuObject(new GameObject(), name, picture, x, y, size.x, size.y));
}

// Draws 1..5 as the pause menu always has: seeded by the clock, retried until it fits.
int DrawTauntNumber()
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    int number = 0;
    while (number < 1 || number > 5) number = std::rand() % 1000;
    return number;
}

GameObject* FindPlayerObject() { return FindGameObject("player"); }
} // namespace

void KeepPauseMenuPictures(bool keep)
{
    if (keep)
    {
        AcquirePictures(PausePictures);
        AcquirePictures(SettingsPictures);
        AcquirePictures(LetterPictures);
        return;
    }
    ReleasePictures(PausePictures);
    ReleasePictures(SettingsPictures);
    ReleasePictures(LetterPictures);
}

void DecodePauseMenuPicturesAhead()
{
    DecodePicturesAhead(PausePictures);
    DecodePicturesAhead(SettingsPictures);
    DecodePicturesAhead(LetterPictures);
}

PauseMenu::PauseMenu()
{
    GetOrCreateLayer("FRA0");
    CreateCamera("FrameCam", "FRA0")->clearEnabled = false;
    AcquirePictures(PausePictures);
    window = PauseObject("window_pause", Pictures[PANEL], 0, 0, {600, 600});
    resumeButton = PauseObject("exit_pause", Pictures[RESUME], 110, -175, BUTTON_SIZE);
    returnButton = PauseObject("exit_level", Pictures[RETURN], -110, -175, BUTTON_SIZE);
    exitButton = PauseObject("exit_game", Pictures[EXIT], -110, -75, BUTTON_SIZE);
    restartButton_ = PauseObject("Restart", Pictures[RESET], 110, -75, BUTTON_SIZE);
    creditsButton_ = PauseObject("credits", Pictures[CREDITS], -110, 50, BUTTON_SIZE);
    howToPlayButton_ = PauseObject("HowToPlay_pause", Pictures[HOW_TO_PLAY], 110, 50, BUTTON_SIZE);
    tauntLabel_ = PauseObject("taunt", Pictures[TAUNT_1], 0, 170, {520, 60});
    settings = new Settings();
    AddToFrame(CreateMenuObject(settings, "Settings_pause", Pictures[SETTINGS_ICON], 250, 250,
                                ICON_SIZE.x, ICON_SIZE.y));
    confirm_ = CreateConfirmWindow(Pictures[PANEL], Pictures[SURE], Pictures[YES],
                                   Pictures[NO], CONFIRM_BUTTON_Y);
    for (GameObject* object : confirm_.objects) AddToFrame(object);
    ButtonSound = LoadSound(BUTTON_SOUND_PATH);
    StartHoverChannels(channels_, SLOT_COUNT);
}

PauseMenu::~PauseMenu()
{
    paused = wasPaused = false;
    ReleasePictures(PausePictures);
    StopHoverChannels(channels_, SLOT_COUNT);
    ReleaseSound(ButtonSound);
    ButtonSound = nullptr;
}

void PauseMenu::ShowPauseObjects(bool visible)
{
    GameObject* const objects[] = {window,         returnButton,   resumeButton,
                                   exitButton,     settings,       howToPlayButton_,
                                   creditsButton_, restartButton_, tauntLabel_};
    ShowObjects(objects, CountOf(objects), visible);
}

void PauseMenu::Update()
{
    // A back press that closes the settings window does nothing more.
    const bool settingsWereOpen = settings->isOpen;
    settings->Update();
    UpdateSounds();
    if (PlatformWindowIsMinimised()) paused = true;
    ApplyMenuVolumes(channels_, SLOT_COUNT, nullptr, SoundMuted);
    // The pause bindings (Escape always among them), or B to go back out of the pause.
    const bool toggle = ActionPressed(ACTION_PAUSE) || (paused && IsPadButtonTriggered(PAD_B));
    if (toggle && !settingsWereOpen && !PauseConfirmOpen) paused = !paused;

    if (!paused)
    {
        ReturnToLevelPending = false;
        SavedPlayerPosition = {0.0f, 0.0f};
        ShowPauseObjects(false);
        if (wasPaused && IsChannelPlaying(LevelMusicChannel))
            SetChannelPaused(LevelMusicChannel, false);
        paused = wasPaused = false;
        PauseConfirmOpen = false;
        settings->isOpen = false;
        ShowConfirmWindow(confirm_, false);
        return;
    }
    if (settings->isOpen || settings->closedTimer < 1.0f) return;

    if (!wasPaused)
    {
        const int number = DrawTauntNumber();
        taunt = TAUNTS[number - 1];
        tauntLabel_->texture = Pictures[TAUNT_1 + number - 1];
        if (IsChannelPlaying(LevelMusicChannel)) SetChannelPaused(LevelMusicChannel, true);
        OpenMenuFocus(focus_, 0); // Resume
    }
    ShowPauseObjects(true);
    wasPaused = paused;
    if (PauseConfirmOpen)
    {
        ShowConfirmWindow(confirm_, true);
        const ConfirmAnswer answer =
            HandleConfirmWindow(confirm_, &Hovered[SLOT_COUNT], &channels_[SLOT_RETURN],
                                &channels_[SLOT_RESUME]);
        if (answer == CONFIRM_YES)
        {
            NextStateId = PendingPauseAction;
            if (PendingPauseAction == GS_RESTART) RestartRequested = true;
        }
        if (answer == CONFIRM_NO) PauseConfirmOpen = false;
        return;
    }
    ShowConfirmWindow(confirm_, false);
    HandleButtons();
}

void PauseMenu::HandleButtons()
{
    GameObject* const focusable[] = {resumeButton,   returnButton,     exitButton, restartButton_,
                                     creditsButton_, howToPlayButton_, settings};
    const GameObject* pointed = MenuPointed(focus_, focusable, CountOf(focusable));
    auto ask = [&](GameStateId action) {
        PendingPauseAction = action;
        PauseConfirmOpen = true;
        FocusConfirmWindow(confirm_);
    };
    // The icon grows only when the keys focus it, to be seen.
    auto clicked = [&](GameObject* button, Slot slot, bool grows = true) {
        return ButtonClicked({button, grows ? BUTTON_SIZE : ICON_SIZE, &Hovered[slot],
                              &channels_[slot]},
                             pointed, grows || KeysDriveMenus());
    };
    auto leaveFor = [&](GameStateId screen) {
        ReturnToLevelPending = true;
        NextStateId = screen;
        if (const GameObject* player = FindPlayerObject()) SavedPlayerPosition = player->position;
    };
    if (clicked(returnButton, SLOT_RETURN)) ask(PausedLevelLeavesTo());
    if (clicked(resumeButton, SLOT_RESUME))
    {
        ShowPauseObjects(false);
        paused = false;
    }
    if (clicked(exitButton, SLOT_EXIT)) ask(GS_QUIT);
    if (clicked(settings, SLOT_SETTINGS, false)) settings->isOpen = true;
    if (clicked(howToPlayButton_, SLOT_HOW_TO_PLAY)) leaveFor(GS_CONTROLS);
    if (clicked(creditsButton_, SLOT_CREDITS)) leaveFor(GS_CREDITS);
    if (clicked(restartButton_, SLOT_RESTART)) ask(GS_RESTART);
}
