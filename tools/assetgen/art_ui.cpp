// art_ui.cpp: buttons, labels, the window panel, the settings gear, the game's emblem (icon
// and splash mark) and the audio credit of the second splash.
//
// Buttons are violet enamel plates in a gold rim with cream lettering, the same in every
// menu; labels are the same lettering without a plate, so nobody tries to click them. Every
// picture keeps a transparent margin: the game samples textures with repeat wrapping, and a
// margin keeps one edge from bleeding into the other.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/art.h"
#include "tools/assetgen/emblem.h"
#include "tools/assetgen/painter.h"
#include "tools/assetgen/text.h"

namespace
{
// Where a button's plate lies on its canvas, for the words and studs that go on it.
struct Plate
{
    Vec centre;
    float hw, hh, rim, outline;
};

// The violet enamel plate in its gold rim, with nothing on it.
Plate PaintPlate(Canvas& c)
{
    float w = float(c.Width()), h = float(c.Height());
    float margin = std::round(h * 0.05f);
    float depth = std::round(h * 0.06f); // the plate's visible thickness below its face
    float outline = std::max(2.0f, std::round(h * 0.03f));
    float radius = h * 0.26f;
    Vec centre{w * 0.5f, (h - depth) * 0.5f};
    float hw = w * 0.5f - margin - outline, hh = (h - depth) * 0.5f - margin - outline;
    Shape face = RoundBox(centre, hw, hh, radius);
    Shape base = RoundBox(centre + Vec{0, depth}, hw, hh, radius);
    Box all = c.Bounds();

    c.Fill(Grow(Union(face, base), outline), Palette::Ink, all);
    c.Fill(base, Palette::GoldDark, all);
    // Gold rim, then the enamel face inside it with a soft gloss on its upper half.
    c.Fill(
        face,
        CelShade(face, Palette::Gold, Palette::GoldDark, h * 0.03f, Palette::GoldLight, h * 0.02f),
        all);
    float rim = std::max(2.0f, std::round(h * 0.055f));
    Shape enamel = Grow(face, -rim);
    c.Fill(Grow(enamel, outline * 0.6f), WithAlpha(Palette::Ink, 0.85f), all);
    c.Fill(enamel,
           VerticalGradient({{0, Palette::PanelTop}, {1, Palette::PanelBottom}}, centre.y - hh,
                            centre.y + hh),
           all);
    Shape gloss = Intersect(
        enamel, RoundBox(centre + Vec{0, -hh * 0.55f}, hw - rim * 1.6f, hh * 0.32f, hh * 0.3f));
    c.Fill(gloss, WithAlpha(Hex(0xFFFFFF), 0.10f), all);
    return {centre, hw, hh, rim, outline};
}
} // namespace

Canvas BlankButton(int width, int height)
{
    Canvas c(width, height);
    PaintPlate(c);
    return c;
}

Canvas MenuButton(const std::string& label, int width, int height)
{
    Canvas c(width, height);
    const float h = float(height);
    const Plate plate = PaintPlate(c);
    const Vec centre = plate.centre;
    const float hw = plate.hw, rim = plate.rim, outline = plate.outline;
    Box all = c.Bounds();

    TextStyle style;
    style.face = FontFace::SansBold;
    style.size = h * 0.46f;
    style.top = Palette::Cream;
    style.bottom = Hex(0xF2D29A);
    style.outline = Palette::Ink;
    style.outlineWidth = std::max(1.5f, h * 0.022f);
    style.shadow = WithAlpha(Palette::Ink, 0.6f);
    style.shadowOffset = {0, h * 0.03f};
    style.align = Align::Centre;
    // A lone sign ("+", "-") is drawn larger than words so that it reads as big as they do.
    bool sign = label.size() <= 3 && TextWidth(label, style) < h * 0.5f;
    if (sign) style.size = h * 0.72f;
    float room = (hw - rim) * 2.0f * 0.84f;
    style.size = FittingSize(label, style, room);
    float baseline = centre.y + CapHeight(style) * 0.5f;
    DrawText(c, label, centre.x, baseline, style);

    // Small gold studs at either end when the label leaves room for them.
    float textWidth = TextWidth(label, style);
    if (textWidth < (hw - rim) * 2.0f * 0.6f)
        for (float side : {-1.0f, 1.0f})
        {
            Vec p{centre.x + side * (hw - rim - h * 0.12f), centre.y};
            float r = h * 0.05f;
            Shape stud = Polygon(
                {p + Vec{0, -r * 1.4f}, p + Vec{r, 0}, p + Vec{0, r * 1.4f}, p + Vec{-r, 0}});
            c.Fill(Grow(stud, outline * 0.6f), Palette::Ink, all);
            c.Fill(stud, Palette::Gold, all);
        }
    return c;
}

