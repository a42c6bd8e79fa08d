// level_15.cpp: Level_9, the last level.
//
// A ground enemy paces a tunnel too low to jump it in, and the way down to the exit is a hole
// in the tunnel's floor, in the middle of its beat. Slam first, on the ledge or on the porch
// beyond the lava gap: the enemy freezes once the player comes near, and can then be stomped.
// Freeze it short of the hole, bounce across its back and drop through. Below, a curtain of
// spikes hangs between the landing and the exit; the one grapple point pulls the player under
// it and over the lava to the ledge of the way out, low in the right wall.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    // The frame; no wall is needed under the way out, where the lava is. The grapple point
    // draws right after a solid, which leaves its picture untiled.
    Plain("Celling", KIND_SOLID, 0, 540, 1920, 50, PICTURE_SOLID),
    Plain("Wall", KIND_SOLID, -960, 0, 50, 1080, PICTURE_SOLID),
    Plain("Wall1", KIND_SOLID, 960, 134, 50, 812, PICTURE_SOLID),
    Plain("HookPlat", KIND_GRAPPLE_POINT, 760, -330, 100, 100, PICTURE_GRAPPLE_POINT),
    // The rock over the tunnel, low enough that a jump beneath it cannot clear the enemy.
    Plain("TopPlat", KIND_SOLID, 275, 432.5, 650, 165, PICTURE_SOLID),
    // A curb at the end of the start ledge, so that running off it into the lava is a choice.
    Plain("Borderl", KIND_SOLID, -462.5, 223, 25, 30, PICTURE_SOLID),

    Plain("Spikes", KIND_LAVA, 0, -510, 2400, 100, PICTURE_LAVA),
    // The start ledge; the porch and the tunnel floor, the hole, and the floor beyond it; the
    // landing under the hole; the ledge of the way out.
    Plain("FloorPlat", KIND_PLATFORM, -692.5, 183, 485, 50, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 40, 190, 680, 50, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 697.5, 190, 475, 50, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 420, -200, 100, 30, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 835, -470, 200, 50, PICTURE_PLATFORM),

    // The curtain hanging from the floor beyond the hole.
    Plain("Spikes", KIND_SPIKES, 620, 125, 30, 80, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 620, 45, 30, 80, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 620, -35, 30, 80, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 620, -115, 30, 80, PICTURE_SPIKES),
    // On the porch, between the place to slam and the mouth of the tunnel.
    Plain("Spikes", KIND_SPIKES, -200, 235, 40, 40, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, -160, 235, 40, 40, PICTURE_SPIKES),

    EnemyAt(135, 240, -80, 50, PICTURE_GROUND_ENEMY, 135, 450, true),

    Plain("Complete", KIND_EXIT, 970, -360, 50, 175, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_GROUND_ENEMY, PICTURE_LAVA};
} // namespace

extern const LevelDefinition Level15 = {
    15, "Level_9", MUSIC_LEVELS, GS_WIN_SCREEN, true, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -800, 250, nullptr, 0,
};
