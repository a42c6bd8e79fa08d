// game_states.cpp: the table of the game's states, in registration order.
#include "game/game_states.h"

#include "engine/system/game_state_manager.h"
#include "engine/system/window.h"
#include "game/levels/level.h"
#include "game/program_keys.h"

bool StartedFromLevelSelector = false;

// Until the front end is built, the main menu, the level selector and the win screen are
// blank screens that answer the program-wide keys (quit, full screen, minimise), so that a
// level that leads to one of them leads somewhere.
static void BlankScreenUpdate() { SystemFrameCheck(); }

void RegisterGameStates()
{
    InstallProgramKeyRules();
    AddGameState(GS_MAIN_MENU, nullptr, nullptr, BlankScreenUpdate, nullptr, nullptr, nullptr);
    AddGameState(GS_LEVEL_SELECTOR, nullptr, nullptr, BlankScreenUpdate, nullptr, nullptr,
                 nullptr);
    AddGameState(GS_WIN_SCREEN, nullptr, nullptr, BlankScreenUpdate, nullptr, nullptr, nullptr);
    RegisterLevelStates();
}
