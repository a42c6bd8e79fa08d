// image_file.h: decoding picture files into 8-bit RGBA.
//
// PNG files are decoded by libspng, several times faster than stb_image on the game's large
// backgrounds; anything libspng refuses (another format, or damage stb_image has always
// tolerated) is handed to stb_image, so that every file loads or fails as it always has.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

// Pictures larger than this, on either side or in all, are refused from their header before
// any pixel memory is allocated, so a hostile file cannot make the game ask for gigabytes.
constexpr int MaxImageSide = 16384;
constexpr long long MaxImagePixels = 8192LL * 8192LL;

enum ImageRowOrder
{
    TOP_ROW_FIRST,
    BOTTOM_ROW_FIRST, // as textures store them
};

struct ImageRGBA
{
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels; // 4 bytes per pixel, rows in the order asked for
};

// Reads a PNG (or any picture stb_image knows) as RGBA. False, silently, when the file is
// missing, unreadable, not a picture, truncated or too large.
bool ReadImageFile(const char* path, ImageRGBA* image, ImageRowOrder order = TOP_ROW_FIRST);

// The two halves of ReadImageFile, for callers that read on one thread and decode on another.
// Safe to call from any thread. False when the file cannot be opened or read.
bool ReadFileBytes(const char* path, std::vector<uint8_t>* bytes);
// False when the bytes are not a picture, are truncated or declare too large a size, or
// when `abandon` is set meanwhile (a decode nobody waits for any more stops early).
bool DecodeImage(const std::vector<uint8_t>& bytes, ImageRGBA* image, ImageRowOrder order,
                 const std::atomic<bool>* abandon = nullptr);
