// instruments.cpp: additive, FM and filtered-oscillator voices, and synthesised drums.
#include "tools/assetgen/instruments.h"

#include <algorithm>
#include <cmath>

#include "tools/assetgen/noise.h"

int64_t SampleAt(double seconds)
{
    return int64_t(std::llround(seconds * SampleRate));
}

namespace
{
constexpr float Dt = 1.0f / SampleRate;

// Every note gets its own noise and phases, derived from when and what it is.
uint32_t SeedOf(double start, float note)
{
    return Hash(uint32_t(SampleAt(start)), uint32_t(note * 100.0f));
}

float Advance(float& phase, float hz)
{
    phase += hz * Dt;
    phase -= std::floor(phase);
    return phase;
}
} // namespace

void Pad(const Bus& bus, double start, float length, float note, float velocity, float brightness)
{
    Envelope env{0.9f, 0.6f, 0.8f, 1.4f};
    float span = EnvelopeSpan(env, length);
    int count = int(span * SampleRate);
    uint32_t seed = SeedOf(start, note);
    const float detune[3] = {-0.09f, 0.0f, 0.08f}; // semitones
    float phase[3], hz[3];
    for (int v = 0; v < 3; v++)
    {
        phase[v] = Random01(seed, v);
        hz[v] = MidiToHz(note + detune[v]);
    }
    Filter filter;
    int64_t at = SampleAt(start);
    for (int i = 0; i < count; i++)
    {
        float t = i * Dt;
        if (i % 32 == 0)
            filter.Set(350.0f + brightness * 1400.0f * (0.8f + 0.2f * std::sin(t * 1.3f + note)),
                       0.15f);
        float sum = 0;
        for (int v = 0; v < 3; v++) sum += Saw(Advance(phase[v], hz[v]), hz[v] * Dt);
        bus.Add(at + i, filter.LowPass(sum * 0.3f) * EnvelopeAt(env, t, length) * velocity);
    }
}

void Flute(const Bus& bus, double start, float length, float note, float velocity)
{
    Envelope env{0.12f, 0.2f, 0.85f, 0.35f};
    int count = int(EnvelopeSpan(env, length) * SampleRate);
    Noise breath(SeedOf(start, note));
    Filter breathTone;
    breathTone.Set(MidiToHz(note) * 2.0f, 0.6f);
    float phase = 0, hz = MidiToHz(note);
    int64_t at = SampleAt(start);
    for (int i = 0; i < count; i++)
    {
        float t = i * Dt;
        // Vibrato grows in after the note has settled, as a player would do it.
        float vibrato = 1.0f + 0.004f * std::sin(Tau * 5.0f * t) * SmoothStepTime(t, 0.25f, 0.7f);
        float p = Advance(phase, hz * vibrato);
        float tone =
            std::sin(Tau * p) + 0.18f * std::sin(2 * Tau * p) + 0.06f * std::sin(3 * Tau * p);
        float air = breathTone.BandPass(breath.Next()) * 0.25f;
        bus.Add(at + i, (tone + air) * EnvelopeAt(env, t, length) * velocity * 0.5f);
    }
}

void Whistle(const Bus& bus, double start, float length, float note, float velocity)
{
    Envelope env{0.025f, 0.1f, 0.8f, 0.12f};
    int count = int(EnvelopeSpan(env, length) * SampleRate);
    float phase = 0, hz = MidiToHz(note);
    int64_t at = SampleAt(start);
    for (int i = 0; i < count; i++)
    {
        float t = i * Dt;
        // A little scoop up into the note, then a quick vibrato.
        float scoop = 1.0f - 0.02f * std::exp(-t / 0.03f);
        float vibrato = 1.0f + 0.006f * std::sin(Tau * 6.0f * t) * SmoothStepTime(t, 0.12f, 0.3f);
        float p = Advance(phase, hz * scoop * vibrato);
        float tone = std::sin(Tau * p) + 0.08f * std::sin(2 * Tau * p);
        bus.Add(at + i, tone * EnvelopeAt(env, t, length) * velocity * 0.45f);
    }
}

void SawLead(const Bus& bus, double start, float length, float note, float velocity)
{
    Envelope env{0.008f, 0.25f, 0.7f, 0.18f};
    int count = int(EnvelopeSpan(env, length) * SampleRate);
    float phase[2] = {0.0f, 0.37f}, hz = MidiToHz(note);
    Filter filter;
    int64_t at = SampleAt(start);
    for (int i = 0; i < count; i++)
    {
        float t = i * Dt;
        if (i % 32 == 0) filter.Set(1400.0f + 2600.0f * std::exp(-t / 0.25f), 0.3f);
        float vibrato = 1.0f + 0.005f * std::sin(Tau * 5.5f * t) * SmoothStepTime(t, 0.2f, 0.45f);
        float sum = 0;
        for (int v = 0; v < 2; v++)
        {
            float f = hz * vibrato * (v ? 1.004f : 0.996f);
            sum += Saw(Advance(phase[v], f), f * Dt);
        }
        bus.Add(at + i, filter.LowPass(sum * 0.5f) * EnvelopeAt(env, t, length) * velocity * 0.5f);
    }
}

