// sound_playback_test.cpp: what the player hears, measured in the loopback mix: volume, pause,
// stop, looping, and sample formats.
#include "tests/audio/loopback_mix.h"

#include <cmath>

using SoundPlayback = LoopbackTest;

// Volume changes glide over a few milliseconds instead of clicking; measurements after a
// change skip this much.
constexpr double Settle = 0.02;

TEST_F(SoundPlayback, SoundAtFullVolumeIsHeardAndSilenceBeforeIt)
{
    EXPECT_LT(Render(0.05).Peak(), SilentPeak);
    Sound* tone = LoadTone("tone.wav", 1.0);
    ASSERT_NE(tone, nullptr);
    SoundChannel* slot = PlaySound(tone, false);
    ASSERT_NE(slot, nullptr);
    EXPECT_TRUE(IsChannelPlaying(slot));
    EXPECT_GT(Render(0.1).Rms(), AudibleRms);
}

TEST_F(SoundPlayback, VolumeZeroIsSilentAndHalfVolumeHalvesTheLevel)
{
    SoundChannel* slot = PlaySound(LoadTone("tone.wav", 2.0), false);
    ASSERT_NE(slot, nullptr);
    const float full = Render(0.1).Rms();

    SetChannelVolume(slot, 0.5f);
    Render(Settle);
    EXPECT_NEAR(Render(0.1).Rms() / full, 0.5f, 0.05f);

    SetChannelVolume(slot, 0.0f);
    Render(Settle);
    EXPECT_LT(Render(0.1).Peak(), SilentPeak);
    EXPECT_TRUE(IsChannelPlaying(slot)) << "a silenced sound still plays on";

    SetChannelVolume(slot, 1.5f);
    Render(Settle);
    EXPECT_NEAR(Render(0.1).Rms() / full, 1.0f, 0.05f) << "1.5 plays as full volume";
}

TEST_F(SoundPlayback, VolumeIsClampedToZeroToOne)
{
    SoundChannel* slot = PlaySound(LoadTone("tone.wav", 1.0), false);
    ASSERT_NE(slot, nullptr);
    SetChannelVolume(slot, 1.5f);
    EXPECT_EQ(slot->volume, 1.0f);
    SetChannelVolume(slot, -0.2f);
    EXPECT_EQ(slot->volume, 0.0f);
    SetChannelVolume(slot, 0.35f);
    EXPECT_EQ(slot->volume, 0.35f);
    SetChannelVolume(slot, std::nanf(""));
    EXPECT_EQ(slot->volume, 0.0f);
}

TEST_F(SoundPlayback, SoundMutedBeforeAnythingIsMixedIsNeverHeard)
{
    SoundChannel* slot = PlaySound(LoadTone("tone.wav", 1.0), false);
    ASSERT_NE(slot, nullptr);
    SetChannelVolume(slot, 0.0f);
    EXPECT_LT(Render(0.2).Peak(), SilentPeak);
}

TEST_F(SoundPlayback, SoundStartedPausedIsSilentUntilUnpausedThenPlaysFromItsStart)
{
    Sound* tone = LoadTone("tone.wav", 0.2);
    SoundChannel* slot = PlaySound(tone, true);
    ASSERT_NE(slot, nullptr);
    EXPECT_NE(slot->channel, nullptr);
    EXPECT_TRUE(slot->paused);
    EXPECT_LT(Render(0.5).Peak(), SilentPeak);

    EXPECT_TRUE(IsChannelPlaying(slot)) << "a paused sound counts as playing";
    UpdateSounds();
    EXPECT_EQ(PlaySound(tone, false), slot - 1) << "the paused slot stays taken";

    StopAllSounds();
    slot = PlaySound(tone, true);
    SetChannelPaused(slot, false);
    EXPECT_FALSE(slot->paused);
    EXPECT_GT(Render(0.15).Rms(), AudibleRms);
    EXPECT_TRUE(IsChannelPlaying(slot)) << "all of the sound is still ahead after a held start";
    Render(0.1);
    EXPECT_FALSE(IsChannelPlaying(slot));
}

TEST_F(SoundPlayback, PausingSilencesAndResumingGoesOn)
{
    SoundChannel* slot = PlaySound(LoadTone("tone.wav", 0.3), false);
    ASSERT_NE(slot, nullptr);
    Render(0.1);
    SetChannelPaused(slot, true);
    Render(Settle);
    EXPECT_LT(Render(1.0).Peak(), SilentPeak);
    EXPECT_TRUE(IsChannelPlaying(slot));

    SetChannelPaused(slot, false);
    EXPECT_GT(Render(0.1).Rms(), AudibleRms);
    Render(0.15);
    EXPECT_FALSE(IsChannelPlaying(slot)) << "resumed where it stopped, not from the start";
}

TEST_F(SoundPlayback, UnpausingASoundThatEndedDoesNotStartItAgain)
{
    SoundChannel* slot = PlaySound(LoadTone("tone.wav", 0.1), false);
    ASSERT_NE(slot, nullptr);
    Render(0.2);
    ASSERT_FALSE(IsChannelPlaying(slot));
    SetChannelPaused(slot, false);
    EXPECT_FALSE(IsChannelPlaying(slot));
    EXPECT_LT(Render(0.1).Peak(), SilentPeak);
}

