// audio.h: every sound the game plays, synthesised, and the WAV and Ogg Vorbis writers.
#pragma once

#include <string>
#include <vector>

constexpr int SampleRate = 44100;

// The mix, as each sound's RMS over its whole length in dBFS. The music sits low enough that
// at the game's default volumes the effects are heard over it: the hover click a little above
// it, the deaths well clear. Nothing peaks above PeakDb, headroom for the players' resamplers.
constexpr float MusicRmsDb = -20.0f;
constexpr float ClickRmsDb = -18.0f;
constexpr float DeathRmsDb = -13.0f;
constexpr float PeakDb = -1.0f;

// Music: seamless loops (the last sample leads straight back into the first).
std::vector<float> MenuTheme();     // calm, for the menus
std::vector<float> TutorialTheme(); // light, for the tutorial
std::vector<float> LevelTheme();    // driving, for the levels

// Effects, played once.
std::vector<float> HoverClick(); // a button under the pointer
std::vector<float> SpikeDeath(); // metallic stab and rumble
std::vector<float> LavaDeath();  // a burst of flame

// Writes 16-bit mono PCM at SampleRate. False, with a message, on failure.
bool WriteWav(const std::string& path, const std::vector<float>& samples);
// Writes mono Ogg Vorbis at SampleRate (the music). False, with a message, on failure.
bool WriteOgg(const std::string& path, const std::vector<float>& samples);
