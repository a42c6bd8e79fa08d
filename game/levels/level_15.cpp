// level_15.cpp: Level_9. A placeholder until the level is designed.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    Plain("Floor", KIND_SOLID, -800, 160, 300, 100, PICTURE_SOLID),
    Plain("Complete", KIND_EXIT, 970, -360, 50, 175, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_GROUND_ENEMY, PICTURE_LAVA};
} // namespace

extern const LevelDefinition Level15 = {
    15, "Level_9", MUSIC_LEVELS, GS_WIN_SCREEN, true, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -800, 250, nullptr, 0,
};
