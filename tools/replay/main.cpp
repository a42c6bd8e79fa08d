// main.cpp: vantara-replay, the game played back from an input script.
//
//     vantara-replay [--state N | --arena FILE | --level FILE] [--frames N] [--from-selector]
//                    [--png FRAME FILE] SCRIPT
//     vantara-replay --verify FILE
//     vantara-replay --help
//
// SCRIPT may be - for standard input, and so may the FILE of --level or --verify. --verify
// plays the proof a level file carries and says in one line whether it finishes the level:
// exit code 0 when it does, 1 when it does not, 2 when the file is no level. --png writes the picture of frame FRAME, as a player
// would see it at 1920 x 1080, to FILE; it needs a display. Prints one JSON line after every Init and one after
// every frame (replay_json.h). Anything wrong with the options, the script or the arena is
// refused before a frame runs: exit code 2, nothing on standard output, one line on standard
// error. A script's last line cut off as it was written (a recording of a killed game) is only
// left out, with one line on standard error.
#include "engine/platform/picture_window.h"
#include "engine/platform/platform.h"
#include "tools/replay/level_proof.h"
#include "tools/replay/replay_json.h"
#include "tools/replay/replay_runner.h"
#include "game/levels/level.h"
#include "game/recording/replay_text.h"
#include "game/startup/version.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <stb_image_write.h>
#include <unistd.h>

namespace
{
constexpr int EXIT_REFUSED = 2;
constexpr int EXIT_NO_PICTURE = 3; // no display, or the frame was never reached
constexpr int EXIT_NOT_PROVEN = 1;
constexpr size_t ARENA_LIMIT = LEVEL_FILE_LIMIT;
constexpr const char* USAGE =
    "usage: vantara-replay [--state N | --arena FILE | --level FILE] [--frames N] "
    "[--from-selector] [--png FRAME FILE] SCRIPT\n"
    "       vantara-replay --verify FILE\n"
    "       vantara-replay --help";
constexpr uint32_t PICTURE_WIDTH = 1920;
constexpr uint32_t PICTURE_HEIGHT = 1080;

// The JSON report, and the picture of one frame.
class PictureWriter : public JsonReplayWriter
{
  public:
    PictureWriter(FILE* out, uint64_t frame, std::string path)
        : JsonReplayWriter(out), frame_(frame), path_(std::move(path))
    {
    }
    void BeforeFrame(uint64_t frame) override
    {
        if (frame == frame_) CapturePictureAtNextSwap(&pixels_);
    }
    void OnFrame(uint64_t frame, const Player* player, ReplayEvent event) override
    {
        JsonReplayWriter::OnFrame(frame, player, event);
        if (frame != frame_) return;
        written = !pixels_.empty() &&
                  stbi_write_png(path_.c_str(), PICTURE_WIDTH, PICTURE_HEIGHT, 4, pixels_.data(),
                                 PICTURE_WIDTH * 4) != 0;
        if (!written) std::fprintf(stderr, "vantara-replay: cannot write %s\n", path_.c_str());
    }
    bool written = false;

