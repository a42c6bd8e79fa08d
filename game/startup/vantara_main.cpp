// vantara_main.cpp: start-up, the main loop and shut-down, in their fixed order.
#include "game/startup/vantara_main.h"

#include "engine/graphics/image_file.h"
#include "engine/graphics/render_device.h"
#include "engine/graphics/texture.h"
#include "engine/input/input_state.h"
#include "engine/platform/platform.h"
#include "engine/system/frame_controller.h"
#include "engine/system/frame_stats.h"
#include "engine/system/game_state_manager.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/saves/best_times.h"
#include "game/saves/kept_settings.h"
#include "game/saves/kept_file.h"
#include "game/startup/game_states.h"
#include "game/recording/session_recording.h"
#include "game/startup/version.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

static const char* const IconPath = "data/Icon.png";

static void SetIcon()
{
    ImageRGBA icon;
    if (ReadImageFile(IconPath, &icon))
        PlatformSetWindowIcon(icon.pixels.data(), icon.width, icon.height);
}

// `path` as seen from the folder the program was started in, which stops being the working
// directory once the data folder is found.
static std::string StartingFolderPath(const char* path)
{
    std::error_code failed;
    const std::filesystem::path absolute = std::filesystem::absolute(path, failed);
    return failed ? std::string(path) : absolute.string();
}

static void ShutDown()
{
    StopRecording();
    PlatformReleaseInstanceLock();
    ShutdownGraphics();
    DestroyGameWindow();
    ResetInput();
    ShutdownSoundSystem();
    PlatformShutdown();
}

// The session's frames: the recording fed in or written out, the settings kept after every
// frame that changed one.
namespace
{
bool Recording = false;
bool Playing = false;
uint64_t SessionFrameCount = 0;

void SessionFrame()
{
    if (Playing) Playing = PlaybackFrame(SessionFrameCount);
    if (Recording) WatchFrame();
    RunFrame();
    if (Recording) RecordFrame(SessionFrameCount);
    KeepSettingsIfChanged();
    ++SessionFrameCount;
}
} // namespace

int VantaraStart(const LaunchOptions& options)
{
    if (options.frameStats) EnableFrameStats();
    MarkStartup(MARK_PROGRAM_START);
    // A second copy leaves before it makes any window.
    if (!PlatformAcquireInstanceLock("Vantara")) return EXIT_ALREADY_RUNNING;
    // A recording to play that cannot be had ends the program before any window. One to
    // write is made only once the window is open, so that a start that fails (no display, no
    // OpenGL) leaves a file of that name as it was; its path is taken now, before the data
    // folder becomes the working directory.
    const bool recording = options.recordPath != nullptr;
    const bool playing = options.playPath != nullptr;
    if (playing && !StartPlayback(options.playPath))
    {
        PlatformReleaseInstanceLock();
        return EXIT_BAD_RECORDING;
    }
    const std::string recordPath = recording ? StartingFolderPath(options.recordPath) : "";

    WindowTitle = "Vantara";
    WindowWidth = 1920;
    WindowHeight = 1080;
    KeepingFiles = !recording && !playing;
    const bool fullscreen = LoadKeptSettings();
    // A recorded session plays with the player's controls, which the recording carries.
    if (recording) LoadKeptPlayOptions();
    LoadBestTimes();
    if (!PlatformInit())
    {
        ShutDown();
        return EXIT_NO_GRAPHICS;
    }
    // The pictures and sounds live in data/ beside the program in a build tree, under
    // share/games/vantara/ in an installed game, or (for a player who starts a copy of the
    // program from the source folder) under the working directory. Without them the game
    // would open on a blank menu; say so instead.
    if (!PlatformEnterDataFolder(INSTALLED_DATA_FOLDER))
    {
        PlatformShowMessageBox("Vantara",
                               "Vantara cannot find its data folder. It looks for \"data\" "
                               "beside the program, in its installed place and in the folder "
                               "it was started from; build the game again (scripts/run.sh) "
                               "or reinstall it.",
                               MESSAGE_BOX_ERROR);
        ShutDown();
        return EXIT_NO_DATA;
    }
    // The main menu's pictures decode while the window opens and the graphics driver starts,
    // which takes the better part of a second on a software driver; its Load then only
    // uploads them, and the first logo is up soon after the driver is ready.
    ExpectPicturesDrawn(true);
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
    if (recording && !StartRecording(recordPath.c_str()))
    {
        ShutDown();
        return EXIT_BAD_RECORDING;
    }
    InitInput();
    InitFrameController();
    InitSoundSystem(); // without a sound device the game plays on, silently
    SetIcon();
    SetFullscreen(fullscreen);
    StopAllSounds();
    RegisterGameStates();

    Recording = recording;
    Playing = playing;
    SessionFrameCount = 0;
    StartGameLoop(GS_MAIN_MENU);
    return EXIT_RUNNING;
}

bool VantaraStep() { return StepGameLoop(SessionFrame); }

int VantaraFinish()
{
    KeepSettingsNow(); // a change made in the last second of play
    if (FrameStatsEnabled()) PrintFrameStats(stdout);
    ShutDown();
    return EXIT_OK;
}

int VantaraMain(const LaunchOptions& options)
{
    const int started = VantaraStart(options);
    if (started != EXIT_RUNNING) return started;
    while (VantaraStep())
    {
    }
    return VantaraFinish();
}
