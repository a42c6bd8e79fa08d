// vantara_main.cpp: start-up, the main loop and shut-down, in their fixed order.
#include "game/vantara_main.h"

#include "engine/graphics/image_file.h"
#include "engine/graphics/render_device.h"
#include "engine/input/input_state.h"
#include "engine/platform/platform.h"
#include "engine/system/frame_controller.h"
#include "engine/system/game_state_manager.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/best_times.h"
#include "game/frontend/kept_settings.h"
#include "game/kept_file.h"
#include "game/game_states.h"

static const char* const IconPath = "data/Icon.png";

static void SetIcon()
{
    ImageRGBA icon;
    if (ReadImageFile(IconPath, &icon))
        PlatformSetWindowIcon(icon.pixels.data(), icon.width, icon.height);
}

static void ShutDown()
{
    PlatformReleaseInstanceLock();
    ShutdownGraphics();
    DestroyGameWindow();
    ResetInput();
    ShutdownSoundSystem();
    PlatformShutdown();
}

int VantaraMain()
{
    // A second copy leaves before it makes any window.
    if (!PlatformAcquireInstanceLock("Vantara")) return EXIT_ALREADY_RUNNING;

    WindowTitle = "Vantara";
    WindowWidth = 1920;
    WindowHeight = 1080;
    KeepingFiles = true;
    const bool fullscreen = LoadKeptSettings();
    LoadBestTimes();
    if (!PlatformInit())
    {
        ShutDown();
        return EXIT_NO_GRAPHICS;
    }
    // The pictures and sounds live in data/ beside the program (or, for a player who starts
    // build/vantara from the source folder, under the working directory). Without them the
    // game would open on a blank menu; say so instead.
    if (!PlatformEnterDataFolder())
    {
        PlatformShowMessageBox("Vantara",
                               "Vantara cannot find its data folder. It looks for \"data\" "
                               "beside the program and in the folder it was started from; "
                               "build the game again (scripts/run.sh) to make it.",
                               MESSAGE_BOX_ERROR);
        ShutDown();
        return EXIT_NO_DATA;
    }
    if (!CreateGameWindow() || !InitGraphics())
    {
        // Nothing can be shown; say why (already done) and end with a failure code rather
        // than pretending all went well.
        ShutDown();
        return EXIT_NO_GRAPHICS;
    }

    InitInput();
    InitFrameController();
    InitSoundSystem(); // without a sound device the game plays on, silently
    SetIcon();
    SetFullscreen(fullscreen);
    StopAllSounds();
    RegisterGameStates();

    // The game loop, with the settings kept after every frame that changed one.
    StartGameLoop(GS_MAIN_MENU);
    do
    {
        EnterState();
        while (NextStateId == CurrentStateId)
        {
            RunFrame();
            KeepSettingsIfChanged();
        }
    } while (LeaveState());

    ShutDown();
    return EXIT_OK;
}
