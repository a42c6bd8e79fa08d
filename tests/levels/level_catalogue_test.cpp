// level_catalogue_test.cpp: what every level is made of, read from the registry its Init
// builds: the count of each kind, the player's start, the exit, the enemies and rocks.
#include "game/gameplay/enemy.h"
#include "game/gameplay/player.h"
#include "game/gameplay/rock.h"
#include "game/scene/render_layer.h"
#include "tools/replay/replay_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace
{
struct Box
{
    float x, y, w, h;
};

struct LevelFacts
{
    GameStateId id;
    int total;
    std::map<ObjectKind, int> counts; // kinds 0, 1, 3, 4, 5, 8, 12, 14, 15
    Vec2 start;
    Box exit;
};

const LevelFacts LEVELS[] = {
    {3, 19, {{0, 1}, {4, 6}, {5, 3}, {12, 1}, {14, 8}}, {-800, -350}, {950, 150, 50, 250}},
    {4, 33, {{0, 1}, {4, 23}, {5, 3}, {12, 1}, {14, 5}}, {-900, 130}, {950, 200, 50, 200}},
    {5, 28, {{0, 1}, {4, 15}, {5, 3}, {8, 2}, {12, 1}, {14, 6}}, {-900, 40}, {-950, 385, 50, 230}},
    {6, 10, {{0, 1}, {1, 2}, {12, 1}, {14, 6}}, {890, -350}, {-950, 0, 50, 600}},
    {7, 23, {{0, 1}, {4, 2}, {5, 12}, {8, 3}, {12, 1}, {14, 4}}, {-800, -350}, {960, 350, 90, 350}},
    {8, 25, {{0, 1}, {5, 9}, {8, 8}, {12, 1}, {14, 5}, {15, 1}}, {-800, -350}, {960, 350, 50, 200}},
    {9, 27, {{0, 1}, {4, 6}, {5, 12}, {8, 2}, {12, 1}, {14, 5}}, {-800, -350}, {960, 275, 50, 225}},
    {10, 16, {{0, 1}, {4, 1}, {5, 7}, {8, 1}, {12, 1}, {14, 4}, {15, 1}}, {-900, 190}, {950, 350, 50, 250}},
    {11, 21, {{0, 1}, {1, 1}, {5, 12}, {12, 1}, {14, 6}}, {-800, -350}, {1000, 250, 50, 200}},
    {12, 31, {{0, 1}, {1, 5}, {5, 12}, {8, 2}, {12, 1}, {14, 10}}, {900, -430}, {-960, 335, 50, 275}},
    {13, 29, {{0, 1}, {1, 5}, {5, 13}, {8, 4}, {12, 1}, {14, 5}}, {-800, -350}, {950, 400, 50, 275}},
    {14, 46, {{0, 1}, {3, 2}, {4, 27}, {5, 7}, {8, 3}, {12, 1}, {14, 5}}, {-800, -350}, {-1000, 375, 50, 200}},
    {15, 21, {{0, 1}, {1, 1}, {4, 6}, {5, 5}, {8, 1}, {12, 1}, {14, 5}, {15, 1}}, {-800, 250}, {970, -360, 50, 175}},
};

// An enemy as the catalogue lists it: place, size (negative width when mirrored), turning
// points and whether a slam stuns it.
struct EnemyFacts
{
    GameStateId level;
    Box box;
    int32_t left, right;
    bool stunnable;
};

const EnemyFacts ENEMIES[] = {
    {6, {620, -265, -80, 80}, -80, 620, true},     {6, {-620, -265, 80, 80}, -620, -80, false},
    {11, {630, 150, 80, 80}, 630, 630, false},     {12, {0, -440, 80, 80}, -500, 500, false},
    {12, {-125, -115, 80, 80}, -390, -20, false},  {12, {350, -115, 80, 80}, 150, 530, false},
    {12, {-250, 235, 80, 80}, -500, -100, false},  {12, {150, 235, 80, 80}, -100, 300, false},
    {13, {470, 280, 100, 100}, 270, 700, false},   {13, {-460, -410, 90, 90}, -620, -175, false},
    {13, {-460, -140, 100, 100}, -620, -175, false}, {15, {135, 240, -80, 50}, 135, 450, true},
};

// Objects the table does not count: backgrounds, the hook's two markers and the pause menu.
bool Counted(ObjectKind kind)
{
    return kind != KIND_BACKGROUND && kind != KIND_BACKGROUND_NEAR && kind != KIND_HOOK_TIP &&
           kind != KIND_BUTTON;
}

// Boxes that touch or overlap, as the player's contact test sees them.
bool Overlap(const Box& a, const Box& b)
{
    return std::fabs(a.x - b.x) <= (a.w + b.w) * 0.5f && std::fabs(a.y - b.y) <= (a.h + b.h) * 0.5f;
}

class FirstRegistry : public ReplayObserver
{
  public:
    void OnInit(uint64_t) override
    {
        if (!objects.empty()) return;
        for (const GameObject* object : ObjectRegistry)
        {
            Copy copy = {object->name, object->kind,
                         {object->position.x, object->position.y, object->scale.x, object->scale.y},
                         object->layer ? object->layer->name : "", object->visible, 0, 0, false,
                         false, 0};
            if (const Enemy* enemy = dynamic_cast<const Enemy*>(object))
            {
                copy.isEnemy = true;
                copy.left = enemy->patrolLeft;
                copy.right = enemy->patrolRight;
                copy.stunnable = enemy->stunnable;
            }
            if (const Rock* rock = dynamic_cast<const Rock*>(object)) copy.reset = rock->resetHeight;
            objects.push_back(copy);
        }
    }
    void OnFrame(uint64_t, const Player*, ReplayEvent) override {}

    struct Copy
    {
        std::string name;
        ObjectKind kind;
        Box box;
        std::string layer;
        bool visible;
        int32_t left, right;
        bool stunnable, isEnemy;
        int32_t reset;
    };
    std::vector<Copy> objects;
};

std::vector<FirstRegistry::Copy> Build(GameStateId level)
{
    ReplaySetup setup;
    setup.state = level;
    setup.frames = 0;
    FirstRegistry registry;
    RunReplay(setup, &registry);
    return registry.objects;
}
} // namespace

