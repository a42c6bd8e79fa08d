// Frame statistics on the virtual clock: the start-up marks, the pacing, the slept share of
// the waits, the processor time of each part of a frame, and what happens between frames.
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

// Three frames of state 50, a switch to state 51 whose Load works 200 ms, three frames of
// it; after the second frame the loop itself works 40 ms (a kept file written, say).
void SwitchingUpdate()
{
    ScriptedAdvanceClock(0.002);
    if (--FramesLeft == 3) NextStateId = 51;
    if (FramesLeft == 0) NextStateId = GS_QUIT;
}
void SlowLoad() { ScriptedAdvanceClock(0.200); }

TEST_F(FrameStatsTest, TimeBetweenFramesCountsAndStateSwitchesAreReportedApart)
{
    EnableFrameStats();
    FramesLeft = 6;
    AddGameState(50, nullptr, nullptr, SwitchingUpdate, nullptr, nullptr, nullptr);
    AddGameState(51, SlowLoad, nullptr, SwitchingUpdate, nullptr, nullptr, nullptr);
    StartGameLoop(50);
    do
    {
        EnterState();
        while (NextStateId == CurrentStateId)
        {
            RunFrame();
            if (FramesLeft == 4) ScriptedAdvanceClock(0.040);
        }
    } while (LeaveState());

    const FrameStatsSummary s = SummariseFrameStats();
    EXPECT_EQ(s.frames, 6u);
    EXPECT_EQ(s.stateSwitches, 1u);
    EXPECT_NEAR(s.switchP50, 0.200, 0.001);
    EXPECT_NEAR(s.switchMax, 0.200, 0.001);
    EXPECT_NEAR(s.betweenFramesMax, 0.040, 0.001);
    EXPECT_NEAR(s.pacingMax, 0.040, 0.001) << "the frame after the loop's work came late";
    EXPECT_EQ(s.loadingFrames, 2u);
    EXPECT_LT(s.loadingPacingMax, 0.001) << "the switch is not the next frame's lateness";
}

TEST_F(FrameStatsTest, NothingIsRecordedUnlessAskedFor)
{
    FramesLeft = 2;
    AddGameState(50, nullptr, nullptr, WorkingUpdate, WorkingDraw, nullptr, nullptr);
    RunGameLoop(50);
    EXPECT_EQ(SummariseFrameStats().frames, 0u);
}
} // namespace
