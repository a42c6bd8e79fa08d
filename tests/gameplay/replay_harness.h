// replay_harness.h: gameplay scenarios played through the replay runner, in process.
//
// A scenario is an arena and an input script (both in the runner's own formats); Play runs
// it and returns what every frame left behind: the player, the hook, the enemies, the rocks.
#pragma once

#include "engine/graphics/math2d.h"
#include "game/gameplay/grappling_hook.h"
#include "tools/replay/replay_runner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct FrameSample
{
    uint64_t frame;
    GameStateId state, next;
    bool hasPlayer;
    Vec2 position, velocity, tip;
    bool grounded, slamming, hooked, latched, onPoint, slamLanded, wallJumpFlip;
    float stunTimer;
    std::vector<Vec2> enemies; // positions, registry order
    std::vector<Vec2> rocks;
    ReplayEvent event;
};

// Frames of one run, and the frames at which Init ran.
struct Replay
{
    std::vector<FrameSample> frames;
    std::vector<uint64_t> inits;

    const FrameSample& operator[](size_t f) const { return frames.at(f); }
    // The first frame at or after `from` with this event; -1 when none.
    int64_t FirstEvent(ReplayEvent event, uint64_t from = 0) const;
};

// Plays `script` on `arena` for `frames` frames (or to the script's end with -1).
Replay Play(const std::string& arena, const std::string& script, int64_t frames = -1);

// Gravity and damping of one airborne frame, as the player's step applies them.
inline float FallStep(float vy)
{
    vy = (vy - 15.68f) * 0.98f;
    if (vy < -500.0f) vy += 20.0f;
    return vy;
}
