// wav_files.cpp: writes the test WAV files byte by byte, little-endian, as the format says.
#include "tests/audio/wav_files.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace
{
constexpr double ToneHz = 440.0;
constexpr double Pi = 3.14159265358979323846;

void PutLE(std::vector<uint8_t>* out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out->push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutTag(std::vector<uint8_t>* out, const char* tag)
{
    out->insert(out->end(), tag, tag + 4);
}

void PutSample(std::vector<uint8_t>* out, const WavFormat& format, double value)
{
    if (format.formatTag == 3)
    {
        const float f = static_cast<float>(value);
        uint32_t bits = 0;
        static_assert(sizeof bits == sizeof f, "IEEE float is 32 bits");
        std::memcpy(&bits, &f, sizeof bits);
        PutLE(out, bits, 4);
        return;
    }
    if (format.bitsPerSample == 8)
    {
        out->push_back(static_cast<uint8_t>(std::lround(128.0 + value * 127.0)));
        return;
    }
    const double scale = std::ldexp(1.0, format.bitsPerSample - 1) - 1.0;
    const int32_t sample = static_cast<int32_t>(std::lround(value * scale));
    PutLE(out, static_cast<uint32_t>(sample), format.bitsPerSample / 8);
}
} // namespace

std::vector<uint8_t> ToneSamples(const WavFormat& format, double seconds, double amplitude,
                                 bool leftOnly)
{
    std::vector<uint8_t> out;
    const long frames = std::lround(seconds * format.sampleRate);
    for (long i = 0; i < frames; ++i)
    {
        const double value = amplitude * std::sin(2.0 * Pi * ToneHz * i / format.sampleRate);
        for (int c = 0; c < format.channels; ++c)
            PutSample(&out, format, leftOnly && c > 0 ? 0.0 : value);
    }
    return out;
}

std::vector<uint8_t> WavBytes(const WavFormat& format, const std::vector<uint8_t>& samples)
{
    const uint32_t blockAlign = static_cast<uint32_t>(format.channels * format.bitsPerSample / 8);
    std::vector<uint8_t> out;
    PutTag(&out, "RIFF");
    PutLE(&out, static_cast<uint32_t>(4 + 8 + 16 + 8 + samples.size()), 4);
    PutTag(&out, "WAVE");
    PutTag(&out, "fmt ");
    PutLE(&out, 16, 4);
    PutLE(&out, static_cast<uint32_t>(format.formatTag), 2);
    PutLE(&out, static_cast<uint32_t>(format.channels), 2);
    PutLE(&out, static_cast<uint32_t>(format.sampleRate), 4);
    PutLE(&out, static_cast<uint32_t>(format.sampleRate) * blockAlign, 4);
    PutLE(&out, blockAlign, 2);
    PutLE(&out, static_cast<uint32_t>(format.bitsPerSample), 2);
    PutTag(&out, "data");
    PutLE(&out, static_cast<uint32_t>(samples.size()), 4);
    out.insert(out.end(), samples.begin(), samples.end());
    return out;
}

TempDir::TempDir()
{
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vantara-audio-XXXXXX").string();
    if (mkdtemp(pattern.data())) path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Write(const std::string& name, const std::vector<uint8_t>& bytes) const
{
    const std::string path = Path(name);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string TempDir::Path(const std::string& name) const
{
    return path_ + "/" + name;
}