TEST(LevelCatalogue, EveryLevelHasItsCountsStartExitEnemiesAndRocks)
{
    for (const LevelFacts& facts : LEVELS)
    {
        SCOPED_TRACE("level state " + std::to_string(facts.id));
        const auto objects = Build(facts.id);
        std::map<ObjectKind, int> counts;
        int total = 0;
        for (const auto& o : objects)
            if (Counted(o.kind))
            {
                ++counts[o.kind];
                ++total;
            }
        EXPECT_EQ(total, facts.total);
        EXPECT_EQ(counts, facts.counts);

        std::vector<EnemyFacts> enemies;
        for (const EnemyFacts& e : ENEMIES)
            if (e.level == facts.id) enemies.push_back(e);
        std::vector<Box> rocks;
        for (const auto& o : objects)
        {
            if (o.kind == KIND_PLAYER)
            {
                EXPECT_EQ(o.box.x, facts.start.x);
                EXPECT_EQ(o.box.y, facts.start.y);
            }
            if (o.kind == KIND_EXIT)
            {
                EXPECT_EQ(o.box.x, facts.exit.x);
                EXPECT_EQ(o.box.y, facts.exit.y);
                EXPECT_EQ(o.box.w, facts.exit.w);
                EXPECT_EQ(o.box.h, facts.exit.h);
                EXPECT_EQ(o.visible, facts.id == 6) << "only the last tutorial stage shows its exit";
            }
            if (o.isEnemy)
            {
                ASSERT_FALSE(enemies.empty()) << "an enemy the catalogue does not list";
                const EnemyFacts& e = enemies.front();
                EXPECT_EQ(o.box.x, e.box.x);
                EXPECT_EQ(o.box.y, e.box.y);
                EXPECT_EQ(o.box.w, e.box.w);
                EXPECT_EQ(o.box.h, e.box.h);
                EXPECT_EQ(o.left, e.left);
                EXPECT_EQ(o.right, e.right);
                EXPECT_EQ(o.stunnable, e.stunnable);
                enemies.erase(enemies.begin());
            }
            if (o.kind == KIND_ROCK) rocks.push_back({o.box.x, o.box.y, static_cast<float>(o.reset), 0});
        }
        EXPECT_TRUE(enemies.empty()) << enemies.size() << " listed enemies missing";
        if (facts.id == 14)
        {
            ASSERT_EQ(rocks.size(), 2u);
            EXPECT_EQ(rocks[0].x, 450);
            EXPECT_EQ(rocks[0].y, 650);
            EXPECT_EQ(rocks[0].w, 650);
            EXPECT_EQ(rocks[1].x, 825);
            EXPECT_EQ(rocks[1].y, 850);
            EXPECT_EQ(rocks[1].w, 850);
        }
    }
}

