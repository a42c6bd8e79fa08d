// image_file.cpp: picture decoding through libspng, with stb_image for everything else.
#include "engine/graphics/image_file.h"

#include "engine/platform/platform.h"

#include <spng.h>
#include <stb_image.h>

#include <cstring>
#include <memory>

namespace
{
bool SizeAllowed(long long width, long long height)
{
    return width > 0 && height > 0 && width <= MaxImageSide && height <= MaxImageSide &&
           width * height <= MaxImagePixels;
}

void FlipRows(ImageRGBA* image)
{
    const size_t rowBytes = static_cast<size_t>(image->width) * 4;
    std::vector<uint8_t> row(rowBytes);
    for (int top = 0, bottom = image->height - 1; top < bottom; ++top, --bottom)
    {
        uint8_t* a = &image->pixels[top * rowBytes];
        uint8_t* b = &image->pixels[bottom * rowBytes];
        std::memcpy(row.data(), a, rowBytes);
        std::memcpy(a, b, rowBytes);
        std::memcpy(b, row.data(), rowBytes);
    }
}

struct SpngContextFree
{
    void operator()(spng_ctx* ctx) const { spng_ctx_free(ctx); }
};

// The checksums are not checked: stb_image never did, and the game's files are its own.
bool DecodePng(const std::vector<uint8_t>& bytes, ImageRGBA* image, ImageRowOrder order,
               const std::atomic<bool>* abandon)
{
    std::unique_ptr<spng_ctx, SpngContextFree> ctx(spng_ctx_new(SPNG_CTX_IGNORE_ADLER32));
    if (!ctx) return false;
    spng_set_crc_action(ctx.get(), SPNG_CRC_USE, SPNG_CRC_USE);
    spng_ihdr header = {};
    size_t size = 0;
    if (spng_set_png_buffer(ctx.get(), bytes.data(), bytes.size()) != 0 ||
        spng_get_ihdr(ctx.get(), &header) != 0 || !SizeAllowed(header.width, header.height) ||
        spng_decoded_image_size(ctx.get(), SPNG_FMT_RGBA8, &size) != 0)
        return false;
    image->width = static_cast<int>(header.width);
    image->height = static_cast<int>(header.height);
    image->pixels.resize(size);
    const size_t rowBytes = static_cast<size_t>(image->width) * 4;
    if (order == TOP_ROW_FIRST || header.interlace_method != SPNG_INTERLACE_NONE)
    {
        if (spng_decode_image(ctx.get(), image->pixels.data(), size, SPNG_FMT_RGBA8,
                              SPNG_DECODE_TRNS) != 0)
            return false;
        if (order == BOTTOM_ROW_FIRST) FlipRows(image);
        return true;
    }
    // Row by row straight into place, bottom row first: no second pass over the pixels.
    if (spng_decode_image(ctx.get(), nullptr, 0, SPNG_FMT_RGBA8,
                          SPNG_DECODE_TRNS | SPNG_DECODE_PROGRESSIVE) != 0)
        return false;
    for (int y = image->height - 1; y >= 0; --y)
    {
        if (abandon && abandon->load(std::memory_order_relaxed)) return false;
        const int result = spng_decode_row(ctx.get(), &image->pixels[y * rowBytes], rowBytes);
        if (result != 0 && !(result == SPNG_EOI && y == 0)) return false;
    }
    return true;
}

bool DecodeWithStb(const std::vector<uint8_t>& bytes, ImageRGBA* image, ImageRowOrder order)
{
    const auto* data = bytes.data();
    const int length = static_cast<int>(bytes.size());
    int width = 0, height = 0, channels = 0;
    // The header alone first: the declared size decides whether decoding may allocate.
    if (!stbi_info_from_memory(data, length, &width, &height, &channels) ||
        !SizeAllowed(width, height))
        return false;
    stbi_uc* decoded = stbi_load_from_memory(data, length, &width, &height, &channels, 4);
    if (!decoded) return false;
    image->width = width;
    image->height = height;
    image->pixels.assign(decoded, decoded + static_cast<size_t>(width) * height * 4);
    stbi_image_free(decoded);
    if (order == BOTTOM_ROW_FIRST) FlipRows(image);
    return true;
}
} // namespace

bool ReadFileBytes(const char* path, std::vector<uint8_t>* bytes)
{
    FILE* file = PlatformOpenFile(path, "rb");
    if (!file) return false;
    // Read to the end rather than trusting the size: a folder opens, but reads fail, and a
    // file may grow meanwhile. The size known, one read with a byte to spare finds the end;
    // growing a chunk at a time would copy a large picture over and over.
    bytes->clear();
    constexpr size_t Chunk = 1 << 16;
    const size_t hint = PlatformFileSizeHint(file);
    const bool hinted = hint > 0 && hint < static_cast<size_t>(INT32_MAX);
    size_t used = 0;
    for (size_t ask = hinted ? hint + 1 : Chunk;; ask = Chunk)
    {
        bytes->resize(used + ask);
        const size_t got = std::fread(bytes->data() + used, 1, ask, file);
        used += got;
        if (got < ask) break;
    }
    bytes->resize(used);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

bool DecodeImage(const std::vector<uint8_t>& bytes, ImageRGBA* image, ImageRowOrder order,
                 const std::atomic<bool>* abandon)
{
    if (bytes.size() > static_cast<size_t>(INT32_MAX)) return false;
    if (DecodePng(bytes, image, order, abandon)) return true;
    return !(abandon && abandon->load()) && DecodeWithStb(bytes, image, order);
}

bool ReadImageFile(const char* path, ImageRGBA* image, ImageRowOrder order)
{
    std::vector<uint8_t> bytes;
    return ReadFileBytes(path, &bytes) && DecodeImage(bytes, image, order);
}
