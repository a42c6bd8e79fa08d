// kept_levels.cpp: listing, reading and writing the folder of made and imported levels.
#include "game/levels/kept_levels.h"

#include "engine/platform/platform.h"
#include "game/saves/kept_file.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <set>

namespace
{
constexpr const char* SUFFIX = ".level";

bool IsLevelFileName(const std::string& name)
{
    const size_t suffix = std::char_traits<char>::length(SUFFIX);
    return name.size() > suffix && name.compare(name.size() - suffix, suffix, SUFFIX) == 0 &&
           name[0] != '.';
}

std::string Folded(const std::string& text)
{
    std::string folded = text;
    for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return folded;
}

// A damaged file is said once a run, not at every visit of the page.
std::set<std::string> Reported;
} // namespace

std::string KeptLevelsFolder()
{
    const std::string folder = PlatformKeptFolder(KEPT_PROGRESS);
    return folder.empty() ? folder : folder + "/levels";
}

std::string SharedLevelsFolder()
{
    const std::string folder = PlatformKeptFolder(KEPT_PROGRESS);
    return folder.empty() ? folder : folder + "/shared";
}

std::vector<KeptLevel> ListKeptLevels() { return ListLevelFolder(KeptLevelsFolder()); }

std::vector<KeptLevel> ListLevelFolder(const std::string& folder)
{
    std::vector<KeptLevel> levels;
    if (!KeepingFiles || folder.empty()) return levels;
    std::vector<std::string> names = PlatformListFolder(folder);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const std::string& name) { return !IsLevelFileName(name); }),
                names.end());
    std::sort(names.begin(), names.end());
    if (names.size() > KEPT_LEVEL_LIMIT) names.resize(KEPT_LEVEL_LIMIT);
    for (const std::string& name : names)
    {
        KeptLevel kept;
        kept.fileName = name;
        kept.path = folder + "/" + name;
        std::string text, reason;
        switch (PlatformReadKeptFile(kept.path, LEVEL_FILE_LIMIT, &text, &reason))
        {
        case KEPT_READ:
            kept.readable = ReadLevelFile(text, name, &kept.level, &kept.error);
            break;
        case KEPT_MISSING:
            continue; // gone since the folder was listed
        case KEPT_UNREADABLE:
            kept.error = name + ":0: cannot be read (" + reason + ")";
            break;
        }
        if (kept.readable)
        {
            kept.key = LevelKey(kept.level);
            kept.proven = ProofMatchesLevel(kept.level);
        }
        else if (Reported.insert(kept.path).second)
            std::fprintf(stderr, "Vantara: %s/%s\n", folder.c_str(), kept.error.c_str());
        levels.push_back(std::move(kept));
    }
    std::stable_sort(levels.begin(), levels.end(),
                     [](const KeptLevel& a, const KeptLevel& b)
                     {
                         const std::string ta = a.readable ? Folded(a.level.title) : "~";
                         const std::string tb = b.readable ? Folded(b.level.title) : "~";
                         return ta < tb;
                     });
    return levels;
}

bool KeepLevel(const LevelFile& level, const std::string& fileName, std::string* error)
{
    const std::string folder = KeptLevelsFolder();
    if (folder.empty())
    {
        *error = "there is no home folder to keep levels in";
        return false;
    }
    if (!IsLevelFileName(fileName) || fileName.find('/') != std::string::npos)
    {
        *error = "'" + fileName + "' is no level file name (NAME.level)";
        return false;
    }
    return WriteLevelInto(level, folder, fileName, error);
}

bool WriteLevelInto(const LevelFile& level, const std::string& folder, const std::string& fileName,
                    std::string* error)
{
    std::string reason;
    if (PlatformWriteKeptFile(folder + "/" + fileName, WriteLevelFile(level), &reason)) return true;
    *error = "cannot write " + folder + "/" + fileName + ": " + reason;
    return false;
}

std::string ImportedLevelFileName(const LevelFile& level)
{
    return LevelKey(level) + SUFFIX;
}
