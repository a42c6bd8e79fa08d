// level_timer.cpp: the level's life in frames, the run's total and splits, the last finish.
#include "game/levels/level_timer.h"

#include "engine/system/frame_controller.h"
#include "engine/system/window.h"
#include "game/gameplay/assists.h"
#include "game/startup/game_states.h"

TimerMode TimerShown = TIMER_OFF;

namespace
{
constexpr GameStateId FIRST_LEVEL = 7;
constexpr GameStateId LAST_LEVEL = 15;

uint32_t LifeFrames = 0;
bool LifeAssisted = false;

bool RunActive = false;
uint64_t RunFrames = 0;
bool RunAssisted = false;
uint32_t RunSplits[LEVEL_COUNT] = {};
GameStateId ExitLeadsTo = GS_QUIT; // where the last exit led, for the run to go on there

LevelFinish Finish;
RunResult Result;

void BeginLife()
{
    LifeFrames = 0;
    LifeAssisted = false;
}
} // namespace

TimerReading ReadTimer()
{
    TimerReading reading;
    reading.levelFrames = LifeFrames;
    reading.runFrames = RunFrames;
    reading.inRun = RunActive;
    reading.assisted = AssistsOn() || LifeAssisted || (RunActive && RunAssisted);
    return reading;
}

const LevelFinish& LastFinish() { return Finish; }
const RunResult& FinishedRun() { return Result; }

void LevelEntered(GameStateId level, bool comingBack)
{
    Result = RunResult();
    const GameStateId ledTo = ExitLeadsTo;
    ExitLeadsTo = GS_QUIT;
    if (comingBack) return; // the life, and the run, go on
    BeginLife();
    // Play starts Level 1 from the main menu; every later level of the run comes by its exit.
    const bool startsRun = level == FIRST_LEVEL && PreviousStateId == GS_MAIN_MENU &&
                           !StartedFromLevelSelector && LevelJumpTarget != level;
    if (startsRun)
    {
        RunActive = true;
        RunFrames = 0;
        RunAssisted = false;
        for (uint32_t& split : RunSplits) split = 0;
    }
    else if (!(RunActive && level == ledTo))
        RunActive = false;
}

void LevelRestarted() { BeginLife(); }

void CountLevelFrame()
{
    ++LifeFrames;
    LifeAssisted = LifeAssisted || AssistsOn();
    if (!RunActive) return;
    ++RunFrames;
    RunAssisted = RunAssisted || AssistsOn();
}

bool LevelFinished(GameStateId level, GameStateId next)
{
    const int number = LevelNumber(level);
    Finish = LevelFinish();
    Finish.level = number;
    Finish.frames = LifeFrames;
    Finish.bestBefore = BestFrames(number);
    Finish.assisted = LifeAssisted;
    Finish.atFrame = FrameCount;
    bool newBest = false;
    if (!LifeAssisted)
    {
        RecordLevelTime(level, LifeFrames);
        newBest = number != 0 && BestFrames(number) == LifeFrames &&
                  (Finish.bestBefore == 0 || LifeFrames < Finish.bestBefore);
    }
    Finish.newBest = newBest;
    ExitLeadsTo = next;
    if (RunActive && number != 0)
    {
        RunSplits[number - 1] = LifeFrames;
        if (level == LAST_LEVEL)
        {
            Result.complete = true;
            for (int i = 0; i < LEVEL_COUNT; ++i) Result.splits[i] = RunSplits[i];
            Result.total = RunFrames;
            Result.assisted = RunAssisted;
            RunActive = false;
        }
    }
    return newBest;
}

void ResetLevelTimer()
{
    BeginLife();
    RunActive = false;
    RunFrames = 0;
    RunAssisted = false;
    ExitLeadsTo = GS_QUIT;
    Finish = LevelFinish();
    Result = RunResult();
}
