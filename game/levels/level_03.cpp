// level_03.cpp: Tutorial, stage 1. A placeholder until the level is designed.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    Plain("Floor", KIND_SOLID, -800, -440, 300, 100, PICTURE_SOLID),
    Plain("Complete", KIND_EXIT, 950, 150, 50, 250, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_FLYING_ENEMY};
} // namespace

extern const LevelDefinition Level03 = {
    3, "Tutorial, stage 1", MUSIC_TUTORIAL, 4, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -800, -350, nullptr, 0,
};
