// ghost_run.cpp: the present life's recording, the level's kept run and the ghost's layer.
#include "game/levels/ghost_run.h"

#include "engine/graphics/draw_state.h"
#include "engine/system/frame_controller.h"
#include "game/gameplay/player.h"
#include "game/levels/level_timer.h"
#include "game/recording/script_header.h"
#include "game/recording/session_recording.h"
#include "game/saves/best_runs.h"
#include "game/saves/kept_file.h"
#include "game/scene/camera.h"
#include "game/scene/render_layer.h"
#include "game/scene/sprite_sheet.h"

#include <algorithm>

bool GhostShown = false;

namespace
{
constexpr uint32_t GHOST_TINT = 0x78B8D8FFu; // pale blue, about half seen through

// The level's kept run: read at the first draw that shows it, so that turning the option on
// in the pause menu shows it at once.
GameStateId GhostLevel = GS_QUIT;
bool GhostRead = false;
BestRun Ghost;

// The present life, while files are kept; `playable` until something happens that a script
// played from the level's start cannot play (the credits or controls, new controls, a life too
// long to keep).
BestRun Life;
uint64_t LifeFrame = 0;
bool Playable = false;

bool SameInput(const ReplayInput& a, const ReplayInput& b)
{
    return a.keys == b.keys && a.moreKeys == b.moreKeys && a.mouseX == b.mouseX &&
           a.mouseY == b.mouseY && a.leftButton == b.leftButton &&
           a.leftStickX == b.leftStickX && a.leftStickY == b.leftStickY &&
           a.rightStickX == b.rightStickX && a.rightStickY == b.rightStickY &&
           a.frameTime == b.frameTime;
}

const RunPoint* ShownPoint()
{
    if (!GhostShown || GhostLevel == GS_QUIT) return nullptr;
    if (!GhostRead)
    {
        GhostRead = true;
        LoadBestRun(LevelNumber(GhostLevel), &Ghost);
    }
    const uint32_t frames = ReadTimer().levelFrames;
    if (frames == 0 || frames > Ghost.track.size()) return nullptr;
    return &Ghost.track[frames - 1];
}

// Through the level's main camera, before the level's own layer draws.
class GhostLayer : public RenderLayer
{
  public:
    GhostLayer() : RenderLayer("Ghost") {}
    void Draw() override
    {
        const RunPoint* point = ShownPoint();
        const Sprite* player = dynamic_cast<const Sprite*>(FindGameObject(PLAYER_OBJECT_NAME));
        const auto camera = std::find_if(CameraList.begin(), CameraList.end(),
                                         [](const Camera* c) { return c->name == "MainCam"; });
        if (!point || !player || !player->mesh || !player->sheet || camera == CameraList.end())
            return;
        const SpriteSheet& sheet = *player->sheet;
        if (point->cell >= sheet.frameCount || sheet.columns == 0 || sheet.rows == 0) return;
        const float columns = static_cast<float>(sheet.columns);
        const float rows = static_cast<float>(sheet.rows);
        const Matrix3 cell = {{1.0f / columns, 0.0f,
                               static_cast<float>(point->cell % sheet.columns) / columns, //
                               0.0f, 1.0f / rows,
                               static_cast<float>(point->cell / sheet.columns) / rows, //
                               0.0f, 0.0f, 1.0f}};
        ApplyCamera(*camera);
        const Matrix3 view = MakeInverseTransformMatrix(CameraTransform(**camera));
        const Matrix3 local = MakeTransformMatrix({point->position, point->scale, 0.0f});
        SetTintEnabled(true);
        SetTintColor(GHOST_TINT);
        SetTexture(player->texture);
        SetTextureTransform(&cell);
        SetWorldTransform(Matrix3Multiply(view, local));
        DrawMesh(player->mesh);
        SetTextureTransform(nullptr);
    }
};
} // namespace

void GhostLevelLoaded(GameStateId level)
{
    GhostLevel = LevelNumber(level) != 0 ? level : GS_QUIT;
    GhostRead = false;
    Ghost = BestRun();
}

void AddGhostLayer()
{
    if (GhostLevel == GS_QUIT) return;
    // Placed after the layers made so far, before the level's own.
    LayerList.push_back(new GhostLayer());
}

void GhostLifeBegins(bool comingBack)
{
    if (comingBack)
    {
        Playable = false;
        return;
    }
    Life = BestRun();
    Life.header = CurrentScriptHeader();
    LifeFrame = 0;
    Playable = KeepingFiles && GhostLevel != GS_QUIT;
}

void RecordGhostInput()
{
    if (!Playable) return;
    if (Life.track.size() >= BEST_RUN_FRAMES ||
        FormatScriptHeader(CurrentScriptHeader()) != FormatScriptHeader(Life.header))
    {
        Playable = false;
        Life = BestRun();
        return;
    }
    ScriptLine line = {LifeFrame++, LiveReplayInput()};
    // The steady frame is the script's default; any other is carried as the frame ran it.
    line.input.frameTime = FrameTime == MinFrameTime ? 0.0f : ScriptFrameTime(FrameTime);
    if (Life.script.empty() || !SameInput(Life.script.back().input, line.input))
        Life.script.push_back(line);
}

void RecordGhostPoint(const Player* player)
{
    if (!Playable || !player) return;
    Life.track.push_back({player->position, player->scale, player->frame});
}

void KeepGhostRun(GameStateId level)
{
    if (!Playable || GhostLevel != level) return;
    KeepBestRun(LevelNumber(level), Life);
    // The next visit shows the run just kept.
    GhostRead = false;
}

bool GhostPosition(Vec2* at)
{
    const RunPoint* point = ShownPoint();
    if (point) *at = point->position;
    return point != nullptr;
}

void ResetGhost()
{
    GhostLevelLoaded(GS_QUIT);
    Life = BestRun();
    LifeFrame = 0;
    Playable = false;
}
