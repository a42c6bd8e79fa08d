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