  private:
    uint64_t frame_;
    std::string path_;
    std::vector<uint8_t> pixels_;
};

std::string Absolute(const std::string& path)
{
    if (path.empty() || path[0] == '/') return path;
    char folder[4096];
    return getcwd(folder, sizeof folder) ? std::string(folder) + "/" + path : path;
}

int Refuse(const std::string& why)
{
    std::fprintf(stderr, "%s\n", why.c_str());
    return EXIT_REFUSED;
}

// The whole file, or as much of it past `limit` as tells that it is too long.
bool ReadAll(const std::string& path, std::string* text, size_t limit = SIZE_MAX)
{
    FILE* file = path == "-" ? stdin : std::fopen(path.c_str(), "rb");
    if (!file) return false;
    char buffer[65536];
    size_t got;
    while (text->size() <= limit && (got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        text->append(buffer, got);
    const bool ok = !std::ferror(file);
    if (file != stdin) std::fclose(file);
    return ok;
}
} // namespace

// A level file, read strictly; false after saying why, naming it `name`.
bool ReadLevel(const std::string& path, const std::string& name, LevelFile* level)
{
    std::string text, error;
    if (!ReadAll(path, &text, LEVEL_FILE_LIMIT))
    {
        std::fprintf(stderr, "%s:0: cannot be read\n", name.c_str());
        return false;
    }
    if (ReadLevelFile(text, name, level, &error)) return true;
    std::fprintf(stderr, "%s\n", error.c_str());
    return false;
}

int Verify(const std::string& path)
{
    LevelFile level;
    if (!ReadLevel(path, path, &level)) return EXIT_REFUSED;
    PlatformEnterDataFolder(INSTALLED_DATA_FOLDER);
    const ProofVerdict verdict = CheckProof(level);
    std::printf("%s: %s\n", path.c_str(), verdict.reason.c_str());
    return verdict.holds ? 0 : EXIT_NOT_PROVEN;
}

int main(int argc, char** argv)
{
    argv = PlatformProgramArguments(&argc, argv);
    ReplaySetup setup;
    std::string scriptPath, arenaPath, levelPath;
    bool stateGiven = false;
    int64_t pictureFrame = -1;
    std::string picturePath;
    for (int i = 1; i < argc; ++i)
    {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        int64_t number = 0;
        if (arg == "--state")
        {
            if (!hasValue || !ParseWhole(argv[i + 1], INT32_MIN, INT32_MAX, &number))
                return Refuse("vantara-replay: --state needs a state id");
            setup.state = static_cast<GameStateId>(number);
            stateGiven = true;
            ++i;
        }
        else if (arg == "--arena")
        {
            if (!hasValue) return Refuse("vantara-replay: --arena needs a file");
            arenaPath = argv[++i];
        }
        else if (arg == "--level")
        {
            if (!hasValue) return Refuse("vantara-replay: --level needs a file");
            levelPath = argv[++i];
        }
        else if (arg == "--verify")
        {
            if (!hasValue) return Refuse("vantara-replay: --verify needs a file");
            if (argc != 3) return Refuse("vantara-replay: --verify takes a file and nothing else");
            return Verify(argv[i + 1]);
        }
        else if (arg == "--frames")
        {
            if (!hasValue || !ParseWhole(argv[i + 1], 0, INT64_C(1) << 40, &number))
                return Refuse("vantara-replay: --frames needs a whole number of 0 or more");
            setup.frames = number;
            ++i;
        }
        else if (arg == "--png")
        {
            if (i + 2 >= argc || !ParseWhole(argv[i + 1], 0, INT64_C(1) << 40, &number))
                return Refuse("vantara-replay: --png needs a frame and a file");
            pictureFrame = number;
            picturePath = Absolute(argv[i + 2]);
            i += 2;
        }
        else if (arg == "--from-selector")
            setup.fromSelector = true;
        else if (arg == "--help")
        {
            std::printf("%s\n", USAGE);
            return 0;
        }
        else if (arg.size() > 1 && arg[0] == '-')
            return Refuse("vantara-replay: unknown option '" + arg + "'");
        else if (scriptPath.empty())
            scriptPath = arg;
        else
            return Refuse("vantara-replay: more than one script given");
    }
    if (scriptPath.empty()) return Refuse(USAGE);
    if (int(stateGiven) + int(!arenaPath.empty()) + int(!levelPath.empty()) > 1)
        return Refuse("vantara-replay: --state, --arena and --level exclude each other");
    if ((arenaPath == "-" || levelPath == "-") && scriptPath == "-")
        return Refuse("vantara-replay: the scene and the script cannot both come from stdin");

    // Files named on the command line are found from where the runner was started; pictures,
    // sheets, sounds and the shipped levels in data/ beside the runner, as for the game, or in
    // the installed game's (an arena needs none).
    auto fromOrigin = [](const std::string& path) { return path == "-" ? path : Absolute(path); };
    const std::string scriptName = scriptPath;
    scriptPath = fromOrigin(scriptPath);
    const std::string arenaFile = fromOrigin(arenaPath), levelFile = fromOrigin(levelPath);
    PlatformEnterDataFolder(INSTALLED_DATA_FOLDER);

    std::string error;
    if (!arenaPath.empty())
    {
        std::string text;
        if (!ReadAll(arenaFile, &text, ARENA_LIMIT))
            return Refuse(arenaPath + ":0: cannot be read");
        if (!ParseArena(text, arenaPath, &setup.arena, &error)) return Refuse(error);
        setup.useArena = true;
    }
    else if (!levelPath.empty())
    {
        if (!ReadLevel(levelFile, levelPath, &setup.level)) return EXIT_REFUSED;
        setup.useLevel = true;
    }
    else if (!IsGameState(setup.state))
        return Refuse("vantara-replay: state " + std::to_string(setup.state) +
                      " is not a state of the game");
    else if (const LevelDefinition* level = FindLevel(setup.state))
    {
        // A shipped level whose file is damaged is refused before anything runs.
        LevelFile file;
        if (!ReadShippedLevel(*level, &file, &error)) return Refuse(error);
    }

    std::string script, cutOff;
    if (!ReadAll(scriptPath, &script)) return Refuse(scriptName + ":0: cannot be read");
    if (!ParseScript(script, scriptName, &setup.script, &error, &cutOff, &setup.header))
        return Refuse(error);
    // A recording whose writing stopped mid-line plays up to its last whole line.
    if (!cutOff.empty()) std::fprintf(stderr, "%s\n", cutOff.c_str());

    static char outputBuffer[1 << 16];
    // The same bytes on every system.
    PlatformSetBinaryStream(stdout);
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    if (pictureFrame < 0)
    {
        JsonReplayWriter writer(stdout);
        RunReplay(setup, &writer);
        std::fflush(stdout);
        return 0;
    }

    if (!OpenPictureWindow(PICTURE_WIDTH, PICTURE_HEIGHT)) return EXIT_NO_PICTURE;
    setup.drawWithGL = true;
    PictureWriter writer(stdout, static_cast<uint64_t>(pictureFrame), picturePath);
    RunReplay(setup, &writer);
    ClosePictureWindow();
    std::fflush(stdout);
    if (!writer.written)
    {
        std::fprintf(stderr, "vantara-replay: frame %lld was not drawn\n",
                     static_cast<long long>(pictureFrame));
        return EXIT_NO_PICTURE;
    }
    return 0;
}
