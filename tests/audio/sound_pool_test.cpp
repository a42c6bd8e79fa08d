// sound_pool_test.cpp: the channel pool and the sound cache: how slots are handed out and come
// back, what a full pool does, and how loading and releasing share one sample per path.
#include "tests/audio/loopback_mix.h"

#include "engine/platform/audio.h"

#include <set>

using SoundPool = LoopbackTest;

TEST_F(SoundPool, AHundredSoundsFillThePoolAndTheNextGetsNothing)
{
    Sound* tone = LoadTone("tone.wav", 1.0);
    std::set<SoundChannel*> slots;
    for (int i = 0; i < ChannelPoolSize; ++i)
    {
        SoundChannel* slot = PlaySound(tone, false);
        ASSERT_NE(slot, nullptr) << "sound " << i;
        slots.insert(slot);
    }
    EXPECT_EQ(slots.size(), static_cast<size_t>(ChannelPoolSize)) << "every slot is distinct";
    EXPECT_EQ(PlaySound(tone, false), nullptr);
    EXPECT_EQ(PlaySound(tone, true), nullptr);
    UpdateSounds();
    EXPECT_EQ(PlaySound(tone, false), nullptr) << "nothing has finished";
    for (SoundChannel* slot : slots) EXPECT_TRUE(IsChannelPlaying(slot));
    EXPECT_GT(Render(0.05).Rms(), AudibleRms);
}

TEST_F(SoundPool, FinishedSlotReturnsAtTheNextUpdateNotBeforeAndIsHandedOutNext)
{
    Sound* blip = LoadTone("blip.wav", 0.05);
    Sound* tone = LoadTone("tone.wav", 2.0);
    SoundChannel* shortOne = PlaySound(blip, false);
    ASSERT_NE(shortOne, nullptr);
    for (int i = 1; i < ChannelPoolSize; ++i) ASSERT_NE(PlaySound(tone, false), nullptr);
    Render(0.1);
    ASSERT_FALSE(IsChannelPlaying(shortOne));

    EXPECT_EQ(PlaySound(tone, false), nullptr) << "an ended sound keeps its slot until the update";
    UpdateSounds();
    EXPECT_EQ(PlaySound(tone, false), shortOne);
    EXPECT_EQ(PlaySound(tone, false), nullptr);
}

TEST_F(SoundPool, TheSlotFreedLastIsHandedOutFirst)
{
    Sound* blip = LoadTone("blip.wav", 0.05);
    Sound* tone = LoadTone("tone.wav", 2.0);
    SoundChannel* a = PlaySound(blip, false);
    SoundChannel* b = PlaySound(tone, false);
    SoundChannel* c = PlaySound(blip, false);
    Render(0.1);
    // The busy list is examined front to back, so a goes back before c.
    UpdateSounds();
    EXPECT_EQ(PlaySound(tone, false), c);
    EXPECT_EQ(PlaySound(tone, false), a);
    EXPECT_TRUE(IsChannelPlaying(b));

    // Stopping everything empties the busy list, now b, c, a, from its back: b is freed last.
    StopAllSounds();
    EXPECT_EQ(PlaySound(tone, false), b);
}

TEST_F(SoundPool, StopAllWithNothingPlayingChangesNothing)
{
    Sound* tone = LoadTone("tone.wav", 1.0);
    StopAllSounds();
    // Slots still come in the order of a fresh pool: from the end of the array downwards.
    SoundChannel* first = PlaySound(tone, false);
    SoundChannel* second = PlaySound(tone, false);
    EXPECT_EQ(second, first - 1);
    EXPECT_TRUE(IsChannelPlaying(first));
}

TEST_F(SoundPool, SameSoundLoadedTwiceIsOneSample)
{
    Sound* first = LoadTone("tone.wav", 0.5);
    ASSERT_NE(first, nullptr);
    Sound* again = LoadSound(files.Path("tone.wav").c_str());
    EXPECT_EQ(again, first);
    EXPECT_EQ(PlatformLoadedSoundCount(), 1);
    EXPECT_EQ(first->path, files.Path("tone.wav"));

    Sound* other = LoadTone("other.wav", 0.5);
    EXPECT_NE(other, first);
    EXPECT_EQ(PlatformLoadedSoundCount(), 2);
}

