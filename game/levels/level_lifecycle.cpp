// level_lifecycle.cpp: the six operations every level runs, written once for all of them.
//
// The operations find their level by the running state's id: one of the thirteen, whose file
// Load reads, or GS_PLAYED_LEVEL, which plays the level set with SetPlayedLevel. Only one level
// is ever loaded.
#include "game/levels/level.h"

#include "engine/graphics/mesh.h"
#include "engine/graphics/picture_decoder.h"
#include "engine/graphics/texture.h"
#include "engine/system/frame_controller.h"
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
#include "game/controls/pad_controls.h"
#include "game/recording/session_recording.h"
#include "game/scene/camera.h"
#include "game/scene/render_layer.h"
#include "game/scene/sprite_sheet.h"

#include <cstdio>

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
constexpr const char* MUSIC_PATHS[MUSIC_COUNT] = {"data\\Tutorial.ogg", "data\\SubTrain_v1.ogg"};
// The far and near background pictures of each background.
constexpr LevelPicture BACKGROUND_PICTURES[BACKGROUND_COUNT][2] = {
    {PICTURE_FAR_BACKGROUND, PICTURE_COLUMNS},
};
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
    bool loaded = false;
    const LevelDefinition* level = nullptr; // null for GS_PLAYED_LEVEL
    LevelFile file;
    Texture* pictures[PICTURE_COUNT] = {};
    SpriteSheet* runSheet = nullptr;
    Sound* music = nullptr;
    Player* player = nullptr;
};
LoadedLevel Loaded;
// Set by Load: the next Init enters the level; the others begin new lives.
bool Entering = false;

// The level GS_PLAYED_LEVEL plays, how, and how its last visit went.
struct PlayedLevel
{
    bool set = false;
    LevelFile file;
    PlayedLevelOptions options;
    PlayedLevelResult result;
    bool waiting = false;       // for everything held to be let go, before a recorded run
    uint64_t recordedFrames = 0;
};
PlayedLevel Played;

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

// The objects of one layer, in the file's order.
void BuildObjects(bool inFrame, RenderLayer* layer)
{
    for (const LevelObject& o : Loaded.file.objects)
    {
        if (o.inFrame != inFrame) continue;
        Texture* texture = Loaded.pictures[o.picture];
        GameObject* object = nullptr;
        switch (o.type)
        {
        case OBJECT_ENEMY:
            object = new Enemy(o.x, o.y, o.w, o.h, texture, o.left, o.right, o.stunnable, 0.0f);
            break;
        case OBJECT_ROCK: object = new Rock(o.x, o.y, o.w, o.h, texture, o.reset, 0.0f); break;
        default: object = new GameObject(); break;
        }
        const ObjectKind kind = ObjectKindOf(o.type);
        // Exits are invisible but where the level shows the way out.
        const bool visible = kind != KIND_EXIT || Loaded.file.exitsShown;
        Settle(object, layer, o.name.c_str(), kind, o.x, o.y, o.w, o.h, texture, visible);
    }
}

