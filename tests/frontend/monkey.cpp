// monkey.cpp: the whole game under random input, looking for crashes and leaks.
//
//     monkey [FRAMES] [SEED]
//
// Seeded random keys, clicks, pointer moves, Escape, R, K with digits, the arrows and a
// minimised or unfocused window, fed through the replay runner from the first splash frame
// on, across every state the input leads to. Each time a state is entered again, the live
// textures, meshes and objects must be what they were on its first entry, and the loaded
// sounds and busy sound channels must stay few. A quit starts the game again. Prints the
// frames played and the states visited; exits 1 on the first leak.
#include "engine/graphics/mesh.h"
#include "engine/graphics/texture.h"
#include "engine/platform/audio.h"
#include "engine/platform/platform.h"
#include "game/audio/sound_system.h"
#include "game/scene/game_object.h"
#include "tools/replay/replay_runner.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <set>

namespace
{
constexpr int LOOPBACK_RATE = 48000;
constexpr int MAX_SOUNDS = 6;     // every sound file of the game
constexpr int MAX_CHANNELS = 40;  // hover sounds, music and deaths ringing together

struct Counts
{
    int textures, meshes;
    size_t objects;
    bool operator!=(const Counts& o) const
    {
        return textures != o.textures || meshes != o.meshes || objects != o.objects;
    }
};

class Watch : public ReplayObserver
{
  public:
    std::map<GameStateId, Counts> firstEntry;
    std::set<GameStateId> visited;
    uint64_t frames = 0;
    bool leaked = false;

    void OnInit(uint64_t) override
    {
        const Counts now = {LiveTextureCount(), LiveMeshCount(), ObjectRegistry.size()};
        visited.insert(CurrentStateId);
        // The first visit of the main menu has the splash logos besides.
        if (CurrentStateId == GS_MAIN_MENU && PreviousStateId == CurrentStateId) return;
        auto first = firstEntry.find(CurrentStateId);
        if (first == firstEntry.end())
            firstEntry[CurrentStateId] = now;
        else if (first->second != now)
            Leak("state %d entered with %d textures, %d meshes, %zu objects; first time %d, %d, "
                 "%zu",
                 CurrentStateId, now.textures, now.meshes, now.objects, first->second.textures,
                 first->second.meshes, first->second.objects);
    }
    void OnFrame(uint64_t, const Player*, ReplayEvent) override
    {
        ++frames;
        PlatformAudioRenderLoopback(mix_.data(), LOOPBACK_RATE / 60);
        if (PlatformLoadedSoundCount() > MAX_SOUNDS)
            Leak("%d sounds loaded in state %d", PlatformLoadedSoundCount(), CurrentStateId);
        if (BusyChannelCount() > MAX_CHANNELS)
            Leak("%d sound channels busy in state %d", BusyChannelCount(), CurrentStateId);
    }
    bool KeepGoing() override { return !leaked; }

  private:
    std::vector<float> mix_ = std::vector<float>(2 * LOOPBACK_RATE / 60);

    template <typename... Args> void Leak(const char* format, Args... args)
    {
        if (leaked) return;
        leaked = true;
        std::fprintf(stderr, "monkey: after %llu frames: ", static_cast<unsigned long long>(frames));
        std::fprintf(stderr, format, args...);
        std::fprintf(stderr, "\n");
    }
};

// A random script of `frames` frames: a new line every 1 to 30 frames.
std::vector<ScriptLine> RandomScript(uint64_t frames, std::mt19937& random)
{
    // Common keys, and rare ones that change state; never Ctrl or Alt (quitting is left to the
    // menus' own Quit and Yes, which a monkey finds now and then).
    static const ReplayKey common[] = {REPLAY_A, REPLAY_D, REPLAY_W, REPLAY_S, REPLAY_SPACE,
                                       REPLAY_ENTER, REPLAY_RMB};
    static const ReplayKey rare[] = {REPLAY_ESC, REPLAY_R, REPLAY_LEFT, REPLAY_RIGHT, REPLAY_UP,
                                     REPLAY_DOWN, REPLAY_F11, REPLAY_MIN, REPLAY_UNFOCUS, REPLAY_Q};
    std::vector<ScriptLine> lines;
    uint64_t frame = 0;
    float x = 0.0f, y = 0.0f;
    while (frame < frames)
    {
        ScriptLine line = {};
        line.frame = frame;
        for (ReplayKey key : common)
            if (random() % 6 == 0) line.input.keys |= uint64_t{1} << key;
        if (random() % 40 == 0) line.input.keys |= uint64_t{1} << rare[random() % std::size(rare)];
        if (random() % 400 == 0)
            line.input.keys |= (uint64_t{1} << REPLAY_K) | (uint64_t{1} << (REPLAY_0 + random() % 10));
        if (random() % 3 == 0)
        {
            x = static_cast<float>(static_cast<int>(random() % 2000) - 1000);
            y = static_cast<float>(static_cast<int>(random() % 1200) - 600);
        }
        line.input.mouseX = x;
        line.input.mouseY = y;
        line.input.leftButton = random() % 3 == 0;
        lines.push_back(line);
        frame += 1 + random() % 30;
    }
    return lines;
}
} // namespace

int main(int argc, char** argv)
{
    const uint64_t frames = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 100000;
    const uint32_t seed = argc > 2 ? static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10)) : 1;
    if (!PlatformEnterDataFolder(nullptr)) std::fprintf(stderr, "monkey: no data/ folder, playing without\n");
    PlatformAudioUseLoopback(LOOPBACK_RATE);
    InitSoundSystem();

    std::mt19937 random(seed);
    Watch watch;
    while (watch.frames < frames && !watch.leaked)
    {
        ReplaySetup setup;
        setup.state = GS_MAIN_MENU;
        setup.script = RandomScript(frames - watch.frames, random);
        setup.frames = static_cast<int64_t>(frames - watch.frames);
        RunReplay(setup, &watch);
        StopAllSounds();
    }
    ShutdownSoundSystem();

    std::printf("monkey: %llu frames, %zu states visited:", static_cast<unsigned long long>(watch.frames),
                watch.visited.size());
    for (GameStateId state : watch.visited) std::printf(" %d", state);
    std::printf("\n%s\n", watch.leaked ? "0 passed, 1 failed" : "1 passed, 0 failed");
    return watch.leaked ? 1 : 0;
}
