// program_keys.cpp: the level chains of the arrow keys and the K jumps.
//
// The arrow keys walk two chains of levels: the tutorial 3-4-5-6, and the levels
// 7-8-9-10-11-13-14-15 and on to the win screen. State 12 is on neither. K held with a digit
// jumps to a level, and K with 0 opens the level selector, except in the main menu, the
// selector, its page of made and imported levels, and the credits. In a level, a key given to
// the controls plays instead.
#include "game/controls/program_keys.h"

#include "engine/platform/key_codes.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/controls/bindings.h"
#include "game/levels/level.h"
#include "game/startup/game_states.h"

namespace
{
constexpr StateStep PREVIOUS_LEVEL[] = {{4, 3},  {5, 4},   {6, 5},   {8, 7},   {9, 8},
                                        {10, 9}, {11, 10}, {13, 11}, {14, 13}, {15, 14}};
constexpr StateStep NEXT_LEVEL[] = {{3, 4},   {4, 5},   {5, 6},   {7, 8},   {8, 9},  {9, 10},
                                    {10, 11}, {11, 13}, {13, 14}, {14, 15}, {15, GS_WIN_SCREEN}};
constexpr StateStep LEVEL_JUMPS[] = {{'1', 7},  {'2', 8},  {'3', 9},  {'4', 10},
                                     {'5', 11}, {'6', 13}, {'7', 14}, {'8', 15},
                                     {'0', GS_LEVEL_SELECTOR}};
constexpr GameStateId NO_JUMP_STATES[] = {GS_MAIN_MENU, GS_LEVEL_SELECTOR, GS_MY_LEVELS,
                                          GS_CREDITS, GS_EDITOR};

template <typename T, size_t N> constexpr size_t Count(const T (&)[N]) { return N; }

bool InLevel() { return FindLevel(CurrentStateId) != nullptr; }

// Keys the menus read: given to the restart, they restart only in a level.
bool MenuKey(BoundInput key)
{
    return key == KEY_ENTER || key == KEY_SPACE || key == KEY_LEFT || key == KEY_RIGHT ||
           key == KEY_UP || key == KEY_DOWN;
}

// The restart's keys restart every state, as R always has, but for a mouse button or a menu key,
// which restart only a level.
bool RestartPressed()
{
    for (BoundInput key : Bindings[ACTION_RESTART].keys)
        if (BoundInputPressed(key) && (InLevel() || (key < BOUND_MOUSE && !MenuKey(key))))
            return true;
    return false;
}

bool PlaysInState(uint32_t key) { return InLevel() && KeyPlaysAnAction(key); }
} // namespace

void InstallProgramKeyRules()
{
    SetProgramKeyRules({PREVIOUS_LEVEL, Count(PREVIOUS_LEVEL), NEXT_LEVEL, Count(NEXT_LEVEL),
                        LEVEL_JUMPS, Count(LEVEL_JUMPS), NO_JUMP_STATES, Count(NO_JUMP_STATES),
                        StopAllSounds, RestartPressed, PlaysInState});
}
