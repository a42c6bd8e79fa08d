// audio_openal.cpp: the audio device over OpenAL Soft, playing sounds decoded by sound_file.cpp.
//
// Owns the device and its context, one source per voice and one buffer per loaded sound.
// Voices are 2D: every source sits on the listener, so a mono sample plays centred and a stereo
// sample keeps its two channels. The device is the default output, or a loopback device when a
// test asks for one (ALC_SOFT_loopback), which mixes only when the test renders.
#define AL_ALEXT_PROTOTYPES
#include "engine/platform/audio.h"

#include "engine/platform/platform.h"
#include "engine/platform/sound_file.h"

#include <AL/al.h>
#include <AL/alc.h>
// The browser's OpenAL (Emscripten's, over Web Audio) has no extensions: no loopback device.
#ifndef __EMSCRIPTEN__
#include <AL/alext.h>
#define OPENAL_LOOPBACK 1
#endif

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

struct PlatformSound
{
    ALuint buffer;
};

struct PlatformVoice
{
    ALuint source;
    // Started paused and not yet unpaused. OpenAL has no "paused before the first sample"
    // state, and playing then pausing at once could let the mixer slip a few milliseconds of
    // sound out in between; such a voice stays rewound until it is unpaused instead.
    bool held;
};

namespace
{
int LoopbackRate = 0; // 0: the next device is the default output
ALCdevice* Device = nullptr;
ALCcontext* Context = nullptr;
bool DeviceIsLoopback = false;
std::vector<PlatformVoice> Voices;
std::vector<std::unique_ptr<PlatformSound>> Sounds;

// OpenAL Soft reports on stderr every back end it tries and fails; the game says once, itself,
// whether it has sound. A developer who sets ALSOFT_LOGLEVEL still gets the library's report.
void QuietLibraryLog()
{
#ifdef _WIN32
    if (!std::getenv("ALSOFT_LOGLEVEL")) _putenv_s("ALSOFT_LOGLEVEL", "0");
#else
    setenv("ALSOFT_LOGLEVEL", "0", 0);
#endif
}

void Explain(const char** failure, const char* why)
{
    if (failure) *failure = why;
}

bool Fail(const char** failure, const char* why)
{
    Explain(failure, why);
    return false;
}

void CloseDevice()
{
    alcMakeContextCurrent(nullptr);
    if (Context) alcDestroyContext(Context);
    if (Device) alcCloseDevice(Device);
    Context = nullptr;
    Device = nullptr;
    DeviceIsLoopback = false;
}

ALCdevice* OpenDevice(int voiceCount, std::vector<ALCint>* attributes, const char** failure)
{
    attributes->assign({ALC_MONO_SOURCES, voiceCount, ALC_STEREO_SOURCES, voiceCount});
    if (LoopbackRate <= 0)
    {
        ALCdevice* device = alcOpenDevice(nullptr);
        if (!device) Explain(failure, "no audio output device could be opened");
        return device;
    }
#ifndef OPENAL_LOOPBACK
    Explain(failure, "this OpenAL has no loopback device");
    return nullptr;
#else
    if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback"))
    {
        Explain(failure, "this OpenAL has no loopback device");
        return nullptr;
    }
    ALCdevice* device = alcLoopbackOpenDeviceSOFT(nullptr);
    if (!device ||
        !alcIsRenderFormatSupportedSOFT(device, LoopbackRate, ALC_STEREO_SOFT, ALC_FLOAT_SOFT))
    {
        if (device) alcCloseDevice(device);
        Explain(failure, "the loopback device cannot mix two float channels at that rate");
        return nullptr;
    }
    // HRTF off so that what a test measures does not depend on the user's OpenAL settings.
    attributes->insert(attributes->end(),
                       {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT,
                        ALC_FLOAT_SOFT, ALC_FREQUENCY, LoopbackRate, ALC_HRTF_SOFT, ALC_FALSE});
    DeviceIsLoopback = true;
    return device;
#endif
}

void Complain(const char* path, const char* why)
{
    std::fprintf(stderr, "Vantara: cannot load sound \"%s\": %s\n", path, why);
}

bool IsLoaded(const PlatformSound* sound)
{
    return std::any_of(Sounds.begin(), Sounds.end(),
                       [sound](const std::unique_ptr<PlatformSound>& s)
                       { return s.get() == sound; });
}

void DetachFromVoices(ALuint buffer)
{
    for (PlatformVoice& voice : Voices)
    {
        ALint attached = 0;
        alGetSourcei(voice.source, AL_BUFFER, &attached);
        if (static_cast<ALuint>(attached) != buffer) continue;
        alSourceStop(voice.source);
        alSourcei(voice.source, AL_BUFFER, 0);
        voice.held = false;
    }
}
} // namespace

void PlatformAudioUseLoopback(int sampleRate)
{
    LoopbackRate = sampleRate > 0 ? sampleRate : 0;
}

