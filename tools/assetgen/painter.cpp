// painter.cpp: cel shading, outlined parts, gradients and the twilight scenery pieces.
#include "tools/assetgen/painter.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/noise.h"

Paint CelShade(const Shape& shape, Rgba base, Rgba shadow, float depth, Rgba highlight,
               float highlightDepth)
{
    return [=](Vec p)
    {
        Rgba c = base;
        float away = shape(p - LightDirection * depth);
        c = Mix(c, shadow, SmoothStep(-1.0f, 1.0f, away));
        if (highlight.a > 0 && highlightDepth > 0)
        {
            float toward = shape(p + LightDirection * highlightDepth);
            c = Mix(c, WithAlpha(highlight, c.a), SmoothStep(-1.0f, 1.0f, toward) * highlight.a);
        }
        return c;
    };
}

void OutlinedPart(Canvas& canvas, const Shape& shape, const Paint& paint, Box box, float outline)
{
    Box grown{box.x0 - outline - 2, box.y0 - outline - 2, box.x1 + outline + 2,
              box.y1 + outline + 2};
    if (outline > 0) canvas.Fill(Grow(shape, outline), Palette::Ink, grown);
    canvas.Fill(shape, paint, grown);
}

void OutlinedPart(Canvas& canvas, const Shape& shape, Rgba colour, Box box, float outline)
{
    OutlinedPart(
        canvas, shape, [colour](Vec) { return colour; }, box, outline);
}

Paint VerticalGradient(std::vector<std::pair<float, Rgba>> stops, float y0, float y1)
{
    return [stops = std::move(stops), y0, y1](Vec p)
    {
        float t = (p.y - y0) / (y1 - y0);
        if (t <= stops.front().first) return stops.front().second;
        for (size_t i = 1; i < stops.size(); i++)
            if (t <= stops[i].first)
            {
                float k = (t - stops[i - 1].first) / (stops[i].first - stops[i - 1].first);
                return Mix(stops[i - 1].second, stops[i].second, SmoothStep(0.0f, 1.0f, k));
            }
        return stops.back().second;
    };
}

