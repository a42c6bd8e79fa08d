// level_10.cpp: Level_4, one decisive pull across lava.
//
// From the start high on the left wall, a swing from the block under the ceiling drops the
// player onto a wide island; a second swing must be let go of in time to stop on a small one.
// From there only the lone grapple point reaches across the rest of the lake: fired from the
// island, its pull throws the player up and over onto the ledge of the way out. Fired from
// right under it, the pull throws the player into the spikes hanging above it.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    // A grapple point keeps the texture tiling of whatever was drawn just before it, so the
    // point comes first, right after the plain backgrounds.
    Plain("HookPlat", KIND_GRAPPLE_POINT, 520, 180, 100, 100, PICTURE_GRAPPLE_POINT),

    Plain("Spikes", KIND_LAVA, 0, -510, 2400, 100, PICTURE_LAVA),
    Plain("Wall", KIND_SOLID, -960, 0, 50, 1080, PICTURE_SOLID),
    Plain("Celling", KIND_SOLID, 0, 540, 1920, 50, PICTURE_SOLID),
    Plain("Wall1", KIND_SOLID, 960, -157.5, 50, 765, PICTURE_SOLID),
    Plain("FloorPlat", KIND_SOLID, -810, 95, 250, 100, PICTURE_SOLID),

    Plain("Floatingplat", KIND_PLATFORM, -650, 420, 200, 50, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, -250, -100, 250, 50, PICTURE_PLATFORM),
    Plain("FloorPlat", KIND_PLATFORM, -250, -300, 80, 350, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 50, 200, 200, 50, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 300, -230, 100, 40, PICTURE_PLATFORM),
    Plain("FloorPlat", KIND_PLATFORM, 300, -370, 40, 240, PICTURE_PLATFORM),
    // The ledge of the way out, level with the top of the right wall.
    Plain("Floatingplat", KIND_PLATFORM, 820, 200, 210, 50, PICTURE_PLATFORM),

    Plain("Spikes", KIND_SPIKES, 520, 430, 200, 25, PICTURE_SPIKES),

    Plain("Complete", KIND_EXIT, 950, 350, 50, 250, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_LAVA};
} // namespace

extern const LevelDefinition Level10 = {
    10, "Level_4", MUSIC_LEVELS, 11, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -900, 190, nullptr, 0,
};
