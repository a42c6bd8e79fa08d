// Vectors and transforms: normalising, placing, inverting.
#include "engine/graphics/math2d.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(Math2d, NormalisingTreatsNearZeroLengthsAsZero)
{
    Vec2 tiny = {0.000001f, 0.0f};
    EXPECT_EQ(Vec2Normalize(tiny).x, 0.0f);
    Vec2 v = {3.0f, 4.0f};
    Vec2Normalize(v);
    EXPECT_FLOAT_EQ(v.x, 0.6f);
    EXPECT_FLOAT_EQ(v.y, 0.8f);
}

TEST(Math2d, ATransformScalesThenRotatesThenMoves)
{
    Transform t;
    t.position = {10.0f, 20.0f};
    t.scale = {2.0f, 3.0f};
    t.rotation = static_cast<float>(M_PI / 2);
    Vec2 p = Matrix3TransformPoint(MakeTransformMatrix(t), {1.0f, 0.0f});
    EXPECT_NEAR(p.x, 10.0f, 1e-5f);
    EXPECT_NEAR(p.y, 22.0f, 1e-5f);
    p = Matrix3TransformPoint(MakeTransformMatrix(t), {0.0f, 1.0f});
    EXPECT_NEAR(p.x, 7.0f, 1e-5f);
    EXPECT_NEAR(p.y, 20.0f, 1e-5f);
}

TEST(Math2d, TheInverseUndoesTheTransform)
{
    const Transform cases[] = {
        {{0.0f, 0.0f}, {1.0f, 1.0f}, 0.0f},
        {{-300.0f, 125.5f}, {0.5f, 4.0f}, 0.7f},
        {{960.0f, -540.0f}, {-2.0f, 1.25f}, -2.9f},
    };
    for (const Transform& t : cases)
    {
        Matrix3 product = Matrix3Multiply(MakeInverseTransformMatrix(t), MakeTransformMatrix(t));
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                EXPECT_NEAR(product.m[3 * r + c], r == c ? 1.0f : 0.0f, 1e-4f);
    }
}

TEST(Math2d, AFlatScaleMakesTheInverseIgnoreScale)
{
    Transform t;
    t.position = {5.0f, 7.0f};
    t.scale = {0.0f, 2.0f};
    Vec2 p = Matrix3TransformPoint(MakeInverseTransformMatrix(t), {6.0f, 9.0f});
    EXPECT_FLOAT_EQ(p.x, 1.0f);
    EXPECT_FLOAT_EQ(p.y, 2.0f) << "scale factors (1, 1), not (1, 0.5)";
}

TEST(Math2d, Matrix4ProductIsRowByColumn)
{
    Matrix4 a, b;
    for (int i = 0; i < 16; ++i)
    {
        a.m[i] = static_cast<float>(i);
        b.m[i] = static_cast<float>(i % 5) - 2.0f;
    }
    Matrix4 r = Matrix4Multiply(a, b);
    // Row 1 of a is (4, 5, 6, 7); column 2 of b is (0, -1, -2, 2).
    EXPECT_FLOAT_EQ(r.m[4 * 1 + 2], 4 * 0 + 5 * -1 + 6 * -2 + 7 * 2);
}
