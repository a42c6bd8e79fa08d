// main.cpp: the program's entry point.
//
//     vantara [--record FILE | --play FILE]
#include "game/vantara_main.h"

int main(int argc, char** argv)
{
    ProgramOptions options;
    if (!ParseProgramOptions(argc, argv, &options)) return EXIT_BAD_OPTIONS;
    return VantaraMain(options);
}
