// png_writer.h: turns a canvas into the PNG file the game loads.
#pragma once

#include <string>

#include "tools/assetgen/canvas.h"

// Writes canvas as an 8-bit PNG (RGB when fully opaque, else RGBA), top row first. Fully
// transparent pixels take the colour of their visible neighbours so that linear filtering in
// the game never pulls a dark fringe in from them. False, with a message, on failure.
bool WritePng(const std::string& path, const Canvas& canvas);
