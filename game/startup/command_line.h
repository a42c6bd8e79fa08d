// command_line.h: the game's command-line options, one table row each.
//
// A new option is one field in LaunchOptions and one row in GameOptions() (command_line.cpp):
// its name, the name of its argument (or none), one line of help, and what it sets.
#pragma once

#include <string>
#include <vector>

// What the player asked for when starting the game.
struct LaunchOptions
{
    bool showHelp = false;
    bool showVersion = false;
    bool frameStats = false;          // print the frame statistics on exit
    const char* recordPath = nullptr; // write the session as a replay script
    const char* playPath = nullptr;   // play a recording back in the window
    const char* importPath = nullptr; // import a shared level, then exit
};

struct CommandLineOption
{
    const char* name;     // "--version"
    const char* argument; // "FILE": it takes one (--name FILE or --name=FILE); null: none
    const char* help;     // one line for --help
    // Records the option in options; argument is null for an option that takes none.
    void (*apply)(LaunchOptions* options, const char* argument);
};

// Every option of the game, in the order --help lists them.
const std::vector<CommandLineOption>& GameOptions();

// Reads argv[1] onwards against table into options. False, with a one-line reason in error,
// on an unknown option, an option without its argument, an argument given to an option that
// takes none, or a word that is no option.
bool ParseCommandLine(const std::vector<CommandLineOption>& table, int argc,
                      const char* const* argv, LaunchOptions* options, std::string* error);

// "usage: vantara [--help] [--version] [--record FILE] ...", one line.
std::string UsageLine(const std::vector<CommandLineOption>& table);
// The usage line, then one line per option with its help.
std::string HelpText(const std::vector<CommandLineOption>& table);
