// loopback_mix.h: a sound system running on the loopback device, and the mix it renders.
//
// Nothing is mixed until a test renders, so every measurement is exact and repeatable.
#pragma once

#include "game/audio/sound_system.h"
#include "tests/audio/wav_files.h"

#include <gtest/gtest.h>

#include <vector>

constexpr int MixRate = 44100;

// Frames of `seconds` at the mixing rate.
int Frames(double seconds);

// Two interleaved channels, as the loopback device renders them.
struct Mix
{
    std::vector<float> samples;

    float Rms() const; // over both channels
    float LeftRms() const;
    float RightRms() const;
    float Peak() const; // largest magnitude over both channels
};

// Renders the next `seconds` of the mix.
Mix Render(double seconds);

// Heard: clearly above the noise floor. Silent: nothing at all beyond rounding.
constexpr float AudibleRms = 0.05f;
constexpr float SilentPeak = 1e-4f;

class LoopbackTest : public ::testing::Test
{
  protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a 16-bit mono tone of `seconds` at half of full scale and loads it.
    Sound* LoadTone(const std::string& name, double seconds);

    TempDir files;
};