void PaintSky(Canvas& canvas, const SkyStyle& style)
{
    float w = float(canvas.Width()), h = float(canvas.Height());
    float hz = style.horizon;
    Paint gradient = VerticalGradient({{0.0f, Palette::NightTop},
                                       {hz * 0.42f, Palette::NightViolet},
                                       {hz * 0.72f, Palette::DuskPurple},
                                       {hz * 0.92f, Palette::DuskRose},
                                       {hz, Palette::SunsetOrange},
                                       {1.0f, Palette::DuskRose}},
                                      0, h);
    Vec sun{style.sun.x * w, style.sun.y * h};
    // The gradient and the cloud band depend on the row alone: work them out once per row.
    std::vector<Rgba> rowColour(canvas.Height());
    std::vector<float> cloudZone(canvas.Height());
    for (int y = 0; y < canvas.Height(); y++)
    {
        float py = y + 0.5f;
        rowColour[y] = gradient({0, py});
        cloudZone[y] = SmoothStep(hz * 0.25f * h, hz * 0.6f * h, py) *
                       (1.0f - SmoothStep(hz * 0.9f * h, hz * h, py));
    }
    canvas.Shade(
        [&](Vec p)
        {
            int row = std::clamp(int(p.y), 0, canvas.Height() - 1);
            Rgba c = rowColour[row];
            // A broad warm haze around the sun, wider than tall like light through dust.
            Vec d{(p.x - sun.x) / (style.sunRadius * 6.0f),
                  (p.y - sun.y) / (style.sunRadius * 2.6f)};
            float haze = std::exp(-Dot(d, d) * 1.6f);
            c = Mix(c, Palette::SunGlow, haze * 0.55f);
            // Cloud bands: thin, stretched noise, lit from below by the sun.
            if (cloudZone[row] > 0)
            {
                float band = Fbm(p.x / 420.0f, p.y / 46.0f, style.seed + 7, 4, 0, 0);
                float cloud = SmoothStep(0.55f, 0.75f, band) * cloudZone[row];
                Rgba lit = Mix(Palette::DuskRose, Palette::SunGlow,
                               SmoothStep(hz * 0.5f * h, hz * h, p.y) * 0.6f + haze * 0.4f);
                c = Mix(c, Mix(lit, Palette::DuskPurple, 0.35f), cloud * 0.55f);
            }
            c.a = 1.0f;
            return c;
        });
    // Stars, thinning out towards the bright horizon.
    Rng rng(style.seed * 31u + 5u);
    int count = int(w * h / 2600.0f * style.starDensity);
    for (int i = 0; i < count; i++)
    {
        Vec p{rng.Next() * w, rng.Next() * rng.Next() * h * hz * 0.8f};
        float size = 0.5f + rng.Next() * rng.Next() * 1.8f;
        float bright = (1.0f - p.y / (h * hz * 0.8f)) * (0.4f + rng.Next() * 0.6f);
        Rgba c = WithAlpha(Mix(Palette::Cream, Palette::TealLight, rng.Next() * 0.5f), bright);
        canvas.Glow(Circle(p, size * 0.5f), WithAlpha(c, bright * 0.35f), size * 3.0f,
                    BoxAround(p, size * 4, size * 4));
        canvas.Fill(Circle(p, size * 0.6f), c, BoxAround(p, size + 2, size + 2));
        if (size > 1.8f)
        {
            float arm = size * 4.0f;
            canvas.Fill(Capsule(p - Vec{arm, 0}, p + Vec{arm, 0}, 0.35f),
                        WithAlpha(c, bright * 0.7f), BoxAround(p, arm + 2, 2));
            canvas.Fill(Capsule(p - Vec{0, arm}, p + Vec{0, arm}, 0.35f),
                        WithAlpha(c, bright * 0.7f), BoxAround(p, 2, arm + 2));
        }
    }
    // The low sun: a soft disc with a bright core.
    canvas.Glow(Circle(sun, style.sunRadius), WithAlpha(Palette::SunGlow, 0.35f),
                style.sunRadius * 1.4f,
                BoxAround(sun, style.sunRadius * 2.5f, style.sunRadius * 2.5f));
    canvas.Fill(Circle(sun, style.sunRadius),
                VerticalGradient({{0.0f, Hex(0xFFF4D6)}, {1.0f, Hex(0xFFC070)}},
                                 sun.y - style.sunRadius, sun.y + style.sunRadius),
                BoxAround(sun, style.sunRadius + 2, style.sunRadius + 2));
}

void PaintRidge(Canvas& canvas, const RidgeStyle& style)
{
    int w = canvas.Width(), h = canvas.Height();
    for (int x = 0; x < w; x++)
    {
        float fx = float(x) / style.scale;
        float n = Fbm(fx, 0.5f, style.seed, 5) * 2.0f - 1.0f;
        float peak = std::fabs(std::sin(fx * 1.7f + style.seed)) * 0.35f;
        float top = style.baseline - style.amplitude * (n + peak);
        for (int y = std::max(0, int(top) - 2); y < h; y++)
        {
            float cover = std::clamp(y + 0.5f - top + 0.5f, 0.0f, 1.0f);
            if (cover <= 0) continue;
            Rgba c = style.colour;
            if (style.rim.a > 0)
                c = Mix(c, style.rim,
                        std::clamp(1.0f - (y - top) / 3.0f, 0.0f, 1.0f) * style.rim.a);
            c.a = style.colour.a;
            canvas.Blend(x, y, c, cover);
        }
    }
}

