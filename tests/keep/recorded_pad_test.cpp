// recorded_pad_test.cpp: a live pad's reading, written into a recording and read back by the
// runner, is the very reading the game saw; a frame's time reads back as the game ran it.
#include "game/recording/replay_script.h"

#include <gtest/gtest.h>

#include <limits>

TEST(RecordedPad, AReadingWrittenIntoAScriptLineReadsBackUnchanged)
{
    const GamepadReading readings[] = {
        {PAD_A | PAD_DPAD_LEFT | PAD_START | PAD_LEFT_THUMB, 0, 200, 12345, -32767, 7, 32767},
        {PAD_X | PAD_BACK | PAD_RIGHT_SHOULDER | PAD_RIGHT_THUMB, 255, 31, -1, 1, -20000, 9999},
        {0, 30, 0, 0, 0, 0, 0},
    };
    // Measured frame times: a laptop woken after two hours, a steady frame, a clock gone wrong.
    const double measured[] = {7200.0, 1.0 / 60.0, std::numeric_limits<double>::quiet_NaN()};
    const float ranWith[] = {3600.0f, static_cast<float>(1.0 / 60.0), 0.0f};
    std::string script;
    uint64_t frame = 0;
    for (const GamepadReading& reading : readings)
    {
        ScriptLine line = {frame, {}};
        AddPadReading(reading, 30, &line.input);
        line.input.frameTime = ScriptFrameTime(measured[frame++]);
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
        EXPECT_EQ(lines[i].input.frameTime, ranWith[i]);
    }
    EXPECT_FALSE(UsesPad(lines[2].input)) << "a pad at rest leaves the line as keyboard and mouse";
}
