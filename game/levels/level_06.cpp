// level_06.cpp: Tutorial, stage 4. A placeholder until the level is designed.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    Plain("Floor", KIND_SOLID, 890, -440, 300, 100, PICTURE_SOLID),
    Plain("Complete", KIND_EXIT, -950, 0, 50, 600, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_FLYING_ENEMY, PICTURE_GROUND_ENEMY};
} // namespace

extern const LevelDefinition Level06 = {
    6, "Tutorial, stage 4", MUSIC_TUTORIAL, GS_MAIN_MENU, true, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), 890, -350, nullptr, 0,
};
