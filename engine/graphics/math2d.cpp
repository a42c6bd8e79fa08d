// math2d.cpp: 2D vector and matrix operations.
#include "engine/graphics/math2d.h"

#include <cmath>

float Length(Vec2 v) { return std::sqrt(v.x * v.x + v.y * v.y); }

Vec2& Vec2Normalize(Vec2& v)
{
    const float length = Length(v);
    if (-NearZero < length && length < NearZero)
    {
        v = {0.0f, 0.0f};
        return v;
    }
    v = {v.x / length, v.y / length};
    return v;
}

void Matrix3Identity(Matrix3& m) { m = {{1, 0, 0, 0, 1, 0, 0, 0, 1}}; }

// The N x N product of row-major matrices: r(row, col) = sum over k of a(row, k) b(k, col).
template <int N> static void MultiplyRowMajor(const float* a, const float* b, float* r)
{
    for (int row = 0; row < N; ++row)
        for (int col = 0; col < N; ++col)
        {
            float sum = 0.0f;
            for (int k = 0; k < N; ++k) sum += a[N * row + k] * b[N * k + col];
            r[N * row + col] = sum;
        }
}

Matrix3 Matrix3Multiply(const Matrix3& a, const Matrix3& b)
{
    Matrix3 r;
    MultiplyRowMajor<3>(a.m, b.m, r.m);
    return r;
}

Vec2 Matrix3TransformPoint(const Matrix3& m, Vec2 p)
{
    return {m.m[0] * p.x + m.m[1] * p.y + m.m[2], m.m[3] * p.x + m.m[4] * p.y + m.m[5]};
}

void Matrix4Identity(Matrix4& m) { m = {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}}; }

Matrix4 Matrix4Multiply(const Matrix4& a, const Matrix4& b)
{
    Matrix4 r;
    MultiplyRowMajor<4>(a.m, b.m, r.m);
    return r;
}

Matrix3 MakeTransformMatrix(const Transform& t)
{
    return MakeTransformMatrix(t.position, t.scale, {std::cos(t.rotation), std::sin(t.rotation)});
}

Matrix3 MakeTransformMatrix(Vec2 position, Vec2 scale, Vec2 direction)
{
    const float c = direction.x;
    const float n = direction.y;
    return {{c * scale.x, -n * scale.y, position.x, //
             n * scale.x, c * scale.y, position.y,  //
             0.0f, 0.0f, 1.0f}};
}

Matrix3 MakeInverseTransformMatrix(const Transform& t)
{
    float ix = 1.0f, iy = 1.0f;
    const bool flat = (-NearZero < t.scale.x && t.scale.x < NearZero) ||
                      (-NearZero < t.scale.y && t.scale.y < NearZero);
    if (!flat)
    {
        ix = 1.0f / t.scale.x;
        iy = 1.0f / t.scale.y;
    }
    const float c = std::cos(-t.rotation);
    const float n = std::sin(-t.rotation);
    const float px = -t.position.x, py = -t.position.y;
    return {{ix * c, ix * -n, ix * (c * px + -n * py), //
             iy * n, iy * c, iy * (n * px + c * py),   //
             0.0f, 0.0f, 1.0f}};
}
