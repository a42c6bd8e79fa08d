// level_proof.cpp: the proof played against its level, watched frame by frame.
#include "tools/replay/level_proof.h"

#include "game/levels/level.h"
#include "game/saves/best_times.h"
#include "tools/replay/replay_runner.h"

namespace
{
class ProofWatch : public ReplayObserver
{
  public:
    void OnInit(uint64_t) override {}
    void OnFrame(uint64_t frame, const Player*, ReplayEvent event) override
    {
        last = frame;
        if (left || finished) return;
        if (event == REPLAY_COMPLETE)
        {
            finished = true;
            finishFrame = frame;
            lifeFrames = LastPlayedLevelResult().frames;
        }
        else if (NextStateId != CurrentStateId && NextStateId != GS_RESTART)
        {
            left = true;
            leftFrame = frame;
        }
    }
    bool KeepGoing() override { return !finished && !left; }

    bool finished = false, left = false;
    uint64_t last = 0, finishFrame = 0, leftFrame = 0;
    uint32_t lifeFrames = 0;
};
} // namespace

ProofVerdict CheckProof(const LevelFile& level)
{
    ProofVerdict verdict;
    if (!HasProof(level))
    {
        verdict.reason = "not proven: it carries no proof, no run that finishes it";
        return verdict;
    }
    if (!ProofMatchesLevel(level))
    {
        verdict.reason = "not proven: the level was changed after its proof was recorded";
        return verdict;
    }
    ReplaySetup setup;
    setup.useLevel = true;
    setup.level = level;
    setup.script = level.proof.lines;
    ProofWatch watch;
    RunReplay(setup, &watch);
    if (watch.finished)
    {
        verdict.holds = true;
        verdict.frame = watch.finishFrame;
        verdict.reason = "proven: its run reaches the exit on frame " +
                         std::to_string(watch.finishFrame) + " (" + FormatFrames(watch.lifeFrames) +
                         " in its last life)";
    }
    else if (watch.left)
        verdict.reason = "not proven: its run leaves the level on frame " +
                         std::to_string(watch.leftFrame) + " without reaching the exit";
    else
        verdict.reason = "not proven: its run ends on frame " + std::to_string(watch.last) +
                         " without reaching the exit";
    return verdict;
}
