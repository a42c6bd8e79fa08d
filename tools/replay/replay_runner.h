// replay_runner.h: the game played back from an input script, headless and exactly.
//
// The runner starts the game as the program does, on the scripted platform (virtual clock,
// 1920 x 1080 virtual screen, full screen, no audio device), enters a state or an arena, feeds
// one script line per frame and reports after every Init and every frame. Every frame lasts
// exactly 1/60 s of virtual time, so a script always plays back the same, at any speed.
#pragma once

#include "engine/system/game_state_manager.h"
#include "game/levels/level.h"
#include "tools/replay/arena.h"
#include "game/levels/level_timer.h"
#include "game/recording/frame_event.h"
#include "game/recording/replay_script.h"

#include <cstdint>
#include <vector>

class Player;

struct ReplaySetup
{
    GameStateId state = GS_MAIN_MENU;
    bool useArena = false;
    std::vector<ArenaObject> arena;
    bool useLevel = false; // play `level` in GS_PLAYED_LEVEL; reaching its exit ends the run
    LevelFile level;
    PlayedLevelOptions playedOptions;
    std::vector<ScriptLine> script;
    ScriptHeader header; // the controls the script plays with
    int64_t frames = -1; // -1: until the script's last listed frame
    bool fromSelector = false;
    bool drawWithGL = false; // a GL context has been lent (picture_window.h): draw for real
    // Frames paced by the frame limiter on the scripted platform's clock, as the game paces
    // them, instead of lasting 1/60 s of virtual time each with no wait. What the frames do
    // is the same; only the clock tells.
    bool pacedByClock = false;
    // The timer option: it shows only, but the win screen's table of a run is made of its
    // objects.
    TimerMode timer = TIMER_OFF;
    bool ghost = false; // the ghost option: it only draws
};

// What the runner reports; the runner's state (registry, player, module state) can be read
// from inside the calls.
class ReplayObserver
{
  public:
    virtual ~ReplayObserver() = default;
    // After every Init: on entry, on a restart and on a switch. `nextFrame` is the next
    // frame to run.
    virtual void OnInit(uint64_t nextFrame) = 0;
    // After each frame's Update and Draw; `player` is the object named "player", if any.
    virtual void OnFrame(uint64_t frame, const Player* player, ReplayEvent event) = 0;
    // Just before frame `frame` runs.
    virtual void BeforeFrame(uint64_t) {}
    // Asked after every frame: false ends the run there (a search that has seen enough).
    virtual bool KeepGoing() { return true; }
};

// The state ids the game registers, for checking a --state before anything runs.
bool IsGameState(GameStateId id);

// Plays the whole replay. Returns when the frames are done, the exit of the arena or of the
// level file is reached or the game quits, with everything it made released again.
void RunReplay(const ReplaySetup& setup, ReplayObserver* observer);
