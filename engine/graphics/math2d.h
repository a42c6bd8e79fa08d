// math2d.h: 2D vectors, 3 x 3 and 4 x 4 matrices, and object transforms.
//
// Matrices are stored row-major for column vectors: element (r, c) of a 3 x 3 matrix is
// m[3r + c], of a 4 x 4 matrix m[4r + c], and a point is transformed as p' = M p, so the
// translation sits in the last column. Angles are radians, counter-clockwise with y up.
#pragma once

struct Vec2
{
    float x = 0.0f;
    float y = 0.0f;
};

inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(Vec2 v, float s) { return {v.x * s, v.y * s}; }
float Length(Vec2 v);

struct Matrix3
{
    float m[9];
};

struct Matrix4
{
    float m[16];
};

struct Transform
{
    Vec2 position = {0.0f, 0.0f};
    Vec2 scale = {1.0f, 1.0f};
    float rotation = 0.0f;
};

// Lengths closer to zero than this count as zero: normalising gives (0, 0), and a scale
// component this small makes an inverse transform ignore the scale.
constexpr float NearZero = 0.00001f;

// Normalises v in place and returns it; a near-zero vector becomes (0, 0).
Vec2& Vec2Normalize(Vec2& v);

void Matrix3Identity(Matrix3& m);
Matrix3 Matrix3Multiply(const Matrix3& a, const Matrix3& b);
Vec2 Matrix3TransformPoint(const Matrix3& m, Vec2 p);
void Matrix4Identity(Matrix4& m);
Matrix4 Matrix4Multiply(const Matrix4& a, const Matrix4& b);

// Scale first, then rotate, then move.
Matrix3 MakeTransformMatrix(const Transform& transform);
// The same with the rotation given as the unit vector it turns the x axis into (its cosine
// and sine): no trigonometry, so the same numbers from every system's C library.
Matrix3 MakeTransformMatrix(Vec2 position, Vec2 scale, Vec2 direction);
// The inverse of MakeTransformMatrix; a near-zero scale component makes both scale factors 1.
Matrix3 MakeInverseTransformMatrix(const Transform& transform);
