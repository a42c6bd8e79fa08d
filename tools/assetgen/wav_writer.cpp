// wav_writer.cpp: 16-bit mono PCM WAV files, the format SDL_LoadWAV and every player read.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>

#include "tools/assetgen/audio.h"

namespace
{
void Put16(std::ofstream& out, uint16_t v)
{
    char b[2] = {char(v & 0xFF), char(v >> 8)};
    out.write(b, 2);
}

void Put32(std::ofstream& out, uint32_t v)
{
    char b[4] = {char(v & 0xFF), char((v >> 8) & 0xFF), char((v >> 16) & 0xFF), char(v >> 24)};
    out.write(b, 4);
}
} // namespace

bool WriteWav(const std::string& path, const std::vector<float>& samples)
{
    std::ofstream out(path, std::ios::binary);
    uint32_t dataBytes = uint32_t(samples.size() * 2);
    out.write("RIFF", 4);
    Put32(out, 36 + dataBytes);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    Put32(out, 16);             // size of the format chunk
    Put16(out, 1);              // PCM
    Put16(out, 1);              // mono
    Put32(out, SampleRate);     // frames per second
    Put32(out, SampleRate * 2); // bytes per second
    Put16(out, 2);              // bytes per frame
    Put16(out, 16);             // bits per sample
    out.write("data", 4);
    Put32(out, dataBytes);
    for (float s : samples)
    {
        long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        Put16(out, uint16_t(int16_t(v)));
    }
    if (!out.flush())
    {
        std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}
