// level_04.cpp: Tutorial, stage 2. Wall jumps.
//
// The way out is high in the right wall, over a shaft whose floor is spikes. Jump into the
// shaft and kick off one wall to the other, up to the sill of the way out; a jump pressed
// while touching a wall in the air kicks away from it and sets the rise again. The hall before
// it has a bare floor to try the kick against the shaft's outer wall first.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    // The frame: the way out is the gap in the right wall above the sill.
    Plain("Borderl", KIND_SOLID, -960, 0, 50, 1080, PICTURE_SOLID),
    Plain("Celling", KIND_SOLID, 0, 515, 1920, 50, PICTURE_SOLID),
    Plain("Floor", KIND_SOLID, 0, -515, 1920, 50, PICTURE_SOLID),
    Plain("Wall1", KIND_SOLID, 960, -220, 50, 640, PICTURE_SOLID),
    Plain("Wall2", KIND_SOLID, 960, 420, 50, 240, PICTURE_SOLID),
    // The start, the shaft's inner wall and the sill under the way out.
    Plain("Platform", KIND_PLATFORM, -800, 60, 300, 50, PICTURE_PLATFORM),
    Plain("Platform1", KIND_PLATFORM, 620, 0, 50, 500, PICTURE_PLATFORM),
    Plain("Platform2", KIND_PLATFORM, 880, 85, 110, 30, PICTURE_PLATFORM),
    // The shaft's floor, and spikes all along the ceiling for a kick too many.
    Plain("Spikes", KIND_SPIKES, 670, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes2", KIND_SPIKES, 718, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes3", KIND_SPIKES, 766, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes4", KIND_SPIKES, 814, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes5", KIND_SPIKES, 862, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes6", KIND_SPIKES, 910, -477.5f, 50, 25, PICTURE_SPIKES),
    Plain("Spikes7", KIND_SPIKES, -260, 470, 40, 40, PICTURE_SPIKES),
    Plain("Spikes8", KIND_SPIKES, -185, 470, 40, 40, PICTURE_SPIKES),
    Plain("Spikes9", KIND_SPIKES, -110, 470, 40, 40, PICTURE_SPIKES),
    Plain("Spikes10", KIND_SPIKES, -35, 470, 40, 40, PICTURE_SPIKES),
    Plain("Spikes11", KIND_SPIKES, 40, 470, 40, 40, PICTURE_SPIKES),
    Plain("Spikes12", KIND_SPIKES, 115, 470, 40, 40, PICTURE_SPIKES),
    Plain("Spikes13", KIND_SPIKES, 190, 470, 40, 40, PICTURE_SPIKES),
    Plain("Spikes14", KIND_SPIKES, 265, 470, 40, 40, PICTURE_SPIKES),
    Plain("Spikes15", KIND_SPIKES, 340, 470, 40, 40, PICTURE_SPIKES),
    Plain("Spikes16", KIND_SPIKES, 415, 470, 40, 40, PICTURE_SPIKES),
    Plain("Spikes17", KIND_SPIKES, 490, 470, 40, 40, PICTURE_SPIKES),
    Plain("Spikes18", KIND_SPIKES, 565, 470, 40, 40, PICTURE_SPIKES),
    Plain("Spikes19", KIND_SPIKES, 640, 470, 40, 40, PICTURE_SPIKES),
    Plain("Spikes20", KIND_SPIKES, 715, 470, 40, 40, PICTURE_SPIKES),
    Plain("Spikes21", KIND_SPIKES, 790, 470, 40, 40, PICTURE_SPIKES),
    Plain("Spikes22", KIND_SPIKES, 865, 470, 40, 40, PICTURE_SPIKES),
    Plain("Spikes23", KIND_SPIKES, 940, 470, 40, 40, PICTURE_SPIKES),
    Plain("Complete", KIND_EXIT, 950, 200, 50, 200, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_FLYING_ENEMY};
} // namespace

extern const LevelDefinition Level04 = {
    4, "Tutorial, stage 2", MUSIC_TUTORIAL, 5, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -900, 130, nullptr, 0,
};
