// level_10.cpp: Level_4. A placeholder until the level is designed.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    Plain("Floor", KIND_SOLID, -900, 100, 300, 100, PICTURE_SOLID),
    Plain("Complete", KIND_EXIT, 950, 350, 50, 250, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_LAVA};
} // namespace

extern const LevelDefinition Level10 = {
    10, "Level_4", MUSIC_LEVELS, 11, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -900, 190, nullptr, 0,
};
