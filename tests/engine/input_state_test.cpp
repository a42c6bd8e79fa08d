// Frame states of keys and buttons, the cursor, the wheel and the gamepads.
#include "scripted_machine.h"

using InputStateTest = ScriptedMachineTest;

TEST_F(InputStateTest, AKeyIsTriggeredForExactlyOneFrameThenHeldUntilReleased)
{
    ScriptedKeyDown(KEY_SPACE);
    InputFrame();
    EXPECT_TRUE(IsKeyTriggered(KEY_SPACE));
    EXPECT_TRUE(IsKeyDown(KEY_SPACE));
    for (int frame = 0; frame < 3; ++frame)
    {
        InputFrame();
        EXPECT_FALSE(IsKeyTriggered(KEY_SPACE));
        EXPECT_TRUE(IsKeyDown(KEY_SPACE));
    }
    ScriptedKeyUp(KEY_SPACE);
    InputFrame();
    EXPECT_FALSE(IsKeyDown(KEY_SPACE));
    ScriptedKeyDown(KEY_SPACE);
    InputFrame();
    EXPECT_TRUE(IsKeyTriggered(KEY_SPACE)) << "a second press triggers again";
}

TEST_F(InputStateTest, ATapBetweenTwoUpdatesIsTriggeredOnceThenUp)
{
    ScriptedKeyDown(KEY_MENU);
    ScriptedKeyUp(KEY_MENU);
    ScriptedMouseButton(0, true);
    ScriptedMouseButton(0, false);
    InputFrame();
    EXPECT_TRUE(IsKeyTriggered(KEY_ALT));
    EXPECT_TRUE(IsMouseButtonTriggered(0));
    InputFrame();
    EXPECT_FALSE(IsKeyDown(KEY_ALT));
    EXPECT_FALSE(IsMouseButtonDown(0));

    // A tap, then a press held from the next frame on: two presses, the second held.
    ScriptedKeyDown('A');
    ScriptedKeyUp('A');
    InputFrame();
    ScriptedKeyDown('A');
    InputFrame();
    EXPECT_TRUE(IsKeyTriggered('A'));
    ScriptedKeyDown('A'); // a keyboard repeat
    InputFrame();
    EXPECT_TRUE(IsKeyDown('A'));
    EXPECT_FALSE(IsKeyTriggered('A'));
    // A repeat and the release between two updates are no tap.
    ScriptedKeyDown('A');
    ScriptedKeyUp('A');
    InputFrame();
    EXPECT_FALSE(IsKeyDown('A'));
}

TEST_F(InputStateTest, AQuickChordIsSeenWholeThoughItsModifierIsLetGoBeforeTheNextFrame)
{
    // Ctrl seen held; then Q tapped and Ctrl let go, all before the next frame.
    ScriptedKeyDown(KEY_CONTROL);
    InputFrame();
    ScriptedKeyDown('Q');
    ScriptedKeyUp('Q');
    ScriptedKeyUp(KEY_CONTROL);
    InputFrame();
    EXPECT_TRUE(IsKeyTriggered('Q'));
    EXPECT_TRUE(IsKeyDown(KEY_CONTROL));
    EXPECT_FALSE(IsKeyTriggered(KEY_CONTROL));
    InputFrame();
    EXPECT_FALSE(IsKeyDown('Q'));
    EXPECT_FALSE(IsKeyDown(KEY_CONTROL));
    // Let go before the press, the modifier is up at once: no chord.
    ScriptedKeyDown(KEY_CONTROL);
    InputFrame();
    ScriptedKeyUp(KEY_CONTROL);
    ScriptedKeyDown('Q');
    InputFrame();
    EXPECT_FALSE(IsKeyDown(KEY_CONTROL));
    EXPECT_TRUE(IsKeyTriggered('Q'));
}

TEST_F(InputStateTest, BothAltKeysLandInOneSlotAndEitherReleaseClearsIt)
{
    ScriptedKeyDown(KEY_MENU);
    ScriptedKeyDown(KEY_MENU);
    InputFrame();
    EXPECT_TRUE(IsKeyTriggered(KEY_ALT));
    EXPECT_EQ(KeyState[KEY_MENU], 0) << "the raw Alt code is never written";
    ScriptedKeyUp(KEY_MENU);
    InputFrame();
    EXPECT_FALSE(IsKeyDown(KEY_ALT));
}

