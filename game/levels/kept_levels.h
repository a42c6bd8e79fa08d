// kept_levels.h: the levels a player made or imported, kept under $XDG_DATA_HOME/vantara/levels/.
//
// One level file each (level_file.h), written whole to a temporary file and renamed over the
// old one, as the settings are. An imported level is kept under its key ("3f2a9c0d1e2b4a59.level"),
// so that importing it again replaces it; a made one under the name its maker gives it. Like
// the settings, nothing is read or written unless the program keeps files (kept_file.h): a
// replay never sees a player's levels.
#pragma once

#include "game/levels/level_file.h"

#include <string>
#include <vector>

// The most levels the "My levels" page lists.
constexpr size_t KEPT_LEVEL_LIMIT = 200;

struct KeptLevel
{
    std::string fileName; // "3f2a9c0d1e2b4a59.level"
    std::string path;
    bool readable = false; // false: `error` says why ("FILE:LINE: what is wrong")
    std::string error;
    LevelFile level;
    std::string key;     // LevelKey, its best time's key
    bool proven = false; // it carries a proof recorded on this very level
};

// The folder; empty when there is no home to keep it in.
std::string KeptLevelsFolder();
// Where the editor's Share writes the shared files, and where it finds those to open:
// $XDG_DATA_HOME/vantara/shared. Empty when there is no home.
std::string SharedLevelsFolder();
// Every level file of a folder, as ListKeptLevels lists the kept ones.
std::vector<KeptLevel> ListLevelFolder(const std::string& folder);
// Every level file of the folder, at most KEPT_LEVEL_LIMIT, by title and then by file name;
// those that cannot be read are listed with their error (also said once on standard error).
std::vector<KeptLevel> ListKeptLevels();
// Writes the level, its proof included, as `fileName` in the folder. False, with the reason.
bool KeepLevel(const LevelFile& level, const std::string& fileName, std::string* error);
// Writes the level as `fileName` in `folder`, whole, then renamed into place.
bool WriteLevelInto(const LevelFile& level, const std::string& folder, const std::string& fileName,
                    std::string* error);
// The file name an imported level is kept under: its key.
std::string ImportedLevelFileName(const LevelFile& level);
