// best_runs.h: the run that set each level's best time, kept as a recording for its ghost.
//
// "best_run_N.txt" under $XDG_DATA_HOME/vantara (N the level, 1 to 9) is a script that the
// replay runner plays from the level's start (--state of the level): the bindings the run was
// played with as its header, then its input from the first frame of the life that set the
// best time to its exit. After the script, one comment line per frame of play (paused frames
// do not count) says where the player was after it and how it looked:
//
//     #at X Y WIDTH HEIGHT CELL     world units, the width negative facing left; the run cell
//
// A new best time writes the whole file anew (kept_file.h); copies of the game playing at once
// keep the faster of their runs. Like every kept file, nothing is read or written unless the
// program keeps files.
#pragma once

#include "engine/graphics/math2d.h"
#include "game/recording/replay_script.h"

#include <cstdint>
#include <string>
#include <vector>

// Where the player was after one frame of play, and how it looked.
struct RunPoint
{
    Vec2 position = {0.0f, 0.0f};
    Vec2 scale = {0.0f, 0.0f};
    uint32_t cell = 0;
};

struct BestRun
{
    ScriptHeader header;
    std::vector<ScriptLine> script;
    std::vector<RunPoint> track; // one per frame of play: its length is the run's time
};

// The longest run kept: ten minutes of play, and the file that holds it at most this long.
constexpr size_t BEST_RUN_FRAMES = 60 * 60 * 10;
constexpr size_t BEST_RUN_FILE_LIMIT = 4 * 1024 * 1024;

std::string FormatBestRun(int level, const BestRun& run);
// Reads a kept run. 0 when the whole text was understood and holds a run, otherwise the
// number of the first line that was not (1 for a text without a run).
int ParseBestRun(const std::string& text, BestRun* run);

// The kept run of level 1..9; false when there is none (or it is damaged: said on stderr).
bool LoadBestRun(int level, BestRun* run);
// Keeps the run that has just set the level's best time.
void KeepBestRun(int level, const BestRun& run);
