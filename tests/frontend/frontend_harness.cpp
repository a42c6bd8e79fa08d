// frontend_harness.cpp: records the runner's frames for the front-end tests.
#include "tests/frontend/frontend_harness.h"

#include "engine/graphics/texture.h"
#include "engine/platform/audio.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/frontend/pause_menu.h"
#include "game/frontend/screens.h"
#include "game/frontend/settings.h"
#include "game/gameplay/player.h"

#include <cmath>
#include <sstream>

namespace
{
constexpr int LOOPBACK_RATE = 48000;

class Recorder : public ReplayObserver
{
  public:
    Recorder(ScreenRun* run, const ScreenScenario& scenario) : run_(run), scenario_(scenario) {}
    void OnInit(uint64_t next) override { run_->inits.push_back(next); }
    void BeforeFrame(uint64_t frame) override
    {
        if (frame == 0) MusicVolume = scenario_.musicVolume;
    }
    void OnFrame(uint64_t, const Player* player, ReplayEvent event) override
    {
        ScreenFrame f = {};
        f.state = CurrentStateId;
        f.next = NextStateId;
        f.event = event;
        f.hasPlayer = player != nullptr;
        f.paused = player && player->pauseMenu.paused;
        if (player) f.player = player->position;
        FrontEndWindows windows = {false, false};
        if (CurrentStateId == GS_MAIN_MENU)
            windows = MainMenuWindows();
        else if (player)
            windows = {player->pauseMenu.settings->isOpen, PauseConfirmOpen};
        f.settingsOpen = windows.settingsOpen;
        f.confirmOpen = windows.confirmOpen;
        f.fullscreen = IsFullscreen;
        f.windowW = WindowWidth;
        f.windowH = WindowHeight;
        f.musicVolume = MusicVolume;
        f.effectsVolume = EffectsVolume;
        f.muted = SoundMuted;
        if (scenario_.withSound)
        {
            PlatformAudioRenderLoopback(mix_.data(), LOOPBACK_RATE / 60);
            double energy = 0.0;
            for (float s : mix_) energy += static_cast<double>(s) * s;
            f.loudness = static_cast<float>(std::sqrt(energy / mix_.size()));
        }
        for (const std::string& name : scenario_.watch)
        {
            const GameObject* object = FindGameObject(name.c_str());
            f.objects[name] =
                object ? WatchedObject{true, object->visible, object->position, object->scale,
                                       object->texture ? object->texture->Path : ""}
                       : WatchedObject{false, false, {}, {}, ""};
        }
        run_->frames.push_back(std::move(f));
    }

  private:
    ScreenRun* run_;
    const ScreenScenario& scenario_;
    std::vector<float> mix_ = std::vector<float>(2 * LOOPBACK_RATE / 60);
};
} // namespace

ScreenRun Play(const ScreenScenario& scenario)
{
    ReplaySetup setup;
    setup.state = scenario.state;
    setup.frames = scenario.frames;
    std::string error;
    EXPECT_TRUE(ParseScript(scenario.script, "script", &setup.script, &error)) << error;
    if (scenario.withSound)
    {
        PlatformAudioUseLoopback(LOOPBACK_RATE);
        EXPECT_TRUE(InitSoundSystem());
    }
    ScreenRun run;
    Recorder recorder(&run, scenario);
    RunReplay(setup, &recorder);
    if (scenario.withSound)
    {
        ShutdownSoundSystem();
        PlatformAudioUseLoopback(0);
    }
    return run;
}

std::string Click(uint64_t frame, float x, float y)
{
    std::ostringstream out;
    out << frame << " - " << x << ' ' << y << " 1\n" << frame + 1 << " - " << x << ' ' << y << " 0\n";
    return out.str();
}

std::string Press(uint64_t frame, const char* keys)
{
    std::ostringstream out;
    out << frame << ' ' << keys << " 0 0 0\n" << frame + 1 << " - 0 0 0\n";
    return out.str();
}
