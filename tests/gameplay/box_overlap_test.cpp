// box_overlap_test.cpp: the overlap answer, the contact normal and the contact point.
#include "game/gameplay/box_overlap.h"

#include <gtest/gtest.h>

TEST(BoxOverlap, TouchingEdgesOverlapAndApartBoxesLeaveTheResultAlone)
{
    ContactResult result = {{7, 7}, {7, 7}, 7};
    EXPECT_TRUE(BoxOverlap({0, 0}, {10, 0}, 10, 10, 10, 10, nullptr));
    EXPECT_TRUE(BoxOverlap({0, 0}, {0, -10}, 10, 10, 10, 10, nullptr));
    EXPECT_FALSE(BoxOverlap({0, 0}, {10.001f, 0}, 10, 10, 10, 10, &result));
    EXPECT_FALSE(BoxOverlap({0, 0}, {0, 10.001f}, 10, 10, 10, 10, &result));
    EXPECT_EQ(result.depth, 7.0f);
}

TEST(BoxOverlap, NormalFollowsTheSmallerPenetrationFromAToB)
{
    ContactResult r = {};
    // B below A, overlapping 2 up and down and 8 across: pushed along y, pointing down.
    ASSERT_TRUE(BoxOverlap({0, 0}, {2, -8}, 10, 10, 10, 10, &r));
    EXPECT_EQ(r.normal.x, 0.0f);
    EXPECT_EQ(r.normal.y, -1.0f);
    EXPECT_EQ(r.depth, 2.0f);
    // B to the left: x, pointing left.
    ASSERT_TRUE(BoxOverlap({0, 0}, {-7, 1}, 10, 10, 10, 10, &r));
    EXPECT_EQ(r.normal.x, -1.0f);
    EXPECT_EQ(r.depth, 3.0f);
    // A tie keeps x.
    ASSERT_TRUE(BoxOverlap({0, 0}, {6, 6}, 10, 10, 10, 10, &r));
    EXPECT_EQ(r.normal.x, 1.0f);
    EXPECT_EQ(r.normal.y, 0.0f);
    // Concentric boxes keep the positive normal.
    ASSERT_TRUE(BoxOverlap({3, 3}, {3, 3}, 10, 4, 10, 10, &r));
    EXPECT_EQ(r.normal.y, 1.0f);
    EXPECT_EQ(r.depth, 7.0f);
}

TEST(BoxOverlap, ContactPointIsTheFirstCornerInsideTheOtherBox)
{
    ContactResult r = {};
    // B's left-bottom corner lies in A; its left-top corner does not.
    ASSERT_TRUE(BoxOverlap({0, 0}, {8, 8}, 10, 10, 10, 10, &r));
    EXPECT_EQ(r.point.x, 3.0f);
    EXPECT_EQ(r.point.y, 3.0f);
    // A small box inside a big one: B has no corner in A, A's left-top is first in B.
    ASSERT_TRUE(BoxOverlap({0, 0}, {0, 0}, 2, 2, 100, 100, &r));
    EXPECT_EQ(r.point.x, -1.0f);
    EXPECT_EQ(r.point.y, 1.0f);
    // A cross: no corner of either lies in the other, A's left-top stays.
    ASSERT_TRUE(BoxOverlap({0, 0}, {0, 0}, 20, 2, 2, 20, &r));
    EXPECT_EQ(r.point.x, -10.0f);
    EXPECT_EQ(r.point.y, 1.0f);
}
