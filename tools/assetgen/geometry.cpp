// geometry.cpp: the signed-distance shapes.
#include "tools/assetgen/geometry.h"

#include <algorithm>

Shape Circle(Vec centre, float radius)
{
    return [=](Vec p) { return Length(p - centre) - radius; };
}

Shape Ellipse(Vec centre, float rx, float ry)
{
    // Scaled circle distance, corrected by the gradient length: good near the edge, which is
    // all anti-aliasing and outlines need.
    return [=](Vec p)
    {
        Vec q = {(p.x - centre.x) / rx, (p.y - centre.y) / ry};
        float k0 = Length(q);
        Vec g = {q.x / rx, q.y / ry};
        float k1 = Length(g);
        if (k1 < 1e-6f) return -std::min(rx, ry);
        return k0 * (k0 - 1.0f) / k1;
    };
}

Shape RoundBox(Vec centre, float halfWidth, float halfHeight, float radius)
{
    return [=](Vec p)
    {
        float qx = std::fabs(p.x - centre.x) - halfWidth + radius;
        float qy = std::fabs(p.y - centre.y) - halfHeight + radius;
        float outside = Length({std::max(qx, 0.0f), std::max(qy, 0.0f)});
        return outside + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

Shape Capsule(Vec a, Vec b, float radius)
{
    return TaperedCapsule(a, b, radius, radius);
}

Shape TaperedCapsule(Vec a, Vec b, float radiusA, float radiusB)
{
    return [=](Vec p)
    {
        Vec ab = b - a;
        float len2 = Dot(ab, ab);
        float t = len2 > 0 ? std::clamp(Dot(p - a, ab) / len2, 0.0f, 1.0f) : 0.0f;
        return Length(p - (a + ab * t)) - (radiusA + (radiusB - radiusA) * t);
    };
}

Shape Polygon(std::vector<Vec> v)
{
    return [v = std::move(v)](Vec p)
    {
        size_t n = v.size();
        float d = Dot(p - v[0], p - v[0]);
        float s = 1.0f;
        for (size_t i = 0, j = n - 1; i < n; j = i, i++)
        {
            Vec e = v[j] - v[i];
            Vec w = p - v[i];
            float t = std::clamp(Dot(w, e) / std::max(Dot(e, e), 1e-12f), 0.0f, 1.0f);
            Vec b = w - e * t;
            d = std::min(d, Dot(b, b));
            bool c1 = p.y >= v[i].y, c2 = p.y<v[j].y, c3 = e.x * w.y> e.y * w.x;
            if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) s = -s;
        }
        return s * std::sqrt(d);
    };
}

Shape Ring(Vec centre, float radius, float thickness)
{
    return [=](Vec p) { return std::fabs(Length(p - centre) - radius) - thickness * 0.5f; };
}

Shape Stroke(std::vector<Vec> path, float width)
{
    return [path = std::move(path), half = width * 0.5f](Vec p)
    {
        float best = 1e30f;
        for (size_t i = 0; i + 1 < path.size(); i++)
        {
            Vec ab = path[i + 1] - path[i];
            float len2 = std::max(Dot(ab, ab), 1e-12f);
            float t = std::clamp(Dot(p - path[i], ab) / len2, 0.0f, 1.0f);
            best = std::min(best, Length(p - (path[i] + ab * t)));
        }
        return best - half;
    };
}

Shape Union(Shape a, Shape b)
{
    return [=](Vec p) { return std::min(a(p), b(p)); };
}

Shape Union(std::vector<Shape> shapes)
{
    return [shapes = std::move(shapes)](Vec p)
    {
        float d = 1e30f;
        for (const Shape& s : shapes) d = std::min(d, s(p));
        return d;
    };
}

Shape SmoothUnion(Shape a, Shape b, float blend)
{
    return [=](Vec p)
    {
        float da = a(p), db = b(p);
        float h = std::clamp(0.5f + 0.5f * (db - da) / blend, 0.0f, 1.0f);
        return db + (da - db) * h - blend * h * (1.0f - h);
    };
}

Shape Cut(Shape a, Shape b)
{
    return [=](Vec p) { return std::max(a(p), -b(p)); };
}

Shape Intersect(Shape a, Shape b)
{
    return [=](Vec p) { return std::max(a(p), b(p)); };
}

Shape Grow(Shape a, float amount)
{
    return [=](Vec p) { return a(p) - amount; };
}

Shape Moved(Shape a, Vec offset)
{
    return [=](Vec p) { return a(p - offset); };
}

Shape Turned(Shape a, Vec pivot, float angle)
{
    return [=](Vec p) { return a(pivot + Rotated(p - pivot, -angle)); };
}
