// synth.cpp: oscillators, envelopes, filters and the looping bus effects.
#include "tools/assetgen/synth.h"

#include <algorithm>
#include <cmath>

float MidiToHz(float note)
{
    return 440.0f * std::pow(2.0f, (note - 69.0f) / 12.0f);
}

Mix::Mix(double seconds) : samples_(size_t(std::llround(seconds * SampleRate)), 0.0f) {}

void Mix::AddMix(const Mix& other, float gain)
{
    for (size_t i = 0; i < samples_.size() && i < other.samples_.size(); i++)
        samples_[i] += other.samples_[i] * gain;
}

float EnvelopeAt(const Envelope& e, float t, float length)
{
    auto held = [&](float time)
    {
        if (time < e.attack) return time / e.attack;
        float d = time - e.attack;
        if (d < e.decay) return 1.0f + (e.sustain - 1.0f) * (d / e.decay);
        return e.sustain;
    };
    if (t < 0) return 0;
    if (t < length) return held(t);
    float r = (t - length) / e.release;
    if (r >= 1.0f) return 0;
    // Exponential-looking release that still reaches zero.
    return held(length) * (1.0f - r) * (1.0f - r);
}

float SmoothStepTime(float t, float t0, float t1)
{
    float x = std::clamp((t - t0) / (t1 - t0), 0.0f, 1.0f);
    return x * x * (3.0f - 2.0f * x);
}

float EnvelopeSpan(const Envelope& e, float length)
{
    return length + e.release;
}

void Filter::Set(float cutoffHz, float resonance)
{
    cutoffHz = std::clamp(cutoffHz, 10.0f, SampleRate * 0.45f);
    g_ = std::tan(3.14159265f * cutoffHz / SampleRate);
    k_ = 2.0f - 2.0f * std::clamp(resonance, 0.0f, 0.98f);
    a1_ = 1.0f / (1.0f + g_ * (g_ + k_));
    a2_ = g_ * a1_;
    a3_ = g_ * a2_;
}

void Filter::Step(float x)
{
    float v3 = x - ic2_;
    float v1 = a1_ * ic1_ + a2_ * v3;
    float v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
    ic1_ = 2 * v1 - ic1_;
    ic2_ = 2 * v2 - ic2_;
    low_ = v2;
    band_ = v1;
    high_ = x - k_ * v1 - v2;
}

float Filter::LowPass(float x)
{
    Step(x);
    return low_;
}

float Filter::BandPass(float x)
{
    Step(x);
    return band_;
}

float Filter::HighPass(float x)
{
    Step(x);
    return high_;
}

namespace
{
// The polynomial correction that removes most aliasing from a hard edge at phase 0.
float PolyBlep(float t, float dt)
{
    if (t < dt)
    {
        t /= dt;
        return t + t - t * t - 1.0f;
    }
    if (t > 1.0f - dt)
    {
        t = (t - 1.0f) / dt;
        return t * t + t + t + 1.0f;
    }
    return 0.0f;
}
} // namespace

float Saw(float phase, float dt)
{
    return 2.0f * phase - 1.0f - PolyBlep(phase, dt);
}

float Square(float phase, float dt, float width)
{
    float v = phase < width ? 1.0f : -1.0f;
    v += PolyBlep(phase, dt);
    float shifted = phase - width;
    if (shifted < 0) shifted += 1.0f;
    v -= PolyBlep(shifted, dt);
    return v;
}

float Triangle(float phase)
{
    return 4.0f * std::fabs(phase - 0.5f) - 1.0f;
}

float Noise::Next()
{
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return float(state_ >> 8) * (2.0f / 16777216.0f) - 1.0f;
}

namespace
{
class Comb
{
  public:
    explicit Comb(size_t size) : buffer_(size, 0.0f) {}
    float Process(float x, float feedback, float damping)
    {
        float y = buffer_[index_];
        store_ = y * (1.0f - damping) + store_ * damping;
        buffer_[index_] = x + store_ * feedback;
        index_ = (index_ + 1) % buffer_.size();
        return y;
    }

