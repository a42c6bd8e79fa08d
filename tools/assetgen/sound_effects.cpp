// sound_effects.cpp: the three one-shot effects.
//
//   Button_VendingMachine2.wav        a crisp two-part button click with a bright tick (0.12 s)
//   Hit_SwordStabEarth_Rumble1.wav    a steel stab: a scraping swish, a ringing clang of
//                                     inharmonic partials, and a low rumble of earth (1.4 s)
//   Fire_FlameBurst1.wav              a burst of flame: a low thump, a roaring whoosh that
//                                     sweeps up and down, crackling embers and a hiss (1.7 s)
#include <cmath>
#include <vector>

#include "tools/assetgen/audio.h"
#include "tools/assetgen/noise.h"
#include "tools/assetgen/synth.h"

namespace
{
constexpr float Dt = 1.0f / SampleRate;

std::vector<float> Finish(std::vector<float> samples, float rmsDb)
{
    Fade(samples, 0.001f, 0.02f);
    NormaliseRms(samples, rmsDb, PeakDb);
    return samples;
}
} // namespace

std::vector<float> HoverClick()
{
    std::vector<float> out(size_t(0.12f * SampleRate));
    Noise noise(7);
    Filter click, knock;
    click.Set(3800, 0.5f);
    knock.Set(900, 0.7f);
    float tick = 0, body = 0;
    for (size_t i = 0; i < out.size(); i++)
    {
        float t = i * Dt;
        // Press and release of a stiff button, 28 ms apart, the second one softer.
        float press = std::exp(-t / 0.002f);
        float release = t > 0.028f ? 0.5f * std::exp(-(t - 0.028f) / 0.0025f) : 0.0f;
        float n = noise.Next();
        float s = click.BandPass(n) * (press + release) * 2.2f;
        s += knock.BandPass(n) * (press + release) * 1.2f;
        // A bright, short pitched tick gives it a friendly, "selected" colour.
        tick += 2350.0f * Dt;
        body += 1175.0f * Dt;
        s += std::sin(Tau * tick) * std::exp(-t / 0.018f) * 0.35f;
        s += std::sin(Tau * body) * std::exp(-t / 0.03f) * 0.2f;
        out[i] = s;
    }
    return Finish(out, ClickRmsDb);
}

std::vector<float> SpikeDeath()
{
    std::vector<float> out(size_t(1.4f * SampleRate));
    Noise noise(11);
    Filter swish, rumble, grit;
    rumble.Set(140, 0.3f);
    grit.Set(420, 0.5f);
    // Partials of a struck steel bar: inharmonic ratios, the higher ones dying faster,
    // each pair slightly detuned so that the clang beats.
    const float base = 470.0f;
    const float ratios[5] = {1.0f, 2.76f, 5.40f, 8.93f, 13.34f};
    const float decays[5] = {0.55f, 0.32f, 0.18f, 0.1f, 0.06f};
    const float levels[5] = {0.5f, 0.45f, 0.35f, 0.25f, 0.15f};
    float phases[5][2] = {};
    float thump = 0;
    for (size_t i = 0; i < out.size(); i++)
    {
        float t = i * Dt;
        float s = 0;
        // The stab: a swish of noise sweeping down fast.
        if (t < 0.12f)
        {
            if (i % 8 == 0) swish.Set(5200.0f * std::exp(-t / 0.05f) + 600.0f, 0.55f);
            s += swish.BandPass(noise.Next()) * std::exp(-t / 0.04f) * 1.6f;
        }
        else
            noise.Next();
        // The clang, starting as the blade strikes.
        float ct = t - 0.02f;
        if (ct > 0)
            for (int k = 0; k < 5; k++)
                for (int d = 0; d < 2; d++)
                {
                    phases[k][d] += base * ratios[k] * (d ? 1.003f : 0.998f) * Dt;
                    phases[k][d] -= std::floor(phases[k][d]);
                    s += std::sin(Tau * phases[k][d]) * levels[k] * std::exp(-ct / decays[k]) *
                         0.5f * std::min(1.0f, ct / 0.001f);
                }
        // The earth: a dull thump and a long rumble.
        thump += (38.0f + 40.0f * std::exp(-t / 0.08f)) * Dt;
        s += std::sin(Tau * thump) * std::exp(-t / 0.35f) * 0.9f * std::min(1.0f, t / 0.004f);
        float r = noise.Next();
        s += rumble.LowPass(r) * std::exp(-t / 0.6f) * 4.0f;
        s += grit.BandPass(r) * std::exp(-t / 0.25f) * 0.5f;
        out[i] = s;
    }
    return Finish(out, DeathRmsDb);
}

std::vector<float> LavaDeath()
{
    std::vector<float> out(size_t(1.7f * SampleRate));
    Noise noise(13), embers(17);
    Filter whoosh, roar, hiss, crackle;
    roar.Set(260, 0.35f);
    hiss.Set(6000, 0.2f);
    crackle.Set(3200, 0.6f);
    float boom = 0, flicker = 0, crackleLevel = 0;
    Rng sparks(19);
    for (size_t i = 0; i < out.size(); i++)
    {
        float t = i * Dt;
        float n = noise.Next();
        // The whoosh: a band of noise that sweeps up as the flame bursts and falls away.
        if (i % 8 == 0)
        {
            float sweep = 500.0f + 2600.0f * std::exp(-std::pow((t - 0.18f) / 0.16f, 2.0f)) +
                          600.0f * std::exp(-t / 0.5f);
            whoosh.Set(sweep, 0.45f);
        }
        float burst = std::min(1.0f, t / 0.05f) * std::exp(-t / 0.5f);
        float s = whoosh.BandPass(n) * burst * 1.8f;
        // The roar flickers like a real fire.
        flicker += 0.002f * (embers.Next() - flicker) * 20.0f;
        s += roar.LowPass(n) * (0.7f + 0.6f * flicker) * std::min(1.0f, t / 0.03f) *
             std::exp(-t / 0.7f) * 3.5f;
        s += hiss.HighPass(n) * std::min(1.0f, t / 0.2f) * std::exp(-t / 0.6f) * 0.25f;
        // Crackling embers, thinning out.
        if (sparks.Next() < 0.0025f * std::exp(-t / 0.6f) * 44100.0f / SampleRate)
            crackleLevel = 0.6f + 0.8f * sparks.Next();
        crackleLevel *= 0.985f;
        s += crackle.BandPass(n) * crackleLevel * 2.0f;
        // The thump of the burst.
        boom += (42.0f + 50.0f * std::exp(-t / 0.06f)) * Dt;
        s += std::sin(Tau * boom) * std::exp(-t / 0.22f) * 0.7f * std::min(1.0f, t / 0.003f);
        out[i] = s;
    }
    return Finish(out, DeathRmsDb);
}
