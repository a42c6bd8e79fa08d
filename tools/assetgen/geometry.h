// geometry.h: 2D points and the signed-distance shapes the painter builds pictures from.
//
// Every shape is a function from a point to its signed distance (negative inside). Shapes
// combine with Union, Cut and Grow; Moved and Turned place them. All lengths are in
// the pixels of the picture being painted.
#pragma once

#include <cmath>
#include <functional>
#include <vector>

struct Vec
{
    float x = 0, y = 0;
};

inline Vec operator+(Vec a, Vec b)
{
    return {a.x + b.x, a.y + b.y};
}
inline Vec operator-(Vec a, Vec b)
{
    return {a.x - b.x, a.y - b.y};
}
inline Vec operator*(Vec a, float k)
{
    return {a.x * k, a.y * k};
}
inline float Dot(Vec a, Vec b)
{
    return a.x * b.x + a.y * b.y;
}
inline float Length(Vec a)
{
    return std::sqrt(Dot(a, a));
}
inline Vec Rotated(Vec a, float angle)
{
    float c = std::cos(angle), s = std::sin(angle);
    return {c * a.x - s * a.y, s * a.x + c * a.y};
}
inline Vec Lerp(Vec a, Vec b, float t)
{
    return a + (b - a) * t;
}
inline Vec Polar(float angle, float radius)
{
    return {std::cos(angle) * radius, std::sin(angle) * radius};
}

constexpr float PI = 3.14159265358979f;

using Shape = std::function<float(Vec)>;

Shape Circle(Vec centre, float radius);
Shape Ellipse(Vec centre, float rx, float ry);
Shape RoundBox(Vec centre, float halfWidth, float halfHeight, float radius);
Shape Capsule(Vec a, Vec b, float radius);
Shape TaperedCapsule(Vec a, Vec b, float radiusA, float radiusB);
Shape Polygon(std::vector<Vec> points);
Shape Ring(Vec centre, float radius, float thickness);
// The band of the given width along a path of connected segments.
Shape Stroke(std::vector<Vec> path, float width);

Shape Union(Shape a, Shape b);
Shape Union(std::vector<Shape> shapes);
Shape SmoothUnion(Shape a, Shape b, float blend);
Shape Cut(Shape a, Shape b);       // a without b
Shape Intersect(Shape a, Shape b); // where both are
Shape Grow(Shape a, float amount); // outwards by amount pixels (negative shrinks)
Shape Moved(Shape a, Vec offset);
Shape Turned(Shape a, Vec pivot, float angle);
