// level_09.cpp: Level_3, swinging from platforms over spikes.
//
// The first swing crosses a bowl with a floor: a miss only costs the climb back. Then a swing
// and a pull carry the player over a bed of spikes to a ledge whose far end is spiked too, so
// the landing must be held short. Last, a swing from the block hanging under the ceiling and a
// jump off the rope throw the player through the window of the way out, high in the right
// wall. The anchors' tops are spiked: they are for hanging from, not for standing on.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    // A grapple point keeps the texture tiling of whatever was drawn just before it, so the
    // points come first, right after the plain backgrounds.
    Plain("HookPlat", KIND_GRAPPLE_POINT, 380, 0, 100, 100, PICTURE_GRAPPLE_POINT),
    // Low over the spikes, a last chance for a player who fell from the first swing.
    Plain("HookPlat", KIND_GRAPPLE_POINT, 470, -280, 100, 100, PICTURE_GRAPPLE_POINT),

    Plain("Wall", KIND_SOLID, -960, 0, 50, 1080, PICTURE_SOLID),
    Plain("Celling", KIND_SOLID, 0, 540, 1920, 50, PICTURE_SOLID),
    Plain("Wall1", KIND_SOLID, 960, -190, 50, 700, PICTURE_SOLID),
    Plain("Wall2", KIND_SOLID, 960, 465, 50, 150, PICTURE_SOLID),
    Plain("FloorPlat", KIND_SOLID, -800, -450, 300, 100, PICTURE_SOLID),

    // The bowl: a step down from the start, its floor, and a step too low to reach the ledge.
    Plain("FloorPlat", KIND_PLATFORM, -600, -485, 100, 110, PICTURE_PLATFORM),
    Plain("FloorPlat", KIND_PLATFORM, -487.5, -505, 125, 70, PICTURE_PLATFORM),
    Plain("FloorPlat", KIND_PLATFORM, -362.5, -510, 125, 60, PICTURE_PLATFORM),
    Plain("FloorPlat", KIND_PLATFORM, -275, -485, 50, 110, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, -450, -60, 200, 50, PICTURE_PLATFORM),
    Plain("FloorPlat", KIND_PLATFORM, -150, -420, 200, 240, PICTURE_PLATFORM),
    // Over the spikes: the anchor, and a lid over the pull that keeps it from flying too high.
    Plain("Floatingplat", KIND_PLATFORM, 150, -20, 200, 50, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 580, 240, 200, 50, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 725, -60, 250, 50, PICTURE_PLATFORM),
    Plain("FloorPlat", KIND_PLATFORM, 725, -320, 80, 470, PICTURE_PLATFORM),
    // The block the last swing hangs from, on its stem from the ceiling.
    Plain("Floatingplat", KIND_PLATFORM, 800, 440, 200, 50, PICTURE_PLATFORM),
    Plain("TopPlat", KIND_PLATFORM, 800, 490, 40, 50, PICTURE_PLATFORM),

    Plain("Spikes", KIND_SPIKES, 200, -515, 500, 50, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 700, -515, 500, 50, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, -450, -22.5, 200, 25, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 150, 17.5, 200, 25, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 580, 277.5, 200, 25, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 800, -22.5, 100, 25, PICTURE_SPIKES),

    Plain("Complete", KIND_EXIT, 960, 275, 50, 225, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_FLYING_ENEMY};
} // namespace

extern const LevelDefinition Level09 = {
    9, "Level_3", MUSIC_LEVELS, 10, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -800, -350, nullptr, 0,
};