// The lettering of labels and time digits: cream to gold, inked and shadowed, centred; its
// size and outline in fractions of the height h.
TextStyle LabelLettering(float h, float size, float outline)
{
    TextStyle style;
    style.face = FontFace::SansBold;
    style.size = h * size;
    style.top = Palette::Cream;
    style.bottom = Palette::GoldLight;
    style.outline = Palette::Ink;
    style.outlineWidth = std::max(1.5f, h * outline);
    style.shadow = WithAlpha(Palette::Ink, 0.55f);
    style.shadowOffset = {0, h * 0.03f};
    style.shadowBlur = h * 0.03f;
    style.align = Align::Centre;
    return style;
}

Canvas TextLabel(const std::string& label, int width, int height)
{
    Canvas c(width, height);
    float w = float(width), h = float(height);
    TextStyle style = LabelLettering(h, 0.44f, 0.025f);
    style.size = FittingSize(label, style, w * 0.86f);
    float baseline = h * 0.5f + CapHeight(style) * 0.5f - h * 0.04f;
    DrawText(c, label, w * 0.5f, baseline, style);
    // A thin gold rule under the words, fading out at its ends.
    float half = std::min(TextWidth(label, style) * 0.5f + h * 0.08f, w * 0.46f);
    float y = baseline + h * 0.12f;
    float thickness = std::max(1.5f, h * 0.018f);
    c.Fill(
        Capsule({w * 0.5f - half, y}, {w * 0.5f + half, y}, thickness),
        [&](Vec p)
        {
            float fade = 1.0f - SmoothStep(0.5f, 1.0f, std::fabs(p.x - w * 0.5f) / half);
            return WithAlpha(Palette::Gold, fade);
        },
        c.Bounds());
    Vec mid{w * 0.5f, y};
    float r = thickness * 2.4f;
    c.Fill(Polygon({mid + Vec{0, -r}, mid + Vec{r * 1.3f, 0}, mid + Vec{0, r},
                    mid + Vec{-r * 1.3f, 0}}),
           Palette::GoldLight, BoxAround(mid, r * 2, r * 2));
    return c;
}

Canvas TimeDigits(const std::string& cells, int cellWidth, int cellHeight)
{
    const int count = static_cast<int>(cells.size());
    Canvas c(cellWidth * count, cellHeight);
    const float w = float(cellWidth), h = float(cellHeight);
    TextStyle style = LabelLettering(h, 0.66f, 0.045f);
    // One baseline for every cell, so that a time reads as one line.
    const float baseline = h * 0.5f + CapHeight(style) * 0.5f;
    for (int i = 0; i < count; ++i)
    {
        const Vec centre{w * (float(i) + 0.5f), h * 0.5f};
        if (cells[i] != '*')
        {
            DrawText(c, std::string(1, cells[i]), centre.x, baseline, style);
            continue;
        }
        // The mark of a finished level: a gold star with an ink rim.
        std::vector<Vec> points;
        const float outer = std::min(w, h) * 0.46f, inner = outer * 0.45f;
        for (int k = 0; k < 10; ++k)
        {
            const float angle = float(k) * 3.14159265f / 5.0f;
            const float r = k % 2 ? inner : outer;
            points.push_back(centre + Vec{r * std::sin(angle), -r * std::cos(angle)});
        }
        const Shape star = Polygon(points);
        c.Fill(Grow(star, style.outlineWidth), Palette::Ink, c.Bounds());
        c.Fill(star, Palette::Gold, c.Bounds());
    }
    return c;
}