void SoftBass(const Bus& bus, double start, float length, float note, float velocity)
{
    Envelope env{0.06f, 0.4f, 0.8f, 0.5f};
    int count = int(EnvelopeSpan(env, length) * SampleRate);
    float phase = 0, hz = MidiToHz(note);
    int64_t at = SampleAt(start);
    for (int i = 0; i < count; i++)
    {
        float t = i * Dt;
        float p = Advance(phase, hz);
        float tone =
            std::sin(Tau * p) + 0.25f * std::sin(2 * Tau * p) + 0.08f * std::sin(3 * Tau * p);
        bus.Add(at + i, tone * EnvelopeAt(env, t, length) * velocity * 0.6f);
    }
}

void SynthBass(const Bus& bus, double start, float length, float note, float velocity)
{
    Envelope env{0.003f, 0.12f, 0.75f, 0.06f};
    int count = int(EnvelopeSpan(env, length) * SampleRate);
    float saw = 0, sub = 0, hz = MidiToHz(note);
    Filter filter;
    int64_t at = SampleAt(start);
    for (int i = 0; i < count; i++)
    {
        float t = i * Dt;
        if (i % 16 == 0) filter.Set(220.0f + 1700.0f * std::exp(-t / 0.07f), 0.45f);
        float s = Saw(Advance(saw, hz), hz * Dt);
        float low = std::sin(Tau * Advance(sub, hz * 0.5f));
        bus.Add(at + i, (filter.LowPass(s) * 0.6f + low * 0.5f) * EnvelopeAt(env, t, length) *
                            velocity * 0.6f);
    }
}

void Bell(const Bus& bus, double start, float note, float velocity)
{
    // Two-operator FM at a 3.5 ratio: the inharmonic shimmer of a small bell or celesta.
    const float seconds = 2.2f;
    int count = int(seconds * SampleRate);
    float hz = MidiToHz(note);
    float carrier = 0, modulator = 0;
    int64_t at = SampleAt(start);
    for (int i = 0; i < count; i++)
    {
        float t = i * Dt;
        float index = 2.2f * std::exp(-t / 0.35f);
        float m = std::sin(Tau * Advance(modulator, hz * 3.5f));
        float c = std::sin(Tau * Advance(carrier, hz) + index * m);
        float amp = std::exp(-t / 0.7f) * std::min(1.0f, t / 0.002f);
        amp *= 1.0f - SmoothStepTime(t, seconds - 0.2f, seconds);
        bus.Add(at + i, c * amp * velocity * 0.4f);
    }
}

void Marimba(const Bus& bus, double start, float note, float velocity)
{
    const float seconds = 0.9f;
    int count = int(seconds * SampleRate);
    float hz = MidiToHz(note);
    float p1 = 0, p2 = 0, p3 = 0;
    int64_t at = SampleAt(start);
    for (int i = 0; i < count; i++)
    {
        float t = i * Dt;
        float attack = std::min(1.0f, t / 0.0015f);
        float tone = std::sin(Tau * Advance(p1, hz)) * std::exp(-t / 0.32f) +
                     0.4f * std::sin(Tau * Advance(p2, hz * 3.93f)) * std::exp(-t / 0.05f) +
                     0.15f * std::sin(Tau * Advance(p3, hz * 9.2f)) * std::exp(-t / 0.015f);
        tone *= 1.0f - SmoothStepTime(t, seconds - 0.1f, seconds);
        bus.Add(at + i, tone * attack * velocity * 0.45f);
    }
}

void Pluck(const Bus& bus, double start, float length, float note, float velocity)
{
    const float ring = std::min(length + 0.15f, 0.45f);
    int count = int(ring * SampleRate);
    float hz = MidiToHz(note);
    float phase = 0;
    Filter filter;
    int64_t at = SampleAt(start);
    for (int i = 0; i < count; i++)
    {
        float t = i * Dt;
        if (i % 16 == 0) filter.Set(500.0f + 3500.0f * std::exp(-t / 0.06f), 0.35f);
        float s = Square(Advance(phase, hz), hz * Dt, 0.3f);
        float amp = std::exp(-t / 0.16f) * std::min(1.0f, t / 0.002f) *
                    (1.0f - SmoothStepTime(t, ring - 0.05f, ring));
        bus.Add(at + i, filter.LowPass(s) * amp * velocity * 0.35f);
    }
}

