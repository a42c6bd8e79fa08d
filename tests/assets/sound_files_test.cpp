// sound_files_test.cpp: the six sounds decode with SDL_LoadWAV as the game decodes them,
// the music loops without a click, and levels leave headroom without being faint.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include <SDL.h>
#include <gtest/gtest.h>

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
    SDL_AudioSpec audio;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(OnDisk(gamePath).c_str(), &audio, &buffer, &length)) return s;
    s.rate = audio.freq;
    s.channels = audio.channels;
    if (audio.format == AUDIO_S16SYS && audio.channels > 0)
    {
        const int16_t* samples = reinterpret_cast<const int16_t*>(buffer);
        size_t frames = length / 2 / audio.channels;
        for (size_t i = 0; i < frames; i++)
        {
            float sum = 0;
            for (int c = 0; c < audio.channels; c++)
                sum += samples[i * audio.channels + c] / 32768.0f;
            s.mono.push_back(sum / audio.channels);
        }
        s.loaded = true;
    }
    SDL_FreeWAV(buffer);
    return s;
}

float Peak(const std::vector<float>& x)
{
    float peak = 0;
    for (float v : x) peak = std::max(peak, std::fabs(v));
    return peak;
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
        ASSERT_TRUE(s.loaded) << SDL_GetError();
        EXPECT_EQ(s.rate, 44100);
        EXPECT_GE(s.channels, 1);
        EXPECT_LE(s.channels, 2);
        // Peak-normalised with headroom: never clipped, never faint.
        float peak = Peak(s.mono);
        EXPECT_GT(peak, 0.5f);
        EXPECT_LT(peak, 0.98f);
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
