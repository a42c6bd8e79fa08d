// art_screens.cpp: the main-menu and level-selector backgrounds, the loading picture and
// the win screen, with the shared pieces of every full-screen picture.
//
// Menu pictures are 1920 x 1080, one pixel per menu unit. Their busy parts keep clear of
// where the menus place their buttons (positions from the menu layouts, converted from
// centre-origin units to pixels), so the buttons always stand on calm ground.
#include <algorithm>
#include <cmath>

#include "tools/assetgen/art.h"
#include "tools/assetgen/emblem.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/painter.h"
#include "tools/assetgen/screen_parts.h"

Canvas MenuLandscape(float sunX, unsigned seed)
{
    Canvas c(ScreenWidth, ScreenHeight);
    float h = ScreenHeight;
    SkyStyle sky;
    sky.horizon = 0.72f;
    sky.sun = {sunX, 0.67f};
    sky.sunRadius = 90;
    sky.seed = seed;
    PaintSky(c, sky);
    PaintRidge(c, {h * 0.68f, 110, 360, Mix(Palette::DuskPurple, Palette::DuskRose, 0.45f),
                   WithAlpha(Palette::SunGlow, 0.35f), seed + 1});
    PaintRidge(c, {h * 0.76f, 60, 230, Mix(Palette::DuskPurple, Palette::NightViolet, 0.35f),
                   WithAlpha(Palette::DuskRose, 0.5f), seed + 2});
    PaintRuinSilhouettes(c, h * 0.87f, 0.9f, Hex(0x35244F), WithAlpha(Palette::DuskRose, 0.7f),
                         seed + 3);
    c.Shade(
        [&](Vec p)
        {
            float mist = SmoothStep(h * 0.76f, h * 0.9f, p.y) *
                         (0.55f + 0.45f * Fbm(p.x / 300.0f, p.y / 60.0f, seed + 4, 4));
            return WithAlpha(Mix(Palette::DuskRose, Palette::DuskPurple, 0.4f), mist * 0.45f);
        },
        {0, h * 0.7f, float(ScreenWidth), h});
    PaintRidge(c,
               {h * 0.93f, 18, 170, Hex(0x221634), WithAlpha(Palette::DuskRose, 0.35f), seed + 5});
    return c;
}

Canvas PageBackdrop(unsigned seed)
{
    Canvas c(ScreenWidth, ScreenHeight);
    SkyStyle sky;
    sky.horizon = 1.25f; // the bright band lies below the picture: a deep night sky
    sky.sun = {0.5f, 1.35f};
    sky.sunRadius = 160;
    sky.starDensity = 0.7f;
    sky.seed = seed;
    PaintSky(c, sky);
    c.Shade([](Vec) { return WithAlpha(Palette::NightTop, 0.35f); });
    // A distant ridge of ruins along the bottom edge, dark against the glow.
    PaintRuinSilhouettes(c, ScreenHeight + 6.0f, 0.7f, Hex(0x1C1430),
                         WithAlpha(Palette::DuskRose, 0.4f), seed + 1);
    Vignette(c, 0.35f);
    // The frame: an ink line, a gold line and diamonds in the corners.
    const float inset = 36;
    Vec o{ScreenWidth * 0.5f, ScreenHeight * 0.5f};
    Shape outer = RoundBox(o, o.x - inset, o.y - inset, 18);
    c.Fill(Cut(Grow(outer, 3), Grow(outer, -3)), Palette::Ink, c.Bounds());
    c.Fill(Cut(outer, Grow(outer, -2)), Palette::Gold, c.Bounds());
    Shape inner = Grow(outer, -12);
    c.Fill(Cut(inner, Grow(inner, -1.5f)), WithAlpha(Palette::Gold, 0.5f), c.Bounds());
    for (int i = 0; i < 4; i++)
    {
        Vec p{i % 2 ? ScreenWidth - inset : inset, i / 2 ? ScreenHeight - inset : inset};
        Shape d = Polygon({p + Vec{0, -16}, p + Vec{12, 0}, p + Vec{0, 16}, p + Vec{-12, 0}});
        c.Fill(Grow(d, 3), Palette::Ink, BoxAround(p, 22, 22));
        c.Fill(d, CelShade(d, Palette::Gold, Palette::GoldDark, 3, Palette::GoldLight, 2),
               BoxAround(p, 22, 22));
    }
    return c;
}

