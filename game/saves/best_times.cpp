// best_times.cpp: the table of best times and best_times.ini.
#include "game/saves/best_times.h"

#include "game/saves/ini_reader.h"
#include "game/saves/kept_file.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>

namespace
{
constexpr GameStateId FIRST_LEVEL_STATE = 7;
constexpr const char* SECTION = "best_frames";
constexpr const char* MY_LEVELS_SECTION = "my_levels";
constexpr size_t KEY_DIGITS = 16;

uint32_t Best[LEVEL_COUNT] = {};
std::map<std::string, uint32_t> MyBest;
int ReadBack(const std::string& onDisk, std::string* text);
KeptFile File = {KEPT_PROGRESS, "best_times.ini", ReadBack, false, {}};

struct Tables
{
    uint32_t* best;
    std::map<std::string, uint32_t>* mine;
};

bool ParseFrames(const char* value, uint32_t* frames)
{
    const char* end = value + std::strlen(value);
    const auto result = std::from_chars(value, end, *frames);
    return result.ec == std::errc() && result.ptr == end && *frames != 0 &&
           *frames <= MAX_BEST_FRAMES;
}

bool IsLevelKey(const std::string& key)
{
    return key.size() == KEY_DIGITS && key.find_first_not_of("0123456789abcdef") == std::string::npos;
}

// "level_N = FRAMES", and "KEY = FRAMES" among my levels. Unknown keys are no damage.
bool OnValue(void* user, const char* section, const char* name, const char* value)
{
    const Tables* tables = static_cast<const Tables*>(user);
    if (std::strcmp(section, MY_LEVELS_SECTION) == 0)
    {
        if (!tables->mine || !IsLevelKey(name)) return true;
        uint32_t frames = 0;
        if (!ParseFrames(value, &frames)) return false;
        (*tables->mine)[name] = frames;
        return true;
    }
    if (std::strcmp(section, SECTION) != 0 || std::strncmp(name, "level_", 6) != 0) return true;
    const char* digit = name + 6;
    if (digit[0] < '1' || digit[0] > '0' + LEVEL_COUNT || digit[1] != '\0') return true;
    uint32_t frames = 0;
    if (!ParseFrames(value, &frames)) return false;
    tables->best[digit[0] - '1'] = frames;
    return true;
}

// The fewer frames of the two.
void KeepFewer(uint32_t kept, uint32_t* best)
{
    if (kept != 0 && (*best == 0 || kept < *best)) *best = kept;
}

// Another copy of the game may have finished a level faster since: each level keeps the fewest
// frames of the two, even from a damaged file's readable lines.
int ReadBack(const std::string& onDisk, std::string* text)
{
    uint32_t kept[LEVEL_COUNT] = {};
    std::map<std::string, uint32_t> keptMine;
    const int badLine = ParseBestTimes(onDisk, kept, &keptMine);
    for (int i = 0; i < LEVEL_COUNT; ++i) KeepFewer(kept[i], &Best[i]);
    for (const auto& entry : keptMine) KeepFewer(entry.second, &MyBest[entry.first]);
    *text = FormatBestTimes(Best, MyBest);
    return badLine;
}
} // namespace

int LevelNumber(GameStateId state)
{
    const int level = state - FIRST_LEVEL_STATE + 1;
    return level >= 1 && level <= LEVEL_COUNT ? level : 0;
}

GameStateId LevelState(int level) { return FIRST_LEVEL_STATE + level - 1; }

uint32_t BestFrames(int level) { return level >= 1 && level <= LEVEL_COUNT ? Best[level - 1] : 0; }

uint64_t TotalBestFrames()
{
    uint64_t total = 0;
    for (uint32_t frames : Best)
    {
        if (frames == 0) return 0;
        total += frames;
    }
    return total;
}

std::string FormatFrames(uint64_t frames)
{
    const uint64_t hundredths = frames * 100 / 60;
    const uint64_t seconds = hundredths / 100;
    char text[32];
    std::snprintf(text, sizeof text, "%llu:%02llu.%02llu",
                  static_cast<unsigned long long>(seconds / 60),
                  static_cast<unsigned long long>(seconds % 60),
                  static_cast<unsigned long long>(hundredths % 100));
    return text;
}

uint32_t MyLevelBestFrames(const std::string& key)
{
    const auto found = MyBest.find(key);
    return found == MyBest.end() ? 0 : found->second;
}

int ParseBestTimes(const std::string& text, uint32_t best[LEVEL_COUNT],
                   std::map<std::string, uint32_t>* mine)
{
    Tables tables = {best, mine};
    return ParseIni(text, OnValue, &tables);
}

std::string FormatBestTimes(const uint32_t best[LEVEL_COUNT],
                            const std::map<std::string, uint32_t>& mine)
{
    std::string text = "# Vantara's best times: for each level the fewest frames (60 a second)\n"
                       "# from entering it to its exit in one life.\n[best_frames]\n";
    for (int i = 0; i < LEVEL_COUNT; ++i)
        if (best[i] != 0)
            text += "level_" + std::to_string(i + 1) + " = " + std::to_string(best[i]) + "\n";
    if (mine.empty()) return text;
    text += "# Made and imported levels, by the first 16 digits of their content hash.\n[" +
            std::string(MY_LEVELS_SECTION) + "]\n";
    for (const auto& entry : mine) text += entry.first + " = " + std::to_string(entry.second) + "\n";
    return text;
}

void LoadBestTimes()
{
    File = {KEPT_PROGRESS, "best_times.ini", ReadBack, false, {}};
    std::memset(Best, 0, sizeof Best);
    MyBest.clear();
    std::string text;
    if (ReadKeptFile(&File, &text))
    {
        const int badLine = ParseBestTimes(text, Best, &MyBest);
        if (badLine != 0)
            ReportDamagedKeptFile(File, "is damaged at line " + std::to_string(badLine));
    }
    File.lastWritten = FormatBestTimes(Best, MyBest);
}

void RecordLevelTime(GameStateId state, uint32_t frames)
{
    const int level = LevelNumber(state);
    if (!KeepingFiles || level == 0 || frames == 0 || frames > MAX_BEST_FRAMES) return;
    uint32_t& best = Best[level - 1];
    if (best != 0 && best <= frames) return;
    best = frames;
    WriteKeptFile(&File, FormatBestTimes(Best, MyBest));
}

void RecordMyLevelTime(const std::string& key, uint32_t frames)
{
    if (!KeepingFiles || !IsLevelKey(key) || frames == 0 || frames > MAX_BEST_FRAMES) return;
    uint32_t& best = MyBest[key];
    if (best != 0 && best <= frames) return;
    best = frames;
    WriteKeptFile(&File, FormatBestTimes(Best, MyBest));
}
