// level_12.cpp: Level_6. A placeholder until the level is designed.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    Plain("Floor", KIND_SOLID, 900, -520, 300, 100, PICTURE_SOLID),
    Plain("Complete", KIND_EXIT, -960, 335, 50, 275, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_FLYING_ENEMY};
} // namespace

extern const LevelDefinition Level12 = {
    12, "Level_6", MUSIC_LEVELS, 13, false, PICTURES, CountOf(PICTURES), true,
    OBJECTS, CountOf(OBJECTS), 900, -430, nullptr, 0,
};
