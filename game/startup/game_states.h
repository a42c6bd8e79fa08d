// game_states.h: every screen and level of the game, registered with the state loop.
#pragma once

#include "engine/system/game_state_manager.h"

// Set once the level selector has started one of the nine levels, and never cleared: from
// then on a finished level returns to the selector.
extern bool StartedFromLevelSelector;

void RegisterGameStates();

// Starts decoding the pictures the Load of state `id` will load, so that the switch to it is
// quick; states with little to load, and ids of no state, start nothing.
void DecodeStatePicturesAhead(GameStateId id);
