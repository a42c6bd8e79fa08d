// level_catalogue.cpp: the levels in play order.
#include "game/levels/level.h"

extern const LevelDefinition Level03;
extern const LevelDefinition Level04;
extern const LevelDefinition Level05;
extern const LevelDefinition Level06;
extern const LevelDefinition Level07;
extern const LevelDefinition Level08;
extern const LevelDefinition Level09;
extern const LevelDefinition Level10;
extern const LevelDefinition Level11;
extern const LevelDefinition Level12;
extern const LevelDefinition Level13;
extern const LevelDefinition Level14;
extern const LevelDefinition Level15;

const LevelDefinition* const LevelCatalogue[] = {
    &Level03,
    &Level04,
    &Level05,
    &Level06,
    &Level07,
    &Level08,
    &Level09,
    &Level10,
    &Level11,
    &Level12,
    &Level13,
    &Level14,
    &Level15,
};
const size_t LevelCount = CountOf(LevelCatalogue);
