// main.cpp: vantara-search, which looks for inputs that take the player through a level.
//
//     vantara-search --state N [--prefix SCRIPT] [--waypoints X,Y;X,Y;...] [--tries T]
//                    [--radius R] [--seed S]
//
// An archive search over short moves (run left, right or not; jump, slam or not; keep, let
// go of or fire the hook at a platform or grapple point in reach; for 4 to 24 frames), each
// candidate played from the start through the real game by the replay runner. The archive
// keeps, for every place the player has reached (by waypoints passed, and a 40-unit cell), the
// shortest script that got there; each round picks a kept place, favouring rarely picked ones
// and those furthest along the waypoints (the level's exit being the last), and tries random
// moves from it. Candidates that die are dropped. Prints the first script that reaches the
// exit, in the runner's format, or the one that got furthest, and says which.
#include "game/gameplay/grappling_hook.h"
#include "game/gameplay/player.h"
#include "tools/replay/replay_runner.h"
#include "game/recording/replay_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include <unistd.h>

namespace
{
constexpr int OPENING_FRAMES = 45; // a still start, so that replays also work chained
constexpr float HOOK_REACH = 380.0f;
constexpr size_t MAX_TARGETS = 8;
constexpr int DURATIONS[] = {4, 10, 24};

struct Outcome
{
    bool died = false;
    bool complete = false;
    uint64_t completeFrame = 0;
    Vec2 position, velocity;
    bool hooked = false, latched = false, grounded = false;
    size_t waypoint = 0;   // waypoints passed, in order
    float distance = 0.0f; // to the next waypoint
};

// Plays a script and watches the player against the waypoints.
class Watcher : public ReplayObserver
{
  public:
    Watcher(const std::vector<Vec2>& waypoints, float radius)
        : waypoints_(waypoints), radius_(radius)
    {
    }
    void OnInit(uint64_t) override
    {
        if (!targets.empty()) return;
        for (const GameObject* object : ObjectRegistry)
        {
            const ObjectKind kind = object->kind;
            if (kind == KIND_EXIT) exit = object->position;
            if (kind != KIND_PLATFORM && kind != KIND_SOLID && kind != KIND_GRAPPLE_POINT) continue;
            const Vec2 c = object->position;
            const float half = std::fabs(object->scale.x) * 0.5f - 15.0f;
            targets.push_back(c);
            if (half > 30.0f)
            {
                targets.push_back({c.x - half, c.y});
                targets.push_back({c.x + half, c.y});
            }
        }
    }
    void OnFrame(uint64_t frame, const Player* player, ReplayEvent event) override
    {
        if (event == REPLAY_DIED || event == REPLAY_RESTART) outcome.died = true;
        if (event == REPLAY_COMPLETE)
        {
            outcome.complete = true;
            outcome.completeFrame = frame;
        }
        if (!player || outcome.died) return;
        outcome.position = player->position;
        outcome.velocity = player->velocity;
        outcome.hooked = player->hooked;
        outcome.latched = HookLatched;
        outcome.grounded = Grounded;
        while (outcome.waypoint < waypoints_.size() &&
               Length(player->position - waypoints_[outcome.waypoint]) < radius_)
            ++outcome.waypoint;
    }
    bool KeepGoing() override { return !outcome.died && !outcome.complete; }

    Outcome outcome;
    std::vector<Vec2> targets;
    Vec2 exit = {0.0f, 0.0f};

  private:
    const std::vector<Vec2>& waypoints_;
    float radius_;
};

struct Node
{
    std::vector<ScriptLine> lines;
    uint64_t end = 0; // frames played
    bool buttonHeld = false;
    Outcome outcome;
    float score = 0.0f;
};

struct Search
{
    GameStateId state;
    std::vector<Vec2> waypoints;
    float radius = 60.0f;
    std::vector<Vec2> targets;
    Vec2 exit;

    Outcome Play(const Node& node, std::vector<Vec2>* foundTargets = nullptr, Vec2* foundExit = nullptr)
    {
        ReplaySetup setup;
        setup.state = state;
        setup.script = node.lines;
        setup.frames = static_cast<int64_t>(node.end);
        Watcher watcher(waypoints, radius);
        RunReplay(setup, &watcher);
        if (foundTargets) *foundTargets = watcher.targets;
        if (foundExit) *foundExit = watcher.exit;
        return watcher.outcome;
    }

