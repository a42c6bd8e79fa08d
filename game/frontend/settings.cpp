// settings.cpp: the settings window's objects, its eight buttons and the window modes.
#include "game/frontend/settings.h"

#include "engine/graphics/texture.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/frontend/menu_focus.h"
#include "game/scene/camera.h"
#include "game/scene/render_layer.h"

int ResolutionIndex = 2;

namespace
{
enum Picture
{
    PANEL,
    MUSIC_LABEL,
    VOLUME_LABEL,
    MINUS,
    PLUS,
    SOUND_LABEL,
    RETURN,
    MUTE,
    FULL_SCREEN,
    WINDOW_SIZE,
    PICTURE_COUNT
};
constexpr const char* PICTURE_PATHS[PICTURE_COUNT] = {
    "data/Menus/Pause.png", "data/Menus/Game_Volume.png", "data/Menus/Volume.png",
    "data/Menus/Minus.png", "data/Menus/Plus.png",        "data/Menus/Sound.png",
    "data/Menus/Return.png", "data/Menus/Mute.png",       "data/Menus/FullScreen.png",
    "data/Menus/Win_Resolution.png",
};

struct WindowObject
{
    const char* name;
    Picture picture;
    float x, y, w, h;
    int slot; // hover channel of a button, -1 for the panel and labels
};
// In draw order.
constexpr WindowObject OBJECTS[] = {
    {"settings_window", PANEL, 0, 0, 600, 600, -1},
    {"Game_Volume_1", MUSIC_LABEL, -175, 200, 100, 50, -1},
    {"Game_Volume_2", VOLUME_LABEL, -75, 200, 100, 50, -1},
    {"lower_game_volume", MINUS, -175, 150, 100, 50, 0},
    {"higher_volume_volume", PLUS, -75, 150, 100, 50, 1},
    {"Sound_Volume_1", SOUND_LABEL, -175, 75, 100, 50, -1},
    {"Sound_Volume_2", VOLUME_LABEL, -75, 75, 100, 50, -1},
    {"lower_sound_volume", MINUS, -175, 25, 100, 50, 4},
    {"higher_sound_volume", PLUS, -75, 25, 100, 50, 3},
    {"settings_return", RETURN, 150, -200, 100, 50, 2},
    {"Mute", MUTE, 100, 200, 100, 50, 5},
    {"FullScreen", FULL_SCREEN, 100, 75, 100, 50, 6},
    {"Window_Resoltuion", WINDOW_SIZE, 100, 0, 100, 50, 7},
};
constexpr size_t OBJECT_COUNT = CountOf(OBJECTS);
constexpr size_t CHANNEL_COUNT = 8;
constexpr Vec2 BUTTON_SIZE = {100.0f, 50.0f};
constexpr float VOLUME_STEP = 0.05f;
constexpr float CLOSED_TIMER_STEP = 0.08f;
constexpr uint32_t RESOLUTIONS[3][2] = {{1920, 1080}, {1600, 900}, {1280, 720}};

// The window objects and channels of the last Settings built: there is one at a time. The
// pictures are shared by every Settings alive. Hover flags live as long as the program.
GameObject* Objects[OBJECT_COUNT] = {};
SoundChannel* Channels[CHANNEL_COUNT] = {};
Texture* Pictures[PICTURE_COUNT] = {};
bool Hovered[OBJECT_COUNT] = {};
// The buttons in the order the focus knows them, the first one focused on opening.
constexpr size_t FOCUS_ORDER[] = {3, 4, 7, 8, 10, 11, 12, 9};
MenuFocus Focus;

float Step(float volume, float step)
{
    const float next = volume + step;
    return next < 0.0f ? 0.0f : (next > 1.0f ? 1.0f : next);
}

void ToggleFullscreen()
{
    if (!IsFullscreen)
    {
        SetFullscreen(true);
        return;
    }
    SetFullscreen(false);
    SetClientSize(RESOLUTIONS[0][0], RESOLUTIONS[0][1]);
    if (ResolutionIndex == 1) ResolutionIndex = 2;
}

void NextWindowSize()
{
    if (IsFullscreen) SetFullscreen(false);
    const uint32_t* size = RESOLUTIONS[ResolutionIndex - 1];
    SetClientSize(size[0], size[1]);
    ResolutionIndex = ResolutionIndex % 3 + 1;
}
} // namespace

