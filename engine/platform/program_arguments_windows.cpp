// program_arguments_windows.cpp: the command line in UTF-8 on Windows.
//
// The C runtime hands main its arguments in the system's ANSI code page, where a file named in
// another script (a level in a folder named in Cyrillic, say) loses its letters. Windows keeps
// the command line in UTF-16 as well: it is split here as the runtime splits it and converted,
// so that every path the game is given is UTF-8 like the paths it builds.
#include "engine/platform/platform.h"

#include "engine/platform/windows_text.h"

#include <string>
#include <vector>

#include <windows.h>

#include <shellapi.h>

char** PlatformProgramArguments(int* argc, char** argv)
{
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return argv;
    // Kept for the program's life: the options point into them.
    static std::vector<std::string> arguments;
    static std::vector<char*> pointers;
    arguments.clear();
    for (int i = 0; i < count; ++i) arguments.push_back(Utf8FromWide(wide[i]));
    LocalFree(wide);
    pointers.clear();
    for (std::string& argument : arguments) pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    *argc = count;
    return pointers.data();
}
