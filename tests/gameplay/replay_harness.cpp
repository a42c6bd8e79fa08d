// replay_harness.cpp: records the runner's frames for the scenario tests.
#include "tests/gameplay/replay_harness.h"

#include "game/gameplay/enemy.h"
#include "game/gameplay/grappling_hook.h"
#include "game/gameplay/player.h"
#include "game/gameplay/rock.h"

namespace
{
class Recorder : public ReplayObserver
{
  public:
    explicit Recorder(Replay* run) : run_(run) {}
    void OnInit(uint64_t nextFrame) override { run_->inits.push_back(nextFrame); }
    void OnFrame(uint64_t frame, const Player* player, ReplayEvent event) override
    {
        FrameSample s = {};
        s.frame = frame;
        s.state = CurrentStateId;
        s.next = NextStateId;
        s.hasPlayer = player != nullptr;
        if (player)
        {
            s.position = player->position;
            s.velocity = player->velocity;
            s.hooked = player->hooked;
            s.slamLanded = player->slamLanded;
        }
        s.tip = HookTip ? HookTip->position : HOOK_PARK_POSITION;
        s.grounded = Grounded;
        s.slamming = Slamming;
        s.latched = HookLatched;
        s.onPoint = HookOnPoint;
        s.wallJumpFlip = WallJumpFlip;
        s.stunTimer = EnemyStunTimer;
        for (const GameObject* object : ObjectRegistry)
        {
            if (dynamic_cast<const Enemy*>(object)) s.enemies.push_back(object->position);
            if (dynamic_cast<const Rock*>(object)) s.rocks.push_back(object->position);
        }
        s.event = event;
        run_->frames.push_back(s);
    }

  private:
    Replay* run_;
};
} // namespace

int64_t Replay::FirstEvent(ReplayEvent event, uint64_t from) const
{
    for (size_t f = from; f < frames.size(); ++f)
        if (frames[f].event == event) return static_cast<int64_t>(f);
    return -1;
}

Replay Play(const std::string& arena, const std::string& script, int64_t frames)
{
    ReplaySetup setup;
    std::string error;
    EXPECT_TRUE(ParseArena(arena, "arena", &setup.arena, &error)) << error;
    EXPECT_TRUE(ParseScript(script, "script", &setup.script, &error)) << error;
    setup.useArena = true;
    setup.frames = frames;
    Replay run;
    Recorder recorder(&run);
    RunReplay(setup, &recorder);
    return run;
}
