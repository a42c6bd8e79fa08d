// level_07.cpp: Level_1, the first level after the tutorial.
//
// Grapple points and ledges over two beds of spikes, a frame of floor pieces and walls around
// it, and the way out high up on the right.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    Plain("HookPlat", KIND_GRAPPLE_POINT, 480, 90, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("HookPlat", KIND_GRAPPLE_POINT, 300, -200, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("HookPlat", KIND_GRAPPLE_POINT, -650, 350, 100, 70, PICTURE_GRAPPLE_POINT),
    Plain("Floatingplat", KIND_PLATFORM, 0, 125, 300, 50, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, -570, 390, 50, 150, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, -610, 315, 130, 10, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, -350, -200, 300, 50, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, -900, -100, 300, 50, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, -630, -150, 300, 50, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, -600, 123, 300, 50, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 700, 123, 700, 50, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 480, -200, 300, 150, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_EXIT, 960, 350, 90, 350, PICTURE_FAR_BACKGROUND),
    Plain("Spikes", KIND_SPIKES, -285, -535, 250, 50, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 550, -535, 800, 50, PICTURE_SPIKES),
};

// The frame around the play field, drawn in its own layer over it.
constexpr LevelObject FRAME[] = {
    Plain("FloorPlat", KIND_PLATFORM, -740, -500, 600, 100, PICTURE_PLATFORM),
    Plain("FloorPlat", KIND_PLATFORM, 0, -500, 300, 150, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, -570, -450, 300, 50, PICTURE_PLATFORM),
    Plain("TopPlat", KIND_SOLID, 0, 540, 1980, 50, PICTURE_SOLID),
    Plain("TopPlat", KIND_SOLID, -400, 500, 1100, 130, PICTURE_SOLID),
    Plain("Floatingplat", KIND_SOLID, -960, 0, 50, 1000, PICTURE_SOLID),
    Plain("Floatingplat", KIND_SOLID, 960, -300, 50, 800, PICTURE_SOLID),
};

constexpr LevelPicture PICTURES[] = {PICTURE_FRAME, PICTURE_FLYING_ENEMY};
} // namespace

extern const LevelDefinition Level07 = {
    7, "Level_1", MUSIC_LEVELS, 8, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -800, -350, FRAME, CountOf(FRAME),
};
