// level_lifecycle.cpp: the six operations every level runs, written once for all thirteen.
//
// The operations find their level by the running state's id: only one level is ever loaded.
#include "game/levels/level.h"

#include "engine/graphics/mesh.h"
#include "engine/graphics/picture_decoder.h"
#include "engine/graphics/texture.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/levels/ghost_run.h"
#include "game/levels/level_timer.h"
#include "game/startup/game_states.h"
#include "game/frontend/pause_menu.h"
#include "game/frontend/timer_overlay.h"
#include "game/gameplay/assists.h"
#include "game/gameplay/enemy.h"
#include "game/gameplay/player.h"
#include "game/gameplay/rock.h"
#include "game/startup/missing_files.h"
#include "game/controls/bindings.h"
#include "game/scene/camera.h"
#include "game/scene/render_layer.h"
#include "game/scene/sprite_sheet.h"


SoundChannel* LevelMusicChannel = nullptr;

namespace
{
constexpr const char* PICTURE_PATHS[PICTURE_COUNT] = {
    nullptr,
    "data/LevelBackground2.png",
    "data/Column.png",
    "data/RectPlat.png",
    "data/RectPlat.png",
    "data/HookPlatforms.png",
    "data/Player.png",
    "data/Spikes.png",
    "data/Flying Enemy.png",
    "data/Ground Enemy.png",
    "data/Frame.png",
    "data/Lava.png",
    "data/Bouncing_platform.png",
    "data/Rock.png",
};
// What every level loads, in this order.
constexpr LevelPicture SHARED_PICTURES[] = {PICTURE_FAR_BACKGROUND, PICTURE_COLUMNS,
                                            PICTURE_PLATFORM,       PICTURE_SOLID,
                                            PICTURE_GRAPPLE_POINT,  PICTURE_PLAYER,
                                            PICTURE_SPIKES};
// The pictures the player's constructor loads for the hook, at every Init.
constexpr const char* PLAYER_PICTURES[] = {"data/Lava.png", "data/Rope.png"};
constexpr const char* MUSIC_PATHS[] = {"data\\Tutorial.wav", "data\\SubTrain_v1.wav"};
constexpr const char* RUN_SHEET_PATH = ".\\data\\run_extra_8x1";
constexpr const char* ENEMY_SHEET_PATH = ".\\data\\Enemy_Sprite";

constexpr float BACKGROUND_WIDTH = 3240.0f;
constexpr float FAR_PARALLAX = 0.05f;
constexpr float NEAR_PARALLAX = 0.15f;
constexpr float PLAYER_WIDTH = 100.0f;
constexpr float PLAYER_HEIGHT = 80.0f;
constexpr uint32_t WHITE = 0xFFFFFFFFu;
constexpr GameStateId FIRST_TUTORIAL_STAGE = 3;
constexpr GameStateId LAST_TUTORIAL_STAGE = 6;
constexpr GameStateId FIRST_LEVEL = 7;
constexpr GameStateId LAST_LEVEL = 15;

// What the running level has loaded, and its player.
struct LoadedLevel
{
    const LevelDefinition* level = nullptr;
    Texture* pictures[PICTURE_COUNT] = {};
    SpriteSheet* runSheet = nullptr;
    Sound* music = nullptr;
    Player* player = nullptr;
};
LoadedLevel Loaded;
// Set by Load: the next Init enters the level; the others begin new lives.
bool Entering = false;

Texture* LoadPicture(LevelPicture picture)
{
    Texture* texture = LoadTexture(PICTURE_PATHS[picture]);
    if (!texture) ReportMissingFile(PICTURE_PATHS[picture]);
    return texture;
}

// Registers an object made by its creator with a level object's settings, into `layer`.
void Settle(GameObject* object, RenderLayer* layer, const char* name, ObjectKind kind, float x,
            float y, float w, float h, Texture* texture, bool visible)
{
    InitGameObject(object, name, x, y, w, h, 0.0f, kind, texture);
    object->visible = visible;
    AddObject(layer, object);
}

// Exits are invisible but in the last tutorial stage, which shows the way out.
bool ShowsExits(const LevelDefinition& level) { return level.id == LAST_TUTORIAL_STAGE; }

void BuildObjects(const LevelObject* objects, size_t count, RenderLayer* layer)
{
    const LevelDefinition& level = *Loaded.level;
    for (size_t i = 0; i < count; ++i)
    {
        const LevelObject& o = objects[i];
        Texture* texture = Loaded.pictures[o.picture];
        GameObject* object = nullptr;
        switch (o.type)
        {
        case LevelObject::ENEMY:
            object = new Enemy(o.x, o.y, o.w, o.h, texture, o.left, o.right, o.stunnable, 0.0f);
            break;
        case LevelObject::ROCK:
            object = new Rock(o.x, o.y, o.w, o.h, texture, o.reset, 0.0f);
            break;
        case LevelObject::PLAIN: object = new GameObject(); break;
        }
        const bool visible = o.kind != KIND_EXIT || ShowsExits(level);
        Settle(object, layer, o.name, o.kind, o.x, o.y, o.w, o.h, texture, visible);
    }
}

void AddBackground(const char* layerName, const char* cameraName, ObjectKind kind,
                   LevelPicture picture, bool clear)
{
    RenderLayer* layer = GetOrCreateLayer(layerName);
    Camera* camera = CreateCamera(cameraName, layerName);
    camera->clearEnabled = clear;
    if (clear) camera->clearColor = WHITE;
    Settle(new GameObject(), layer, "background", kind, 0.0f, 0.0f, BACKGROUND_WIDTH,
           WORLD_HEIGHT, Loaded.pictures[picture], true);
}

void BuildLevel(bool comingBack)
{
    const LevelDefinition& level = *Loaded.level;
    RenderLayer* main = GetOrCreateLayer("Main");
    CreateCamera("MainCam", "Main")->clearEnabled = false;
    BuildObjects(level.objects, level.objectCount, main);

    Player* player = new Player();
    Settle(player, main, PLAYER_OBJECT_NAME, KIND_PLAYER, level.startX, level.startY,
           PLAYER_WIDTH, PLAYER_HEIGHT, Loaded.pictures[PICTURE_PLAYER], true);
    // Back from the credits or the controls opened in the pause menu: where it stood, paused.
    if (comingBack)
    {
        player->position = SavedPlayerPosition;
        player->pauseMenu.paused = true;
    }
    ReturnToLevelPending = false;
    SetSheet(player, Loaded.runSheet);
    Loaded.player = player;
}

bool MusicStarts(GameStateId id)
{
    if (PlayerDied) return false;
    if (id == FIRST_TUTORIAL_STAGE) return true;
    if (id <= LAST_TUTORIAL_STAGE) return RestartRequested;
    if (id == FIRST_LEVEL)
        return PreviousStateId == GS_MAIN_MENU || PreviousStateId == GS_LEVEL_SELECTOR;
    return PreviousStateId == GS_LEVEL_SELECTOR || RestartRequested;
}

// The music is let go when the player leaves its chain; otherwise the next level of the
// chain finds it loaded and playing. The pause menu's Credits and How to play come back to
// the level, so its music waits for them, paused.
bool MusicReleased(GameStateId id, GameStateId next)
{
    if (next == GS_CREDITS || next == GS_CONTROLS) return false;
    if (id == LAST_TUTORIAL_STAGE || id == LAST_LEVEL) return true;
    if (id < LAST_TUTORIAL_STAGE) return next == GS_MAIN_MENU;
    return next == GS_LEVEL_SELECTOR;
}

GameStateId Successor(const LevelDefinition& level)
{
    const bool selectorLevel = level.id >= FIRST_LEVEL && level.id <= LAST_LEVEL;
    return selectorLevel && StartedFromLevelSelector ? GS_LEVEL_SELECTOR : level.successor;
}

void FirstCameraX(const char* layerName, float x)
{
    RenderLayer* layer = FindLayer(layerName);
    if (layer && !layer->cameras.empty() && layer->cameras.front())
        layer->cameras.front()->position.x = x;
}

void LevelLoad()
{
    Entering = true;
    Loaded = LoadedLevel();
    Loaded.level = FindLevel(CurrentStateId);
    GhostLevelLoaded(CurrentStateId);
    if (!Loaded.level) return;
    const LevelDefinition& level = *Loaded.level;
    // All at once, so that the workers decode them side by side while they are loaded in turn.
    DecodeLevelPicturesAhead(level.id);
    for (LevelPicture picture : SHARED_PICTURES) Loaded.pictures[picture] = LoadPicture(picture);
    for (size_t i = 0; i < level.pictureCount; ++i)
        Loaded.pictures[level.pictures[i]] = LoadPicture(level.pictures[i]);
    PlatformTexture = Loaded.pictures[PICTURE_PLATFORM];
    SpikeTexture = Loaded.pictures[PICTURE_SPIKES];
    Loaded.runSheet = LoadSpriteSheet(RUN_SHEET_PATH);
    if (!Loaded.runSheet) ReportMissingFile(RUN_SHEET_PATH);
    if (level.loadsEnemySheet && !LoadSpriteSheet(ENEMY_SHEET_PATH)) ReportMissingFile(ENEMY_SHEET_PATH);
    UnitQuadMesh = CreateUnitQuad();
    KeepPauseMenuPictures(true);
    const char* music = MUSIC_PATHS[level.music];
    Loaded.music = LoadSound(music);
    if (!Loaded.music && SoundSystemRunning()) ReportMissingFile(music);
}

bool MusicPlays() { return IsChannelPlayingSound(LevelMusicChannel, Loaded.music); }

void LevelInit()
{
    if (!Loaded.level) return;
    // A K jump starts the level afresh, at its start and running. Its music runs on only when
    // it comes running from the level the jump left; from anywhere else (a paused level behind
    // the controls, the menu's music, the tutorial's) every sound stops first.
    const bool jumped = LevelJumpTarget == CurrentStateId;
    if (jumped && !(MusicPlays() && !LevelMusicChannel->paused)) StopAllSounds();
    const bool comingBack = ReturnToLevelPending && !jumped &&
                            (PreviousStateId == GS_CREDITS || PreviousStateId == GS_CONTROLS);
    // Back from the pause menu's credits or controls the life goes on; otherwise one begins.
    if (Entering)
        LevelEntered(CurrentStateId, comingBack);
    else
        LevelRestarted();
    Entering = false;
    GhostLifeBegins(comingBack);

    AddBackground("BG0", "Background0Cam", KIND_BACKGROUND, PICTURE_FAR_BACKGROUND, true);
    AddBackground("BG1", "Background1Cam", KIND_BACKGROUND_NEAR, PICTURE_COLUMNS, false);
    AddGhostLayer();
    BuildLevel(comingBack);
    const LevelDefinition& level = *Loaded.level;
    if (level.frameObjectCount > 0)
    {
        RenderLayer* frame = GetOrCreateLayer("FRA0");
        CreateCamera("FrameCam", "FRA0")->clearEnabled = false;
        BuildObjects(level.frameObjects, level.frameObjectCount, frame);
    }
    // Never a second copy: music that already plays here, paused behind the pause menu's
    // screens or carried over from the previous stage, goes on.
    if ((jumped || MusicStarts(level.id)) && !MusicPlays())
    {
        LevelMusicChannel = PlaySound(Loaded.music, false);
        SetChannelLooping(LevelMusicChannel);
    }
    // Silent here: the slot kept from the last music may be handed to another sound.
    if (!MusicPlays()) LevelMusicChannel = nullptr;
    RestartRequested = false;
    PlayerDied = false;
    // The level that comes next, while this one is played.
    DecodeStatePicturesAhead(Successor(level));
}

void LevelUpdate()
{
    UpdateSounds();
    const bool silenced = SoundMuted || WindowUnfocused;
    SetChannelVolume(LevelMusicChannel, silenced ? 0.0f : MusicVolume);

    RecordGhostInput();
    Player* player = Loaded.player;
    const bool paused = PauseStep(player);
    // The next frame comes at the game's speed while the level plays, at full speed paused.
    PaceFrames(player && !player->pauseMenu.paused);
    if (paused) return;
    CountLevelFrame();

    // The pad's restart (Back unless changed) restarts as R does; a level key pressed with it
    // still wins.
    if (ActionPadPressed(ACTION_RESTART))
    {
        StopAllSounds();
        RestartRequested = true;
        NextStateId = GS_RESTART;
    }
    SystemFrameCheck();
    UpdateGameObjects();

    if (const GameObject* mainPlayer = FindPlayer(FindLayer("Main")))
    {
        FirstCameraX("BG0", mainPlayer->position.x * FAR_PARALLAX);
        FirstCameraX("BG1", mainPlayer->position.x * NEAR_PARALLAX);
    }
    RecordGhostPoint(player);

    if (player && player->levelComplete && Loaded.level)
    {
        if (Loaded.level->stopsSoundsAtExit) StopAllSounds();
        NextStateId = Successor(*Loaded.level);
        if (LevelFinished(Loaded.level->id, NextStateId)) KeepGhostRun(Loaded.level->id);
    }
}

void LevelDraw()
{
    DrawLayers();
    DrawLevelTimer();
}

void LevelFree()
{
    FreeScene();
    Loaded.player = nullptr;
}

void LevelUnload()
{
    PaceFrames(false);
    FreeSpriteSheets();
    Loaded.runSheet = nullptr;
    ReleaseMesh(UnitQuadMesh);
    UnitQuadMesh = nullptr;
    for (Texture*& texture : Loaded.pictures)
    {
        ReleaseTexture(texture);
        texture = nullptr;
    }
    PlatformTexture = nullptr;
    SpikeTexture = nullptr;
    KeepPauseMenuPictures(false);
    if (Loaded.level && MusicReleased(Loaded.level->id, NextStateId))
    {
        ReleaseSound(Loaded.music);
        LevelMusicChannel = nullptr;
    }
    Loaded = LoadedLevel();
}
} // namespace

void DecodeLevelPicturesAhead(GameStateId id)
{
    const char* paths[CountOf(SHARED_PICTURES) + PICTURE_COUNT];
    size_t count = 0;
    for (LevelPicture picture : SHARED_PICTURES) paths[count++] = PICTURE_PATHS[picture];
    if (const LevelDefinition* level = FindLevel(id))
        for (size_t i = 0; i < level->pictureCount; ++i)
            paths[count++] = PICTURE_PATHS[level->pictures[i]];
    DecodePicturesAhead(paths, count);
    DecodePauseMenuPicturesAhead();
    DecodePicturesAhead(PLAYER_PICTURES, CountOf(PLAYER_PICTURES));
}

const LevelDefinition* FindLevel(GameStateId id)
{
    for (size_t i = 0; i < LevelCount; ++i)
        if (LevelCatalogue[i]->id == id) return LevelCatalogue[i];
    return nullptr;
}

void RegisterLevelStates()
{
    for (size_t i = 0; i < LevelCount; ++i)
        AddGameState(LevelCatalogue[i]->id, LevelLoad, LevelInit, LevelUpdate, LevelDraw,
                     LevelFree, LevelUnload);
}
