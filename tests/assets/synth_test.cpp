// synth_test.cpp: the synthesiser behind the game's music and effects: loops that wrap,
// envelopes and notes that end in silence (no clicks inside the music), filters that pass
// what they should, effects that carry their tails round the loop, and the WAV writer.
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "tests/assets/asset_test_support.h"
#include "tools/assetgen/instruments.h"
#include "tools/assetgen/synth.h"

namespace fs = std::filesystem;

namespace
{
double Rms(const std::vector<float>& x, size_t from = 0)
{
    double sum = 0;
    for (size_t i = from; i < x.size(); i++) sum += double(x[i]) * x[i];
    return std::sqrt(sum / double(x.size() - from));
}

std::vector<float> FilteredSine(float hz, const std::function<float(Filter&, float)>& pass)
{
    Filter f;
    f.Set(1000, 0.2f);
    std::vector<float> out;
    for (int i = 0; i < SampleRate / 4; i++)
        out.push_back(pass(f, std::sin(Tau * hz * i / SampleRate)));
    return out;
}
} // namespace

TEST(Synth, TheMixWrapsRoundItsEnd)
{
    Mix mix(1.0);
    ASSERT_EQ(mix.Length(), size_t(SampleRate));
    mix.Add(int64_t(mix.Length()) + 5, 1.0f);
    mix.Add(-1, 0.5f);
    EXPECT_FLOAT_EQ(mix[5], 1.0f);
    EXPECT_FLOAT_EQ(mix[mix.Length() - 1], 0.5f);
}

TEST(Synth, EnvelopesRiseHoldAndReleaseToSilenceWithoutJumps)
{
    Envelope e{0.01f, 0.1f, 0.6f, 0.2f};
    EXPECT_FLOAT_EQ(EnvelopeAt(e, -0.1f, 1.0f), 0.0f);
    EXPECT_FLOAT_EQ(EnvelopeAt(e, 0.0f, 1.0f), 0.0f);
    EXPECT_NEAR(EnvelopeAt(e, 0.01f, 1.0f), 1.0f, 1e-4f);
    EXPECT_NEAR(EnvelopeAt(e, 0.5f, 1.0f), 0.6f, 1e-5f);
    EXPECT_NEAR(EnvelopeAt(e, 1.0f - 1e-4f, 1.0f), EnvelopeAt(e, 1.0f + 1e-4f, 1.0f), 1e-3f);
    EXPECT_FLOAT_EQ(EnvelopeAt(e, 1.2f, 1.0f), 0.0f);
    // A note released during its attack starts its release from where it got to.
    EXPECT_NEAR(EnvelopeAt(e, 0.005f + 1e-5f, 0.005f), 0.5f, 0.01f);
}

TEST(Synth, FiltersPassTheirBandAndStopTheRest)
{
    auto low = [](Filter& f, float x) { return f.LowPass(x); };
    auto high = [](Filter& f, float x) { return f.HighPass(x); };
    auto band = [](Filter& f, float x) { return f.BandPass(x); };
    const size_t settled = SampleRate / 20;
    EXPECT_GT(Rms(FilteredSine(100, low), settled), 0.6);
    EXPECT_LT(Rms(FilteredSine(8000, low), settled), 0.02);
    EXPECT_LT(Rms(FilteredSine(100, high), settled), 0.02);
    EXPECT_GT(Rms(FilteredSine(8000, high), settled), 0.6);
    EXPECT_GT(Rms(FilteredSine(1000, band), settled), 4 * Rms(FilteredSine(8000, band), settled));
}

TEST(Synth, OscillatorsStayInRangeAndCentred)
{
    float phase = 0, dt = 440.0f / SampleRate;
    double sum = 0;
    for (int i = 0; i < SampleRate; i++)
    {
        phase += dt;
        phase -= std::floor(phase);
        float saw = Saw(phase, dt), square = Square(phase, dt), tri = Triangle(phase);
        EXPECT_LE(std::fabs(saw), 1.2f);
        EXPECT_LE(std::fabs(square), 1.2f);
        EXPECT_LE(std::fabs(tri), 1.0f);
        sum += saw + square;
    }
    EXPECT_NEAR(sum / SampleRate, 0.0, 0.02);
}

