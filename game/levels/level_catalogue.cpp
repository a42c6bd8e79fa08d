// level_catalogue.cpp: the levels in play order.
#include "game/levels/level.h"

extern const LevelDefinition Level07;

const LevelDefinition* const LevelCatalogue[] = {
    &Level07,
};
const size_t LevelCount = CountOf(LevelCatalogue);