TEST_F(InputStateTest, KeyCodesBeyondTheTableAreIgnored)
{
    ScriptedKeyDown(256);
    ScriptedKeyUp(300);
    InputFrame();
    for (int k = 0; k < 256; ++k) EXPECT_EQ(KeyState[k], 0) << k;
    EXPECT_FALSE(IsKeyDown(256));
}

TEST_F(InputStateTest, MouseButtonsHaveFrameStatesToo)
{
    ScriptedMouseButton(0, true);
    ScriptedMouseButton(1, true);
    InputFrame();
    EXPECT_TRUE(IsMouseButtonTriggered(0));
    EXPECT_TRUE(IsMouseButtonTriggered(1));
    EXPECT_FALSE(IsMouseButtonDown(2));
    ScriptedMouseButton(1, false);
    InputFrame();
    EXPECT_TRUE(IsMouseButtonDown(0));
    EXPECT_FALSE(IsMouseButtonTriggered(0));
    EXPECT_FALSE(IsMouseButtonDown(1));
    EXPECT_FALSE(IsMouseButtonDown(7));
}

TEST_F(InputStateTest, TheWheelKeepsOnlyTheLastMessageOfAFrame)
{
    ScriptedMouseWheel(2.0f);
    ScriptedMouseWheel(-1.0f);
    InputFrame();
    EXPECT_EQ(MouseWheel, -1.0f);
    InputFrame();
    EXPECT_EQ(MouseWheel, 0.0f);
}

TEST_F(InputStateTest, TheCursorIsMeasuredFromTheClientCentreWithYUp)
{
    ScriptedSetCursor(960.0f, 540.0f);
    InputFrame();
    EXPECT_EQ(MousePosition.x, 0.0f);
    EXPECT_EQ(MousePosition.y, 0.0f);
    ScriptedSetCursor(0.0f, 0.0f);
    InputFrame();
    EXPECT_EQ(MousePosition.x, -960.0f);
    EXPECT_EQ(MousePosition.y, 540.0f);
    EXPECT_EQ(MouseDelta.x, -960.0f);
    EXPECT_EQ(MouseDelta.y, 540.0f);

    // Full screen moves and grows the window under the resting pointer: its place in the
    // window changes, yet the mouse did not move.
    ScriptedSetCursor(300.0f, 200.0f);
    InputFrame();
    ScriptedSetScreenSize(2560, 1440);
    SetFullscreen(true);
    ScriptedSetCursor(400.0f, 300.0f); // the same place on the screen, from the window's new corner
    InputFrame();
    EXPECT_EQ(MousePosition.x, 400.0f - ScriptedWindow().clientWidth * 0.5f);
    EXPECT_EQ(MouseDelta.x, 0.0f);
    EXPECT_EQ(MouseDelta.y, 0.0f);
    ScriptedSetCursor(410.0f, 300.0f);
    InputFrame();
    EXPECT_EQ(MouseDelta.x, 10.0f);
}

TEST_F(InputStateTest, EdgePixelsCountAsInsideTheWindow)
{
    const struct
    {
        float x, y;
        bool inside;
    } cases[] = {{0, 0, true},      {1920, 1080, true}, {1920, 0, true}, {1920.5f, 500, false},
                 {500, 1081, false}, {-1, 500, false},  {500, -0.5f, false}};
    for (const auto& c : cases)
    {
        ScriptedSetCursor(c.x, c.y);
        InputFrame();
        EXPECT_EQ(MouseInWindow, c.inside) << c.x << ", " << c.y;
    }
}

