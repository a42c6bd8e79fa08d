// level_11.cpp: Level_5. A placeholder until the level is designed.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    Plain("Floor", KIND_SOLID, -800, -440, 300, 100, PICTURE_SOLID),
    Plain("Complete", KIND_EXIT, 1000, 250, 50, 200, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_BOUNCE_PAD, PICTURE_FLYING_ENEMY};
} // namespace

extern const LevelDefinition Level11 = {
    11, "Level_5", MUSIC_LEVELS, 12, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -800, -350, nullptr, 0,
};
