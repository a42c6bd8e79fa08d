// game_states.cpp: the table of the game's states, in registration order.
#include "game/game_states.h"

#include "engine/system/game_state_manager.h"
#include "engine/system/window.h"

// Until the main menu is built, the first state is a blank screen that answers the
// program-wide keys (quit, full screen, minimise).
bool StartedFromLevelSelector = false;

static void BlankScreenUpdate() { SystemFrameCheck(); }

void RegisterGameStates()
{
    AddGameState(GS_MAIN_MENU, nullptr, nullptr, BlankScreenUpdate, nullptr, nullptr, nullptr);
}
