// sound_files_test.cpp: the six sounds decode as the game decodes them (the music is Vorbis),
// the music loops without a click, and the mix lets the effects be heard over the music
// without anything clipping.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "engine/platform/sound_file.h"
#include "tests/assets/asset_test_support.h"

namespace
{
struct Sound
{
    bool loaded = false;
    int rate = 0, channels = 0;
    std::vector<float> mono; // -1..1, channels averaged
    double Seconds() const { return rate ? double(mono.size()) / rate : 0.0; }
};

Sound Decode(const std::string& gamePath)
{
    Sound s;
    DecodedSound decoded;
    std::string reason;
    if (!DecodeSoundFile(OnDisk(gamePath).c_str(), &decoded, &reason)) return s;
    s.rate = decoded.sampleRate;
    s.channels = decoded.channels;
    const size_t frames = decoded.samples.size() / decoded.channels;
    for (size_t i = 0; i < frames; i++)
    {
        float sum = 0;
        for (int c = 0; c < decoded.channels; c++)
            sum += decoded.samples[i * decoded.channels + c] / 32768.0f;
        s.mono.push_back(sum / decoded.channels);
    }
    s.loaded = true;
    return s;
}

double PeakDb(const std::vector<float>& x)
{
    float peak = 0;
    for (float v : x) peak = std::max(peak, std::fabs(v));
    return 20.0 * std::log10(peak);
}

double RmsDb(const std::vector<float>& x)
{
    double energy = 0;
    for (float v : x) energy += double(v) * v;
    return 10.0 * std::log10(energy / double(x.size()));
}
} // namespace

TEST(SoundFiles, EverySoundDecodesAsSixteenBitAt44100)
{
    std::vector<std::string> all = MusicTheGameLoops();
    for (const std::string& e : EffectsTheGamePlays()) all.push_back(e);
    for (const std::string& path : all)
    {
        SCOPED_TRACE(path);
        Sound s = Decode(path);
        ASSERT_TRUE(s.loaded) << path;
        EXPECT_EQ(s.rate, 44100);
        EXPECT_GE(s.channels, 1);
        EXPECT_LE(s.channels, 2);
    }
}

TEST(SoundFiles, EffectsAreHeardOverTheMusicAndNothingClips)
{
    // Levels are RMS over each whole file. At the default volumes a death must stand 6 dB
    // clear of any piece of music, the hover click at least level with it, and every peak
    // must leave about 1 dB of headroom (the 16-bit rounding allowed for).
    const double headroom = -0.9;
    double loudestMusic = -1000;
    for (const std::string& path : MusicTheGameLoops())
    {
        SCOPED_TRACE(path);
        Sound s = Decode(path);
        ASSERT_TRUE(s.loaded);
        EXPECT_GE(RmsDb(s.mono), -21.0);
        EXPECT_LE(RmsDb(s.mono), -19.0);
        EXPECT_LE(PeakDb(s.mono), headroom);
        loudestMusic = std::max(loudestMusic, RmsDb(s.mono));
    }
    const std::string hover = "data\\Button_VendingMachine2.wav";
    for (const std::string& path : EffectsTheGamePlays())
    {
        SCOPED_TRACE(path);
        Sound s = Decode(path);
        ASSERT_TRUE(s.loaded);
        EXPECT_GE(RmsDb(s.mono), loudestMusic + (path == hover ? 0.0 : 6.0));
        EXPECT_LE(PeakDb(s.mono), headroom);
    }
}

TEST(SoundFiles, MusicIsThirtyToNinetySecondsAndNeverFallsSilent)
{
    for (const std::string& path : MusicTheGameLoops())
    {
        SCOPED_TRACE(path);
        Sound s = Decode(path);
        ASSERT_TRUE(s.loaded);
        EXPECT_GE(s.Seconds(), 30.0);
        EXPECT_LE(s.Seconds(), 90.0);
        // Every second of a loop carries music: a dead stretch would be heard on every pass.
        for (size_t start = 0; start + s.rate <= s.mono.size(); start += s.rate)
        {
            double energy = 0;
            for (size_t i = start; i < start + s.rate; i++) energy += double(s.mono[i]) * s.mono[i];
            EXPECT_GT(std::sqrt(energy / s.rate), 0.01)
                << "silent second at " << start / s.rate << " s";
        }
    }
}

TEST(SoundFiles, MusicLoopsWithoutAClick)
{
    // The step from the last sample back to the first must be no larger than the music's
    // typical sample-to-sample step around that point (twice the mean of 50 ms either
    // side): a piece cut off mid-note jumps by a good part of its whole amplitude.
    for (const std::string& path : MusicTheGameLoops())
    {
        SCOPED_TRACE(path);
        Sound s = Decode(path);
        ASSERT_TRUE(s.loaded);
        size_t n = s.mono.size(), window = size_t(s.rate) / 20;
        ASSERT_GT(n, 2 * window);
        double steps = 0;
        for (size_t i = n - window; i + 1 < n; i++) steps += std::fabs(s.mono[i + 1] - s.mono[i]);
        for (size_t i = 0; i < window; i++) steps += std::fabs(s.mono[i + 1] - s.mono[i]);
        double typical = steps / double(2 * window - 1);
        double seam = std::fabs(s.mono[0] - s.mono[n - 1]);
        EXPECT_LE(seam, 2.0 * typical) << "typical step " << typical;
    }
}

TEST(SoundFiles, EffectsAreShortAndStartAndEndInSilence)
{
    for (const std::string& path : EffectsTheGamePlays())
    {
        SCOPED_TRACE(path);
        Sound s = Decode(path);
        ASSERT_TRUE(s.loaded);
        EXPECT_GT(s.Seconds(), 0.03);
        EXPECT_LT(s.Seconds(), 3.0);
        EXPECT_LT(std::fabs(s.mono.front()), 0.01f);
        EXPECT_LT(std::fabs(s.mono.back()), 0.01f);
    }
}

TEST(SoundFiles, EffectsAreThreeDifferentSounds)
{
    // Each effect has its own character; one file copied to three names would pass the
    // other checks.
    std::vector<Sound> effects;
    for (const std::string& path : EffectsTheGamePlays()) effects.push_back(Decode(path));
    for (size_t i = 0; i < effects.size(); i++)
        for (size_t j = i + 1; j < effects.size(); j++) EXPECT_NE(effects[i].mono, effects[j].mono);
}
