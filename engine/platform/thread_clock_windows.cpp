// thread_clock_windows.cpp: sleeping and the thread's processor time, on Windows.
//
// Sleep() wakes on the system's timer tick, a millisecond at best (SDL asks for that
// resolution) and 15.6 ms by default: too coarse for the frame limiter. A high-resolution
// waitable timer (Windows 10 1803 and later) wakes within a fraction of a millisecond; older
// systems get Sleep with the millisecond tick.
#include "engine/platform/platform.h"

#include <cmath>

#include <windows.h>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

void PlatformSleep(double seconds)
{
    if (seconds <= 0.0) return;
    // One timer per thread: the picture decoders sleep on theirs, the frame loop on its own.
    thread_local HANDLE timer = CreateWaitableTimerExW(
        nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    if (timer)
    {
        LARGE_INTEGER due;
        due.QuadPart = -static_cast<LONGLONG>(std::ceil(seconds * 1e7)); // relative, 100 ns
        if (SetWaitableTimer(timer, &due, 0, nullptr, nullptr, FALSE) &&
            WaitForSingleObject(timer, INFINITE) == WAIT_OBJECT_0)
            return;
    }
    Sleep(static_cast<DWORD>(std::ceil(seconds * 1000.0)));
}

double PlatformThreadCpuSeconds()
{
    FILETIME created, ended, kernel, user;
    if (!GetThreadTimes(GetCurrentThread(), &created, &ended, &kernel, &user)) return 0.0;
    auto seconds = [](const FILETIME& t)
    {
        return static_cast<double>((static_cast<uint64_t>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) *
               1e-7;
    };
    return seconds(kernel) + seconds(user);
}
