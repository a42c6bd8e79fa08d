// game_state_manager.h: the table of game states and the loop that runs them.
//
// Every screen and every level is a game state: six operations called by the loop in a fixed
// order, one state at a time. A state asks for another only by writing NextStateId; the loop
// makes the switch between frames (Free and Unload of the old state, Load and Init of the
// new). GS_RESTART runs Free and Init again without unloading; GS_QUIT ends the loop.
#pragma once

#include <cstdint>

using GameStateId = int32_t;
using StateOperation = void (*)();

constexpr GameStateId GS_QUIT = -1;
constexpr GameStateId GS_RESTART = -2;
constexpr GameStateId GS_MAIN_MENU = 1;
constexpr GameStateId GS_LEVEL_SELECTOR = 2;
constexpr GameStateId GS_WIN_SCREEN = 20;
constexpr GameStateId GS_CREDITS = 21;
constexpr GameStateId GS_CONTROLS = 22;

constexpr int MaxGameStates = 64;

struct GameStateEntry
{
    GameStateId id;
    StateOperation Load, Init, Update, Draw, Free, Unload;
};

extern GameStateId CurrentStateId;
extern GameStateId NextStateId;
extern GameStateId PreviousStateId;

// The operations of the running state; never null.
extern StateOperation ActiveLoad, ActiveInit, ActiveUpdate, ActiveDraw, ActiveFree, ActiveUnload;

void EmptyOperation();

// Appends a row. An id that is already registered keeps its first row; a full table refuses
// the row (false) and says so on standard error.
bool AddGameState(GameStateId id, StateOperation load, StateOperation init, StateOperation update,
                  StateOperation draw, StateOperation free, StateOperation unload);
int GameStateCount();
// True when a row for `id` has been added.
bool IsGameStateRegistered(GameStateId id);
// Empties the table and sets every id and slot as at start-up (tests and restarts of the engine).
void ResetGameStates();

// Fills the active slots from CurrentStateId. An id with no row leaves the slots as they were.
void BindStateOperations();

// Starts in `first` and runs state visits until a state asks for GS_QUIT.
void RunGameLoop(GameStateId first);

// The loop one frame at a time, for a driver that is called once per frame (a browser's
// animation frame) or acts around each frame:
//   StartGameLoop(first); while (StepGameLoop(RunFrame)) {}
// Each step enters the current state when due, runs `frame` (RunFrame, or a driver's frame
// that calls it) unless the state has already asked for another, and leaves the state once it
// has. False once the game has quit.
bool StepGameLoop(StateOperation frame);

// The same loop in pieces, for a driver that acts between frames (the replay runner):
//   StartGameLoop(first);
//   do { EnterState(); while (NextStateId == CurrentStateId) RunFrame(); } while (LeaveState());
void StartGameLoop(GameStateId first);
// Load (unless the visit is a restart) and Init of the current state. Pictures decoded ahead
// and not taken by this Load are let go after it (picture_decoder.h).
void EnterState();
// One frame: begin, messages, input, Update, Draw, lines, overlay, swap, pacing.
void RunFrame();
// Free, and unless restarting Unload and the switch to NextStateId. False once quitting.
bool LeaveState();
