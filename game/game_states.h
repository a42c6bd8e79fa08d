// game_states.h: every screen and level of the game, registered with the state loop.
#pragma once

// Set once the level selector has started one of the nine levels, and never cleared: from
// then on a finished level returns to the selector.
extern bool StartedFromLevelSelector;

void RegisterGameStates();
