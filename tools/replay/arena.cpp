// arena.cpp: reading arenas, and the arena state that builds and runs one like a level.
#include "tools/replay/arena.h"

#include "engine/graphics/mesh.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/gameplay/enemy.h"
#include "game/gameplay/player.h"
#include "game/gameplay/rock.h"
#include "game/scene/camera.h"
#include "game/scene/render_layer.h"
#include "game/scene/sprite_sheet.h"
#include "game/recording/replay_text.h"

namespace
{
constexpr float PLAYER_WIDTH = 100.0f;
constexpr float PLAYER_HEIGHT = 80.0f;
constexpr const char* DEFAULT_OBJECT_NAME = "object";
constexpr const char* RUN_SHEET_PATH = ".\\data\\run_extra_8x1";

std::vector<ArenaObject> Arena;
SpriteSheet* RunSheet = nullptr;
Player* ArenaPlayer = nullptr;

bool KnownKind(int64_t kind)
{
    switch (kind)
    {
    case KIND_ENEMY:
    case KIND_ROCK:
    case KIND_SPIKES:
    case KIND_PLATFORM:
    case KIND_BACKGROUND:
    case KIND_HOOK_TIP:
    case KIND_GRAPPLE_POINT:
    case KIND_VANISHING:
    case KIND_BUTTON:
    case KIND_EXIT:
    case KIND_BACKGROUND_NEAR:
    case KIND_SOLID:
    case KIND_LAVA:
    case KIND_CREDITS_PAGE:
    case KIND_CONTROLS_PAGE: return true;
    default: return false;
    }
}

// The same settings a level builder gives each of its objects, then into "Main". Exits are
// invisible, as in the levels.
void Place(GameObject* object, RenderLayer* layer, const char* name, ObjectKind kind, float x,
           float y, float w, float h)
{
    InitGameObject(object, name, x, y, w, h, 0.0f, kind, nullptr);
    object->visible = kind != KIND_EXIT;
    AddObject(layer, object);
}

void BuildArena()
{
    RenderLayer* main = GetOrCreateLayer("Main");
    CreateCamera("MainCam", "Main")->clearEnabled = false;
    for (const ArenaObject& item : Arena)
    {
        switch (item.type)
        {
        case ArenaObject::PLAIN:
            Place(new GameObject(), main, item.name.c_str(), item.kind, item.x, item.y, item.w,
                  item.h);
            break;
        case ArenaObject::ENEMY:
            Place(new Enemy(item.x, item.y, item.w, item.h, nullptr, item.left, item.right,
                            item.stunnable, 0.0f),
                  main, "Enemy", KIND_ENEMY, item.x, item.y, item.w, item.h);
            break;
        case ArenaObject::ROCK:
            Place(new Rock(item.x, item.y, item.w, item.h, nullptr, item.reset, 0.0f), main,
                  "Rock", KIND_ROCK, item.x, item.y, item.w, item.h);
            break;
        case ArenaObject::PLAYER:
            ArenaPlayer = new Player();
            Place(ArenaPlayer, main, PLAYER_OBJECT_NAME, KIND_PLAYER, item.x, item.y,
                  PLAYER_WIDTH, PLAYER_HEIGHT);
            SetSheet(ArenaPlayer, RunSheet);
            break;
        }
    }
}

void ArenaLoad()
{
    UnitQuadMesh = CreateUnitQuad();
    RunSheet = LoadSpriteSheet(RUN_SHEET_PATH);
}

void ArenaInit()
{
    BuildArena();
    PlayerDied = false;
    RestartRequested = false;
}

void ArenaUpdate()
{
    UpdateSounds();
    if (PauseStep(ArenaPlayer)) return;
    SystemFrameCheck();
    UpdateGameObjects();
}

void ArenaFree()
{
    FreeScene();
    ArenaPlayer = nullptr;
}

void ArenaUnload()
{
    FreeSpriteSheets();
    RunSheet = nullptr;
    ReleaseMesh(UnitQuadMesh);
    UnitQuadMesh = nullptr;
}
} // namespace

