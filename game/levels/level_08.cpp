// level_08.cpp: Level_2, chains of grapple points over a lava lake.
//
// One pull lifts the player from the start onto the first ledge. A wave of four points carries
// it over the lake, under a long lintel, to the far ledge. From there a chimney of two points
// rises between the lintel and the ledge's roof, and a last pull across the top lands the
// player on the porch of the way out, high in the right wall.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    // A grapple point keeps the texture tiling of whatever was drawn just before it, so the
    // points come first, right after the plain backgrounds.
    Plain("HookPlat", KIND_GRAPPLE_POINT, -560, -40, 100, 100, PICTURE_GRAPPLE_POINT),
    // The wave over the lake; the last, low point catches a player who sank too far.
    Plain("HookPlat", KIND_GRAPPLE_POINT, -150, -120, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("HookPlat", KIND_GRAPPLE_POINT, 80, -180, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("HookPlat", KIND_GRAPPLE_POINT, 310, -120, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("HookPlat", KIND_GRAPPLE_POINT, 540, -180, 100, 100, PICTURE_GRAPPLE_POINT),
    // The chimney, then across to the porch.
    Plain("Hookable", KIND_GRAPPLE_POINT, 550, 60, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("Hookable", KIND_GRAPPLE_POINT, 550, 300, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("Hookable", KIND_GRAPPLE_POINT, 720, 420, 100, 100, PICTURE_GRAPPLE_POINT),

    Plain("Spikes", KIND_LAVA, 0, -510, 2400, 100, PICTURE_LAVA),
    Plain("Wall", KIND_SOLID, -960, 0, 50, 1080, PICTURE_SOLID),
    Plain("Celling", KIND_SOLID, 0, 540, 1920, 50, PICTURE_SOLID),
    Plain("Wall1", KIND_SOLID, 960, -145, 50, 790, PICTURE_SOLID),
    Plain("Wall2", KIND_SOLID, 960, 495, 50, 90, PICTURE_SOLID),
    // The start, wide enough to meet the first ledge's pillar: running off it is no death.
    Plain("FloorPlat", KIND_SOLID, -750, -450, 400, 100, PICTURE_SOLID),

    // The first ledge on its pillar.
    Plain("Floatingplat", KIND_PLATFORM, -500, -260, 300, 50, PICTURE_PLATFORM),
    Plain("FloorPlat", KIND_PLATFORM, -500, -385, 100, 200, PICTURE_PLATFORM),
    // The lintel over the lake keeps the wave low.
    Plain("Platform", KIND_PLATFORM, -300, 90, 300, 50, PICTURE_PLATFORM),
    Plain("Platform", KIND_PLATFORM, 0, 90, 300, 50, PICTURE_PLATFORM),
    Plain("Platform", KIND_PLATFORM, 300, 90, 300, 50, PICTURE_PLATFORM),
    // The far ledge on its pillar, its roof, and the porch above.
    Plain("Floatingplat", KIND_PLATFORM, 800, -230, 300, 50, PICTURE_PLATFORM),
    Plain("FloorPlat", KIND_PLATFORM, 800, -370, 100, 230, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 800, 40, 300, 50, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 800, 225, 300, 50, PICTURE_PLATFORM),

    Plain("Complete", KIND_EXIT, 960, 350, 50, 200, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_LAVA};
} // namespace

extern const LevelDefinition Level08 = {
    8, "Level_2", MUSIC_LEVELS, 9, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -800, -350, nullptr, 0,
};
