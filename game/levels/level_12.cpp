// level_12.cpp: Level_6.
//
// Five flying enemies are the stepping stones of a climb from the bottom right to the way out
// at the top left. On the floor the first one sweeps the way to the grapple point up: jump it
// or bounce off it. Halfway up, two of them patrol a gap too wide to jump, with a lone perch
// in its middle: hop across on their backs. At the top, a pair flying in step carries the
// player over the last gap to the ledge at the way out.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    // The frame: floor, ceiling, the right wall and the left wall with the way out in it.
    Plain("Floor", KIND_SOLID, 0, -510, 1920, 70, PICTURE_SOLID),
    Plain("Celling", KIND_SOLID, 0, 540, 1920, 50, PICTURE_SOLID),
    Plain("Wall", KIND_SOLID, 960, -250, 50, 580, PICTURE_SOLID),
    Plain("Wall1", KIND_SOLID, 960, 290, 50, 500, PICTURE_SOLID),
    Plain("Wall2", KIND_SOLID, -960, -215, 50, 650, PICTURE_SOLID),
    Plain("Wall3", KIND_SOLID, -960, 510, 50, 60, PICTURE_SOLID),
    // Grapple points draw right after a solid, which leaves their picture untiled.
    Plain("HookPlat", KIND_GRAPPLE_POINT, -800, -230, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("TopPlat", KIND_SOLID, 810, 490, 250, 50, PICTURE_SOLID),
    Plain("HookPlat", KIND_GRAPPLE_POINT, 520, 260, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("TopPlat", KIND_SOLID, -860, 490, 150, 50, PICTURE_SOLID),
    // Brackets under the two ledges on the right; no two surfaces meet flush, as a jump
    // from a seam would take off from both.
    Plain("Wall4", KIND_SOLID, 910, -150, 50, 50, PICTURE_SOLID),
    Plain("Wall5", KIND_SOLID, 910, 195, 50, 50, PICTURE_SOLID),

    // The ledges, each on its footing: the first one up on the left, the lone perch, the two
    // on the right, and the stoop at the way out.
    Plain("Floatingplat", KIND_PLATFORM, -615, -100, 250, 50, PICTURE_PLATFORM),
    Plain("Platform", KIND_PLATFORM, -615, -135, 210, 20, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 65, -100, 60, 50, PICTURE_PLATFORM),
    Plain("Platform1", KIND_PLATFORM, 65, -135, 40, 20, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 785, -100, 300, 50, PICTURE_PLATFORM),
    Plain("Platform2", KIND_PLATFORM, 760, -135, 210, 20, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 785, 245, 300, 50, PICTURE_PLATFORM),
    Plain("Platform3", KIND_PLATFORM, 760, 210, 210, 20, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, -800, 135, 270, 50, PICTURE_PLATFORM),
    Plain("Platform4", KIND_PLATFORM, -810, 90, 230, 40, PICTURE_PLATFORM),
    // A cornice under the ceiling and a sill in the corner below the first grapple point.
    Plain("Platform5", KIND_PLATFORM, 760, 455, 200, 20, PICTURE_PLATFORM),
    Plain("Platform6", KIND_PLATFORM, -850, -460, 120, 20, PICTURE_PLATFORM),

    EnemyAt(0, -440, 80, 80, PICTURE_FLYING_ENEMY, -500, 500, false),
    EnemyAt(-125, -115, 80, 80, PICTURE_FLYING_ENEMY, -390, -20, false),
    EnemyAt(350, -115, 80, 80, PICTURE_FLYING_ENEMY, 150, 530, false),
    EnemyAt(-250, 235, 80, 80, PICTURE_FLYING_ENEMY, -500, -100, false),
    EnemyAt(150, 235, 80, 80, PICTURE_FLYING_ENEMY, -100, 300, false),

    Plain("Complete", KIND_EXIT, -960, 335, 50, 275, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_FLYING_ENEMY};
} // namespace

extern const LevelDefinition Level12 = {
    12, "Level_6", MUSIC_LEVELS, 13, false, PICTURES, CountOf(PICTURES), true,
    OBJECTS, CountOf(OBJECTS), 900, -430, nullptr, 0,
};
