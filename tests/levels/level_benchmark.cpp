// level_benchmark.cpp: what a level costs: its Load and Init, and one whole frame.
//
// Run by hand from the build folder (it reads data/): prints, per level, the time from the
// start of the visit to its first Init done, and the mean CPU time of a frame (Update and Draw
// up to the swap, on the headless renderer, so without the rasteriser).
//
// With --gl (needs a display; Xvfb is fine) the levels load as the game loads them, pictures
// decoded and uploaded to a real OpenGL context, twice each: cold, and warm with the level's
// pictures decoded ahead, as they are while the level before it is played.
#include "engine/graphics/picture_decoder.h"
#include "engine/graphics/texture.h"
#include "engine/platform/picture_window.h"
#include "game/startup/game_states.h"
#include "tools/replay/replay_runner.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

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

// Load and Init of `level` and `frames` frames.
Stopwatch RunLevel(GameStateId level, int64_t frames, bool withGL)
{
    ReplaySetup setup;
    setup.state = level;
    // Run right and jump now and then, so that the player moves and collides.
    std::string error;
    ParseScript("0 D 0 0 0\n60 D+SPACE 0 0 0\n61 D 0 0 0\n", "bench", &setup.script, &error);
    setup.frames = frames;
    setup.drawWithGL = withGL;
    Stopwatch watch;
    RunReplay(setup, &watch);
    return watch;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--gl") == 0)
    {
        if (!OpenPictureWindow(1920, 1080)) return 1;
        ExpectPicturesDrawn(true);
        std::printf("state  cold load+init (ms)  warm load+init (ms)\n");
        for (GameStateId level = 3; level <= 15; ++level)
        {
            DiscardAllPictures();
            const double cold = RunLevel(level, 1, true).loadSeconds;
            DecodeStatePicturesAhead(level);
            while (PicturesAheadPending() > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            const double warm = RunLevel(level, 1, true).loadSeconds;
            std::printf("%5d  %19.2f  %19.2f\n", level, cold * 1e3, warm * 1e3);
        }
        ClosePictureWindow();
        return 0;
    }
    std::printf("state  load+init (ms)  frame (us)\n");
    for (GameStateId level = 3; level <= 15; ++level)
    {
        const Stopwatch watch = RunLevel(level, 3000, false);
        std::printf("%5d  %14.2f  %10.2f\n", level, watch.loadSeconds * 1e3,
                    watch.frameSeconds / watch.frames * 1e6);
    }
    return 0;
}