TEST_F(SoundPlayback, StopAllSoundsSilencesEverySlot)
{
    Sound* tone = LoadTone("tone.wav", 2.0);
    SoundChannel* first = PlaySound(tone, false);
    SoundChannel* second = PlaySound(tone, false);
    SoundChannel* held = PlaySound(tone, true);
    ASSERT_TRUE(first && second && held);
    EXPECT_GT(Render(0.1).Rms(), AudibleRms);

    StopAllSounds();
    EXPECT_FALSE(IsChannelPlaying(first));
    EXPECT_FALSE(IsChannelPlaying(second));
    EXPECT_FALSE(IsChannelPlaying(held));
    Render(Settle);
    EXPECT_LT(Render(0.2).Peak(), SilentPeak);
    SetChannelPaused(held, false);
    EXPECT_LT(Render(0.2).Peak(), SilentPeak) << "a stopped held sound stays stopped";
}

TEST_F(SoundPlayback, LoopedSoundOutlastsThreeTimesItsLengthAndAOneShotEnds)
{
    Sound* tone = LoadTone("tone.wav", 0.1);
    SoundChannel* looped = PlaySound(tone, false);
    ASSERT_NE(looped, nullptr);
    SetChannelLooping(looped);
    EXPECT_TRUE(looped->looping);
    Render(0.3);
    EXPECT_GT(Render(0.05).Rms(), AudibleRms);
    EXPECT_TRUE(IsChannelPlaying(looped));

    StopAllSounds();
    SoundChannel* once = PlaySound(tone, false);
    ASSERT_NE(once, nullptr);
    EXPECT_FALSE(once->looping) << "a reused slot does not keep its old loop";
    Render(0.12);
    EXPECT_LT(Render(0.1).Peak(), SilentPeak);
    EXPECT_FALSE(IsChannelPlaying(once));
}

TEST_F(SoundPlayback, LoopingSetOnASoundAlreadyPlayingKeepsItGoing)
{
    SoundChannel* slot = PlaySound(LoadTone("tone.wav", 0.1), false);
    ASSERT_NE(slot, nullptr);
    Render(0.06);
    SetChannelLooping(slot);
    Render(0.3);
    EXPECT_GT(Render(0.05).Rms(), AudibleRms);
}

TEST_F(SoundPlayback, ReplayedSlotStartsAtFullVolumeWhateverItsLastHolderSet)
{
    Sound* tone = LoadTone("tone.wav", 0.1);
    SoundChannel* slot = PlaySound(tone, false);
    ASSERT_NE(slot, nullptr);
    SetChannelVolume(slot, 0.0f);
    Render(0.2);
    UpdateSounds();
    ASSERT_EQ(PlaySound(tone, false), slot);
    EXPECT_EQ(slot->volume, 1.0f);
    EXPECT_GT(Render(0.05).Rms(), AudibleRms);
}

TEST_F(SoundPlayback, EightBitStereoAndOtherRatesPlayAsWritten)
{
    WavFormat eightBit;
    eightBit.bitsPerSample = 8;
    Sound* byteTone = LoadSound(
        files.Write("u8.wav", WavBytes(eightBit, ToneSamples(eightBit, 0.5, 0.5))).c_str());
    ASSERT_NE(byteTone, nullptr);
    ASSERT_NE(PlaySound(byteTone, false), nullptr);
    const Mix mono = Render(0.1);
    EXPECT_GT(mono.Rms(), AudibleRms);
    EXPECT_NEAR(mono.LeftRms() / mono.RightRms(), 1.0f, 0.05f) << "mono plays centred";
    StopAllSounds();
    Render(Settle);

    WavFormat stereo;
    stereo.channels = 2;
    Sound* leftTone = LoadSound(
        files.Write("left.wav", WavBytes(stereo, ToneSamples(stereo, 0.5, 0.5, true))).c_str());
    ASSERT_NE(leftTone, nullptr);
    ASSERT_NE(PlaySound(leftTone, false), nullptr);
    const Mix left = Render(0.1);
    EXPECT_GT(left.LeftRms(), AudibleRms);
    EXPECT_LT(left.RightRms(), left.LeftRms() / 10) << "stereo keeps its channels apart";
    StopAllSounds();
    Render(Settle);

    WavFormat slow;
    slow.sampleRate = 22050;
    Sound* slowTone =
        LoadSound(files.Write("22k.wav", WavBytes(slow, ToneSamples(slow, 0.2, 0.5))).c_str());
    SoundChannel* slot = PlaySound(slowTone, false);
    ASSERT_NE(slot, nullptr);
    Render(0.18);
    EXPECT_TRUE(IsChannelPlaying(slot)) << "a 22050 Hz sound lasts as long as written";
    Render(0.05);
    EXPECT_FALSE(IsChannelPlaying(slot));
}
