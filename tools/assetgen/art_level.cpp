// art_level.cpp: the level scenery: far and near backgrounds, platform tiles, grapple
// points, the rope, the falling rock and the bronze frame.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/art.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/painter.h"

namespace
{
constexpr int BackgroundWidth = 3240;
constexpr int BackgroundHeight = 1080;
// Platforms repeat every 32 world units; 128 pixels keep them crisp when stretched.
constexpr int TileSize = 128;

float Fract(float x)
{
    return x - std::floor(x);
}
} // namespace

Canvas FarBackground()
{
    Canvas c(BackgroundWidth, BackgroundHeight);
    float h = BackgroundHeight;
    SkyStyle sky;
    sky.horizon = 0.70f;
    sky.sun = {0.5f, 0.64f};
    sky.sunRadius = 105;
    sky.seed = 11;
    PaintSky(c, sky);
    PaintRidge(c, {h * 0.66f, 130, 420, Mix(Palette::DuskPurple, Palette::DuskRose, 0.45f),
                   WithAlpha(Palette::SunGlow, 0.35f), 3});
    PaintRidge(c, {h * 0.745f, 80, 260, Mix(Palette::DuskPurple, Palette::NightViolet, 0.35f),
                   WithAlpha(Palette::DuskRose, 0.5f), 8});
    PaintRuinSilhouettes(c, h * 0.86f, 1.0f, Hex(0x35244F), WithAlpha(Palette::DuskRose, 0.7f), 21);
    // Evening mist pooling in the valley in front of the ruins.
    c.Shade(
        [&](Vec p)
        {
            float mist = SmoothStep(h * 0.74f, h * 0.88f, p.y) *
                         (0.55f + 0.45f * Fbm(p.x / 300.0f, p.y / 60.0f, 4, 4));
            return WithAlpha(Mix(Palette::DuskRose, Palette::DuskPurple, 0.4f), mist * 0.45f);
        },
        {0, h * 0.7f, float(BackgroundWidth), h});
    PaintRidge(c, {h * 0.915f, 22, 190, Hex(0x221634), WithAlpha(Palette::DuskRose, 0.35f), 5});
    Vignette(c, 0.22f);
    return c;
}

namespace
{
// One column of the near layer: plinth, fluted shaft and capital, lit from the sun's side.
void PaintColumn(Canvas& c, float x, float width, float top, float ground, bool litFromRight,
                 bool broken, unsigned seed)
{
    Rgba body = Hex(0x5A3F63), dark = Hex(0x35243F), lit = Hex(0xC98A7C);
    float half = width * 0.5f;
    Shape shaft = RoundBox({x, (top + ground) * 0.5f}, half, (ground - top) * 0.5f, 3);
    if (broken)
    {
        Rng rng(seed);
        float cut = top + 30;
        // The cutting shape reaches well past the shaft so that its sides leave no trace
        // in the outline.
        shaft = Cut(shaft, Polygon({{x - half - 40, top - 40},
                                    {x + half + 40, top - 40},
                                    {x + half + 40, cut + rng.Range(0, 60)},
                                    {x + rng.Range(-10, 10), cut + rng.Range(30, 80)},
                                    {x - half - 40, cut + rng.Range(0, 40)}}));
    }
    Shape capital =
        Union(RoundBox({x, top + 14}, half + 22, 14, 4), RoundBox({x, top + 36}, half + 10, 10, 3));
    Shape plinth = Union(RoundBox({x, ground - 18}, half + 24, 18, 3),
                         RoundBox({x, ground - 44}, half + 12, 10, 3));
    float side = litFromRight ? 1.0f : -1.0f;
    auto shade = [&](Vec p)
    {
        // Round shaft: darker towards the shadowed side, a warm rim on the lit side.
        float u = std::clamp((p.x - x) / half * side, -1.0f, 1.0f);
        Rgba col = Mix(dark, body, SmoothStep(-1.0f, 0.3f, u));
        col = Mix(col, lit, SmoothStep(0.62f, 0.95f, u) * 0.8f);
        // Fluting: shallow vertical grooves.
        float groove = std::cos((p.x - x) / width * PI * 7.0f);
        col = Scale(col, 0.92f + 0.08f * groove);
        // Weathering.
        float n = Fbm(p.x / 40.0f, p.y / 90.0f, seed, 4);
        col = Scale(col, 0.85f + 0.3f * n);
        return col;
    };
    Box columnBox{x - half - 30, top - 10, x + half + 30, ground + 2};
    OutlinedPart(c, shaft, shade, columnBox, 3);
    if (!broken) OutlinedPart(c, capital, shade, columnBox, 3);
    OutlinedPart(c, plinth, shade, columnBox, 3);
}
} // namespace

