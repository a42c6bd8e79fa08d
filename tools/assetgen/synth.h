// synth.h: the small synthesiser the game's music and effects are made with.
//
// A Mix is a buffer that wraps around: a note that rings past the end of a piece carries on
// at its start, so every piece loops without a seam. Instruments write one note at a time
// into a mix; the bus effects (reverb, echo) run twice round the loop so that their state at
// the start of the piece is the state they reach at its end.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/assetgen/audio.h"

constexpr float Tau = 6.28318530718f;

float MidiToHz(float note);

class Mix
{
  public:
    explicit Mix(double seconds);
    size_t Length() const { return samples_.size(); }
    void Add(int64_t index, float value)
    {
        int64_t n = int64_t(samples_.size());
        samples_[size_t(((index % n) + n) % n)] += value;
    }
    float& operator[](size_t i) { return samples_[i]; }
    float operator[](size_t i) const { return samples_[i]; }
    std::vector<float>& Samples() { return samples_; }
    // Adds other, scaled by gain, sample for sample (both the same length).
    void AddMix(const Mix& other, float gain);

  private:
    std::vector<float> samples_;
};

// Attack, decay to a sustain level, release after the note's length; times in seconds.
struct Envelope
{
    float attack = 0.005f, decay = 0.1f, sustain = 0.7f, release = 0.2f;
};
float EnvelopeAt(const Envelope& e, float t, float length);
// How long a note of this length sounds with its release.
float EnvelopeSpan(const Envelope& e, float length);

// A resonant two-pole filter (topology-preserving state variable form).
class Filter
{
  public:
    void Set(float cutoffHz, float resonance); // resonance 0 (none) .. about 0.95
    float LowPass(float x);
    float BandPass(float x);
    float HighPass(float x);

  private:
    void Step(float x);
    float g_ = 0.1f, k_ = 1.4f, a1_ = 0, a2_ = 0, a3_ = 0;
    float ic1_ = 0, ic2_ = 0, low_ = 0, band_ = 0, high_ = 0;
};

// 0 before t0, 1 after t1, a smooth ramp between: for fades and growing vibrato.
float SmoothStepTime(float t, float t0, float t1);

// Band-limited oscillators on a phase in [0, 1) with increment dt = frequency / rate.
float Saw(float phase, float dt);
float Square(float phase, float dt, float width = 0.5f);
float Triangle(float phase);

// Deterministic white noise in [-1, 1].
class Noise
{
  public:
    explicit Noise(uint32_t seed) : state_(seed | 1u) {}
    float Next();

  private:
    uint32_t state_;
};

// Bus effects, run round the loop; they return only the effect's output (the "wet" signal)
// for the caller to mix back in at the level it likes.
Mix ReverbOf(const Mix& send, float roomSize, float damping);
Mix EchoOf(const Mix& send, float seconds, float feedback);
// tanh saturation with the given drive, keeping small signals at about unity gain.
void SoftClip(std::vector<float>& samples, float drive);
// Scales to an RMS of rmsDb (dBFS, over the whole sound) with no sample above peakDb: samples
// that would come within 6 dB of the ceiling are rounded off smoothly towards it, everything
// quieter gets a plain gain. A target too loud for the ceiling is approached as near as it allows.
void NormaliseRms(std::vector<float>& samples, float rmsDb, float peakDb);
// Short linear fades at both ends (for one-shot effects).
void Fade(std::vector<float>& samples, float inSeconds, float outSeconds);
