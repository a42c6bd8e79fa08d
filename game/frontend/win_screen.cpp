// win_screen.cpp: the picture after the last level, over the levels' music; Space leaves for
// the main menu, and so do Enter, Escape and the pad's A, B and Start, but only pressed here:
// one still held from the jump into the last exit must not skip the picture unseen.
#include "engine/graphics/mesh.h"
#include "engine/graphics/texture.h"
#include "engine/input/input_state.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/frontend/menu_focus.h"
#include "game/frontend/menu_widgets.h"
#include "game/frontend/screens.h"
#include "game/gameplay/player.h"
#include "game/levels/level.h"

namespace
{
constexpr const char* PICTURE_PATHS[] = {"data/WinScreen.png"};
constexpr const char* LEVEL_MUSIC_PATH = "data\\SubTrain_v1.wav";
Texture* Picture[1] = {};
Sound* Music = nullptr;

void WinLoad()
{
    LoadPictures(PICTURE_PATHS, Picture, 1);
    Music = LoadSound(LEVEL_MUSIC_PATH);
    UnitQuadMesh = CreateUnitQuad();
}

void WinInit()
{
    CreateViewPicture("bg", Picture[0], KIND_BACKGROUND);
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

void WinUnload()
{
    ReleaseMesh(UnitQuadMesh);
    UnitQuadMesh = nullptr;
    ReleasePictures(Picture, 1);
    ReleaseSound(Music);
    Music = nullptr;
    LevelMusicChannel = nullptr;
}
} // namespace

void RegisterWinScreen()
{
    AddGameState(GS_WIN_SCREEN, WinLoad, WinInit, WinUpdate, DrawGameObjects,
                 DestroyAllGameObjects, WinUnload);
}
