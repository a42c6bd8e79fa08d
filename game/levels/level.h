// level.h: the levels the game ships, and any level file played through the same lifecycle.
//
// Every level runs the same lifecycle (level_lifecycle.cpp): its Load reads its level file
// (level_file.h) and loads the pictures all levels share plus its own, the run sheet, the unit
// quad and its music; its Init draws the two background layers and builds the level's objects
// into layer "Main", player last, and into "FRA0" after it; its Update moves everything, pans
// the backgrounds and moves on at the exit. The thirteen shipped levels are files under
// data/levels/: the C++ keeps what they do (where each leads, how its music runs on), not
// where their objects stand.
#pragma once

#include "engine/system/game_state_manager.h"
#include "game/levels/level_file.h"
#include "game/startup/game_states.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct SoundChannel;

struct LevelDefinition
{
    GameStateId id;
    const char* file;              // "data/levels/level_1.level", under the data folder
    GameStateId successor;         // where the exit leads
    bool stopsSoundsAtExit;        // the last stage of a chain falls silent
    const LevelPicture* pictures;  // what it loads beyond every level's pictures
    size_t pictureCount;
    bool loadsEnemySheet;          // ".\data\Enemy_Sprite", loaded and given to nobody
};

// The channel of the level music last started; it plays on from level to level.
extern SoundChannel* LevelMusicChannel;

// The thirteen levels in play order: the tutorial stages 3 to 6, then Level_1 to Level_9.
extern const LevelDefinition LevelCatalogue[];
extern const size_t LevelCount;
// The shipped level of that state, or null.
const LevelDefinition* FindLevel(GameStateId id);
// Reads the file of a shipped level. False, with "FILE:LINE: what is wrong", when it cannot
// be read or is no level.
bool ReadShippedLevel(const LevelDefinition& level, LevelFile* file, std::string* error);

// How GS_PLAYED_LEVEL plays a level that is not one of the thirteen.
struct PlayedLevelOptions
{
    GameStateId successor = GS_MY_LEVELS; // where its exit leads
    std::string bestTimeKey;    // LevelKey: a finish faster than the best is kept; empty: none
    bool returnOnDeath = false; // a death leaves for the successor instead of starting again
    // The run is recorded from its first frame with nothing held (the level waits until keys,
    // buttons and pad are let go, so that its replay starts as the runner starts); a finish
    // leaves the run in the result as the level's proof.
    bool recordsProof = false;
    // Where the pause menu's Return leads (the editor takes its test-plays back).
    GameStateId leaveTo = GS_MAIN_MENU;
};

// How the last visit of GS_PLAYED_LEVEL ended.
struct PlayedLevelResult
{
    bool finished = false; // reached an exit
    bool died = false;     // died, and left for that (returnOnDeath)
    uint32_t frames = 0;   // frames of the last life, as best times count them
    float x = 0.0f, y = 0.0f; // where the player was at the end
    std::vector<ScriptLine> proof; // a finish with recordsProof: the run from the start
};

// The level GS_PLAYED_LEVEL plays from its next Load: set it, then ask for GS_PLAYED_LEVEL.
void SetPlayedLevel(const LevelFile& level, const PlayedLevelOptions& options);
// Filled in while GS_PLAYED_LEVEL runs; read it once the successor has been entered.
const PlayedLevelResult& LastPlayedLevelResult();

// Where the pause menu's Return leads from the running level.
GameStateId PausedLevelLeavesTo();
// The file of a picture a level object wears (null for PICTURE_NONE).
const char* LevelPicturePath(LevelPicture picture);

// Starts decoding every picture the level's Load and Init will load (its own, the pause
// menu's, the player's), or with an id of no level those that every level loads.
void DecodeLevelPicturesAhead(GameStateId id);

// Registers every level of the catalogue, and GS_PLAYED_LEVEL, with the state loop.
void RegisterLevelStates();
