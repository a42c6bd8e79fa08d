// controls_screen.cpp: the page that explains the controls; Space goes back, and so do
// Enter, Escape and the pad's A and B.
#include "engine/graphics/mesh.h"
#include "engine/graphics/texture.h"
#include "engine/input/input_state.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/frontend/menu_focus.h"
#include "game/frontend/menu_widgets.h"
#include "game/frontend/screens.h"

namespace
{
constexpr const char* PICTURE_PATHS[] = {"data/Controls.png"};
Texture* Picture[1] = {};

void ControlsLoad()
{
    LoadPictures(PICTURE_PATHS, Picture, 1);
    UnitQuadMesh = CreateUnitQuad();
}

void ControlsInit()
{
    CreateMenuObject(new GameObject(), "Controls", Picture[0], 0, 0, 1920, 1080,
                     KIND_CONTROLS_PAGE);
}

void ControlsUpdate()
{
    SystemFrameCheck();
    UpdateSounds();
    if (IsKeyTriggered(KEY_SPACE) || MenuPressPressed() || MenuBackPressed())
        NextStateId = PreviousStateId;
}

void ControlsUnload()
{
    ReleaseMesh(UnitQuadMesh);
    UnitQuadMesh = nullptr;
    ReleasePictures(Picture, 1);
}
} // namespace

void RegisterControlsScreen()
{
    AddGameState(GS_CONTROLS, ControlsLoad, ControlsInit, ControlsUpdate, DrawGameObjects,
                 DestroyAllGameObjects, ControlsUnload);
}
