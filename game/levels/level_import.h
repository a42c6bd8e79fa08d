// level_import.h: a shared level brought in, once the run it carries is shown to finish it.
//
// The proof is replayed headless by the replay runner, vantara-replay --verify, which is
// installed beside the game: the same runner that proves the shipped levels, in a process of
// its own, so that a hostile file can never disturb the game. It is fed the very text that is
// then kept.
#pragma once

#include "game/levels/level_file.h"

#include <string>

enum ProofCheck
{
    PROOF_HOLDS,       // the proof finishes this very level
    PROOF_FAILS,       // no proof, a proof of another level, or one that does not finish it
    PROOF_NOT_CHECKED, // the runner could not be run
};

// Replays the level's proof. The reason says what held or failed, for a person to read.
ProofCheck CheckLevelProof(const LevelFile& level, std::string* reason);

// The exit codes of vantara --import.
constexpr int IMPORT_KEPT = 0;
constexpr int IMPORT_NOT_PROVEN = 1;
constexpr int IMPORT_FAILED = 2; // not a readable level, not checked, or not kept

// vantara --import FILE: reads the shared level, checks its proof and keeps it among the
// player's levels, saying what happened in one line (standard output when kept, standard
// error otherwise). Returns the exit code.
int ImportLevel(const char* path);