Canvas LetterSheet(int cellWidth, int cellHeight)
{
    constexpr char FIRST = ' ', LAST = '~';
    const int count = LAST - FIRST + 1;
    Canvas c(cellWidth * count, cellHeight);
    const float w = float(cellWidth), h = float(cellHeight);
    // The font's ascent-to-descent span fills the cell but for a margin for the outline; one
    // baseline for every cell, where the span's ascent ends (0.8 of it in DejaVu).
    TextStyle style = LabelLettering(h, 0.84f, 0.03f);
    style.face = FontFace::MonoBold;
    const float baseline = (h - style.size) * 0.5f + style.size * 0.8f;
    for (int i = 0; i < count; ++i)
        DrawText(c, std::string(1, char(FIRST + i)), w * (float(i) + 0.5f), baseline, style);
    return c;
}

Canvas ProvenSeal(int size)
{
    Canvas c(size, size);
    const float s = float(size);
    const Vec o{s * 0.5f, s * 0.5f};
    const float r = s * 0.4f;
    Box all = c.Bounds();
    // A rosette of twelve points behind a round gold face.
    std::vector<Vec> points;
    for (int k = 0; k < 24; ++k)
        points.push_back(o + Polar(float(k) * 3.14159265f / 12.0f, k % 2 ? r * 0.92f : r * 1.12f));
    const Shape rosette = Polygon(points);
    c.Fill(Grow(rosette, s * 0.03f), Palette::Ink, all);
    c.Fill(rosette, Palette::GoldDark, all);
    const Shape face = Circle(o, r * 0.82f);
    c.Fill(face, CelShade(face, Palette::Gold, Palette::GoldDark, s * 0.03f, Palette::GoldLight, s * 0.02f),
           all);
    // The tick, inked, then cream.
    const std::vector<Vec> tick = {o + Vec{-r * 0.42f, r * 0.02f}, o + Vec{-r * 0.1f, r * 0.34f},
                                   o + Vec{r * 0.46f, -r * 0.32f}};
    c.Fill(Stroke(tick, s * 0.16f), Palette::Ink, all);
    c.Fill(Stroke(tick, s * 0.09f), Palette::Cream, all);
    return c;
}

namespace
{
Canvas Panel(int width, int height)
{
    Canvas c(width, height);
    Vec o{width * 0.5f, height * 0.5f};
    const float margin = 28, outline = 5;
    Shape panel = RoundBox(o, o.x - margin, o.y - margin, 38);
    c.Glow(Moved(panel, {0, 6}), WithAlpha(Palette::Ink, 0.55f), 14, c.Bounds());
    c.Fill(Grow(panel, outline), Palette::Ink, c.Bounds());
    c.Fill(panel, CelShade(panel, Palette::Gold, Palette::GoldDark, 4, Palette::GoldLight, 2),
           c.Bounds());
    Shape inside = Grow(panel, -8);
    c.Fill(Grow(inside, 3), Palette::Ink, c.Bounds());
    c.Fill(
        inside,
        [&](Vec p)
        {
            Rgba col = VerticalGradient({{0, Hex(0x3E2C62)}, {1, Palette::PanelDeep}}, margin,
                                        height - margin)(p);
            // A faint glow in the middle where the buttons sit.
            float d = Length({(p.x - o.x) / o.x, (p.y - o.y) / o.y});
            col = Mix(col, Palette::PanelTop, (1.0f - SmoothStep(0.0f, 1.0f, d)) * 0.35f);
            return WithAlpha(col, 0.96f);
        },
        c.Bounds());
    // An inner hairline and diamonds in the corners.
    Shape line = Cut(Grow(inside, -14), Grow(inside, -16.5f));
    c.Fill(line, WithAlpha(Palette::Gold, 0.55f), c.Bounds());
    for (int i = 0; i < 4; i++)
    {
        Vec p{i % 2 ? width - margin - 42.0f : margin + 42.0f,
              i / 2 ? height - margin - 42.0f : margin + 42.0f};
        Shape d = Polygon({p + Vec{0, -9}, p + Vec{7, 0}, p + Vec{0, 9}, p + Vec{-7, 0}});
        c.Fill(Grow(d, 2), Palette::Ink, BoxAround(p, 14, 14));
        c.Fill(d, Palette::Gold, BoxAround(p, 14, 14));
    }
    return c;
}
} // namespace

// One panel for the pause window (600 x 600), the settings window (600 x 600) and the
// confirmation window (750 x 400): plain inside, so any of them can lie on it.
Canvas WindowPanel() { return Panel(640, 480); }

// The settings window's wider pages, 1100 x 600.
Canvas WideWindowPanel() { return Panel(1100, 600); }

