// text.cpp: font loading, layout and composited text.
#include "tools/assetgen/text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>

#include <stb_truetype.h>

namespace
{
struct LoadedFont
{
    std::vector<unsigned char> data;
    stbtt_fontinfo info{};
};

LoadedFont Fonts[FontFaceCount];

const char* const FontFiles[FontFaceCount] = {
    "DejaVuSans.ttf",          "DejaVuSans-Bold.ttf",          "DejaVuSerif-Bold.ttf",
    "DejaVuSansCondensed.ttf", "DejaVuSansCondensed-Bold.ttf", "DejaVuSansMono-Bold.ttf"};

const LoadedFont& FontOf(FontFace face)
{
    return Fonts[int(face)];
}

float ScaleOf(const TextStyle& style)
{
    return stbtt_ScaleForPixelHeight(&FontOf(style.face).info, style.size);
}

// Decodes UTF-8; malformed bytes become U+FFFD so that they show up rather than vanish.
std::vector<int> Codepoints(std::string_view text)
{
    std::vector<int> out;
    for (size_t i = 0; i < text.size();)
    {
        unsigned char c = static_cast<unsigned char>(text[i]);
        int length = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (length == 0 || i + length > text.size())
        {
            out.push_back(0xFFFD);
            i++;
            continue;
        }
        int cp = length == 1 ? c : c & (0x7F >> length);
        for (int k = 1; k < length; k++) cp = (cp << 6) | (text[i + k] & 0x3F);
        out.push_back(cp);
        i += length;
    }
    return out;
}

struct Mask
{
    int x0 = 0, y0 = 0, width = 0, height = 0;
    std::vector<float> alpha;
    float At(int x, int y) const
    {
        x -= x0;
        y -= y0;
        if (x < 0 || y < 0 || x >= width || y >= height) return 0;
        return alpha[size_t(y) * width + x];
    }
};

// Rasterises the line into a coverage mask in canvas coordinates, with room for effects.
Mask Rasterise(std::string_view text, float left, float baseline, const TextStyle& style,
               int margin)
{
    const LoadedFont& font = FontOf(style.face);
    float scale = ScaleOf(style);
    int ascent, descent, gap;
    stbtt_GetFontVMetrics(&font.info, &ascent, &descent, &gap);
    float width = TextWidth(text, style);
    Mask m;
    m.x0 = int(std::floor(left)) - margin - 2;
    m.y0 = int(std::floor(baseline - ascent * scale)) - margin - 2;
    m.width = int(std::ceil(width)) + 2 * margin + 6;
    m.height = int(std::ceil((ascent - descent) * scale)) + 2 * margin + 6;
    m.alpha.assign(size_t(m.width) * m.height, 0.0f);

    std::vector<int> cps = Codepoints(text);
    float pen = left;
    for (size_t i = 0; i < cps.size(); i++)
    {
        float originX = std::floor(pen);
        float shift = pen - originX;
        int w, h, xoff, yoff;
        unsigned char* bitmap = stbtt_GetCodepointBitmapSubpixel(
            &font.info, scale, scale, shift, 0.0f, cps[i], &w, &h, &xoff, &yoff);
        int gx = int(originX) + xoff - m.x0;
        int gy = int(std::floor(baseline)) + yoff - m.y0;
        for (int y = 0; y < h; y++)
            for (int x = 0; x < w; x++)
            {
                int mx = gx + x, my = gy + y;
                if (mx < 0 || my < 0 || mx >= m.width || my >= m.height) continue;
                float& a = m.alpha[size_t(my) * m.width + mx];
                a = std::min(1.0f, a + bitmap[y * w + x] / 255.0f);
            }
        stbtt_FreeBitmap(bitmap, nullptr);
        int advance, bearing;
        stbtt_GetCodepointHMetrics(&font.info, cps[i], &advance, &bearing);
        pen += advance * scale + style.tracking;
        if (i + 1 < cps.size())
            pen += stbtt_GetCodepointKernAdvance(&font.info, cps[i], cps[i + 1]) * scale;
    }
    return m;
}

// Grows a mask by radius pixels (a disc-shaped maximum), for outlines.
Mask Dilated(const Mask& m, float radius)
{
    Mask out = m;
    int r = int(std::ceil(radius));
    for (int y = 0; y < m.height; y++)
        for (int x = 0; x < m.width; x++)
        {
            float best = 0;
            for (int dy = -r; dy <= r && best < 1.0f; dy++)
                for (int dx = -r; dx <= r; dx++)
                {
                    float d = std::sqrt(float(dx * dx + dy * dy));
                    float edge = std::clamp(radius + 0.5f - d, 0.0f, 1.0f);
                    if (edge <= 0) continue;
                    int sx = x + dx, sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= m.width || sy >= m.height) continue;
                    best = std::max(best, m.alpha[size_t(sy) * m.width + sx] * edge);
                }
            out.alpha[size_t(y) * m.width + x] = best;
        }
    return out;
}

