// vantara_main.cpp: start-up, the main loop and shut-down, in their fixed order.
#include "game/vantara_main.h"

#include "engine/graphics/image_file.h"
#include "engine/graphics/render_device.h"
#include "engine/input/input_state.h"
#include "engine/platform/platform.h"
#include "engine/system/frame_controller.h"
#include "engine/system/frame_stats.h"
#include "engine/system/game_state_manager.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/game_states.h"

#include <cstdio>
#include <cstring>

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

bool ParseProgramOptions(int argc, const char* const* argv, ProgramOptions* options)
{
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--frame-stats") == 0)
        {
            options->frameStats = true;
            continue;
        }
        std::fprintf(stderr, "vantara: unknown argument '%s' (known: --frame-stats)\n", argv[i]);
        return false;
    }
    return true;
}

int VantaraMain(const ProgramOptions& options)
{
    if (options.frameStats) EnableFrameStats();
    MarkStartup(MARK_PROGRAM_START);
    // A second copy leaves before it makes any window.
    if (!PlatformAcquireInstanceLock("Vantara")) return EXIT_ALREADY_RUNNING;

    WindowTitle = "Vantara";
    WindowWidth = 1920;
    WindowHeight = 1080;
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
    // The main menu's pictures decode while the window opens and the graphics driver starts,
    // which takes the better part of a second on a software driver; its Load then only
    // uploads them, and the first logo is up soon after the driver is ready.
    DecodeStatePicturesAhead(GS_MAIN_MENU);
    const bool windowMade = CreateGameWindow();
    if (windowMade) MarkStartup(MARK_WINDOW);
    if (!windowMade || !InitGraphics())
    {
        // Nothing can be shown; say why (already done) and end with a failure code rather
        // than pretending all went well.
        ShutDown();
        return EXIT_NO_GRAPHICS;
    }

    MarkStartup(MARK_GL_READY);
    InitInput();
    InitFrameController();
    InitSoundSystem(); // without a sound device the game plays on, silently
    SetIcon();
    SetFullscreen(true);
    StopAllSounds();
    RegisterGameStates();

    RunGameLoop(GS_MAIN_MENU);

    if (FrameStatsEnabled()) PrintFrameStats(stdout);
    ShutDown();
    return EXIT_OK;
}
