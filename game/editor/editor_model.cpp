// editor_model.cpp: selection, changes, snapping and the undo history of the level under edit.
#include "game/editor/editor_model.h"

#include <algorithm>
#include <cmath>

namespace
{
bool Same(const LevelObject& a, const LevelObject& b)
{
    return a.type == b.type && a.name == b.name && a.x == b.x && a.y == b.y && a.w == b.w &&
           a.h == b.h && a.picture == b.picture && a.inFrame == b.inFrame && a.left == b.left &&
           a.right == b.right && a.stunnable == b.stunnable && a.reset == b.reset;
}

float Clamp(float value, float limit) { return std::min(std::max(value, -limit), limit); }

int32_t Whole(float value)
{
    return static_cast<int32_t>(std::lround(Clamp(value, LEVEL_COORDINATE_LIMIT)));
}

bool Inside(const EditorRect& r, Vec2 p, float slack)
{
    return p.x >= r.left - slack && p.x <= r.right + slack && p.y >= r.bottom - slack &&
           p.y <= r.top + slack;
}

bool Within(const EditorRect& inner, const EditorRect& outer)
{
    return inner.left >= outer.left && inner.right <= outer.right &&
           inner.bottom >= outer.bottom && inner.top <= outer.top;
}
} // namespace

EditorRect ObjectRect(const LevelObject& o)
{
    const float w = std::fabs(o.w) * 0.5f, h = std::fabs(o.h) * 0.5f;
    return {o.x - w, o.y - h, o.x + w, o.y + h};
}

EditorRect StartRect(const LevelFile& level)
{
    return {level.startX - START_WIDTH * 0.5f, level.startY - START_HEIGHT * 0.5f,
            level.startX + START_WIDTH * 0.5f, level.startY + START_HEIGHT * 0.5f};
}

EditorModel::EditorModel() { Reset(LevelFile()); }

void EditorModel::Reset(const LevelFile& level)
{
    level_ = level;
    selection_.clear();
    startSelected_ = false;
    undo_.clear();
    redo_.clear();
    dragging_ = false;
    dragBefore_.clear();
    MarkSaved();
}

bool EditorModel::Unsaved() const
{
    if (cachedVersion_ != version_)
    {
        cachedUnsaved_ = WriteLevelFile(level_) != savedText_;
        cachedVersion_ = version_;
    }
    return cachedUnsaved_;
}

void EditorModel::MarkSaved()
{
    savedText_ = WriteLevelFile(level_);
    ++version_;
}

void EditorModel::MarkUnsaved()
{
    savedText_.clear();
    ++version_;
}

float EditorModel::Snap(float value) const
{
    const float grid = Grid();
    return grid > 0.0f ? std::round(value / grid) * grid : value;
}

float EditorModel::SnapCorner(float centre, float size) const
{
    const float half = std::fabs(size) * 0.5f;
    return Snap(centre - half) + half;
}

Vec2 EditorModel::Clamped(Vec2 at) const
{
    return {Clamp(at.x, LEVEL_COORDINATE_LIMIT), Clamp(at.y, LEVEL_COORDINATE_LIMIT)};
}

LevelObject EditorModel::Moved(const LevelObject& object, Vec2 delta) const
{
    LevelObject moved = object;
    const Vec2 at = Clamped({object.x + delta.x, object.y + delta.y});
    moved.x = at.x;
    moved.y = at.y;
    // Turning points and resets travel with their object, as whole numbers.
    const int32_t dx = static_cast<int32_t>(std::lround(at.x - object.x));
    const int32_t dy = static_cast<int32_t>(std::lround(at.y - object.y));
    moved.left = Whole(static_cast<float>(object.left + dx));
    moved.right = Whole(static_cast<float>(object.right + dx));
    moved.reset = Whole(static_cast<float>(object.reset + dy));
    return moved;
}

bool EditorModel::IsSelected(size_t index) const
{
    return std::binary_search(selection_.begin(), selection_.end(), index);
}

long EditorModel::HitAt(Vec2 point, float slack) const
{
    if (Inside(StartRect(level_), point, slack)) return START_HIT;
    // Drawn last, on top: the frame layer, then the later objects.
    for (int layer = 1; layer >= 0; --layer)
        for (size_t i = level_.objects.size(); i-- > 0;)
        {
            const LevelObject& o = level_.objects[i];
            if (o.inFrame == (layer == 1) && Inside(ObjectRect(o), point, slack))
                return static_cast<long>(i);
        }
    return NOTHING_HIT;
}

