// frame_event.h: what one frame did to the session, decided in one place.
//
// The replay runner reports it after every frame and a recording notes it beside the frame's
// line, so the two always name the same frames: a recording's "died" is the runner's "died".
#pragma once

#include <cstdint>

enum ReplayEvent
{
    REPLAY_NO_EVENT,
    REPLAY_COMPLETE, // the player reached the exit this frame
    REPLAY_DIED,     // the player died this frame
    REPLAY_RESTART,  // the state restarts after this frame (R, or a death)
    REPLAY_QUIT,     // the game ends after this frame
};

// The player as it was before the frame ran.
struct FrameWatch
{
    uint32_t playerId = 0;
    bool complete = false;
    bool died = false;
};

// Looks at the player just before a frame runs.
FrameWatch WatchPlayerBeforeFrame();
// Just after the frame: what it did, against what `before` saw. A finished level outranks a
// death, a death a restart, a restart a quit.
ReplayEvent FrameEventAfter(const FrameWatch& before);
// "complete", "died", "restart", "quit"; null for no event.
const char* FrameEventName(ReplayEvent event);
