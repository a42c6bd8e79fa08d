// cold_load_time.cpp: how long a level's Load and Init take from cold, in milliseconds, with
// its pictures decoded as for a screen (on the decoding workers and the main thread) but not
// uploaded. With `ahead` the level's pictures have just been asked for in the background, as
// a menu does while it is played. Run from the build folder (it reads data/):
//   cold_load_time STATE [ahead]
#include "engine/graphics/picture_decoder.h"
#include "engine/graphics/texture.h"
#include "game/startup/game_states.h"
#include "tools/replay/replay_runner.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
using Clock = std::chrono::steady_clock;

class LoadWatch : public ReplayObserver
{
  public:
    Clock::time_point started = Clock::now();
    double ms = -1.0;

    void OnInit(uint64_t) override
    {
        if (ms < 0.0) ms = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
    }
    void OnFrame(uint64_t, const Player*, ReplayEvent) override {}
};
} // namespace

int main(int argc, char** argv)
{
    const bool ahead = argc == 3 && std::strcmp(argv[2], "ahead") == 0;
    ReplaySetup setup;
    setup.state = argc == 2 || ahead ? std::atoi(argv[1]) : 0;
    if (!IsGameState(setup.state))
    {
        std::fprintf(stderr, "usage: cold_load_time STATE [ahead]\n");
        return 2;
    }
    setup.frames = 1;
    setup.script.push_back(ScriptLine());
    ExpectPicturesDrawn(true);
    if (ahead) DecodeStatePicturesAhead(setup.state);
    LoadWatch watch;
    RunReplay(setup, &watch);
    std::printf("%.1f\n", watch.ms);
    return 0;
}