Canvas NearColumns()
{
    Canvas c(BackgroundWidth, BackgroundHeight);
    float ground = BackgroundHeight - 34;
    const float xs[] = {210, 760, 1240, 2000, 2480, 3030};
    const bool broken[] = {false, true, false, false, true, false};
    for (int i = 0; i < 6; i++)
    {
        float top = broken[i] ? 260 + 90 * (i % 2) : 120;
        PaintColumn(c, xs[i], 118, top, ground, xs[i] < BackgroundWidth * 0.5f, broken[i],
                    uint32_t(40 + i));
    }
    // Lintels across the intact neighbours, one of them cracked off.
    auto lintel = [&](float x0, float x1, bool cracked)
    {
        Shape beam = RoundBox({(x0 + x1) * 0.5f, 92}, (x1 - x0) * 0.5f, 30, 4);
        if (cracked)
            beam =
                Cut(beam, Polygon({{x1 - 140, 40}, {x1 + 40, 40}, {x1 + 40, 140}, {x1 - 90, 140}}));
        Paint shade = [](Vec p)
        {
            Rgba col = Mix(Hex(0x6A4A6E), Hex(0x3A2745), SmoothStep(70, 122, p.y));
            return Scale(col, 0.85f + 0.3f * Fbm(p.x / 50.0f, p.y / 30.0f, 9, 4));
        };
        OutlinedPart(c, beam, shade, {x0 - 4, 56, x1 + 4, 128}, 3);
        // Ivy hanging from the beam.
        Rng rng(Hash(uint32_t(int(x0))));
        for (float x = x0 + 20; x < x1 - (cracked ? 160 : 20); x += rng.Range(28, 70))
        {
            float length = rng.Range(60, 260);
            std::vector<Vec> vine;
            for (float y = 118; y < 118 + length; y += 12)
                vine.push_back({x + std::sin(y * 0.05f + x) * 6.0f, y});
            if (vine.size() < 2) continue;
            c.Fill(Stroke(vine, 4), Hex(0x1F4A4E), {x - 16, 110, x + 16, 130 + length});
            for (size_t k = 1; k < vine.size(); k += 2)
            {
                Vec leaf = vine[k] + Vec{(k % 4 == 1) ? 6.0f : -6.0f, 0};
                c.Fill(Ellipse(leaf, 7, 4.5f),
                       Mix(Hex(0x2C6B63), Hex(0x1C3F49), float(k % 3) / 3.0f),
                       BoxAround(leaf, 9, 7));
            }
        }
    };
    lintel(xs[2] - 59, xs[3] + 59, false);
    lintel(xs[4] - 59, xs[5] + 59, true);
    lintel(xs[0] - 200, xs[0] + 59, false);
    // Rubble and grass along the ground line.
    Rng rng(5);
    c.Fill([&](Vec p) { return ground + 6 + 6 * std::sin(p.x * 0.013f) - p.y; },
           VerticalGradient({{0, Hex(0x2A1C3A)}, {1, Hex(0x160F22)}}, ground, BackgroundHeight),
           {0, ground - 10, float(BackgroundWidth), float(BackgroundHeight)});
    for (int i = 0; i < 90; i++)
    {
        Vec p{rng.Next() * BackgroundWidth, ground + rng.Range(-2, 14)};
        float r = rng.Range(6, 18);
        Shape stone = Ellipse(p, r * 1.4f, r);
        OutlinedPart(c, stone, CelShade(stone, Hex(0x4A3552), Hex(0x2A1C38), 4),
                     BoxAround(p, r * 2, r * 2), 2);
    }
    for (int i = 0; i < 260; i++)
    {
        float x = rng.Next() * BackgroundWidth, hgt = rng.Range(8, 28), lean = rng.Range(-8, 8);
        c.Fill(TaperedCapsule({x, ground + 10}, {x + lean, ground + 10 - hgt}, 2.2f, 0.4f),
               Mix(Hex(0x1F3F45), Hex(0x2D5E55), rng.Next()),
               {x - 12, ground - 30, x + 12, ground + 14});
    }
    return c;
}

