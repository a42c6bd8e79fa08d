// audio_null.cpp: the audio back end of programs that must never make a sound.
//
// Implements: nothing. There is no device to open, so the sound system stays off and every
// sound operation of the game does nothing. The replay runner links it: a replay must not
// depend on, wait for or disturb a sound card.
#include "engine/platform/audio.h"

void PlatformAudioUseLoopback(int) {}

bool PlatformAudioOpen(int, const char** failure)
{
    if (failure) *failure = "this program has no audio output";
    return false;
}

const char* PlatformAudioFailureHint() { return ""; }
void PlatformAudioClose() {}
PlatformVoice* PlatformAudioVoice(int) { return nullptr; }
PlatformSound* PlatformLoadSound(const char*) { return nullptr; }
void PlatformReleaseSound(PlatformSound*) {}
int PlatformLoadedSoundCount() { return 0; }
bool PlatformVoicePlay(PlatformVoice*, PlatformSound*, bool) { return false; }
void PlatformVoiceStop(PlatformVoice*) {}
void PlatformVoiceSetPaused(PlatformVoice*, bool) {}
void PlatformVoiceSetLooping(PlatformVoice*, bool) {}
void PlatformVoiceSetVolume(PlatformVoice*, float) {}
bool PlatformVoiceIsPlaying(const PlatformVoice*) { return false; }
bool PlatformAudioRenderLoopback(float*, int) { return false; }
