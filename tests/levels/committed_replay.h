// committed_replay.h: a committed replay (tests/levels/replays/ID.txt) read as script lines, for
// the tests that play one. VANTARA_REPLAYS names the folder.
#pragma once

#include "game/recording/replay_script.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

inline std::vector<ScriptLine> CommittedReplay(int id)
{
    std::ifstream file(std::string(VANTARA_REPLAYS) + "/" + std::to_string(id) + ".txt");
    std::stringstream text;
    text << file.rdbuf();
    std::vector<ScriptLine> lines;
    std::string error;
    EXPECT_TRUE(ParseScript(text.str(), "replay", &lines, &error)) << error;
    return lines;
}
