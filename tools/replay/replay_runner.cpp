// replay_runner.cpp: start-up on the scripted platform, the frame loop and its input.
#include "tools/replay/replay_runner.h"

#include "engine/graphics/render_device.h"
#include "engine/input/input_state.h"
#include "engine/platform/platform_scripted.h"
#include "engine/system/frame_controller.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/frontend/screens.h"
#include "game/levels/ghost_run.h"
#include "game/startup/game_states.h"
#include "game/gameplay/player.h"

namespace
{
constexpr int LEFT_BUTTON = 0;
constexpr int RIGHT_BUTTON = 1;
constexpr int MIDDLE_BUTTON = 2;

// A script that uses the pad anywhere plays with one plugged in from the start; others with
// none, exactly as before pads were scripted.
bool PadPlugged = false;

// Turns the difference between what was held and what the script holds now into messages
// for this frame's pump, and places the cursor.
void ApplyInput(const ReplayInput& was, const ReplayInput& now)
{
    for (int k = 0; k < REPLAY_KEY_COUNT; ++k)
    {
        const ReplayKey key = static_cast<ReplayKey>(k);
        const bool before = IsHeld(was, key), after = IsHeld(now, key);
        if (before == after) continue;
        switch (key)
        {
        case REPLAY_RMB: ScriptedMouseButton(RIGHT_BUTTON, after); break;
        case REPLAY_MMB: ScriptedMouseButton(MIDDLE_BUTTON, after); break;
        case REPLAY_MIN: ScriptedSetMinimised(after); break;
        case REPLAY_UNFOCUS: ScriptedSetFocus(!after); break;
        case REPLAY_CLOSE:
            // The close message the window gets from its close box, the window manager or a
            // signal; a closed window stays closed.
            if (after) ScriptedCloseWindow();
            break;
        default:
            if (k >= REPLAY_PAD_A && k <= REPLAY_PAD_RT) break; // the pad's reading is set below
            if (after)
                ScriptedKeyDown(ReplayKeyCode(key));
            else
                ScriptedKeyUp(ReplayKeyCode(key));
        }
    }
    if (was.leftButton != now.leftButton) ScriptedMouseButton(LEFT_BUTTON, now.leftButton);
    if (PadPlugged)
    {
        const GamepadReading pad = ReplayPadReading(now);
        ScriptedSetGamepad(0, &pad);
    }
    const ScriptedWindowRecord& window = ScriptedWindow();
    ScriptedSetCursor(static_cast<float>(window.clientWidth) * 0.5f + now.mouseX,
                      static_cast<float>(window.clientHeight) * 0.5f - now.mouseY);
}

// The game as the program starts it, less the instance lock, the GL context and the sound
// device.
void StartGame(const ReplaySetup& setup)
{
    ScriptedReset();
    ResetGameStates();
    ResetGameplayState();
    ResetFrontEnd();
    ApplyScriptHeader(setup.header);
    ResetLevelTimer();
    TimerShown = setup.timer;
    ResetGhost();
    GhostShown = setup.ghost;
    WindowTitle = "Vantara";
    WindowWidth = 1920;
    WindowHeight = 1080;
    IsFullscreen = false;
    WindowUnfocused = false;
    RestartRequested = false;
    LevelJumpTarget = NO_LEVEL_JUMP;
    StartedFromLevelSelector = setup.fromSelector;
    PlatformInit();
    PadPlugged = false;
    for (const ScriptLine& line : setup.script) PadPlugged = PadPlugged || UsesPad(line.input);
    if (PadPlugged)
    {
        const GamepadReading resting = {};
        ScriptedSetGamepad(0, &resting);
    }
    CreateGameWindow();
    if (setup.drawWithGL) InitGraphics();
    InitInput();
    InitFrameController();
    UseVirtualFrameTime(!setup.pacedByClock);
    SetFullscreen(true);
    StopAllSounds();
    RegisterGameStates();
    if (setup.useArena) RegisterArenaState(setup.arena);
    if (setup.useLevel) SetPlayedLevel(setup.level, setup.playedOptions);
}

void StopGame()
{
    ShutdownGraphics();
    UseVirtualFrameTime(false);
    DestroyGameWindow();
    ResetInput();
    PlatformShutdown();
    ResetGameStates();
}

Player* FindPlayerObject() { return dynamic_cast<Player*>(FindGameObject(PLAYER_OBJECT_NAME)); }

} // namespace

bool IsGameState(GameStateId id)
{
    ResetGameStates();
    RegisterGameStates();
    const bool registered = IsGameStateRegistered(id);
    ResetGameStates();
    return registered;
}

void RunReplay(const ReplaySetup& setup, ReplayObserver* observer)
{
    StartGame(setup);
    StartGameLoop(setup.useArena ? GS_ARENA : setup.useLevel ? GS_PLAYED_LEVEL : setup.state);
    PreviousStateId = GS_MAIN_MENU;

    uint64_t total = 0;
    if (setup.frames >= 0)
        total = static_cast<uint64_t>(setup.frames);
    else if (!setup.script.empty())
        total = setup.script.back().frame + 1;

    EnterState();
    observer->OnInit(0);

    ReplayInput held;
    size_t nextLine = 0;
    bool running = true;
    for (uint64_t frame = 0; frame < total && running; ++frame)
    {
        ReplayInput wanted = held;
        while (nextLine < setup.script.size() && setup.script[nextLine].frame <= frame)
            wanted = setup.script[nextLine++].input;
        ApplyInput(held, wanted);
        held = wanted;
        // The frame runs with the frame time it was recorded with, or the steady 1/60 s.
        FrameTime = wanted.frameTime > 0.0f ? wanted.frameTime : MinFrameTime;

        observer->BeforeFrame(frame);
        const FrameWatch watch = WatchPlayerBeforeFrame();
        RunFrame();
        const ReplayEvent event = FrameEventAfter(watch);
        const Player* player = FindPlayerObject();
        observer->OnFrame(frame, player, event);

        if (setup.useArena && event == REPLAY_COMPLETE) break;
        if (setup.useLevel && event == REPLAY_COMPLETE && CurrentStateId == GS_PLAYED_LEVEL) break;
        if (!observer->KeepGoing()) break;
        if (NextStateId == CurrentStateId) continue;
        running = LeaveState();
        if (!running) break;
        EnterState();
        observer->OnInit(frame + 1);
    }

    if (running)
    {
        ActiveFree();
        ActiveUnload();
    }
    StopGame();
}
