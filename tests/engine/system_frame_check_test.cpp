// The keys that work in every state: quit, full screen, minimise, restart, level skips.
#include "scripted_machine.h"

#include "game/controls/program_keys.h"

class SystemFrameCheckTest : public ScriptedMachineTest
{
protected:
    void SetUp() override
    {
        ScriptedMachineTest::SetUp();
        InstallProgramKeyRules();
    }
    void InState(GameStateId state)
    {
        CurrentStateId = NextStateId = state;
    }
    void Press(uint32_t key) { ScriptedKeyDown(key); }
    void Release(uint32_t key) { ScriptedKeyUp(key); }
};

TEST_F(SystemFrameCheckTest, CtrlQAndAltF4Quit)
{
    InState(7);
    Press('Q');
    SystemFrame();
    EXPECT_EQ(NextStateId, 7) << "Q alone does nothing";
    Release('Q');
    SystemFrame();
    Press(KEY_CONTROL);
    Press('Q');
    SystemFrame();
    EXPECT_EQ(NextStateId, GS_QUIT);

    InState(1);
    Release(KEY_CONTROL);
    Release('Q');
    Press(KEY_MENU); // either Alt key
    Press(KEY_F4);
    SystemFrame();
    EXPECT_EQ(NextStateId, GS_QUIT);
}

TEST_F(SystemFrameCheckTest, RestartStopsSoundsAndAsksForARestartInAnyState)
{
    InState(GS_MAIN_MENU);
    Press('R');
    SystemFrame();
    EXPECT_EQ(NextStateId, GS_RESTART);
    EXPECT_TRUE(RestartRequested);
}

TEST_F(SystemFrameCheckTest, ALevelSkipInTheSameFrameBeatsTheRestartButTheRestartStillHappens)
{
    InState(7);
    Press('R');
    Press(KEY_RIGHT);
    SystemFrame();
    EXPECT_EQ(NextStateId, 8);
    EXPECT_TRUE(RestartRequested);
}

TEST_F(SystemFrameCheckTest, ArrowsWalkTheTwoChainsAndNothingElse)
{
    struct Case
    {
        GameStateId from;
        uint32_t key;
        GameStateId to;
    } cases[] = {{3, KEY_RIGHT, 4},  {6, KEY_RIGHT, 6},  {6, KEY_LEFT, 5},   {3, KEY_LEFT, 3},
                 {11, KEY_RIGHT, 13}, {13, KEY_LEFT, 11}, {15, KEY_RIGHT, GS_WIN_SCREEN},
                 {12, KEY_RIGHT, 12}, {12, KEY_LEFT, 12}, {7, KEY_LEFT, 7},  {1, KEY_RIGHT, 1}};
    for (const Case& c : cases)
    {
        InState(c.from);
        Press(c.key);
        SystemFrame();
        EXPECT_EQ(NextStateId, c.to) << "from " << c.from;
        Release(c.key);
        SystemFrame();
    }
}

TEST_F(SystemFrameCheckTest, KWithADigitJumpsExceptInTheMenuSelectorAndCredits)
{
    InState(GS_CREDITS);
    Press('K');
    Press('3');
    SystemFrame();
    EXPECT_EQ(NextStateId, GS_CREDITS);

    Release('3');
    SystemFrame();
    InState(3);
    Press('3'); // K still held from before
    SystemFrame();
    EXPECT_EQ(NextStateId, 9);
    EXPECT_EQ(LevelJumpTarget, 9) << "the new state learns it was jumped to";

    Release('3');
    SystemFrame();
    EXPECT_EQ(LevelJumpTarget, NO_LEVEL_JUMP) << "only until the next frame's check";
    InState(GS_CONTROLS);
    Press('1');
    Press('8');
    Press('0');
    SystemFrame();
    EXPECT_EQ(NextStateId, GS_LEVEL_SELECTOR) << "the last match, 0, wins";
    EXPECT_EQ(LevelJumpTarget, GS_LEVEL_SELECTOR);

    InState(GS_MAIN_MENU);
    Release('0');
    Release('8');
    SystemFrame();
    Release('1');
    Press('6');
    SystemFrame();
    EXPECT_EQ(NextStateId, GS_MAIN_MENU);
}

