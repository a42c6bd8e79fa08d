// catalogue.h: the list of every file the generator writes under the data folder.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/assetgen/canvas.h"

struct Asset
{
    std::string path; // relative to the data folder, with forward slashes
    // Exactly one producer is set.
    std::function<Canvas()> picture;
    std::function<std::vector<float>()> sound; // mono samples at SampleRate, -1..1
    std::function<std::string()> text;
};

std::vector<Asset> Catalogue();
