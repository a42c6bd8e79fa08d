// level_05.cpp: Tutorial, stage 3. The hook on grapple points.
//
// Click a grapple point and hold: the hook pulls the player straight through it. The first
// pull crosses a bare floor, where a miss costs a walk back; the second lifts the player over
// spikes to the ledge of the way out, high on the left.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    // The frame: the way out is the gap in the left wall above the high ledge.
    Plain("Borderl", KIND_SOLID, -960, -135, 50, 810, PICTURE_SOLID),
    Plain("Celling", KIND_SOLID, 0, 515, 1920, 50, PICTURE_SOLID),
    Plain("Wall", KIND_SOLID, 960, 0, 50, 1080, PICTURE_SOLID),
    Plain("Floor", KIND_SOLID, 0, -515, 1920, 50, PICTURE_SOLID),
    // Where the player starts, and the high ledge before the way out.
    Plain("FloorPlat", KIND_SOLID, -810, -30, 250, 50, PICTURE_SOLID),
    Plain("TopPlat", KIND_SOLID, -760, 230, 350, 40, PICTURE_SOLID),
    // The first point, over bare floor, and the ledges it throws the player towards. Grapple
    // points come right after a solid, whose draw leaves them an untiled picture.
    Plain("Hookable", KIND_GRAPPLE_POINT, -300, 100, 100, 100, PICTURE_GRAPPLE_POINT),
    // The second point, up towards the way out, over the spikes.
    Plain("Hookable1", KIND_GRAPPLE_POINT, 0, 350, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("Platform", KIND_PLATFORM, 250, -75, 300, 50, PICTURE_PLATFORM),
    Plain("Platform1", KIND_PLATFORM, 700, 150, 250, 50, PICTURE_PLATFORM),
    Plain("Platform2", KIND_PLATFORM, -250, -300, 250, 50, PICTURE_PLATFORM),
    Plain("Spikes", KIND_SPIKES, 200, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes1", KIND_SPIKES, 250, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes2", KIND_SPIKES, 300, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes3", KIND_SPIKES, 350, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes4", KIND_SPIKES, 400, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes5", KIND_SPIKES, 450, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes6", KIND_SPIKES, 500, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes7", KIND_SPIKES, 550, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes8", KIND_SPIKES, 600, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes9", KIND_SPIKES, 650, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes10", KIND_SPIKES, 700, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes11", KIND_SPIKES, 750, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes12", KIND_SPIKES, 800, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes13", KIND_SPIKES, 850, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes14", KIND_SPIKES, 900, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Complete", KIND_EXIT, -950, 385, 50, 230, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_FLYING_ENEMY};
} // namespace

extern const LevelDefinition Level05 = {
    5, "Tutorial, stage 3", MUSIC_TUTORIAL, 6, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -900, 40, nullptr, 0,
};
