// audio_benchmark.cpp: how long the sound system takes to start and to load a minute of music.
//
// Prints milliseconds for: the first start in a process (OpenAL's own set-up included) and later
// starts on OpenAL's null device, starts on the loopback device, and loading a one-minute
// 44.1 kHz 16-bit stereo WAV (the first load, then later ones, with the file already written).
#include "engine/platform/audio.h"
#include "game/audio/sound_system.h"
#include "tests/audio/wav_files.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

namespace
{
constexpr int Repeats = 10;

double Milliseconds(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// Mean time of `Repeats` starts, each followed by an untimed shutdown.
double MeanStart()
{
    double total = 0.0;
    for (int i = 0; i < Repeats; ++i)
    {
        total += Milliseconds([] { InitSoundSystem(); });
        ShutdownSoundSystem();
    }
    return total / Repeats;
}
} // namespace

int main()
{
    setenv("ALSOFT_DRIVERS", "null", 1);

    bool started = false;
    const double first = Milliseconds([&] { started = InitSoundSystem(); });
    ShutdownSoundSystem();
    if (!started)
    {
        std::fprintf(stderr, "audio_benchmark: the null device did not start\n");
        return 1;
    }
    std::printf("first start (null device, OpenAL set-up included): %.2f ms\n", first);
    std::printf("start on the null device: %.2f ms (mean of %d)\n", MeanStart(), Repeats);
    PlatformAudioUseLoopback(44100);
    std::printf("start on the loopback device: %.2f ms (mean of %d)\n", MeanStart(), Repeats);

    TempDir files;
    WavFormat music;
    music.channels = 2;
    const std::string path =
        files.Write("minute.wav", WavBytes(music, ToneSamples(music, 60.0, 0.5)));
    InitSoundSystem();
    double firstLoad = 0.0;
    double laterLoads = 0.0;
    for (int i = 0; i <= Repeats; ++i)
    {
        Sound* sound = nullptr;
        const double ms = Milliseconds([&] { sound = LoadSound(path.c_str()); });
        if (!sound)
        {
            std::fprintf(stderr, "audio_benchmark: the one-minute WAV did not load\n");
            return 1;
        }
        (i == 0 ? firstLoad : laterLoads) += ms;
        ReleaseSound(sound);
    }
    ShutdownSoundSystem();
    std::printf("load a one-minute 44.1 kHz 16-bit stereo WAV (10.6 MB): first %.2f ms, "
                "then %.2f ms (mean of %d)\n",
                firstLoad, laterLoads / Repeats, Repeats);
    return 0;
}
