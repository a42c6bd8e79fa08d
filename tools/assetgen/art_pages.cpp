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

// A game pad button: a dark disc for a single letter, a dark pill for a longer name; returns
// its width.
float PaintPadButton(Canvas& c, const std::string& legend, float x, float baseline)
{
    TextStyle s;
    s.face = FontFace::SansBold;
    s.size = legend.size() == 1 ? 34 : 26;
    s.top = s.bottom = Palette::Cream;
    s.align = Align::Centre;
    const float width = std::max(60.0f, TextWidth(legend, s) + 34);
    const Vec centre{x + width * 0.5f, baseline - 12};
    const Shape button = RoundBox(centre, width * 0.5f, 30, 30);
    const Box box = BoxAround(centre, width * 0.5f + 6, 36);
    c.Fill(Grow(button, 3), Palette::Cream, box);
    c.Fill(button, VerticalGradient({{0, Hex(0x4A3F5C)}, {1, Palette::Ink}}, centre.y - 30,
                                    centre.y + 30),
           box);
    DrawText(c, legend, centre.x, centre.y + 11, s);
    return width;
}

// One row's controls. Legends: "mouse" and "mouse up" draw the mouse, "pad:NAME" a pad
// button, lower-case words and "+" are written small, anything else is a key cap.
float PaintControls(Canvas& c, const std::vector<std::string>& legends, float x, float y)
{
    TextStyle word = NoteStyle(26);
    word.align = Align::Left;
    for (const std::string& legend : legends)
    {
        if (legend == "mouse" || legend == "mouse up")
            x += PaintMouse(c, x, y, legend == "mouse") + 14;
        else if (legend.rfind("pad:", 0) == 0)
            x += PaintPadButton(c, legend.substr(4), x, y) + 12;
        else if (std::islower(static_cast<unsigned char>(legend[0])) || legend == "+")
        {
            DrawText(c, legend, x, y, word);
            x += TextWidth(legend, word) + 14;
        }
        else
            x += PaintKey(c, legend, x, y) + 12;
    }
    return x;
}

struct Binding
{
    std::string action;
    std::vector<std::string> keyboard, pad;
};

// The table: what to do, then how on the keyboard and mouse, then how on a game pad.
void PaintBindings(Canvas& c, const std::vector<Binding>& bindings, float top)
{
    constexpr float ACTION_X = 110, KEYBOARD_X = 800, PAD_X = 1380, ROW = 72;
    TextStyle head = TitleStyle(44);
    head.align = Align::Left;
    DrawText(c, "Keyboard and mouse", KEYBOARD_X, top, head);
    DrawText(c, "Game pad", PAD_X, top, head);
    TextStyle action = BodyStyle(30);
    action.align = Align::Left;
    float y = top + 76;
    for (const Binding& b : bindings)
    {
        DrawText(c, b.action, ACTION_X, y, action);
        PaintControls(c, b.keyboard, KEYBOARD_X, y);
        PaintControls(c, b.pad, PAD_X, y);
        y += ROW;
    }
}
} // namespace

Canvas ControlsPage()
{
    Canvas c = PageBackdrop(97);
    TextStyle kicker = NoteStyle(28);
    kicker.tracking = 8;
    kicker.top = kicker.bottom = Palette::DuskRose;
    DrawText(c, "CONTROLS", ScreenWidth * 0.5f, 96, kicker);
    DrawText(c, "How to play", ScreenWidth * 0.5f, 174, TitleStyle(80));
    PaintRule(c, ScreenWidth * 0.5f, 210, 360);
    PaintBindings(c,
                  {{"Run left and right", {"A", "D"}, {"pad:L stick", "or", "pad:D-pad"}},
                   {"Jump, wall-jump, jump off the rope", {"Space", "or", "W"}, {"pad:A"}},
                   {"Ground slam, in the air", {"S"}, {"pad:X"}},
                   {"Aim the hook", {"mouse up", "point"}, {"pad:R stick", "at rest: up, ahead"}},
                   {"Fire the hook; hold to swing or ride", {"mouse", "click, hold"},
                    {"pad:RT", "hold"}},
                   {"Restart the level", {"R"}, {"pad:Back"}},
                   {"Pause and resume", {"Esc"}, {"pad:Start"}},
                   {"Menus: choose, press, go back", {"arrows", "Enter", "Esc"},
                    {"pad:D-pad", "pad:A", "pad:B"}}},
                  272);
    Canvas ring = GrapplePoint();
    c.Draw(ring, 1640, 110, 0.3f);
    TextStyle tip = NoteStyle(28);
    DrawText(c, "Spikes, lava and enemies are deadly. Land on a flying enemy to bounce off it; a "
                "ground enemy",
             ScreenWidth * 0.5f, 934, tip);
    DrawText(c, "can be stomped only after a ground slam has landed. F11: full screen; Ctrl+Q: quit.",
             ScreenWidth * 0.5f, 968, tip);
    PaintFooter(c, "Press Space, Enter, Esc or the pad's A or B to go back");
    return c;
}