TextStyle TitleStyle(float size)
{
    TextStyle s;
    s.face = FontFace::SerifBold;
    s.size = size;
    s.top = Palette::GoldLight;
    s.bottom = Palette::Gold;
    s.outline = Palette::Ink;
    s.outlineWidth = std::max(2.0f, size * 0.035f);
    s.shadow = WithAlpha(Palette::SunsetOrange, 0.35f);
    s.shadowBlur = size * 0.25f;
    s.align = Align::Centre;
    return s;
}

TextStyle BodyStyle(float size)
{
    TextStyle s;
    s.face = FontFace::Sans;
    s.size = size;
    s.top = s.bottom = Palette::Cream;
    s.shadow = WithAlpha(Palette::Ink, 0.7f);
    s.shadowOffset = {0, 2};
    s.shadowBlur = 3;
    s.align = Align::Centre;
    return s;
}

TextStyle NoteStyle(float size)
{
    TextStyle s = BodyStyle(size);
    s.top = s.bottom = Hex(0xB9A9D6);
    return s;
}

void PaintRule(Canvas& c, float x, float y, float halfWidth)
{
    c.Fill(
        Capsule({x - halfWidth, y}, {x + halfWidth, y}, 1.6f),
        [&](Vec p) {
            return WithAlpha(Palette::Gold,
                             1.0f - SmoothStep(0.4f, 1.0f, std::fabs(p.x - x) / halfWidth));
        },
        BoxAround({x, y}, halfWidth + 4, 6));
    Vec m{x, y};
    Shape d = Polygon({m + Vec{0, -8}, m + Vec{10, 0}, m + Vec{0, 8}, m + Vec{-10, 0}});
    c.Fill(Grow(d, 2), Palette::Ink, BoxAround(m, 16, 14));
    c.Fill(d, Palette::GoldLight, BoxAround(m, 16, 14));
}

void PaintFooter(Canvas& c, const std::string& text)
{
    TextStyle s = NoteStyle(30);
    s.top = s.bottom = Palette::GoldLight;
    DrawText(c, text, ScreenWidth * 0.5f, ScreenHeight - 66, s);
}

namespace
{
// A hero swinging on a rope from a grapple ring: the game's whole idea in one picture.
void PaintSwingingHero(Canvas& c, Vec ring, Vec hero, float scale)
{
    Canvas rope = RopePicture();
    Vec d = hero - ring;
    float length = Length(d);
    // Draw the rope as a rotated strip sampled from the rope picture.
    Vec along = d * (1.0f / length), across{-along.y, along.x};
    float half = 10 * scale;
    Box box{std::min(ring.x, hero.x) - 30, std::min(ring.y, hero.y) - 30,
            std::max(ring.x, hero.x) + 30, std::max(ring.y, hero.y) + 30};
    c.Shade(
        [&](Vec p)
        {
            Vec q = p - ring;
            float t = Dot(q, along), u = Dot(q, across);
            if (t < 0 || t > length || std::fabs(u) > half) return Rgba{};
            int px =
                std::clamp(int((u / half * 0.5f + 0.5f) * (rope.Width() - 1)), 0, rope.Width() - 1);
            int py = int(t / length * 4096.0f) % rope.Height();
            return rope.At(px, py);
        },
        box);
    Canvas ringPicture = GrapplePoint();
    c.Draw(ringPicture, ring.x - 64 * scale, ring.y - 64 * scale, scale * 0.5f);
    Canvas heroPicture = PlayerRunSheet();
    Canvas frame(200, 160);
    frame.Draw(heroPicture, -400, 0);
    c.Draw(frame, hero.x - 100 * scale, hero.y - 70 * scale, scale);
}
} // namespace

