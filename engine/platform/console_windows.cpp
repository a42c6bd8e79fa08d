// console_windows.cpp: the windowed Windows game's standard output and error.
//
// The game is a windowed program, so Windows opens no console with it, and what it prints
// (--help, --version, a damaged settings file, no sound device) would go nowhere when it is
// started from a console. Before main runs, a program whose output is not redirected takes
// the console of the one that started it, if there is one, and prints UTF-8 to it.
#include <cstdio>

#include <windows.h>

namespace
{
bool Redirected(DWORD which)
{
    const HANDLE handle = GetStdHandle(which);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

struct ParentConsole
{
    ParentConsole()
    {
        const bool out = Redirected(STD_OUTPUT_HANDLE), error = Redirected(STD_ERROR_HANDLE);
        if ((out && error) || !AttachConsole(ATTACH_PARENT_PROCESS)) return;
        SetConsoleOutputCP(CP_UTF8);
        if (!out) std::freopen("CONOUT$", "w", stdout);
        if (!error) std::freopen("CONOUT$", "w", stderr);
    }
};

const ParentConsole Console;
} // namespace
