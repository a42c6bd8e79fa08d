// missing_files.cpp: the one line about the first missing file.
#include "game/startup/missing_files.h"

#include <cstdio>

void ReportMissingFile(const char* path)
{
    static bool reported = false;
    if (reported) return;
    reported = true;
    std::fprintf(stderr, "Vantara: cannot load \"%s\"; the game plays on without it\n", path);
}
