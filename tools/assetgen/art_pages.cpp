// art_pages.cpp: the five credits pages and the controls page.
//
// One theme per credits page: the game and its makers, then the libraries grouped by what
// they do for the game, each with its licence, and finally the tests and our thanks.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "tools/assetgen/art.h"
#include "tools/assetgen/emblem.h"
#include "tools/assetgen/painter.h"
#include "tools/assetgen/screen_parts.h"

namespace
{
struct Credit
{
    std::string name;
    std::string licence;
    std::string use;
};

void PaintHeading(Canvas& c, const std::string& heading, const std::string& kicker)
{
    TextStyle small = NoteStyle(30);
    small.tracking = 8;
    small.top = small.bottom = Palette::DuskRose;
    DrawText(c, kicker, ScreenWidth * 0.5f, 150, small);
    DrawText(c, heading, ScreenWidth * 0.5f, 260, TitleStyle(96));
    PaintRule(c, ScreenWidth * 0.5f, 310, 360);
}

void PaintCredits(Canvas& c, const std::vector<Credit>& credits, float top)
{
    float y = top;
    for (const Credit& credit : credits)
    {
        TextStyle name = TitleStyle(58);
        name.face = FontFace::SansBold;
        name.shadow = WithAlpha(Palette::Ink, 0.7f);
        name.shadowBlur = 4;
        name.shadowOffset = {0, 3};
        DrawText(c, credit.name, ScreenWidth * 0.5f, y, name);
        DrawText(c, credit.licence, ScreenWidth * 0.5f, y + 56, BodyStyle(38));
        DrawText(c, credit.use, ScreenWidth * 0.5f, y + 102, NoteStyle(30));
        y += 200;
    }
}

const char* NextPage = "Click or press \u2192 for the next page";
} // namespace

Canvas CreditsPage(int page)
{
    Canvas c = PageBackdrop(90 + unsigned(page));
    TextStyle number = NoteStyle(26);
    number.align = Align::Right;
    DrawText(c, std::to_string(page) + " / 5", ScreenWidth - 90, 110, number);
    switch (page)
    {
    case 1:
    {
        Vec o{ScreenWidth * 0.5f, 300};
        PaintEmblem(c, o, 130);
        TextStyle title = TitleStyle(150);
        title.tracking = 12;
        DrawText(c, "VANTARA", o.x, 600, title);
        PaintRule(c, o.x, 650, 420);
        DrawText(c, "A game by the Vantara team", o.x, 740, BodyStyle(50));
        DrawText(c, "Design, programming, pictures, music and sound: the Vantara team", o.x, 810,
                 NoteStyle(34));
        DrawText(c, "Every picture and sound was made for this game.", o.x, 860, NoteStyle(34));
        PaintFooter(c, NextPage);
        break;
    }
    case 2:
        PaintHeading(c, "Engine and platform", "OPEN-SOURCE LIBRARIES");
        PaintCredits(
            c,
            {{"SDL2", "zlib licence", "the window, input, timing and game controllers"},
             {"GLEW", "Modified BSD licence / MIT licence", "loading the OpenGL functions"},
             {"Dear ImGui", "MIT licence", "the developers' debug overlay"}},
            430);
        PaintFooter(c, NextPage);
        break;
    case 3:
        PaintHeading(c, "Pictures and lettering", "OPEN-SOURCE LIBRARIES AND FONTS");
        PaintCredits(
            c,
            {{"stb", "public domain / MIT licence",
              "reading and writing PNG pictures, rasterising the fonts"},
             {"DejaVu fonts", "Bitstream Vera licence; DejaVu changes in the public domain",
              "every letter in the game"}},
            480);
        PaintFooter(c, NextPage);
        break;
    case 4:
        PaintHeading(c, "Sound", "OPEN-SOURCE LIBRARY");
        PaintCredits(
            c,
            {{"OpenAL Soft", "GNU LGPL 2.0 or later", "playing the music and the sound effects"}},
            480);
        DrawText(c, "OpenAL Soft is used as a separate shared library; its source code is",
                 ScreenWidth * 0.5f, 760, NoteStyle(30));
        DrawText(c, "available from its authors under the same licence.", ScreenWidth * 0.5f, 806,
                 NoteStyle(30));
        DrawText(c, "All music and sound effects were synthesised for Vantara.", ScreenWidth * 0.5f,
                 890, BodyStyle(36));
        PaintFooter(c, NextPage);
        break;
    default:
        PaintHeading(c, "Testing and thanks", "OPEN-SOURCE LIBRARY");
        PaintCredits(c, {{"GoogleTest", "BSD 3-Clause licence", "the game's automated tests"}},
                     480);
        DrawText(c, "Thank you to everyone who shares their work freely.", ScreenWidth * 0.5f, 760,
                 BodyStyle(40));
        {
            TextStyle thanks = TitleStyle(90);
            DrawText(c, "Thank you for playing!", ScreenWidth * 0.5f, 900, thanks);
        }
        PaintFooter(c, "Click or press Space to go back");
        break;
    }
    return c;
}