TEST_F(SystemFrameCheckTest, ADigitWithoutKDoesNothing)
{
    InState(3);
    Press('3');
    SystemFrame();
    EXPECT_EQ(NextStateId, 3);
}

TEST_F(SystemFrameCheckTest, CtrlAltDeleteInAnyOrderMinimisesOnceWhenTheLastGoesDown)
{
    const uint32_t orders[][3] = {{KEY_CONTROL, KEY_MENU, KEY_DELETE},
                                  {KEY_DELETE, KEY_CONTROL, KEY_MENU},
                                  {KEY_MENU, KEY_DELETE, KEY_CONTROL}};
    uint32_t expected = 0;
    for (const auto& order : orders)
    {
        Press(order[0]);
        SystemFrame();
        Press(order[1]);
        SystemFrame();
        EXPECT_EQ(ScriptedWindow().minimiseRequests, expected);
        Press(order[2]);
        SystemFrame();
        EXPECT_EQ(ScriptedWindow().minimiseRequests, ++expected);
        for (int held = 0; held < 10; ++held) SystemFrame();
        EXPECT_EQ(ScriptedWindow().minimiseRequests, expected) << "holding does not repeat";
        for (uint32_t key : order) Release(key);
        SystemFrame();
    }
}

TEST_F(SystemFrameCheckTest, FocusIsReadEveryFrame)
{
    SystemFrame();
    EXPECT_FALSE(WindowUnfocused);
    ScriptedSetFocus(false);
    SystemFrame();
    EXPECT_TRUE(WindowUnfocused);
}

TEST_F(SystemFrameCheckTest, F11TwiceReturnsToTheRememberedWindowedGeometry)
{
    ScriptedSetScreenSize(2560, 1440);
    SetFullscreen(true); // as the game starts
    EXPECT_TRUE(ScriptedWindow().fullscreen);
    EXPECT_EQ(WindowWidth, 2560u);

    Press(KEY_F11);
    SystemFrame();
    EXPECT_FALSE(IsFullscreen);
    EXPECT_FALSE(ScriptedWindow().fullscreen);
    EXPECT_EQ(ScriptedWindow().clientWidth, 1920u);
    EXPECT_EQ(ScriptedWindow().clientHeight, 1080u);
    EXPECT_EQ(ScriptedWindow().left, 100);
    EXPECT_EQ(ScriptedWindow().top, 100);

    // The player moves and resizes the window; full screen and back keeps that geometry.
    PlatformSetWindowPosition(300, 200);
    SetClientSize(1280, 720);
    Release(KEY_F11);
    SystemFrame();
    Press(KEY_F11);
    SystemFrame();
    EXPECT_TRUE(ScriptedWindow().fullscreen);
    Release(KEY_F11);
    SystemFrame();
    Press(KEY_F11);
    SystemFrame();
    EXPECT_FALSE(ScriptedWindow().fullscreen);
    EXPECT_EQ(ScriptedWindow().clientWidth, 1280u);
    EXPECT_EQ(ScriptedWindow().clientHeight, 720u);
    EXPECT_EQ(ScriptedWindow().left, 300);
    EXPECT_EQ(ScriptedWindow().top, 200);
}

TEST_F(SystemFrameCheckTest, SetClientSizeWithTheCurrentSizeTouchesNothing)
{
    SetClientSize(1920, 1080);
    EXPECT_EQ(ScriptedWindow().sizeChanges, 0u);
    EXPECT_EQ(ScriptedWindow().moves, 0u);
    SetClientSize(1600, 900);
    EXPECT_EQ(ScriptedWindow().sizeChanges, 1u);
    EXPECT_EQ(ScriptedWindow().moves, 0u);
    EXPECT_EQ(WindowWidth, 1600u);
}

TEST_F(SystemFrameCheckTest, SetFullscreenToTheCurrentModeDoesNothing)
{
    SetFullscreen(false);
    EXPECT_EQ(ScriptedWindow().sizeChanges, 0u);
    EXPECT_EQ(ScriptedWindow().moves, 0u);
}
