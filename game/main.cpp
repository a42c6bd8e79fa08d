// main.cpp: the program's entry point.
#include "game/vantara_main.h"

int main(int argc, char** argv)
{
    ProgramOptions options;
    if (!ParseProgramOptions(argc, argv, &options)) return EXIT_BAD_ARGUMENTS;
    return VantaraMain(options);
}
