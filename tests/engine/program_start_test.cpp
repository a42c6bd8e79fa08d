// The program's start-up when it cannot run (another copy, no OpenGL), and its command line.
#include "engine/platform/platform_scripted.h"
#include "engine/system/window.h"
#include "game/startup/vantara_main.h"

#include <gtest/gtest.h>

TEST(ProgramStart, ASecondCopyLeavesWithCodeOneBeforeMakingAWindow)
{
    ScriptedReset();
    ScriptedSetOtherInstanceRunning(true);
    EXPECT_EQ(VantaraMain(), EXIT_ALREADY_RUNNING);
    EXPECT_FALSE(ScriptedWindow().exists);
    EXPECT_EQ(ScriptedWindow().clientWidth, 0u);
}

TEST(ProgramStart, WithoutOpenGLThePlayerIsToldAndTheExitCodeSaysFailure)
{
    ScriptedReset();
    EXPECT_EQ(VantaraMain(), EXIT_NO_GRAPHICS);
    ASSERT_EQ(ScriptedMessageBoxes().size(), 1u);
    EXPECT_EQ(ScriptedMessageBoxes()[0].caption, "OpenGL 3.3 Not Supported");
    EXPECT_EQ(ScriptedMessageBoxes()[0].text,
              "OpenGL 3.3 is not supported! Please download latest GPU drivers!");
    EXPECT_FALSE(ScriptedWindow().exists) << "the window is closed again";
    EXPECT_STREQ(WindowTitle, "Vantara");
}