Canvas MainMenuBackground()
{
    Canvas c = MenuLandscape(0.62f, 61);
    // A tall broken column on the left with the hero swinging from a ring on its side.
    Shape column = Union(RoundBox({150, 640}, 70, 470, 4), RoundBox({150, 1050}, 96, 30, 4));
    column = Cut(column, Polygon({{40, 150}, {260, 150}, {260, 230}, {150, 265}, {40, 205}}));
    OutlinedPart(
        c, column,
        [](Vec p)
        {
            float u = (p.x - 150) / 70;
            Rgba col = Mix(Hex(0x35243F), Hex(0x5E4466), SmoothStep(-1.0f, 0.4f, u));
            col = Mix(col, Hex(0xD9957E), SmoothStep(0.6f, 0.95f, u) * 0.8f);
            return Scale(col, 0.85f + 0.3f * Fbm(p.x / 40, p.y / 90, 5, 4));
        },
        {60, 150, 260, 1090}, 4);
    PaintSwingingHero(c, {236, 420}, {384, 650}, 1.3f);
    // The title, with the game's promise under it.
    TextStyle title = TitleStyle(184);
    title.tracking = 14;
    title.align = Align::Left;
    DrawText(c, "VANTARA", 360, 280, title);
    TextStyle sub = BodyStyle(40);
    sub.align = Align::Left;
    sub.face = FontFace::Sans;
    DrawText(c, "Swing, leap and slam through the ruins at dusk", 372, 356, sub);
    return c;
}

Canvas LevelSelectorBackground()
{
    Canvas c = MenuLandscape(0.78f, 67);
    TextStyle title = TitleStyle(120);
    title.align = Align::Left;
    DrawText(c, "Select a level", 110, 250, title);
    TextStyle sub = BodyStyle(36);
    sub.align = Align::Left;
    DrawText(c, "Finish a level to come back here and choose the next", 118, 320, sub);
    // A dark tray under the nine level buttons (two rows from x -900 to 100 and a Return
    // button at the upper right stand on it).
    Shape tray = RoundBox({660, 665}, 620, 185, 28);
    c.Fill(Grow(tray, 4), WithAlpha(Palette::Ink, 0.8f), c.Bounds());
    c.Fill(tray,
           VerticalGradient(
               {{0, WithAlpha(Palette::PanelTop, 0.82f)}, {1, WithAlpha(Palette::PanelDeep, 0.9f)}},
               480, 850),
           c.Bounds());
    c.Fill(Cut(Grow(tray, -10), Grow(tray, -12)), WithAlpha(Palette::Gold, 0.6f), c.Bounds());
    // The emblem fills the tray's one empty place, after the ninth level.
    PaintEmblem(c, {1160, 740}, 56);
    return c;
}

Canvas MyLevelsBackground()
{
    Canvas c = MenuLandscape(0.78f, 67);
    TextStyle title = TitleStyle(120);
    title.align = Align::Left;
    DrawText(c, "My levels", 110, 250, title);
    TextStyle sub = BodyStyle(36);
    sub.align = Align::Left;
    DrawText(c, "Levels you made or imported: finish one to come back here", 118, 320, sub);
    // A dark tray under the six rows of a page (world x -850 to 450, y 150 to -355).
    Shape tray = RoundBox({760, 642}, 680, 275, 28);
    c.Fill(Grow(tray, 4), WithAlpha(Palette::Ink, 0.8f), c.Bounds());
    c.Fill(tray,
           VerticalGradient(
               {{0, WithAlpha(Palette::PanelTop, 0.82f)}, {1, WithAlpha(Palette::PanelDeep, 0.9f)}},
               367, 917),
           c.Bounds());
    c.Fill(Cut(Grow(tray, -10), Grow(tray, -12)), WithAlpha(Palette::Gold, 0.6f), c.Bounds());
    return c;
}

Canvas LoadingScreen()
{
    Canvas c = PageBackdrop(71);
    Vec o{ScreenWidth * 0.5f, ScreenHeight * 0.42f};
    c.Glow(Circle(o, 140), WithAlpha(Palette::DuskRose, 0.25f), 160, c.Bounds());
    PaintEmblem(c, o, 150);
    TextStyle title = TitleStyle(110);
    title.tracking = 6;
    DrawText(c, "Loading\u2026", o.x, o.y + 330, title);
    TextStyle tip = NoteStyle(36);
    DrawText(c, "Tip: hold the left mouse button to swing from any stone platform", o.x, o.y + 420,
             tip);
    return c;
}

