// ghost_run.h: the ghost, a translucent player that runs the level's best run beside the live
// one, and the recording of the present life that may become the next best run.
//
// While files are kept (kept_file.h), every life of a level 1..9 is recorded as it is played:
// the input of each of its frames and where the player was after each frame of play. When the
// life sets a best time, unassisted, it is kept (best_runs.h). With the option on, the level's
// kept run is drawn behind the level's objects, frame of play by frame of play as the timer
// counts them: paused with the live player, gone once it has reached the exit. The ghost only
// reads the game and draws: a level plays, sounds and replays the same with it on or off.
#pragma once

#include "engine/graphics/math2d.h"
#include "engine/system/game_state_manager.h"

class Player;

// The option: off by default, kept in settings.ini.
extern bool GhostShown;

// The level's lifecycle tells the ghost what happens. Its Load, for `level`'s kept run.
void GhostLevelLoaded(GameStateId level);
// Its Init, after the far layers: the ghost's layer, drawn before the level's own.
void AddGhostLayer();
// Every Init: a new life starts its recording, unless the life goes on after the pause menu's
// credits or controls (`comingBack`): such a life cannot be played back and keeps no run.
void GhostLifeBegins(bool comingBack);
// First in every frame of the level: the input it runs with.
void RecordGhostInput();
// After every frame of play: where the player is.
void RecordGhostPoint(const Player* player);
// The life has set the level's best time: its recording is kept.
void KeepGhostRun(GameStateId level);

// Where the ghost is drawn this frame; false when it is not.
bool GhostPosition(Vec2* at);
// As a freshly started program has it (the option aside).
void ResetGhost();