    float Score(const Outcome& o) const
    {
        const Vec2 next = o.waypoint < waypoints.size() ? waypoints[o.waypoint] : exit;
        return static_cast<float>(o.waypoint) * 10000.0f - Length(o.position - next);
    }
};

ScriptLine Line(uint64_t frame, uint64_t keys, Vec2 mouse, bool button)
{
    ScriptLine line;
    line.frame = frame;
    line.input.keys = keys;
    line.input.mouseX = mouse.x;
    line.input.mouseY = mouse.y;
    line.input.leftButton = button;
    return line;
}

std::string Format(const std::vector<ScriptLine>& lines, uint64_t end)
{
    std::string text;
    for (const ScriptLine& line : lines) text += FormatScriptLine(line);
    // The last line holds on to the end: the run stops after the last listed frame.
    if (!lines.empty() && lines.back().frame + 1 < end)
    {
        ScriptLine last = lines.back();
        last.frame = end - 1;
        text += FormatScriptLine(last);
    }
    return text;
}

bool ParseWaypoints(const std::string& text, std::vector<Vec2>* points)
{
    std::stringstream stream(text);
    std::string pair;
    while (std::getline(stream, pair, ';'))
    {
        const size_t comma = pair.find(',');
        if (comma == std::string::npos) return false;
        Vec2 p;
        if (!ParseDecimal(pair.substr(0, comma), &p.x) || !ParseDecimal(pair.substr(comma + 1), &p.y))
            return false;
        points->push_back(p);
    }
    return true;
}

struct Cell
{
    Node node;
    int picked = 0;
};

std::tuple<size_t, int, int, bool> CellOf(const Outcome& o)
{
    return std::make_tuple(o.waypoint, static_cast<int>(std::floor(o.position.x / 40.0f)),
                           static_cast<int>(std::floor(o.position.y / 40.0f)), o.latched);
}

// A random short move from `node`: the script lines it adds and how long it lasts.
Node Extend(const Node& node, const std::vector<Vec2>& targets, std::mt19937& random)
{
    std::vector<Vec2> inReach;
    for (const Vec2& t : targets)
        if (Length(t - node.outcome.position) < HOOK_REACH) inReach.push_back(t);

    const int move = static_cast<int>(random() % 3);
    const int press = static_cast<int>(random() % 4); // none twice as likely
    int hook = -2;                                    // keep
    const uint32_t roll = random() % 4;
    if (roll == 0 && node.buttonHeld) hook = -1;      // let go
    if (roll == 1 && !inReach.empty()) hook = static_cast<int>(random() % inReach.size());
    const int frames = DURATIONS[random() % std::size(DURATIONS)];

    Node child = node;
    const uint64_t moveKey =
        move == 1 ? uint64_t{1} << REPLAY_A : move == 2 ? uint64_t{1} << REPLAY_D : 0;
    const uint64_t pressKey =
        press == 1 ? uint64_t{1} << REPLAY_SPACE : press == 2 ? uint64_t{1} << REPLAY_S : 0;
    uint64_t f = node.end;
    bool button = node.buttonHeld;
    Vec2 mouse = node.lines.empty()
                     ? Vec2{0, 0}
                     : Vec2{node.lines.back().input.mouseX, node.lines.back().input.mouseY};
    if (hook == -1) button = false;
    if (hook >= 0)
    {
        mouse = inReach[static_cast<size_t>(hook)];
        if (button) child.lines.push_back(Line(f++, moveKey, mouse, false));
        button = true;
    }
    child.lines.push_back(Line(f, moveKey | pressKey, mouse, button));
    if (pressKey) child.lines.push_back(Line(f + 1, moveKey, mouse, button));
    child.end = f + static_cast<uint64_t>(frames);
    child.buttonHeld = button;
    return child;
}
} // namespace

