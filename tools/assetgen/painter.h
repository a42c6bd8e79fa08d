// painter.h: the shared drawing recipes that give every picture the same hand.
//
// Parts are drawn with one outline weight, cel-shaded by a light from the upper left, and
// stacked back to front so that each later part's outline separates it from what it covers.
#pragma once

#include <utility>
#include <vector>

#include "tools/assetgen/canvas.h"
#include "tools/assetgen/palette.h"

// The light comes from the upper left, as on every picture of the game.
constexpr Vec LightDirection{-0.6f, -0.8f};

// A colour for each point of a shape: base in the light, shadow where the shape turns away
// from the light (depth pixels in from its shadowed edge), highlight along its lit edge.
Paint CelShade(const Shape& shape, Rgba base, Rgba shadow, float depth, Rgba highlight = {},
               float highlightDepth = 0);

// Fills shape with paint inside an outline of the given width (in Palette::Ink).
void OutlinedPart(Canvas& canvas, const Shape& shape, const Paint& paint, Box box, float outline);
void OutlinedPart(Canvas& canvas, const Shape& shape, Rgba colour, Box box, float outline);

// Colour stops along y, for skies and faces: {position 0..1 between y0 and y1, colour}.
Paint VerticalGradient(std::vector<std::pair<float, Rgba>> stops, float y0, float y1);

// A full-picture twilight sky with stars, sun glow and soft cloud bands.
struct SkyStyle
{
    float horizon = 0.72f; // fraction of the height where the sky is brightest
    Vec sun{0.5f, 0.7f};   // sun centre as fractions of width and height
    float sunRadius = 120;
    float starDensity = 1.0f;
    unsigned seed = 1;
};
void PaintSky(Canvas& canvas, const SkyStyle& style);

// A ridge line of far mountains or hills, filled to the bottom of the picture.
struct RidgeStyle
{
    float baseline;  // y of the ridge's mean height
    float amplitude; // height of its peaks
    float scale;     // horizontal size of its features
    Rgba colour;
    Rgba rim; // lit edge colour along the top (alpha 0 for none)
    unsigned seed;
};
void PaintRidge(Canvas& canvas, const RidgeStyle& style);

// Ruined architecture in silhouette (towers, arches, broken colonnades) along a ground line.
void PaintRuinSilhouettes(Canvas& canvas, float ground, float scale, Rgba colour, Rgba rim,
                          unsigned seed);

// Darkens the picture towards its edges.
void Vignette(Canvas& canvas, float strength);