PictureSet SettingsPictures = {PICTURE_PATHS, Pictures, PICTURE_COUNT, 0};

Settings::Settings(bool picturesLater) : picturesHeld_(!picturesLater)
{
    if (picturesHeld_) AcquirePictures(SettingsPictures);
    RenderLayer* frame = GetOrCreateLayer("FRA0");
    CreateCamera("FrameCam", "FRA0")->clearEnabled = false;
    for (size_t i = 0; i < OBJECT_COUNT; ++i)
    {
        const WindowObject& o = OBJECTS[i];
        Objects[i] = CreateMenuObject(new GameObject(), o.name, Pictures[o.picture], o.x, o.y,
                                      o.w, o.h);
        AddObject(frame, Objects[i]);
        Objects[i]->visible = false;
    }
    window = Objects[0];
    lowerMusicButton = Objects[3];
    raiseMusicButton = Objects[4];
    lowerEffectsButton = Objects[7];
    raiseEffectsButton = Objects[8];
    closeButton = Objects[9];
    ButtonSound = LoadSound(BUTTON_SOUND_PATH);
    StartHoverChannels(Channels, CHANNEL_COUNT);
}

void Settings::TakePictures()
{
    if (picturesHeld_) return;
    picturesHeld_ = true;
    AcquirePictures(SettingsPictures);
    for (size_t i = 0; i < OBJECT_COUNT; ++i) Objects[i]->texture = Pictures[OBJECTS[i].picture];
}

Settings::~Settings()
{
    if (picturesHeld_) ReleasePictures(SettingsPictures);
    StopHoverChannels(Channels, CHANNEL_COUNT);
    for (GameObject*& object : Objects) object = nullptr;
}

void Settings::Update()
{
    if (!isOpen)
    {
        ShowObjects(Objects, OBJECT_COUNT, false);
        closedTimer += CLOSED_TIMER_STEP;
        return;
    }
    if (closedTimer > 0.0f) OpenMenuFocus(Focus, 0); // just opened
    closedTimer = 0.0f;
    ShowObjects(Objects, OBJECT_COUNT, true);
    ApplyMenuVolumes(Channels, CHANNEL_COUNT, nullptr, MenuSilenced());
    GameObject* focusable[CountOf(FOCUS_ORDER)];
    for (size_t i = 0; i < CountOf(FOCUS_ORDER); ++i) focusable[i] = Objects[FOCUS_ORDER[i]];
    const GameObject* pointed = MenuPointed(Focus, focusable, CountOf(focusable));
    if (MenuBackPressed())
    {
        isOpen = false;
        return;
    }
    auto clicked = [&](size_t index) {
        return ButtonClicked({Objects[index], BUTTON_SIZE, &Hovered[index],
                              &Channels[OBJECTS[index].slot]},
                             pointed);
    };
    if (clicked(3)) MusicVolume = Step(MusicVolume, -VOLUME_STEP);
    if (clicked(4)) MusicVolume = Step(MusicVolume, VOLUME_STEP);
    if (clicked(9)) isOpen = false;
    if (clicked(8)) EffectsVolume = Step(EffectsVolume, VOLUME_STEP);
    if (clicked(7)) EffectsVolume = Step(EffectsVolume, -VOLUME_STEP);
    if (clicked(10)) SoundMuted = !SoundMuted;
    if (clicked(11)) ToggleFullscreen();
    if (clicked(12)) NextWindowSize();
}
