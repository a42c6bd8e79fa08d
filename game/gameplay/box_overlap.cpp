// box_overlap.cpp: the overlap test, its contact normal and its contact point.
#include "game/gameplay/box_overlap.h"

#include <cmath>

namespace
{
struct Box
{
    float left, right, bottom, top;
};

Box MakeBox(Vec2 centre, float width, float height)
{
    const float hw = width * 0.5f;
    const float hh = height * 0.5f;
    return {centre.x - hw, centre.x + hw, centre.y - hh, centre.y + hh};
}

bool Contains(const Box& box, Vec2 p)
{
    return box.left <= p.x && p.x <= box.right && box.bottom <= p.y && p.y <= box.top;
}

// The first corner of `corners` inside `box`, searched (left, top), (left, bottom),
// (right, bottom), (right, top); false when none is.
bool FindCornerInside(const Box& corners, const Box& box, Vec2* found)
{
    const Vec2 order[4] = {{corners.left, corners.top},
                           {corners.left, corners.bottom},
                           {corners.right, corners.bottom},
                           {corners.right, corners.top}};
    for (const Vec2& corner : order)
        if (Contains(box, corner))
        {
            *found = corner;
            return true;
        }
    return false;
}
} // namespace

bool BoxOverlap(Vec2 centreA, Vec2 centreB, float widthA, float heightA, float widthB,
                float heightB, ContactResult* result)
{
    const float hwA = widthA * 0.5f, hhA = heightA * 0.5f;
    const float hwB = widthB * 0.5f, hhB = heightB * 0.5f;
    if (centreA.x - hwA > centreB.x + hwB || centreB.x - hwB > centreA.x + hwA) return false;
    if (centreB.y - hhB > centreA.y + hhA || centreA.y - hhA > centreB.y + hhB) return false;
    if (!result) return true;

    const Vec2 d = centreB - centreA;
    const float px = (widthA + widthB) * 0.5f - std::fabs(d.x);
    const float py = (heightA + heightB) * 0.5f - std::fabs(d.y);
    Vec2 normal = {1.0f, 0.0f};
    float depth = px;
    if (px > py)
    {
        normal = {0.0f, 1.0f};
        depth = py;
    }
    if (normal.x * d.x + normal.y * d.y < 0.0f) normal = {-normal.x, -normal.y};

    const Box a = MakeBox(centreA, widthA, heightA);
    const Box b = MakeBox(centreB, widthB, heightB);
    Vec2 point = {b.left, b.top};
    if (!FindCornerInside(b, a, &point))
    {
        point = {a.left, a.top};
        FindCornerInside(a, b, &point);
    }

    result->point = point;
    result->normal = normal;
    result->depth = depth;
    return true;
}