bool HasFrame()
{
    for (const LevelObject& o : Loaded.file.objects)
        if (o.inFrame) return true;
    return false;
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
    RenderLayer* main = GetOrCreateLayer("Main");
    CreateCamera("MainCam", "Main")->clearEnabled = false;
    BuildObjects(false, main);

    Player* player = new Player();
    Settle(player, main, PLAYER_OBJECT_NAME, KIND_PLAYER, Loaded.file.startX, Loaded.file.startY,
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
    if (id == GS_PLAYED_LEVEL) return true;
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
    if (id == LAST_TUTORIAL_STAGE || id == LAST_LEVEL || id == GS_PLAYED_LEVEL) return true;
    if (id < LAST_TUTORIAL_STAGE) return next == GS_MAIN_MENU;
    return next == GS_LEVEL_SELECTOR;
}

GameStateId Successor()
{
    if (!Loaded.level) return Played.options.successor;
    const LevelDefinition& level = *Loaded.level;
    const bool selectorLevel = level.id >= FIRST_LEVEL && level.id <= LAST_LEVEL;
    return selectorLevel && StartedFromLevelSelector ? GS_LEVEL_SELECTOR : level.successor;
}

// A level that cannot be read is said on screen and on standard error, and the player is
// taken back to where levels are chosen.
void RefuseLevel(const std::string& error)
{
    std::fprintf(stderr, "Vantara: %s\n", error.c_str());
    PlatformShowMessageBox("Vantara", ("This level cannot be played:\n" + error).c_str(),
                           MESSAGE_BOX_ERROR);
    NextStateId = CurrentStateId == GS_PLAYED_LEVEL ? Played.options.successor
                  : StartedFromLevelSelector        ? GS_LEVEL_SELECTOR
                                                    : GS_MAIN_MENU;
}

// The pictures the level loads beyond every level's, in the order they are loaded: those its
// catalogue row names, then any other that its background or its objects wear.
std::vector<LevelPicture> OwnPictures(const LevelDefinition* level, const LevelFile* file)
{
    std::vector<LevelPicture> pictures;
    bool listed[PICTURE_COUNT] = {};
    for (LevelPicture picture : SHARED_PICTURES) listed[picture] = true;
    auto add = [&](LevelPicture picture) {
        if (picture == PICTURE_NONE || listed[picture]) return;
        listed[picture] = true;
        pictures.push_back(picture);
    };
    if (level)
        for (size_t i = 0; i < level->pictureCount; ++i) add(level->pictures[i]);
    if (file)
    {
        for (LevelPicture picture : BACKGROUND_PICTURES[file->background]) add(picture);
        for (const LevelObject& o : file->objects) add(o.picture);
    }
    return pictures;
}

// Nothing held that a recorded run would show held on its first frame.
bool NothingHeld()
{
    const ReplayInput input = LiveReplayInput();
    const uint64_t window = uint64_t{1} << REPLAY_MIN | uint64_t{1} << REPLAY_UNFOCUS;
    return (input.keys & ~window) == 0 && !input.leftButton && !UsesPad(input);
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
    std::string error;
    if (Loaded.level)
    {
        if (!ReadShippedLevel(*Loaded.level, &Loaded.file, &error)) return RefuseLevel(error);
    }
    else if (CurrentStateId == GS_PLAYED_LEVEL)
    {
        if (!Played.set) return RefuseLevel("no level was chosen to play");
        Loaded.file = Played.file;
        Played.result = PlayedLevelResult();
        Played.waiting = Played.options.recordsProof;
        Played.recordedFrames = 0;
    }
    else
        return;
    Loaded.loaded = true;
    // All at once, so that the workers decode them side by side while they are loaded in turn.
    DecodeLevelPicturesAhead(CurrentStateId);
    for (LevelPicture picture : SHARED_PICTURES) Loaded.pictures[picture] = LoadPicture(picture);
    for (LevelPicture picture : OwnPictures(Loaded.level, &Loaded.file))
        Loaded.pictures[picture] = LoadPicture(picture);
    PlatformTexture = Loaded.pictures[PICTURE_PLATFORM];
    SpikeTexture = Loaded.pictures[PICTURE_SPIKES];
    Loaded.runSheet = LoadSpriteSheet(RUN_SHEET_PATH);
    if (!Loaded.runSheet) ReportMissingFile(RUN_SHEET_PATH);
    if (Loaded.level && Loaded.level->loadsEnemySheet && !LoadSpriteSheet(ENEMY_SHEET_PATH))
        ReportMissingFile(ENEMY_SHEET_PATH);
    UnitQuadMesh = CreateUnitQuad();
    KeepPauseMenuPictures(true);
    const char* music = MUSIC_PATHS[Loaded.file.music];
    Loaded.music = LoadSound(music);
    if (!Loaded.music && SoundSystemRunning()) ReportMissingFile(music);
}

bool MusicPlays() { return IsChannelPlayingSound(LevelMusicChannel, Loaded.music); }

void LevelInit()
{
    if (!Loaded.loaded) return;
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

    const LevelPicture* background = BACKGROUND_PICTURES[Loaded.file.background];
    AddBackground("BG0", "Background0Cam", KIND_BACKGROUND, background[0], true);
    AddBackground("BG1", "Background1Cam", KIND_BACKGROUND_NEAR, background[1], false);
    AddGhostLayer();
    BuildLevel(comingBack);
    if (HasFrame())
    {
        RenderLayer* frame = GetOrCreateLayer("FRA0");
        CreateCamera("FrameCam", "FRA0")->clearEnabled = false;
        BuildObjects(true, frame);
    }
    // Never a second copy: music that already plays here, paused behind the pause menu's
    // screens or carried over from the previous stage, goes on.
    if ((jumped || MusicStarts(CurrentStateId)) && !MusicPlays())
    {
        LevelMusicChannel = PlaySound(Loaded.music, false);
        SetChannelLooping(LevelMusicChannel);
    }
    // Silent here: the slot kept from the last music may be handed to another sound.
    if (!MusicPlays()) LevelMusicChannel = nullptr;
    RestartRequested = false;
    PlayerDied = false;
    // The level that comes next, while this one is played.
    DecodeStatePicturesAhead(Successor());
}

void LevelFrame()
{
    UpdateSounds();
    const bool silenced = SoundMuted || WindowUnfocused;
    SetChannelVolume(LevelMusicChannel, silenced ? 0.0f : MusicVolume);
    if (!Loaded.loaded) return;

    RecordGhostInput();
    Player* player = Loaded.player;
    // A recorded run begins on the first frame with nothing held; until then nothing moves.
    if (Played.waiting && CurrentStateId == GS_PLAYED_LEVEL)
    {
        Played.waiting = !NothingHeld();
        if (Played.waiting)
        {
            SystemFrameCheck();
            return;
        }
    }
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

    const bool played = CurrentStateId == GS_PLAYED_LEVEL;
    if (player && player->levelComplete)
    {
        if (Loaded.level && Loaded.level->stopsSoundsAtExit) StopAllSounds();
        NextStateId = Successor();
        if (LevelFinished(CurrentStateId, NextStateId)) KeepGhostRun(CurrentStateId);
        if (played && !Played.options.bestTimeKey.empty() && !LastFinish().assisted)
            RecordMyLevelTime(Played.options.bestTimeKey, LastFinish().frames);
        if (played) Played.result.finished = true;
    }
    else if (played && PlayerDied && NextStateId == GS_RESTART && Played.options.returnOnDeath)
    {
        Played.result.died = true;
        NextStateId = Successor();
    }
    if (played && player)
    {
        Played.result.frames = ReadTimer().levelFrames;
        Played.result.x = player->position.x;
        Played.result.y = player->position.y;
    }
}

// The recorded run: every frame from the first with nothing held, as a script line with the
// frame time the frame ran with, like a recording.
void RecordProofFrame(float frameTime)
{
    ScriptLine line = {Played.recordedFrames++, LiveReplayInput()};
    line.input.frameTime = frameTime;
    std::vector<ScriptLine>& proof = Played.result.proof;
    // Like the runner's scripts, a line only where the input changes.
    if (!proof.empty())
    {
        const std::string was = FormatScriptLine({0, proof.back().input});
        if (FormatScriptLine({0, line.input}) == was) return;
    }
    proof.push_back(line);
}

void LevelUpdate()
{
    const bool recording =
        CurrentStateId == GS_PLAYED_LEVEL && Played.options.recordsProof && Loaded.loaded;
    // A recorded frame runs with the frame time its line carries, so that its replay is exact.
    if (recording) FrameTime = ScriptFrameTime(FrameTime);
    const float frameTime = static_cast<float>(FrameTime);
    LevelFrame();
    if (!recording) return;
    // Only a finish within the hour a proof may last keeps its run: it is the level's proof.
    const bool tooLong = Played.recordedFrames >= LEVEL_PROOF_FRAME_LIMIT;
    if (!Played.waiting && !tooLong) RecordProofFrame(frameTime);
    const bool leaving = NextStateId != CurrentStateId && NextStateId != GS_RESTART;
    // A proof plays without assists: a life that had one proves nothing.
    const bool assisted = ReadTimer().assisted;
    if ((leaving && !Played.result.finished) || tooLong || assisted) Played.result.proof.clear();
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
    // A level that was refused took none of the pause menu's pictures.
    if (Loaded.loaded) KeepPauseMenuPictures(false);
    if (Loaded.loaded && MusicReleased(CurrentStateId, NextStateId))
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
    const LevelDefinition* level = FindLevel(id);
    const LevelFile* file = id == GS_PLAYED_LEVEL && Played.set ? &Played.file : nullptr;
    if (level || file)
        for (LevelPicture picture : OwnPictures(level, file)) paths[count++] = PICTURE_PATHS[picture];
    DecodePicturesAhead(paths, count);
    DecodePauseMenuPicturesAhead();
    DecodePicturesAhead(PLAYER_PICTURES, CountOf(PLAYER_PICTURES));
}

void SetPlayedLevel(const LevelFile& level, const PlayedLevelOptions& options)
{
    Played.set = true;
    Played.file = level;
    Played.options = options;
    Played.result = PlayedLevelResult();
}

const PlayedLevelResult& LastPlayedLevelResult() { return Played.result; }

GameStateId PausedLevelLeavesTo()
{
    return CurrentStateId == GS_PLAYED_LEVEL ? Played.options.leaveTo : GS_MAIN_MENU;
}

const char* LevelPicturePath(LevelPicture picture)
{
    return picture < PICTURE_COUNT ? PICTURE_PATHS[picture] : nullptr;
}

void RegisterLevelStates()
{
    for (size_t i = 0; i < LevelCount; ++i)
        AddGameState(LevelCatalogue[i].id, LevelLoad, LevelInit, LevelUpdate, LevelDraw,
                     LevelFree, LevelUnload);
    AddGameState(GS_PLAYED_LEVEL, LevelLoad, LevelInit, LevelUpdate, LevelDraw, LevelFree,
                 LevelUnload);
}
