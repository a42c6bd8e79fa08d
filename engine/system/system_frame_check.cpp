// system_frame_check.cpp: the keys that work in every state.
//
// Called once a frame by every state's Update. Later steps that write NextStateId win over
// earlier ones in the same frame: a level skip beats a restart pressed at the same moment.
// Where the level keys lead is the game's to say (SetProgramKeyRules).
#include "engine/input/input_state.h"
#include "engine/system/game_state_manager.h"
#include "engine/system/window.h"

namespace
{
ProgramKeyRules Rules = {};

void Step(const StateStep* steps, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        if (steps[i].from == CurrentStateId) NextStateId = steps[i].to;
}

// A level key the player's controls have taken is theirs in the states where they play.
bool LevelKey(uint32_t key) { return !Rules.playsInState || !Rules.playsInState(key); }

bool JumpsAllowed()
{
    if (!LevelKey('K')) return false;
    for (size_t i = 0; i < Rules.noJumpStateCount; ++i)
        if (Rules.noJumpStates[i] == CurrentStateId) return false;
    return true;
}
} // namespace

GameStateId LevelJumpTarget = NO_LEVEL_JUMP;

void SetProgramKeyRules(const ProgramKeyRules& rules) { Rules = rules; }

void SystemFrameCheck()
{
    LevelJumpTarget = NO_LEVEL_JUMP;
    WindowUnfocused = !PlatformWindowHasFocus();

    if (IsKeyDown(KEY_CONTROL) && IsKeyTriggered('Q')) NextStateId = GS_QUIT;

    if (IsKeyTriggered(KEY_F11)) SetFullscreen(!IsFullscreen);

    // Minimise once, on the frame the last of the three goes down.
    if (IsKeyDown(KEY_CONTROL) && IsKeyDown(KEY_ALT) && IsKeyDown(KEY_DELETE) &&
        (IsKeyTriggered(KEY_CONTROL) || IsKeyTriggered(KEY_ALT) || IsKeyTriggered(KEY_DELETE)))
        PlatformMinimiseWindow();

    if (IsKeyDown(KEY_ALT) && IsKeyTriggered(KEY_F4)) NextStateId = GS_QUIT;

    if (Rules.restartPressed ? Rules.restartPressed() : IsKeyTriggered('R'))
    {
        if (Rules.beforeRestart) Rules.beforeRestart();
        RestartRequested = true;
        NextStateId = GS_RESTART;
    }

    if (IsKeyTriggered(KEY_LEFT) && LevelKey(KEY_LEFT))
        Step(Rules.previousLevel, Rules.previousLevelCount);
    if (IsKeyTriggered(KEY_RIGHT) && LevelKey(KEY_RIGHT)) Step(Rules.nextLevel, Rules.nextLevelCount);

    if (IsKeyDown('K') && JumpsAllowed())
    {
        for (size_t i = 0; i < Rules.levelJumpCount; ++i)
        {
            const StateStep& jump = Rules.levelJumps[i];
            const uint32_t digit = static_cast<uint32_t>(jump.from);
            if (!IsKeyTriggered(digit) || !LevelKey(digit)) continue;
            NextStateId = LevelJumpTarget = jump.to;
        }
    }
}
