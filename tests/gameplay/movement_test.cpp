// movement_test.cpp: standing, jumping, the ground slam and wall jumps, frame by frame.
#include "tests/gameplay/replay_harness.h"

namespace
{
const char* const FLOOR = "14 0 -500 1920 100 Floor\nplayer 0 -410\n";
const char* const WALL = "14 0 -500 1920 100 Floor\n14 300 0 50 1080 Wall\nplayer 200 -410\n";

// Standing on the floor, the player's centre rests this high: floor top plus half its height.
constexpr float REST_Y = -450.0f + 40.0f;
constexpr float STEP = 0.016f;

std::string JumpAt(int frame)
{
    return std::to_string(frame) + " SPACE 0 0 0\n" + std::to_string(frame + 1) + " - 0 0 0\n";
}
} // namespace

TEST(Movement, StandingHoldsTheGroundAndTakesAJumpOnAnyFrame)
{
    const Replay still = Play(FLOOR, "", 90);
    for (int f = 30; f < 90; ++f)
    {
        EXPECT_TRUE(still[f].grounded) << f;
        EXPECT_EQ(still[f].position.y, REST_Y) << f;
    }

    for (int jump : {60, 61, 62, 63})
    {
        const Replay run = Play(FLOOR, JumpAt(jump), jump + 80);
        const float rest = run[jump - 1].velocity.y;
        EXPECT_FLOAT_EQ(run[jump].velocity.y, rest + 500.0f) << jump;
        EXPECT_FALSE(run[jump].grounded);

        // The flight as gravity and damping make it, from the take-off speed.
        float y = REST_Y, vy = run[jump].velocity.y, apex = y;
        int landing = jump;
        while (landing == jump || y > REST_Y)
        {
            vy = FallStep(vy);
            y += vy * STEP;
            apex = y > apex ? y : apex;
            ++landing;
        }
        float highest = REST_Y;
        for (int f = jump; f < landing; ++f)
        {
            EXPECT_FALSE(run[f].grounded) << f;
            highest = std::max(highest, run[f].position.y);
        }
        EXPECT_FLOAT_EQ(highest, apex);
        EXPECT_NEAR(apex - REST_Y, 88.0f, 1.0f);
        EXPECT_TRUE(run[landing].grounded) << "lands on frame " << landing;
        EXPECT_EQ(run[landing].position.y, REST_Y);
        EXPECT_NEAR(landing - jump, 54, 1);
    }
}

TEST(Movement, GroundSlamHopsHangsThenDrivesDownAndLands)
{
    constexpr int JUMP = 60;
    // S in the 12th airborne frame after take-off is too early.
    const Replay early = Play(FLOOR, JumpAt(JUMP) + "72 S 0 0 0\n73 - 0 0 0\n", 140);
    EXPECT_FALSE(early[JUMP + 12].slamming);
    EXPECT_FALSE(early[JUMP + 13].slamming);

    const Replay run = Play(FLOOR, JumpAt(JUMP) + "73 S 0 0 0\n74 - 0 0 0\n", 140);
    constexpr int HOP = JUMP + 13;
    ASSERT_TRUE(run[HOP].slamming);
    EXPECT_EQ(run[HOP].velocity.x, 0.0f);
    EXPECT_EQ(run[HOP].velocity.y, 0.0f);
    const float hop = run[HOP].position.y - run[HOP - 1].position.y;
    EXPECT_GE(hop, 40.0f);
    EXPECT_LT(hop, 40.16f);

    for (int f = HOP + 1; f < HOP + 23; ++f) EXPECT_EQ(run[f].position.y, run[HOP].position.y) << f;
    EXPECT_EQ(run[HOP + 23].velocity.y, -1500.0f);
    EXPECT_FLOAT_EQ(run[HOP + 23].position.y, run[HOP].position.y - 1500.0f * STEP);

    int landing = HOP + 23;
    while (!run[landing].grounded) ++landing;
    EXPECT_FALSE(run[landing].slamming);
    EXPECT_TRUE(run[landing].slamLanded);
    EXPECT_EQ(run[landing].velocity.y, 0.0f);
    EXPECT_FALSE(run[landing - 1].slamLanded);
}

TEST(Movement, WallJumpNeedsAirTimeKicksAwayAndSwapsTheControls)
{
    // Running into the wall on the right, jumping, then jumping again against it.
    const std::string run = "10 D 0 0 0\n60 D+SPACE 0 0 0\n61 D 0 0 0\n";
    const Replay tooSoon = Play(WALL, run + "66 D+SPACE 0 0 0\n67 D 0 0 0\n", 80);
    EXPECT_FLOAT_EQ(tooSoon[66].velocity.y, FallStep(tooSoon[65].velocity.y));
    EXPECT_FALSE(tooSoon[66].wallJumpFlip);

    const Replay jump = Play(WALL, run + "72 D+SPACE 0 0 0\n73 D 0 0 0\n90 - 0 0 0\n"
                                      "92 D 0 0 0\n",
                          100);
    EXPECT_EQ(jump[72].velocity.y, 400.0f);
    EXPECT_TRUE(jump[72].wallJumpFlip);
    // The kick is cut to the speed limit, less a frame's friction.
    EXPECT_EQ(jump[73].velocity.x, -480.0f);
    // Still holding D, which now runs left.
    for (int f = 74; f < 90; ++f) EXPECT_LT(jump[f].position.x, jump[f - 1].position.x) << f;
    // Pressing D again gives the controls back.
    EXPECT_FALSE(jump[92].wallJumpFlip);
    EXPECT_GT(jump[93].velocity.x, jump[92].velocity.x);
}