void PaintRuinSilhouettes(Canvas& canvas, float ground, float scale, Rgba colour, Rgba rim,
                          unsigned seed)
{
    float w = float(canvas.Width());
    Rng rng(seed);
    float x = -rng.Next() * 150.0f * scale;
    auto part = [&](const Shape& s, Box b)
    { canvas.Fill(s, CelShade(s, colour, colour, 0, rim, 2.0f), b); };
    while (x < w + 100 * scale)
    {
        int kind = rng.Below(4);
        if (kind == 0)
        {
            // A tower with a domed or broken top and slit windows.
            float tw = (50 + rng.Next() * 50) * scale, th = (180 + rng.Next() * 200) * scale;
            Vec c{x + tw * 0.5f, ground - th * 0.5f};
            Shape tower = RoundBox(c, tw * 0.5f, th * 0.5f, 2);
            if (rng.Next() < 0.5f)
                tower = Union(tower, Circle({c.x, ground - th}, tw * 0.55f));
            else
                tower = Cut(tower, Polygon({{c.x - tw, ground - th - 5},
                                            {c.x + tw, ground - th - 5},
                                            {c.x + tw, ground - th + th * 0.15f},
                                            {c.x - tw * 0.2f, ground - th + th * 0.05f}}));
            for (int k = 0; k < 3; k++)
                tower = Cut(tower, RoundBox({c.x, ground - th * (0.25f + 0.22f * k)}, 3 * scale,
                                            10 * scale, 3 * scale));
            part(tower, BoxAround(c, tw, th * 0.5f + tw));
            x += tw + (20 + rng.Next() * 60) * scale;
        }
        else if (kind == 1)
        {
            // An aqueduct-like run of arches.
            int arches = 2 + rng.Below(3);
            float aw = (70 + rng.Next() * 40) * scale, ah = (120 + rng.Next() * 100) * scale;
            float total = aw * arches;
            Shape wall =
                RoundBox({x + total * 0.5f, ground - ah * 0.5f}, total * 0.5f, ah * 0.5f, 0);
            for (int k = 0; k < arches; k++)
            {
                Vec ac{x + aw * (k + 0.5f), ground - ah * 0.45f};
                wall = Cut(wall, Union(Circle(ac, aw * 0.32f),
                                       RoundBox({ac.x, ground}, aw * 0.32f, ah * 0.45f, 0)));
            }
            // A cornice along the top, and the span broken off in steps at its far end.
            wall = Union(wall, RoundBox({x + total * 0.5f, ground - ah}, total * 0.5f + 4 * scale,
                                        5 * scale, 1));
            float step = aw * 0.35f;
            wall = Cut(wall, Polygon({{x + total - step * 2, ground - ah - 20 * scale},
                                      {x + total + 20 * scale, ground - ah - 20 * scale},
                                      {x + total + 20 * scale, ground - ah * 0.45f},
                                      {x + total - step * 0.6f, ground - ah * 0.45f},
                                      {x + total - step * 0.6f, ground - ah * 0.75f},
                                      {x + total - step * 2, ground - ah * 0.75f}}));
            part(wall, {x - 6 * scale, ground - ah - 8 * scale, x + total + 6 * scale, ground + 2});
            x += total + (30 + rng.Next() * 80) * scale;
        }
        else
        {
            // A colonnade of columns of uneven, broken heights.
            int columns = 2 + rng.Below(4);
            float cw = (14 + rng.Next() * 8) * scale, gap = (30 + rng.Next() * 20) * scale;
            for (int k = 0; k < columns; k++)
            {
                float ch = (90 + rng.Next() * 150) * scale;
                Vec c{x + cw * 0.5f, ground - ch * 0.5f};
                Shape column = Union(RoundBox(c, cw * 0.5f, ch * 0.5f, 1),
                                     RoundBox({c.x, ground - 4 * scale}, cw * 0.8f, 5 * scale, 1));
                if (rng.Next() < 0.6f)
                    column = Union(column, RoundBox({c.x, ground - ch}, cw * 0.85f, 5 * scale, 1));
                else
                    column = Cut(column, Polygon({{c.x - cw, ground - ch - 2},
                                                  {c.x + cw, ground - ch - 2},
                                                  {c.x + cw, ground - ch + 14 * scale}}));
                part(column, BoxAround(c, cw + 4, ch * 0.5f + 8 * scale));
                x += cw + gap;
            }
            x += (20 + rng.Next() * 60) * scale;
        }
    }
}

void Vignette(Canvas& canvas, float strength)
{
    float w = float(canvas.Width()), h = float(canvas.Height());
    std::vector<Rgba>& px = canvas.Premultiplied();
    for (int y = 0; y < canvas.Height(); y++)
        for (int x = 0; x < canvas.Width(); x++)
        {
            float dx = (x + 0.5f) / w - 0.5f, dy = (y + 0.5f) / h - 0.5f;
            float k = 1.0f - strength * SmoothStep(0.15f, 0.75f, dx * dx * 1.6f + dy * dy * 2.2f);
            Rgba& p = px[size_t(y) * canvas.Width() + x];
            p = {p.r * k, p.g * k, p.b * k, p.a};
        }
}
