// level.h: what makes one level different from another.
//
// Every level runs the same lifecycle (level_lifecycle.cpp): its Load loads the pictures all
// levels share plus its own, the run sheet, the unit quad and its music; its Init draws the
// two background layers and builds the level from its object table into layer "Main", player
// last; its Update moves everything, pans the backgrounds and moves on at the exit. A level
// file holds only data: the table of objects in creation order, the player's start, the
// music and where the level leads.
#pragma once

#include "engine/system/game_state_manager.h"
#include "game/scene/count_of.h"
#include "game/scene/object_kind.h"

#include <cstddef>
#include <cstdint>

struct SoundChannel;

// The pictures a level object can wear. The first six (and the player's) every level loads;
// the rest only the levels that name them in `pictures`.
enum LevelPicture : uint8_t
{
    PICTURE_NONE,
    PICTURE_FAR_BACKGROUND, // "data/LevelBackground2.png", also most exits
    PICTURE_COLUMNS,        // "data/Column.png"
    PICTURE_PLATFORM,       // "data/RectPlat.png", the kind-5 load
    PICTURE_SOLID,          // "data/RectPlat.png" again, for solids
    PICTURE_GRAPPLE_POINT,  // "data/HookPlatforms.png"
    PICTURE_PLAYER,         // "data/Player.png"
    PICTURE_SPIKES,         // "data/Spikes.png"
    PICTURE_FLYING_ENEMY,   // "data/Flying Enemy.png"
    PICTURE_GROUND_ENEMY,   // "data/Ground Enemy.png"
    PICTURE_FRAME,          // "data/Frame.png"
    PICTURE_LAVA,           // "data/Lava.png"
    PICTURE_BOUNCE_PAD,     // "data/Bouncing_platform.png"
    PICTURE_ROCK,           // "data/Rock.png"
    PICTURE_COUNT
};

struct LevelObject
{
    enum Type : uint8_t
    {
        PLAIN,
        ENEMY,
        ROCK
    };
    Type type;
    const char* name;
    ObjectKind kind;
    float x, y, w, h; // centre and full size, world units
    LevelPicture picture;
    int32_t left, right; // an enemy's turning points
    bool stunnable;      // a ground enemy
    int32_t reset;       // a rock's height to start again from
};

constexpr LevelObject Plain(const char* name, ObjectKind kind, float x, float y, float w, float h,
                            LevelPicture picture)
{
    return {LevelObject::PLAIN, name, kind, x, y, w, h, picture, 0, 0, false, 0};
}
constexpr LevelObject EnemyAt(float x, float y, float w, float h, LevelPicture picture,
                              int32_t left, int32_t right, bool stunnable)
{
    return {LevelObject::ENEMY, "Enemy", KIND_ENEMY, x, y, w, h, picture, left, right, stunnable, 0};
}
constexpr LevelObject RockAt(float x, float y, float w, float h, int32_t reset)
{
    return {LevelObject::ROCK, "Rock", KIND_ROCK, x, y, w, h, PICTURE_ROCK, 0, 0, false, reset};
}

enum LevelMusic : uint8_t
{
    MUSIC_TUTORIAL, // "data\Tutorial.wav", through the four tutorial stages
    MUSIC_LEVELS,   // "data\SubTrain_v1.wav", on from level to level
};

struct LevelDefinition
{
    GameStateId id;
    const char* title;
    LevelMusic music;
    GameStateId successor;         // where the exit leads
    bool stopsSoundsAtExit;        // the last stage of a chain falls silent
    const LevelPicture* pictures;  // what it loads beyond every level's pictures
    size_t pictureCount;
    bool loadsEnemySheet;          // ".\data\Enemy_Sprite", loaded and given to nobody
    const LevelObject* objects;    // layer "Main", in creation order, the player excluded
    size_t objectCount;
    float startX, startY;          // the player's start
    const LevelObject* frameObjects; // layer "FRA0" after the builder; Level_1 only
    size_t frameObjectCount;
};

// The channel of the level music last started; it plays on from level to level.
extern SoundChannel* LevelMusicChannel;

// The thirteen levels in play order: the tutorial stages 3 to 6, then Level_1 to Level_9.
extern const LevelDefinition* const LevelCatalogue[];
extern const size_t LevelCount;
// The level of that state, or null.
const LevelDefinition* FindLevel(GameStateId id);

// Starts decoding every picture the level's Load and Init will load (its own, the pause
// menu's, the player's), or with an id of no level those that every level loads.
void DecodeLevelPicturesAhead(GameStateId id);

// Registers every level of the catalogue with the state loop.
void RegisterLevelStates();
