// Frame statistics on the virtual clock: the start-up marks, the pacing, the slept share of
// the waits and the processor time of each part of a frame.
#include "scripted_machine.h"

#include "engine/system/frame_stats.h"

namespace
{
int FramesLeft = 0;

// A state whose Update works 2 ms and whose Draw works 3 ms, for three frames; its first
// Update works 30 ms, as a first frame drawing fresh pictures may.
void WorkingUpdate()
{
    ScriptedAdvanceClock(FramesLeft == 3 ? 0.030 : 0.002);
    if (--FramesLeft == 0) NextStateId = GS_QUIT;
}
void WorkingDraw() { ScriptedAdvanceClock(0.003); }

class FrameStatsTest : public ScriptedMachineTest
{
protected:
    void TearDown() override
    {
        ResetFrameStats();
        ScriptedMachineTest::TearDown();
    }
};

TEST_F(FrameStatsTest, FramesAreMeasuredInTheirPartsAndTheWaitIsMostlySlept)
{
    EnableFrameStats();
    MarkStartup(MARK_PROGRAM_START);
    ScriptedAdvanceClock(0.25);
    MarkStartup(MARK_GL_READY);
    FramesLeft = 3;
    AddGameState(50, nullptr, nullptr, WorkingUpdate, WorkingDraw, nullptr, nullptr);
    RunGameLoop(50);

    const FrameStatsSummary s = SummariseFrameStats();
    EXPECT_EQ(s.frames, 3u);
    EXPECT_NEAR(s.startup[MARK_GL_READY], 0.25, 0.001);
    EXPECT_EQ(s.startup[MARK_WINDOW], -1.0) << "never marked";
    EXPECT_NEAR(s.startup[MARK_FIRST_FRAME], 0.25 + 0.030 + 0.003, 0.001);
    EXPECT_NEAR(s.updateCpu, (0.030 + 0.002 + 0.002) / 3, 0.0002);
    EXPECT_NEAR(s.drawCpu, 0.003, 0.0002);
    EXPECT_LT(s.swapCpu, 0.0002);
    EXPECT_LT(s.pacingMax, 0.0001) << "the state's long first frame is no pacing error";
    EXPECT_EQ(s.loadingFrames, 1u);
    EXPECT_NEAR(s.loadingPacingMax, 0.030 + 0.003 - 1.0 / 60.0, 0.0002);
    const double wait = 1.0 / 60.0 - 0.005;
    EXPECT_NEAR(s.asleepShare, (wait - SpinMargin) / wait, 0.02);
}

TEST_F(FrameStatsTest, NothingIsRecordedUnlessAskedFor)
{
    FramesLeft = 2;
    AddGameState(50, nullptr, nullptr, WorkingUpdate, WorkingDraw, nullptr, nullptr);
    RunGameLoop(50);
    EXPECT_EQ(SummariseFrameStats().frames, 0u);
}
} // namespace
