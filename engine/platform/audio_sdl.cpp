// audio_sdl.cpp: the audio device over SDL2's audio output, mixing the voices itself.
//
// For systems without OpenAL Soft (the Windows game). Same contract as the OpenAL back end:
// 2D voices, a mono sample centred at OpenAL's level, a stereo one on its two channels;
// looping, pause, volume and the "playing" state; a loopback device for tests, which mixes
// only when the test renders. Sounds are decoded by sound_file.cpp, as for every back end.
//
// Mixing runs on SDL's audio thread for a real device; every change of a voice or a sample is
// made with the device locked, so the mixer never sees half a change.
#include "engine/platform/audio.h"

#include "engine/platform/sound_file.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

struct PlatformSound
{
    std::vector<float> samples; // interleaved, `channels` per frame
    int channels;
    int rate;
    uint64_t frames;
};

struct PlatformVoice
{
    const PlatformSound* sound;
    uint64_t position; // in frames of the sample, 32.32 fixed point
    bool playing;      // started and not yet ended or stopped
    bool paused;
    bool looping;
    float gain;
};

namespace
{
constexpr int DEVICE_RATE = 44100;
constexpr int DEVICE_FRAMES = 1024; // about 23 ms a callback
constexpr uint64_t ONE = uint64_t{1} << 32;
// The level OpenAL Soft gives a mono source at the listener's position on each of two
// speakers (measured through its loopback device: -4.5 dB), so that both games sound alike.
constexpr float MONO_GAIN = 0.5956363f;

int LoopbackRate = 0; // 0: the next device is the default output
bool Open = false;
bool DeviceIsLoopback = false;
SDL_AudioDeviceID Device = 0;
int MixRate = 0;
std::vector<PlatformVoice> Voices;
std::vector<std::unique_ptr<PlatformSound>> Sounds;

bool Fail(const char** failure, const char* why)
{
    if (failure) *failure = why;
    return false;
}

// Holds the mixer off the voices and samples for as long as it lives.
class MixerLock
{
  public:
    MixerLock()
    {
        if (Device) SDL_LockAudioDevice(Device);
    }
    ~MixerLock()
    {
        if (Device) SDL_UnlockAudioDevice(Device);
    }
    MixerLock(const MixerLock&) = delete;
    MixerLock& operator=(const MixerLock&) = delete;
};

// The sample's frame `index` on channel `channel` (a mono sample has one).
float SampleAt(const PlatformSound& sound, uint64_t index, int channel)
{
    const int c = sound.channels == 1 ? 0 : channel;
    return sound.samples[static_cast<size_t>(index) * static_cast<size_t>(sound.channels) +
                         static_cast<size_t>(c)];
}

// Adds one voice to `out` (two interleaved channels) for `frames` frames and moves it on.
void MixVoice(PlatformVoice& voice, float* out, int frames)
{
    const PlatformSound& sound = *voice.sound;
    const uint64_t step =
        (static_cast<uint64_t>(sound.rate) << 32) / static_cast<uint64_t>(MixRate);
    const uint64_t end = sound.frames << 32;
    const float gain = voice.gain * (sound.channels == 1 ? MONO_GAIN : 1.0f);
    for (int i = 0; i < frames; ++i)
    {
        if (voice.position >= end)
        {
            if (!voice.looping)
            {
                voice.playing = false;
                return;
            }
            voice.position %= end;
        }
        const uint64_t index = voice.position >> 32;
        const float t = static_cast<float>(voice.position & (ONE - 1)) / 4294967296.0f;
        // The frame after the last is the first again when looping, silence otherwise.
        const bool last = index + 1 >= sound.frames;
        for (int channel = 0; channel < 2; ++channel)
        {
            const float a = SampleAt(sound, index, channel);
            const float b = last ? (voice.looping ? SampleAt(sound, 0, channel) : 0.0f)
                                 : SampleAt(sound, index + 1, channel);
            out[2 * i + channel] += gain * (a + (b - a) * t);
        }
        voice.position += step;
    }
}

void MixInto(float* out, int frames)
{
    std::fill(out, out + 2 * static_cast<size_t>(frames), 0.0f);
    for (PlatformVoice& voice : Voices)
        if (voice.playing && !voice.paused && voice.sound) MixVoice(voice, out, frames);
    for (size_t i = 0; i < 2 * static_cast<size_t>(frames); ++i)
        out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

void SDLCALL MixCallback(void*, Uint8* stream, int bytes)
{
    MixInto(reinterpret_cast<float*>(stream), bytes / static_cast<int>(2 * sizeof(float)));
}

bool IsLoaded(const PlatformSound* sound)
{
    return std::any_of(Sounds.begin(), Sounds.end(),
                       [sound](const std::unique_ptr<PlatformSound>& s)
                       { return s.get() == sound; });
}

void Complain(const char* path, const char* why)
{
    std::fprintf(stderr, "Vantara: cannot load sound \"%s\": %s\n", path, why);
}

// The decoded 16-bit samples as floats, which the mixer adds up.
void ToFloats(const DecodedSound& decoded, PlatformSound* sound)
{
    sound->channels = decoded.channels;
    sound->rate = decoded.sampleRate;
    sound->samples.resize(decoded.samples.size());
    for (size_t i = 0; i < decoded.samples.size(); ++i)
        sound->samples[i] = static_cast<float>(decoded.samples[i]) / 32768.0f;
    sound->frames = decoded.samples.size() / static_cast<size_t>(decoded.channels);
}
} // namespace

void PlatformAudioUseLoopback(int sampleRate)
{
    LoopbackRate = sampleRate > 0 ? sampleRate : 0;
}

bool PlatformAudioOpen(int voiceCount, const char** failure)
{
    if (Open) return Fail(failure, "the audio device is already open");
    if (voiceCount <= 0) return Fail(failure, "no voices asked for");
    Voices.assign(static_cast<size_t>(voiceCount),
                  PlatformVoice{nullptr, 0, false, false, false, 1.0f});
    if (LoopbackRate > 0)
    {
        MixRate = LoopbackRate;
        DeviceIsLoopback = true;
    }
    else
    {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return Fail(failure, "no audio output device could be opened");
        SDL_AudioSpec want = {};
        want.freq = DEVICE_RATE;
        want.format = AUDIO_F32SYS;
        want.channels = 2;
        want.samples = DEVICE_FRAMES;
        want.callback = MixCallback;
        // SDL converts to whatever the hardware wants; the mixer always sees this layout.
        Device = SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
        if (!Device)
        {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            Voices.clear();
            return Fail(failure, "no audio output device could be opened");
        }
        MixRate = DEVICE_RATE;
        SDL_PauseAudioDevice(Device, 0);
    }
    Open = true;
    return true;
}

const char* PlatformAudioFailureHint()
{
    return "SDL_AUDIODRIVER chooses another of SDL's audio drivers";
}

void PlatformAudioClose()
{
    if (!Open) return;
    if (Device)
    {
        SDL_CloseAudioDevice(Device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    Device = 0;
    Voices.clear();
    Sounds.clear();
    Open = false;
    DeviceIsLoopback = false;
}

PlatformVoice* PlatformAudioVoice(int index)
{
    if (!Open || index < 0 || index >= static_cast<int>(Voices.size())) return nullptr;
    return &Voices[static_cast<size_t>(index)];
}

PlatformSound* PlatformLoadSound(const char* path)
{
    if (!Open || !path) return nullptr;
    DecodedSound decoded;
    std::string reason;
    if (!DecodeSoundFile(path, &decoded, &reason))
    {
        Complain(path, reason.c_str());
        return nullptr;
    }
    auto sound = std::make_unique<PlatformSound>();
    ToFloats(decoded, sound.get());
    MixerLock lock;
    Sounds.push_back(std::move(sound));
    return Sounds.back().get();
}

void PlatformReleaseSound(PlatformSound* sound)
{
    if (!Open || !IsLoaded(sound)) return;
    MixerLock lock;
    for (PlatformVoice& voice : Voices)
    {
        if (voice.sound != sound) continue;
        voice.sound = nullptr;
        voice.playing = false;
    }
    Sounds.erase(std::find_if(Sounds.begin(), Sounds.end(),
                              [sound](const std::unique_ptr<PlatformSound>& s)
                              { return s.get() == sound; }));
}

int PlatformLoadedSoundCount()
{
    return static_cast<int>(Sounds.size());
}

bool PlatformVoicePlay(PlatformVoice* voice, PlatformSound* sound, bool paused)
{
    if (!Open || !voice || !IsLoaded(sound)) return false;
    MixerLock lock;
    *voice = PlatformVoice{sound, 0, sound->frames > 0, paused, false, 1.0f};
    return true;
}

void PlatformVoiceStop(PlatformVoice* voice)
{
    if (!Open || !voice) return;
    MixerLock lock;
    voice->playing = false;
    voice->paused = false;
}

void PlatformVoiceSetPaused(PlatformVoice* voice, bool paused)
{
    if (!Open || !voice) return;
    MixerLock lock;
    // Only a sound that is still under way pauses or resumes; one that ended stays ended.
    if (voice->playing) voice->paused = paused;
}

void PlatformVoiceSetLooping(PlatformVoice* voice, bool looping)
{
    if (!Open || !voice) return;
    MixerLock lock;
    voice->looping = looping;
}

void PlatformVoiceSetVolume(PlatformVoice* voice, float volume)
{
    if (!Open || !voice) return;
    MixerLock lock;
    voice->gain = volume > 0.0f ? std::min(volume, 1.0f) : 0.0f;
}

bool PlatformVoiceIsPlaying(const PlatformVoice* voice)
{
    if (!Open || !voice) return false;
    MixerLock lock;
    return voice->playing;
}

bool PlatformAudioRenderLoopback(float* out, int frames)
{
    if (!DeviceIsLoopback || !out || frames < 0) return false;
    MixInto(out, frames);
    return true;
}
