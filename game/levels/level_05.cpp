// level_05.cpp: Tutorial, stage 3. A placeholder until the level is designed.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    Plain("Floor", KIND_SOLID, -900, -50, 300, 100, PICTURE_SOLID),
    Plain("Complete", KIND_EXIT, -950, 385, 50, 230, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_FLYING_ENEMY};
} // namespace

extern const LevelDefinition Level05 = {
    5, "Tutorial, stage 3", MUSIC_TUTORIAL, 6, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -900, 40, nullptr, 0,
};
