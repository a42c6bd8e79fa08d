// level_04.cpp: Tutorial, stage 2. A placeholder until the level is designed.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    Plain("Floor", KIND_SOLID, -900, 40, 300, 100, PICTURE_SOLID),
    Plain("Complete", KIND_EXIT, 950, 200, 50, 200, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_FLYING_ENEMY};
} // namespace

extern const LevelDefinition Level04 = {
    4, "Tutorial, stage 2", MUSIC_TUTORIAL, 5, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -900, 130, nullptr, 0,
};
