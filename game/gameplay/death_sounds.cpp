// death_sounds.cpp: the spike and lava death sounds and their channels.
#include "game/gameplay/death_sounds.h"

#include "game/audio/sound_system.h"

namespace
{
struct DeathSound
{
    const char* path;
    Sound* sound;
    SoundChannel* channel;
};

DeathSound SpikeHitSound = {"data\\Hit_SwordStabEarth_Rumble1.wav", nullptr, nullptr};
DeathSound LavaHitSound = {"data\\Fire_FlameBurst1.wav", nullptr, nullptr};
DeathSound* const Both[] = {&SpikeHitSound, &LavaHitSound};

} // namespace

void PrepareDeathSounds()
{
    for (DeathSound* death : Both)
    {
        death->sound = LoadSound(death->path);
        death->channel = PlaySound(death->sound, true);
    }
}

void StopUnplayedDeathSounds()
{
    for (DeathSound* death : Both)
    {
        StopIfWaiting(death->channel);
        death->channel = nullptr;
    }
}

void ApplyDeathSoundVolumes()
{
    const float volume = SoundMuted ? 0.0f : EffectsVolume;
    for (DeathSound* death : Both) SetChannelVolume(death->channel, volume);
}

void PlayDeathSound(DeathCause cause)
{
    DeathSound& death = cause == DEATH_ON_SPIKES ? SpikeHitSound : LavaHitSound;
    if (death.channel && IsChannelPlaying(death.channel))
    {
        SetChannelPaused(death.channel, false);
        return;
    }
    death.channel = PlaySound(death.sound, false);
}

void ReleaseDeathSounds()
{
    for (DeathSound* death : Both)
    {
        ReleaseSound(death->sound);
        death->sound = nullptr;
    }
}