TEST(Synth, EveryVoiceStartsAndEndsInSilence)
{
    // A voice that starts or stops with a jump clicks on every note of the music.
    struct Voice
    {
        const char* name;
        std::function<void(const Bus&)> play;
    };
    const std::vector<Voice> voices = {
        {"pad", [](const Bus& b) { Pad(b, 0.5, 1.0f, 60, 1.0f, 0.5f); }},
        {"flute", [](const Bus& b) { Flute(b, 0.5, 1.0f, 72, 1.0f); }},
        {"whistle", [](const Bus& b) { Whistle(b, 0.5, 0.5f, 76, 1.0f); }},
        {"saw lead", [](const Bus& b) { SawLead(b, 0.5, 0.5f, 76, 1.0f); }},
        {"soft bass", [](const Bus& b) { SoftBass(b, 0.5, 1.0f, 38, 1.0f); }},
        {"synth bass", [](const Bus& b) { SynthBass(b, 0.5, 0.2f, 40, 1.0f); }},
        {"bell", [](const Bus& b) { Bell(b, 0.5, 74, 1.0f); }},
        {"marimba", [](const Bus& b) { Marimba(b, 0.5, 76, 1.0f); }},
        {"pluck", [](const Bus& b) { Pluck(b, 0.5, 0.1f, 76, 1.0f); }},
        {"pluck bass", [](const Bus& b) { PluckBass(b, 0.5, 0.3f, 48, 1.0f); }},
        {"kick", [](const Bus& b) { Kick(b, 0.5, 1.0f); }},
        {"snare", [](const Bus& b) { Snare(b, 0.5, 1.0f); }},
        {"clap", [](const Bus& b) { Clap(b, 0.5, 1.0f); }},
        {"closed hat", [](const Bus& b) { HiHat(b, 0.5, 1.0f, false); }},
        {"open hat", [](const Bus& b) { HiHat(b, 0.5, 1.0f, true); }},
        {"shaker", [](const Bus& b) { Shaker(b, 0.5, 1.0f); }},
    };
    for (const Voice& v : voices)
    {
        SCOPED_TRACE(v.name);
        Mix mix(5.0);
        v.play(Bus{&mix, 1.0f, nullptr, 0.0f});
        const std::vector<float>& s = mix.Samples();
        size_t start = SampleAt(0.5);
        float peak = 0;
        size_t last = 0;
        for (size_t i = 0; i < s.size(); i++)
        {
            peak = std::max(peak, std::fabs(s[i]));
            if (s[i] != 0.0f) last = i;
        }
        ASSERT_GT(peak, 0.01f);
        EXPECT_FLOAT_EQ(s[start - 1], 0.0f) << "sounds before its start";
        EXPECT_LT(std::fabs(s[start]), 0.05f * peak) << "starts with a jump";
        EXPECT_LT(last, s.size() - size_t(SampleRate)) << "rings on for seconds";
        float tail = 0;
        for (size_t i = last - SampleRate / 1000; i <= last; i++)
            tail = std::max(tail, std::fabs(s[i]));
        EXPECT_LT(tail, 0.02f * peak) << "stops with a jump";
    }
}

TEST(Synth, EchoAndReverbCarryTheirTailsRoundTheLoop)
{
    // A sound just before the end of a loop echoes at its start, as it will when the loop
    // plays again; silence stays silence.
    Mix send(2.0);
    send[send.Length() - 10] = 1.0f;
    Mix echo = EchoOf(send, 0.25f, 0.5f);
    Mix reverb = ReverbOf(send, 0.8f, 0.4f);
    double echoStart = 0, reverbStart = 0;
    for (size_t i = 0; i < size_t(SampleRate / 2); i++)
    {
        echoStart += std::fabs(echo[i]);
        reverbStart += std::fabs(reverb[i]);
    }
    EXPECT_GT(echoStart, 0.01);
    EXPECT_GT(reverbStart, 0.01);
    Mix quiet(1.0);
    for (const Mix& out : {EchoOf(quiet, 0.25f, 0.5f), ReverbOf(quiet, 0.8f, 0.4f)})
        for (size_t i = 0; i < out.Length(); i++) ASSERT_EQ(out[i], 0.0f);
}

