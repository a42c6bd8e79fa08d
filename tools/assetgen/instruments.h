// instruments.h: the voices of the game's music, each rendering one note into a bus.
//
// Notes are MIDI numbers (60 is middle C, fractions allowed), times are seconds from the
// start of the piece, velocity is 0..1. A bus sends each note to a dry mix and, at its own
// level, to an effect send (reverb or echo).
#pragma once

#include "tools/assetgen/synth.h"

struct Bus
{
    Mix* dry = nullptr;
    float dryGain = 1.0f;
    Mix* send = nullptr;
    float sendGain = 0.0f;
    void Add(int64_t index, float value) const
    {
        dry->Add(index, value * dryGain);
        if (send) send->Add(index, value * sendGain);
    }
};

int64_t SampleAt(double seconds);

// Sustained voices.
void Pad(const Bus& bus, double start, float length, float note, float velocity, float brightness);
void Flute(const Bus& bus, double start, float length, float note, float velocity);
void Whistle(const Bus& bus, double start, float length, float note, float velocity);
void SawLead(const Bus& bus, double start, float length, float note, float velocity);
void SoftBass(const Bus& bus, double start, float length, float note, float velocity);
void SynthBass(const Bus& bus, double start, float length, float note, float velocity);

// Struck and plucked voices: the length only cuts the ring short.
void Bell(const Bus& bus, double start, float note, float velocity);
void Marimba(const Bus& bus, double start, float note, float velocity);
void Pluck(const Bus& bus, double start, float length, float note, float velocity);
void PluckBass(const Bus& bus, double start, float length, float note, float velocity);

// Drums.
void Kick(const Bus& bus, double start, float velocity);
void Snare(const Bus& bus, double start, float velocity);
void Clap(const Bus& bus, double start, float velocity);
void HiHat(const Bus& bus, double start, float velocity, bool open);
void Shaker(const Bus& bus, double start, float velocity);
