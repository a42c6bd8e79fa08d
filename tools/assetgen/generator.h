// generator.h: runs the catalogue and writes its files.
#pragma once

#include <cstdint>
#include <string>

struct GeneratorOptions
{
    std::string dataFolder;
    std::string contactSheet; // empty: none
    std::string iconFolder;   // empty: none; else the desktop icons, <size>x<size>.png
    std::string fontFolder = "/usr/share/fonts/truetype/dejavu";
    bool verbose = false; // print each file with the time it took
};

struct GeneratorReport
{
    bool ok = false;
    int files = 0;
    uint64_t bytes = 0;
};

// The sizes of the desktop icons, in pixels: what menus, docks and software centres ask for.
constexpr int DesktopIconSizes[] = {32, 48, 64, 128, 256, 512};

// Produces every asset, two at a time when the machine has the cores; each file's bytes
// depend only on its own producer, so the order the workers take them in does not matter.
GeneratorReport GenerateAssets(const GeneratorOptions& options);
