// level_03.cpp: Tutorial, stage 1. Run and jump.
//
// A pit with a floor to jump first, where a miss only means hopping back out; then a spike at
// the edge of the next floor and a bed of spikes under a staircase of ledges that climbs to the
// way out, an opening high in the right wall.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    // The frame, open on the right between y 25 and 275, where the exit stands.
    Plain("Borderl", KIND_SOLID, -960, 0, 50, 1080, PICTURE_SOLID),
    Plain("Celling", KIND_SOLID, 0, 515, 1920, 50, PICTURE_SOLID),
    Plain("Wall1", KIND_SOLID, 960, -257.5f, 50, 565, PICTURE_SOLID),
    Plain("Wall2", KIND_SOLID, 960, 407.5f, 50, 265, PICTURE_SOLID),
    // The start floor, the safe pit and the floor beyond it, a step higher.
    Plain("Floor", KIND_SOLID, -810, -470, 250, 140, PICTURE_SOLID),
    Plain("FloorPlat", KIND_SOLID, -610, -500, 150, 80, PICTURE_SOLID),
    Plain("FloorPlat1", KIND_SOLID, -335, -440, 400, 200, PICTURE_SOLID),
    // The last step, against the right wall under the opening.
    Plain("Wall3", KIND_SOLID, 875, -320, 120, 440, PICTURE_SOLID),
    // Ledges rising by 60, each a running jump from the one before.
    Plain("Platform", KIND_PLATFORM, 45, -305, 230, 50, PICTURE_PLATFORM),
    Plain("Platform1", KIND_PLATFORM, 340, -245, 230, 50, PICTURE_PLATFORM),
    Plain("Platform2", KIND_PLATFORM, 635, -185, 230, 50, PICTURE_PLATFORM),
    // A spike at the end of the floor asks for the jump to be taken early; below the ledges,
    // spikes all the way.
    Plain("Spikes", KIND_SPIKES, -155, -320, 40, 40, PICTURE_SPIKES),
    Plain("Spikes1", KIND_SPIKES, -40, -520, 190, 40, PICTURE_SPIKES),
    Plain("Spikes2", KIND_SPIKES, 150, -520, 190, 40, PICTURE_SPIKES),
    Plain("Spikes3", KIND_SPIKES, 340, -520, 190, 40, PICTURE_SPIKES),
    Plain("Spikes4", KIND_SPIKES, 530, -520, 190, 40, PICTURE_SPIKES),
    Plain("Spikes5", KIND_SPIKES, 720, -520, 190, 40, PICTURE_SPIKES),
    Plain("Complete", KIND_EXIT, 950, 150, 50, 250, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_FLYING_ENEMY};
} // namespace

extern const LevelDefinition Level03 = {
    3, "Tutorial, stage 1", MUSIC_TUTORIAL, 4, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -800, -350, nullptr, 0,
};
