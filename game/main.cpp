// main.cpp: the program's entry point: the command line, then the game.
#include <cstdio>
#include <string>

#include "engine/platform/platform.h"
#include "game/levels/level_import.h"
#include "game/startup/command_line.h"
#include "game/startup/vantara_main.h"
#include "game/startup/version.h"

int main(int argc, char** argv)
{
    argv = PlatformProgramArguments(&argc, argv);
    LaunchOptions options;
    std::string error;
    if (!ParseCommandLine(GameOptions(), argc, argv, &options, &error))
    {
        std::fprintf(stderr, "vantara: %s\n%sTry 'vantara --help' for the options.\n",
                     error.c_str(), UsageLine(GameOptions()).c_str());
        return EXIT_USAGE;
    }
    if (options.recordPath && options.playPath)
    {
        std::fputs("vantara: --record and --play exclude each other\n", stderr);
        return EXIT_USAGE;
    }
    if (options.showHelp)
    {
        std::fputs(HelpText(GameOptions()).c_str(), stdout);
        return EXIT_OK;
    }
    if (options.showVersion)
    {
        std::printf("Vantara %s\n", VANTARA_VERSION);
        return EXIT_OK;
    }
    // A file operation: no window, and no need to wait for a running copy of the game.
    if (options.importPath) return ImportLevel(options.importPath);
    return VantaraMain(options);
}
