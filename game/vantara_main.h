// vantara_main.h: the program from start-up to exit.
#pragma once

// Exit codes of the program.
constexpr int EXIT_OK = 0;
constexpr int EXIT_ALREADY_RUNNING = 1;
constexpr int EXIT_NO_GRAPHICS = 2; // no display, no window, or no OpenGL 3.3
constexpr int EXIT_NO_DATA = 3;     // no data/ beside the program or in the working directory
constexpr int EXIT_BAD_ARGUMENTS = 4; // a command-line argument the program does not know

struct ProgramOptions
{
    bool frameStats = false; // --frame-stats: print the frame statistics on exit
};

// Reads the command line into `options`. False, after saying why on standard error, for an
// argument the program does not know.
bool ParseProgramOptions(int argc, const char* const* argv, ProgramOptions* options);

// Starts the game, runs it until it quits and shuts it down. Returns the exit code.
int VantaraMain(const ProgramOptions& options = ProgramOptions());
