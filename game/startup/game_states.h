// game_states.h: every screen and level of the game, registered with the state loop.
#pragma once

#include "engine/system/game_state_manager.h"

// The states beyond the main menu's (1), the selector's (2), the thirteen levels' (3 to 15) and
// the win, credits and controls screens' (20 to 22): the selector's page of made and imported
// levels, the state that plays any level file, and the editor.
constexpr GameStateId GS_MY_LEVELS = 23;
constexpr GameStateId GS_PLAYED_LEVEL = 24;
// The level editor, "Make" on the main menu.
constexpr GameStateId GS_EDITOR = 25;

// Set once the level selector has started one of the nine levels, and never cleared: from
// then on a finished level returns to the selector.
extern bool StartedFromLevelSelector;

void RegisterGameStates();

// Starts decoding the pictures the Load of state `id` will load, so that the switch to it is
// quick; states with little to load, and ids of no state, start nothing.
void DecodeStatePicturesAhead(GameStateId id);
