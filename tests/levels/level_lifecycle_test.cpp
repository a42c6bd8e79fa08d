// level_lifecycle_test.cpp: what every level does around its objects: where its exit leads,
// what a death and the restart key rebuild, the music, the backgrounds' parallax, and that
// nothing leaks however often a level is rebuilt.
#include "engine/graphics/mesh.h"
#include "engine/graphics/texture.h"
#include "engine/platform/audio.h"
#include "game/audio/sound_system.h"
#include "game/gameplay/player.h"
#include "game/levels/level.h"
#include "game/scene/camera.h"
#include "game/scene/render_layer.h"
#include "tools/replay/replay_runner.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace
{
constexpr int LOOPBACK_RATE = 48000;

// What one frame left behind.
struct LevelFrame
{
    GameStateId state, next;
    ReplayEvent event;
    const SoundChannel* music;
    bool musicPlaying;
    int textures, meshes, sounds, channels;
    size_t objects;
    Vec2 farCamera, nearCamera;
    float loudness; // RMS of the frame's mix
};

// Plays a level with the sound system on a loopback device; `act` may move the player just
// before a frame runs.
class LevelRun : public ReplayObserver
{
  public:
    std::function<void(uint64_t, Player*)> act;
    std::vector<LevelFrame> frames;
    std::vector<uint64_t> inits;

    void OnInit(uint64_t next) override { inits.push_back(next); }
    void BeforeFrame(uint64_t frame) override
    {
        if (act) act(frame, dynamic_cast<Player*>(FindGameObject(PLAYER_OBJECT_NAME)));
    }
    void OnFrame(uint64_t, const Player*, ReplayEvent event) override
    {
        // The loopback device plays only as far as it is mixed: a frame's worth, so that
        // sounds end in their own time.
        PlatformAudioRenderLoopback(mix_.data(), LOOPBACK_RATE / 60);
        double energy = 0.0;
        for (float sample : mix_) energy += static_cast<double>(sample) * sample;
        LevelFrame f = {CurrentStateId, NextStateId, event, LevelMusicChannel,
                        IsChannelPlaying(LevelMusicChannel), LiveTextureCount(), LiveMeshCount(),
                        PlatformLoadedSoundCount(), BusyChannelCount(), ObjectRegistry.size(), Camera0("BG0"),
                        Camera0("BG1"), static_cast<float>(std::sqrt(energy / mix_.size()))};
        frames.push_back(f);
    }

  private:
    std::vector<float> mix_ = std::vector<float>(2 * LOOPBACK_RATE / 60);

    static Vec2 Camera0(const char* layer)
    {
        const RenderLayer* found = FindLayer(layer);
        return found && !found->cameras.empty() ? found->cameras.front()->position : Vec2{};
    }
};

// Something is heard over the ten frames up to `last`.
bool Heard(const std::vector<LevelFrame>& frames, size_t last)
{
    float loudest = 0.0f;
    for (size_t f = last - 9; f <= last; ++f) loudest = std::max(loudest, frames[f].loudness);
    return loudest > 0.001f;
}

std::vector<ScriptLine> Script(const std::string& text)
{
    std::vector<ScriptLine> lines;
    std::string error;
    EXPECT_TRUE(ParseScript(text, "script", &lines, &error)) << error;
    return lines;
}

void Play(LevelRun& run, GameStateId level, const std::string& script, int64_t frames,
          bool fromSelector = false)
{
    PlatformAudioUseLoopback(LOOPBACK_RATE);
    ASSERT_TRUE(InitSoundSystem());
    ReplaySetup setup;
    setup.state = level;
    setup.script = Script(script);
    setup.frames = frames;
    setup.fromSelector = fromSelector;
    RunReplay(setup, &run);
    ShutdownSoundSystem();
    PlatformAudioUseLoopback(0);
}

// Puts the player on the level's exit just before frame `frame`.
std::function<void(uint64_t, Player*)> OntoTheExitAt(uint64_t frame)
{
    return [frame](uint64_t now, Player* player) {
        if (now != frame || !player) return;
        for (const GameObject* object : ObjectRegistry)
            if (object->kind == KIND_EXIT) player->position = object->position;
    };
}

// Drops the player onto the first spikes or lava of the level just before frame `frame`.
std::function<void(uint64_t, Player*)> OntoAHazardAt(uint64_t frame)
{
    return [frame](uint64_t now, Player* player) {
        if (now != frame || !player) return;
        for (const GameObject* object : ObjectRegistry)
            if (object->kind == KIND_SPIKES || object->kind == KIND_LAVA)
            {
                player->position = object->position;
                return;
            }
    };
}
} // namespace

