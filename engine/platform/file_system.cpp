// file_system.cpp: the one place where the game opens files.
//
// The game writes its paths the Windows way as often as not (".\data\run_extra_8x1",
// "data\Adagio.wav"); on this platform a backslash becomes a slash before the file is opened.
#include "engine/platform/platform.h"

#include <string>

FILE* PlatformOpenFile(const char* path, const char* mode)
{
    if (!path || !mode) return nullptr;
    std::string native(path);
#ifndef _WIN32
    for (char& c : native)
        if (c == '\\') c = '/';
#endif
    return std::fopen(native.c_str(), mode);
}
