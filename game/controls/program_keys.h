// program_keys.h: where the program-wide level keys lead in this game.
#pragma once

// Gives the engine the game's level chains, K jumps and the restart key's silence.
void InstallProgramKeyRules();
