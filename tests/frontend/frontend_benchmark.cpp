// frontend_benchmark.cpp: what the front end costs.
//
// Run by hand from the build folder (it reads data/): prints the mean CPU time of a main-menu
// frame and of a paused level's frame (Update and Draw on the headless renderer, so without
// the rasteriser), and the time from the click on a level button in the selector to the end of
// that level's first frame (the selector freed and unloaded, the level loaded, built and run).
#include "tools/replay/replay_runner.h"

#include <chrono>
#include <cstdio>

namespace
{
using Clock = std::chrono::steady_clock;

// Times frames from `first` on, and the span from the start of frame `spanFrom` to the end of
// frame `spanTo`.
class Stopwatch : public ReplayObserver
{
  public:
    Stopwatch(uint64_t first, uint64_t spanFrom, uint64_t spanTo)
        : first_(first), spanFrom_(spanFrom), spanTo_(spanTo)
    {
    }
    void OnInit(uint64_t) override {}
    void BeforeFrame(uint64_t frame) override
    {
        start_ = Clock::now();
        if (frame == spanFrom_) spanStart_ = start_;
    }
    void OnFrame(uint64_t frame, const Player*, ReplayEvent) override
    {
        const auto end = Clock::now();
        if (frame >= first_ && frame < spanFrom_)
        {
            total += std::chrono::duration<double>(end - start_).count();
            ++frames;
        }
        if (frame == spanTo_) span = std::chrono::duration<double>(end - spanStart_).count();
    }
    double total = 0.0, span = 0.0;
    int frames = 0;

  private:
    uint64_t first_, spanFrom_, spanTo_;
    Clock::time_point start_, spanStart_;
};

std::vector<ScriptLine> Script(const char* text)
{
    std::vector<ScriptLine> lines;
    std::string error;
    ParseScript(text, "bench", &lines, &error);
    return lines;
}

double MeanFrame(GameStateId state, const char* script, uint64_t first, uint64_t frames)
{
    ReplaySetup setup;
    setup.state = state;
    setup.script = Script(script);
    setup.frames = static_cast<int64_t>(first + frames);
    Stopwatch watch(first, first + frames, first + frames);
    RunReplay(setup, &watch);
    return watch.total / watch.frames;
}
} // namespace

int main()
{
    // The menu after both logos, with the pointer resting on Play.
    const double menu = MeanFrame(GS_MAIN_MENU, "1 ESC 0 0 0\n2 - 0 0 0\n3 ESC 0 0 0\n"
                                                "4 - -375 -175 0\n", 100, 5000);
    // Level_1 paused from frame 10 on.
    const double paused = MeanFrame(7, "10 ESC 0 0 0\n11 - 0 0 0\n", 100, 5000);
    std::printf("main menu frame: %.1f us\npaused level frame: %.1f us\n", menu * 1e6, paused * 1e6);

    for (const char* click : {"20 - -800 -50 1\n21 - -800 -50 0\n", "20 - -50 -200 1\n21 - -50 -200 0\n"})
    {
        ReplaySetup setup;
        setup.state = GS_LEVEL_SELECTOR;
        setup.script = Script(click);
        setup.frames = 23;
        Stopwatch watch(0, 20, 21);
        RunReplay(setup, &watch);
        std::printf("selector click to the level's first frame: %.1f ms\n", watch.span * 1e3);
    }
    return 0;
}
