// art_hazards.cpp: the spikes and the lava.
//
// Both are drawn by the game with a texture scale taken from the spike picture's size
// (width / 1500 and height / 624 as whole numbers): a 3000 x 624 spike picture repeats
// twice across every spike or lava object, whatever its size. Spike objects are mostly 40 x
// 40, 50 x 25 and 80 x 30 units, so each copy of the picture is squeezed to a fraction of
// its width; the spikes are therefore painted about five times wider than they should look,
// with broad shapes and a slight horizontal blur so that the heavy minification stays clean.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/art.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/painter.h"

namespace
{
constexpr int SpikeWidth = 3000;
constexpr int SpikeHeight = 624;
constexpr float Squeeze = 4.8f; // how much narrower the picture is typically drawn

// A shape designed in "as seen" coordinates, stretched across the picture.
Shape Widened(const Shape& seen)
{
    return [seen](Vec p) { return seen({p.x / Squeeze, p.y}); };
}
} // namespace

Canvas SpikeStrip()
{
    Canvas c(SpikeWidth, SpikeHeight);
    c.SetWrap(true);
    const float seenWidth = SpikeWidth / Squeeze; // 625: two spikes of about 312
    const float plateTop = 470;

    struct Spike
    {
        float centre, tip, halfBase;
    };
    // Two tall spikes per copy and a small one between each pair (straddling the picture's
    // edge, where the copies meet): long strips keep a tight row of points, small objects a
    // readable cluster.
    const Spike spikes[4] = {{seenWidth * 0.25f, 26, 130},
                             {seenWidth * 0.75f, 70, 124},
                             {0, 250, 70},
                             {seenWidth * 0.5f, 260, 66}};
    for (int i = 3; i >= 0; i--)
    {
        const Spike& s = spikes[i];
        Vec tip{s.centre, s.tip}, left{s.centre - s.halfBase, plateTop + 20},
            right{s.centre + s.halfBase, plateTop + 20}, foot{s.centre, plateTop + 20};
        Shape blade = Widened(Polygon({tip, right, left}));
        Shape leftFace = Widened(Polygon({tip, foot, left}));
        Box box{(s.centre - s.halfBase - 30) * Squeeze, s.tip - 30,
                (s.centre + s.halfBase + 30) * Squeeze, plateTop + 40};
        c.Fill(Grow(blade, 16), Palette::Ink, box);
        c.Fill(
            blade,
            [&](Vec p)
            {
                float t = (p.y - s.tip) / (plateTop - s.tip);
                Rgba col = Mix(Palette::SteelMid, Palette::SteelDark, t);
                // Tips stained dark red: these have been used.
                return Mix(col, Palette::Blood, (1.0f - SmoothStep(0.06f, 0.22f, t)) * 0.8f);
            },
            box);
        c.Fill(
            leftFace,
            [&](Vec p)
            {
                float t = (p.y - s.tip) / (plateTop - s.tip);
                Rgba col = Mix(Hex(0xEEF2F8), Palette::SteelMid, t);
                return Mix(col, Hex(0xC8455A), (1.0f - SmoothStep(0.06f, 0.22f, t)) * 0.8f);
            },
            box);
        // A bright glint along the lit edge.
        c.Fill(Widened(Capsule(Lerp(tip, left, 0.12f), Lerp(tip, left, 0.55f), 5)),
               WithAlpha(Hex(0xFFFFFF), 0.8f), box);
    }

    // The iron base plate that holds them, running across the whole strip.
    c.Fill([&](Vec p) { return plateTop - p.y; }, Palette::Ink,
           {0, plateTop - 16, float(SpikeWidth), float(SpikeHeight)});
    c.Fill([&](Vec p) { return plateTop + 14 - p.y; },
           VerticalGradient({{0, Hex(0x5A5870)}, {0.25f, Hex(0x3C3A50)}, {1, Hex(0x1E1C2C)}},
                            plateTop + 14, SpikeHeight),
           {0, plateTop, float(SpikeWidth), float(SpikeHeight)});
    c.Fill([&](Vec p) { return std::fabs(p.y - (plateTop + 24)) - 5; },
           WithAlpha(Palette::SteelMid, 0.9f),
           {0, plateTop + 14, float(SpikeWidth), plateTop + 34});
    for (float bolt : {seenWidth * 0.25f, seenWidth * 0.75f})
    {
        Vec centre{bolt, plateTop + 82};
        Shape head = Widened(Circle(centre, 26));
        Box box{(bolt - 40) * Squeeze, plateTop + 40, (bolt + 40) * Squeeze, plateTop + 124};
        c.Fill(Grow(head, 8), Palette::Ink, box);
        c.Fill(head,
               VerticalGradient({{0, Palette::Steel}, {1, Palette::SteelDark}}, centre.y - 26,
                                centre.y + 26),
               box);
    }
    c.Blur(Squeeze * 6, 3);
    return c;
}