TEST(LevelLifecycle, ExitsLeadAlongTheChainsOrBackToTheSelector)
{
    const GameStateId successor[] = {4, 5, 6, GS_MAIN_MENU, 8, 9, 10, 11, 12, 13, 14, 15, GS_WIN_SCREEN};
    for (GameStateId level = 3; level <= 15; ++level)
        for (bool fromSelector : {false, true})
        {
            SCOPED_TRACE("level " + std::to_string(level) + (fromSelector ? " from the selector" : ""));
            // R first, so that every level has its music playing.
            LevelRun run;
            run.act = OntoTheExitAt(8);
            Play(run, level, "1 R 0 0 0\n2 - 0 0 0\n", 9, fromSelector);
            ASSERT_EQ(run.frames.size(), 9u);
            EXPECT_EQ(run.frames[8].event, REPLAY_COMPLETE);
            const GameStateId expected =
                fromSelector && level >= 7 ? GS_LEVEL_SELECTOR : successor[level - 3];
            EXPECT_EQ(run.frames[8].next, expected);
            // The last stage of each chain falls silent; the others let the music run on.
            EXPECT_TRUE(run.frames[7].musicPlaying);
            const bool last = level == 6 || level == 15;
            EXPECT_EQ(run.frames[8].musicPlaying, !last);
        }
}

TEST(LevelLifecycle, DeathRebuildsTheLevelWithTheMusicPlayingOn)
{
    LevelRun run;
    run.act = OntoAHazardAt(50);
    Play(run, 7, "", 52);
    ASSERT_EQ(run.frames[50].event, REPLAY_DIED);
    ASSERT_EQ(run.inits.size(), 2u);
    EXPECT_EQ(run.inits[1], 51u);
    // Rebuilt from its builder, without loading anything again, the music untouched.
    EXPECT_EQ(run.frames[51].objects, run.frames[49].objects);
    EXPECT_EQ(run.frames[51].textures, run.frames[49].textures);
    EXPECT_EQ(run.frames[51].music, run.frames[49].music);
    EXPECT_TRUE(run.frames[51].musicPlaying);
}

TEST(LevelLifecycle, RestartKeyStartsTheMusicAgainWhereTheLevelAllowsIt)
{
    // Level_1 entered from the menu: R stops every sound and the rebuilt level plays again.
    LevelRun fromMenu;
    Play(fromMenu, 7, "10 R 0 0 0\n11 - 0 0 0\n40 - 0 0 0\n", 41);
    EXPECT_EQ(fromMenu.frames[10].next, GS_RESTART);
    EXPECT_TRUE(Heard(fromMenu.frames, 9));
    EXPECT_TRUE(Heard(fromMenu.frames, 40));

    // Level_1 entered from Level_2 by the left arrow: R leaves it silent.
    LevelRun stepBack;
    Play(stepBack, 8, "1 R 0 0 0\n2 - 0 0 0\n10 LEFT 0 0 0\n11 - 0 0 0\n20 R 0 0 0\n21 - 0 0 0\n",
         41);
    EXPECT_EQ(stepBack.frames[12].state, 7);
    EXPECT_TRUE(Heard(stepBack.frames, 19)) << "the levels' music runs on from Level_2";
    EXPECT_FALSE(Heard(stepBack.frames, 40));

    // A later tutorial stage starts the tutorial music again on R.
    LevelRun tutorial;
    Play(tutorial, 4, "10 R 0 0 0\n11 - 0 0 0\n40 - 0 0 0\n", 41);
    EXPECT_FALSE(Heard(tutorial.frames, 9)) << "entered on its own, stage 2 starts no music";
    EXPECT_TRUE(Heard(tutorial.frames, 40));
}

TEST(LevelLifecycle, BackgroundsFollowThePlayerAlongXOnly)
{
    LevelRun run;
    run.act = [](uint64_t frame, Player* player) {
        if (frame == 10 && player) player->position = {500.0f, 200.0f};
    };
    Play(run, 7, "", 11);
    // The player drops onto the long ledge there without moving sideways.
    const LevelFrame& f = run.frames[10];
    EXPECT_FLOAT_EQ(f.farCamera.x, 500.0f * 0.05f);
    EXPECT_FLOAT_EQ(f.nearCamera.x, 500.0f * 0.15f);
    EXPECT_EQ(f.farCamera.y, 0.0f);
    EXPECT_EQ(f.nearCamera.y, 0.0f);
}

TEST(LevelLifecycle, AThousandDeathsAndRestartsLeakNothing)
{
    LevelRun run;
    // Die on every other frame and press R now and then; then let the last sounds ring out.
    constexpr uint64_t DYING = 2000, QUIET = 300;
    run.act = [](uint64_t frame, Player* player) {
        if (frame >= 40 && frame < DYING && frame % 2 == 0) OntoAHazardAt(frame)(frame, player);
    };
    std::string script;
    for (uint64_t f = 41; f < DYING; f += 40)
        script += std::to_string(f) + " R 0 0 0\n" + std::to_string(f + 1) + " - 0 0 0\n";
    Play(run, 7, script, DYING + QUIET);
    ASSERT_GE(run.inits.size(), 1000u);
    const LevelFrame& first = run.frames[30];
    const LevelFrame& last = run.frames.back();
    EXPECT_EQ(last.textures, first.textures);
    EXPECT_EQ(last.meshes, first.meshes);
    EXPECT_EQ(last.sounds, first.sounds);
    EXPECT_EQ(last.channels, first.channels);
    EXPECT_EQ(last.objects, first.objects);
}
