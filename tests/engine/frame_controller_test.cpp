// Frame timing on the virtual clock: the 60 Hz floor, long frames, the first frame.
#include "scripted_machine.h"

class FrameControllerTest : public ScriptedMachineTest
{
protected:
    void Frame(double workSeconds)
    {
        StartFrameTimer();
        ScriptedAdvanceClock(workSeconds);
        LimitFrameRate();
    }
};

TEST_F(FrameControllerTest, AShortFrameIsHeldToASixtiethOfASecond)
{
    Frame(0.005);
    EXPECT_GE(FrameTime, 1.0 / 60.0);
    EXPECT_LT(FrameTime, 1.0 / 60.0 + 0.0001);
    EXPECT_NEAR(FrameRate, 60.0, 0.5);
    // The spin really waited: the clock moved past the sixtieth.
    EXPECT_GE(ScriptedClockSeconds(), 1.0 / 60.0);
}

TEST_F(FrameControllerTest, TheWaitIsSleptButForItsLastStretch)
{
    const double margin = SpinMargin;
    Frame(0.005);
    const double wait = 1.0 / 60.0 - 0.005;
    EXPECT_NEAR(ScriptedSleptSeconds(), wait - margin, 0.0001);
    EXPECT_NEAR(FrameWaitTime, wait, 0.0001);
    EXPECT_NEAR(FrameSleepTime, wait - margin, 0.0001);
    EXPECT_GE(FrameTime, 1.0 / 60.0);
    EXPECT_LT(FrameTime, 1.0 / 60.0 + 0.0001);

    // Work that leaves less than the spin's stretch is never followed by a sleep.
    Frame(1.0 / 60.0 - SpinMargin / 2);
    EXPECT_EQ(FrameSleepTime, 0.0);
    EXPECT_GE(FrameTime, 1.0 / 60.0);
    // Nor is a long frame, which waits for nothing.
    Frame(0.05);
    EXPECT_EQ(FrameSleepTime, 0.0);
    EXPECT_NEAR(FrameWaitTime, 0.0, 0.0001);
}

TEST_F(FrameControllerTest, TheSpinShrinksWhileWakesArePunctualAndGrowsWithALateOne)
{
    // Punctual wakes: after ten seconds the spin is a small part of each frame.
    for (int i = 0; i < 600; ++i) Frame(0.005);
    const double slept = ScriptedSleptSeconds();
    Frame(0.005);
    EXPECT_GT(ScriptedSleptSeconds() - slept, 1.0 / 60.0 - 0.005 - 0.0004);
    EXPECT_LT(FrameTime, 1.0 / 60.0 + 0.0001);

    // A machine that wakes the sleeper 0.6 ms late: one frame runs long, then the spin
    // covers the lateness and frames are a sixtieth again.
    ScriptedSetSleepLateness(0.0006);
    Frame(0.005);
    EXPECT_GT(FrameTime, 1.0 / 60.0 + 0.0002);
    for (int i = 0; i < 300; ++i)
    {
        Frame(0.005);
        ASSERT_LT(FrameTime, 1.0 / 60.0 + 0.0001) << "frame " << i;
    }
}

TEST_F(FrameControllerTest, ALongFrameIsReportedAsItWasAndNotCapped)
{
    Frame(0.1);
    EXPECT_NEAR(FrameTime, 0.1, 0.0001);
    EXPECT_NEAR(FrameRate, 10.0, 0.01);
    Frame(2.5);
    EXPECT_NEAR(FrameTime, 2.5, 0.0001);
}

TEST_F(FrameControllerTest, BeforeTheFirstFrameTheTimeIsASixtiethAndFramesAreCounted)
{
    EXPECT_EQ(FrameTime, 1.0 / 60.0);
    EXPECT_EQ(FrameRate, 60.0);
    EXPECT_EQ(FrameCount, 0u);
    for (int i = 0; i < 5; ++i) Frame(0.001);
    EXPECT_EQ(FrameCount, 5u);
}

TEST_F(FrameControllerTest, PreciseTimeKeepsMicrosecondsAfterDaysOfRunning)
{
    ScriptedSetClockStepPerRead(0.0);
    ScriptedAdvanceClock(40.0 * 24 * 3600);
    const double before = GetPreciseTime();
    ScriptedAdvanceClock(0.000001);
    EXPECT_NEAR(GetPreciseTime() - before, 0.000001, 1e-9);
}
