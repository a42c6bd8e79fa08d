// wav_files.h: WAV files made on the spot for the audio tests, in a private temp directory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct WavFormat
{
    int formatTag = 1; // 1 PCM, 3 IEEE float
    int channels = 1;
    int sampleRate = 44100;
    int bitsPerSample = 16;
};

// A tone of `seconds` at `amplitude` (0..1 of full scale) in the given format. With `leftOnly`
// a stereo file carries the tone in its left channel and silence in its right one.
std::vector<uint8_t> ToneSamples(const WavFormat& format, double seconds, double amplitude,
                                 bool leftOnly = false);

// The bytes of a WAV file: RIFF header, "fmt " chunk and "data" chunk holding `samples`.
std::vector<uint8_t> WavBytes(const WavFormat& format, const std::vector<uint8_t>& samples);

// A directory of its own under the system's temp directory, removed with everything in it.
class TempDir
{
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Writes `bytes` into the file `name` and returns its full path.
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const;
    std::string Path(const std::string& name) const;

  private:
    std::string path_;
};
