// level_benchmark.cpp: what a level costs: its Load and Init, and one whole frame.
//
// Run by hand from the build folder (it reads data/): prints, per level, the time from the
// start of the visit to its first Init done, and the mean CPU time of a frame (Update and Draw
// up to the swap, on the headless renderer, so without the rasteriser).
#include "tools/replay/replay_runner.h"

#include <chrono>
#include <cstdio>

namespace
{
using Clock = std::chrono::steady_clock;

class Stopwatch : public ReplayObserver
{
  public:
    Clock::time_point started = Clock::now();
    double loadSeconds = -1.0;
    double frameSeconds = 0.0;
    int frames = 0;

    void OnInit(uint64_t) override
    {
        if (loadSeconds < 0.0)
            loadSeconds = std::chrono::duration<double>(Clock::now() - started).count();
    }
    void BeforeFrame(uint64_t) override { frameStart_ = Clock::now(); }
    void OnFrame(uint64_t, const Player*, ReplayEvent) override
    {
        frameSeconds += std::chrono::duration<double>(Clock::now() - frameStart_).count();
        ++frames;
    }

  private:
    Clock::time_point frameStart_;
};
} // namespace

int main()
{
    std::printf("state  load+init (ms)  frame (us)\n");
    for (GameStateId level = 3; level <= 15; ++level)
    {
        ReplaySetup setup;
        setup.state = level;
        // Run right and jump now and then, so that the player moves and collides.
        std::string error;
        ParseScript("0 D 0 0 0\n60 D+SPACE 0 0 0\n61 D 0 0 0\n", "bench", &setup.script, &error);
        setup.frames = 3000;
        Stopwatch watch;
        RunReplay(setup, &watch);
        std::printf("%5d  %14.2f  %10.2f\n", level, watch.loadSeconds * 1e3,
                    watch.frameSeconds / watch.frames * 1e6);
    }
    return 0;
}
