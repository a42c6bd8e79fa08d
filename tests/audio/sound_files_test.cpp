// sound_files_test.cpp: files that are not playable WAVs give no sound, leave nothing loaded
// and are not remembered as failures.
#include "tests/audio/loopback_mix.h"

#include "engine/platform/audio.h"

#include <cstring>

using SoundFiles = LoopbackTest;

namespace
{
std::vector<uint8_t> Text(const char* text)
{
    return std::vector<uint8_t>(text, text + std::strlen(text));
}
} // namespace

TEST_F(SoundFiles, MissingEmptyAndForeignFilesLoadNothing)
{
    EXPECT_EQ(LoadSound(files.Path("absent.wav").c_str()), nullptr);
    EXPECT_EQ(LoadSound(files.Write("empty.wav", {}).c_str()), nullptr);
    EXPECT_EQ(LoadSound(files.Write("notes.wav", Text("these are not samples\n")).c_str()),
              nullptr);
    EXPECT_EQ(LoadSound(files.Path("").c_str()), nullptr) << "a directory";
    EXPECT_EQ(PlatformLoadedSoundCount(), 0);
}

TEST_F(SoundFiles, TruncatedFilesLoadNothing)
{
    const WavFormat format;
    const std::vector<uint8_t> whole = WavBytes(format, ToneSamples(format, 0.5, 0.5));
    const std::vector<uint8_t> cutInData(whole.begin(), whole.begin() + whole.size() / 2);
    const std::vector<uint8_t> cutInHeader(whole.begin(), whole.begin() + 30);
    EXPECT_EQ(LoadSound(files.Write("cut-data.wav", cutInData).c_str()), nullptr);
    EXPECT_EQ(LoadSound(files.Write("cut-header.wav", cutInHeader).c_str()), nullptr);
    EXPECT_EQ(PlatformLoadedSoundCount(), 0);
}

TEST_F(SoundFiles, FormatsOpenALCannotTakeLoadNothing)
{
    WavFormat floats;
    floats.formatTag = 3;
    floats.bitsPerSample = 32;
    WavFormat deep;
    deep.bitsPerSample = 24;
    WavFormat wide;
    wide.bitsPerSample = 32;
    WavFormat surround;
    surround.channels = 6;
    for (const WavFormat& format : {floats, deep, wide, surround})
    {
        const std::string path =
            files.Write("odd.wav", WavBytes(format, ToneSamples(format, 0.1, 0.5)));
        EXPECT_EQ(LoadSound(path.c_str()), nullptr)
            << format.formatTag << " " << format.channels << "x" << format.bitsPerSample;
    }
    EXPECT_EQ(PlatformLoadedSoundCount(), 0);
}

TEST_F(SoundFiles, FailedLoadIsNotCachedAndNothingPlaysIt)
{
    const std::string path = files.Write("later.wav", Text("not yet"));
    Sound* missing = LoadSound(path.c_str());
    ASSERT_EQ(missing, nullptr);
    EXPECT_EQ(PlaySound(missing, false), nullptr);
    EXPECT_LT(Render(0.05).Peak(), SilentPeak);

    const WavFormat format;
    files.Write("later.wav", WavBytes(format, ToneSamples(format, 0.5, 0.5)));
    Sound* sound = LoadSound(path.c_str());
    ASSERT_NE(sound, nullptr) << "the fixed file loads";
    ASSERT_NE(PlaySound(sound, false), nullptr);
    EXPECT_GT(Render(0.05).Rms(), AudibleRms);
}