TEST_F(SoundPool, GamePathsWithBackslashesLoad)
{
    LoadTone("tone.wav", 0.5);
    std::string windowsPath = files.Path("tone.wav");
    windowsPath[windowsPath.rfind('/')] = '\\';
    Sound* sound = LoadSound(windowsPath.c_str());
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->path, windowsPath);
}

TEST_F(SoundPool, ReleasingASoundThatPlaysSilencesItAndFreesItsSample)
{
    Sound* tone = LoadTone("tone.wav", 2.0);
    SoundChannel* slot = PlaySound(tone, false);
    SoundChannel* held = PlaySound(tone, true);
    SoundChannel* looped = PlaySound(tone, false);
    SetChannelLooping(looped);
    EXPECT_GT(Render(0.05).Rms(), AudibleRms);

    ReleaseSound(tone);
    EXPECT_EQ(PlatformLoadedSoundCount(), 0);
    EXPECT_FALSE(IsChannelPlaying(slot));
    EXPECT_FALSE(IsChannelPlaying(held));
    EXPECT_FALSE(IsChannelPlaying(looped));
    Render(0.02);
    EXPECT_LT(Render(0.1).Peak(), SilentPeak);

    UpdateSounds();
    EXPECT_EQ(PlaySound(LoadTone("tone.wav", 2.0), false), looped) << "the slots came back";
    EXPECT_EQ(PlatformLoadedSoundCount(), 1) << "loaded afresh, not found in the cache";
}

TEST_F(SoundPool, ASoundAlreadyReleasedIsIgnored)
{
    Sound* tone = LoadTone("tone.wav", 1.0);
    ReleaseSound(tone);
    EXPECT_EQ(PlaySound(tone, false), nullptr);
    ReleaseSound(tone);
    EXPECT_EQ(PlaySound(nullptr, false), nullptr);
    ReleaseSound(nullptr);
    EXPECT_EQ(PlatformLoadedSoundCount(), 0);
}

TEST_F(SoundPool, NullSlotsAreIgnored)
{
    SetChannelLooping(nullptr);
    SetChannelPaused(nullptr, false);
    SetChannelVolume(nullptr, 0.5f);
    EXPECT_FALSE(IsChannelPlaying(nullptr));
    EXPECT_EQ(LoadSound(nullptr), nullptr);
}

TEST_F(SoundPool, AfterShutdownEverythingIsANoOpAndAStartRunsAgain)
{
    Sound* tone = LoadTone("tone.wav", 1.0);
    SoundChannel* slot = PlaySound(tone, false);
    ASSERT_NE(slot, nullptr);
    ShutdownSoundSystem();
    EXPECT_FALSE(SoundSystemRunning());
    EXPECT_EQ(PlatformLoadedSoundCount(), 0);
    EXPECT_FALSE(IsChannelPlaying(slot));
    SetChannelVolume(slot, 0.5f);
    SetChannelPaused(slot, true);
    SetChannelLooping(slot);
    EXPECT_EQ(PlaySound(tone, false), nullptr);
    EXPECT_EQ(LoadSound(files.Path("tone.wav").c_str()), nullptr);
    UpdateSounds();
    StopAllSounds();
    ReleaseSound(tone);

    ASSERT_TRUE(InitSoundSystem());
    EXPECT_EQ(slot->channel, nullptr);
    EXPECT_EQ(slot->volume, 1.0f);
    EXPECT_TRUE(slot->paused);
    Sound* again = LoadSound(files.Path("tone.wav").c_str());
    EXPECT_NE(PlaySound(again, false), nullptr);
    EXPECT_GT(Render(0.05).Rms(), AudibleRms);
}
