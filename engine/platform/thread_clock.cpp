// thread_clock.cpp: sleeping and the thread's processor time, on POSIX systems.
#include "engine/platform/platform.h"

#include <chrono>
#include <ctime>
#include <thread>

void PlatformSleep(double seconds)
{
    // nanosleep rather than SDL_Delay: whole milliseconds are too coarse for the limiter.
    if (seconds <= 0.0) return;
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

double PlatformThreadCpuSeconds()
{
    timespec now = {};
    if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now) != 0) return 0.0;
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}
