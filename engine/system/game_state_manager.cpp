// game_state_manager.cpp: the state table and the main loop.
#include "engine/system/game_state_manager.h"

#include "engine/graphics/draw_state.h"
#include "engine/graphics/picture_decoder.h"
#include "engine/graphics/render_device.h"
#include "engine/graphics/texture.h"
#include "engine/input/input_state.h"
#include "engine/platform/platform.h"
#include "engine/system/frame_controller.h"
#include "engine/system/frame_stats.h"
#include "engine/system/window.h"

#include <cstdio>

GameStateId CurrentStateId = GS_MAIN_MENU;
GameStateId NextStateId = GS_MAIN_MENU;
GameStateId PreviousStateId = GS_MAIN_MENU;

void EmptyOperation() {}

StateOperation ActiveLoad = EmptyOperation;
StateOperation ActiveInit = EmptyOperation;
StateOperation ActiveUpdate = EmptyOperation;
StateOperation ActiveDraw = EmptyOperation;
StateOperation ActiveFree = EmptyOperation;
StateOperation ActiveUnload = EmptyOperation;

static GameStateEntry StateTable[MaxGameStates];
static uint8_t StateCount = 0;

bool AddGameState(GameStateId id, StateOperation load, StateOperation init, StateOperation update,
                  StateOperation draw, StateOperation free, StateOperation unload)
{
    for (int i = 0; i < StateCount; ++i)
        if (StateTable[i].id == id) return true;
    if (StateCount >= MaxGameStates)
    {
        std::fprintf(stderr, "Vantara: game state %d not registered, the table is full\n", id);
        return false;
    }
    StateTable[StateCount++] = {id, load, init, update, draw, free, unload};
    return true;
}

int GameStateCount() { return StateCount; }

bool IsGameStateRegistered(GameStateId id)
{
    for (int i = 0; i < StateCount; ++i)
        if (StateTable[i].id == id) return true;
    return false;
}

static void BindAllEmpty()
{
    ActiveLoad = ActiveInit = ActiveUpdate = EmptyOperation;
    ActiveDraw = ActiveFree = ActiveUnload = EmptyOperation;
}

void ResetGameStates()
{
    StateCount = 0;
    CurrentStateId = NextStateId = PreviousStateId = GS_MAIN_MENU;
    BindAllEmpty();
}

static StateOperation OrEmpty(StateOperation op) { return op ? op : EmptyOperation; }

void BindStateOperations()
{
    if (CurrentStateId == GS_QUIT || CurrentStateId == GS_RESTART)
    {
        BindAllEmpty();
        return;
    }
    for (int i = 0; i < StateCount; ++i)
    {
        const GameStateEntry& row = StateTable[i];
        if (row.id != CurrentStateId) continue;
        ActiveLoad = OrEmpty(row.Load);
        ActiveInit = OrEmpty(row.Init);
        ActiveUpdate = OrEmpty(row.Update);
        ActiveDraw = OrEmpty(row.Draw);
        ActiveFree = OrEmpty(row.Free);
        ActiveUnload = OrEmpty(row.Unload);
        return;
    }
}

// The main thread's processor time, read only while frame statistics are recorded.
static double CpuNow() { return FrameStatsEnabled() ? PlatformThreadCpuSeconds() : 0.0; }

// Set by EnterState: the next frame is a state's first, which draws what its Load brought.
static bool StateJustEntered = false;
// When the switch under way began (LeaveState), while frame statistics are recorded; -1
// before the first state is entered, which the start-up marks time instead.
static double SwitchStarted = -1.0;
// Set between a state's EnterState and its LeaveState, for StepGameLoop.
static bool StateEntered = false;

void RunFrame()
{
    const double started = CpuNow();
    const uint32_t texturesBefore = TexturesLoadedCount();
    BeginFrame();
    const double begun = CpuNow();
    PlatformPumpMessages();
    UpdateInput();
    if (!IsRunning) NextStateId = GS_QUIT;
    ActiveUpdate();
    const double updated = CpuNow();
    ActiveDraw();
    FlushLineBatch();
    RenderOverlay();
    const double drawn = CpuNow();
    PlatformSwapBuffers();
    const double swapped = CpuNow();
    MarkStartup(MARK_FIRST_FRAME);
    LimitFrameRate();
    // A state's first frame, and any frame that loaded pictures, spent its time loading.
    const bool loading = StateJustEntered || TexturesLoadedCount() != texturesBefore;
    RecordFrameStats(updated - begun, (begun - started) + (drawn - updated), swapped - drawn,
                     loading);
    StateJustEntered = false;
}

void StartGameLoop(GameStateId first)
{
    StateEntered = false;
    CurrentStateId = NextStateId = PreviousStateId = first;
    BindStateOperations();
    SwitchStarted = -1.0;
}

void EnterState()
{
    const bool timed = FrameStatsEnabled() && SwitchStarted >= 0.0;
    SetStateLoading(true);
    if (NextStateId == GS_RESTART)
        NextStateId = CurrentStateId;
    else
    {
        // Pictures decoded ahead for a state that did not come are let go once this Load
        // has taken what it needs.
        const uint32_t round = BeginPictureRound();
        ActiveLoad();
        DiscardPicturesBefore(round);
    }
    ActiveInit();
    SetStateLoading(false);
    StateJustEntered = true;
    if (timed) RecordStateSwitch(GetPreciseTime() - SwitchStarted);
    SwitchStarted = -1.0;
}

bool LeaveState()
{
    if (FrameStatsEnabled()) SwitchStarted = GetPreciseTime();
    ActiveFree();
    if (NextStateId != GS_RESTART)
    {
        ActiveUnload();
        PreviousStateId = CurrentStateId;
        CurrentStateId = NextStateId;
        BindStateOperations();
    }
    return NextStateId != GS_QUIT;
}

bool StepGameLoop(StateOperation frame)
{
    if (!StateEntered)
    {
        EnterState();
        StateEntered = true;
    }
    // An Init that already asked for another state gets no frame, as in the plain loop.
    if (NextStateId == CurrentStateId) frame();
    if (NextStateId == CurrentStateId) return true;
    StateEntered = false;
    return LeaveState();
}

void RunGameLoop(GameStateId first)
{
    StartGameLoop(first);
    while (StepGameLoop(RunFrame))
    {
    }
}
