// canvas.h: the generator's picture type and its painting primitives.
//
// A Canvas holds premultiplied floating-point RGBA, so shapes, glows and text composite
// without banding or dark fringes. Shapes are signed-distance fields (negative inside, in
// pixels), which gives every edge the same one-pixel anti-aliasing at any size. A canvas in
// wrap mode takes every coordinate modulo its size: that is how tiles are painted seamlessly.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "tools/assetgen/geometry.h"

// A straight (not premultiplied) colour, components 0..1.
struct Rgba
{
    float r = 0, g = 0, b = 0, a = 0;
};

constexpr Rgba Hex(uint32_t rgb, float alpha = 1.0f)
{
    return {((rgb >> 16) & 0xFF) / 255.0f, ((rgb >> 8) & 0xFF) / 255.0f, (rgb & 0xFF) / 255.0f,
            alpha};
}

Rgba Mix(Rgba a, Rgba b, float t);
Rgba WithAlpha(Rgba c, float alpha);
Rgba Scale(Rgba c, float k); // brightness times k, alpha kept

// Where a paint operation may touch, in pixel coordinates (x to the right, y down).
struct Box
{
    float x0, y0, x1, y1;
};
Box BoxAround(Vec centre, float halfWidth, float halfHeight);

using Paint = std::function<Rgba(Vec)>; // colour at a point

class Canvas
{
  public:
    Canvas() = default;
    Canvas(int width, int height, Rgba fill = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    Box Bounds() const { return {0, 0, float(width_), float(height_)}; }

    // In wrap mode every write lands at its coordinates modulo the canvas size.
    void SetWrap(bool wrap) { wrap_ = wrap; }

    Rgba At(int x, int y) const; // straight colour; coordinates wrap
    void Put(int x, int y, Rgba colour);
    void Blend(int x, int y, Rgba colour, float coverage);

    // Paints colour over every pixel of box whose centre lies inside shape, anti-aliased.
    void Fill(const Shape& shape, const Paint& paint, Box box);
    void Fill(const Shape& shape, Rgba colour, Box box);
    // Like Fill, but the colour fades out over falloff pixels outside the shape.
    void Glow(const Shape& shape, Rgba colour, float falloff, Box box);
    // Paints every pixel of box: the shader sees the pixel centre.
    void Shade(const Paint& paint, Box box);
    void Shade(const Paint& paint) { Shade(paint, Bounds()); }

    // Draws other with its top-left corner at (x, y), scaled by factor, over this canvas.
    void Draw(const Canvas& other, float x, float y, float factor = 1.0f, float opacity = 1.0f);
    // A copy shrunk or grown to the given size with box filtering (shrinking) or bilinear
    // sampling (growing).
    Canvas Resized(int width, int height) const;
    // Gaussian-like blur of the whole canvas, three box passes; radii along x and y.
    void Blur(float radius) { Blur(radius, radius); }
    void Blur(float radiusX, float radiusY);

    const std::vector<Rgba>& Premultiplied() const { return pixels_; }
    std::vector<Rgba>& Premultiplied() { return pixels_; }

  private:
    int Index(int x, int y) const;

    int width_ = 0;
    int height_ = 0;
    bool wrap_ = false;
    std::vector<Rgba> pixels_; // premultiplied
};

// Coverage of a pixel by a field value: 1 inside, 0 outside, a one-pixel ramp at the edge.
float Coverage(float distance);
float SmoothStep(float edge0, float edge1, float x);
