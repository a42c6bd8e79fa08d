// vantara_main.h: the program from start-up to exit.
#pragma once

// Exit codes of the program.
constexpr int EXIT_OK = 0;
constexpr int EXIT_ALREADY_RUNNING = 1;
constexpr int EXIT_NO_GRAPHICS = 2; // no display, no window, or no OpenGL 3.3
constexpr int EXIT_NO_DATA = 3;     // no data/ beside the program or in the working directory

constexpr int EXIT_BAD_OPTIONS = 4; // an unknown option, or a recording that cannot be used

// What the command line asks for.
struct ProgramOptions
{
    const char* recordPath = nullptr; // --record FILE: write the session as a replay script
    const char* playPath = nullptr;   // --play FILE: play a recording back in the window
};

// Reads the command line. False, after a line on stderr, for anything it does not know.
bool ParseProgramOptions(int argc, char** argv, ProgramOptions* options);

// Starts the game, runs it until it quits and shuts it down. Returns the exit code. A session
// recorded or played back starts from the default settings and keeps nothing: the settings
// and best times are neither read nor written, so that it starts and plays as the replay
// runner does on every machine.
int VantaraMain(const ProgramOptions& options = ProgramOptions());
