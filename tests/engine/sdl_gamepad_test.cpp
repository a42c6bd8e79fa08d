// sdl_gamepad_test.cpp: game pads through the real SDL back end, with SDL's virtual joysticks
// standing in for pads: SDL's own events and controller mapping carry their buttons (as the
// window's messages) and sticks into the engine's input state, for a pad there at start and
// one plugged in later.
#include "engine/input/input_state.h"
#include "engine/system/frame_controller.h"
#include "engine/system/window.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace
{
void Frame()
{
    PlatformPumpMessages();
    UpdateInput();
}

int AttachPad()
{
    return SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX,
                                     SDL_CONTROLLER_BUTTON_MAX, 0);
}

// The joystick the back end opened for the virtual device at `device`.
SDL_Joystick* Opened(int device)
{
    return SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device));
}
} // namespace

TEST(SdlGamepads, PadsPresentAtStartAndPluggedInLaterReachTheGame)
{
    ASSERT_EQ(SDL_Init(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    const int first = AttachPad();
    ASSERT_GE(first, 0) << SDL_GetError();
    // SDL sets a pad's events aside while no window has the focus; a bare X server gives it
    // at its own pace.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    ASSERT_TRUE(PlatformInit()) << "needs a display";
    ASSERT_TRUE(CreateGameWindow());
    InitInput();
    ASSERT_TRUE(Gamepads[0].connected) << "found by the start-up look";
    FrameTime = 1.0 / 60.0;
    Frame();
    EXPECT_EQ(ActiveGamepad, -1) << "a pad at rest drives nothing yet";

    SDL_Joystick* one = Opened(first);
    ASSERT_NE(one, nullptr);
    SDL_JoystickSetVirtualButton(one, SDL_CONTROLLER_BUTTON_A, 1);
    SDL_JoystickSetVirtualAxis(one, SDL_CONTROLLER_AXIS_LEFTY, -32768); // pushed up
    SDL_JoystickSetVirtualAxis(one, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    Frame();
    EXPECT_EQ(ActiveGamepad, 0);
    EXPECT_TRUE(IsPadButtonTriggered(PAD_A));
    EXPECT_EQ(Gamepads[0].pad.leftStickY, 32767) << "y grows upwards, as XInput has it";
    EXPECT_FLOAT_EQ(Gamepads[0].leftStick.y, 1.0f);
    EXPECT_EQ(Gamepads[0].rightTrigger, 1.0f);

    // A second pad plugged in while the game runs is found by the next look, within 2 s.
    const int second = AttachPad();
    ASSERT_GE(second, 0) << SDL_GetError();
    int frames = 0;
    while (!Gamepads[1].connected && frames < 180)
    {
        Frame();
        ++frames;
    }
    ASSERT_TRUE(Gamepads[1].connected);
    EXPECT_LE(frames, 121);
    SDL_JoystickSetVirtualButton(Opened(second), SDL_CONTROLLER_BUTTON_B, 1);
    Frame();
    EXPECT_EQ(ActiveGamepad, 1) << "the pad last used drives";
    EXPECT_TRUE(IsPadButtonDown(PAD_B));
    EXPECT_FALSE(IsPadButtonDown(PAD_A)) << "pad 0's A is its own";

    // Unplugged: its slot is empty at once, and it drives nothing.
    SDL_JoystickDetachVirtual(second);
    Frame();
    EXPECT_FALSE(Gamepads[1].connected);
    EXPECT_EQ(ActiveGamepad, -1);
    EXPECT_TRUE(Gamepads[0].connected);

    ResetInput();
    DestroyGameWindow();
    PlatformShutdown();
}