void EditorModel::Click(long hit, bool add)
{
    if (!add) ClearSelection();
    if (hit == START_HIT) startSelected_ = add ? !startSelected_ : true;
    if (hit < 0) return;
    const size_t index = static_cast<size_t>(hit);
    const auto at = std::lower_bound(selection_.begin(), selection_.end(), index);
    if (at != selection_.end() && *at == index)
        selection_.erase(at);
    else
        selection_.insert(at, index);
}

void EditorModel::SelectBox(EditorRect box, bool add)
{
    if (!add) ClearSelection();
    const EditorRect r = {std::min(box.left, box.right), std::min(box.bottom, box.top),
                          std::max(box.left, box.right), std::max(box.bottom, box.top)};
    for (size_t i = 0; i < level_.objects.size(); ++i)
        if (Within(ObjectRect(level_.objects[i]), r) && !IsSelected(i))
            selection_.insert(std::lower_bound(selection_.begin(), selection_.end(), i), i);
    if (Within(StartRect(level_), r)) startSelected_ = true;
}

void EditorModel::SelectAll()
{
    selection_.resize(level_.objects.size());
    for (size_t i = 0; i < selection_.size(); ++i) selection_[i] = i;
    startSelected_ = true;
}

void EditorModel::ClearSelection()
{
    selection_.clear();
    startSelected_ = false;
}

EditorModel::Header EditorModel::CurrentHeader() const
{
    return {level_.title, level_.music, level_.exitsShown, level_.startX, level_.startY};
}

void EditorModel::ApplyHeader(const Header& header)
{
    level_.title = header.title;
    level_.music = header.music;
    level_.exitsShown = header.exitsShown;
    level_.startX = header.startX;
    level_.startY = header.startY;
    ++version_;
}

void EditorModel::Record(Edit edit)
{
    edit.headerAfter = CurrentHeader();
    edit.proofBefore = level_.proof;
    level_.proof = LevelProof();
    level_.proof.comments = edit.proofBefore.comments;
    edit.proofAfter = level_.proof;
    undo_.push_back(std::move(edit));
    if (undo_.size() > EDITOR_UNDO_LIMIT) undo_.pop_front();
    redo_.clear();
    ++version_;
}

void EditorModel::Swap(const std::vector<std::pair<size_t, LevelObject>>& out,
                       const std::vector<std::pair<size_t, LevelObject>>& in)
{
    std::vector<LevelObject>& objects = level_.objects;
    for (size_t i = out.size(); i-- > 0;)
        objects.erase(objects.begin() + static_cast<ptrdiff_t>(out[i].first));
    selection_.clear();
    for (const auto& [index, object] : in)
    {
        objects.insert(objects.begin() + static_cast<ptrdiff_t>(index), object);
        selection_.push_back(index);
    }
    startSelected_ = false;
    ++version_;
}

template <typename Change> bool EditorModel::ChangeSelected(Change change)
{
    Edit edit;
    edit.headerBefore = CurrentHeader();
    for (size_t i : selection_)
    {
        LevelObject changed = change(level_.objects[i]);
        if (Same(changed, level_.objects[i])) continue;
        edit.removed.emplace_back(i, level_.objects[i]);
        edit.added.emplace_back(i, changed);
        level_.objects[i] = std::move(changed);
    }
    if (edit.removed.empty()) return false;
    Record(std::move(edit));
    return true;
}

bool EditorModel::Place(LevelObject object)
{
    if (level_.objects.size() >= LEVEL_OBJECT_LIMIT) return false;
    const LevelObject at = object;
    object.x = SnapCorner(object.x, object.w);
    object.y = SnapCorner(object.y, object.h);
    object = Moved(object, {0.0f, 0.0f});
    // The patrol and the reset come with the object to where it snapped.
    object.left = Whole(static_cast<float>(at.left) + object.x - at.x);
    object.right = Whole(static_cast<float>(at.right) + object.x - at.x);
    object.reset = Whole(static_cast<float>(at.reset) + object.y - at.y);
    Edit edit;
    edit.headerBefore = CurrentHeader();
    edit.added.emplace_back(level_.objects.size(), object);
    Swap({}, edit.added);
    Record(std::move(edit));
    return true;
}

