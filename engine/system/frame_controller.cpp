// frame_controller.cpp: frame timing and the 60 Hz limiter.
#include "engine/system/frame_controller.h"

#include "engine/platform/platform.h"

#include <algorithm>

double FrameStartTime = 0.0;
double MinFrameTime = 1.0 / 60.0;
double FrameTime = 1.0 / 60.0;
double FrameRealTime = 1.0 / 60.0;
double GameSpeed = 1.0;
double FrameRate = 60.0;
uint32_t FrameCount = 0;
double FrameWaitTime = 0.0;
double FrameSleepTime = 0.0;
double SpinMargin = 0.0015;

static constexpr double StartLateness = 0.001;
// The worst lateness of recent wakes, fading by a tenth a frame.
static double RecentLateness = StartLateness;

static bool VirtualFrameTime = false;
static bool HostPaced = false;
static double PreviousFrameStart = -1.0;

double GetPreciseTime()
{
    // Whole seconds and the rest apart, so that a counter running for days keeps its precision.
    const int64_t frequency = PlatformPerformanceFrequency();
    const int64_t counter = PlatformPerformanceCounter();
    const int64_t whole = counter / frequency;
    const int64_t rest = counter - whole * frequency;
    return static_cast<double>(rest) / static_cast<double>(frequency) +
           static_cast<double>(whole);
}

void InitFrameController()
{
    FrameRate = 60.0;
    FrameCount = 0;
    FrameTime = FrameRealTime = 1.0 / 60.0;
    MinFrameTime = 1.0 / 60.0;
    GameSpeed = 1.0;
    FrameWaitTime = FrameSleepTime = 0.0;
    RecentLateness = StartLateness;
    SpinMargin = 1.5 * StartLateness;
}

static void FollowSleepLateness(double late)
{
    RecentLateness = std::max(late, RecentLateness * 0.9);
    SpinMargin = std::clamp(1.5 * RecentLateness, MinSpinMargin, MaxSpinMargin);
}

void StartFrameTimer() { FrameStartTime = GetPreciseTime(); }

void UseVirtualFrameTime(bool on) { VirtualFrameTime = on; }

void UseHostPacing(bool on)
{
    HostPaced = on;
    PreviousFrameStart = -1.0;
}

bool HostFrameDue()
{
    // A display's 60 Hz is rarely exactly 60: a frame called a little early still runs, one
    // of a 120 Hz display's in-between calls does not.
    constexpr double Slack = 0.004;
    return PreviousFrameStart < 0.0 ||
           GetPreciseTime() - PreviousFrameStart >= MinFrameTime / GameSpeed - Slack;
}

void LimitFrameRate()
{
    if (VirtualFrameTime)
    {
        FrameRate = 1.0 / MinFrameTime;
        FrameCount += 1;
        FrameTime = FrameRealTime = MinFrameTime;
        FrameWaitTime = FrameSleepTime = 0.0;
        return;
    }
    const double length = MinFrameTime / GameSpeed;
    if (HostPaced)
    {
        // At a slower game speed the host's calls come as often, and more of them are not due.
        const double span = PreviousFrameStart < 0.0 ? length : FrameStartTime - PreviousFrameStart;
        PreviousFrameStart = FrameStartTime;
        FrameRealTime = std::clamp(span, length, MaxHostFrameTime / GameSpeed);
        FrameTime = FrameRealTime * GameSpeed;
        FrameRate = 1.0 / FrameRealTime;
        FrameCount += 1;
        FrameWaitTime = FrameSleepTime = 0.0;
        return;
    }
    const double workDone = GetPreciseTime();
    double elapsed = workDone - FrameStartTime;
    FrameSleepTime = 0.0;
    // Asleep for the bulk of the wait, so that an idle game leaves the processor alone; the
    // last SpinMargin is a spin, because a sleeper may wake a little late.
    if (length - elapsed > SpinMargin)
    {
        const double asked = length - elapsed - SpinMargin;
        PlatformSleep(asked);
        const double woke = GetPreciseTime();
        FrameSleepTime = woke - workDone;
        elapsed = woke - FrameStartTime;
        FollowSleepLateness(FrameSleepTime - asked);
    }
    while (length > elapsed) elapsed = GetPreciseTime() - FrameStartTime;
    FrameWaitTime = FrameStartTime + elapsed - workDone;
    FrameRate = 1.0 / elapsed;
    FrameCount += 1;
    FrameRealTime = elapsed;
    FrameTime = elapsed * GameSpeed;
}
