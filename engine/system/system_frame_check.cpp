// system_frame_check.cpp: the keys that work in every state.
//
// Called once a frame by every state's Update. Later steps that write NextStateId win over
// earlier ones in the same frame: a level skip beats a restart pressed at the same moment.
#include "engine/input/input_state.h"
#include "engine/system/game_state_manager.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"

namespace
{
struct LevelStep
{
    GameStateId from, to;
};

// The arrow keys walk two chains of levels: the tutorial 3-4-5-6, and the levels
// 7-8-9-10-11-13-14-15 and on to the win screen. State 12 is on neither.
constexpr LevelStep PreviousLevel[] = {{4, 3},  {5, 4},   {6, 5},   {8, 7},   {9, 8},
                                       {10, 9}, {11, 10}, {13, 11}, {14, 13}, {15, 14}};
constexpr LevelStep NextLevel[] = {{3, 4},   {4, 5},   {5, 6},   {7, 8},   {8, 9},  {9, 10},
                                   {10, 11}, {11, 13}, {13, 14}, {14, 15}, {15, GS_WIN_SCREEN}};

// K held with a digit jumps to a level; 0 opens the level selector.
constexpr LevelStep DigitJumps[] = {{'1', 7},  {'2', 8},  {'3', 9},  {'4', 10},
                                    {'5', 11}, {'6', 13}, {'7', 14}, {'8', 15},
                                    {'0', GS_LEVEL_SELECTOR}};

template <size_t N> void Step(const LevelStep (&steps)[N])
{
    for (const LevelStep& step : steps)
        if (step.from == CurrentStateId) NextStateId = step.to;
}
} // namespace

void SystemFrameCheck()
{
    WindowUnfocused = !PlatformWindowHasFocus();

    if (IsKeyDown(KEY_CONTROL) && IsKeyTriggered('Q')) NextStateId = GS_QUIT;

    if (IsKeyTriggered(KEY_F11)) SetFullscreen(!IsFullscreen);

    // Minimise once, on the frame the last of the three goes down.
    if (IsKeyDown(KEY_CONTROL) && IsKeyDown(KEY_ALT) && IsKeyDown(KEY_DELETE) &&
        (IsKeyTriggered(KEY_CONTROL) || IsKeyTriggered(KEY_ALT) || IsKeyTriggered(KEY_DELETE)))
        PlatformMinimiseWindow();

    if (IsKeyDown(KEY_ALT) && IsKeyTriggered(KEY_F4)) NextStateId = GS_QUIT;

    if (IsKeyTriggered('R'))
    {
        StopAllSounds();
        RestartRequested = true;
        NextStateId = GS_RESTART;
    }

    if (IsKeyTriggered(KEY_LEFT)) Step(PreviousLevel);
    if (IsKeyTriggered(KEY_RIGHT)) Step(NextLevel);

    if (IsKeyDown('K') && CurrentStateId != GS_MAIN_MENU && CurrentStateId != GS_LEVEL_SELECTOR &&
        CurrentStateId != GS_CREDITS)
    {
        for (const LevelStep& jump : DigitJumps)
            if (IsKeyTriggered(static_cast<uint32_t>(jump.from))) NextStateId = jump.to;
    }
}