Canvas PlatformTile()
{
    // Sandstone blocks in running bond: two courses per tile, the lower one offset by half a
    // block, so that a row of tiles reads as one laid wall.
    Canvas c(TileSize, TileSize);
    c.SetWrap(true);
    c.Shade([](Vec) { return Palette::Mortar; });
    const float course = TileSize / 2.0f, mortar = 3.0f;
    for (int row = 0; row < 2; row++)
    {
        // The canvas wraps, so a block that runs off one edge comes back in at the other.
        Vec centre{TileSize * 0.5f + (row == 1 ? TileSize * 0.5f : 0.0f), course * (row + 0.5f)};
        Shape block = RoundBox(centre, TileSize * 0.5f - mortar, course * 0.5f - mortar, 5);
        float tone = 0.93f + 0.12f * Random01(3, row);
        Paint shade = CelShade(block, Scale(Palette::Sandstone, tone),
                               Scale(Palette::SandstoneDark, tone), 9, Palette::SandstoneLight, 4);
        c.Fill(
            block,
            [&, row](Vec p)
            {
                Rgba col = shade(p);
                float n = Fbm(p.x / 16.0f, p.y / 16.0f, 12, 4, TileSize / 16, TileSize / 16);
                col = Scale(col, 0.88f + 0.24f * n);
                // A few darker pits in the stone.
                float pit = ValueNoise(p.x / 6.0f, p.y / 6.0f, 30 + row, 0, 0);
                if (pit > 0.86f) col = Scale(col, 0.82f);
                return col;
            },
            BoxAround(centre, TileSize * 0.5f + 1, course * 0.5f + 1));
    }
    return c;
}

Canvas BouncePadTile()
{
    // A springy magenta membrane with upward chevrons: clearly not stone, clearly "up".
    Canvas c(TileSize, TileSize);
    c.SetWrap(true);
    c.Shade(
        [](Vec p)
        {
            float t = 0.5f + 0.5f * std::cos(p.y / TileSize * 2 * PI);
            Rgba col = Mix(Palette::Magenta, Palette::MagentaDark, 1.0f - t);
            return Scale(
                col, 0.92f + 0.12f * Fbm(p.x / 16, p.y / 16, 5, 3, TileSize / 16, TileSize / 16));
        });
    // Seams of the pad at the top and bottom of every tile.
    const float mid = TileSize * 0.5f;
    c.Fill([&](Vec p) { return (mid - 5) - std::fabs(p.y - mid); }, Palette::Ink,
           {0, -8, float(TileSize), 8});
    c.Fill([&](Vec p) { return std::fabs(std::fabs(p.y - mid) - 53) - 2; },
           WithAlpha(Hex(0xFF9BD2), 0.7f), c.Bounds());
    auto chevron = [&](float y) {
        return Stroke({{mid - 34, y + 20}, {mid, y - 12}, {mid + 34, y + 20}}, 14);
    };
    for (float y : {44.0f, 86.0f})
    {
        Shape s = chevron(y);
        OutlinedPart(c, s, CelShade(s, Hex(0xFFB5E0), Hex(0xE070B0), 4, Hex(0xFFFFFF), 2),
                     {mid - 50, y - 30, mid + 50, y + 30}, 3);
    }
    return c;
}

