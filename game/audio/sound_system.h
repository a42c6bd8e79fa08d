// sound_system.h: music and sound effects.
//
// Sounds are loaded whole, cached by path, and played on slots from a fixed pool of channels.
// A caller keeps the slot it was given to change its volume, pause it, loop it or ask whether
// it still plays; once a sound has finished, UpdateSounds hands its slot back to the pool.
// While the system is not running (no audio device) every operation does nothing and returns
// null or false, so the game plays on silently.
#pragma once

#include <string>

struct PlatformSound;
struct PlatformVoice;

struct Sound
{
    PlatformSound* handle; // the decoded sample; null until loaded
    std::string path;      // the text the sound was loaded from
};

struct SoundChannel
{
    PlatformVoice* channel; // the voice of the sound last started on this slot
    float volume;           // the volume last given, 0..1
    bool looping;           // repeats until stopped
    bool paused;            // the pause state last given
    const Sound* sound;     // the sound last started on this slot; never followed
};

constexpr int ChannelPoolSize = 100;

// Program-wide settings, changed by the settings window.
extern float MusicVolume;
extern float EffectsVolume;
extern bool SoundMuted;

// Starts the system on the platform's audio device. False (after one line on stderr) when no
// device can be opened; the game then runs silently.
bool InitSoundSystem();
void ShutdownSoundSystem();
bool SoundSystemRunning();

// Loads a WAV file, or returns the Sound already loaded from that path. Null on failure.
Sound* LoadSound(const char* path);
// Frees the sound and its sample; slots still playing it fall silent and return to the pool.
void ReleaseSound(Sound* sound);

// Starts `sound` once, at full volume, on a free slot, paused or not. Null when nothing can
// play: no system, no such sound, or every slot taken.
SoundChannel* PlaySound(Sound* sound, bool paused);
// Makes the slot's sound repeat until it is stopped; works on a sound already playing.
void SetChannelLooping(SoundChannel* slot);
void SetChannelPaused(SoundChannel* slot, bool paused);
// Clamps to 0..1, stores it in the slot and applies it.
void SetChannelVolume(SoundChannel* slot, float volume);
bool IsChannelPlaying(const SoundChannel* slot);
// True while the slot plays `sound`, paused or not. A slot kept across frames may since have
// gone back to the pool and now play another sound: a holder asks this before acting on it.
bool IsChannelPlayingSound(const SoundChannel* slot, const Sound* sound);
// Stops the slot's sound; the slot goes back to the pool at the next UpdateSounds.
void StopChannel(SoundChannel* slot);
// Stops the slot's sound if it still waits paused, as started in advance and never heard: a
// paused sound never ends by itself and would keep its slot for ever.
void StopIfWaiting(SoundChannel* slot);

// Slots handed out and not yet back in the pool.
int BusyChannelCount();

// Once per frame: returns the slots of finished sounds to the pool.
void UpdateSounds();
void StopAllSounds();
