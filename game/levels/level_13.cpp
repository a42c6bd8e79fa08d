// level_13.cpp: Level_7. A placeholder until the level is designed.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    Plain("Floor", KIND_SOLID, -800, -440, 300, 100, PICTURE_SOLID),
    Plain("Complete", KIND_EXIT, 950, 400, 50, 275, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_BOUNCE_PAD, PICTURE_FLYING_ENEMY};
} // namespace

extern const LevelDefinition Level13 = {
    13, "Level_7", MUSIC_LEVELS, 14, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -800, -350, nullptr, 0,
};
