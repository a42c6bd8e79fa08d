// game_states.h: every screen and level of the game, registered with the state loop.
#pragma once

void RegisterGameStates();