bool ParseArena(const std::string& text, const std::string& fileName,
                std::vector<ArenaObject>* objects, std::string* error)
{
    const std::vector<std::string> rows = SplitReplayLines(text);
    objects->clear();
    size_t players = 0;
    for (size_t row = 0; row < rows.size(); ++row)
    {
        const std::vector<std::string> t = SplitReplayLine(rows[row]);
        if (t.empty()) continue;
        auto fail = [&](const std::string& why) {
            *error = fileName + ":" + std::to_string(row + 1) + ": " + why;
            return false;
        };
        auto decimals = [&](size_t first, size_t count, float* out[]) {
            for (size_t i = 0; i < count; ++i)
                if (!ParseDecimal(t[first + i], out[i])) return false;
            return true;
        };
        ArenaObject item;
        float* place[] = {&item.x, &item.y, &item.w, &item.h};
        int64_t whole[3] = {};
        auto wholes = [&](size_t first, size_t count) {
            for (size_t i = 0; i < count; ++i)
                if (!ParseWhole(t[first + i], INT32_MIN, INT32_MAX, &whole[i])) return false;
            return true;
        };

        if (t[0] == "player")
        {
            if (t.size() != 3) return fail("expected: player X Y");
            if (!decimals(1, 2, place)) return fail("player position is not two decimal numbers");
            if (++players > 1) return fail("a second player; an arena has exactly one");
            item.type = ArenaObject::PLAYER;
        }
        else if (t[0] == "enemy")
        {
            if (t.size() != 8) return fail("expected: enemy X Y W H LEFT RIGHT STUNNABLE");
            if (!decimals(1, 4, place)) return fail("enemy X Y W H are not decimal numbers");
            if (!wholes(5, 3) || whole[2] < 0 || whole[2] > 1)
                return fail("enemy LEFT RIGHT STUNNABLE must be whole numbers, STUNNABLE 0 or 1");
            item.type = ArenaObject::ENEMY;
            item.left = static_cast<int32_t>(whole[0]);
            item.right = static_cast<int32_t>(whole[1]);
            item.stunnable = whole[2] == 1;
        }
        else if (t[0] == "rock")
        {
            if (t.size() != 6) return fail("expected: rock X Y W H RESET");
            if (!decimals(1, 4, place)) return fail("rock X Y W H are not decimal numbers");
            if (!wholes(5, 1)) return fail("rock RESET must be a whole number");
            item.type = ArenaObject::ROCK;
            item.reset = static_cast<int32_t>(whole[0]);
        }
        else
        {
            int64_t kind = 0;
            if (!ParseWhole(t[0], INT32_MIN, INT32_MAX, &kind))
                return fail("unknown object '" + t[0] + "'");
            if (kind == KIND_PLAYER) return fail("kind 0 is the player: write player X Y");
            if (!KnownKind(kind)) return fail("unknown kind " + t[0]);
            if (t.size() != 5 && t.size() != 6) return fail("expected: KIND X Y W H [NAME]");
            if (!decimals(1, 4, place)) return fail("X Y W H are not decimal numbers");
            item.kind = static_cast<ObjectKind>(kind);
            item.name = t.size() == 6 ? t[5] : DEFAULT_OBJECT_NAME;
            if (item.name == PLAYER_OBJECT_NAME) return fail("only the player may be named player");
        }
        objects->push_back(item);
    }
    if (players == 0)
    {
        *error = fileName + ":" + std::to_string(rows.empty() ? 1 : rows.size()) +
                 ": the arena has no player line";
        return false;
    }
    return true;
}

void RegisterArenaState(const std::vector<ArenaObject>& objects)
{
    Arena = objects;
    AddGameState(GS_ARENA, ArenaLoad, ArenaInit, ArenaUpdate, DrawLayers, ArenaFree, ArenaUnload);
}
