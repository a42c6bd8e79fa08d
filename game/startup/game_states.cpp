// game_states.cpp: the table of the game's states, in registration order.
#include "game/startup/game_states.h"

#include "engine/system/game_state_manager.h"
#include "game/frontend/screens.h"
#include "game/levels/level.h"
#include "game/controls/program_keys.h"

bool StartedFromLevelSelector = false;

void DecodeStatePicturesAhead(GameStateId id)
{
    if (id == GS_MAIN_MENU) DecodeMainMenuPicturesAhead();
    if (id == GS_LEVEL_SELECTOR) DecodeSelectorPicturesAhead();
    if (id == GS_MY_LEVELS) DecodeMyLevelsPicturesAhead();
    if (FindLevel(id) || id == GS_PLAYED_LEVEL) DecodeLevelPicturesAhead(id);
}

void RegisterGameStates()
{
    InstallProgramKeyRules();
    RegisterMainMenu();
    RegisterLevelSelector();
    RegisterMyLevels();
    RegisterEditor();
    RegisterLevelStates();
    RegisterWinScreen();
    RegisterCreditsScreen();
    RegisterControlsScreen();
}