TEST(Synth, LevelsAreNormalisedAndSoftlyLimited)
{
    // A sound with headroom to spare only changes level; one with a spike reaches its RMS
    // with the spike rounded off under the ceiling, the quiet part still a plain gain.
    auto db = [](double x) { return 20.0 * std::log10(x); };
    std::vector<float> x = {0.1f, -0.4f, 0.2f, 0.0f};
    NormaliseRms(x, -20.0f, -1.0f);
    EXPECT_NEAR(db(Rms(x)), -20.0, 0.02);
    EXPECT_FLOAT_EQ(x[1], -4.0f * x[0]);
    EXPECT_FLOAT_EQ(x[3], 0.0f);
    std::vector<float> spiky(1000);
    for (size_t i = 0; i < spiky.size(); i++) spiky[i] = i % 2 ? 0.02f : 0.01f;
    spiky[500] = -1.0f;
    NormaliseRms(spiky, -12.0f, -1.0f);
    EXPECT_NEAR(db(Rms(spiky)), -12.0, 0.02);
    EXPECT_LE(db(-spiky[500]), -1.0 + 1e-4);
    EXPECT_GT(db(-spiky[500]), -1.5);
    EXPECT_FLOAT_EQ(spiky[1], 2.0f * spiky[0]);
    std::vector<float> loud = {5.0f, -5.0f, 0.01f};
    SoftClip(loud, 2.0f);
    EXPECT_LT(loud[0], 0.5f + 1e-6f);
    EXPECT_GT(loud[1], -0.5f - 1e-6f);
    EXPECT_NEAR(loud[2], 0.01f, 1e-4f); // quiet sounds pass almost untouched
    std::vector<float> tone(1000, 1.0f);
    Fade(tone, 0.001f, 0.002f);
    EXPECT_FLOAT_EQ(tone.front(), 0.0f);
    EXPECT_FLOAT_EQ(tone.back(), 0.0f);
    EXPECT_FLOAT_EQ(tone[500], 1.0f);
}

TEST(WavWriter, WritesPlainSixteenBitMonoPcm)
{
    std::string file = (fs::temp_directory_path() / "vantara-wav-test.wav").string();
    ASSERT_TRUE(WriteWav(file, {0.0f, 0.5f, -0.5f, 2.0f, -2.0f}));
    std::vector<uint8_t> b = ReadBytes(file);
    fs::remove(file);
    ASSERT_EQ(b.size(), 44u + 10u);
    auto u16 = [&](size_t at) { return unsigned(b[at] | b[at + 1] << 8); };
    auto u32 = [&](size_t at) { return u16(at) | u16(at + 2) << 16; };
    EXPECT_EQ(std::memcmp(b.data(), "RIFF", 4), 0);
    EXPECT_EQ(u32(4), 36u + 10u);
    EXPECT_EQ(std::memcmp(b.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(u16(20), 1u); // PCM
    EXPECT_EQ(u16(22), 1u); // mono
    EXPECT_EQ(u32(24), 44100u);
    EXPECT_EQ(u16(34), 16u); // bits
    EXPECT_EQ(std::memcmp(b.data() + 36, "data", 4), 0);
    EXPECT_EQ(u32(40), 10u);
    auto sample = [&](int i) { return int16_t(u16(44 + 2 * i)); };
    EXPECT_EQ(sample(0), 0);
    EXPECT_EQ(sample(1), 16384);
    EXPECT_EQ(sample(2), -16384);
    EXPECT_EQ(sample(3), 32767); // clipped, not wrapped round to a negative
    EXPECT_EQ(sample(4), -32767);
}

TEST(WavWriter, FailsForAnUnwritablePath)
{
    EXPECT_FALSE(WriteWav("/nonexistent-folder/for/sure/sound.wav", {0.0f}));
}
