// editor_model_test.cpp: the editor's changes, played from tables of operations.
//
// Each case starts from a small level (a floor, the start, an exit, all saved), runs its
// operations as the editor's screen would call them, and compares the whole outcome: every
// object, the start, the selection, the proof, whether it differs from the saved file and
// the depth of the history.
#include "game/editor/editor_model.h"

#include <gtest/gtest.h>

#include <sstream>

namespace
{
LevelFile SmallLevel()
{
    LevelFile level;
    level.title = "Test";
    level.startX = -800.0f;
    level.startY = -410.0f;
    level.objects.push_back(NewLevelObject(OBJECT_SOLID, 0.0f, -500.0f));
    level.objects.back().w = 1900.0f;
    level.objects.back().h = 100.0f;
    level.objects.push_back(NewLevelObject(OBJECT_EXIT, 900.0f, -350.0f));
    return level;
}

LevelObjectType TypeNamed(const std::string& word)
{
    for (int t = 0; t < OBJECT_TYPE_COUNT; ++t)
        if (word == LevelObjectTypeName(static_cast<LevelObjectType>(t)))
            return static_cast<LevelObjectType>(t);
    ADD_FAILURE() << "no kind " << word;
    return OBJECT_SOLID;
}

uint8_t Edges(const std::string& word)
{
    uint8_t edges = 0;
    for (char c : word)
        edges |= c == 'l' ? EDGE_LEFT : c == 'r' ? EDGE_RIGHT : c == 'b' ? EDGE_BOTTOM : EDGE_TOP;
    return edges;
}

// One operation, as the screen makes it: "place KIND X Y", "drag X Y DX DY" (grabs what is
// there, selecting it unless it already is), "resize EDGES X Y", "marker left|right|reset X Y",
// "click X Y", "add X Y", "box L B R T", "start X Y", "nudge DX DY", "grid N", "repeat N OP".
void RunOperation(EditorModel& model, std::istringstream& in)
{
    std::string op;
    in >> op;
    float a = 0, b = 0, c = 0, d = 0;
    if (op == "place")
    {
        std::string kind;
        in >> kind >> a >> b;
        model.Place(NewLevelObject(TypeNamed(kind), a, b));
    }
    else if (op == "start") in >> a >> b, model.PlaceStart({a, b});
    else if (op == "click" || op == "add")
    {
        in >> a >> b;
        model.Click(model.HitAt({a, b}), op == "add");
    }
    else if (op == "box") in >> a >> b >> c >> d, model.SelectBox({a, b, c, d}, false);
    else if (op == "drag")
    {
        in >> a >> b >> c >> d;
        const long hit = model.HitAt({a, b});
        if (hit >= 0 ? !model.IsSelected(static_cast<size_t>(hit)) : !model.StartSelected())
            model.Click(hit, false);
        model.BeginDrag(hit);
        model.DragMove({c * 0.5f, d * 0.5f}); // the drag passes through halfway
        model.DragMove({c, d});
        model.EndDrag();
    }
    else if (op == "resize" || op == "marker")
    {
        std::string which;
        in >> which >> a >> b;
        model.BeginDrag(static_cast<long>(model.Selection().at(0)));
        if (op == "resize") model.DragResize(Edges(which), {a, b});
        else
            model.DragMarker(which == "left" ? MARKER_LEFT : which == "right" ? MARKER_RIGHT
                                                                               : MARKER_RESET,
                             {a, b});
        model.EndDrag();
    }
    else if (op == "cancel")
    {
        in >> a >> b >> c >> d;
        model.Click(model.HitAt({a, b}), false);
        model.BeginDrag(model.HitAt({a, b}));
        model.DragMove({c, d});
        model.CancelDrag();
    }
    else if (op == "nudge") in >> a >> b, model.Nudge({a, b});
    else if (op == "grid") in >> a, model.SetGrid(static_cast<size_t>(a));
    else if (op == "dup") model.Duplicate();
    else if (op == "del") model.Delete();
    else if (op == "flip") model.Flip();
    else if (op == "all") model.SelectAll();
    else if (op == "undo") model.Undo();
    else if (op == "redo") model.Redo();
    else if (op == "prove") model.SetProof({ScriptLine{0, ReplayInput()}});
    else if (op == "save") model.MarkSaved();
    else if (op == "repeat")
    {
        int times = 0;
        in >> times;
        const std::string rest = in.str().substr(static_cast<size_t>(in.tellg()));
        for (int i = 0; i < times; ++i)
        {
            std::istringstream again(rest);
            RunOperation(model, again);
        }
        in.setstate(std::ios::eofbit);
    }
    else
        ADD_FAILURE() << "no operation " << op;
}

std::string Describe(const EditorModel& model)
{
    const LevelFile& level = model.Level();
    std::ostringstream out;
    for (const LevelObject& o : level.objects)
    {
        out << LevelObjectTypeName(o.type) << ' ' << FormatLevelNumber(o.x) << ' '
            << FormatLevelNumber(o.y) << ' ' << FormatLevelNumber(o.w) << ' '
            << FormatLevelNumber(o.h);
        if (o.type == OBJECT_ENEMY) out << " <" << o.left << ' ' << o.right << '>';
        if (o.type == OBJECT_ROCK) out << " ^" << o.reset;
        out << "; ";
    }
    out << "start " << FormatLevelNumber(level.startX) << ' ' << FormatLevelNumber(level.startY)
        << " | sel";
    for (size_t i : model.Selection()) out << ' ' << i;
    if (model.StartSelected()) out << " start";
    out << " | " << (model.Proven() ? "proven" : "unproven") << ' '
        << (model.Unsaved() ? "unsaved" : "saved") << " | undo " << model.UndoDepth() << " redo "
        << model.RedoDepth();
    return out.str();
}

struct Case
{
    const char* operations; // separated by ';'
    const char* outcome;    // Describe afterwards
};

// The small level: "solid 0 -500 1900 100; exit 900 -350 50 200; start -800 -410".
const Case CASES[] = {
    // Placing snaps the lower-left corner to the 25 grid; the patrol comes along.
    {"place platform 12 7",
     "solid 0 -500 1900 100; exit 900 -350 50 200; platform 0 0 300 50; start -800 -410 | sel 2 "
     "| unproven unsaved | undo 1 redo 0"},
    {"grid 0; place enemy 12 7",
     "solid 0 -500 1900 100; exit 900 -350 50 200; enemy 12 7 80 80 <-188 212>; start -800 -410 "
     "| sel 2 | unproven unsaved | undo 1 redo 0"},
    {"grid 3; place rock 30 330",
     "solid 0 -500 1900 100; exit 900 -350 50 200; rock 25 325 150 150 ^325; start -800 -410 | "
     "sel 2 | unproven unsaved | undo 1 redo 0"},
    // A drag is one step; the grabbed corner snaps and the turning points travel with it.
    {"grid 1; place enemy 0 0; drag 0 0 33 -4",
     "solid 0 -500 1900 100; exit 900 -350 50 200; enemy 30 0 80 80 <-170 230>; start -800 -410 "
     "| sel 2 | unproven unsaved | undo 2 redo 0"},
    {"place enemy 0 0; drag 0 0 33 -4; undo",
     "solid 0 -500 1900 100; exit 900 -350 50 200; enemy -10 -10 80 80 <-210 190>; start -800 -410 | sel 2 | unproven unsaved | undo 1 redo 1"},
    {"place enemy 0 0; drag 0 0 33 -4; undo; undo; redo; redo",
     "solid 0 -500 1900 100; exit 900 -350 50 200; enemy 15 -10 80 80 <-185 215>; start -800 -410 | sel 2 | unproven unsaved | undo 2 redo 0"},
    // A new change after an undo drops what could be redone.
    {"place spikes 0 0; undo; place lava 0 0",
     "solid 0 -500 1900 100; exit 900 -350 50 200; lava 0 0 400 50; start -800 -410 | sel 2 | "
     "unproven unsaved | undo 1 redo 0"},
    // The selection moves together, the start with it; a cancelled drag leaves no step.
    {"place grapple 0 0; box -1000 -100 1000 100; add -800 -410; drag 0 0 100 50",
     "solid 0 -500 1900 100; exit 900 -350 50 200; grapple 100 50 100 100; start -700 -360 | sel "
     "2 start | unproven unsaved | undo 2 redo 0"},
    {"cancel 900 -350 400 400",
     "solid 0 -500 1900 100; exit 900 -350 50 200; start -800 -410 | sel 1 | unproven saved | "
     "undo 0 redo 0"},
    // Box selection takes what lies wholly inside it; a click on nothing selects nothing.
    {"place platform 0 0; place platform 0 300; box -200 -100 200 100",
     "solid 0 -500 1900 100; exit 900 -350 50 200; platform 0 0 300 50; platform 0 300 300 50; "
     "start -800 -410 | sel 2 | unproven unsaved | undo 2 redo 0"},
    {"click 900 -350; add 0 -500; click 0 0",
     "solid 0 -500 1900 100; exit 900 -350 50 200; start -800 -410 | sel | unproven saved | undo "
     "0 redo 0"},
    // The start is on top of the floor it stands in; the frame layer's objects would be above.
    {"click -800 -450", "solid 0 -500 1900 100; exit 900 -350 50 200; start -800 -410 | sel "
                        "start | unproven saved | undo 0 redo 0"},
    // Handles move edges to the grid; the other edges stay; never below one grid step.
    {"click 900 -350; resize rt 1000 -190",
     "solid 0 -500 1900 100; exit 937.5 -325 125 250; start -800 -410 | sel 1 | unproven unsaved | undo 1 redo 0"},
    {"click 900 -350; resize lb 2000 -2000",
     "solid 0 -500 1900 100; exit 912.5 -1125 25 1750; start -800 -410 | sel 1 | unproven unsaved | undo 1 redo 0"},
    {"place enemy 0 0; flip; resize l -100 0",
     "solid 0 -500 1900 100; exit 900 -350 50 200; enemy -35 -10 -130 80 <-210 190>; start -800 -410 | sel 2 | unproven unsaved | undo 3 redo 0"},
    // Turning points snap to whole grid steps and never pass each other; rocks reset.
    {"place enemy 0 0; marker left -333 0; marker right -900 0",
     "solid 0 -500 1900 100; exit 900 -350 50 200; enemy -10 -10 80 80 <-325 -325>; start -800 -410 | sel 2 | unproven unsaved | undo 3 redo 0"},
    {"place rock 0 0; marker reset 0 612",
     "solid 0 -500 1900 100; exit 900 -350 50 200; rock 0 0 150 150 ^600; start -800 -410 | sel "
     "2 | unproven unsaved | undo 2 redo 0"},
    // Duplicates land a grid step away and are selected; deleting keeps the start.
    {"click 900 -350; dup",
     "solid 0 -500 1900 100; exit 900 -350 50 200; exit 925 -375 50 200; start -800 -410 | sel 2 "
     "| unproven unsaved | undo 1 redo 0"},
    {"all; del", "start -800 -410 | sel | unproven unsaved | undo 1 redo 0"},
    {"all; del; undo",
     "solid 0 -500 1900 100; exit 900 -350 50 200; start -800 -410 | sel 0 1 | unproven saved | "
     "undo 0 redo 1"},
    // Nothing leaves the level's limits.
    {"click 900 -350; nudge 20000 0",
     "solid 0 -500 1900 100; exit 10000 -350 50 200; start -800 -410 | sel 1 | unproven unsaved | "
     "undo 1 redo 0"},
    {"start 0 0; undo; redo",
     "solid 0 -500 1900 100; exit 900 -350 50 200; start 0 -10 | sel | unproven unsaved | undo 1 redo 0"},
    // A proof lasts until the next change; undo brings back the proven state, redo the change.
    {"prove", "solid 0 -500 1900 100; exit 900 -350 50 200; start -800 -410 | sel | proven "
              "unsaved | undo 0 redo 0"},
    {"prove; save; click 900 -350; nudge 10 0",
     "solid 0 -500 1900 100; exit 910 -350 50 200; start -800 -410 | sel 1 | unproven unsaved | "
     "undo 1 redo 0"},
    {"prove; save; click 900 -350; nudge 10 0; undo",
     "solid 0 -500 1900 100; exit 900 -350 50 200; start -800 -410 | sel 1 | proven saved | undo "
     "0 redo 1"},
    {"click 900 -350; nudge 10 0; prove; undo; redo",
     "solid 0 -500 1900 100; exit 910 -350 50 200; start -800 -410 | sel 1 | proven unsaved | "
     "undo 1 redo 0"},
    // The history holds EDITOR_UNDO_LIMIT steps, the oldest dropped beyond it.
    {"click 900 -350; repeat 600 nudge 1 0",
     "solid 0 -500 1900 100; exit 1500 -350 50 200; start -800 -410 | sel 1 | unproven unsaved | "
     "undo 500 redo 0"},
    {"click 900 -350; repeat 600 nudge 1 0; repeat 600 undo",
     "solid 0 -500 1900 100; exit 1000 -350 50 200; start -800 -410 | sel 1 | unproven unsaved | "
     "undo 0 redo 500"},
};

TEST(EditorModel, OperationsGiveTheirOutcome)
{
    for (const Case& c : CASES)
    {
        SCOPED_TRACE(c.operations);
        EditorModel model;
        model.Reset(SmallLevel());
        std::istringstream all(c.operations);
        for (std::string op; std::getline(all, op, ';');)
        {
            std::istringstream in(op);
            RunOperation(model, in);
        }
        EXPECT_EQ(Describe(model), c.outcome);
        std::string problem;
        EXPECT_TRUE(CheckLevel(model.Level(), &problem) || model.Level().objects.size() < 2)
            << problem;
    }
}
} // namespace