bool EditorModel::PlaceStart(Vec2 at)
{
    const Vec2 snapped = Clamped({SnapCorner(at.x, START_WIDTH), SnapCorner(at.y, START_HEIGHT)});
    if (snapped.x == level_.startX && snapped.y == level_.startY) return false;
    Edit edit;
    edit.headerBefore = CurrentHeader();
    level_.startX = snapped.x;
    level_.startY = snapped.y;
    ClearSelection();
    startSelected_ = true;
    Record(std::move(edit));
    return true;
}

bool EditorModel::Delete()
{
    if (selection_.empty()) return false;
    Edit edit;
    edit.headerBefore = CurrentHeader();
    for (size_t i : selection_) edit.removed.emplace_back(i, level_.objects[i]);
    Swap(edit.removed, {});
    Record(std::move(edit));
    return true;
}

bool EditorModel::Duplicate()
{
    if (selection_.empty() || level_.objects.size() + selection_.size() > LEVEL_OBJECT_LIMIT)
        return false;
    const float step = Grid() > 0.0f ? Grid() : 50.0f;
    Edit edit;
    edit.headerBefore = CurrentHeader();
    size_t next = level_.objects.size();
    for (size_t i : selection_)
    {
        LevelObject copy = Moved(level_.objects[i], {step, -step});
        copy.comments = LevelComments();
        edit.added.emplace_back(next++, std::move(copy));
    }
    Swap({}, edit.added);
    Record(std::move(edit));
    return true;
}

bool EditorModel::Nudge(Vec2 delta)
{
    Edit edit;
    edit.headerBefore = CurrentHeader();
    for (size_t i : selection_)
    {
        LevelObject moved = Moved(level_.objects[i], delta);
        if (Same(moved, level_.objects[i])) continue;
        edit.removed.emplace_back(i, level_.objects[i]);
        edit.added.emplace_back(i, moved);
        level_.objects[i] = std::move(moved);
    }
    const Vec2 start = Clamped({level_.startX + delta.x, level_.startY + delta.y});
    const bool startMoves = startSelected_ && (start.x != level_.startX || start.y != level_.startY);
    if (startMoves)
    {
        level_.startX = start.x;
        level_.startY = start.y;
    }
    if (edit.removed.empty() && !startMoves) return false;
    Record(std::move(edit));
    return true;
}

bool EditorModel::Flip()
{
    return ChangeSelected(
        [](LevelObject o)
        {
            if (o.type == OBJECT_ENEMY) o.w = -o.w;
            return o;
        });
}

bool EditorModel::SetMusic(LevelMusic music)
{
    if (music == level_.music) return false;
    Edit edit;
    edit.headerBefore = CurrentHeader();
    level_.music = music;
    Record(std::move(edit));
    return true;
}

bool EditorModel::SetExitsShown(bool shown)
{
    if (shown == level_.exitsShown) return false;
    Edit edit;
    edit.headerBefore = CurrentHeader();
    level_.exitsShown = shown;
    Record(std::move(edit));
    return true;
}

bool EditorModel::SetTitle(const std::string& title)
{
    if (title == level_.title) return false;
    Edit edit;
    edit.headerBefore = CurrentHeader();
    level_.title = title;
    Record(std::move(edit));
    return true;
}

void EditorModel::BeginDrag(long anchor)
{
    dragBefore_.clear();
    for (size_t i : selection_) dragBefore_.emplace_back(i, level_.objects[i]);
    dragHeader_ = CurrentHeader();
    dragAnchor_ = anchor;
    dragging_ = true;
}

void EditorModel::DragMove(Vec2 delta)
{
    if (!dragging_) return;
    // The grabbed thing's corner lands on the grid; the rest keep their places around it.
    Vec2 step = delta;
    if (dragAnchor_ == START_HIT)
    {
        step.x = SnapCorner(dragHeader_.startX + delta.x, START_WIDTH) - dragHeader_.startX;
        step.y = SnapCorner(dragHeader_.startY + delta.y, START_HEIGHT) - dragHeader_.startY;
    }
    for (const auto& [index, object] : dragBefore_)
        if (static_cast<long>(index) == dragAnchor_)
        {
            step.x = SnapCorner(object.x + delta.x, object.w) - object.x;
            step.y = SnapCorner(object.y + delta.y, object.h) - object.y;
        }
    for (const auto& [index, object] : dragBefore_) level_.objects[index] = Moved(object, step);
    if (startSelected_)
    {
        const Vec2 start = Clamped({dragHeader_.startX + step.x, dragHeader_.startY + step.y});
        level_.startX = start.x;
        level_.startY = start.y;
    }
    ++version_;
}

