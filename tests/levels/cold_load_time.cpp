// cold_load_time.cpp: how long a level's Load and Init take from cold, with its pictures
// decoded as for a screen (on the decoding workers and the main thread) but not uploaded.
//
//   cold_load_time STATE RUNS [cold|ahead]   prints the median of RUNS loads, in milliseconds
//
// With `ahead` the level's pictures have just been asked for in the background, as a menu
// does while it is played, when the load begins.
//
// Run from the build folder (it reads data/). fair_load.sh compares it idle and loaded.
#include "engine/graphics/picture_decoder.h"
#include "engine/graphics/texture.h"
#include "game/startup/game_states.h"
#include "tools/replay/replay_runner.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

class LoadWatch : public ReplayObserver
{
  public:
    Clock::time_point started = Clock::now();
    double seconds = -1.0;

    void OnInit(uint64_t) override
    {
        if (seconds < 0.0) seconds = std::chrono::duration<double>(Clock::now() - started).count();
    }
    void OnFrame(uint64_t, const Player*, ReplayEvent) override {}
};
} // namespace

int main(int argc, char** argv)
{
    const char* mode = argc == 4 ? argv[3] : "cold";
    const bool ahead = std::strcmp(mode, "ahead") == 0;
    const int state = argc == 3 || argc == 4 ? std::atoi(argv[1]) : 0;
    const int runs = argc == 3 || argc == 4 ? std::atoi(argv[2]) : 0;
    if (!IsGameState(state) || runs < 1 || !(ahead || std::strcmp(mode, "cold") == 0))
    {
        std::fprintf(stderr, "usage: cold_load_time STATE RUNS [cold|ahead]\n");
        return 2;
    }
    ExpectPicturesDrawn(true);
    ReplaySetup setup;
    setup.state = state;
    setup.frames = 1;
    setup.script.push_back(ScriptLine());
    std::vector<double> times;
    for (int run = 0; run < runs; ++run)
    {
        // Cold: nothing decoded ahead, nothing still decoding.
        DiscardAllPictures();
        while (PicturesAheadPending() > 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (ahead) DecodeStatePicturesAhead(state);
        LoadWatch watch;
        RunReplay(setup, &watch);
        times.push_back(watch.seconds * 1e3);
    }
    std::sort(times.begin(), times.end());
    std::printf("%.1f\n", times[times.size() / 2]);
    return 0;
}
