// level_08.cpp: Level_2. A placeholder until the level is designed.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    Plain("Floor", KIND_SOLID, -800, -440, 300, 100, PICTURE_SOLID),
    Plain("Complete", KIND_EXIT, 960, 350, 50, 200, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_LAVA};
} // namespace

extern const LevelDefinition Level08 = {
    8, "Level_2", MUSIC_LEVELS, 9, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -800, -350, nullptr, 0,
};