void EditorModel::DragResize(uint8_t edges, Vec2 point)
{
    if (!dragging_ || dragBefore_.size() != 1) return;
    const LevelObject& before = dragBefore_[0].second;
    EditorRect r = ObjectRect(before);
    const float least = std::max(1.0f, Grid());
    const float x = Clamp(Snap(point.x), LEVEL_COORDINATE_LIMIT);
    const float y = Clamp(Snap(point.y), LEVEL_COORDINATE_LIMIT);
    if (edges & EDGE_LEFT) r.left = std::max(std::min(x, r.right - least), r.right - LEVEL_SIZE_LIMIT);
    if (edges & EDGE_RIGHT) r.right = std::min(std::max(x, r.left + least), r.left + LEVEL_SIZE_LIMIT);
    if (edges & EDGE_BOTTOM) r.bottom = std::max(std::min(y, r.top - least), r.top - LEVEL_SIZE_LIMIT);
    if (edges & EDGE_TOP) r.top = std::min(std::max(y, r.bottom + least), r.bottom + LEVEL_SIZE_LIMIT);
    LevelObject& object = level_.objects[dragBefore_[0].first];
    object.x = (r.left + r.right) * 0.5f;
    object.y = (r.bottom + r.top) * 0.5f;
    object.w = (r.right - r.left) * (before.w < 0.0f ? -1.0f : 1.0f);
    object.h = r.top - r.bottom;
    ++version_;
}

void EditorModel::DragMarker(EditorMarker marker, Vec2 point)
{
    if (!dragging_ || dragBefore_.size() != 1) return;
    LevelObject& object = level_.objects[dragBefore_[0].first];
    if (marker == MARKER_RESET && object.type == OBJECT_ROCK) object.reset = Whole(Snap(point.y));
    if (object.type != OBJECT_ENEMY) return;
    // A turning point never passes the other one.
    if (marker == MARKER_LEFT) object.left = std::min(Whole(Snap(point.x)), object.right);
    if (marker == MARKER_RIGHT) object.right = std::max(Whole(Snap(point.x)), object.left);
    ++version_;
}

void EditorModel::EndDrag()
{
    if (!dragging_) return;
    dragging_ = false;
    Edit edit;
    edit.headerBefore = dragHeader_;
    for (const auto& [index, object] : dragBefore_)
        if (!Same(object, level_.objects[index]))
        {
            edit.removed.emplace_back(index, object);
            edit.added.emplace_back(index, level_.objects[index]);
        }
    dragBefore_.clear();
    const Header now = CurrentHeader();
    const bool startMoved = now.startX != dragHeader_.startX || now.startY != dragHeader_.startY;
    if (edit.removed.empty() && !startMoved) return;
    Record(std::move(edit));
}

void EditorModel::CancelDrag()
{
    if (!dragging_) return;
    dragging_ = false;
    for (const auto& [index, object] : dragBefore_) level_.objects[index] = object;
    dragBefore_.clear();
    ApplyHeader(dragHeader_);
}

bool EditorModel::Undo()
{
    if (undo_.empty() || dragging_) return false;
    Edit edit = std::move(undo_.back());
    undo_.pop_back();
    Swap(edit.added, edit.removed);
    ApplyHeader(edit.headerBefore);
    level_.proof = edit.proofBefore;
    redo_.push_back(std::move(edit));
    return true;
}

bool EditorModel::Redo()
{
    if (redo_.empty() || dragging_) return false;
    Edit edit = std::move(redo_.back());
    redo_.pop_back();
    Swap(edit.removed, edit.added);
    ApplyHeader(edit.headerAfter);
    level_.proof = edit.proofAfter;
    undo_.push_back(std::move(edit));
    return true;
}

void EditorModel::SetProof(const std::vector<ScriptLine>& run)
{
    level_.proof.lines = run;
    level_.proof.levelHash = LevelContentHash(level_);
    // The state before the next redo, and the one the last undo step leads to, have it now.
    if (!undo_.empty()) undo_.back().proofAfter = level_.proof;
    if (!redo_.empty()) redo_.back().proofBefore = level_.proof;
    ++version_;
}
