// editor_screen.cpp: the "Make" screen, the level editor reached from the main menu.
//
// A tool bar along the top, the palette of every kind down the left, the level in the middle
// through a camera that pans (right or middle mouse drag, the arrows with nothing selected)
// and zooms (the wheel, Page Up and Page Down; Home shows the whole view again), and a status
// line at the bottom. The mouse places (a palette entry, then a click), selects (a click, a
// box dragged from empty ground, Shift or Ctrl to add), moves (drag), resizes (the handles of
// one selected object) and drags an enemy's turning points and a rock's reset; the keys do
// the rest (README's "Make levels").
//
// P test-plays from the start; a death or the exit comes straight back here, to the same
// view, with where it happened marked, and a finish keeps its run as the level's proof. The
// level under edit lives for the whole run of the program: leaving for the menu, a test-play
// or the credits finds it again. Unsaved changes are never dropped without a question, and
// if the program ends without one (the window closed, or Ctrl+Q during a test-play) they are
// kept aside and come back with the next visit.
#include "engine/graphics/draw_state.h"
#include "engine/graphics/mesh.h"
#include "engine/input/input_state.h"
#include "engine/platform/platform.h"
#include "engine/system/window.h"
#include "game/audio/sound_system.h"
#include "game/editor/editor_model.h"
#include "game/editor/editor_view.h"
#include "game/frontend/menu_widgets.h"
#include "game/frontend/screens.h"
#include "game/frontend/text_label.h"
#include "game/levels/kept_levels.h"
#include "game/levels/level.h"
#include "game/levels/level_import.h"
#include "game/saves/kept_file.h"
#include "game/scene/camera.h"
#include "game/startup/game_states.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

