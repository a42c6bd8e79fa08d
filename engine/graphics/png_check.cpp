// png_check.cpp: walking a PNG's chunks and checking their checksums with zlib's crc32.
#include "engine/graphics/png_check.h"

#include "engine/graphics/image_file.h"

#include <zlib.h>

#include <cstring>

namespace
{
constexpr uint8_t SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint32_t MAX_CHUNK_LENGTH = 0x7FFFFFFFu;
constexpr size_t CHUNK_OVERHEAD = 12; // length, type and CRC around the data
constexpr uint32_t IHDR_LENGTH = 13;

uint32_t ReadBigEndian(const uint8_t* p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

bool IsChunk(const uint8_t* type, const char* name)
{
    return std::memcmp(type, name, 4) == 0;
}

bool ValidDepth(uint8_t colourType, uint8_t depth)
{
    switch (colourType)
    {
    case 0:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2:
    case 4:
    case 6:
        return depth == 8 || depth == 16;
    default:
        return false;
    }
}

// The two bytes that open every zlib stream: deflate, a window of at most 32 KiB, no preset
// dictionary, and their own check value.
bool ZlibHeaderValid(uint8_t cmf, uint8_t flg)
{
    return (cmf & 0x0F) == 8 && (cmf >> 4) <= 7 && (flg & 0x20) == 0 &&
           ((cmf << 8) | flg) % 31 == 0;
}
} // namespace

bool CheckPngStructure(const std::vector<uint8_t>& bytes, int* width, int* height)
{
    const size_t size = bytes.size();
    if (size < sizeof SIGNATURE || std::memcmp(bytes.data(), SIGNATURE, sizeof SIGNATURE) != 0)
        return false;
    uint32_t w = 0, h = 0, paletteEntries = 0;
    uint8_t colourType = 0, depth = 0;
    bool idatSeen = false;
    for (size_t at = sizeof SIGNATURE; size - at >= CHUNK_OVERHEAD;)
    {
        const uint8_t* chunk = &bytes[at];
        const uint32_t length = ReadBigEndian(chunk);
        const uint8_t* type = chunk + 4;
        const uint8_t* data = chunk + 8;
        if (length > MAX_CHUNK_LENGTH || length > size - at - CHUNK_OVERHEAD) return false;
        if (crc32(0L, type, length + 4) != ReadBigEndian(data + length)) return false;
        at += CHUNK_OVERHEAD + length;

        if (w == 0) // the first chunk must be the header
        {
            if (!IsChunk(type, "IHDR") || length != IHDR_LENGTH) return false;
            w = ReadBigEndian(data);
            h = ReadBigEndian(data + 4);
            depth = data[8];
            colourType = data[9];
            if (w == 0 || h == 0 || w > uint32_t(MaxImageSide) || h > uint32_t(MaxImageSide) ||
                static_cast<long long>(w) * h > MaxImagePixels || !ValidDepth(colourType, depth) ||
                data[10] != 0 || data[11] != 0 || data[12] > 1)
                return false;
        }
        else if (IsChunk(type, "PLTE"))
        {
            const bool paletteAllowed = colourType == 2 || colourType == 3 || colourType == 6;
            const uint32_t entries = length / 3;
            if (!paletteAllowed || idatSeen || paletteEntries != 0 || entries == 0 ||
                length % 3 != 0 || entries > 256 || (colourType == 3 && entries > 1u << depth))
                return false;
            paletteEntries = entries;
        }
        else if (IsChunk(type, "IDAT"))
        {
            if (colourType == 3 && paletteEntries == 0) return false;
            if (!idatSeen && (length < 2 || !ZlibHeaderValid(data[0], data[1]))) return false;
            idatSeen = true;
        }
        else if (IsChunk(type, "IEND"))
        {
            if (length != 0 || !idatSeen || at != size) return false;
            *width = static_cast<int>(w);
            *height = static_cast<int>(h);
            return true;
        }
        else
            return false; // any other chunk, even an ancillary one a decoder may act on
    }
    return false;
}