TEST(LevelCatalogue, NoLevelStartsThePlayerInsideASolidHazardOrEnemy)
{
    for (const LevelFacts& facts : LEVELS)
    {
        const Box player = {facts.start.x, facts.start.y, 50, 80};
        for (const auto& o : Build(facts.id))
        {
            const float part = o.kind == KIND_SPIKES || o.kind == KIND_ENEMY ? 0.75f : 1.0f;
            const Box box = {o.box.x, o.box.y, std::fabs(o.box.w) * part, std::fabs(o.box.h) * part};
            const bool blocking = o.kind == KIND_PLATFORM || o.kind == KIND_SOLID ||
                                  o.kind == KIND_SPIKES || o.kind == KIND_LAVA || o.kind == KIND_ENEMY;
            EXPECT_FALSE(blocking && Overlap(player, box))
                << "level " << facts.id << ": the start overlaps " << o.name << " at (" << o.box.x
                << ", " << o.box.y << ")";
        }
    }
}

TEST(LevelCatalogue, Level1IsBuiltObjectByObject)
{
    struct Row
    {
        const char* name;
        ObjectKind kind;
        Box box;
        const char* layer;
    };
    const Row rows[] = {
        {"background", 6, {0, 0, 3240, 1080}, "BG0"},      {"background", 13, {0, 0, 3240, 1080}, "BG1"},
        {"HookPlat", 8, {480, 90, 100, 100}, "Main"},      {"HookPlat", 8, {300, -200, 100, 100}, "Main"},
        {"HookPlat", 8, {-650, 350, 100, 70}, "Main"},     {"Floatingplat", 5, {0, 125, 300, 50}, "Main"},
        {"Floatingplat", 5, {-570, 390, 50, 150}, "Main"}, {"Floatingplat", 5, {-610, 315, 130, 10}, "Main"},
        {"Floatingplat", 5, {-350, -200, 300, 50}, "Main"}, {"Floatingplat", 5, {-900, -100, 300, 50}, "Main"},
        {"Floatingplat", 5, {-630, -150, 300, 50}, "Main"}, {"Floatingplat", 5, {-600, 123, 300, 50}, "Main"},
        {"Floatingplat", 5, {700, 123, 700, 50}, "Main"},  {"Floatingplat", 5, {480, -200, 300, 150}, "Main"},
        {"Floatingplat", 12, {960, 350, 90, 350}, "Main"}, {"Spikes", 4, {-285, -535, 250, 50}, "Main"},
        {"Spikes", 4, {550, -535, 800, 50}, "Main"},       {"pointer", 7, {1000, 1000, 10, 10}, nullptr},
        {"hookBody", 7, {1000, 1000, 10, 10}, nullptr},    {"player", 0, {-800, -350, 100, 80}, "Main"},
        {"FloorPlat", 5, {-740, -500, 600, 100}, "FRA0"},  {"FloorPlat", 5, {0, -500, 300, 150}, "FRA0"},
        {"Floatingplat", 5, {-570, -450, 300, 50}, "FRA0"}, {"TopPlat", 14, {0, 540, 1980, 50}, "FRA0"},
        {"TopPlat", 14, {-400, 500, 1100, 130}, "FRA0"},   {"Floatingplat", 14, {-960, 0, 50, 1000}, "FRA0"},
        {"Floatingplat", 14, {960, -300, 50, 800}, "FRA0"},
    };
    std::vector<FirstRegistry::Copy> objects;
    for (const auto& o : Build(7))
        if (o.kind != KIND_BUTTON) objects.push_back(o); // the pause menu's objects
    ASSERT_EQ(objects.size(), std::size(rows));
    for (size_t i = 0; i < objects.size(); ++i)
    {
        SCOPED_TRACE("object " + std::to_string(i + 1));
        EXPECT_EQ(objects[i].name, rows[i].name);
        EXPECT_EQ(objects[i].kind, rows[i].kind);
        EXPECT_EQ(objects[i].box.x, rows[i].box.x);
        EXPECT_EQ(objects[i].box.y, rows[i].box.y);
        EXPECT_EQ(objects[i].box.w, rows[i].box.w);
        EXPECT_EQ(objects[i].box.h, rows[i].box.h);
        EXPECT_EQ(objects[i].layer, rows[i].layer ? rows[i].layer : "");
    }
}

