// image_file.h: decoding picture files into 8-bit RGBA.
#pragma once

#include <cstdint>
#include <vector>

// Pictures larger than this, on either side or in all, are refused from their header before
// any pixel memory is allocated, so a hostile file cannot make the game ask for gigabytes.
constexpr int MaxImageSide = 16384;
constexpr long long MaxImagePixels = 8192LL * 8192LL;

struct ImageRGBA
{
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels; // top row first, 4 bytes per pixel
};

// Reads a PNG (or any picture stb_image knows) as RGBA. False, silently, when the file is
// missing, unreadable, not a picture, truncated or too large.
bool ReadImageFile(const char* path, ImageRGBA* image);
