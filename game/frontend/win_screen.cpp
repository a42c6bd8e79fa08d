// win_screen.cpp: the picture after the last level, over the levels' music; Space leaves for
// the main menu, and so do Enter, Escape and the pad's A, B and Start, but only pressed here:
// one still held from the jump into the last exit must not skip the picture unseen. Once all
// nine levels have a best time, their total stands under the words; with the timer on, after a
// run from Level 1, each level's time of the run stands beside its best.
#include "engine/graphics/mesh.h"
#include "engine/graphics/texture.h"
#include "engine/input/input_state.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/saves/best_times.h"
#include "game/frontend/menu_focus.h"
#include "game/frontend/menu_widgets.h"
#include "game/frontend/screens.h"
#include "game/frontend/time_label.h"
#include "game/frontend/timer_overlay.h"
#include "game/gameplay/player.h"
#include "game/levels/level.h"
#include "game/levels/level_timer.h"

namespace
{
constexpr const char* PICTURE_PATHS[] = {"data/WinScreen.png", "data/Menus/Best_Total.png",
                                         TIME_DIGITS_PATH};
constexpr size_t PICTURE_COUNT = CountOf(PICTURE_PATHS);
// "Best times in all" and the total after it, left of the hero.
constexpr float TOTAL_Y = 10.0f;
constexpr float TOTAL_LABEL_X = -300.0f, TOTAL_LABEL_W = 480.0f, TOTAL_LABEL_H = 80.0f;
constexpr float TOTAL_TIME_LEFT = -100.0f, TOTAL_TIME_HEIGHT = 44.0f;
constexpr const char* LEVEL_MUSIC_PATH = "data\\SubTrain_v1.ogg";
Texture* Picture[PICTURE_COUNT] = {};
Sound* Music = nullptr;

void WinLoad()
{
    LoadPictures(PICTURE_PATHS, Picture, PICTURE_COUNT);
    KeepTimerLetters(true);
    Music = LoadSound(LEVEL_MUSIC_PATH);
    UnitQuadMesh = CreateUnitQuad();
}

void WinInit()
{
    CreateViewPicture("bg", Picture[0], KIND_BACKGROUND);
    if (const uint64_t total = TotalBestFrames())
    {
        const std::string time = FormatFrames(total);
        CreateMenuObject(new GameObject(), "best_total", Picture[1], TOTAL_LABEL_X, TOTAL_Y,
                         TOTAL_LABEL_W, TOTAL_LABEL_H, KIND_BACKGROUND);
        const float width = TimeLabelWidth(time, TOTAL_TIME_HEIGHT);
        CreateTimeLabel("best_total_time", time, Picture[2], TOTAL_TIME_LEFT + width * 0.5f,
                        TOTAL_Y, TOTAL_TIME_HEIGHT);
    }
    CreateRunSplits();
    // Coming from the last level its music plays on; from anywhere else it starts here.
    if ((PreviousStateId == GS_LEVEL_SELECTOR || RestartRequested) && !PlayerDied)
    {
        LevelMusicChannel = PlaySound(Music, false);
        SetChannelLooping(LevelMusicChannel);
        RestartRequested = false;
    }
    PlayerDied = false;
}

void WinUpdate()
{
    UpdateSounds();
    SetChannelVolume(LevelMusicChannel, MenuSilenced() ? 0.0f : MusicVolume);
    SystemFrameCheck();
    if (IsKeyTriggered(KEY_SPACE) || MenuPressPressed() || MenuBackPressed() ||
        IsPadButtonTriggered(PAD_START))
    {
        StopAllSounds();
        NextStateId = GS_MAIN_MENU;
    }
}

void WinDraw()
{
    DrawGameObjects();
    // After a whole run its table says more than the word on the last finish.
    if (!FinishedRun().complete) DrawFinishNotice();
}

void WinUnload()
{
    KeepTimerLetters(false);
    ReleaseMesh(UnitQuadMesh);
    UnitQuadMesh = nullptr;
    ReleasePictures(Picture, PICTURE_COUNT);
    ReleaseSound(Music);
    Music = nullptr;
    LevelMusicChannel = nullptr;
}
} // namespace

void RegisterWinScreen()
{
    AddGameState(GS_WIN_SCREEN, WinLoad, WinInit, WinUpdate, WinDraw,
                 DestroyAllGameObjects, WinUnload);
}