Canvas WinScreen()
{
    // Dawn after the last ruin: the sun is up, the hero stands on a column top.
    Canvas c(ScreenWidth, ScreenHeight);
    float w = ScreenWidth, h = ScreenHeight;
    Vec sun{w * 0.5f, h * 0.62f};
    c.Shade(VerticalGradient({{0, Hex(0x2E2A6B)},
                              {0.35f, Hex(0x7A4C98)},
                              {0.6f, Hex(0xF08A7A)},
                              {0.78f, Hex(0xFFD08A)},
                              {1, Hex(0xF7A06A)}},
                             0, h));
    // Rays of light from the sun.
    c.Shade(
        [&](Vec p)
        {
            Vec d = p - sun;
            float a = std::atan2(d.y, d.x);
            float ray = std::pow(0.5f + 0.5f * std::cos(a * 14.0f), 6.0f);
            float fade = std::exp(-Length(d) / 700.0f);
            return WithAlpha(Hex(0xFFF2C8), ray * fade * 0.35f);
        });
    c.Glow(Circle(sun, 120), WithAlpha(Hex(0xFFF6D8), 0.6f), 220, c.Bounds());
    c.Fill(Circle(sun, 120), Hex(0xFFF4D2), c.Bounds());
    PaintRidge(c, {h * 0.74f, 90, 380, Hex(0xC86E86), WithAlpha(Hex(0xFFE0A0), 0.6f), 81});
    PaintRuinSilhouettes(c, h * 0.86f, 0.9f, Hex(0x8A4A78), WithAlpha(Hex(0xFFD0A0), 0.7f), 82);
    PaintRidge(c, {h * 0.92f, 20, 180, Hex(0x4A2A58), WithAlpha(Hex(0xFFB08A), 0.5f), 83});
    // Confetti of petals drifting in the warm air.
    Rng rng(84);
    const Rgba petals[4] = {Palette::Gold, Palette::Teal, Palette::Scarf, Hex(0xFFFFFF)};
    for (int i = 0; i < 160; i++)
    {
        Vec p{rng.Next() * w, rng.Next() * h * 0.9f};
        if (p.x > 160 && p.x < 1460 && p.y > 120 && p.y < 460) continue; // keep the words clear
        float size = rng.Range(5, 11), angle = rng.Range(0, PI);
        Shape petal = Turned(Ellipse(p, size, size * 0.45f), p, angle);
        c.Fill(petal, WithAlpha(petals[i % 4], 0.85f), BoxAround(p, size + 2, size + 2));
    }
    // The hero on a column top at the right.
    Shape column = Union(RoundBox({1520, 900}, 80, 200, 4), RoundBox({1520, 706}, 100, 16, 4));
    OutlinedPart(c, column, CelShade(column, Hex(0xB77C86), Hex(0x6E3F60), 40, Hex(0xFFD8A8), 6),
                 {1400, 680, 1640, 1090}, 4);
    Canvas hero = PlayerStill();
    c.Draw(hero, 1520 - 200, 698 - 2 * 156, 2.0f);
    TextStyle title = TitleStyle(150);
    title.shadow = WithAlpha(Hex(0xFFFFFF), 0.5f);
    DrawText(c, "Congratulations!", w * 0.42f, 260, title);
    TextStyle line = BodyStyle(48);
    line.face = FontFace::SansBold;
    line.outline = Palette::Ink;
    line.outlineWidth = 3;
    DrawText(c, "You crossed every ruin of Vantara.", w * 0.42f, 350, line);
    TextStyle hint = BodyStyle(40);
    hint.face = FontFace::SansBold;
    hint.outline = Palette::Ink;
    hint.outlineWidth = 3;
    hint.top = hint.bottom = Palette::GoldLight;
    DrawText(c, "Press Space to return to the menu", w * 0.42f, 430, hint);
    return c;
}
