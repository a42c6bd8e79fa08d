// noise.cpp: integer hashing and value noise.
#include "tools/assetgen/noise.h"

#include <cmath>

uint32_t Hash(uint32_t a, uint32_t b, uint32_t c)
{
    uint32_t h =
        a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

float Random01(uint32_t seed, int a, int b)
{
    return float(Hash(seed, uint32_t(a), uint32_t(b)) >> 8) * (1.0f / 16777216.0f);
}

namespace
{
int Wrap(int i, int period)
{
    if (period <= 0) return i;
    return ((i % period) + period) % period;
}

float Fade(float t)
{
    return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f);
}
} // namespace

float ValueNoise(float x, float y, uint32_t seed, int periodX, int periodY)
{
    float fx = std::floor(x), fy = std::floor(y);
    int ix = int(fx), iy = int(fy);
    float tx = Fade(x - fx), ty = Fade(y - fy);
    auto corner = [&](int dx, int dy)
    { return Random01(seed, Wrap(ix + dx, periodX), Wrap(iy + dy, periodY)); };
    float top = corner(0, 0) + (corner(1, 0) - corner(0, 0)) * tx;
    float bottom = corner(0, 1) + (corner(1, 1) - corner(0, 1)) * tx;
    return top + (bottom - top) * ty;
}

float Fbm(float x, float y, uint32_t seed, int octaves, int periodX, int periodY)
{
    float sum = 0, weight = 0, amplitude = 1;
    for (int o = 0; o < octaves; o++)
    {
        sum += ValueNoise(x, y, seed + uint32_t(o) * 101u, periodX, periodY) * amplitude;
        weight += amplitude;
        amplitude *= 0.5f;
        x *= 2;
        y *= 2;
        periodX *= 2;
        periodY *= 2;
    }
    return sum / weight;
}

float Rng::Next()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return float(state_ >> 8) * (1.0f / 16777216.0f);
}
