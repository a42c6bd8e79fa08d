// loopback_mix.cpp: starts the sound system on the loopback device and measures what it mixes.
#include "tests/audio/loopback_mix.h"

#include "engine/platform/audio.h"

#include <algorithm>
#include <cmath>

namespace
{
float ChannelRms(const std::vector<float>& samples, size_t first, size_t stride)
{
    double sum = 0.0;
    size_t count = 0;
    for (size_t i = first; i < samples.size(); i += stride, ++count) sum += samples[i] * samples[i];
    return count ? static_cast<float>(std::sqrt(sum / count)) : 0.0f;
}
} // namespace

int Frames(double seconds)
{
    return static_cast<int>(std::lround(seconds * MixRate));
}

float Mix::Rms() const
{
    return ChannelRms(samples, 0, 1);
}

float Mix::LeftRms() const
{
    return ChannelRms(samples, 0, 2);
}

float Mix::RightRms() const
{
    return ChannelRms(samples, 1, 2);
}

float Mix::Peak() const
{
    float peak = 0.0f;
    for (float s : samples) peak = std::max(peak, std::fabs(s));
    return peak;
}

Mix Render(double seconds)
{
    Mix mix;
    mix.samples.assign(static_cast<size_t>(Frames(seconds)) * 2, 0.0f);
    EXPECT_TRUE(PlatformAudioRenderLoopback(mix.samples.data(), Frames(seconds)));
    return mix;
}

void LoopbackTest::SetUp()
{
    PlatformAudioUseLoopback(MixRate);
    ASSERT_TRUE(InitSoundSystem());
}

void LoopbackTest::TearDown()
{
    ShutdownSoundSystem();
    PlatformAudioUseLoopback(0);
}

Sound* LoopbackTest::LoadTone(const std::string& name, double seconds)
{
    const WavFormat format;
    return LoadSound(
        files.Write(name, WavBytes(format, ToneSamples(format, seconds, 0.5))).c_str());
}