Canvas SettingsGear()
{
    const int size = 200;
    Canvas c(size, size);
    Vec o{size * 0.5f, size * 0.5f};
    std::vector<Shape> parts = {Circle(o, 58)};
    for (int i = 0; i < 8; i++)
        parts.push_back(Turned(RoundBox(o + Vec{0, -65}, 14, 16, 5), o, i * PI / 4));
    Shape gear = Cut(Union(parts), Circle(o, 24));
    c.Glow(Moved(gear, {0, 5}), WithAlpha(Palette::Ink, 0.5f), 10, c.Bounds());
    OutlinedPart(c, gear,
                 CelShade(gear, Palette::Gold, Palette::GoldDark, 12, Palette::GoldLight, 5),
                 c.Bounds(), 6);
    // A recessed groove round the hub and a teal jewel at its heart.
    c.Fill(Ring(o, 40, 4), WithAlpha(Palette::GoldDark, 0.8f), c.Bounds());
    Shape hub = Circle(o, 24);
    c.Fill(Grow(hub, -1),
           VerticalGradient({{0, Palette::PanelDeep}, {1, Palette::PanelTop}}, o.y - 24, o.y + 24),
           c.Bounds());
    Shape jewel = Circle(o, 11);
    c.Glow(jewel, WithAlpha(Palette::Teal, 0.6f), 10, c.Bounds());
    c.Fill(Grow(jewel, 3), Palette::Ink, c.Bounds());
    c.Fill(jewel, CelShade(jewel, Palette::Teal, Palette::TealDark, 5, Palette::TealLight, 3),
           c.Bounds());
    return c;
}

Canvas GameIcon(int size)
{
    Canvas c(size, size);
    // Two pixels of margin at 64, in proportion at every other size.
    PaintEmblem(c, {size * 0.5f, size * 0.5f}, size * (30.0f / 64.0f));
    return c;
}

Canvas TeamMark()
{
    // Our own mark on a transparent ground, white so that it stands on the black splash.
    const int width = 1000, height = 300;
    Canvas c(width, height);
    PaintEmblem(c, {160, 150}, 118);
    TextStyle word;
    word.face = FontFace::SerifBold;
    word.size = 124;
    word.top = Hex(0xFFFFFF);
    word.bottom = Hex(0xE9E2F2);
    word.tracking = 10;
    word.shadow = WithAlpha(Palette::DuskPurple, 0.8f);
    word.shadowBlur = 18;
    DrawText(c, "VANTARA", 318, 168, word);
    float wordWidth = TextWidth("VANTARA", word);
    c.Fill(Capsule({322, 198}, {318 + wordWidth, 198}, 2.2f), Palette::Gold, c.Bounds());
    TextStyle team = word;
    team.face = FontFace::Sans;
    team.size = 46;
    team.tracking = 22;
    team.top = team.bottom = Palette::GoldLight;
    team.shadow = {};
    team.align = Align::Centre;
    DrawText(c, "THE TEAM", 318 + wordWidth * 0.5f, 252, team);
    return c;
}

Canvas AudioCredit()
{
    // The audio library is credited in words only: no third-party logo or trademark art.
    const int width = 1000, height = 300;
    Canvas c(width, height, Hex(0x000000));
    TextStyle small;
    small.face = FontFace::Sans;
    small.size = 46;
    small.top = small.bottom = Hex(0xB8B0C8);
    small.tracking = 6;
    small.align = Align::Centre;
    DrawText(c, "Sound powered by", width * 0.5f, 100, small);
    TextStyle big = small;
    big.face = FontFace::SansBold;
    big.size = 120;
    big.tracking = 2;
    big.top = big.bottom = Hex(0xFFFFFF);
    DrawText(c, "OpenAL Soft", width * 0.5f, 236, big);
    return c;
}

Canvas AudioCreditLine()
{
    const int width = 700, height = 100;
    Canvas c(width, height);
    TextStyle line;
    line.face = FontFace::Sans;
    line.size = 30;
    line.top = line.bottom = Hex(0xC8C0D8);
    line.align = Align::Centre;
    std::string text = "OpenAL Soft is free software under the GNU LGPL, version 2 or later";
    line.size = FittingSize(text, line, width * 0.94f);
    DrawText(c, text, width * 0.5f, height * 0.5f + CapHeight(line) * 0.5f, line);
    return c;
}
