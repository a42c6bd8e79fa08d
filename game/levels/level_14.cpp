// level_14.cpp: Level_8. A placeholder until the level is designed.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    Plain("Floor", KIND_SOLID, -800, -440, 300, 100, PICTURE_SOLID),
    Plain("Complete", KIND_EXIT, -1000, 375, 50, 200, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_ROCK};
} // namespace

extern const LevelDefinition Level14 = {
    14, "Level_8", MUSIC_LEVELS, 15, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -800, -350, nullptr, 0,
};
