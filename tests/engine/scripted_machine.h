// scripted_machine.h: a fresh, headless machine for every engine test.
#pragma once

#include "engine/input/input_state.h"
#include "engine/platform/platform_scripted.h"
#include "engine/system/frame_controller.h"
#include "engine/system/game_state_manager.h"
#include "engine/system/window.h"

#include <gtest/gtest.h>

// A scripted machine with the game window open at 100, 100 (1920 x 1080, focused, windowed),
// empty state table, clear input and a fresh frame clock.
class ScriptedMachineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ScriptedReset();
        ResetGameStates();
        WindowWidth = 1920;
        WindowHeight = 1080;
        IsFullscreen = false;
        WindowUnfocused = false;
        RestartRequested = false;
        RememberedWindow = {1920, 1080, 100, 100};
        ASSERT_TRUE(CreateGameWindow());
        InitInput();
        InitFrameController();
    }

    void TearDown() override { DestroyGameWindow(); }

    // One frame of input as the loop sees it: pump, then update.
    void InputFrame()
    {
        PlatformPumpMessages();
        UpdateInput();
    }

    // One frame of a state's Update that only runs the program-wide keys.
    void SystemFrame()
    {
        InputFrame();
        SystemFrameCheck();
    }
};
