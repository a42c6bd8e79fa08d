// best_runs.cpp: a level's best run written as a script with its track, and read back.
#include "game/saves/best_runs.h"

#include "game/recording/replay_text.h"
#include "game/saves/best_times.h"
#include "game/saves/kept_file.h"

#include <cstdlib>
#include <sstream>

namespace
{
constexpr const char* POINT_MARK = "#at";

std::string FileName(int level) { return "best_run_" + std::to_string(level) + ".txt"; }

// The line number ParseScript puts after the file name it was given ("" here).
int ScriptErrorLine(const std::string& error)
{
    const int line = std::atoi(error.c_str() + (error.empty() ? 0 : 1));
    return line > 0 ? line : 1;
}

// Under the kept files' lock: of two copies' runs, the faster one stays.
int ReadBack(const std::string& onDisk, std::string* text)
{
    BestRun theirs, ours;
    if (const int line = ParseBestRun(onDisk, &theirs)) return line;
    if (ParseBestRun(*text, &ours) == 0 && theirs.track.size() < ours.track.size()) *text = onDisk;
    return 0;
}

KeptFile FileOf(int level)
{
    static std::string names[LEVEL_COUNT];
    names[level - 1] = FileName(level);
    KeptFile file = {KEPT_PROGRESS, names[level - 1].c_str(), ReadBack, false, {}};
    file.limit = BEST_RUN_FILE_LIMIT;
    return file;
}
} // namespace

std::string FormatBestRun(int level, const BestRun& run)
{
    std::ostringstream out;
    out.precision(9); // reads back to the same float
    out << "# The best run of Level " << level << " in Vantara, " << run.track.size()
        << " frames of play. A recording: vantara-replay --state " << LevelState(level)
        << " plays it.\n# Each " << POINT_MARK
        << " line after it: X Y WIDTH HEIGHT CELL of the player after one frame of play.\n";
    out << FormatScriptHeader(run.header);
    for (const ScriptLine& line : run.script) out << FormatScriptLine(line);
    for (const RunPoint& point : run.track)
        out << POINT_MARK << ' ' << point.position.x << ' ' << point.position.y << ' '
            << point.scale.x << ' ' << point.scale.y << ' ' << point.cell << '\n';
    return out.str();
}

int ParseBestRun(const std::string& text, BestRun* run)
{
    *run = BestRun();
    std::string error;
    if (!ParseScript(text, "", &run->script, &error, nullptr, &run->header))
        return ScriptErrorLine(error);
    const std::vector<std::string> rows = SplitReplayLines(text);
    for (size_t row = 0; row < rows.size(); ++row)
    {
        const std::string& line = rows[row];
        if (line.compare(0, 4, std::string(POINT_MARK) + " ") != 0) continue;
        const std::vector<std::string> tokens = SplitReplayLine(line.substr(4));
        RunPoint point;
        int64_t cell = 0;
        if (tokens.size() != 5 || !ParseDecimal(tokens[0], &point.position.x) ||
            !ParseDecimal(tokens[1], &point.position.y) || !ParseDecimal(tokens[2], &point.scale.x) ||
            !ParseDecimal(tokens[3], &point.scale.y) || !ParseWhole(tokens[4], 0, 1 << 20, &cell))
            return static_cast<int>(row) + 1;
        point.cell = static_cast<uint32_t>(cell);
        run->track.push_back(point);
    }
    if (run->track.empty() || run->script.empty() || run->track.size() > BEST_RUN_FRAMES) return 1;
    return 0;
}

bool LoadBestRun(int level, BestRun* run)
{
    if (level < 1 || level > LEVEL_COUNT) return false;
    KeptFile file = FileOf(level);
    std::string text;
    if (!ReadKeptFile(&file, &text)) return false;
    if (const int line = ParseBestRun(text, run))
    {
        ReportDamagedKeptFile(file, "is damaged at line " + std::to_string(line));
        *run = BestRun();
        return false;
    }
    return true;
}

void KeepBestRun(int level, const BestRun& run)
{
    if (level < 1 || level > LEVEL_COUNT || run.track.empty()) return;
    KeptFile file = FileOf(level);
    WriteKeptFile(&file, FormatBestRun(level, run));
}
