// level_proof_test.cpp: a shared level is proven by the run it carries, and by nothing else.
// Every shipped level, shared with its committed replay, is proven; moving one object after
// the proof is caught, and so is a forger who names the moved level in the proof; a run the
// game records while a level is played proves it.
#include "tools/replay/level_proof.h"
#include "tools/replay/replay_runner.h"

#include "tests/levels/committed_replay.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace
{
LevelFile Shipped(GameStateId id)
{
    LevelFile level;
    std::string error;
    EXPECT_TRUE(ReadShippedLevel(*FindLevel(id), &level, &error)) << error;
    return level;
}

// The level as its maker shares it: with a run, named by the level's content hash.
LevelFile Shared(LevelFile level, std::vector<ScriptLine> run)
{
    level.proof.lines = std::move(run);
    level.proof.levelHash = LevelContentHash(level);
    return level;
}

// What a receiver reads: the shared file's text, read back.
ProofVerdict Receive(const LevelFile& shared)
{
    LevelFile received;
    std::string error;
    EXPECT_TRUE(ReadLevelFile(WriteLevelFile(shared), "shared.level", &received, &error)) << error;
    return CheckProof(received);
}
} // namespace

TEST(LevelProof, EveryShippedLevelIsProvenByItsCommittedReplay)
{
    for (size_t i = 0; i < LevelCount; ++i)
    {
        const GameStateId id = LevelCatalogue[i].id;
        SCOPED_TRACE(LevelCatalogue[i].file);
        const ProofVerdict verdict = Receive(Shared(Shipped(id), CommittedReplay(id)));
        EXPECT_TRUE(verdict.holds) << verdict.reason;
        EXPECT_EQ(verdict.reason.rfind("proven: its run reaches the exit on frame ", 0), 0u);
    }
    const ProofVerdict none = Receive(Shipped(7));
    EXPECT_FALSE(none.holds);
    EXPECT_EQ(none.reason, "not proven: it carries no proof, no run that finishes it");
}

TEST(LevelProof, AnObjectMovedAfterTheProofIsRefused)
{
    LevelFile shared = Shared(Shipped(7), CommittedReplay(7));
    // Level_1's exit, high on the right: moved down the wall after the proof was made.
    LevelFile tampered = shared;
    for (LevelObject& o : tampered.objects)
        if (o.type == OBJECT_EXIT) o.y -= 600.0f;
    ProofVerdict verdict = Receive(tampered);
    EXPECT_FALSE(verdict.holds);
    EXPECT_EQ(verdict.reason, "not proven: the level was changed after its proof was recorded");

    // A forger who names the moved level in the proof: its run no longer reaches the exit.
    tampered.proof.levelHash = LevelContentHash(tampered);
    verdict = Receive(tampered);
    EXPECT_FALSE(verdict.holds);
    EXPECT_EQ(verdict.reason.rfind("not proven: its run ends on frame ", 0), 0u) << verdict.reason;

    // A run that leaves the level (K with 1, to the shipped Level_1) proves nothing, even
    // where it goes on to finish another level.
    std::vector<ScriptLine> away = {{0, {}}, {1, {}}, {2, {}}};
    away[1].input.keys = uint64_t{1} << REPLAY_K | uint64_t{1} << REPLAY_1;
    for (ScriptLine line : CommittedReplay(7))
    {
        line.frame += 3;
        away.push_back(line);
    }
    verdict = Receive(Shared(Shipped(7), away));
    EXPECT_FALSE(verdict.holds);
    EXPECT_EQ(verdict.reason,
              "not proven: its run leaves the level on frame 1 without reaching the exit");
}

TEST(LevelProof, ARunRecordedWhileTheLevelIsPlayedProvesIt)
{
    // Level_8 played through GS_PLAYED_LEVEL with its run recorded, as the editor's test-play
    // records it; the committed replay, shifted, holds a key at the start: the level waits.
    std::vector<ScriptLine> script = {{0, {}}};
    script[0].input.keys = uint64_t{1} << REPLAY_D;
    for (ScriptLine line : CommittedReplay(14))
    {
        line.frame += 20;
        script.push_back(line);
    }
    ReplaySetup setup;
    setup.useLevel = true;
    setup.level = Shipped(14);
    setup.script = script;
    setup.playedOptions.recordsProof = true;
    class Finish : public ReplayObserver
    {
      public:
        void OnInit(uint64_t) override {}
        void OnFrame(uint64_t frame, const Player*, ReplayEvent event) override
        {
            if (event == REPLAY_COMPLETE) finishedOn = frame;
        }
        uint64_t finishedOn = 0;
    } finish;
    RunReplay(setup, &finish);
    const PlayedLevelResult& result = LastPlayedLevelResult();
    ASSERT_TRUE(result.finished);
    ASSERT_FALSE(result.proof.empty());
    EXPECT_EQ(result.proof.front().frame, 0u);

    const ProofVerdict verdict = Receive(Shared(Shipped(14), result.proof));
    EXPECT_TRUE(verdict.holds) << verdict.reason;
    // The run began on the first frame with D let go, 20 frames in.
    EXPECT_EQ(verdict.frame + 20, finish.finishedOn);
}
