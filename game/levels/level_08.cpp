// level_08.cpp: Level_2, chains of grapple points over a lava lake.
//
// One pull lifts the player from the start onto the first ledge; three points in a row carry
// it over the lake to the far ledge; then a shelf blocks the way up, and four points in a
// zigzag, left round the shelf and back over it, end in a pull through the last point into
// the way out high in the right wall.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    // Grapple points first: drawn after a platform they would wear its tiling.
    Plain("HookPlat", KIND_GRAPPLE_POINT, -560, -40, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("HookPlat", KIND_GRAPPLE_POINT, -190, -110, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("HookPlat", KIND_GRAPPLE_POINT, 40, -170, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("HookPlat", KIND_GRAPPLE_POINT, 270, -110, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("HookPlat", KIND_GRAPPLE_POINT, 500, -170, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("Hookable", KIND_GRAPPLE_POINT, 560, 20, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("Hookable", KIND_GRAPPLE_POINT, 290, 200, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("Hookable", KIND_GRAPPLE_POINT, 650, 380, 100, 100, PICTURE_GRAPPLE_POINT),

    Plain("Spikes", KIND_LAVA, 0, -510, 2400, 100, PICTURE_LAVA),
    Plain("Wall", KIND_SOLID, -960, 0, 50, 1080, PICTURE_SOLID),
    Plain("Celling", KIND_SOLID, 0, 540, 1920, 50, PICTURE_SOLID),
    Plain("Wall1", KIND_SOLID, 960, -145, 50, 790, PICTURE_SOLID),
    Plain("Wall2", KIND_SOLID, 960, 495, 50, 90, PICTURE_SOLID),
    Plain("FloorPlat", KIND_SOLID, -800, -440, 300, 100, PICTURE_SOLID),

    Plain("Floatingplat", KIND_PLATFORM, -500, -260, 300, 50, PICTURE_PLATFORM),
    Plain("FloorPlat", KIND_PLATFORM, -500, -385, 100, 200, PICTURE_PLATFORM),
    Plain("Platform", KIND_PLATFORM, -400, 90, 300, 50, PICTURE_PLATFORM),
    Plain("Platform", KIND_PLATFORM, -100, 90, 300, 50, PICTURE_PLATFORM),
    Plain("Platform", KIND_PLATFORM, 200, 90, 300, 50, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 750, -230, 300, 50, PICTURE_PLATFORM),
    Plain("FloorPlat", KIND_PLATFORM, 750, -370, 100, 230, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 560, 170, 300, 50, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 880, 230, 110, 40, PICTURE_PLATFORM),

    Plain("Complete", KIND_EXIT, 960, 350, 50, 200, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_LAVA};
} // namespace

extern const LevelDefinition Level08 = {
    8, "Level_2", MUSIC_LEVELS, 9, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -800, -350, nullptr, 0,
};
