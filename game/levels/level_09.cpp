// level_09.cpp: Level_3. A placeholder until the level is designed.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    Plain("Floor", KIND_SOLID, -800, -440, 300, 100, PICTURE_SOLID),
    Plain("Complete", KIND_EXIT, 960, 275, 50, 225, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_FLYING_ENEMY};
} // namespace

extern const LevelDefinition Level09 = {
    9, "Level_3", MUSIC_LEVELS, 10, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -800, -350, nullptr, 0,
};