namespace
{
// The level's registry as an arena, with the player dropped at `drop` instead of its start.
std::vector<ArenaObject> AsArena(const std::vector<FirstRegistry::Copy>& objects, Vec2 drop)
{
    std::vector<ArenaObject> arena;
    for (const auto& o : objects)
    {
        if (o.kind == KIND_HOOK_TIP || o.kind == KIND_BUTTON) continue; // the player makes its own
        ArenaObject a;
        a.type = o.kind == KIND_PLAYER ? ArenaObject::PLAYER
                 : o.isEnemy           ? ArenaObject::ENEMY
                 : o.kind == KIND_ROCK ? ArenaObject::ROCK
                                       : ArenaObject::PLAIN;
        a.kind = o.kind;
        a.x = a.type == ArenaObject::PLAYER ? drop.x : o.box.x;
        a.y = a.type == ArenaObject::PLAYER ? drop.y : o.box.y;
        a.w = o.box.w;
        a.h = o.box.h;
        a.name = o.name;
        a.left = o.left;
        a.right = o.right;
        a.stunnable = o.stunnable;
        a.reset = o.reset;
        arena.push_back(a);
    }
    return arena;
}

// The lowest a living player got; a death ends the watch, since the arena is then rebuilt.
class LowestPoint : public ReplayObserver
{
  public:
    void OnInit(uint64_t) override {}
    void OnFrame(uint64_t, const Player* player, ReplayEvent event) override
    {
        if (dead || !player) return;
        lowest = std::min(lowest, player->position.y);
        dead = event == REPLAY_DIED;
    }
    bool KeepGoing() override { return !dead; }

    float lowest = 1e9f;
    bool dead = false;
};
} // namespace

TEST(LevelCatalogue, APlayerWhoFallsOutOfAnyLevelDiesInsteadOfFallingForEver)
{
    // The levels are read from data/; falling needs no pictures: away from data/, a thousand
    // drops take seconds, not minutes.
    std::vector<std::vector<FirstRegistry::Copy>> levels;
    for (const LevelFacts& facts : LEVELS) levels.push_back(Build(facts.id));
    const std::string home = std::filesystem::current_path();
    std::filesystem::current_path("/");
    int deathsBelow = 0;
    for (size_t level = 0; level < levels.size(); ++level)
    {
        const LevelFacts& facts = LEVELS[level];
        const auto& objects = levels[level];
        // Drops across the top of the view, close enough to find a hole a player's body fits.
        for (float x = -950.0f; x <= 950.0f; x += 20.0f)
        {
            ReplaySetup setup;
            setup.useArena = true;
            setup.arena = AsArena(objects, {x, 480.0f});
            setup.frames = 300; // a straight fall from the top to the bottom takes about 150
            LowestPoint watch;
            RunReplay(setup, &watch);
            EXPECT_GE(watch.lowest, -700.0f)
                << "level " << facts.id << ": a drop at x = " << x << " fell alive to y = "
                << watch.lowest;
            if (watch.dead && watch.lowest < -540.0f) ++deathsBelow;
        }
    }
    std::filesystem::current_path(home);
    // Level_1 and Level_3 have holes: the rule must have caught someone down there.
    EXPECT_GT(deathsBelow, 0);
}
