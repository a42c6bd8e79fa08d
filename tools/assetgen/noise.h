// noise.h: deterministic randomness for the generator.
//
// Everything random in the assets comes from these integer hashes with fixed seeds, so every
// run produces the same bytes. Noise can be periodic (a period of 0 means none), which keeps
// textured tiles seamless where they wrap.
#pragma once

#include <cstdint>

uint32_t Hash(uint32_t a, uint32_t b = 0, uint32_t c = 0);
float Random01(uint32_t seed, int a, int b = 0); // in [0, 1)

// Smooth value noise in [0, 1]; one lattice cell per unit, repeating every period cells.
float ValueNoise(float x, float y, uint32_t seed, int periodX = 0, int periodY = 0);
// Sum of octaves of ValueNoise, each twice the frequency and half the weight; in [0, 1].
float Fbm(float x, float y, uint32_t seed, int octaves, int periodX = 0, int periodY = 0);

// A small sequential generator for placing things (stars, pebbles, notes of noise).
class Rng
{
  public:
    explicit Rng(uint32_t seed) : state_((seed * 2654435761u + 1u) | 1u) {}
    float Next(); // in [0, 1)
    float Range(float lo, float hi) { return lo + (hi - lo) * Next(); }
    int Below(int n) { return int(Next() * float(n)) % n; }

  private:
    uint32_t state_;
};
