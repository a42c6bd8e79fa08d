// vantara_main.h: the program from start-up to exit.
#pragma once

#include "game/command_line.h"

// Exit codes of the program.
constexpr int EXIT_OK = 0;
constexpr int EXIT_ALREADY_RUNNING = 1;
constexpr int EXIT_NO_GRAPHICS = 2; // no display, no window, or no OpenGL 3.3
constexpr int EXIT_NO_DATA = 3;     // no data/ beside the program, installed or in the working dir
constexpr int EXIT_USAGE = 2;       // an unknown option or a missing argument: the usual code

// Starts the game, runs it until it quits and shuts it down. Returns the exit code.
int VantaraMain(const LaunchOptions& options = LaunchOptions());