TEST(GamepadShaping, SticksAreZeroUpToTheirDeadZonesAndFullAtTheEdge)
{
    Vec2 v = ShapeStick(7849, 0, LeftStickDeadZone);
    EXPECT_EQ(v.x, 0.0f);
    v = ShapeStick(7850, 0, LeftStickDeadZone);
    EXPECT_GT(v.x, 0.0f);
    EXPECT_LT(v.x, 0.001f);
    v = ShapeStick(8689, 0, RightStickDeadZone);
    EXPECT_EQ(v.x, 0.0f);
    v = ShapeStick(0, 8690, RightStickDeadZone);
    EXPECT_GT(v.y, 0.0f);
    EXPECT_EQ(v.x, 0.0f);

    for (float deadZone : {LeftStickDeadZone, RightStickDeadZone})
    {
        v = ShapeStick(32767, 0, deadZone);
        EXPECT_FLOAT_EQ(v.x, 1.0f);
        EXPECT_EQ(v.y, 0.0f);
        v = ShapeStick(-32768, 0, deadZone);
        EXPECT_FLOAT_EQ(v.x, -1.0f) << "clamped at full deflection";
        v = ShapeStick(32767, 32767, deadZone);
        EXPECT_NEAR(Length(v), 1.0f, 1e-5f) << "a diagonal is clamped, not longer than 1";
        EXPECT_NEAR(v.x, v.y, 1e-6f);
    }
    // Half-way between dead zone and edge gives half.
    v = ShapeStick(static_cast<int16_t>((7849 + 32767) / 2), 0, LeftStickDeadZone);
    EXPECT_NEAR(v.x, 0.5f, 0.0001f);
}

TEST(GamepadShaping, TriggersStartAtThirty)
{
    EXPECT_EQ(ShapeTrigger(29), 0.0f);
    EXPECT_EQ(ShapeTrigger(30), 0.0f);
    EXPECT_NEAR(ShapeTrigger(31), 1.0f / 225.0f, 1e-6f);
    EXPECT_EQ(ShapeTrigger(255), 1.0f);
}

TEST_F(InputStateTest, AbsentPadsAreLookedForOnlyEveryTwoSeconds)
{
    const uint32_t atStart = ScriptedGamepadReads(0);
    EXPECT_EQ(atStart, 1u) << "the start-up look";
    FrameTime = 0.5;
    for (int frame = 0; frame < 3; ++frame) InputFrame();
    EXPECT_EQ(ScriptedGamepadReads(0), atStart);
    InputFrame(); // two seconds
    EXPECT_EQ(ScriptedGamepadReads(0), atStart + 1);
}

TEST_F(InputStateTest, AConnectedPadIsReadAndShapedEveryFrameUntilUnplugged)
{
    GamepadReading reading = {};
    reading.leftStickX = 32767;
    reading.rightStickY = -32768;
    reading.rightTrigger = 255;
    reading.buttons = 0x1000;
    ScriptedSetGamepad(2, &reading);
    FrameTime = 2.0;
    InputFrame(); // the two-second look finds it
    ASSERT_TRUE(Gamepads[2].connected);
    EXPECT_FLOAT_EQ(Gamepads[2].leftStick.x, 1.0f);
    EXPECT_FLOAT_EQ(Gamepads[2].rightStick.y, -1.0f);
    EXPECT_EQ(Gamepads[2].rightTrigger, 1.0f);
    EXPECT_EQ(Gamepads[2].pad.buttons, 0x1000);

    FrameTime = 1.0 / 60.0;
    const uint32_t reads = ScriptedGamepadReads(2);
    InputFrame();
    EXPECT_EQ(ScriptedGamepadReads(2), reads + 1);
    ScriptedSetGamepad(2, nullptr);
    InputFrame();
    EXPECT_FALSE(Gamepads[2].connected);
    EXPECT_TRUE(GamepadsPrevious[2].connected);
}

TEST_F(InputStateTest, ResetStopsTheVibrationOfConnectedPads)
{
    GamepadReading reading = {};
    ScriptedSetGamepad(0, &reading);
    ResetInput();
    ASSERT_TRUE(Gamepads[0].connected);
    PlatformSetGamepadVibration(0, 1000, 2000);
    ResetInput();
    uint16_t left = 1, right = 1;
    ScriptedGamepadVibration(0, &left, &right);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 0);
}

