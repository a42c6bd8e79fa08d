// gameplay_benchmark.cpp: what the player's step and the replay runner cost.
//
// Prints the CPU time of one player Update in a scene of 46 objects, as large as the largest
// level, and the frames per second the runner plays on that scene, output included.
#include "game/gameplay/player.h"
#include "tools/replay/replay_json.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace
{
// 40 objects around a floor, then the enemies and the player with its hook objects.
std::string LevelSizedArena()
{
    std::string arena = "14 0 -500 1920 100 Floor\n14 -935 0 50 1080 Left\n14 935 0 50 1080 Right\n";
    for (int i = 0; i < 20; ++i)
        arena += "4 " + std::to_string(-800 + i * 80) + " -440 50 25 Spikes\n";
    for (int i = 0; i < 14; ++i)
        arena += "5 " + std::to_string(-700 + i * 100) + " " + std::to_string(-200 + (i % 3) * 150) +
                 " 80 30 Platform\n";
    arena += "8 0 300 100 100 Hookable\n12 950 0 50 200 Complete\n";
    arena += "enemy 0 -100 80 80 -300 300 0\nenemy 200 100 80 80 100 500 0\n";
    arena += "rock 450 650 150 150 650\nrock 825 850 150 150 850\n";
    return arena + "player -860 -410\n";
}


double Seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}
} // namespace

int main()
{
    ReplaySetup setup;
    std::string error;
    if (!ParseArena(LevelSizedArena(), "bench", &setup.arena, &error))
    {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    setup.useArena = true;
    // Run right and swing the hook about, so that every part of the step is exercised.
    ParseScript("0 D 0 300 1\n40 A -300 0 0\n80 D+SPACE 200 300 1\n120 - 0 0 0\n", "bench",
                &setup.script, &error);
    constexpr int FRAMES = 200000;
    setup.frames = FRAMES;

    size_t objects = 0;
    class Counter : public ReplayObserver
    {
      public:
        explicit Counter(size_t* count) : count_(count) {}
        void OnInit(uint64_t) override { *count_ = ObjectRegistry.size(); }
        void OnFrame(uint64_t, const Player*, ReplayEvent) override {}

      private:
        size_t* count_;
    } counter(&objects);

    auto start = std::chrono::steady_clock::now();
    RunReplay(setup, &counter);
    const double bare = Seconds(start);

    FILE* sink = std::fopen("/dev/null", "w");
    JsonReplayWriter writer(sink);
    start = std::chrono::steady_clock::now();
    RunReplay(setup, &writer);
    const double withOutput = Seconds(start);
    std::fclose(sink);

    // The player's Update alone, on a scene built by the runner's first frame.
    class UpdateTimer : public ReplayObserver
    {
      public:
        void OnInit(uint64_t) override {}
        void OnFrame(uint64_t frame, const Player* player, ReplayEvent) override
        {
            if (frame != 100 || !player) return;
            Player* p = const_cast<Player*>(player);
            constexpr int N = 200000;
            const auto begin = std::chrono::steady_clock::now();
            for (int i = 0; i < N; ++i) p->Update();
            perUpdate = Seconds(begin) / N;
        }
        double perUpdate = 0.0;
    } updates;
    setup.frames = 101;
    RunReplay(setup, &updates);

    std::printf("scene: %zu objects\n", objects);
    std::printf("player Update: %.2f microseconds\n", updates.perUpdate * 1e6);
    std::printf("runner: %.0f frames/s without output, %.0f frames/s writing JSON\n",
                FRAMES / bare, FRAMES / withOutput);
    return 0;
}
