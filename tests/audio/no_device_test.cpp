// no_device_test.cpp: a machine without any audio output. The game is told once and plays on
// in silence; every sound operation does nothing.
//
// OpenAL reads its driver list once per process, at its first call, so this program keeps
// OpenAL from every driver before anything else touches it.
#include "engine/platform/audio.h"
#include "game/audio/sound_system.h"
#include "tests/audio/wav_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <string>

namespace
{
void ForbidEveryAudioDriver()
{
    setenv("ALSOFT_DRIVERS", "vantara-test-no-such-driver", 1);
    unsetenv("ALSOFT_LOGLEVEL");
}

int CountLines(const std::string& text)
{
    std::istringstream lines(text);
    int count = 0;
    for (std::string line; std::getline(lines, line);) ++count;
    return count;
}
} // namespace

TEST(NoAudioDevice, StartFailsWithOneLineAndEveryOperationDoesNothing)
{
    ForbidEveryAudioDriver();
    TempDir files;
    const WavFormat format;
    const std::string path =
        files.Write("tone.wav", WavBytes(format, ToneSamples(format, 0.5, 0.5)));

    testing::internal::CaptureStderr();
    const bool started = InitSoundSystem();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(started);
    EXPECT_FALSE(SoundSystemRunning());
    EXPECT_EQ(CountLines(said), 1) << said;
    EXPECT_NE(said.find("without sound"), std::string::npos) << said;

    testing::internal::CaptureStderr();
    StopAllSounds();
    Sound* sound = LoadSound(path.c_str());
    EXPECT_EQ(sound, nullptr);
    EXPECT_EQ(PlaySound(sound, false), nullptr);
    SoundChannel slot{nullptr, 1.0f, false, true, nullptr};
    SetChannelVolume(&slot, 0.5f);
    SetChannelPaused(&slot, false);
    SetChannelLooping(&slot);
    EXPECT_FALSE(IsChannelPlaying(&slot));
    UpdateSounds();
    ReleaseSound(sound);
    ShutdownSoundSystem();
    EXPECT_EQ(slot.volume, 1.0f);
    EXPECT_TRUE(slot.paused);
    EXPECT_FALSE(slot.looping);
    EXPECT_EQ(PlatformLoadedSoundCount(), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "said once, not at every call";

    float mix[2] = {0.0f, 0.0f};
    EXPECT_FALSE(PlatformAudioRenderLoopback(mix, 1));
}

TEST(NoAudioDevice, EachStartAttemptSaysItAgainAndStillFails)
{
    ForbidEveryAudioDriver();
    for (int attempt = 0; attempt < 2; ++attempt)
    {
        testing::internal::CaptureStderr();
        EXPECT_FALSE(InitSoundSystem());
        EXPECT_EQ(CountLines(testing::internal::GetCapturedStderr()), 1);
    }
}