TEST_F(InputStateTest, ThePadLastUsedDrivesAndADriftingStickStealsNothing)
{
    GamepadReading resting = {}, drifting = {}, pressing = {};
    drifting.leftStickX = 12000; // outside the dead zone, and never back
    pressing.buttons = PAD_A;
    ScriptedSetGamepad(0, &resting);
    ScriptedSetGamepad(3, &drifting);
    ResetInput();
    InputFrame();
    EXPECT_EQ(ActiveGamepad, 3) << "with no pad driving, a stick leaving its dead zone is a use";
    EXPECT_FALSE(IsPadButtonDown(PAD_A));

    ScriptedSetGamepad(0, &pressing);
    InputFrame();
    EXPECT_EQ(ActiveGamepad, 0);
    EXPECT_TRUE(IsPadButtonTriggered(PAD_A));
    InputFrame();
    EXPECT_TRUE(IsPadButtonDown(PAD_A));
    EXPECT_FALSE(IsPadButtonTriggered(PAD_A));

    // Pad 3's stick, frame by frame (tenths of full deflection): drift, a jolt and a push held
    // short of six frames steal nothing; six frames past half way take over.
    const int stick[] = {4, 9, 3, 6, 6, 6, 6, 6, 3, 7, 7, 7, 7, 7, 7, 7};
    for (size_t f = 0; f < sizeof stick / sizeof stick[0]; ++f)
    {
        drifting.leftStickX = static_cast<int16_t>(stick[f] * 3276);
        ScriptedSetGamepad(3, &drifting);
        InputFrame();
        EXPECT_EQ(ActiveGamepad, f < 14 ? 0 : 3) << "frame " << f;
    }

    ScriptedSetGamepad(3, nullptr);
    InputFrame();
    EXPECT_EQ(ActiveGamepad, -1) << "an unplugged pad drives nothing";
    EXPECT_FALSE(IsPadButtonDown(PAD_A));
    EXPECT_EQ(ActivePad(), nullptr);
}

TEST_F(InputStateTest, TriggersFireAtHalfPullAndLetGoBelowAQuarter)
{
    // The right trigger's pull, frame by frame, and whether it has fired after it.
    const uint8_t pull[] = {30, 31, 30, 31, 127, 128, 100, 64, 127, 63, 64, 127, 255, 0};
    const bool fired[] = {0, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0, 1, 0};
    GamepadReading pad = {};
    ScriptedSetGamepad(0, &pad);
    ResetInput();
    for (size_t f = 0; f < sizeof pull; ++f)
    {
        pad.rightTrigger = pull[f];
        ScriptedSetGamepad(0, &pad);
        InputFrame();
        EXPECT_EQ(Gamepads[0].rightTriggerFired, fired[f]) << "pulled to " << int(pull[f]);
    }
}

TEST_F(InputStateTest, APlayedBackPadStandsInForThePadsReallyThere)
{
    GamepadReading real = {}, recorded = {};
    real.buttons = PAD_B;
    recorded.buttons = PAD_A;
    ScriptedSetGamepad(2, &real);
    ResetInput();
    SetPadOverride(true, &recorded);
    InputFrame();
    EXPECT_FALSE(Gamepads[2].connected);
    EXPECT_EQ(ActiveGamepad, 0);
    EXPECT_TRUE(IsPadButtonTriggered(PAD_A));
    EXPECT_FALSE(IsPadButtonDown(PAD_B));

    SetPadOverride(true, nullptr);
    InputFrame();
    EXPECT_EQ(ActivePad(), nullptr) << "a recording without a pad plays with none";

    SetPadOverride(false, nullptr);
    FrameTime = 2.0;
    InputFrame(); // the next look finds the real pad again
    FrameTime = 1.0 / 60.0;
    EXPECT_TRUE(Gamepads[2].connected);
    EXPECT_FALSE(IsPadButtonDown(PAD_B)) << "what it held while set aside is forgotten";
    ScriptedPadButton(2, PAD_B, false);
    ScriptedPadButton(2, PAD_B, true);
    InputFrame();
    EXPECT_TRUE(IsPadButtonTriggered(PAD_B));
}
