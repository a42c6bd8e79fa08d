// end_signals_windows.cpp: Ctrl+C, Ctrl+Break and the closing of the console the game was
// started from (the windowed game takes its parent's console: console_windows.cpp), on
// Windows. Windows ends a process whose console closes as soon as the handler returns, or
// five seconds after the event at the latest, so the handler holds it until the game has
// ended its own way: saved what it keeps and let go of the window, as a closed window does.
// The handler stays registered: removing it could wait on the lock that a held close keeps.
#include "engine/platform/end_signals.h"

#include <atomic>

#include <windows.h>

namespace
{
std::atomic<bool> EndRequested{false};
std::atomic<bool> Caught{false};   // an event came since CatchEndSignals
std::atomic<bool> Catching{false}; // between CatchEndSignals and ReleaseEndSignals
HANDLE Ended = nullptr;            // set by ReleaseEndSignals: the game has shut down

BOOL WINAPI OnConsoleEvent(DWORD event)
{
    // FALSE passes the event on to Windows' own handler, which ends the program at once.
    if (!Catching) return FALSE;
    switch (event)
    {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        if (Caught.exchange(true)) return FALSE; // a second one
        EndRequested = true;
        return TRUE;
    case CTRL_CLOSE_EVENT:
        Caught = true;
        EndRequested = true;
        WaitForSingleObject(Ended, INFINITE);
        return TRUE;
    default: return FALSE;
    }
}
} // namespace

void CatchEndSignals()
{
    if (!Ended)
    {
        Ended = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
    }
    ResetEvent(Ended);
    EndRequested = false;
    Caught = false;
    Catching = true;
}

void ReleaseEndSignals()
{
    Catching = false;
    if (Ended) SetEvent(Ended);
}

bool TakeEndSignal() { return EndRequested.exchange(false); }
