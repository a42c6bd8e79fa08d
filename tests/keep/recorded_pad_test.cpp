// recorded_pad_test.cpp: a live pad's reading, written into a recording and read back by the
// runner, is the very reading the game saw.
#include "game/recording/replay_script.h"

#include <gtest/gtest.h>

TEST(RecordedPad, AReadingWrittenIntoAScriptLineReadsBackUnchanged)
{
    const GamepadReading readings[] = {
        {PAD_A | PAD_DPAD_LEFT | PAD_START, 0, 200, 12345, -32767, 7, 32767},
        {PAD_X | PAD_BACK | PAD_RIGHT_SHOULDER, 255, 31, -1, 1, -20000, 9999},
        {0, 30, 0, 0, 0, 0, 0},
    };
    std::string script;
    uint64_t frame = 0;
    for (const GamepadReading& reading : readings)
    {
        ScriptLine line = {frame++, {}};
        AddPadReading(reading, 30, &line.input);
        script += FormatScriptLine(line);
    }
    std::vector<ScriptLine> lines;
    std::string error;
    ASSERT_TRUE(ParseScript(script, "recording", &lines, &error)) << error << "\n" << script;
    ASSERT_EQ(lines.size(), 3u);
    for (size_t i = 0; i < lines.size(); ++i)
    {
        SCOPED_TRACE(script);
        const GamepadReading back = ReplayPadReading(lines[i].input);
        EXPECT_EQ(back.buttons, readings[i].buttons);
        EXPECT_EQ(back.leftTrigger > 30, readings[i].leftTrigger > 30);
        EXPECT_EQ(back.rightTrigger > 30, readings[i].rightTrigger > 30);
        EXPECT_EQ(back.leftStickX, readings[i].leftStickX);
        EXPECT_EQ(back.leftStickY, readings[i].leftStickY);
        EXPECT_EQ(back.rightStickX, readings[i].rightStickX);
        EXPECT_EQ(back.rightStickY, readings[i].rightStickY);
    }
    EXPECT_FALSE(UsesPad(lines[2].input)) << "a pad at rest leaves the line as keyboard and mouse";
}