bool PlatformAudioOpen(int voiceCount, const char** failure)
{
    if (Device) return Fail(failure, "the audio device is already open");
    if (voiceCount <= 0) return Fail(failure, "no voices asked for");
    QuietLibraryLog();

    std::vector<ALCint> attributes;
    Device = OpenDevice(voiceCount, &attributes, failure);
    if (!Device) return false;
    attributes.push_back(0);
    Context = alcCreateContext(Device, attributes.data());
    if (!Context || !alcMakeContextCurrent(Context))
    {
        CloseDevice();
        return Fail(failure, "OpenAL could not start on the audio device");
    }

    alGetError();
    std::vector<ALuint> sources(static_cast<size_t>(voiceCount));
    alGenSources(voiceCount, sources.data());
    if (alGetError() != AL_NO_ERROR)
    {
        CloseDevice();
        return Fail(failure, "the audio device cannot play that many sounds at once");
    }
    Voices.assign(sources.size(), PlatformVoice{0, false});
    for (size_t i = 0; i < sources.size(); ++i)
    {
        Voices[i].source = sources[i];
        alSourcei(sources[i], AL_SOURCE_RELATIVE, AL_TRUE);
        alSource3f(sources[i], AL_POSITION, 0.0f, 0.0f, 0.0f);
        alSourcef(sources[i], AL_ROLLOFF_FACTOR, 0.0f);
    }
    return true;
}

const char* PlatformAudioFailureHint() { return "ALSOFT_LOGLEVEL=3 shows OpenAL's report"; }

void PlatformAudioClose()
{
    if (!Device) return;
    for (PlatformVoice& voice : Voices)
    {
        alSourceStop(voice.source);
        alSourcei(voice.source, AL_BUFFER, 0);
        alDeleteSources(1, &voice.source);
    }
    Voices.clear();
    for (const std::unique_ptr<PlatformSound>& sound : Sounds) alDeleteBuffers(1, &sound->buffer);
    Sounds.clear();
    // Closing the device is what lets a file-writing device finish its file.
    CloseDevice();
}

PlatformVoice* PlatformAudioVoice(int index)
{
    if (!Context || index < 0 || index >= static_cast<int>(Voices.size())) return nullptr;
    return &Voices[static_cast<size_t>(index)];
}

PlatformSound* PlatformLoadSound(const char* path)
{
    if (!Context || !path) return nullptr;
    DecodedSound decoded;
    std::string reason;
    if (!DecodeSoundFile(path, &decoded, &reason))
    {
        Complain(path, reason.c_str());
        return nullptr;
    }
    const ALenum format = decoded.channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
    const size_t bytes = decoded.samples.size() * sizeof(int16_t);
    if (bytes > static_cast<size_t>(INT_MAX))
    {
        Complain(path, "too long to hold in one sample");
        return nullptr;
    }

    alGetError();
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    if (alGetError() == AL_NO_ERROR)
        alBufferData(buffer, format, decoded.samples.data(), static_cast<ALsizei>(bytes),
                     decoded.sampleRate);
    if (alGetError() != AL_NO_ERROR)
    {
        if (buffer != 0) alDeleteBuffers(1, &buffer);
        Complain(path, "the audio device cannot take this sample");
        return nullptr;
    }
    Sounds.push_back(std::make_unique<PlatformSound>(PlatformSound{buffer}));
    return Sounds.back().get();
}

void PlatformReleaseSound(PlatformSound* sound)
{
    if (!Context || !IsLoaded(sound)) return;
    // OpenAL refuses to delete a buffer that any source still holds, even a stopped one.
    DetachFromVoices(sound->buffer);
    alGetError();
    alDeleteBuffers(1, &sound->buffer);
    if (alGetError() != AL_NO_ERROR)
        std::fprintf(stderr, "Vantara: a sound's sample could not be freed before exit\n");
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
    if (!Context || !voice || !IsLoaded(sound)) return false;
    alGetError();
    alSourceRewind(voice->source);
    alSourcei(voice->source, AL_BUFFER, static_cast<ALint>(sound->buffer));
    alSourcei(voice->source, AL_LOOPING, AL_FALSE);
    alSourcef(voice->source, AL_GAIN, 1.0f);
    voice->held = paused;
    if (!paused) alSourcePlay(voice->source);
    if (alGetError() == AL_NO_ERROR) return true;
    PlatformVoiceStop(voice);
    return false;
}

void PlatformVoiceStop(PlatformVoice* voice)
{
    if (!Context || !voice) return;
    alSourceStop(voice->source);
    voice->held = false;
}

void PlatformVoiceSetPaused(PlatformVoice* voice, bool paused)
{
    if (!Context || !voice) return;
    if (voice->held)
    {
        if (paused) return;
        voice->held = false;
        alSourcePlay(voice->source);
        return;
    }
    ALint state = AL_STOPPED;
    alGetSourcei(voice->source, AL_SOURCE_STATE, &state);
    // Only a sound that is still under way pauses or resumes; one that ended stays ended.
    if (paused && state == AL_PLAYING) alSourcePause(voice->source);
    if (!paused && state == AL_PAUSED) alSourcePlay(voice->source);
}

void PlatformVoiceSetLooping(PlatformVoice* voice, bool looping)
{
    if (!Context || !voice) return;
    alSourcei(voice->source, AL_LOOPING, looping ? AL_TRUE : AL_FALSE);
}

void PlatformVoiceSetVolume(PlatformVoice* voice, float volume)
{
    if (!Context || !voice) return;
    alSourcef(voice->source, AL_GAIN, volume > 0.0f ? std::min(volume, 1.0f) : 0.0f);
}

bool PlatformVoiceIsPlaying(const PlatformVoice* voice)
{
    if (!Context || !voice) return false;
    if (voice->held) return true;
    ALint state = AL_STOPPED;
    alGetSourcei(voice->source, AL_SOURCE_STATE, &state);
    return state == AL_PLAYING || state == AL_PAUSED;
}

bool PlatformAudioRenderLoopback(float* out, int frames)
{
    if (!DeviceIsLoopback || !out || frames < 0) return false;
#ifdef OPENAL_LOOPBACK
    alcRenderSamplesSOFT(Device, out, frames);
#endif
    return true;
}
