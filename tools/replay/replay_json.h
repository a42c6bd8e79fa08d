// replay_json.h: the runner's report as JSON lines, for people and for checkers.
//
// After every Init:  {"frame": F, "registry": [{"name": ..., "kind": ..., "x": ..., ...}, ...]}
// After each frame:  {"frame": F, "state": S, "next": N, "x": ..., "y": ..., "vx": ...,
//                     "vy": ..., "grounded": ..., "slamming": ..., "hooked": ...,
//                     "latched": ..., "onPoint": ..., "tipX": ..., "tipY": ..., "paused": ...,
//                     "settingsOpen": ..., "confirmOpen": ..., "windowW": ..., "windowH": ...,
//                     "fullscreen": ..., "event": ...}
// Floats print with 9 significant digits, so that they read back to the same float;
// non-finite ones as null. The player's fields are null while no object is named "player".
#pragma once

#include "tools/replay/replay_runner.h"

#include <cstdio>
#include <string>

class JsonReplayWriter : public ReplayObserver
{
  public:
    explicit JsonReplayWriter(FILE* out) : out_(out) {}
    void OnInit(uint64_t nextFrame) override;
    void OnFrame(uint64_t frame, const Player* player, ReplayEvent event) override;

  protected:
    FILE* out_;

  private:
    std::string line_;
};