void PluckBass(const Bus& bus, double start, float length, float note, float velocity)
{
    const float ring = std::min(length + 0.1f, 0.6f);
    int count = int(ring * SampleRate);
    float hz = MidiToHz(note);
    float phase = 0;
    int64_t at = SampleAt(start);
    for (int i = 0; i < count; i++)
    {
        float t = i * Dt;
        float p = Advance(phase, hz);
        float tone = 0.7f * std::sin(Tau * p) + 0.3f * Triangle(p) +
                     0.2f * std::sin(2 * Tau * p) * std::exp(-t / 0.05f);
        float amp = std::exp(-t / 0.3f) * std::min(1.0f, t / 0.003f) *
                    (1.0f - SmoothStepTime(t, ring - 0.06f, ring));
        bus.Add(at + i, tone * amp * velocity * 0.6f);
    }
}

void Kick(const Bus& bus, double start, float velocity)
{
    const float seconds = 0.45f;
    int count = int(seconds * SampleRate);
    float phase = 0;
    Noise click(SeedOf(start, 1));
    int64_t at = SampleAt(start);
    for (int i = 0; i < count; i++)
    {
        float t = i * Dt;
        float hz = 46.0f + 120.0f * std::exp(-t / 0.028f);
        float body = std::sin(Tau * Advance(phase, hz)) * std::exp(-t / 0.22f);
        float snap = click.Next() * std::exp(-t / 0.0015f) * 0.3f;
        float amp =
            std::min(1.0f, t / 0.0008f) * (1.0f - SmoothStepTime(t, seconds - 0.05f, seconds));
        bus.Add(at + i, (body + snap) * amp * velocity * 0.9f);
    }
}

void Snare(const Bus& bus, double start, float velocity)
{
    const float seconds = 0.3f;
    int count = int(seconds * SampleRate);
    Noise noise(SeedOf(start, 2));
    Filter band;
    band.Set(2200.0f, 0.2f);
    float phase = 0;
    int64_t at = SampleAt(start);
    for (int i = 0; i < count; i++)
    {
        float t = i * Dt;
        float tone = std::sin(Tau * Advance(phase, 190.0f - 30.0f * std::min(1.0f, t / 0.05f))) *
                     std::exp(-t / 0.05f);
        float rattle = band.BandPass(noise.Next()) * std::exp(-t / 0.11f);
        float amp =
            std::min(1.0f, t / 0.001f) * (1.0f - SmoothStepTime(t, seconds - 0.04f, seconds));
        bus.Add(at + i, (tone * 0.45f + rattle * 1.1f) * amp * velocity * 1.15f);
    }
}

void Clap(const Bus& bus, double start, float velocity)
{
    const float seconds = 0.28f;
    int count = int(seconds * SampleRate);
    Noise noise(SeedOf(start, 3));
    Filter band;
    band.Set(1300.0f, 0.35f);
    int64_t at = SampleAt(start);
    for (int i = 0; i < count; i++)
    {
        float t = i * Dt;
        // Three hands a hair apart, then the room.
        float bursts = 0;
        for (int k = 0; k < 3; k++)
        {
            float tk = t - k * 0.011f;
            if (tk >= 0) bursts += std::exp(-tk / 0.006f);
        }
        float env = bursts * 0.6f + std::exp(-t / 0.09f) * 0.5f;
        env *= std::min(1.0f, t / 0.0005f) * (1.0f - SmoothStepTime(t, seconds - 0.04f, seconds));
        bus.Add(at + i, band.BandPass(noise.Next()) * env * velocity * 3.2f);
    }
}

void HiHat(const Bus& bus, double start, float velocity, bool open)
{
    const float seconds = open ? 0.35f : 0.08f;
    int count = int(seconds * SampleRate);
    Noise noise(SeedOf(start, open ? 5 : 4));
    Filter high;
    high.Set(7500.0f, 0.2f);
    int64_t at = SampleAt(start);
    for (int i = 0; i < count; i++)
    {
        float t = i * Dt;
        float env = std::exp(-t / (open ? 0.12f : 0.022f)) * std::min(1.0f, t / 0.0005f);
        env *= 1.0f - SmoothStepTime(t, seconds - 0.02f, seconds);
        bus.Add(at + i, high.HighPass(noise.Next()) * env * velocity * 0.55f);
    }
}

void Shaker(const Bus& bus, double start, float velocity)
{
    const float seconds = 0.12f;
    int count = int(seconds * SampleRate);
    Noise noise(SeedOf(start, 6));
    Filter band;
    band.Set(5500.0f, 0.3f);
    int64_t at = SampleAt(start);
    for (int i = 0; i < count; i++)
    {
        float t = i * Dt;
        float env =
            SmoothStepTime(t, 0.0f, 0.015f) * std::exp(-std::max(0.0f, t - 0.015f) / 0.035f);
        env *= 1.0f - SmoothStepTime(t, seconds - 0.02f, seconds);
        bus.Add(at + i, band.BandPass(noise.Next()) * env * velocity * 0.85f);
    }
}
