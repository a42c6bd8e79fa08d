// editor_model.h: the level under edit, what is selected, every change to it and their undo.
//
// The editor's screen turns the mouse and the keys into calls of this class; the class knows
// nothing of windows, pictures or sound, so that it is tested by tables of operations. Every
// change is one step of the undo history (a whole drag is one step), and every change clears
// the level's proof: the run proved the level as it was. Undo and redo bring back the proof
// each state had, so undoing an edit made after a proving test-play makes the level proven
// again.
//
// Positions snap to the grid by an object's lower-left corner, so that floors laid edge to
// edge meet and a floor's top is on the grid; the start snaps the player's box the same way.
// Enemy turning points and rock resets snap as whole numbers. Nothing leaves the limits of
// the level file: positions are kept within LEVEL_COORDINATE_LIMIT and sizes within 1 and
// LEVEL_SIZE_LIMIT, so that the level can always be saved and played.
#pragma once

#include "engine/graphics/math2d.h"
#include "game/levels/level_file.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// The most steps undo goes back.
constexpr size_t EDITOR_UNDO_LIMIT = 500;
// The grid steps, in world units; 0 is no grid.
constexpr float EDITOR_GRIDS[] = {0.0f, 10.0f, 25.0f, 50.0f};
// The player's box at the start, as every level makes it.
constexpr float START_WIDTH = 100.0f, START_HEIGHT = 80.0f;

// Which edges a resize handle moves (a corner moves two).
enum ResizeEdge : uint8_t
{
    EDGE_LEFT = 1,
    EDGE_RIGHT = 2,
    EDGE_BOTTOM = 4,
    EDGE_TOP = 8,
};

// The markers dragged on their own: an enemy's turning points, a rock's reset height.
enum EditorMarker : uint8_t
{
    MARKER_LEFT,
    MARKER_RIGHT,
    MARKER_RESET,
};

struct EditorRect
{
    float left, bottom, right, top;
};

// An object's box in the world (a mirrored enemy's too).
EditorRect ObjectRect(const LevelObject& object);
EditorRect StartRect(const LevelFile& level);

class EditorModel
{
  public:
    EditorModel();
    // Starts editing `level`: no history, nothing selected, and it counts as saved.
    void Reset(const LevelFile& level);
    const LevelFile& Level() const { return level_; }
    // The level's text as it was last saved (or opened) differs from the level now.
    bool Unsaved() const;
    void MarkSaved();
    // Counts as unsaved whatever it holds (a level brought back from a lost session).
    void MarkUnsaved();

    // The grid: 0, 10, 25 or 50 units.
    float Grid() const { return EDITOR_GRIDS[grid_]; }
    void SetGrid(size_t step) { grid_ = step % CountOfGrids(); }
    void CycleGrid() { SetGrid(grid_ + 1); }
    float Snap(float value) const;

    // What is selected: object indices, ascending, and the start.
    const std::vector<size_t>& Selection() const { return selection_; }
    bool StartSelected() const { return startSelected_; }
    bool IsSelected(size_t index) const;
    // The topmost object under the point (the start first, then the frame layer, then the
    // later objects), with `slack` world units of room around small things: an object index,
    // START_HIT, or NOTHING_HIT.
    static constexpr long START_HIT = -1, NOTHING_HIT = -2;
    long HitAt(Vec2 point, float slack = 0.0f) const;
    // A click: `hit` alone, or with `add` toggled in or out of the selection.
    void Click(long hit, bool add);
    // Every object wholly inside the box (and the start), added to the selection with `add`.
    void SelectBox(EditorRect box, bool add);
    void SelectAll();
    void ClearSelection();

    // Changes, one undo step each. False when nothing changed (nothing selected, the object
    // limit reached).
    bool Place(LevelObject object);     // at object.x, object.y, snapped; selected alone
    bool PlaceStart(Vec2 at);           // moves the start there
    bool Delete();                      // the selected objects (the start stays)
    bool Duplicate();                   // copies one grid step (or 50) up and right, selected
    bool Nudge(Vec2 delta);             // the selection by exactly delta
    bool Flip();                        // mirrors the selected enemies
    bool SetMusic(LevelMusic music);
    bool SetExitsShown(bool shown);
    bool SetTitle(const std::string& title);

    // A drag is one step: BeginDrag, any number of Drag* calls (each from the state at
    // BeginDrag), then EndDrag (keeps it, if anything changed) or CancelDrag (puts it back).
    // `anchor` is what was grabbed (an object index or START_HIT): it snaps, the rest of the
    // selection follows it.
    void BeginDrag(long anchor);
    void DragMove(Vec2 delta);
    // The one selected object, its `edges` moved to the point.
    void DragResize(uint8_t edges, Vec2 point);
    // A marker of the one selected object, moved to the point.
    void DragMarker(EditorMarker marker, Vec2 point);
    bool Dragging() const { return dragging_; }
    void EndDrag();
    void CancelDrag();

    bool Undo();
    bool Redo();
    size_t UndoDepth() const { return undo_.size(); }
    size_t RedoDepth() const { return redo_.size(); }

    // A test-play reached the exit: its run is the level's proof (not an undo step).
    void SetProof(const std::vector<ScriptLine>& run);
    bool Proven() const { return ProofMatchesLevel(level_); }

  private:
    struct Header
    {
        std::string title;
        LevelMusic music = MUSIC_LEVELS;
        bool exitsShown = false;
        float startX = 0, startY = 0;
    };
    // One step: the objects taken out (indices in the level before) and those put in (indices
    // in the level after), both ascending; a changed object is both.
    struct Edit
    {
        std::vector<std::pair<size_t, LevelObject>> removed, added;
        Header headerBefore, headerAfter;
        LevelProof proofBefore, proofAfter;
    };

    static size_t CountOfGrids() { return sizeof(EDITOR_GRIDS) / sizeof(EDITOR_GRIDS[0]); }
    Header CurrentHeader() const;
    void ApplyHeader(const Header& header);
    // Records a step from `before` (the header) and the removed and added objects, which
    // must already be applied to the level.
    void Record(Edit edit);
    // Takes out `out` and puts in `in` (as Edit's lists), selecting what was put in.
    void Swap(const std::vector<std::pair<size_t, LevelObject>>& out,
              const std::vector<std::pair<size_t, LevelObject>>& in);
    // Changes the selected objects (and the start) as `change` says, as one step.
    template <typename Change> bool ChangeSelected(Change change);
    float SnapCorner(float centre, float size) const;
    Vec2 Clamped(Vec2 at) const;
    LevelObject Moved(const LevelObject& object, Vec2 delta) const;

    LevelFile level_;
    std::string savedText_;
    size_t grid_ = 2;
    std::vector<size_t> selection_;
    bool startSelected_ = false;
    std::deque<Edit> undo_, redo_;

    bool dragging_ = false;
    long dragAnchor_ = NOTHING_HIT;
    std::vector<std::pair<size_t, LevelObject>> dragBefore_;
    Header dragHeader_{};

    // Counts every change, so that Unsaved writes the level out only once per change.
    uint64_t version_ = 0;
    mutable uint64_t cachedVersion_ = ~uint64_t{0};
    mutable bool cachedUnsaved_ = false;
};