  private:
    std::vector<float> buffer_;
    size_t index_ = 0;
    float store_ = 0;
};

class AllPass
{
  public:
    explicit AllPass(size_t size) : buffer_(size, 0.0f) {}
    float Process(float x)
    {
        float b = buffer_[index_];
        buffer_[index_] = x + b * 0.5f;
        index_ = (index_ + 1) % buffer_.size();
        return b - x;
    }

  private:
    std::vector<float> buffer_;
    size_t index_ = 0;
};
} // namespace

Mix ReverbOf(const Mix& send, float roomSize, float damping)
{
    // Freeverb's tunings (for 44.1 kHz), mono.
    std::vector<Comb> combs;
    for (size_t size : {1116u, 1188u, 1277u, 1356u, 1422u, 1491u, 1557u, 1617u})
        combs.emplace_back(size);
    std::vector<AllPass> allPasses;
    for (size_t size : {556u, 441u, 341u, 225u}) allPasses.emplace_back(size);
    float feedback = 0.7f + 0.28f * roomSize;
    Mix out = send;
    for (int pass = 0; pass < 2; pass++)
        for (size_t i = 0; i < send.Length(); i++)
        {
            float input = send[i] * 0.1f;
            float sum = 0;
            for (Comb& c : combs) sum += c.Process(input, feedback, damping);
            for (AllPass& a : allPasses) sum = a.Process(sum);
            if (pass == 1) out[i] = sum;
        }
    return out;
}

Mix EchoOf(const Mix& send, float seconds, float feedback)
{
    std::vector<float> line(size_t(seconds * SampleRate), 0.0f);
    Mix out = send;
    size_t index = 0;
    float tone = 0;
    for (int pass = 0; pass < 2; pass++)
        for (size_t i = 0; i < send.Length(); i++)
        {
            float delayed = line[index];
            tone += 0.35f * (delayed - tone); // each repeat a little darker
            line[index] = send[i] + tone * feedback;
            index = (index + 1) % line.size();
            if (pass == 1) out[i] = tone;
        }
    return out;
}

void SoftClip(std::vector<float>& samples, float drive)
{
    for (float& s : samples) s = std::tanh(s * drive) / drive;
}

namespace
{
double RmsOf(const std::vector<float>& samples)
{
    double sum = 0;
    for (float s : samples) sum += double(s) * s;
    return samples.empty() ? 0.0 : std::sqrt(sum / double(samples.size()));
}
} // namespace

void NormaliseRms(std::vector<float>& samples, float rmsDb, float peakDb)
{
    const double target = std::pow(10.0, rmsDb / 20.0);
    const float ceiling = std::pow(10.0f, peakDb / 20.0f), knee = 0.5f * ceiling;
    // Only the rare loud moments (a strike, a noise peak) are bent, so a sound keeps its
    // shape where a peak normalisation would have to turn the whole of it down.
    auto bend = [&](double x)
    {
        float a = float(std::fabs(x));
        if (a > knee) a = knee + (ceiling - knee) * std::tanh((a - knee) / (ceiling - knee));
        return std::copysign(a, float(x));
    };
    double rms = RmsOf(samples);
    if (rms <= 0) return;
    const std::vector<float> dry = samples;
    double gain = target / rms;
    // Rounding off takes a little of the level back: a few passes make it up.
    for (int pass = 0; pass < 16; pass++)
    {
        for (size_t i = 0; i < dry.size(); i++) samples[i] = bend(dry[i] * gain);
        double reached = RmsOf(samples);
        if (std::fabs(std::log10(reached / target)) < 0.0005) break; // 0.01 dB
        gain *= target / reached;
    }
}

void Fade(std::vector<float>& samples, float inSeconds, float outSeconds)
{
    size_t in = std::min(samples.size(), size_t(inSeconds * SampleRate));
    size_t out = std::min(samples.size(), size_t(outSeconds * SampleRate));
    for (size_t i = 0; i < in; i++) samples[i] *= float(i) / float(in);
    for (size_t i = 0; i < out; i++) samples[samples.size() - 1 - i] *= float(i) / float(out);
}
