// level_06.cpp: Tutorial, stage 4. Stomping enemies.
//
// One long hall on the way back to the left, the way out shown at its far end. The ground
// enemy patrols the right half: a slam on the floor near it freezes it, and then it can be
// stomped or jumped. The flying enemy patrols the left half and can always be stomped: landing
// on it bounces the player over it.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    // The frame: the way out is the gap in the left wall above the floor.
    Plain("Wall1", KIND_SOLID, -960, 420, 50, 240, PICTURE_SOLID),
    Plain("Celling", KIND_SOLID, 0, 515, 1920, 50, PICTURE_SOLID),
    Plain("Wall", KIND_SOLID, 960, 0, 50, 1080, PICTURE_SOLID),
    // The hall's floor, and two steps down to the start in the right corner.
    Plain("Floor", KIND_SOLID, -110, -330, 1650, 50, PICTURE_SOLID),
    Plain("FloorPlat", KIND_SOLID, 755, -375, 80, 50, PICTURE_SOLID),
    Plain("FloorPlat1", KIND_SOLID, 865, -420, 140, 50, PICTURE_SOLID),
    EnemyAt(620, -265, -80, 80, PICTURE_GROUND_ENEMY, -80, 620, true),
    EnemyAt(-620, -265, 80, 80, PICTURE_FLYING_ENEMY, -620, -80, false),
    Plain("Complete", KIND_EXIT, -950, 0, 50, 600, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_FLYING_ENEMY, PICTURE_GROUND_ENEMY};
} // namespace

extern const LevelDefinition Level06 = {
    6, "Tutorial, stage 4", MUSIC_TUTORIAL, GS_MAIN_MENU, true, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), 890, -350, nullptr, 0,
};
