// level_04.cpp: Tutorial, stage 2. Wall jumps.
//
// The player starts at the bottom of a narrow well: a jump pressed while touching a wall in
// the air kicks off it and up, and kicking from wall to wall climbs out, with the well's floor
// under every miss. Over its rim, a bridge spans a floor of spikes to a second shaft against
// the right wall, entered under its inner wall; its bottom is the spikes, and at its top the
// right wall opens onto the way out.
#include "game/levels/level.h"

namespace
{
// Spike strips side by side along the whole bottom of the level.
constexpr float SPIKE_PITCH = 1870.0f / 23.0f;
constexpr LevelObject SpikeStrip(const char* name, int i)
{
    return Plain(name, KIND_SPIKES, -935.0f + SPIKE_PITCH * (static_cast<float>(i) + 0.5f), -525,
                 82, 30, PICTURE_SPIKES);
}

constexpr LevelObject OBJECTS[] = {
    // The frame, open on the right between y 100 and 300, where the exit stands.
    Plain("Borderl", KIND_SOLID, -960, 0, 50, 1080, PICTURE_SOLID),
    Plain("Celling", KIND_SOLID, 0, 515, 1920, 50, PICTURE_SOLID),
    Plain("Wall1", KIND_SOLID, 960, -220, 50, 640, PICTURE_SOLID),
    Plain("Wall2", KIND_SOLID, 960, 420, 50, 240, PICTURE_SOLID),
    // The well: its floor, where the player starts, and its inner wall, 275 high.
    Plain("Platform", KIND_PLATFORM, -835, 60, 200, 50, PICTURE_PLATFORM),
    Plain("Platform1", KIND_PLATFORM, -760, 222.5f, 50, 275, PICTURE_PLATFORM),
    // The bridge, its end the foothold inside the shaft, and the shaft's inner wall, which
    // leaves a passage above the bridge.
    Plain("Floor", KIND_SOLID, 92.5f, -375, 1385, 50, PICTURE_SOLID),
    Plain("Platform2", KIND_PLATFORM, 710, 45, 50, 610, PICTURE_PLATFORM),
    SpikeStrip("Spikes", 0),
    SpikeStrip("Spikes1", 1),
    SpikeStrip("Spikes2", 2),
    SpikeStrip("Spikes3", 3),
    SpikeStrip("Spikes4", 4),
    SpikeStrip("Spikes5", 5),
    SpikeStrip("Spikes6", 6),
    SpikeStrip("Spikes7", 7),
    SpikeStrip("Spikes8", 8),
    SpikeStrip("Spikes9", 9),
    SpikeStrip("Spikes10", 10),
    SpikeStrip("Spikes11", 11),
    SpikeStrip("Spikes12", 12),
    SpikeStrip("Spikes13", 13),
    SpikeStrip("Spikes14", 14),
    SpikeStrip("Spikes15", 15),
    SpikeStrip("Spikes16", 16),
    SpikeStrip("Spikes17", 17),
    SpikeStrip("Spikes18", 18),
    SpikeStrip("Spikes19", 19),
    SpikeStrip("Spikes20", 20),
    SpikeStrip("Spikes21", 21),
    SpikeStrip("Spikes22", 22),
    Plain("Complete", KIND_EXIT, 950, 200, 50, 200, PICTURE_FAR_BACKGROUND),
};

constexpr LevelPicture PICTURES[] = {PICTURE_FLYING_ENEMY};
} // namespace

extern const LevelDefinition Level04 = {
    4, "Tutorial, stage 2", MUSIC_TUTORIAL, 5, false, PICTURES, CountOf(PICTURES), false,
    OBJECTS, CountOf(OBJECTS), -900, 130, nullptr, 0,
};
