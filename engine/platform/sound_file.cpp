// sound_file.cpp: a small strict WAV reader, and Ogg Vorbis through stb_vorbis.
#include "engine/platform/sound_file.h"

#include "engine/platform/platform.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#define STB_VORBIS_HEADER_ONLY
#include <stb_vorbis.h>

namespace
{
constexpr uint16_t FORMAT_PCM = 1;
constexpr uint16_t FORMAT_EXTENSIBLE = 0xFFFE;
constexpr size_t MAX_SOUND_BYTES = size_t{1} << 30; // far above any sound of the game

uint16_t Read16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
uint32_t Read32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

bool Fail(std::string* reason, const char* what)
{
    *reason = what;
    return false;
}

struct Format
{
    bool found = false;
    uint16_t tag = 0, channels = 0, bits = 0, blockAlign = 0;
    uint32_t rate = 0;
};

bool ReadFormat(const uint8_t* chunk, uint32_t size, Format* format, std::string* reason)
{
    if (size < 16) return Fail(reason, "its format chunk is too short");
    format->found = true;
    format->tag = Read16(chunk);
    format->channels = Read16(chunk + 2);
    format->rate = Read32(chunk + 4);
    format->blockAlign = Read16(chunk + 12);
    format->bits = Read16(chunk + 14);
    // WAVE_FORMAT_EXTENSIBLE names the real format in the first two bytes of its sub-format.
    if (format->tag == FORMAT_EXTENSIBLE)
    {
        if (size < 40) return Fail(reason, "its extended format chunk is too short");
        format->tag = Read16(chunk + 24);
    }
    const bool playable = format->tag == FORMAT_PCM && (format->bits == 8 || format->bits == 16) &&
                          (format->channels == 1 || format->channels == 2) && format->rate > 0 &&
                          format->blockAlign == format->channels * format->bits / 8;
    return playable || Fail(reason, "not 8- or 16-bit PCM in one or two channels");
}

void Widen(const uint8_t* data, uint32_t size, const Format& format, DecodedSound* sound)
{
    const size_t count = format.bits == 8 ? size : size / 2;
    sound->samples.resize(count);
    for (size_t i = 0; i < count; ++i)
        sound->samples[i] = format.bits == 8
                                ? static_cast<int16_t>((data[i] - 128) * 256)
                                : static_cast<int16_t>(Read16(data + 2 * i));
}
bool DecodeVorbis(const uint8_t* bytes, size_t size, DecodedSound* sound, std::string* reason)
{
    if (size > static_cast<size_t>(INT_MAX)) return Fail(reason, "too long to hold in one sample");
    int channels = 0, rate = 0;
    short* samples = nullptr;
    const int frames =
        stb_vorbis_decode_memory(bytes, static_cast<int>(size), &channels, &rate, &samples);
    const bool playable = frames > 0 && samples && (channels == 1 || channels == 2) && rate > 0;
    if (playable)
    {
        sound->channels = channels;
        sound->sampleRate = rate;
        sound->samples.assign(samples, samples + static_cast<size_t>(frames) * channels);
    }
    std::free(samples);
    return playable || Fail(reason, "not an Ogg Vorbis sound in one or two channels");
}
} // namespace

bool DecodeSoundBytes(const uint8_t* bytes, size_t size, DecodedSound* sound, std::string* reason)
{
    *sound = DecodedSound();
    if (size >= 4 && std::memcmp(bytes, "OggS", 4) == 0)
        return DecodeVorbis(bytes, size, sound, reason);
    if (size < 12 || std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0)
        return Fail(reason, "not a WAV file");
    Format format;
    size_t at = 12;
    while (at + 8 <= size)
    {
        const uint8_t* chunk = bytes + at + 8;
        const uint32_t chunkSize = Read32(bytes + at + 4);
        if (chunkSize > size - at - 8) return Fail(reason, "cut short");
        if (std::memcmp(bytes + at, "fmt ", 4) == 0 && !ReadFormat(chunk, chunkSize, &format, reason))
            return false;
        if (std::memcmp(bytes + at, "data", 4) == 0)
        {
            if (!format.found) return Fail(reason, "its samples come before their format");
            if (chunkSize % format.blockAlign != 0) return Fail(reason, "cut short in a frame");
            sound->channels = format.channels;
            sound->sampleRate = static_cast<int>(format.rate);
            Widen(chunk, chunkSize, format, sound);
            return true;
        }
        // Chunks are padded to an even size.
        at += 8 + static_cast<size_t>(chunkSize) + (chunkSize & 1u);
    }
    return Fail(reason, format.found ? "it holds no samples" : "cut short");
}

bool DecodeSoundFile(const char* path, DecodedSound* sound, std::string* reason)
{
    FILE* file = PlatformOpenFile(path, "rb");
    if (!file) return Fail(reason, std::strerror(errno));
    std::vector<uint8_t> bytes;
    bytes.reserve(PlatformFileSizeHint(file));
    uint8_t block[65536];
    size_t got;
    while (bytes.size() <= MAX_SOUND_BYTES && (got = std::fread(block, 1, sizeof block, file)) > 0)
        bytes.insert(bytes.end(), block, block + got);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return Fail(reason, "it cannot be read");
    if (bytes.size() > MAX_SOUND_BYTES) return Fail(reason, "too long to hold in one sample");
    return DecodeSoundBytes(bytes.data(), bytes.size(), sound, reason);
}
