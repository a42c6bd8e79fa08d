// level_import.cpp: the proof replayed by the runner, and the level kept.
#include "game/levels/level_import.h"

#include "engine/platform/platform.h"
#include "game/levels/kept_levels.h"
#include "game/saves/kept_file.h"

#include <cstdio>
#include <vector>

namespace
{
constexpr const char* RUNNER = "vantara-replay";
// The runner's answers to --verify.
constexpr int RUNNER_PROVEN = 0;
constexpr int RUNNER_NOT_PROVEN = 1;

// The runner's one line, without the name it gives standard input.
std::string RunnerReason(std::string output)
{
    while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
    const size_t lastLine = output.rfind('\n');
    if (lastLine != std::string::npos) output = output.substr(lastLine + 1);
    if (output.compare(0, 3, "-: ") == 0) output = output.substr(3);
    return output;
}
} // namespace

ProofCheck CheckLevelProof(const LevelFile& level, std::string* reason)
{
    if (!HasProof(level))
    {
        *reason = "not proven: it carries no proof, no run that finishes it";
        return PROOF_FAILS;
    }
    if (!ProofMatchesLevel(level))
    {
        *reason = "not proven: the level was changed after its proof was recorded";
        return PROOF_FAILS;
    }
    int code = 0;
    std::string output;
    if (!PlatformRunSiblingProgram(RUNNER, {"--verify", "-"}, WriteLevelFile(level), &code,
                                   &output))
    {
        *reason = "the proof cannot be checked: " + RunnerReason(output);
        return PROOF_NOT_CHECKED;
    }
    *reason = RunnerReason(output);
    if (code == RUNNER_PROVEN) return PROOF_HOLDS;
    if (code == RUNNER_NOT_PROVEN) return PROOF_FAILS;
    *reason = "the proof cannot be checked: " + *reason;
    return PROOF_NOT_CHECKED;
}

int ImportLevel(const char* path)
{
    std::string text, reason;
    switch (PlatformReadKeptFile(path, LEVEL_FILE_LIMIT, &text, &reason))
    {
    case KEPT_READ:
        break;
    case KEPT_MISSING:
        reason = "no such file";
        [[fallthrough]];
    case KEPT_UNREADABLE:
        std::fprintf(stderr, "Vantara: %s:0: cannot be read (%s)\n", path, reason.c_str());
        return IMPORT_FAILED;
    }
    LevelFile level;
    std::string error;
    if (!ReadLevelFile(text, path, &level, &error))
    {
        std::fprintf(stderr, "Vantara: %s\n", error.c_str());
        return IMPORT_FAILED;
    }
    switch (CheckLevelProof(level, &reason))
    {
    case PROOF_HOLDS:
        break;
    case PROOF_FAILS:
        std::fprintf(stderr, "Vantara: %s is refused: %s\n", path, reason.c_str());
        return IMPORT_NOT_PROVEN;
    case PROOF_NOT_CHECKED:
        std::fprintf(stderr, "Vantara: %s is not imported: %s\n", path, reason.c_str());
        return IMPORT_FAILED;
    }
    KeepingFiles = true;
    const std::string fileName = ImportedLevelFileName(level);
    if (!KeepLevel(level, fileName, &error))
    {
        std::fprintf(stderr, "Vantara: %s is not imported: %s\n", path, error.c_str());
        return IMPORT_FAILED;
    }
    std::printf("Vantara: imported \"%s\", %s; kept as %s/%s and listed under Level Select, "
                "My levels\n",
                level.title.c_str(), reason.c_str(), KeptLevelsFolder().c_str(), fileName.c_str());
    return IMPORT_KEPT;
}