namespace
{
// Colours, 0xAARRGGBB.
constexpr uint32_t PANEL = 0xF0181C24u, PANEL_EDGE = 0xFF505868u, BUTTON = 0xFF2C3442u;
constexpr uint32_t BUTTON_LIT = 0xFF46536Au, TEXT = 0xFFE8ECF4u, DIM_TEXT = 0xFF9098A8u;
constexpr uint32_t GOOD = 0xFF70E070u, BAD = 0xFFFF7060u, SELECTED = 0xFFFFD040u;
constexpr uint32_t POINTED = 0x80FFFFFFu, PATROL = 0xFFFF9030u, RESET = 0xFF40D0FFu;
constexpr uint32_t BOX = 0x30FFD040u;

constexpr float BAR_Y = 505.0f, BAR_HEIGHT = 50.0f, BAR_TEXT = 24.0f;
constexpr float STATUS_Y = -510.0f, STATUS_TEXT = 24.0f;
constexpr float PALETTE_LEFT = -955.0f, PALETTE_RIGHT = -775.0f, PALETTE_TOP = 465.0f;
constexpr float PALETTE_STEP = 68.0f, PALETTE_TEXT = 20.0f;
constexpr float HANDLE = 14.0f, MARKER = 18.0f, HIT_SLACK = 6.0f; // screen units
constexpr float WHEEL_ZOOM = 1.15f;
constexpr float ARROW_PAN = 120.0f; // screen units a press of an arrow pans
constexpr size_t OPEN_ROWS = 14;
constexpr float OPEN_ROW_HEIGHT = 46.0f;
constexpr const char* RECOVERY_FILE = "unsaved-edit.level";

constexpr const char* LETTERS = LETTERS_PATH;
enum ExtraPicture
{
    LETTERS_SLOT = PICTURE_COUNT,
    SLOT_COUNT
};

// The palette: every kind a level uses, the start and the exit.
struct PaletteEntry
{
    const char* label;
    uint32_t key;
    LevelObjectType type;
    LevelPicture picture; // PICTURE_NONE: the kind's own
    bool stunnable;
    bool start;
};
constexpr PaletteEntry PALETTE[] = {
    {"Floor/wall", '1', OBJECT_SOLID, PICTURE_NONE, false, false},
    {"Platform", '2', OBJECT_PLATFORM, PICTURE_NONE, false, false},
    {"Bounce pad", '3', OBJECT_PLATFORM, PICTURE_BOUNCE_PAD, false, false},
    {"Spikes", '4', OBJECT_SPIKES, PICTURE_NONE, false, false},
    {"Lava", '5', OBJECT_LAVA, PICTURE_NONE, false, false},
    {"Grapple", '6', OBJECT_GRAPPLE, PICTURE_NONE, false, false},
    {"Flyer", '7', OBJECT_ENEMY, PICTURE_NONE, false, false},
    {"Walker", '8', OBJECT_ENEMY, PICTURE_GROUND_ENEMY, true, false},
    {"Still enemy", '9', OBJECT_ENEMY_BLOCK, PICTURE_NONE, false, false},
    {"Rock", '0', OBJECT_ROCK, PICTURE_NONE, false, false},
    {"Exit", 'X', OBJECT_EXIT, PICTURE_NONE, false, false},
    {"Start", 'T', OBJECT_SOLID, PICTURE_PLAYER, false, true},
};
constexpr size_t PALETTE_COUNT = sizeof(PALETTE) / sizeof(PALETTE[0]);

enum Action
{
    ACT_MENU,
    ACT_NEW,
    ACT_OPEN,
    ACT_SAVE,
    ACT_SHARE,
    ACT_PLAY,
    ACT_UNDO,
    ACT_REDO,
    ACT_GRID,
    ACT_MUSIC,
    ACT_EXITS,
    ACT_BACKGROUND,
    ACT_NAME,
    ACT_COUNT
};

enum Mode
{
    MODE_IDLE,
    MODE_MOVE,
    MODE_RESIZE,
    MODE_MARKER,
    MODE_BOX,
    MODE_PAN,
    MODE_NAMING,
    MODE_QUESTION,
    MODE_OPEN,
    MODE_CHECKING,
};

// What waits on the answer to "save the changes?".
enum Pending
{
    PENDING_LEAVE,
    PENDING_NEW,
    PENDING_OPEN,
    PENDING_QUIT,
};

enum Answer
{
    ANSWER_SAVE,
    ANSWER_DISCARD,
    ANSWER_CANCEL,
    ANSWER_COUNT
};
constexpr const char* ANSWER_LABELS[ANSWER_COUNT] = {"Save", "Don't save", "Cancel"};

// One entry of the Open list: a kept level, or a shared file whose proof is checked first.
struct OpenEntry
{
    KeptLevel level;
    bool shared;
};

// Kept for the whole run of the program: the level under edit and how it is seen.
EditorModel Model;
EditorCamera View;
std::string FileName; // the kept file it was opened from or saved to; empty: not yet
bool Started = false;
std::string Message = "Pick a kind on the left (or 1-9, 0, X, T), then click to place it.";
uint32_t MessageColour = DIM_TEXT;
enum Outcome
{
    OUTCOME_NONE,
    OUTCOME_DIED,
    OUTCOME_FINISHED,
} Result = OUTCOME_NONE;
Vec2 ResultAt;

// This visit's.
Texture* Pictures[SLOT_COUNT] = {};
const char* PicturePaths[SLOT_COUNT] = {};
EditorRect ActionRects[ACT_COUNT] = {};
Mode CurrentMode = MODE_IDLE;
int Armed = -1; // the palette entry a click places, or -1
Vec2 PressedAt; // screen units
Vec2 PanFrom;
uint8_t ResizeEdges = 0;
EditorMarker DraggedMarker = MARKER_LEFT;
std::string NameDraft;
Pending Waiting = PENDING_LEAVE;
std::vector<OpenEntry> OpenList;
size_t OpenFirst = 0, OpenFocus = 0;
size_t OpenChosen = 0;
int CheckingFrames = 0;
Vec2 Pointer;

void Say(const std::string& text, uint32_t colour = TEXT)
{
    Message = text;
    MessageColour = colour;
}

bool Ctrl() { return IsKeyDown(KEY_CONTROL); }
bool Shift() { return IsKeyDown(KEY_SHIFT); }

LevelFile NewLevel()
{
    LevelFile level;
    level.title = "My_level";
    level.startX = -800.0f;
    level.startY = -410.0f;
    LevelObject floor = NewLevelObject(OBJECT_SOLID, 0.0f, -500.0f);
    floor.name = "Floor";
    floor.w = 1900.0f;
    floor.h = 100.0f;
    level.objects.push_back(floor);
    level.objects.push_back(NewLevelObject(OBJECT_EXIT, 900.0f, -350.0f));
    return level;
}

// The file name a title is saved under: its letters, digits, '_', '.' and '-'.
std::string FileNameFor(const std::string& title)
{
    std::string name;
    for (char c : title.substr(0, LEVEL_NAME_LIMIT))
        name += std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.' ? c : '_';
    return (name.empty() || name[0] == '.' ? "Level" + name : name) + ".level";
}

// An imported level is kept under its key; a change to it is a level of its own.
bool IsImportedName(const std::string& fileName)
{
    return fileName.size() == 16 + 6 &&
           std::all_of(fileName.begin(), fileName.begin() + 16,
                       [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
}

std::string RecoveryPath()
{
    const std::string folder = PlatformKeptFolder(KEPT_PROGRESS);
    return folder.empty() ? folder : folder + "/" + RECOVERY_FILE;
}

// The changes not saved, set aside where only the editor looks, or the copy set aside gone
// once they are saved or given up.
void KeepRecovery()
{
    if (!KeepingFiles || RecoveryPath().empty()) return;
    std::string error;
    if (Model.Unsaved())
    {
        if (!WriteLevelInto(Model.Level(), PlatformKeptFolder(KEPT_PROGRESS), RECOVERY_FILE, &error))
            std::fprintf(stderr, "Vantara: %s\n", error.c_str());
    }
    else
        PlatformRemoveKeptFile(RecoveryPath(), &error);
}

void ShowWholeView()
{
    View = EditorCamera();
}

void Edit(const LevelFile& level, const std::string& fileName)
{
    Model.Reset(level);
    FileName = IsImportedName(fileName) ? "" : fileName;
    Result = OUTCOME_NONE;
    ShowWholeView();
    KeepRecovery();
}

bool Save()
{
    if (!KeepingFiles)
    {
        Say("Levels are not kept in this run.", BAD);
        return false;
    }
    std::string problem;
    if (!CheckLevel(Model.Level(), &problem))
    {
        Say("Cannot save: " + problem, BAD);
        return false;
    }
    const std::string file = FileName.empty() ? FileNameFor(Model.Level().title) : FileName;
    if (FileName.empty())
        for (const KeptLevel& kept : ListKeptLevels())
            if (kept.fileName == file)
            {
                Say("A level is kept as " + file + " already: click the name to rename this one.",
                    BAD);
                return false;
            }
    std::string error;
    if (!KeepLevel(Model.Level(), file, &error))
    {
        Say("Cannot save: " + error, BAD);
        return false;
    }
    FileName = file;
    Model.MarkSaved();
    KeepRecovery();
    Say("Saved as " + KeptLevelsFolder() + "/" + file + (Model.Proven() ? ", with its proof." : "."),
        GOOD);
    return true;
}

void Share()
{
    if (!KeepingFiles)
    {
        Say("Levels are not kept in this run.", BAD);
        return;
    }
    if (!Model.Proven())
    {
        Say("Test-play it to the exit first (P): a shared level carries the run that proves it.",
            BAD);
        return;
    }
    if (Model.Unsaved() && !Save()) return;
    std::string error;
    if (!WriteLevelInto(Model.Level(), SharedLevelsFolder(), FileName, &error))
    {
        Say("Cannot share: " + error, BAD);
        return;
    }
    Say("Shared as " + SharedLevelsFolder() + "/" + FileName + ": send that one file.", GOOD);
}

void TestPlay()
{
    std::string problem;
    if (!CheckLevel(Model.Level(), &problem))
    {
        Say("Cannot play: " + problem, BAD);
        return;
    }
    PlayedLevelOptions options;
    options.successor = GS_EDITOR;
    options.returnOnDeath = true;
    options.recordsProof = true;
    options.leaveTo = GS_EDITOR;
    SetPlayedLevel(Model.Level(), options);
    KeepRecovery();
    StopAllSounds();
    NextStateId = GS_PLAYED_LEVEL;
}

std::string Seconds(uint32_t frames)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f s", frames / 60.0);
    return text;
}

// Back from a test-play: what happened, where, and the proof of a finish.
void TakeTestPlayResult()
{
    const PlayedLevelResult& result = LastPlayedLevelResult();
    ResultAt = {result.x, result.y};
    Result = result.finished ? OUTCOME_FINISHED : result.died ? OUTCOME_DIED : OUTCOME_NONE;
    if (result.finished && !result.proof.empty())
    {
        Model.SetProof(result.proof);
        Say("Finished in " + Seconds(result.frames) + ": the run proves the level, it can be shared.",
            GOOD);
    }
    else if (result.finished)
        Say("Finished, but this run cannot prove the level (a pause screen was opened, or it took "
            "over an hour).",
            SELECTED);
    else if (result.died)
        Say("Died after " + Seconds(result.frames) + " (marked). Change it and press P again.", BAD);
    else
        Say("Test-play left before the exit.", DIM_TEXT);
    KeepRecovery();
}

void FillOpenList()
{
    OpenList.clear();
    for (KeptLevel& kept : ListKeptLevels()) OpenList.push_back({std::move(kept), false});
    for (KeptLevel& kept : ListLevelFolder(SharedLevelsFolder()))
        OpenList.push_back({std::move(kept), true});
    OpenFirst = OpenFocus = 0;
}

void OpenChosenEntry()
{
    const OpenEntry& entry = OpenList[OpenChosen];
    if (!entry.level.readable)
    {
        Say(entry.level.error, BAD);
        return;
    }
    if (entry.shared)
    {
        // The check blocks for a moment: the frame that says so is drawn first.
        CurrentMode = MODE_CHECKING;
        CheckingFrames = 0;
        return;
    }
    Edit(entry.level.level, entry.level.fileName);
    Say("Opened " + entry.level.path + ".", GOOD);
}

void CheckChosenEntry()
{
    const KeptLevel& kept = OpenList[OpenChosen].level;
    std::string reason;
    const ProofCheck check = CheckLevelProof(kept.level, &reason);
    CurrentMode = MODE_IDLE;
    if (check != PROOF_HOLDS)
    {
        Say("Refused " + kept.fileName + ": " + reason, BAD);
        return;
    }
    std::string error;
    if (!KeepLevel(kept.level, ImportedLevelFileName(kept.level), &error))
    {
        Say("Proven, but " + error, BAD);
        return;
    }
    Edit(kept.level, "");
    Say("Proven (" + reason + "); kept among My levels.", GOOD);
}

void Carry(Pending pending)
{
    switch (pending)
    {
    case PENDING_LEAVE: NextStateId = GS_MAIN_MENU; break;
    case PENDING_QUIT: NextStateId = GS_QUIT; break;
    case PENDING_NEW:
        Edit(NewLevel(), "");
        Say("A new level: a floor, the start and an exit to build from.", DIM_TEXT);
        break;
    case PENDING_OPEN: OpenChosenEntry(); break;
    }
}

// Does `pending` now, or asks first when there are changes to lose.
void Ask(Pending pending)
{
    CurrentMode = MODE_IDLE;
    if (!Model.Unsaved()) return Carry(pending);
    Waiting = pending;
    CurrentMode = MODE_QUESTION;
}

void Reply(Answer answer)
{
    CurrentMode = MODE_IDLE;
    if (answer == ANSWER_CANCEL) return;
    if (answer == ANSWER_SAVE && !Save()) return;
    if (answer == ANSWER_DISCARD)
    {
        // Given up: nothing of them is kept aside, and the menu's Make starts afresh.
        const Pending pending = Waiting;
        Edit(NewLevel(), "");
        if (pending == PENDING_OPEN || pending == PENDING_NEW) return Carry(pending);
        NextStateId = pending == PENDING_QUIT ? GS_QUIT : GS_MAIN_MENU;
        return;
    }
    Carry(Waiting);
}

EditorRect AnswerRect(int answer)
{
    const float x = -330.0f + 330.0f * static_cast<float>(answer);
    return {x - 140.0f, -90.0f, x + 140.0f, -30.0f};
}

EditorRect OpenRowRect(size_t row)
{
    const float top = 380.0f - OPEN_ROW_HEIGHT * static_cast<float>(row);
    return {-560.0f, top - OPEN_ROW_HEIGHT + 4.0f, 560.0f, top};
}

EditorRect PaletteRect(size_t entry)
{
    const float top = PALETTE_TOP - PALETTE_STEP * static_cast<float>(entry);
    return {PALETTE_LEFT, top - PALETTE_STEP + 8.0f, PALETTE_RIGHT, top};
}

std::string ActionLabel(Action action)
{
    const LevelFile& level = Model.Level();
    switch (action)
    {
    case ACT_MENU: return "Menu";
    case ACT_NEW: return "New";
    case ACT_OPEN: return "Open";
    case ACT_SAVE: return "Save";
    case ACT_SHARE: return "Share";
    case ACT_PLAY: return "Play (P)";
    case ACT_UNDO: return "Undo";
    case ACT_REDO: return "Redo";
    case ACT_GRID:
        return Model.Grid() > 0.0f ? "Grid " + FormatLevelNumber(Model.Grid()) : "Grid off";
    case ACT_MUSIC: return std::string("Music: ") + LevelMusicName(level.music);
    case ACT_EXITS: return level.exitsShown ? "Exits shown" : "Exits hidden";
    case ACT_BACKGROUND: return std::string("Backdrop: ") + LevelBackgroundName(level.background);
    case ACT_NAME:
        return "Name: " + (CurrentMode == MODE_NAMING ? NameDraft + "_" : level.title) +
               (Model.Unsaved() ? " *" : "");
    case ACT_COUNT: break;
    }
    return "";
}

void LayOutActions()
{
    float left = -955.0f;
    for (int a = 0; a < ACT_COUNT; ++a)
    {
        // The name field has room for the longest name.
        const std::string label = a == ACT_NAME ? std::string(LEVEL_NAME_LIMIT + 10, 'M')
                                                : ActionLabel(static_cast<Action>(a));
        const float width = std::min(TextLabelWidth(label, BAR_TEXT) + 22.0f, 960.0f - left);
        ActionRects[a] = {left, BAR_Y - BAR_HEIGHT * 0.5f, left + width, BAR_Y + BAR_HEIGHT * 0.5f};
        left += width + 8.0f;
    }
}

void Do(Action action)
{
    switch (action)
    {
    case ACT_MENU: Ask(PENDING_LEAVE); break;
    case ACT_NEW: Ask(PENDING_NEW); break;
    case ACT_OPEN:
        FillOpenList();
        CurrentMode = MODE_OPEN;
        break;
    case ACT_SAVE: Save(); break;
    case ACT_SHARE: Share(); break;
    case ACT_PLAY: TestPlay(); break;
    case ACT_UNDO:
        if (!Model.Undo()) Say("Nothing to undo.", DIM_TEXT);
        break;
    case ACT_REDO:
        if (!Model.Redo()) Say("Nothing to redo.", DIM_TEXT);
        break;
    case ACT_GRID: Model.CycleGrid(); break;
    case ACT_MUSIC:
        Model.SetMusic(Model.Level().music == MUSIC_LEVELS ? MUSIC_TUTORIAL : MUSIC_LEVELS);
        break;
    case ACT_EXITS: Model.SetExitsShown(!Model.Level().exitsShown); break;
    case ACT_BACKGROUND: Say("Ruins is the only backdrop yet.", DIM_TEXT); break;
    case ACT_NAME:
        NameDraft = Model.Level().title;
        CurrentMode = MODE_NAMING;
        break;
    case ACT_COUNT: break;
    }
}

LevelObject PaletteObject(const PaletteEntry& entry, Vec2 at)
{
    LevelObject object = NewLevelObject(entry.type, at.x, at.y);
    object.stunnable = entry.stunnable;
    if (entry.picture != PICTURE_NONE) object.picture = entry.picture;
    return object;
}

void PlaceArmed(Vec2 world)
{
    const PaletteEntry& entry = PALETTE[Armed];
    const bool placed =
        entry.start ? Model.PlaceStart(world) : Model.Place(PaletteObject(entry, world));
    if (!placed && !entry.start)
        Say("A level holds at most " + std::to_string(LEVEL_OBJECT_LIMIT) + " objects.", BAD);
    // Shift keeps the kind for more of the same.
    if (!Shift()) Armed = -1;
}

// The one selected object's handles: which edges each moves, and where it is on screen.
struct Handle
{
    uint8_t edges;
    Vec2 at;
};
std::vector<Handle> Handles()
{
    std::vector<Handle> handles;
    if (Model.Selection().size() != 1 || Model.StartSelected()) return handles;
    const EditorRect r = ObjectRect(Model.Level().objects[Model.Selection()[0]]);
    const Vec2 a = View.ToScreen({r.left, r.bottom}), b = View.ToScreen({r.right, r.top});
    const float mx = (a.x + b.x) * 0.5f, my = (a.y + b.y) * 0.5f;
    handles = {{EDGE_LEFT | EDGE_BOTTOM, {a.x, a.y}}, {EDGE_BOTTOM, {mx, a.y}},
               {EDGE_RIGHT | EDGE_BOTTOM, {b.x, a.y}}, {EDGE_RIGHT, {b.x, my}},
               {EDGE_RIGHT | EDGE_TOP, {b.x, b.y}},    {EDGE_TOP, {mx, b.y}},
               {EDGE_LEFT | EDGE_TOP, {a.x, b.y}},     {EDGE_LEFT, {a.x, my}}};
    return handles;
}

struct Marker
{
    EditorMarker marker;
    Vec2 at;
};
std::vector<Marker> Markers()
{
    std::vector<Marker> markers;
    if (Model.Selection().size() != 1 || Model.StartSelected()) return markers;
    const LevelObject& o = Model.Level().objects[Model.Selection()[0]];
    if (o.type == OBJECT_ENEMY)
    {
        markers.push_back({MARKER_LEFT, View.ToScreen({static_cast<float>(o.left), o.y})});
        markers.push_back({MARKER_RIGHT, View.ToScreen({static_cast<float>(o.right), o.y})});
    }
    if (o.type == OBJECT_ROCK)
        markers.push_back({MARKER_RESET, View.ToScreen({o.x, static_cast<float>(o.reset)})});
    return markers;
}

bool Near(Vec2 a, Vec2 b, float size)
{
    return std::fabs(a.x - b.x) <= size * 0.5f + 2.0f && std::fabs(a.y - b.y) <= size * 0.5f + 2.0f;
}

void PressOnCanvas()
{
    const Vec2 world = View.ToWorld(Pointer);
    Result = OUTCOME_NONE;
    if (Armed >= 0) return PlaceArmed(world);
    for (const Marker& m : Markers())
        if (Near(Pointer, m.at, MARKER))
        {
            Model.BeginDrag(static_cast<long>(Model.Selection()[0]));
            DraggedMarker = m.marker;
            CurrentMode = MODE_MARKER;
            return;
        }
    for (const Handle& h : Handles())
        if (Near(Pointer, h.at, HANDLE))
        {
            Model.BeginDrag(static_cast<long>(Model.Selection()[0]));
            ResizeEdges = h.edges;
            CurrentMode = MODE_RESIZE;
            return;
        }
    const long hit = Model.HitAt(world, HIT_SLACK / View.zoom);
    if (hit == EditorModel::NOTHING_HIT)
    {
        if (!Shift() && !Ctrl()) Model.ClearSelection();
        CurrentMode = MODE_BOX;
        return;
    }
    if (Shift() || Ctrl()) return Model.Click(hit, true);
    const bool selected = hit == EditorModel::START_HIT
                              ? Model.StartSelected()
                              : Model.IsSelected(static_cast<size_t>(hit));
    if (!selected) Model.Click(hit, false);
    Model.BeginDrag(hit);
    CurrentMode = MODE_MOVE;
}

void UpdateDrag()
{
    const Vec2 world = View.ToWorld(Pointer);
    const bool held = IsMouseButtonDown(0);
    switch (CurrentMode)
    {
    case MODE_MOVE: Model.DragMove(world - View.ToWorld(PressedAt)); break;
    case MODE_RESIZE: Model.DragResize(ResizeEdges, world); break;
    case MODE_MARKER: Model.DragMarker(DraggedMarker, world); break;
    case MODE_BOX:
        if (!held)
        {
            const Vec2 from = View.ToWorld(PressedAt);
            Model.SelectBox({from.x, from.y, world.x, world.y}, Shift() || Ctrl());
        }
        break;
    case MODE_PAN:
        View.centre = View.centre - (Pointer - PanFrom) * (1.0f / View.zoom);
        PanFrom = Pointer;
        if (!IsMouseButtonDown(1) && !IsMouseButtonDown(2)) CurrentMode = MODE_IDLE;
        return;
    default: return;
    }
    if (IsKeyTriggered(KEY_ESCAPE))
    {
        Model.CancelDrag();
        CurrentMode = MODE_IDLE;
    }
    else if (!held)
    {
        Model.EndDrag();
        CurrentMode = MODE_IDLE;
    }
}

void UpdateNaming()
{
    if (IsKeyTriggered(KEY_ESCAPE) || IsMouseButtonTriggered(0))
    {
        CurrentMode = MODE_IDLE;
        return;
    }
    if (IsKeyTriggered(KEY_ENTER))
    {
        CurrentMode = MODE_IDLE;
        if (!NameDraft.empty()) Model.SetTitle(NameDraft);
        return;
    }
    if (IsKeyTriggered(KEY_BACKSPACE) && !NameDraft.empty()) NameDraft.pop_back();
    if (NameDraft.size() >= LEVEL_NAME_LIMIT) return;
    for (uint32_t key = 'A'; key <= 'Z'; ++key)
        if (IsKeyTriggered(key)) NameDraft += static_cast<char>(Shift() ? key : key - 'A' + 'a');
    for (uint32_t key = '0'; key <= '9'; ++key)
        if (IsKeyTriggered(key)) NameDraft += static_cast<char>(key);
    if (IsKeyTriggered(KEY_SPACE)) NameDraft += '_';
}

void UpdateQuestion()
{
    if (IsKeyTriggered(KEY_ESCAPE)) return Reply(ANSWER_CANCEL);
    if (IsKeyTriggered(KEY_ENTER) || IsKeyTriggered('S')) return Reply(ANSWER_SAVE);
    if (IsKeyTriggered('N') || IsKeyTriggered('D')) return Reply(ANSWER_DISCARD);
    if (!IsMouseButtonTriggered(0)) return;
    for (int a = 0; a < ANSWER_COUNT; ++a)
        if (ScreenInside(AnswerRect(a), Pointer)) return Reply(static_cast<Answer>(a));
}

void UpdateOpenList()
{
    if (IsKeyTriggered(KEY_ESCAPE) || IsMouseButtonTriggered(1))
    {
        CurrentMode = MODE_IDLE;
        return;
    }
    const size_t count = OpenList.size();
    if (count == 0) return;
    if (IsKeyTriggered(KEY_DOWN) || MouseWheel < 0.0f) OpenFocus = std::min(OpenFocus + 1, count - 1);
    if ((IsKeyTriggered(KEY_UP) || MouseWheel > 0.0f) && OpenFocus > 0) --OpenFocus;
    if (OpenFocus < OpenFirst) OpenFirst = OpenFocus;
    if (OpenFocus >= OpenFirst + OPEN_ROWS) OpenFirst = OpenFocus - OPEN_ROWS + 1;
    bool chosen = IsKeyTriggered(KEY_ENTER);
    for (size_t row = 0; row < OPEN_ROWS && OpenFirst + row < count; ++row)
        if (ScreenInside(OpenRowRect(row), Pointer))
        {
            if (MouseDelta.x != 0.0f || MouseDelta.y != 0.0f) OpenFocus = OpenFirst + row;
            if (IsMouseButtonTriggered(0))
            {
                OpenFocus = OpenFirst + row;
                chosen = true;
            }
        }
    if (!chosen) return;
    OpenChosen = OpenFocus;
    Ask(PENDING_OPEN);
}

void UpdateKeys()
{
    if (Ctrl())
    {
        if (IsKeyTriggered('Z')) Do(Shift() ? ACT_REDO : ACT_UNDO);
        if (IsKeyTriggered('Y')) Do(ACT_REDO);
        if (IsKeyTriggered('D')) Model.Duplicate();
        if (IsKeyTriggered('A')) Model.SelectAll();
        if (IsKeyTriggered('S')) Do(ACT_SAVE);
        if (IsKeyTriggered('O')) Do(ACT_OPEN);
        if (IsKeyTriggered('N')) Do(ACT_NEW);
        if (IsKeyTriggered('E')) Do(ACT_SHARE);
        return;
    }
    for (size_t i = 0; i < PALETTE_COUNT; ++i)
        if (IsKeyTriggered(PALETTE[i].key)) Armed = static_cast<int>(i);
    if (IsKeyTriggered('P') || IsKeyTriggered(KEY_F1 + 4)) Do(ACT_PLAY);
    if (IsKeyTriggered('G')) Do(ACT_GRID);
    if (IsKeyTriggered('F')) Model.Flip();
    if (IsKeyTriggered(KEY_DELETE) || IsKeyTriggered(KEY_BACKSPACE)) Model.Delete();
    if (IsKeyTriggered(KEY_HOME)) ShowWholeView();
    if (IsKeyTriggered(KEY_PAGE_UP)) View.ZoomAt({0.0f, 0.0f}, WHEEL_ZOOM);
    if (IsKeyTriggered(KEY_PAGE_DOWN)) View.ZoomAt({0.0f, 0.0f}, 1.0f / WHEEL_ZOOM);
    // The arrows nudge the selection a grid step (a unit with no grid), or pan the view.
    const Vec2 direction = {(IsKeyTriggered(KEY_RIGHT) ? 1.0f : 0.0f) -
                                (IsKeyTriggered(KEY_LEFT) ? 1.0f : 0.0f),
                            (IsKeyTriggered(KEY_UP) ? 1.0f : 0.0f) -
                                (IsKeyTriggered(KEY_DOWN) ? 1.0f : 0.0f)};
    if (direction.x != 0.0f || direction.y != 0.0f)
    {
        if (!Model.Selection().empty() || Model.StartSelected())
            Model.Nudge(direction * (Model.Grid() > 0.0f ? Model.Grid() : 1.0f));
        else
            View.centre = View.centre + direction * (ARROW_PAN / View.zoom);
    }
    if (IsKeyTriggered(KEY_ESCAPE))
    {
        if (Armed >= 0) Armed = -1;
        else if (!Model.Selection().empty() || Model.StartSelected()) Model.ClearSelection();
        else Do(ACT_MENU);
    }
}

void UpdateMouse()
{
    if (MouseWheel != 0.0f && ScreenInside(CANVAS, Pointer))
        View.ZoomAt(Pointer, std::pow(WHEEL_ZOOM, MouseWheel));
    if (IsMouseButtonTriggered(1) || IsMouseButtonTriggered(2))
    {
        PanFrom = Pointer;
        CurrentMode = MODE_PAN;
        return;
    }
    if (!IsMouseButtonTriggered(0)) return;
    PressedAt = Pointer;
    for (int a = 0; a < ACT_COUNT; ++a)
        if (ScreenInside(ActionRects[a], Pointer)) return Do(static_cast<Action>(a));
    for (size_t i = 0; i < PALETTE_COUNT; ++i)
        if (ScreenInside(PaletteRect(i), Pointer))
        {
            Armed = Armed == static_cast<int>(i) ? -1 : static_cast<int>(i);
            return;
        }
    if (ScreenInside(CANVAS, Pointer)) PressOnCanvas();
}

void EditorLoad()
{
    for (int p = PICTURE_NONE + 1; p < PICTURE_COUNT; ++p)
        PicturePaths[p] = LevelPicturePath(static_cast<LevelPicture>(p));
    PicturePaths[PICTURE_NONE] = "data/Menus/Loading_Screen.png";
    PicturePaths[LETTERS_SLOT] = LETTERS;
    LoadPictures(PicturePaths, Pictures, SLOT_COUNT);
    PlatformTexture = Pictures[PICTURE_PLATFORM];
    SpikeTexture = Pictures[PICTURE_SPIKES];
    UnitQuadMesh = CreateUnitQuad();
}

void EditorInit()
{
    if (!Started)
    {
        Started = true;
        Model.Reset(NewLevel());
        std::string text, reason;
        if (KeepingFiles && !RecoveryPath().empty() &&
            PlatformReadKeptFile(RecoveryPath(), LEVEL_FILE_LIMIT, &text, &reason) == KEPT_READ)
        {
            LevelFile recovered;
            std::string error;
            if (ReadLevelFile(text, RECOVERY_FILE, &recovered, &error))
            {
                // Still unsaved: only its text is known, not the file it belongs to.
                Model.Reset(recovered);
                Model.MarkUnsaved();
                Say("Your unsaved level from last time is back: save it, or start a new one.",
                    SELECTED);
            }
        }
    }
    if (PreviousStateId == GS_PLAYED_LEVEL) TakeTestPlayResult();
    CurrentMode = MODE_IDLE;
    Armed = -1;
    LayOutActions();
    MenuMusic = LoadSound(MENU_MUSIC_PATH);
    if (PreviousStateId != GS_MAIN_MENU || RestartRequested) StartMenuMusic();
    RestartRequested = false;
}

void EditorUpdate()
{
    SystemFrameCheck();
    UpdateSounds();
    if (MenuMusicChannel) SetChannelVolume(MenuMusicChannel, MenuSilenced() ? 0.0f : MusicVolume);
    Pointer = GetMenuPointer();
    // Ctrl+Q asks first, as leaving does; a closed window cannot wait, and is kept aside.
    if (NextStateId == GS_QUIT && IsRunning && Model.Unsaved())
    {
        NextStateId = CurrentStateId;
        Model.CancelDrag();
        Ask(PENDING_QUIT);
        return;
    }
    switch (CurrentMode)
    {
    case MODE_NAMING: return UpdateNaming();
    case MODE_QUESTION: return UpdateQuestion();
    case MODE_OPEN: return UpdateOpenList();
    case MODE_CHECKING:
        if (CheckingFrames++ >= 1) CheckChosenEntry();
        return;
    case MODE_IDLE: break;
    default: return UpdateDrag();
    }
    UpdateKeys();
    if (NextStateId == CurrentStateId && CurrentMode == MODE_IDLE) UpdateMouse();
}

void DrawButton(const EditorRect& r, const std::string& label, bool lit, float textHeight)
{
    DrawBox(r, lit ? BUTTON_LIT : BUTTON);
    DrawText(Pictures[LETTERS_SLOT], label, (r.left + r.right) * 0.5f, (r.bottom + r.top) * 0.5f,
             textHeight, TEXT, true);
}

void DrawSelection()
{
    const LevelFile& level = Model.Level();
    auto outline = [&](const EditorRect& world, uint32_t colour)
    {
        const Vec2 a = View.ToScreen({world.left, world.bottom});
        const Vec2 b = View.ToScreen({world.right, world.top});
        DrawOutline({a.x, a.y, b.x, b.y}, colour);
    };
    if (CurrentMode == MODE_IDLE && ScreenInside(CANVAS, Pointer))
    {
        const long hit = Model.HitAt(View.ToWorld(Pointer), HIT_SLACK / View.zoom);
        if (hit >= 0) outline(ObjectRect(level.objects[static_cast<size_t>(hit)]), POINTED);
        if (hit == EditorModel::START_HIT) outline(StartRect(level), POINTED);
    }
    for (size_t i : Model.Selection()) outline(ObjectRect(level.objects[i]), SELECTED);
    if (Model.StartSelected()) outline(StartRect(level), SELECTED);
    if (Model.Selection().size() == 1 && !Model.StartSelected())
    {
        const LevelObject& o = level.objects[Model.Selection()[0]];
        if (o.type == OBJECT_ENEMY)
            AddLine(View.ToScreen({static_cast<float>(o.left), o.y}),
                    View.ToScreen({static_cast<float>(o.right), o.y}), PATROL);
        if (o.type == OBJECT_ROCK)
            AddLine(View.ToScreen({o.x, o.y}), View.ToScreen({o.x, static_cast<float>(o.reset)}),
                    RESET);
    }
    if (CurrentMode == MODE_BOX)
        DrawBox({std::min(PressedAt.x, Pointer.x), std::min(PressedAt.y, Pointer.y),
                 std::max(PressedAt.x, Pointer.x), std::max(PressedAt.y, Pointer.y)},
                BOX);
    FlushLineBatch();
    for (const Handle& h : Handles())
        DrawBox({h.at.x - HANDLE * 0.5f, h.at.y - HANDLE * 0.5f, h.at.x + HANDLE * 0.5f,
                 h.at.y + HANDLE * 0.5f},
                SELECTED);
    for (const Marker& m : Markers())
        DrawBox({m.at.x - MARKER * 0.5f, m.at.y - MARKER * 0.5f, m.at.x + MARKER * 0.5f,
                 m.at.y + MARKER * 0.5f},
                m.marker == MARKER_RESET ? RESET : PATROL);
    if (Result != OUTCOME_NONE)
    {
        const Vec2 at = View.ToScreen(ResultAt);
        const uint32_t colour = Result == OUTCOME_DIED ? BAD : GOOD;
        DrawText(Pictures[LETTERS_SLOT], Result == OUTCOME_DIED ? "X" : "*", at.x, at.y, 60.0f,
                 colour, true);
    }
}

void DrawPanels()
{
    Texture* letters = Pictures[LETTERS_SLOT];
    DrawBox({-960.0f, 470.0f, 960.0f, 540.0f}, PANEL);
    DrawBox({-960.0f, -540.0f, 960.0f, -480.0f}, PANEL);
    DrawBox({-960.0f, -480.0f, -770.0f, 470.0f}, PANEL);
    for (int a = 0; a < ACT_COUNT; ++a)
    {
        const bool lit = ScreenInside(ActionRects[a], Pointer) ||
                         (a == ACT_NAME && CurrentMode == MODE_NAMING);
        DrawButton(ActionRects[a], ActionLabel(static_cast<Action>(a)), lit, BAR_TEXT);
    }
    for (size_t i = 0; i < PALETTE_COUNT; ++i)
    {
        const EditorRect r = PaletteRect(i);
        const bool lit = Armed == static_cast<int>(i) || ScreenInside(r, Pointer);
        DrawBox(r, lit ? BUTTON_LIT : BUTTON);
        const PaletteEntry& entry = PALETTE[i];
        const LevelPicture picture = entry.picture != PICTURE_NONE
                                         ? entry.picture
                                         : DefaultPicture(entry.type, entry.stunnable);
        const float mid = (r.bottom + r.top) * 0.5f;
        DrawPicture(Pictures[picture], {r.left + 6.0f, mid - 22.0f, r.left + 50.0f, mid + 22.0f});
        DrawText(letters, entry.label, r.left + 56.0f, mid + 8.0f, PALETTE_TEXT, TEXT);
        DrawText(letters, std::string(1, static_cast<char>(entry.key)), r.left + 56.0f,
                 mid - 16.0f, PALETTE_TEXT, DIM_TEXT);
        if (Armed == static_cast<int>(i)) DrawOutline(r, SELECTED);
    }
    DrawText(letters, FitText(Message, 1250.0f, STATUS_TEXT), -950.0f, STATUS_Y, STATUS_TEXT,
             MessageColour);
    const Vec2 world = View.ToWorld(Pointer);
    char where[96];
    std::snprintf(where, sizeof where, "%s  %d%%  %.0f, %.0f", Model.Proven() ? "proven" : "",
                  static_cast<int>(std::lround(View.zoom * 100.0f)), world.x, world.y);
    DrawText(letters, where, 950.0f - TextLabelWidth(where, STATUS_TEXT), STATUS_Y, STATUS_TEXT,
             Model.Proven() ? GOOD : DIM_TEXT);
}

void DrawWindow(const EditorRect& r)
{
    DrawBox({-960.0f, -540.0f, 960.0f, 540.0f}, 0x90000000u);
    DrawBox(r, PANEL);
    DrawOutline(r, PANEL_EDGE);
}

void DrawQuestion()
{
    DrawWindow({-520.0f, -130.0f, 520.0f, 130.0f});
    const std::string title = Model.Level().title;
    DrawText(Pictures[LETTERS_SLOT], FitText(title + " has changes not saved.", 980.0f, 36.0f), 0.0f,
             60.0f, 36.0f, TEXT, true);
    for (int a = 0; a < ANSWER_COUNT; ++a)
        DrawButton(AnswerRect(a), ANSWER_LABELS[a], ScreenInside(AnswerRect(a), Pointer), 30.0f);
}

void DrawOpenList()
{
    Texture* letters = Pictures[LETTERS_SLOT];
    DrawWindow({-600.0f, -330.0f, 600.0f, 450.0f});
    DrawText(letters, "Open a level (Enter or a click; Escape closes)", 0.0f, 410.0f, 30.0f, TEXT,
             true);
    if (OpenList.empty())
        DrawText(letters, "No levels kept yet.", 0.0f, 300.0f, 30.0f, DIM_TEXT, true);
    for (size_t row = 0; row < OPEN_ROWS && OpenFirst + row < OpenList.size(); ++row)
    {
        const OpenEntry& entry = OpenList[OpenFirst + row];
        const EditorRect r = OpenRowRect(row);
        DrawBox(r, OpenFirst + row == OpenFocus ? BUTTON_LIT : BUTTON);
        const std::string label =
            (entry.shared ? "shared: " : "") +
            (entry.level.readable ? entry.level.level.title : "(cannot be read)") + "  " +
            entry.level.fileName;
        const uint32_t colour = !entry.level.readable ? BAD : entry.level.proven ? GOOD : TEXT;
        DrawText(letters, FitText(label, 1080.0f, 26.0f), r.left + 12.0f,
                 (r.bottom + r.top) * 0.5f, 26.0f, colour);
    }
}

void EditorDraw()
{
    SetViewport(0.0f, 0.0f, static_cast<float>(WindowWidth), static_cast<float>(WindowHeight));
    SetClearColor(0xFF101318u);
    ClearBuffers();
    Camera camera("Camera", WORLD_WIDTH, WORLD_HEIGHT);
    ApplyCamera(&camera);
    EditorPictures pictures = {};
    for (int p = 0; p < PICTURE_COUNT; ++p) pictures.level[p] = Pictures[p];
    pictures.letters = Pictures[LETTERS_SLOT];
    DrawLevel(Model.Level(), View, pictures);
    DrawGrid(View, Model.Grid());
    DrawSelection();
    FlushLineBatch();
    DrawPanels();
    if (CurrentMode == MODE_QUESTION) DrawQuestion();
    if (CurrentMode == MODE_OPEN) DrawOpenList();
    if (CurrentMode == MODE_CHECKING)
    {
        DrawWindow({-500.0f, -80.0f, 500.0f, 80.0f});
        DrawText(Pictures[LETTERS_SLOT], "Checking...", 0.0f, 20.0f, 40.0f, TEXT, true);
        DrawText(Pictures[LETTERS_SLOT], "replaying the run the level carries", 0.0f, -30.0f,
                 24.0f, DIM_TEXT, true);
    }
    if (NextStateId == GS_PLAYED_LEVEL) DrawPicture(Pictures[PICTURE_NONE], {-960, -540, 960, 540});
}

void EditorFree()
{
    Model.CancelDrag();
    // The program ends without a question (its window closed): the changes are set aside.
    if (NextStateId == GS_QUIT) KeepRecovery();
}

void EditorUnload()
{
    PlatformTexture = nullptr;
    SpikeTexture = nullptr;
    UnloadMenuScreen(Pictures, SLOT_COUNT, NextStateId != GS_MAIN_MENU);
}
} // namespace

void RegisterEditor()
{
    AddGameState(GS_EDITOR, EditorLoad, EditorInit, EditorUpdate, EditorDraw, EditorFree,
                 EditorUnload);
}
