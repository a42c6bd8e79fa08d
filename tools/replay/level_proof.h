// level_proof.h: whether the run a shared level carries finishes it.
//
// The proof is played by the runner from the level's start, exactly as a replay: it holds when
// the player reaches an exit of this level, in one of its lives, before the proof's last line
// has run out and without leaving the level (a level key, the pause menu's way out, a quit).
#pragma once

#include "game/levels/level_file.h"

#include <cstdint>
#include <string>

struct ProofVerdict
{
    bool holds = false;
    std::string reason; // for a person: "proven: ..." or "not proven: ..."
    uint64_t frame = 0; // the frame on which the exit was reached
};

ProofVerdict CheckProof(const LevelFile& level);
