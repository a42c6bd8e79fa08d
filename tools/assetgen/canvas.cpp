// canvas.cpp: premultiplied RGBA painting, resampling and blurring.
#include "tools/assetgen/canvas.h"

#include <algorithm>
#include <cmath>

Rgba Mix(Rgba a, Rgba b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

Rgba WithAlpha(Rgba c, float alpha)
{
    return {c.r, c.g, c.b, alpha};
}

Rgba Scale(Rgba c, float k)
{
    return {std::min(c.r * k, 1.0f), std::min(c.g * k, 1.0f), std::min(c.b * k, 1.0f), c.a};
}

Box BoxAround(Vec centre, float halfWidth, float halfHeight)
{
    return {centre.x - halfWidth, centre.y - halfHeight, centre.x + halfWidth,
            centre.y + halfHeight};
}

float Coverage(float distance)
{
    return std::clamp(0.5f - distance, 0.0f, 1.0f);
}

float SmoothStep(float edge0, float edge1, float x)
{
    float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

Canvas::Canvas(int width, int height, Rgba fill)
    : width_(width), height_(height),
      pixels_(size_t(width) * size_t(height),
              Rgba{fill.r * fill.a, fill.g * fill.a, fill.b * fill.a, fill.a})
{
}

int Canvas::Index(int x, int y) const
{
    if (wrap_)
    {
        x = ((x % width_) + width_) % width_;
        y = ((y % height_) + height_) % height_;
    }
    else if (x < 0 || y < 0 || x >= width_ || y >= height_)
    {
        return -1;
    }
    return y * width_ + x;
}

Rgba Canvas::At(int x, int y) const
{
    x = ((x % width_) + width_) % width_;
    y = ((y % height_) + height_) % height_;
    const Rgba& p = pixels_[size_t(y) * width_ + x];
    if (p.a <= 0) return {};
    return {p.r / p.a, p.g / p.a, p.b / p.a, p.a};
}

void Canvas::Put(int x, int y, Rgba c)
{
    int i = Index(x, y);
    if (i >= 0) pixels_[i] = {c.r * c.a, c.g * c.a, c.b * c.a, c.a};
}

void Canvas::Blend(int x, int y, Rgba c, float coverage)
{
    int i = Index(x, y);
    if (i < 0) return;
    float a = std::clamp(c.a * coverage, 0.0f, 1.0f);
    Rgba& d = pixels_[i];
    float keep = 1.0f - a;
    d = {c.r * a + d.r * keep, c.g * a + d.g * keep, c.b * a + d.b * keep, a + d.a * keep};
}

namespace
{
struct PixelRange
{
    int x0, y0, x1, y1; // half-open
};

PixelRange RangeOf(Box box, int width, int height, bool wrap)
{
    PixelRange r{int(std::floor(box.x0)), int(std::floor(box.y0)), int(std::ceil(box.x1)),
                 int(std::ceil(box.y1))};
    if (!wrap)
    {
        r.x0 = std::max(r.x0, 0);
        r.y0 = std::max(r.y0, 0);
        r.x1 = std::min(r.x1, width);
        r.y1 = std::min(r.y1, height);
    }
    return r;
}
} // namespace

void Canvas::Fill(const Shape& shape, const Paint& paint, Box box)
{
    PixelRange r = RangeOf(box, width_, height_, wrap_);
    for (int y = r.y0; y < r.y1; y++)
        for (int x = r.x0; x < r.x1; x++)
        {
            Vec p{x + 0.5f, y + 0.5f};
            float c = Coverage(shape(p));
            if (c > 0) Blend(x, y, paint(p), c);
        }
}

void Canvas::Fill(const Shape& shape, Rgba colour, Box box)
{
    Fill(
        shape, [colour](Vec) { return colour; }, box);
}

void Canvas::Glow(const Shape& shape, Rgba colour, float falloff, Box box)
{
    PixelRange r = RangeOf(box, width_, height_, wrap_);
    for (int y = r.y0; y < r.y1; y++)
        for (int x = r.x0; x < r.x1; x++)
        {
            float d = shape({x + 0.5f, y + 0.5f});
            float t = std::clamp(1.0f - d / falloff, 0.0f, 1.0f);
            if (t > 0) Blend(x, y, colour, t * t);
        }
}

void Canvas::Shade(const Paint& paint, Box box)
{
    PixelRange r = RangeOf(box, width_, height_, wrap_);
    for (int y = r.y0; y < r.y1; y++)
        for (int x = r.x0; x < r.x1; x++) Blend(x, y, paint({x + 0.5f, y + 0.5f}), 1.0f);
}

void Canvas::Draw(const Canvas& other, float x, float y, float factor, float opacity)
{
    const Canvas* source = &other;
    Canvas scaled;
    if (factor != 1.0f)
    {
        scaled = other.Resized(std::max(1, int(std::lround(other.width_ * factor))),
                               std::max(1, int(std::lround(other.height_ * factor))));
        source = &scaled;
    }
    int ox = int(std::lround(x)), oy = int(std::lround(y));
    for (int sy = 0; sy < source->height_; sy++)
        for (int sx = 0; sx < source->width_; sx++)
        {
            int i = Index(ox + sx, oy + sy);
            if (i < 0) continue;
            Rgba s = source->pixels_[size_t(sy) * source->width_ + sx];
            s = {s.r * opacity, s.g * opacity, s.b * opacity, s.a * opacity};
            Rgba& d = pixels_[i];
            float keep = 1.0f - s.a;
            d = {s.r + d.r * keep, s.g + d.g * keep, s.b + d.b * keep, s.a + d.a * keep};
        }
}

namespace
{
// Resamples count rows (or columns) of premultiplied pixels from srcLen to dstLen samples:
// area averaging when shrinking, linear interpolation when growing.
void Resample1D(const Rgba* src, int srcLen, int srcStride, Rgba* dst, int dstLen, int dstStride)
{
    if (dstLen <= srcLen)
    {
        float step = float(srcLen) / float(dstLen);
        for (int i = 0; i < dstLen; i++)
        {
            float a = i * step, b = (i + 1) * step;
            Rgba sum{};
            float weight = 0;
            for (int k = int(a); k < int(std::ceil(b)) && k < srcLen; k++)
            {
                float w = std::min(b, float(k + 1)) - std::max(a, float(k));
                const Rgba& s = src[size_t(k) * srcStride];
                sum = {sum.r + s.r * w, sum.g + s.g * w, sum.b + s.b * w, sum.a + s.a * w};
                weight += w;
            }
            dst[size_t(i) * dstStride] = {sum.r / weight, sum.g / weight, sum.b / weight,
                                          sum.a / weight};
        }
        return;
    }
    for (int i = 0; i < dstLen; i++)
    {
        float f = std::clamp((i + 0.5f) * srcLen / dstLen - 0.5f, 0.0f, float(srcLen - 1));
        int k = std::min(int(f), srcLen - 1);
        int k1 = std::min(k + 1, srcLen - 1);
        float t = f - k;
        const Rgba& a = src[size_t(k) * srcStride];
        const Rgba& b = src[size_t(k1) * srcStride];
        dst[size_t(i) * dstStride] = Mix(a, b, t);
    }
}
} // namespace

Canvas Canvas::Resized(int width, int height) const
{
    Canvas across(width, height_);
    for (int y = 0; y < height_; y++)
        Resample1D(&pixels_[size_t(y) * width_], width_, 1, &across.pixels_[size_t(y) * width],
                   width, 1);
    Canvas result(width, height);
    for (int x = 0; x < width; x++)
        Resample1D(&across.pixels_[x], height_, width, &result.pixels_[x], height, width);
    return result;
}

namespace
{
void BoxBlurLine(Rgba* line, int length, int stride, int radius, bool wrap, std::vector<Rgba>& tmp)
{
    tmp.resize(length);
    for (int i = 0; i < length; i++) tmp[i] = line[size_t(i) * stride];
    auto sample = [&](int i)
    {
        if (wrap) return tmp[((i % length) + length) % length];
        return tmp[std::clamp(i, 0, length - 1)];
    };
    Rgba sum{};
    for (int i = -radius; i <= radius; i++)
    {
        Rgba s = sample(i);
        sum = {sum.r + s.r, sum.g + s.g, sum.b + s.b, sum.a + s.a};
    }
    float k = 1.0f / float(2 * radius + 1);
    for (int i = 0; i < length; i++)
    {
        line[size_t(i) * stride] = {sum.r * k, sum.g * k, sum.b * k, sum.a * k};
        Rgba in = sample(i + radius + 1), out = sample(i - radius);
        sum = {sum.r + in.r - out.r, sum.g + in.g - out.g, sum.b + in.b - out.b,
               sum.a + in.a - out.a};
    }
}
} // namespace

void Canvas::Blur(float radiusX, float radiusY)
{
    int rx = int(std::lround(radiusX * 0.5f)), ry = int(std::lround(radiusY * 0.5f));
    std::vector<Rgba> tmp;
    for (int pass = 0; pass < 3; pass++)
    {
        if (rx > 0)
            for (int y = 0; y < height_; y++)
                BoxBlurLine(&pixels_[size_t(y) * width_], width_, 1, rx, wrap_, tmp);
        if (ry > 0)
            for (int x = 0; x < width_; x++)
                BoxBlurLine(&pixels_[x], height_, width_, ry, wrap_, tmp);
    }
}
