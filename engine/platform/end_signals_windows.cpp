// end_signals_windows.cpp: Ctrl+C, Ctrl+Break and the closing of the console the game was
// started from (the windowed game takes its parent's console: console_windows.cpp), on
// Windows. Windows ends a process whose console closes once the handler returns, or five
// seconds after the event at the latest, so the handler waits for the game to end its own
// way: it saves what it has to and quits as a closed window does.
#include "engine/platform/end_signals.h"

#include <atomic>

#include <windows.h>

namespace
{
std::atomic<bool> EndRequested{false};
std::atomic<bool> Caught{false}; // an event came since CatchEndSignals

BOOL WINAPI OnConsoleEvent(DWORD event)
{
    switch (event)
    {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
        // FALSE passes a second one on to Windows' own handler, which ends the program.
        if (Caught.exchange(true)) return FALSE;
        EndRequested = true;
        return TRUE;
    case CTRL_CLOSE_EVENT:
        Caught = true;
        EndRequested = true;
        Sleep(INFINITE); // the program's end ends this thread too
        return TRUE;
    default: return FALSE;
    }
}
} // namespace

void CatchEndSignals()
{
    EndRequested = false;
    Caught = false;
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

void ReleaseEndSignals() { SetConsoleCtrlHandler(OnConsoleEvent, FALSE); }

bool TakeEndSignal() { return EndRequested.exchange(false); }
