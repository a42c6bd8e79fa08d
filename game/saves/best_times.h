// best_times.h: the fastest finish of each of the nine levels, and of each made or imported
// level, kept in best_times.ini.
//
// A level's time is the number of frames (60 a second) from entering it to its exit in one
// life: a death or a restart starts the count again; paused frames do not count. The file:
//
//     [best_frames]
//     level_1 = 2843           whole frames, 1 to 21600000 (100 hours)
//     ...
//     level_9 = 5120
//     [my_levels]
//     3f2a9c0d1e2b4a59 = 1210  a made or imported level, by its key (LevelKey, level_file.h)
//
// A level without a line has no best time yet. Like the settings (kept_file.h) nothing is read
// or written unless the program keeps files, and replays never do: the table stays empty.
// Copies of the game playing at once never lose each other's times: each write keeps, level by
// level, the fewest frames of the game's table and of the file as it is then.
#pragma once

#include "engine/system/game_state_manager.h"

#include <cstdint>
#include <map>
#include <string>

constexpr int LEVEL_COUNT = 9;
constexpr uint32_t MAX_BEST_FRAMES = 60u * 60u * 60u * 100u;

// The level (1..9) that a state plays; 0 for the tutorial stages and every other state.
int LevelNumber(GameStateId state);
// The state that plays level 1..9.
GameStateId LevelState(int level);
// The best time of level 1..9 in frames; 0 while it has none.
uint32_t BestFrames(int level);
// The sum of the nine best times; 0 while any is missing.
uint64_t TotalBestFrames();
// "m:ss.cc", hundredths rounded down.
std::string FormatFrames(uint64_t frames);

// The best time of a made or imported level by its key; 0 while it has none.
uint32_t MyLevelBestFrames(const std::string& key);

// Reads the file's text over `best` and `mine` (may be null: those lines are skipped). 0 when
// every line was understood, otherwise the number of the first line that was not.
int ParseBestTimes(const std::string& text, uint32_t best[LEVEL_COUNT],
                   std::map<std::string, uint32_t>* mine = nullptr);
std::string FormatBestTimes(const uint32_t best[LEVEL_COUNT],
                            const std::map<std::string, uint32_t>& mine = {});

// At start: reads the file when files are kept; otherwise (and after a replay) no best times.
void LoadBestTimes();
// A level finished after `frames` frames of one life: a new best is kept and written at once,
// together with any better time another copy of the game wrote meanwhile.
void RecordLevelTime(GameStateId state, uint32_t frames);
// The same for a made or imported level, by its key.
void RecordMyLevelTime(const std::string& key, uint32_t frames);
