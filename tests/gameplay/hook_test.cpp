// hook_test.cpp: firing, latching, swinging, pulling and dropping the grappling hook.
#include "tests/gameplay/replay_harness.h"

#include <cmath>

namespace
{
// A bar overhead to swing from; the player starts in the air beside it.
const char* const SWING = "14 0 -500 1920 100 Floor\n5 -100 150 300 50 Bar\nplayer -350 50\n";
// A grapple point up and to the right of a player standing on the floor.
const char* const POINT = "14 0 -500 1920 100 Floor\n8 0 -150 100 100 Point\nplayer -300 -410\n";

float Distance(Vec2 a, Vec2 b) { return std::hypot(a.x - b.x, a.y - b.y); }
} // namespace

TEST(Hook, TipFliesEightyThenTwentyAFrameAndGivesUpPastFourHundred)
{
    // Straight up at nothing: the tip flies until it is 400 units out, then parks.
    const Replay run = Play(POINT, "10 - -300 400 1\n", 40);
    EXPECT_EQ(run[9].tip.y, HOOK_PARK_POSITION.y);
    for (int f = 10; f <= 26; ++f)
    {
        EXPECT_TRUE(run[f].hooked) << f;
        EXPECT_FLOAT_EQ(Distance(run[f].tip, run[f].position), 80.0f + 20.0f * (f - 10)) << f;
    }
    // Past 400 the shot is dropped, and holding the button does not fire again.
    for (int f = 27; f < 40; ++f)
    {
        EXPECT_FALSE(run[f].hooked) << f;
        EXPECT_EQ(run[f].tip.x, HOOK_PARK_POSITION.x) << f;
    }
}

TEST(Hook, LatchedRopeNeverStretches)
{
    const Replay run = Play(SWING, "0 - -100 150 1\n", 120);
    int latch = 0;
    while (!run[latch].latched) ++latch;
    const Vec2 anchor = run[latch].tip;
    // The rope is held before the frame's move: undo the move to see it.
    auto rope = [&](int f) {
        const Vec2 p = run[f].position - run[f].velocity * 0.016f;
        return Distance(p, run[f].tip);
    };
    const float length = rope(latch + 1);
    EXPECT_GT(length, 200.0f);
    for (int f = latch + 1; f < 120; ++f)
    {
        EXPECT_TRUE(run[f].latched && run[f].hooked) << f;
        EXPECT_EQ(run[f].tip.x, anchor.x);
        EXPECT_EQ(run[f].tip.y, anchor.y);
        EXPECT_NEAR(rope(f), length, 0.01f) << f;
    }
    // The swing carries the player towards the point under the anchor.
    EXPECT_GT(run[119].position.x, run[latch].position.x + 150.0f);
}

TEST(Hook, ReleaseBoostIsGrantedAtMostOncePerSevenTenthsOfHookTimer)
{
    // Let go at 60 (boost), fire again at 62 and let go soon after it latches (no boost).
    // The boost comes before the frame's gravity.
    const Replay run = Play(SWING, "0 - -100 150 1\n60 - -100 150 0\n62 - -100 150 1\n"
                                   "76 - -100 150 0\n",
                            90);
    EXPECT_FLOAT_EQ(run[60].velocity.y, FallStep(run[59].velocity.y + 600.0f));
    EXPECT_FALSE(run[60].hooked);
    ASSERT_TRUE(run[75].latched);
    EXPECT_FLOAT_EQ(run[76].velocity.y, FallStep(run[75].velocity.y));
    EXPECT_FALSE(run[76].hooked);
}

TEST(Hook, GrapplePointPullsAtFullSpeedThroughThePoint)
{
    const Replay run = Play(POINT, "10 - 0 -150 1\n", 60);
    int pull = 10;
    while (!run[pull].onPoint) ++pull;
    const Vec2 tip = run[pull].tip;
    // The tip stopped inside the point, and the pull keeps 1120 units a second towards it.
    EXPECT_LE(std::fabs(tip.x), 50.0f);
    EXPECT_LE(std::fabs(tip.y + 150.0f), 50.0f);
    int end = pull + 1;
    for (; run[end].hooked; ++end)
    {
        EXPECT_NEAR(std::hypot(run[end].velocity.x, run[end].velocity.y), 1120.0f, 0.05f) << end;
        EXPECT_EQ(run[end].tip.x, tip.x);
    }
    // The shot ends on reaching the tip; the player passes through and keeps going.
    EXPECT_LT(end, pull + 30);
    EXPECT_EQ(run[end].tip.x, HOOK_PARK_POSITION.x);
    EXPECT_GT(run[end + 1].position.x, run[end].position.x);
    EXPECT_GT(run[end + 1].position.y, run[end].position.y);
}

TEST(Hook, RDropsTheHookEvenWithTheButtonHeld)
{
    const Replay run = Play(SWING, "0 - -100 150 1\n30 R -100 150 1\n31 - -100 150 1\n", 40);
    ASSERT_TRUE(run[29].latched);
    EXPECT_FALSE(run[30].hooked);
    EXPECT_FALSE(run[30].latched);
    EXPECT_EQ(run[30].tip.y, HOOK_PARK_POSITION.y);
    EXPECT_EQ(run[30].event, REPLAY_RESTART); // the same key restarts the level
}
