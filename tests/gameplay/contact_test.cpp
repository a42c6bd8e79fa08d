// contact_test.cpp: landing on corners, hazards, enemies, the stun, rocks and the exit.
#include "tests/gameplay/replay_harness.h"

namespace
{
const std::string FLOOR = "14 0 -500 1920 100 Floor\n";
} // namespace

TEST(Contact, CornerLandingTakesTheSmallerPenetration)
{
    // A ledge whose right edge is at x = 100; the player's box is 50 wide.
    const std::string ledge = FLOOR + "14 0 -300 200 50 Ledge\n";
    const Replay deep = Play(ledge + "player 120 -150\n", "", 90);   // 5 units over the edge
    const Replay shallow = Play(ledge + "player 124 -150\n", "", 90); // 1 unit over it
    EXPECT_EQ(deep[89].position.y, -275.0f + 40.0f);
    EXPECT_TRUE(deep[89].grounded);
    EXPECT_EQ(shallow[89].position.y, -450.0f + 40.0f);
    EXPECT_GE(shallow[89].position.x, 125.0f);
}

TEST(Contact, SpikesKillFromEverySide)
{
    struct Approach
    {
        const char* name;
        std::string arena, script;
    };
    const Approach approaches[] = {
        {"from the left", FLOOR + "4 200 -430 40 40\nplayer 0 -410\n", "5 D 0 0 0\n"},
        {"from the right", FLOOR + "4 -200 -430 40 40\nplayer 0 -410\n", "5 A 0 0 0\n"},
        {"from above", FLOOR + "4 0 -430 40 40\nplayer 0 -200\n", ""},
        {"from below", FLOOR + "4 0 -320 40 40\nplayer 0 -410\n",
         "20 SPACE 0 0 0\n21 - 0 0 0\n"},
    };
    for (const Approach& approach : approaches)
    {
        const Replay run = Play(approach.arena, approach.script, 120);
        const int64_t died = run.FirstEvent(REPLAY_DIED);
        EXPECT_GE(died, 0) << approach.name;
        // The level is rebuilt at once, the player back at its start.
        ASSERT_GE(run.inits.size(), 2u) << approach.name;
        EXPECT_EQ(run.inits[1], static_cast<uint64_t>(died + 1)) << approach.name;
    }
}

TEST(Contact, EnemyKillsFromTheSideAndBouncesFromAbove)
{
    const Replay side = Play(FLOOR + "enemy 200 -410 80 80 200 200 0\nplayer 0 -410\n", "5 D 0 0 0\n", 90);
    EXPECT_GE(side.FirstEvent(REPLAY_DIED), 0);

    const Replay above = Play(FLOOR + "enemy 0 -300 80 80 0 0 0\nplayer 0 0\n", "", 120);
    EXPECT_EQ(above.FirstEvent(REPLAY_DIED), -1);
    int bounces = 0;
    for (int f = 1; f < 120; ++f)
    {
        const float fall = FallStep(above[f - 1].velocity.y);
        if (above[f].velocity.y == fall) continue;
        EXPECT_FLOAT_EQ(above[f].velocity.y, fall + 400.0f) << f;
        ++bounces;
    }
    EXPECT_GE(bounces, 2);
}

TEST(Contact, StunnableEnemyIsStompedOnlyAfterALandedSlam)
{
    const std::string arena = FLOOR + "enemy 0 -410 80 80 0 0 1\nplayer -300 -410\n";
    const std::string approach = "50 D 0 0 0\n62 D+SPACE 0 0 0\n63 D 0 0 0\n82 - 0 0 0\n";
    const std::string slam = "1 SPACE 0 0 0\n2 - 0 0 0\n14 S 0 0 0\n15 - 0 0 0\n";

    const Replay plain = Play(arena, approach, 120);
    EXPECT_EQ(plain.FirstEvent(REPLAY_DIED), 99);

    const Replay slammed = Play(arena, slam + approach, 120);
    EXPECT_EQ(slammed.FirstEvent(REPLAY_DIED), -1);
    EXPECT_FLOAT_EQ(slammed[99].velocity.y, FallStep(slammed[98].velocity.y) + 400.0f);
}

TEST(Contact, SlamStunsEveryStunnableEnemyOnOneSharedTimer)
{
    // Frames the enemies stand still: the stun's first frame adds 0.016, then every
    // stunnable enemy adds 0.064 a frame until the timer reaches 15.
    auto stillFrames = [](int enemies) {
        float timer = 0.016f;
        int frames = 1;
        for (int e = 1; e < enemies; ++e) timer += 0.064f;
        while (timer < 15.0f)
        {
            ++frames;
            for (int e = 0; e < enemies && timer < 15.0f; ++e) timer += 0.064f;
        }
        return frames;
    };
    const std::string slam = "1 SPACE 0 0 0\n2 - 0 0 0\n14 S 0 0 0\n15 - 0 0 0\n";
    for (int enemies : {1, 2})
    {
        std::string arena = FLOOR + "enemy 0 -410 80 80 -50 150 1\n";
        if (enemies == 2) arena += "enemy 100 -410 80 80 50 250 1\n";
        const Replay run = Play(arena + "player -300 -410\n", slam, 400);
        int still = 0;
        for (int f = 1; f < 400; ++f)
            if (run[f].enemies[0].x == run[f - 1].enemies[0].x) ++still;
        EXPECT_EQ(still, stillFrames(enemies)) << enemies << " stunnable enemies";
        EXPECT_FALSE(run[399].slamLanded);
    }
    EXPECT_EQ(stillFrames(1), 236);
}

TEST(Contact, RocksFallForEverThroughThePlayer)
{
    const Replay run = Play(FLOOR + "rock 0 650 150 150 650\nrock 300 -700 150 150 400\nplayer 0 -410\n",
                         "", 600);
    EXPECT_EQ(run.FirstEvent(REPLAY_DIED), -1);
    float y[2] = {650.0f, -700.0f};
    const float reset[2] = {650.0f, 400.0f};
    for (int f = 0; f < 600; ++f)
        for (int r = 0; r < 2; ++r)
        {
            if (y[r] <= -600.0f) y[r] = reset[r];
            y[r] -= 500.0f * 0.016f;
            EXPECT_EQ(run[f].rocks[r].y, y[r]) << "rock " << r << " frame " << f;
        }
}

TEST(Contact, ExitEndsTheLevelEvenWhileSwinging)
{
    const Replay run = Play("14 0 -500 1920 100 Floor\n5 -100 150 300 50 Bar\n"
                         "12 -150 -95 50 100 Complete\nplayer -350 50\n",
                         "0 - -100 150 1\n", 200);
    const int64_t done = run.FirstEvent(REPLAY_COMPLETE);
    ASSERT_GT(done, 0);
    EXPECT_TRUE(run[done - 1].latched);
    EXPECT_FALSE(run[done].hooked);
    EXPECT_EQ(run[done].tip.x, HOOK_PARK_POSITION.x);
    // The run ends with the level.
    EXPECT_EQ(run.frames.size(), static_cast<size_t>(done + 1));
}
