// level_14.cpp: Level_8.
//
// A spike gauntlet under falling rocks. Along the bottom, small stones cross a bed of spikes
// to a grapple point that throws the player onto a ledge in the right wall; a second pull
// lifts it to the top walkway. There a block of spikes hangs low over the way back left:
// jumping under it is death, so the last spikes on the floor are crossed by a straight pull
// from the step at its end. The way out is the gap at the top of the left wall.
#include "game/levels/level.h"

namespace
{
constexpr LevelObject OBJECTS[] = {
    // The rocks fall behind everything else, so they come first.
    RockAt(450, 650, 150, 150, 650),
    RockAt(825, 850, 150, 150, 850),

    // The frame, the way out above the walkway's end. Grapple points draw right after a
    // solid, which leaves their picture untiled.
    Plain("Floor", KIND_SOLID, 0, -467, 1920, 150, PICTURE_SOLID),
    Plain("Celling", KIND_SOLID, 0, 540, 1920, 50, PICTURE_SOLID),
    Plain("Wall", KIND_SOLID, 960, 0, 50, 1080, PICTURE_SOLID),
    Plain("HookPlat", KIND_GRAPPLE_POINT, 560, -40, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("Wall1", KIND_SOLID, -960, -150, 50, 780, PICTURE_SOLID),
    Plain("HookPlat", KIND_GRAPPLE_POINT, 780, 200, 100, 100, PICTURE_GRAPPLE_POINT),
    Plain("Wall2", KIND_SOLID, -960, 507.5, 50, 65, PICTURE_SOLID),
    Plain("HookPlat", KIND_GRAPPLE_POINT, -520, 330, 100, 100, PICTURE_GRAPPLE_POINT),

    // Stones over the bed, the ledge in the right wall, the walkway with the block hanging
    // over it, the step before the last pull and a lintel over the way out.
    Plain("Floatingplat", KIND_PLATFORM, -150, -335, 100, 30, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 230, -315, 100, 30, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, 867.5, -75, 135, 30, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, -192.5, 215, 1485, 50, PICTURE_PLATFORM),
    Plain("TopPlat", KIND_PLATFORM, -440, 468, 520, 94, PICTURE_PLATFORM),
    Plain("Floatingplat", KIND_PLATFORM, -120, 265, 120, 50, PICTURE_PLATFORM),
    Plain("TopPlat", KIND_PLATFORM, -860, 490, 150, 50, PICTURE_PLATFORM),

    // The bed, from a run's length past the start to the right wall.
    Plain("Spikes", KIND_SPIKES, -280, -377, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, -200, -377, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, -120, -377, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, -40, -377, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 40, -377, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 120, -377, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 200, -377, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 280, -377, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 360, -377, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 440, -377, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 520, -377, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 600, -377, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 680, -377, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 760, -377, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 840, -377, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, 910, -372, 40, 40, PICTURE_SPIKES),
    // Under the hanging block, low enough that any jump beneath it meets them.
    Plain("Spikes", KIND_SPIKES, -660, 406, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, -580, 406, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, -500, 406, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, -420, 406, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, -340, 406, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, -260, 406, 80, 30, PICTURE_SPIKES),
    // On the walkway: two to hop on the way to the step, two under the last pull.
    Plain("Spikes", KIND_SPIKES, 150, 260, 40, 40, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, -20, 260, 40, 40, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, -380, 255, 80, 30, PICTURE_SPIKES),
    Plain("Spikes", KIND_SPIKES, -300, 255, 80, 30, PICTURE_SPIKES),
    // On the right wall above the ledge: the wall is no way up.
    Plain("Spikes", KIND_SPIKES, 920, 140, 30, 80, PICTURE_SPIKES),

    Plain("Complete", KIND_EXIT, -1000, 375, 50, 200, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_ROCK};
} // namespace

extern const LevelDefinition Level14 = {
    14, "Level_8", MUSIC_LEVELS, 15, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -800, -350, nullptr, 0,
};
