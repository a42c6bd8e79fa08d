// sound_system.cpp: the pool of channels, the sound cache and the volume settings.
//
// The pool's slots live for the whole program, so a handle a caller keeps is always valid
// memory; slot i always plays on the platform's voice i. Slots move from the back of the free
// list to the back of the busy list when a sound starts and back to the back of the free list
// when the sound is found finished or is stopped, so the slot freed last is handed out next.
// Both lists keep room for every slot, so playing a sound never allocates.
#include "game/audio/sound_system.h"

#include "engine/platform/audio.h"

#include <cstdio>
#include <map>
#include <memory>
#include <vector>

float MusicVolume = 1.0f;
float EffectsVolume = 1.0f;
bool SoundMuted = false;

namespace
{
bool Running = false;
SoundChannel Pool[ChannelPoolSize];
std::vector<SoundChannel*> FreeSlots;
std::vector<SoundChannel*> BusySlots;
// Keyed by the path text exactly as given; std::string orders byte by byte.
std::map<std::string, std::unique_ptr<Sound>> SoundTable;

// A pointer the table still owns. Callers share cached sounds, so one of them may still hold a
// sound that another has released; such a pointer must not be followed.
std::map<std::string, std::unique_ptr<Sound>>::iterator FindLoaded(const Sound* sound)
{
    auto entry = SoundTable.begin();
    while (entry != SoundTable.end() && entry->second.get() != sound) ++entry;
    return entry;
}

bool IsLoaded(const Sound* sound)
{
    return sound && FindLoaded(sound) != SoundTable.end();
}

PlatformVoice* VoiceOf(const SoundChannel* slot)
{
    return PlatformAudioVoice(static_cast<int>(slot - Pool));
}

// A slot the caller may act on: the system runs and the slot has a sound.
bool Usable(const SoundChannel* slot)
{
    return Running && slot && slot->channel;
}
} // namespace

bool InitSoundSystem()
{
    if (Running) return true;
    const char* failure = "unknown reason";
    if (!PlatformAudioOpen(ChannelPoolSize, &failure))
    {
        const char* hint = PlatformAudioFailureHint();
        std::fprintf(stderr, "Vantara: %s; the game runs without sound%s%s%s\n", failure,
                     *hint ? " (" : "", hint, *hint ? ")" : "");
        return false;
    }
    FreeSlots.clear();
    BusySlots.clear();
    FreeSlots.reserve(ChannelPoolSize);
    BusySlots.reserve(ChannelPoolSize);
    for (SoundChannel& slot : Pool)
    {
        slot = SoundChannel{nullptr, 1.0f, false, true, nullptr};
        FreeSlots.push_back(&slot);
    }
    Running = true;
    return true;
}

void ShutdownSoundSystem()
{
    if (!Running) return;
    for (const auto& entry : SoundTable) PlatformReleaseSound(entry.second->handle);
    SoundTable.clear();
    PlatformAudioClose();
    FreeSlots.clear();
    BusySlots.clear();
    for (SoundChannel& slot : Pool) slot.channel = nullptr;
    Running = false;
}

bool SoundSystemRunning()
{
    return Running;
}

Sound* LoadSound(const char* path)
{
    if (!Running || !path) return nullptr;
    const auto cached = SoundTable.find(path);
    if (cached != SoundTable.end()) return cached->second.get();
    PlatformSound* handle = PlatformLoadSound(path);
    if (!handle) return nullptr;
    auto sound = std::make_unique<Sound>(Sound{handle, path});
    Sound* result = sound.get();
    SoundTable.emplace(path, std::move(sound));
    return result;
}

void ReleaseSound(Sound* sound)
{
    if (!Running || !IsLoaded(sound)) return;
    // The slots that played it stop here and go back to the pool at the next UpdateSounds.
    PlatformReleaseSound(sound->handle);
    sound->handle = nullptr;
    SoundTable.erase(FindLoaded(sound));
}

SoundChannel* PlaySound(Sound* sound, bool paused)
{
    if (!Running || !IsLoaded(sound) || FreeSlots.empty()) return nullptr;
    SoundChannel* slot = FreeSlots.back();
    PlatformVoice* voice = VoiceOf(slot);
    if (!PlatformVoicePlay(voice, sound->handle, paused)) return nullptr;
    FreeSlots.pop_back();
    BusySlots.push_back(slot);
    // A fresh start plays once at full volume, whatever the slot's last holder had set.
    *slot = SoundChannel{voice, 1.0f, false, paused, sound};
    return slot;
}

void SetChannelLooping(SoundChannel* slot)
{
    if (!Usable(slot)) return;
    slot->looping = true;
    PlatformVoiceSetLooping(slot->channel, true);
}

void SetChannelPaused(SoundChannel* slot, bool paused)
{
    if (!Usable(slot)) return;
    slot->paused = paused;
    PlatformVoiceSetPaused(slot->channel, paused);
}

void SetChannelVolume(SoundChannel* slot, float volume)
{
    if (!Usable(slot)) return;
    // Written so that NaN, like anything below the range, counts as silence.
    slot->volume = volume > 0.0f ? (volume < 1.0f ? volume : 1.0f) : 0.0f;
    PlatformVoiceSetVolume(slot->channel, slot->volume);
}

bool IsChannelPlaying(const SoundChannel* slot)
{
    return Usable(slot) && PlatformVoiceIsPlaying(slot->channel);
}

bool IsChannelPlayingSound(const SoundChannel* slot, const Sound* sound)
{
    return sound && IsChannelPlaying(slot) && slot->sound == sound;
}

int BusyChannelCount() { return static_cast<int>(BusySlots.size()); }

void StopChannel(SoundChannel* slot)
{
    if (!Usable(slot)) return;
    PlatformVoiceStop(slot->channel);
}

void StopIfWaiting(SoundChannel* slot)
{
    if (IsChannelPlaying(slot) && slot->paused) StopChannel(slot);
}

void UpdateSounds()
{
    if (!Running) return;
    size_t kept = 0;
    for (SoundChannel* slot : BusySlots)
    {
        if (IsChannelPlaying(slot))
            BusySlots[kept++] = slot;
        else
            FreeSlots.push_back(slot);
    }
    BusySlots.resize(kept);
}

void StopAllSounds()
{
    if (!Running) return;
    while (!BusySlots.empty())
    {
        SoundChannel* slot = BusySlots.back();
        if (slot->channel) PlatformVoiceStop(slot->channel);
        FreeSlots.push_back(slot);
        BusySlots.pop_back();
    }
}
