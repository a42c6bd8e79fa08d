// level_13.cpp: Level_7.
//
// Four grapple points, each guarded. The first pull crosses the lane of a patrolling enemy:
// wait until it has passed. The second must be fired from the top of a jump, or the flight
// runs into a spiked block at head height. The last pull rises through the lane of the top
// enemy, and a second pull from the air carries the player on into the way out.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    // The frame; the way out is the gap high in the right wall. Grapple points draw right
    // after an object that leaves their picture untiled: a solid, an enemy or a spiked block.
    Plain("Floor", KIND_SOLID, 0, -505, 1920, 100, PICTURE_SOLID),
    Plain("Celling", KIND_SOLID, 0, 540, 1920, 50, PICTURE_SOLID),
    Plain("Wall", KIND_SOLID, -960, 0, 50, 1080, PICTURE_SOLID),
    // The first pull crosses the lane of the middle enemy.
    Plain("HookPlat", KIND_GRAPPLE_POINT, -480, -100, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("Wall1", KIND_SOLID, 960, -140, 50, 800, PICTURE_SOLID),
    // Pulled from the top of a jump, over the spiked block beside the first ledge.
    Plain("HookPlat", KIND_GRAPPLE_POINT, 420, -60, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("FloorPlat1", KIND_SOLID, -827.5, -423.5, 215, 63, PICTURE_SOLID),
    // Up through the lane of the top enemy, then on to the way out in one flight.
    Plain("HookPlat", KIND_GRAPPLE_POINT, 640, 100, 100, 100, PICTURE_GRAPPLE_POINT),
    EnemyAt(470, 280, 100, 100, PICTURE_FLYING_ENEMY, 270, 700, false),
    Plain("HookPlat", KIND_GRAPPLE_POINT, 820, 420, 100, 100, PICTURE_GRAPPLE_POINT),
    // A pair flying in step guards the floor and the air above it; spiked blocks lie on the
    // floor and hang at head height beside the first ledge.
    EnemyAt(-460, -410, 90, 90, PICTURE_FLYING_ENEMY, -620, -175, false),
    EnemyAt(-460, -140, 100, 100, PICTURE_FLYING_ENEMY, -620, -175, false),
    Plain("Floatingplat", KIND_ENEMY, 230, -435, 100, 25, PICTURE_SPIKES),
    Plain("Floatingplat", KIND_ENEMY, 240, -90, 100, 25, PICTURE_SPIKES),

    // Two ledges on pillars, and the porch under the way out.
    Plain("Floatingplat", KIND_PLATFORM, 35, -145, 230, 50, PICTURE_PLATFORM),
    Plain("Platform", KIND_PLATFORM, 35, -180, 190, 20, PICTURE_PLATFORM),
    Plain("FloorPlat", KIND_PLATFORM, 35, -322.5, 80, 265, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 600, -245, 300, 50, PICTURE_PLATFORM),
    Plain("Platform1", KIND_PLATFORM, 600, -280, 260, 20, PICTURE_PLATFORM),
    Plain("FloorPlat2", KIND_PLATFORM, 600, -372.5, 100, 165, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 887.5, 205, 95, 50, PICTURE_PLATFORM),
    Plain("Platform2", KIND_PLATFORM, 895, 170, 80, 20, PICTURE_PLATFORM),
    // Cornices under the ceiling.
    Plain("Platform3", KIND_PLATFORM, -650, 495, 300, 40, PICTURE_PLATFORM),
    Plain("Platform4", KIND_PLATFORM, -250, 495, 200, 40, PICTURE_PLATFORM),
    Plain("Platform5", KIND_PLATFORM, 100, 495, 200, 40, PICTURE_PLATFORM),
    Plain("Platform6", KIND_PLATFORM, 420, 495, 160, 40, PICTURE_PLATFORM),
    // A curb at the end of the start, so that running off it is a choice.
    Plain("Platform7", KIND_PLATFORM, -732.5, -377, 25, 30, PICTURE_PLATFORM),

    Plain("Complete", KIND_EXIT, 950, 400, 50, 275, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_BOUNCE_PAD, PICTURE_FLYING_ENEMY};
} // namespace

extern const LevelDefinition Level13 = {
    13, "Level_7", MUSIC_LEVELS, 14, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -800, -350, nullptr, 0,
};
