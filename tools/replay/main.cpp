// main.cpp: vantara-replay, the game played back from an input script.
//
//     vantara-replay [--state N | --arena FILE] [--frames N] [--from-selector]
//                    [--png FRAME FILE] SCRIPT
//
// SCRIPT may be - for standard input. --png writes the picture of frame FRAME, as a player
// would see it at 1920 x 1080, to FILE; it needs a display. Prints one JSON line after every Init and one after
// every frame (replay_json.h). Anything wrong with the options, the script or the arena is
// refused before a frame runs: exit code 2, nothing on standard output, one line on standard
// error. A script's last line cut off as it was written (a recording of a killed game) is only
// left out, with one line on standard error.
#include "engine/platform/picture_window.h"
#include "engine/platform/platform.h"
#include "tools/replay/replay_json.h"
#include "tools/replay/replay_runner.h"
#include "game/recording/replay_text.h"

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
constexpr const char* USAGE =
    "usage: vantara-replay [--state N | --arena FILE] [--frames N] [--from-selector] "
    "[--png FRAME FILE] SCRIPT";
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

bool ReadAll(const std::string& path, std::string* text)
{
    FILE* file = path == "-" ? stdin : std::fopen(path.c_str(), "rb");
    if (!file) return false;
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text->append(buffer, got);
    const bool ok = !std::ferror(file);
    if (file != stdin) std::fclose(file);
    return ok;
}
} // namespace

int main(int argc, char** argv)
{
    ReplaySetup setup;
    std::string scriptPath, arenaPath;
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
        else if (arg.size() > 1 && arg[0] == '-')
            return Refuse("vantara-replay: unknown option '" + arg + "'");
        else if (scriptPath.empty())
            scriptPath = arg;
        else
            return Refuse("vantara-replay: more than one script given");
    }
    if (scriptPath.empty()) return Refuse(USAGE);
    if (stateGiven && !arenaPath.empty())
        return Refuse("vantara-replay: --state and --arena exclude each other");
    if (!arenaPath.empty() && arenaPath == "-" && scriptPath == "-")
        return Refuse("vantara-replay: the arena and the script cannot both come from stdin");

    std::string error;
    if (!arenaPath.empty())
    {
        std::string text;
        if (!ReadAll(arenaPath, &text)) return Refuse(arenaPath + ":0: cannot be read");
        if (!ParseArena(text, arenaPath, &setup.arena, &error)) return Refuse(error);
        setup.useArena = true;
    }
    else if (!IsGameState(setup.state))
        return Refuse("vantara-replay: state " + std::to_string(setup.state) +
                      " is not a state of the game");

    std::string script, cutOff;
    if (!ReadAll(scriptPath, &script)) return Refuse(scriptPath + ":0: cannot be read");
    if (!ParseScript(script, scriptPath, &setup.script, &error, &cutOff, &setup.header))
        return Refuse(error);
    // A recording whose writing stopped mid-line plays up to its last whole line.
    if (!cutOff.empty()) std::fprintf(stderr, "%s\n", cutOff.c_str());

    // Pictures, sheets and sounds come from data/ beside the runner, as for the game; an
    // arena needs none.
    PlatformEnterDataFolder(nullptr);

    static char outputBuffer[1 << 16];
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
