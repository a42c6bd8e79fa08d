// level_05.cpp: Tutorial, stage 3. The hook on grapple points.
//
// Click a grapple point and hold: the hook pulls the player straight at it and on through it.
// The first point lifts the player from the floor onto a ledge too high to jump to, and a miss
// only drops the player back on the floor. The second, over a bed of spikes, throws the player
// high up towards the right; from there the walkway along the top leads back over the start to
// the ledge of the way out, high in the left wall.
#include "game/levels/level.h"

namespace
{
constexpr float SPIKE_Y = -32.5f;

constexpr LevelObject OBJECTS[] = {
    // Listed first, the points draw with an untiled picture.
    Plain("Hookable", KIND_GRAPPLE_POINT, -220, 170, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("Hookable1", KIND_GRAPPLE_POINT, 600, 350, 100, 100, PICTURE_GRAPPLE_POINT),
    // The frame, open on the left above y 270, where the exit stands.
    Plain("Borderl", KIND_SOLID, -960, -135, 50, 810, PICTURE_SOLID),
    Plain("Celling", KIND_SOLID, 0, 515, 1920, 50, PICTURE_SOLID),
    Plain("Wall", KIND_SOLID, 960, 0, 50, 1080, PICTURE_SOLID),
    // The floor the player starts on, and the lower floor of the spike bed beyond it.
    Plain("Floor", KIND_SOLID, -375, -272.5f, 1120, 535, PICTURE_SOLID),
    Plain("FloorPlat", KIND_SOLID, 560, -292.5f, 750, 495, PICTURE_SOLID),
    // The ledge of the way out, over the start.
    Plain("TopPlat", KIND_SOLID, -767.5f, 210, 335, 40, PICTURE_SOLID),
    // The ledge the first point lifts the player onto, the landing high on the right, and
    // the walkway back along the top.
    Plain("Platform", KIND_PLATFORM, 125, 75, 450, 50, PICTURE_PLATFORM),
    Plain("Platform1", KIND_PLATFORM, 817.5f, 255, 235, 50, PICTURE_PLATFORM),
    Plain("Platform2", KIND_PLATFORM, -110, 285, 980, 30, PICTURE_PLATFORM),
    Plain("Spikes", KIND_SPIKES, 210, SPIKE_Y, 50, 25, PICTURE_SPIKES),
    Plain("Spikes1", KIND_SPIKES, 260, SPIKE_Y, 50, 25, PICTURE_SPIKES),
    Plain("Spikes2", KIND_SPIKES, 310, SPIKE_Y, 50, 25, PICTURE_SPIKES),
    Plain("Spikes3", KIND_SPIKES, 360, SPIKE_Y, 50, 25, PICTURE_SPIKES),
    Plain("Spikes4", KIND_SPIKES, 410, SPIKE_Y, 50, 25, PICTURE_SPIKES),
    Plain("Spikes5", KIND_SPIKES, 460, SPIKE_Y, 50, 25, PICTURE_SPIKES),
    Plain("Spikes6", KIND_SPIKES, 510, SPIKE_Y, 50, 25, PICTURE_SPIKES),
    Plain("Spikes7", KIND_SPIKES, 560, SPIKE_Y, 50, 25, PICTURE_SPIKES),
    Plain("Spikes8", KIND_SPIKES, 610, SPIKE_Y, 50, 25, PICTURE_SPIKES),
    Plain("Spikes9", KIND_SPIKES, 660, SPIKE_Y, 50, 25, PICTURE_SPIKES),
    Plain("Spikes10", KIND_SPIKES, 710, SPIKE_Y, 50, 25, PICTURE_SPIKES),
    Plain("Spikes11", KIND_SPIKES, 760, SPIKE_Y, 50, 25, PICTURE_SPIKES),
    Plain("Spikes12", KIND_SPIKES, 810, SPIKE_Y, 50, 25, PICTURE_SPIKES),
    Plain("Spikes13", KIND_SPIKES, 860, SPIKE_Y, 50, 25, PICTURE_SPIKES),
    Plain("Spikes14", KIND_SPIKES, 910, SPIKE_Y, 50, 25, PICTURE_SPIKES),
    Plain("Complete", KIND_EXIT, -950, 385, 50, 230, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_FLYING_ENEMY};
} // namespace

extern const LevelDefinition Level05 = {
    5, "Tutorial, stage 3", MUSIC_TUTORIAL, 6, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -900, 40, nullptr, 0,
};
