// level_11.cpp: Level_5, a zigzag of pads up to a flying enemy that springs the player into
// the way out.
//
// The pads look like springboards but are plain ledges: the climb is hopping. The low row is
// hopped along right over the floor, where a miss costs nothing; a hook up leads to the middle
// row, hopped back left, and another to the top row, hopped right to the last pad. Beyond it
// the flying enemy hangs in the air before the way out, a window in the right wall under a
// long block of stone. Walking or jumping off the last pad falls short of the window; landing
// on the enemy's back is what throws the player up and in. A fall anywhere above the low row
// means the whole climb again.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    EnemyAt(630, 150, 80, 80, PICTURE_FLYING_ENEMY, 630, 630, false),

    Plain("Wall", KIND_SOLID, -960, 0, 50, 1080, PICTURE_SOLID),
    Plain("Celling", KIND_SOLID, 0, 540, 1920, 50, PICTURE_SOLID),
    Plain("Floor", KIND_SOLID, 0, -470, 1920, 140, PICTURE_SOLID),
    Plain("Wall1", KIND_SOLID, 960, -195, 50, 690, PICTURE_SOLID),
    Plain("Wall2", KIND_SOLID, 960, 445, 50, 190, PICTURE_SOLID),
    // The stone over the window, out above the enemy: nothing can slide down into the window
    // from above, and whoever comes along the top must drop under the stone too far out.
    Plain("Wall3", KIND_SOLID, 767.5, 467.5, 335, 95, PICTURE_SOLID),

    // The low row, rightwards.
    Plain("Platform", KIND_PLATFORM, -560, -345, 120, 30, PICTURE_BOUNCE_PAD),
    Plain("Platform", KIND_PLATFORM, -320, -305, 120, 30, PICTURE_BOUNCE_PAD),
    Plain("Platform", KIND_PLATFORM, -80, -265, 120, 30, PICTURE_BOUNCE_PAD),
    // The middle row, leftwards, each pad off to the side of those below.
    Plain("Platform", KIND_PLATFORM, 40, -45, 120, 30, PICTURE_BOUNCE_PAD),
    Plain("Platform", KIND_PLATFORM, -200, -5, 120, 30, PICTURE_BOUNCE_PAD),
    Plain("Platform", KIND_PLATFORM, -440, 35, 120, 30, PICTURE_BOUNCE_PAD),
    Plain("Platform", KIND_PLATFORM, -680, 75, 120, 30, PICTURE_BOUNCE_PAD),
    // The top row, rightwards, and the last pad, up and left of the enemy.
    Plain("Platform", KIND_PLATFORM, -560, 275, 120, 30, PICTURE_BOUNCE_PAD),
    Plain("Platform", KIND_PLATFORM, -320, 290, 120, 30, PICTURE_BOUNCE_PAD),
    Plain("Platform", KIND_PLATFORM, -80, 305, 120, 30, PICTURE_BOUNCE_PAD),
    Plain("Platform", KIND_PLATFORM, 190, 320, 120, 30, PICTURE_BOUNCE_PAD),
    Plain("Platform", KIND_PLATFORM, 450, 330, 160, 30, PICTURE_BOUNCE_PAD),

    Plain("Complete", KIND_EXIT, 1000, 250, 50, 200, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_BOUNCE_PAD, PICTURE_FLYING_ENEMY};
} // namespace

extern const LevelDefinition Level11 = {
    11, "Level_5", MUSIC_LEVELS, 12, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -800, -350, nullptr, 0,
};
