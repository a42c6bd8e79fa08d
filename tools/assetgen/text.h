// text.h: lettering with the DejaVu fonts through stb_truetype.
//
// Text is laid out on a baseline with kerning, rasterised into a coverage mask, and then
// composited with an optional soft shadow, an outline and a vertical colour gradient, the
// same recipe for every button, title and page of the game.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tools/assetgen/canvas.h"

enum class FontFace
{
    Sans,
    SansBold,
    SerifBold,
    Condensed,
    CondensedBold,
    MonoBold, // every letter as wide as the next: the letter sheet the game writes names with
};
constexpr int FontFaceCount = 6;

// Loads every face once; false (with a message on standard error) when a font is missing.
bool LoadFonts(const std::string& directory);

enum class Align
{
    Left,
    Centre,
    Right,
};

struct TextStyle
{
    FontFace face = FontFace::SansBold;
    float size = 32;             // pixel height of the font's ascent-to-descent span
    Rgba top = Hex(0xFFFFFF);    // fill at the top of the letters
    Rgba bottom = Hex(0xFFFFFF); // fill at the baseline
    Rgba outline{};              // none while its alpha is 0
    float outlineWidth = 0;
    Rgba shadow{}; // none while its alpha is 0
    Vec shadowOffset{0, 0};
    float shadowBlur = 0;
    float tracking = 0; // extra pixels between letters
    Align align = Align::Left;
};

// Width in pixels of a line of UTF-8 text.
float TextWidth(std::string_view text, const TextStyle& style);
// Draws one line with its baseline at y; x is the left edge, centre or right edge per align.
void DrawText(Canvas& canvas, std::string_view text, float x, float y, const TextStyle& style);
// The largest size, at most style.size, at which the text fits in maxWidth.
float FittingSize(std::string_view text, const TextStyle& style, float maxWidth);
// Height above the baseline of capital letters at this style's size.
float CapHeight(const TextStyle& style);