Canvas GrapplePoint()
{
    // A bronze ring around a glowing teal core: the one thing in a level that says "hook me".
    const int size = 256;
    Canvas c(size, size);
    Vec o{size * 0.5f, size * 0.5f};
    c.Glow(Circle(o, 60), WithAlpha(Palette::Teal, 0.45f), 60, c.Bounds());
    Shape ring = Ring(o, 74, 30);
    OutlinedPart(
        c, ring,
        CelShade(Circle(o, 89), Palette::Gold, Palette::GoldDark, 14, Palette::GoldLight, 5),
        BoxAround(o, 95, 95), 5);
    // Engraved ticks around the ring.
    for (int i = 0; i < 16; i++)
    {
        float a = i * PI / 8 + PI / 16;
        Vec p0 = o + Polar(a, 64), p1 = o + Polar(a, 84);
        c.Fill(Capsule(p0, p1, 1.5f), WithAlpha(Palette::GoldDark, 0.8f), BoxAround(o, 90, 90));
    }
    // Four rivets where the ring is anchored.
    for (int i = 0; i < 4; i++)
    {
        Vec p = o + Polar(i * PI / 2 + PI / 4, 74);
        Shape rivet = Circle(p, 11);
        OutlinedPart(c, rivet, CelShade(rivet, Palette::Steel, Palette::SteelDark, 5),
                     BoxAround(p, 14, 14), 3);
    }
    Shape core = Circle(o, 52);
    OutlinedPart(
        c, core,
        VerticalGradient({{0, Palette::PanelTop}, {1, Palette::PanelDeep}}, o.y - 52, o.y + 52),
        BoxAround(o, 54, 54), 4);
    c.Glow(Circle(o, 24), WithAlpha(Palette::Teal, 0.8f), 26, BoxAround(o, 52, 52));
    Shape gem = Polygon({o + Vec{0, -34}, o + Vec{28, 0}, o + Vec{0, 34}, o + Vec{-28, 0}});
    OutlinedPart(c, gem, CelShade(gem, Palette::Teal, Palette::TealDark, 10, Palette::TealLight, 6),
                 BoxAround(o, 36, 36), 3);
    c.Fill(Ellipse(o + Vec{-8, -12}, 6, 9), WithAlpha(Hex(0xFFFFFF), 0.85f), BoxAround(o, 30, 30));
    return c;
}

Canvas RopePicture()
{
    // Drawn as a strip 20 units wide along the rope: a twisted hemp rope down the middle.
    const int width = 32, height = 512;
    Canvas c(width, height);
    const float half = 9.0f, centre = width * 0.5f;
    c.Shade(
        [&](Vec p)
        {
            float u = (p.x - centre) / half;
            if (std::fabs(u) > 1.25f) return Rgba{};
            float inside = std::clamp((1.0f - std::fabs(u)) * half + 0.5f, 0.0f, 1.0f);
            float outline = std::clamp((1.25f - std::fabs(u)) * half + 0.5f, 0.0f, 1.0f);
            float round = std::sqrt(std::max(0.0f, 1.0f - u * u));
            // Two strands twisting: diagonal bands whose phase follows the rope's surface.
            float twist = Fract((p.y + std::asin(std::clamp(u, -1.0f, 1.0f)) * 9.0f) / 14.0f);
            float groove = SmoothStep(0.0f, 0.18f, twist) * (1.0f - SmoothStep(0.82f, 1.0f, twist));
            Rgba col = Mix(Hex(0x6E4B2E), Hex(0xD9B27A), round * (0.45f + 0.55f * groove));
            col = Mix(col, Hex(0xF5DDAA),
                      SmoothStep(0.6f, 1.0f, round) * (u < 0 ? 0.5f : 0.0f) * groove);
            Rgba out = Mix(Palette::Ink, col, inside);
            out.a = outline;
            return out;
        });
    return c;
}

