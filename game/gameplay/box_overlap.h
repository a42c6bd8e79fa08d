// box_overlap.h: the game's one collision primitive.
//
// Two axis-aligned boxes, given by their centres and full sizes, overlap when they are not
// strictly apart on either axis: boxes whose edges only touch count as overlapping. On request
// the test also reports how they meet: the axis of least penetration as a unit normal pointing
// from box A towards box B, the depth along it, and a contact point.
#pragma once

#include "engine/graphics/math2d.h"

struct ContactResult
{
    Vec2 point;  // a corner of one box inside the other (reported, used by nobody)
    Vec2 normal; // (+-1, 0) or (0, +-1), from A towards B
    float depth; // penetration along the normal
};

// True when the boxes touch or overlap. With a null `result` only that answer is computed;
// otherwise `result` is filled in, and left untouched when the boxes are apart. Equal
// penetrations on both axes give the x normal; concentric boxes keep the positive normal.
bool BoxOverlap(Vec2 centreA, Vec2 centreB, float widthA, float heightA, float widthB,
                float heightB, ContactResult* result);
