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

uint32_t Best[LEVEL_COUNT] = {};
int ReadBack(const std::string& onDisk, std::string* text);
KeptFile File = {KEPT_PROGRESS, "best_times.ini", ReadBack, false, {}};

// "level_N = FRAMES". Unknown keys are no damage.
bool OnValue(void* user, const char* section, const char* name, const char* value)
{
    uint32_t* best = static_cast<uint32_t*>(user);
    if (std::strcmp(section, SECTION) != 0 || std::strncmp(name, "level_", 6) != 0) return true;
    const char* digit = name + 6;
    if (digit[0] < '1' || digit[0] > '0' + LEVEL_COUNT || digit[1] != '\0') return true;
    const char* end = value + std::strlen(value);
    uint32_t frames = 0;
    const auto result = std::from_chars(value, end, frames);
    if (result.ec != std::errc() || result.ptr != end || frames == 0 || frames > MAX_BEST_FRAMES)
        return false;
    best[digit[0] - '1'] = frames;
    return true;
}

// Another copy of the game may have finished a level faster since: each level keeps the fewest
// frames of the two, even from a damaged file's readable lines.
int ReadBack(const std::string& onDisk, std::string* text)
{
    uint32_t kept[LEVEL_COUNT] = {};
    const int badLine = ParseBestTimes(onDisk, kept);
    for (int i = 0; i < LEVEL_COUNT; ++i)
        if (kept[i] != 0 && (Best[i] == 0 || kept[i] < Best[i])) Best[i] = kept[i];
    *text = FormatBestTimes(Best);
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

int ParseBestTimes(const std::string& text, uint32_t best[LEVEL_COUNT])
{
    return ParseIni(text, OnValue, best);
}

std::string FormatBestTimes(const uint32_t best[LEVEL_COUNT])
{
    std::string text = "# Vantara's best times: for each level the fewest frames (60 a second)\n"
                       "# from entering it to its exit in one life.\n[best_frames]\n";
    for (int i = 0; i < LEVEL_COUNT; ++i)
        if (best[i] != 0)
            text += "level_" + std::to_string(i + 1) + " = " + std::to_string(best[i]) + "\n";
    return text;
}

void LoadBestTimes()
{
    File = {KEPT_PROGRESS, "best_times.ini", ReadBack, false, {}};
    std::memset(Best, 0, sizeof Best);
    std::string text;
    if (ReadKeptFile(&File, &text))
    {
        const int badLine = ParseBestTimes(text, Best);
        if (badLine != 0)
            ReportDamagedKeptFile(File, "is damaged at line " + std::to_string(badLine));
    }
    File.lastWritten = FormatBestTimes(Best);
}

void RecordLevelTime(GameStateId state, uint32_t frames)
{
    const int level = LevelNumber(state);
    if (!KeepingFiles || level == 0 || frames == 0 || frames > MAX_BEST_FRAMES) return;
    uint32_t& best = Best[level - 1];
    if (best != 0 && best <= frames) return;
    best = frames;
    WriteKeptFile(&File, FormatBestTimes(Best));
}
