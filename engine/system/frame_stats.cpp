// frame_stats.cpp: the recorded frames and marks, and their summary.
#include "engine/system/frame_stats.h"

#include "engine/system/frame_controller.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace
{
struct Recording
{
    bool enabled = false;
    bool marked[MARK_COUNT] = {};
    double marks[MARK_COUNT] = {};
    std::vector<float> pacingErrors; // seconds; floats keep an hour of frames under a megabyte
    uint32_t loadingFrames = 0;
    double loadingPacingMax = 0.0;
    double lastFrameEnd = -1.0;    // GetPreciseTime when the last frame ended; -1 before one
    double switchSinceFrame = 0.0; // state switches since then, seconds
    double betweenFramesMax = 0.0;
    std::vector<float> switches;   // seconds
    double waited = 0.0, slept = 0.0;
    double updateCpu = 0.0, drawCpu = 0.0, swapCpu = 0.0;
};
Recording Stats;

double Percentile(std::vector<float> values, double share)
{
    if (values.empty()) return 0.0;
    const size_t at = std::min(values.size() - 1,
                               static_cast<size_t>(std::ceil(share * values.size())) - 1);
    std::nth_element(values.begin(), values.begin() + at, values.end());
    return values[at];
}
} // namespace

void EnableFrameStats() { Stats.enabled = true; }

bool FrameStatsEnabled() { return Stats.enabled; }

void MarkStartup(StartupMark mark)
{
    if (!Stats.enabled || Stats.marked[mark]) return;
    Stats.marked[mark] = true;
    Stats.marks[mark] = GetPreciseTime();
}

void RecordFrameStats(double updateCpu, double drawCpu, double swapCpu, bool loading)
{
    if (!Stats.enabled) return;
    double length = FrameRealTime;
    if (Stats.lastFrameEnd >= 0.0)
    {
        const double between =
            std::max(0.0, FrameStartTime - Stats.lastFrameEnd - Stats.switchSinceFrame);
        Stats.betweenFramesMax = std::max(Stats.betweenFramesMax, between);
        length += between;
    }
    Stats.lastFrameEnd = FrameStartTime + FrameRealTime;
    Stats.switchSinceFrame = 0.0;
    const double error = std::fabs(length - MinFrameTime / GameSpeed);
    if (loading)
    {
        Stats.loadingFrames += 1;
        Stats.loadingPacingMax = std::max(Stats.loadingPacingMax, error);
    }
    else
        Stats.pacingErrors.push_back(static_cast<float>(error));
    Stats.waited += FrameWaitTime;
    Stats.slept += FrameSleepTime;
    Stats.updateCpu += updateCpu;
    Stats.drawCpu += drawCpu;
    Stats.swapCpu += swapCpu;
}

void RecordStateSwitch(double seconds)
{
    if (!Stats.enabled) return;
    Stats.switches.push_back(static_cast<float>(seconds));
    Stats.switchSinceFrame += seconds;
}

FrameStatsSummary SummariseFrameStats()
{
    FrameStatsSummary s = {};
    s.frames = static_cast<uint32_t>(Stats.pacingErrors.size()) + Stats.loadingFrames;
    s.loadingFrames = Stats.loadingFrames;
    s.loadingPacingMax = Stats.loadingPacingMax;
    s.betweenFramesMax = Stats.betweenFramesMax;
    s.stateSwitches = static_cast<uint32_t>(Stats.switches.size());
    s.switchP50 = Percentile(Stats.switches, 0.50);
    s.switchMax = Percentile(Stats.switches, 1.0);
    for (int m = 0; m < MARK_COUNT; ++m)
        s.startup[m] = Stats.marked[m] && Stats.marked[MARK_PROGRAM_START]
                           ? Stats.marks[m] - Stats.marks[MARK_PROGRAM_START]
                           : -1.0;
    s.pacingP50 = Percentile(Stats.pacingErrors, 0.50);
    s.pacingP99 = Percentile(Stats.pacingErrors, 0.99);
    s.pacingMax = Stats.pacingErrors.empty()
                      ? 0.0
                      : *std::max_element(Stats.pacingErrors.begin(), Stats.pacingErrors.end());
    s.asleepShare = Stats.waited > 0.0 ? Stats.slept / Stats.waited : 0.0;
    const double frames = s.frames > 0 ? s.frames : 1.0;
    s.updateCpu = Stats.updateCpu / frames;
    s.drawCpu = Stats.drawCpu / frames;
    s.swapCpu = Stats.swapCpu / frames;
    return s;
}

void PrintFrameStats(FILE* out)
{
    const FrameStatsSummary s = SummariseFrameStats();
    auto ms = [](double seconds) { return seconds * 1e3; };
    std::fprintf(out, "Vantara frame statistics, %u frames\n", s.frames);
    std::fprintf(out, "start-up, ms after the program started:");
    const char* names[MARK_COUNT] = {"program start", "window", "GL ready", "first frame"};
    for (int m = 0; m < MARK_COUNT; ++m)
    {
        if (s.startup[m] < 0.0)
            std::fprintf(out, "%s %s -", m ? "," : "", names[m]);
        else
            std::fprintf(out, "%s %s %.1f", m ? "," : "", names[m], ms(s.startup[m]));
    }
    std::fprintf(out, "\n");
    if (s.startup[MARK_WINDOW] >= 0.0 && s.startup[MARK_GL_READY] >= 0.0)
        std::fprintf(out, "graphics driver start (window to GL ready): %.1f ms\n",
                     ms(s.startup[MARK_GL_READY] - s.startup[MARK_WINDOW]));
    if (s.startup[MARK_GL_READY] >= 0.0 && s.startup[MARK_FIRST_FRAME] >= 0.0)
        std::fprintf(out, "first frame after GL ready: %.1f ms\n",
                     ms(s.startup[MARK_FIRST_FRAME] - s.startup[MARK_GL_READY]));
    std::fprintf(out, "pacing error against 1/60 s: p50 %.3f ms, p99 %.3f ms, max %.3f ms\n",
                 ms(s.pacingP50), ms(s.pacingP99), ms(s.pacingMax));
    std::fprintf(out, "frames that loaded (a state's first, or pictures): %u, largest error %.3f ms\n",
                 s.loadingFrames, ms(s.loadingPacingMax));
    std::fprintf(out, "longest time between frames, state switches aside: %.3f ms\n",
                 ms(s.betweenFramesMax));
    std::fprintf(out, "state switches: %u, p50 %.1f ms, max %.1f ms\n", s.stateSwitches,
                 ms(s.switchP50), ms(s.switchMax));
    std::fprintf(out, "wait spent asleep: %.1f%%\n", s.asleepShare * 100.0);
    std::fprintf(out,
                 "CPU per frame: update %.3f ms, draw submission %.3f ms, swap %.3f ms\n",
                 ms(s.updateCpu), ms(s.drawCpu), ms(s.swapCpu));
}

void ResetFrameStats() { Stats = Recording(); }
