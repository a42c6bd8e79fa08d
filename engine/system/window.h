// window.h: the game window and the program-wide keys.
//
// The window procedure turns window messages into input; SetFullscreen and SetClientSize
// change the window's mode and size; SystemFrameCheck, called by every state's Update once a
// frame, holds the keys that work everywhere: quit, minimise, full screen, restart and the
// level-skip keys.
#pragma once

#include "engine/platform/platform.h"
#include "engine/system/game_state_manager.h"

#include <cstddef>
#include <cstdint>

extern const char* WindowTitle;  // "Stoneleaf Engine" until the game names its window
extern uint32_t WindowWidth;     // client pixels, read again at the start of every frame
extern uint32_t WindowHeight;
extern bool IsRunning;           // set when the window is made, cleared when it is destroyed
extern bool IsFullscreen;
extern bool WindowUnfocused;     // the keyboard focus is elsewhere; written by SystemFrameCheck
extern bool RestartRequested;    // the restart key or the pause menu's restart; the state's
                                 // Init reads and clears it

// The windowed geometry to return to when full screen ends.
struct WindowedGeometry
{
    uint32_t width, height;
    int left, top;
};
extern WindowedGeometry RememberedWindow;

void WindowProc(const WindowMessage& message);
// A filter sees every message before the window procedure; true keeps the message from it
// (a recording being played back holds the player's input). Null removes the filter.
using MessageFilter = bool (*)(const WindowMessage& message);
void SetMessageFilter(MessageFilter filter);

// Opens the window at 100, 100 with a client area of WindowWidth x WindowHeight.
bool CreateGameWindow();
void DestroyGameWindow();

// Borderless full screen on, or back to the remembered windowed size and position.
void SetFullscreen(bool on);
// Resizes the client area; the current size changes nothing, not even a window move.
void SetClientSize(uint32_t width, uint32_t height);

// In state `from`, a level-skip key leads to `to`. For the K jumps `from` is the digit key.
struct StateStep
{
    GameStateId from, to;
};

// What the program-wide keys need from the game, which the engine does not know: where the
// level-skip keys lead, where K with a digit does nothing, what the restart key is and must
// silence, and which keys play in the running state instead. Until the game gives its rules,
// those keys do nothing but restart with R.
struct ProgramKeyRules
{
    const StateStep* previousLevel;    // left arrow
    size_t previousLevelCount;
    const StateStep* nextLevel;        // right arrow
    size_t nextLevelCount;
    const StateStep* levelJumps;       // K held with a digit; the last match wins
    size_t levelJumpCount;
    const GameStateId* noJumpStates;   // states where K with a digit does nothing
    size_t noJumpStateCount;
    void (*beforeRestart)();           // the restart key: the game stops its sounds
    bool (*restartPressed)();          // the restart key went down this frame; null: R
    bool (*playsInState)(uint32_t key); // the key plays here, so it is no level key; null: none
};
void SetProgramKeyRules(const ProgramKeyRules& rules);

// Where the K jump of the frame leads, or NO_LEVEL_JUMP: the next state's Init tells a jump
// from the other ways in. Every SystemFrameCheck clears it before it looks at the keys.
constexpr GameStateId NO_LEVEL_JUMP = 0;
extern GameStateId LevelJumpTarget;

void SystemFrameCheck();
