// sprite_sheets.h: the two sprite-sheet description files.
//
// Format (read by the game's sprite loader): frame count, rows and columns on their own
// lines, the sheet's PNG path relative to the working directory, then one line per frame
// ending in ":<seconds>".
#pragma once

#include <string>

std::string RunSheetDescription();   // data/run_extra_8x1: the hero's run, 8 x 1
std::string EnemySheetDescription(); // data/Enemy_Sprite: the flying enemy's wing beat, 4 x 1
