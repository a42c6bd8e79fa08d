// program_arguments.cpp: the command line as the program was given it, on systems whose
// arguments already arrive as the bytes of the file names and words typed (UTF-8 here).
#include "engine/platform/platform.h"

char** PlatformProgramArguments(int*, char** argv)
{
    return argv;
}
