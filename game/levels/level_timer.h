// level_timer.h: the time of the level being played and of the run, counted as best times are.
//
// A level's time is the frames of its present life that ran unpaused (best_times.h): a death
// or a restart starts it again, the pause stops it, and the credits or controls opened from
// the pause come back to it running on. A run is Play from the main menu through Level 1 to
// Level 9, each level entered by the exit of the one before: its total is every counted frame
// of those levels, the lives lost included, and each level's split is the time it was finished
// in. A level entered any other way (the selector, a K jump, an arrow key) ends the run.
//
// The timer option only shows these (timer_overlay.h); they are counted whatever it says.
#pragma once

#include "engine/system/game_state_manager.h"
#include "game/saves/best_times.h"

#include <cstdint>

enum TimerMode : uint8_t
{
    TIMER_OFF,
    TIMER_LEVEL, // the level's time
    TIMER_RUN,   // the level's time and the run's total
};
extern TimerMode TimerShown;

// What the timer shows this frame.
struct TimerReading
{
    uint32_t levelFrames = 0;
    uint64_t runFrames = 0;
    bool inRun = false;       // a run from Level 1 is under way
    bool assisted = false;    // an assist is on, or was during this life or this run
};
TimerReading ReadTimer();

// The last level finished: the difference from the best time it had before.
struct LevelFinish
{
    int level = 0;           // 1..9; 0: none yet
    uint32_t frames = 0;
    uint32_t bestBefore = 0; // 0: it had none
    bool assisted = false;   // kept no best time
    bool newBest = false;    // it is the level's best time now
    uint32_t atFrame = 0;    // FrameCount when it was finished
};
const LevelFinish& LastFinish();

// The run just finished, for the win screen: each level's split and the total.
struct RunResult
{
    bool complete = false; // Level 1 to Level 9 in one run
    uint32_t splits[LEVEL_COUNT] = {};
    uint64_t total = 0;
    bool assisted = false;
};
const RunResult& FinishedRun();

// The level's lifecycle tells the timer what happens. Entered: the level's first Init after
// its Load; `comingBack` from the pause menu's credits or controls.
void LevelEntered(GameStateId level, bool comingBack);
// Every other Init: a death or a restart begins a new life.
void LevelRestarted();
// A frame of the level ran unpaused.
void CountLevelFrame();
// The exit was reached this frame and leads to `next`. Keeps the best time unless the life was
// assisted; true when it is a new best.
bool LevelFinished(GameStateId level, GameStateId next);
// Back as a freshly started program has them.
void ResetLevelTimer();
