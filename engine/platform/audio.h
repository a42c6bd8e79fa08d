// audio.h: the platform's audio device, its voices and its decoded sounds.
//
// One device and context for the whole program, a fixed set of voices (one per channel slot of
// the sound system) and one sample per loaded sound. The OpenAL Soft back end lives in
// audio_openal.cpp; nothing outside engine/platform/ sees OpenAL or SDL.
//
// By default the device is the machine's default output. A test can ask for a loopback device
// instead, which mixes nothing on its own: the test renders the mix into memory and measures it.
#pragma once

struct PlatformSound; // one decoded sample, ready to play on any voice
struct PlatformVoice; // one voice that plays one sample at a time

// Chooses the device for the next PlatformAudioOpen: a loopback device mixing two float
// channels at `sampleRate`, or the default output device when `sampleRate` is 0 or less.
void PlatformAudioUseLoopback(int sampleRate);

// Opens the device and makes `voiceCount` voices. On failure returns false and points `failure`
// (when given) at a short description for a person; nothing stays open.
bool PlatformAudioOpen(int voiceCount, const char** failure);
// Where a developer learns more when the device will not open (a setting of the library
// underneath), or "" when there is nowhere.
const char* PlatformAudioFailureHint();
// Stops every voice, frees every sample still loaded and closes the device.
void PlatformAudioClose();

// Voice `index` (0 based) of the open device; null when closed or out of range.
PlatformVoice* PlatformAudioVoice(int index);

// Decodes a WAV file (8- or 16-bit PCM, mono or stereo) into a sample. The path may use '\'.
// Null, after one line on stderr, when the file is missing, damaged or in another format.
PlatformSound* PlatformLoadSound(const char* path);
// Silences every voice that uses the sample, then frees it. Null is accepted.
void PlatformReleaseSound(PlatformSound* sound);
// Samples currently loaded: each one holds one buffer of the device.
int PlatformLoadedSoundCount();

// Starts `sound` from its beginning, once, at full volume, replacing whatever the voice played.
// A voice started paused holds at the first sample until it is unpaused.
bool PlatformVoicePlay(PlatformVoice* voice, PlatformSound* sound, bool paused);
void PlatformVoiceStop(PlatformVoice* voice);
void PlatformVoiceSetPaused(PlatformVoice* voice, bool paused);
// Repeats the sample until stopped; takes effect on a voice already playing.
void PlatformVoiceSetLooping(PlatformVoice* voice, bool looping);
// Linear gain, 0..1.
void PlatformVoiceSetVolume(PlatformVoice* voice, float volume);
// True while the voice plays or is paused; false once its sample has ended or it was stopped.
bool PlatformVoiceIsPlaying(const PlatformVoice* voice);

// Loopback device only: mixes the next `frames` frames of two interleaved float channels into
// `out` (2 * frames floats). False, with `out` untouched, when no loopback device is open.
bool PlatformAudioRenderLoopback(float* out, int frames);