Canvas LavaStrip()
{
    // Molten rock with a glowing surface, drifting crust plates and hot cracks; it wraps
    // sideways. Each copy usually covers a long, low strip, so it is wide and low too.
    const int width = 1024, height = 128;
    Canvas c(width, height);
    c.SetWrap(true);
    auto surface = [&](float x)
    {
        float phase = x / width * 2 * PI;
        return 22 + 5 * std::sin(phase * 5) + 3 * std::sin(phase * 11 + 1.3f) +
               6 * (Fbm(x / 64.0f, 0.5f, 41, 3, width / 64, 0) - 0.5f);
    };
    c.Shade(
        [&](Vec p)
        {
            float top = surface(p.x);
            float depth = p.y - top;
            if (depth < -14) return Rgba{};
            if (depth < 0)
            {
                // Heat haze just above the surface.
                float glow = 1.0f + depth / 14.0f;
                return WithAlpha(Palette::LavaOrange, glow * glow * 0.45f);
            }
            Rgba col = VerticalGradient({{0.0f, Palette::LavaHot},
                                         {0.12f, Palette::LavaOrange},
                                         {0.55f, Palette::LavaRed},
                                         {1.0f, Hex(0x6E1614)}},
                                        0, height - top)({0, depth});
            // Flowing swirls.
            float flow = Fbm(p.x / 64.0f, p.y / 20.0f, 42, 4, width / 64, 0);
            col = Mix(col, Palette::LavaOrange, SmoothStep(0.55f, 0.8f, flow) * 0.5f);
            // Cooling crust plates with glowing seams between them.
            float crust = Fbm(p.x / 128.0f, p.y / 34.0f, 43, 3, width / 128, 0);
            float plate = SmoothStep(0.56f, 0.6f, crust);
            float seam = 1.0f - std::min(1.0f, std::fabs(crust - 0.56f) / 0.03f);
            col = Mix(col, Mix(Palette::LavaCrust, Hex(0x8A2A1E), flow),
                      plate * SmoothStep(4, 14, depth));
            col = Mix(col, Palette::LavaHot, seam * 0.7f * SmoothStep(4, 14, depth));
            // The bright skin right at the surface.
            col = Mix(col, Hex(0xFFF6C8), 1.0f - SmoothStep(0.0f, 3.5f, depth));
            col.a = std::clamp(depth + 0.5f, 0.0f, 1.0f) +
                    (1.0f - std::clamp(depth + 0.5f, 0.0f, 1.0f)) * 0.45f;
            return col;
        });
    // Bubbles rising to the surface.
    Rng rng(44);
    for (int i = 0; i < 14; i++)
    {
        float x = rng.Next() * width;
        float y = surface(x) + rng.Range(8, 40);
        float r = rng.Range(3, 8);
        c.Fill(Ring({x, y}, r, 2.0f), WithAlpha(Palette::LavaHot, 0.85f),
               BoxAround({x, y}, r + 3, r + 3));
        c.Fill(Circle({x - r * 0.3f, y - r * 0.3f}, r * 0.3f), WithAlpha(Hex(0xFFFFFF), 0.6f),
               BoxAround({x, y}, r, r));
    }
    return c;
}
