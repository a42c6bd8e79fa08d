// end_signals.cpp: SIGTERM and SIGINT (the desktop or kill ending the game, Ctrl+C in its
// terminal), on POSIX systems.
#include "engine/platform/end_signals.h"

#include <csignal>

namespace
{
volatile std::sig_atomic_t EndSignalled = 0;
constexpr int END_SIGNALS[] = {SIGTERM, SIGINT};

void OnEndSignal(int signal)
{
    EndSignalled = 1;
    std::signal(signal, SIG_DFL);
}
} // namespace

void CatchEndSignals()
{
    EndSignalled = 0;
    for (int signal : END_SIGNALS) std::signal(signal, OnEndSignal);
}

void ReleaseEndSignals()
{
    for (int signal : END_SIGNALS) std::signal(signal, SIG_DFL);
}

bool TakeEndSignal()
{
    if (!EndSignalled) return false;
    EndSignalled = 0;
    return true;
}