int main(int argc, char** argv)
{
    Search search;
    search.state = 0;
    std::string prefixPath;
    int64_t tries = 30000;
    int64_t seed = 1;
    for (int i = 1; i + 1 < argc; i += 2)
    {
        const std::string option = argv[i], value = argv[i + 1];
        int64_t number = 0;
        if (option == "--state" && ParseWhole(value, 0, 100, &number))
            search.state = static_cast<GameStateId>(number);
        else if (option == "--prefix")
            prefixPath = value;
        else if (option == "--waypoints" && ParseWaypoints(value, &search.waypoints))
            continue;
        else if (option == "--tries" && ParseWhole(value, 1, INT64_C(100000000), &number))
            tries = number;
        else if (option == "--seed" && ParseWhole(value, 0, INT64_C(1000000000), &number))
            seed = number;
        else if (option == "--radius" && ParseDecimal(value, &search.radius))
            continue;
        else
        {
            std::fprintf(stderr, "vantara-search: bad option %s %s\n", option.c_str(), value.c_str());
            return 2;
        }
    }
    if (!IsGameState(search.state))
    {
        std::fprintf(stderr, "vantara-search: --state names no state of the game\n");
        return 2;
    }
    // Gameplay never looks at a picture: leaving data/ behind spares thousands of PNG decodes.
    if (chdir("/") != 0) return 2;

    Node root;
    if (!prefixPath.empty())
    {
        std::ifstream file(prefixPath);
        std::stringstream text;
        text << file.rdbuf();
        std::string error;
        if (!ParseScript(text.str(), prefixPath, &root.lines, &error))
        {
            std::fprintf(stderr, "%s\n", error.c_str());
            return 2;
        }
        root.end = root.lines.empty() ? OPENING_FRAMES : root.lines.back().frame + 1;
        if (root.end < OPENING_FRAMES) root.end = OPENING_FRAMES;
        root.buttonHeld = !root.lines.empty() && root.lines.back().input.leftButton;
    }
    else
    {
        root.lines.push_back(Line(0, 0, {0, 0}, false));
        root.end = OPENING_FRAMES;
    }
    root.outcome = search.Play(root, &search.targets, &search.exit);
    root.score = search.Score(root.outcome);

    std::map<std::tuple<size_t, int, int, bool>, Cell> archive;
    archive[CellOf(root.outcome)].node = root;
    std::mt19937 random(static_cast<uint32_t>(seed));
    Node best = root;
    for (int64_t attempt = 0; attempt < tries; ++attempt)
    {
        // Pick a kept place: furthest along first, then rarely picked, then near the next
        // waypoint, with a little chance for any.
        Cell* chosen = nullptr;
        float chosenWeight = -1e30f;
        for (auto& entry : archive)
        {
            Cell& cell = entry.second;
            const float noise = static_cast<float>(random() % 1000) * 0.004f;
            const float weight = static_cast<float>(cell.node.outcome.waypoint) * 4.0f -
                                 std::sqrt(static_cast<float>(cell.picked)) +
                                 cell.node.score * 0.002f + noise;
            if (weight > chosenWeight)
            {
                chosenWeight = weight;
                chosen = &cell;
            }
        }
        chosen->picked += 1;
        Node child = Extend(chosen->node, search.targets, random);
        child.outcome = search.Play(child);
        if (child.outcome.died) continue;
        if (child.outcome.complete)
        {
            child.end = child.outcome.completeFrame + 1;
            std::printf("%s", Format(child.lines, child.end).c_str());
            std::fprintf(stderr, "vantara-search: exit reached on frame %llu after %lld tries\n",
                         static_cast<unsigned long long>(child.outcome.completeFrame),
                         static_cast<long long>(attempt + 1));
            return 0;
        }
        child.score = search.Score(child.outcome);
        Cell& cell = archive[CellOf(child.outcome)];
        if (cell.node.lines.empty() || child.end < cell.node.end) cell.node = child;
        if (child.score > best.score) best = child;
        if (attempt % 2000 == 1999)
            std::fprintf(stderr, "%lld tries: %zu places, best at (%.0f, %.0f), %zu waypoints\n",
                         static_cast<long long>(attempt + 1), archive.size(),
                         best.outcome.position.x, best.outcome.position.y, best.outcome.waypoint);
    }
    std::printf("%s", Format(best.lines, best.end).c_str());
    std::fprintf(stderr, "vantara-search: exit not reached; the furthest script printed\n");
    return 1;
}