namespace
{
// A keyboard key cap with its legend; returns its width.
float PaintKey(Canvas& c, const std::string& legend, float x, float baseline)
{
    TextStyle s;
    s.face = FontFace::SansBold;
    s.size = 34;
    s.top = s.bottom = Palette::Ink;
    s.align = Align::Centre;
    float width = std::max(64.0f, TextWidth(legend, s) + 36);
    Vec centre{x + width * 0.5f, baseline - 12};
    Shape cap = RoundBox(centre, width * 0.5f, 30, 10);
    Shape side = RoundBox(centre + Vec{0, 7}, width * 0.5f, 30, 10);
    c.Fill(Grow(Union(cap, side), 3), Palette::Ink, BoxAround(centre, width * 0.5f + 8, 44));
    c.Fill(side, Hex(0xB8A4C8), BoxAround(centre, width * 0.5f + 8, 44));
    c.Fill(
        cap,
        VerticalGradient({{0, Hex(0xFFFFFF)}, {1, Palette::Cream}}, centre.y - 30, centre.y + 30),
        BoxAround(centre, width * 0.5f + 8, 44));
    DrawText(c, legend, centre.x, centre.y + 12, s);
    return width;
}

// A mouse, its left button lit while held; returns its width.
float PaintMouse(Canvas& c, float x, float baseline, bool lit)
{
    Vec centre{x + 26, baseline - 14};
    Shape body = RoundBox(centre, 24, 36, 22);
    c.Fill(Grow(body, 3), Palette::Ink, BoxAround(centre, 32, 44));
    c.Fill(body, Palette::Cream, BoxAround(centre, 32, 44));
    Shape left = Intersect(body, RoundBox(centre + Vec{-12, -20}, 12, 16, 0));
    c.Fill(left, lit ? Palette::Teal : Hex(0xD8CCE0), BoxAround(centre, 32, 44));
    c.Fill(Capsule(centre + Vec{0, -36}, centre + Vec{0, -6}, 1.5f), Palette::Ink,
           BoxAround(centre, 32, 44));
    c.Fill(Capsule(centre + Vec{-24, -4}, centre + Vec{24, -4}, 1.5f), Palette::Ink,
           BoxAround(centre, 32, 44));
    return 52;
}

struct Binding
{
    // Key legends; "mouse" and "mouse up" draw the mouse, lower-case words are written small.
    std::vector<std::string> keys;
    std::string action;
};

void PaintBindings(Canvas& c, const std::string& heading, const std::vector<Binding>& bindings,
                   float x, float actionX)
{
    TextStyle head = TitleStyle(54);
    head.align = Align::Left;
    DrawText(c, heading, x, 350, head);
    float y = 440;
    TextStyle word = NoteStyle(26);
    word.align = Align::Left;
    TextStyle action = BodyStyle(31);
    action.align = Align::Left;
    for (const Binding& b : bindings)
    {
        float kx = x;
        for (const std::string& key : b.keys)
        {
            if (key == "mouse" || key == "mouse up")
                kx += PaintMouse(c, kx, y, key == "mouse") + 14;
            else if (std::islower(static_cast<unsigned char>(key[0])) || key == "+")
            {
                DrawText(c, key, kx, y, word);
                kx += TextWidth(key, word) + 14;
            }
            else
                kx += PaintKey(c, key, kx, y) + 12;
        }
        DrawText(c, b.action, actionX, y, action);
        y += 80;
    }
}
} // namespace

Canvas ControlsPage()
{
    Canvas c = PageBackdrop(97);
    TextStyle kicker = NoteStyle(28);
    kicker.tracking = 8;
    kicker.top = kicker.bottom = Palette::DuskRose;
    DrawText(c, "CONTROLS", ScreenWidth * 0.5f, 120, kicker);
    DrawText(c, "How to play", ScreenWidth * 0.5f, 212, TitleStyle(90));
    PaintRule(c, ScreenWidth * 0.5f, 256, 360);
    PaintBindings(c, "Moving",
                  {{{"A", "D"}, "Run left and right"},
                   {{"Space", "or", "W"}, "Jump; again at a wall to wall-jump"},
                   {{"S", "in the air"}, "Ground slam (stuns ground enemies)"},
                   {{"Esc"}, "Pause"},
                   {{"F11"}, "Full screen"},
                   {{"Ctrl", "+", "Q"}, "Quit the game"}},
                  120, 430);
    PaintBindings(c, "The grappling hook",
                  {{{"mouse", "click"}, "Aim at the pointer and fire"},
                   {{"mouse", "hold"}, "Swing from stone, or ride to a ring"},
                   {{"mouse up", "release"}, "Let go"},
                   {{"Space", "on the rope"}, "Jump off the rope"},
                   {{"R"}, "Restart the level (drops the hook)"}},
                  1010, 1320);
    Canvas ring = GrapplePoint();
    c.Draw(ring, 1560, 282, 0.36f);
    TextStyle tip = NoteStyle(29);
    DrawText(c, "Spikes, lava and enemies are deadly. Land on a flying enemy to bounce off it;",
             ScreenWidth * 0.5f, 930, tip);
    DrawText(c, "a ground enemy can be stomped only after a ground slam has landed.",
             ScreenWidth * 0.5f, 970, tip);
    PaintFooter(c, "Press Space to go back");
    return c;
}
