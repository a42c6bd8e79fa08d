// death_sounds.h: the two sounds of the player's death, on spikes and in lava.
//
// Each player starts both sounds paused when it is made, so that a death is heard the very
// frame it happens by unpausing the channel. A sound that was never played is stopped when
// its player goes; one that was played rings on into the next life.
#pragma once

struct Sound;
struct SoundChannel;

enum DeathCause
{
    DEATH_ON_SPIKES,
    DEATH_IN_LAVA,
};

// Loads both sounds (cached) and starts each once, paused.
void PrepareDeathSounds();
// Stops the prepared sounds that were never played.
void StopUnplayedDeathSounds();
// Silent while the game is muted, else at the effects volume.
void ApplyDeathSoundVolumes();
// Plays the sound of `cause` from its beginning: its prepared channel if it still waits,
// otherwise a fresh one.
void PlayDeathSound(DeathCause cause);
// The exit releases both sounds; the next player loads them again.
void ReleaseDeathSounds();
