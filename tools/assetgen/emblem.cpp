// emblem.cpp: the emblem, drawn to scale from a 64-pixel icon up to the splash mark.
#include "tools/assetgen/emblem.h"

#include <algorithm>

#include "tools/assetgen/painter.h"

void PaintEmblem(Canvas& c, Vec o, float r)
{
    Box box = BoxAround(o, r + 2, r + 2);
    float outline = std::max(1.5f, r * 0.035f);
    Shape disc = Circle(o, r - outline);
    c.Fill(Circle(o, r), Palette::Ink, box);
    c.Fill(disc, Palette::Gold, box);
    float rim = std::max(2.0f, r * 0.09f);
    Shape inner = Circle(o, r - outline - rim);
    c.Fill(Grow(inner, outline * 0.7f), Palette::Ink, box);
    // The dusk sky with the sun half set on the horizon.
    float horizon = o.y + r * 0.28f;
    c.Fill(
        inner,
        [&](Vec p)
        {
            Rgba sky = VerticalGradient({{0, Palette::NightViolet},
                                         {0.55f, Palette::DuskPurple},
                                         {0.8f, Palette::DuskRose},
                                         {1, Palette::SunsetOrange}},
                                        o.y - r, horizon)(p);
            if (p.y > horizon)
                sky = Mix(Palette::PanelDeep, Palette::NightTop, (p.y - horizon) / r);
            return sky;
        },
        box);
    Shape sun = Intersect(Circle({o.x, horizon}, r * 0.36f),
                          Intersect(inner, RoundBox({o.x, horizon - r}, r, r, 0)));
    c.Fill(sun,
           VerticalGradient({{0, Hex(0xFFF1C8)}, {1, Palette::SunsetOrange}}, horizon - r * 0.36f,
                            horizon),
           box);
    // The V: two ropes from the rim down to one grapple point.
    Vec bottom{o.x, o.y + r * 0.42f};
    Vec left{o.x - r * 0.5f, o.y - r * 0.5f}, right{o.x + r * 0.5f, o.y - r * 0.5f};
    float stroke = r * 0.13f;
    Shape v = Union(Capsule(left, bottom, stroke), Capsule(right, bottom, stroke));
    c.Fill(Intersect(Grow(v, outline), Grow(inner, outline)), Palette::Ink, box);
    c.Fill(Intersect(v, inner), CelShade(v, Palette::Cream, Hex(0xD9B27A), stroke * 0.6f), box);
    Shape gem = Polygon({bottom + Vec{0, -r * 0.2f}, bottom + Vec{r * 0.15f, 0},
                         bottom + Vec{0, r * 0.2f}, bottom + Vec{-r * 0.15f, 0}});
    c.Glow(gem, WithAlpha(Palette::Teal, 0.6f), r * 0.18f, box);
    c.Fill(Grow(gem, outline), Palette::Ink, box);
    c.Fill(
        gem,
        CelShade(gem, Palette::Teal, Palette::TealDark, r * 0.05f, Palette::TealLight, r * 0.03f),
        box);
}
