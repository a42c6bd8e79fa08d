// level_catalogue.cpp: the thirteen shipped levels in play order, and where their files are.
#include "game/levels/level.h"

#include "engine/platform/platform.h"
#include "game/scene/count_of.h"

#include <cstdio>

namespace
{
constexpr LevelPicture FLYING[] = {PICTURE_FLYING_ENEMY};
constexpr LevelPicture BOTH_ENEMIES[] = {PICTURE_FLYING_ENEMY, PICTURE_GROUND_ENEMY};
constexpr LevelPicture FRAME_AND_FLYING[] = {PICTURE_FRAME, PICTURE_FLYING_ENEMY};
constexpr LevelPicture LAVA[] = {PICTURE_LAVA};
constexpr LevelPicture PADS_AND_FLYING[] = {PICTURE_BOUNCE_PAD, PICTURE_FLYING_ENEMY};
constexpr LevelPicture ROCK[] = {PICTURE_ROCK};
constexpr LevelPicture GROUND_AND_LAVA[] = {PICTURE_GROUND_ENEMY, PICTURE_LAVA};

// Anything larger is no level of ours.
constexpr size_t READ_LIMIT = LEVEL_FILE_LIMIT;
} // namespace

const LevelDefinition LevelCatalogue[] = {
    {3, "data/levels/tutorial_1.level", 4, false, FLYING, CountOf(FLYING), false},
    {4, "data/levels/tutorial_2.level", 5, false, FLYING, CountOf(FLYING), false},
    {5, "data/levels/tutorial_3.level", 6, false, FLYING, CountOf(FLYING), false},
    {6, "data/levels/tutorial_4.level", GS_MAIN_MENU, true, BOTH_ENEMIES, CountOf(BOTH_ENEMIES),
     false},
    {7, "data/levels/level_1.level", 8, false, FRAME_AND_FLYING, CountOf(FRAME_AND_FLYING), false},
    {8, "data/levels/level_2.level", 9, false, LAVA, CountOf(LAVA), false},
    {9, "data/levels/level_3.level", 10, false, FLYING, CountOf(FLYING), false},
    {10, "data/levels/level_4.level", 11, false, LAVA, CountOf(LAVA), false},
    {11, "data/levels/level_5.level", 12, false, PADS_AND_FLYING, CountOf(PADS_AND_FLYING), false},
    {12, "data/levels/level_6.level", 13, false, FLYING, CountOf(FLYING), true},
    {13, "data/levels/level_7.level", 14, false, PADS_AND_FLYING, CountOf(PADS_AND_FLYING), false},
    {14, "data/levels/level_8.level", 15, false, ROCK, CountOf(ROCK), false},
    {15, "data/levels/level_9.level", GS_WIN_SCREEN, true, GROUND_AND_LAVA,
     CountOf(GROUND_AND_LAVA), false},
};
const size_t LevelCount = CountOf(LevelCatalogue);

const LevelDefinition* FindLevel(GameStateId id)
{
    for (const LevelDefinition& level : LevelCatalogue)
        if (level.id == id) return &level;
    return nullptr;
}

bool ReadShippedLevel(const LevelDefinition& level, LevelFile* file, std::string* error)
{
    FILE* in = PlatformOpenFile(level.file, "rb");
    if (!in)
    {
        *error = std::string(level.file) + ":0: cannot be read";
        return false;
    }
    std::string text;
    char buffer[16384];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0 && text.size() <= READ_LIMIT)
        text.append(buffer, got);
    const bool failed = std::ferror(in) != 0;
    std::fclose(in);
    if (failed)
    {
        *error = std::string(level.file) + ":0: cannot be read";
        return false;
    }
    return ReadLevelFile(text, level.file, file, error);
}