Canvas RockPicture()
{
    // A faceted boulder: each facet takes its shade from how it faces the light, so the
    // rock reads as solid and heavy while it falls.
    const int size = 256;
    Canvas c(size, size);
    Vec o{size * 0.5f, size * 0.5f};
    Rng rng(17);
    const int corners = 11;
    std::vector<Vec> outline;
    for (int i = 0; i < corners; i++)
    {
        float a = i * 2 * PI / corners + rng.Range(-0.12f, 0.12f);
        outline.push_back(o + Polar(a, rng.Range(100, 114)));
    }
    Shape rock = Polygon(outline);
    OutlinedPart(c, rock, Palette::SandstoneDark, c.Bounds(), 6);
    // A ring of facets around a top face turned towards the light.
    Vec crown = o + Vec{-20, -24};
    std::vector<Vec> inner;
    for (int i = 0; i < corners; i++)
        inner.push_back(Lerp(crown, outline[i], 0.45f + 0.1f * rng.Next()));
    const Rgba lit = Hex(0xE9CDAA), dark = Hex(0x4E3A4E);
    for (int i = 0; i < corners; i++)
    {
        int j = (i + 1) % corners;
        Vec mid = (outline[i] + outline[j] + inner[i] + inner[j]) * 0.25f - o;
        float facing = Dot(mid * (1.0f / std::max(Length(mid), 1.0f)), LightDirection * -1.0f);
        Rgba col = Mix(lit, dark, SmoothStep(-0.9f, 0.8f, facing));
        Shape facet = Polygon({inner[i], outline[i], outline[j], inner[j]});
        c.Fill(
            Intersect(Grow(facet, 0.5f), rock),
            [&](Vec p) { return Scale(col, 0.92f + 0.16f * Fbm(p.x / 14, p.y / 14, 8, 3)); },
            c.Bounds());
        c.Fill(Intersect(Capsule(inner[i], outline[i], 1.5f), rock), WithAlpha(Palette::Ink, 0.45f),
               c.Bounds());
    }
    Shape top = Polygon(inner);
    c.Fill(
        Grow(top, 0.5f),
        [&](Vec p) { return Scale(Hex(0xD8B48E), 0.94f + 0.12f * Fbm(p.x / 12, p.y / 12, 9, 3)); },
        c.Bounds());
    for (int i = 0; i < corners; i++)
        c.Fill(Capsule(inner[i], inner[(i + 1) % corners], 1.5f), WithAlpha(Palette::Ink, 0.45f),
               c.Bounds());
    c.Fill(Stroke({o + Vec{34, 16}, o + Vec{48, 34}, o + Vec{44, 56}, o + Vec{62, 72}}, 3.5f),
           WithAlpha(Palette::Ink, 0.75f), c.Bounds());
    return c;
}

Canvas FramePicture()
{
    // A square bronze frame with a transparent middle and corner bosses.
    const int size = 512;
    Canvas c(size, size);
    Vec o{size * 0.5f, size * 0.5f};
    Shape frame = Cut(RoundBox(o, 246, 246, 22), RoundBox(o, 206, 206, 10));
    OutlinedPart(c, frame,
                 CelShade(RoundBox(o, 246, 246, 22), Palette::Bronze, Palette::GoldDark, 16,
                          Palette::GoldLight, 5),
                 c.Bounds(), 5);
    Shape inner = Cut(RoundBox(o, 214, 214, 12), RoundBox(o, 206, 206, 10));
    c.Fill(inner, Palette::Ink, c.Bounds());
    for (int i = 0; i < 4; i++)
    {
        Vec p = o + Vec{(i % 2 ? 1.0f : -1.0f) * 226, (i / 2 ? 1.0f : -1.0f) * 226};
        Shape boss = Circle(p, 24);
        OutlinedPart(c, boss,
                     CelShade(boss, Palette::Gold, Palette::GoldDark, 9, Palette::GoldLight, 4),
                     BoxAround(p, 30, 30), 4);
        Shape gem = Circle(p, 9);
        c.Fill(gem, CelShade(gem, Palette::Teal, Palette::TealDark, 4, Palette::TealLight, 3),
               BoxAround(p, 12, 12));
    }
    return c;
}
