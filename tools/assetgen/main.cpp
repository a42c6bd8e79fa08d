// main.cpp: vantara_assetgen, the program that writes every asset of the game.
//
//   vantara_assetgen <data folder> [--contact-sheet <png>] [--icons <folder>] [--fonts <folder>]
//                    [--verbose]
//
// Writes every picture, sound and sprite-sheet description the game reads into the data
// folder (creating it), optionally a labelled contact sheet of all pictures for review, and
// optionally the desktop icons (<size>x<size>.png) that an installed game shows in menus.
// The output depends on nothing but this program: the same bytes on every run. Exit code 0
// on success, 1 with a message on standard error otherwise.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "tools/assetgen/generator.h"

static void PrintUsage(const char* program)
{
    std::fprintf(stderr,
                 "usage: %s <data folder> [--contact-sheet <png>] [--icons <folder>] "
                 "[--fonts <folder>] [--verbose]\n",
                 program);
}

int main(int argc, char** argv)
{
    GeneratorOptions options;
    for (int i = 1; i < argc; i++)
    {
        if (std::strcmp(argv[i], "--contact-sheet") == 0 && i + 1 < argc)
            options.contactSheet = argv[++i];
        else if (std::strcmp(argv[i], "--icons") == 0 && i + 1 < argc)
            options.iconFolder = argv[++i];
        else if (std::strcmp(argv[i], "--fonts") == 0 && i + 1 < argc)
            options.fontFolder = argv[++i];
        else if (std::strcmp(argv[i], "--verbose") == 0)
            options.verbose = true;
        else if (argv[i][0] != '-' && options.dataFolder.empty())
            options.dataFolder = argv[i];
        else
        {
            PrintUsage(argv[0]);
            return 1;
        }
    }
    if (options.dataFolder.empty())
    {
        PrintUsage(argv[0]);
        return 1;
    }
    auto start = std::chrono::steady_clock::now();
    GeneratorReport report = GenerateAssets(options);
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!report.ok) return 1;
    std::printf("assetgen: %d files, %.1f MB in %s, %.1f s\n", report.files,
                report.bytes / (1024.0 * 1024.0), options.dataFolder.c_str(), seconds);
    return 0;
}