Mask Blurred(const Mask& m, float radius)
{
    Canvas c(m.width, m.height);
    for (int y = 0; y < m.height; y++)
        for (int x = 0; x < m.width; x++) c.Put(x, y, {1, 1, 1, m.alpha[size_t(y) * m.width + x]});
    c.Blur(radius);
    Mask out = m;
    for (size_t i = 0; i < out.alpha.size(); i++) out.alpha[i] = c.Premultiplied()[i].a;
    return out;
}

void Composite(Canvas& canvas, const Mask& m, Vec offset, const Paint& paint)
{
    int ox = int(std::lround(offset.x)), oy = int(std::lround(offset.y));
    for (int y = 0; y < m.height; y++)
        for (int x = 0; x < m.width; x++)
        {
            float a = m.alpha[size_t(y) * m.width + x];
            if (a <= 0) continue;
            int cx = m.x0 + x + ox, cy = m.y0 + y + oy;
            canvas.Blend(cx, cy, paint({cx + 0.5f, cy + 0.5f}), a);
        }
}
} // namespace

bool LoadFonts(const std::string& directory)
{
    // Load all faces first and switch over only when every one is good.
    LoadedFont loaded[FontFaceCount];
    for (int i = 0; i < FontFaceCount; i++)
    {
        std::string path = directory + "/" + FontFiles[i];
        std::ifstream file(path, std::ios::binary);
        if (!file)
        {
            std::fprintf(stderr, "assetgen: cannot open the font %s (install fonts-dejavu-core)\n",
                         path.c_str());
            return false;
        }
        loaded[i].data.assign(std::istreambuf_iterator<char>(file), {});
        if (loaded[i].data.empty() ||
            !stbtt_InitFont(&loaded[i].info, loaded[i].data.data(),
                            stbtt_GetFontOffsetForIndex(loaded[i].data.data(), 0)))
        {
            std::fprintf(stderr, "assetgen: %s is not a usable TrueType font\n", path.c_str());
            return false;
        }
    }
    for (int i = 0; i < FontFaceCount; i++)
    {
        Fonts[i].data = std::move(loaded[i].data);
        // The font info points into the data, which moved without reallocating.
        Fonts[i].info = loaded[i].info;
    }
    return true;
}

float TextWidth(std::string_view text, const TextStyle& style)
{
    const LoadedFont& font = FontOf(style.face);
    float scale = ScaleOf(style);
    std::vector<int> cps = Codepoints(text);
    float width = 0;
    for (size_t i = 0; i < cps.size(); i++)
    {
        int advance, bearing;
        stbtt_GetCodepointHMetrics(&font.info, cps[i], &advance, &bearing);
        width += advance * scale;
        if (i + 1 < cps.size())
            width += stbtt_GetCodepointKernAdvance(&font.info, cps[i], cps[i + 1]) * scale +
                     style.tracking;
    }
    return width;
}

float FittingSize(std::string_view text, const TextStyle& style, float maxWidth)
{
    float width = TextWidth(text, style);
    if (width <= maxWidth) return style.size;
    return style.size * maxWidth / width;
}

float CapHeight(const TextStyle& style)
{
    int x0, y0, x1, y1;
    if (!stbtt_GetCodepointBox(&FontOf(style.face).info, 'H', &x0, &y0, &x1, &y1))
        return style.size * 0.7f;
    return y1 * ScaleOf(style);
}

void DrawText(Canvas& canvas, std::string_view text, float x, float y, const TextStyle& style)
{
    float width = TextWidth(text, style);
    float left = style.align == Align::Left     ? x
                 : style.align == Align::Centre ? x - width * 0.5f
                                                : x - width;
    int margin =
        int(std::ceil(style.outlineWidth + style.shadowBlur +
                      std::max(std::fabs(style.shadowOffset.x), std::fabs(style.shadowOffset.y)))) +
        2;
    Mask glyphs = Rasterise(text, left, y, style, margin);
    Mask outlined = style.outline.a > 0 && style.outlineWidth > 0
                        ? Dilated(glyphs, style.outlineWidth)
                        : glyphs;
    float capTop = y - CapHeight(style);
    if (style.shadow.a > 0)
    {
        Mask shadow = style.shadowBlur > 0 ? Blurred(outlined, style.shadowBlur) : outlined;
        Composite(canvas, shadow, style.shadowOffset, [&](Vec) { return style.shadow; });
    }
    if (style.outline.a > 0 && style.outlineWidth > 0)
        Composite(canvas, outlined, {0, 0}, [&](Vec) { return style.outline; });
    Composite(canvas, glyphs, {0, 0},
              [&](Vec p)
              {
                  float t = std::clamp((p.y - capTop) / std::max(y - capTop, 1.0f), 0.0f, 1.0f);
                  return Mix(style.top, style.bottom, t);
              });
}
