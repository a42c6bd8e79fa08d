// level_file.h: a level as a text file, and the model of it that the game and the editor share.
//
// One item per line, blanks between words, # starts a comment (to the end of the line):
//
//     vantara-level 1                       the format and its version, first but for comments
//     title Level_1                         the name the game shows: printable ASCII, up to 48
//     background ruins                      the two background layers behind the play field
//     music levels                          tutorial | levels
//     exits hidden                          hidden | shown (drawn, as in the last tutorial stage)
//     start -800 -350                       where the player starts; exactly one
//     KIND X Y W H NAME [FIELD=VALUE ...]   an object: centre, full size, its name in the game
//     layer frame                           the objects after it are drawn over the play field
//     proof HASH                            the rest of the file is a run that finishes the level
//
// KIND is solid, platform (the hook latches on), spikes, lava, grapple (a grapple point), exit,
// enemy (patrols between its turning points), enemy-block (an enemy that stands still) or
// rock (falls for ever). FIELDs: picture=P for any object whose picture is not its kind's
// own; left=L right=R (whole numbers, L <= R) and stunnable=yes for enemies; reset=Y (a whole
// number) for rocks. W may be negative for an enemy only: it faces the other way. The header
// lines come before the objects; the game makes the objects in the order of the file, the
// player after those of the play field. At least one exit.
//
// The proof is a script of the replay runner (game/recording/replay_script.h) played from
// the level's start, and HASH the content hash of the level it was recorded on.
//
// ReadLevelFile refuses anything else with "FILE:LINE: what is wrong". WriteLevelFile writes
// the canonical text: header lines in the order above, numbers in their shortest exact form,
// fields only where they differ from the default. Comments and blank lines are kept with the
// item below them, so a canonical file reads and writes back byte for byte. This model has no
// window, picture or sound in it: the editor edits it and tests it without either.
#pragma once

#include "game/recording/replay_script.h"
#include "game/scene/object_kind.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int LEVEL_FORMAT_VERSION = 1;
constexpr size_t LEVEL_OBJECT_LIMIT = 5000;
constexpr size_t LEVEL_LINE_LIMIT = 256;           // bytes, without the line end
constexpr size_t LEVEL_FILE_LIMIT = 8u << 20;      // bytes, the proof included
constexpr float LEVEL_COORDINATE_LIMIT = 10000.0f; // positions, turning points, rock resets
constexpr float LEVEL_SIZE_LIMIT = 20000.0f;       // widths and heights, at least 1
constexpr size_t LEVEL_TITLE_LIMIT = 48;
constexpr size_t LEVEL_NAME_LIMIT = 32;                       // letters, digits, _ . and -
constexpr uint64_t LEVEL_PROOF_FRAME_LIMIT = 60u * 60u * 60u; // an hour of frames

// The pictures a level object can wear. The first six (and the player's) every level loads.
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

enum LevelMusic : uint8_t
{
    MUSIC_TUTORIAL, // "data\Tutorial.ogg"
    MUSIC_LEVELS,   // "data\SubTrain_v1.ogg"
    MUSIC_COUNT
};

// The far and the near background layer.
enum LevelBackground : uint8_t
{
    BACKGROUND_RUINS, // ruins at dusk, with columns in front
    BACKGROUND_COUNT
};

enum LevelObjectType : uint8_t
{
    OBJECT_SOLID,
    OBJECT_PLATFORM,
    OBJECT_SPIKES,
    OBJECT_LAVA,
    OBJECT_GRAPPLE,
    OBJECT_EXIT,
    OBJECT_ENEMY,
    OBJECT_ENEMY_BLOCK,
    OBJECT_ROCK,
    OBJECT_TYPE_COUNT
};

// The comment and blank lines above an item, as written, and its comment at the end of its
// line (the text after the #).
struct LevelComments
{
    std::vector<std::string> above;
    std::string after;
};

struct LevelObject
{
    LevelObjectType type = OBJECT_SOLID;
    std::string name;
    float x = 0.0f, y = 0.0f, w = 0.0f, h = 0.0f; // centre and full size, world units
    LevelPicture picture = PICTURE_SOLID;
    bool inFrame = false;        // in layer "FRA0", drawn over the play field
    int32_t left = 0, right = 0; // an enemy's turning points
    bool stunnable = false;      // an enemy a slam stops (the ground enemy)
    int32_t reset = 0;           // a rock's height to start again from
    LevelComments comments;
};

// A run that finishes the level: a replay script from the level's start, and the content hash
// of the level it was recorded on. No lines: no proof.
struct LevelProof
{
    std::string levelHash;
    std::vector<ScriptLine> lines;
    LevelComments comments;
};

struct LevelFile
{
    std::string title;
    LevelBackground background = BACKGROUND_RUINS;
    LevelMusic music = MUSIC_LEVELS;
    bool exitsShown = false;
    float startX = 0.0f, startY = 0.0f;
    // The play field's objects first, then those of the frame layer (inFrame), each in the
    // order the level makes them; WriteLevelFile writes them in that order whatever the order
    // here.
    std::vector<LevelObject> objects;
    LevelProof proof;

    LevelComments formatComments, titleComments, backgroundComments, musicComments, exitsComments,
        startComments, frameComments;
    std::vector<std::string> epilogue; // comment lines after the last object
};

// Reads a whole level file, `fileName` naming it in the error. False, with `error` as
// "FILE:LINE: what is wrong", for anything that is not a level.
bool ReadLevelFile(const std::string& text, const std::string& fileName, LevelFile* level,
                   std::string* error);
// The canonical text, comments and proof included.
std::string WriteLevelFile(const LevelFile& level);
// The canonical text without comments and proof: what the content hash is taken of.
std::string LevelContentText(const LevelFile& level);
// The SHA-256 of LevelContentText, 64 hexadecimal digits: the level's name for its best times
// and for its proof. Comments and the proof do not change it.
std::string LevelContentHash(const LevelFile& level);
// The first 16 digits of the content hash: a key in best_times.ini, and the file name of an
// imported level.
std::string LevelKey(const LevelFile& level);
// A proof is there and was recorded on this very level.
bool HasProof(const LevelFile& level);
bool ProofMatchesLevel(const LevelFile& level);

// Every rule of the reader, for a level built in memory (the editor's): false, with the first
// problem in `problem` ("object 12 (Floor): ..."), when writing it would make a file the
// reader refuses.
bool CheckLevel(const LevelFile& level, std::string* problem);

// A new object of a kind, at (x, y), with the size, name and fields the shipped levels give
// such objects: a 300 x 50 platform, a 100 x 100 grapple point, an 80 x 80 enemy patrolling
// 200 units either side, a rock starting again from where it is placed.
LevelObject NewLevelObject(LevelObjectType type, float x, float y);
// The registry kind an object of this type gets.
ObjectKind ObjectKindOf(LevelObjectType type);
// The picture an object of this type wears when the file names none.
LevelPicture DefaultPicture(LevelObjectType type, bool stunnable);

// The words of the file: "platform", "bounce-pad", "levels", "ruins".
const char* LevelObjectTypeName(LevelObjectType type);
const char* LevelPictureName(LevelPicture picture);
const char* LevelMusicName(LevelMusic music);
const char* LevelBackgroundName(LevelBackground background);

// A number as the file writes it: the shortest decimal that reads back as exactly `value`.
std::string FormatLevelNumber(float value);
