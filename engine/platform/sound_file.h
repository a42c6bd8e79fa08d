// sound_file.h: sound files decoded into samples, the same way on every system.
//
// Every audio back end plays what this gives it, so a sound is the same sample wherever the
// game runs. WAV files: 8- or 16-bit PCM, one or two channels (WAVE_FORMAT_EXTENSIBLE with PCM
// inside counts); and Ogg Vorbis (the music), decoded by stb_vorbis. The format is told by the
// file's first bytes, not its name. A WAV cut short, a file in another format or one that is
// no sound at all is refused whole: half a sound is never played.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DecodedSound
{
    int channels = 0;             // 1 or 2
    int sampleRate = 0;           // frames a second
    std::vector<int16_t> samples; // interleaved; 8-bit files widened (0x80 is silence)
};

// Decodes the file at `path` (which may use '\'). False, with a short reason for a person,
// when it cannot be opened or is not a sound this game plays.
bool DecodeSoundFile(const char* path, DecodedSound* sound, std::string* reason);
// The same from bytes in memory; `bytes` may be null when `size` is 0.
bool DecodeSoundBytes(const uint8_t* bytes, size_t size, DecodedSound* sound, std::string* reason);
