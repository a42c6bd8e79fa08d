// arena.h: test scenes for the replay runner, built from a small text file.
//
// One object per line, in registry order; # starts a comment:
//     KIND X Y W H [NAME]                    a plain object of that kind ("object" by default)
//     player X Y                             the player (exactly one), 100 x 80
//     enemy X Y W H LEFT RIGHT STUNNABLE     a patrolling enemy; a negative W is mirrored
//     rock X Y W H RESET                     a rock that starts again from RESET
// The arena is built like a level: layer "Main" with camera "MainCam" holding every object,
// the player's run sheet, and the player's hook objects registered just before it. It runs
// like a level too: a death or R rebuilds it from the file. It needs no data/ folder.
#pragma once

#include "engine/system/game_state_manager.h"
#include "game/scene/object_kind.h"

#include <cstdint>
#include <string>
#include <vector>

struct ArenaObject
{
    enum Type
    {
        PLAIN,
        PLAYER,
        ENEMY,
        ROCK
    };
    Type type = PLAIN;
    ObjectKind kind = 0;
    float x = 0.0f, y = 0.0f, w = 0.0f, h = 0.0f;
    std::string name;
    int32_t left = 0, right = 0, reset = 0;
    bool stunnable = false;
};

// The state id the arena runs under: no state of the game uses it.
constexpr GameStateId GS_ARENA = 99;

// Reads a whole arena. On a bad line returns false with `error` as "FILE:LINE: what is wrong".
bool ParseArena(const std::string& text, const std::string& fileName,
                std::vector<ArenaObject>* objects, std::string* error);

// Registers GS_ARENA, which builds `objects` on every Init.
void RegisterArenaState(const std::vector<ArenaObject>& objects);
