// vantara_main.h: the program from start-up to exit.
#pragma once

#include "game/startup/command_line.h"

// Exit codes of the program.
constexpr int EXIT_OK = 0;
constexpr int EXIT_ALREADY_RUNNING = 1;
constexpr int EXIT_NO_GRAPHICS = 2; // no display, no window, or no OpenGL 3.3
constexpr int EXIT_NO_DATA = 3;     // no data/ beside the program, installed or in the working dir
constexpr int EXIT_USAGE = 2;       // an unknown option or a missing argument: the usual code

constexpr int EXIT_BAD_RECORDING = 4; // --record or --play with a file that cannot be used
constexpr int EXIT_RUNNING = -1;      // VantaraStart: the game is up, no exit yet

// Starts the game, runs it until it quits and shuts it down. Returns the exit code. A session
// recorded or played back starts from the default settings and keeps nothing: the settings
// and best times are neither read nor written, so that it starts and plays as the replay
// runner does on every machine.
int VantaraMain(const LaunchOptions& options = LaunchOptions());

// The same in three pieces, for a host that owns the loop and calls back once per frame (a web
// browser): VantaraStart returns EXIT_RUNNING once the game is up (else the exit code, with
// everything shut down again); VantaraStep runs one frame and is false once the game has quit;
// VantaraFinish shuts down and returns the exit code.
int VantaraStart(const LaunchOptions& options);
bool VantaraStep();
int VantaraFinish();
