// The state loop: which operations run, in which order, for switches, restarts and quits.
#include "scripted_machine.h"

#include <functional>
#include <string>
#include <vector>

namespace
{
std::vector<std::string> Log;
// What a test wants a state to do when one of its operations runs.
std::function<void(int state, const std::string& op)> Script;

template <int State> void Op(const char* name)
{
    Log.push_back(std::to_string(State) + "." + name);
    if (Script) Script(State, name);
}
template <int State> void Load() { Op<State>("Load"); }
template <int State> void Init() { Op<State>("Init"); }
template <int State> void Update() { Op<State>("Update"); }
template <int State> void Draw() { Op<State>("Draw"); }
template <int State> void Free() { Op<State>("Free"); }
template <int State> void Unload() { Op<State>("Unload"); }

template <int State> void Register()
{
    AddGameState(State, Load<State>, Init<State>, Update<State>, Draw<State>, Free<State>,
                 Unload<State>);
}

using Strings = std::vector<std::string>;

class GameLoopTest : public ScriptedMachineTest
{
protected:
    void SetUp() override
    {
        ScriptedMachineTest::SetUp();
        Log.clear();
        Script = nullptr;
        Register<1>();
        Register<2>();
        Register<3>();
    }
    void TearDown() override
    {
        Script = nullptr;
        ScriptedMachineTest::TearDown();
    }
};

TEST_F(GameLoopTest, SwitchFinishesTheFrameThenFreesUnloadsAndStartsTheNewState)
{
    GameStateId previousSeenByInit = 0;
    Script = [&](int state, const std::string& op) {
        if (state == 1 && op == "Update") NextStateId = 2;
        if (state == 2 && op == "Init") previousSeenByInit = PreviousStateId;
        if (state == 2 && op == "Update") NextStateId = GS_QUIT;
    };
    RunGameLoop(GS_MAIN_MENU);
    EXPECT_EQ(Log, (Strings{"1.Load", "1.Init", "1.Update", "1.Draw", "1.Free", "1.Unload",
                            "2.Load", "2.Init", "2.Update", "2.Draw", "2.Free", "2.Unload"}));
    EXPECT_EQ(previousSeenByInit, 1);
    EXPECT_EQ(CurrentStateId, GS_QUIT);
    EXPECT_EQ(PreviousStateId, 2);
    EXPECT_EQ(FrameCount, 2u);
}

TEST_F(GameLoopTest, RestartRunsFreeAndInitOnlyAndKeepsThePreviousState)
{
    int visits = 0;
    std::vector<GameStateId> previousAtInit;
    Script = [&](int state, const std::string& op) {
        if (state == 1 && op == "Update") NextStateId = 3;
        if (state == 3 && op == "Init") previousAtInit.push_back(PreviousStateId);
        if (state == 3 && op == "Update") NextStateId = ++visits == 1 ? GS_RESTART : GS_QUIT;
    };
    RunGameLoop(GS_MAIN_MENU);
    EXPECT_EQ(Log, (Strings{"1.Load", "1.Init", "1.Update", "1.Draw", "1.Free", "1.Unload",
                            "3.Load", "3.Init", "3.Update", "3.Draw", "3.Free", //
                            "3.Init", "3.Update", "3.Draw", "3.Free", "3.Unload"}));
    EXPECT_EQ(previousAtInit, (std::vector<GameStateId>{1, 1}));
}

TEST_F(GameLoopTest, QuitFreesAndUnloadsAndEmptiesTheSlots)
{
    Script = [&](int, const std::string& op) {
        if (op == "Update") NextStateId = GS_QUIT;
    };
    RunGameLoop(GS_MAIN_MENU);
    EXPECT_EQ(Log, (Strings{"1.Load", "1.Init", "1.Update", "1.Draw", "1.Free", "1.Unload"}));
    EXPECT_EQ(CurrentStateId, GS_QUIT);
    EXPECT_EQ(ActiveUpdate, &EmptyOperation);
    EXPECT_EQ(ActiveLoad, &EmptyOperation);
}

TEST_F(GameLoopTest, AnIdWrittenInLoadOrInitSkipsTheFramesButStillFreesAndUnloads)
{
    Script = [&](int state, const std::string& op) {
        if (state == 1 && op == "Load") NextStateId = 2;
        if (state == 2 && op == "Init") NextStateId = 3;
        if (state == 3 && op == "Update") NextStateId = GS_QUIT;
    };
    RunGameLoop(GS_MAIN_MENU);
    EXPECT_EQ(Log, (Strings{"1.Load", "1.Init", "1.Free", "1.Unload", //
                            "2.Load", "2.Init", "2.Free", "2.Unload", //
                            "3.Load", "3.Init", "3.Update", "3.Draw", "3.Free", "3.Unload"}));
    EXPECT_EQ(FrameCount, 1u);
}

TEST_F(GameLoopTest, ADestroyedWindowQuitsBeforeThatFramesUpdate)
{
    std::vector<GameStateId> nextAtUpdate;
    Script = [&](int, const std::string& op) {
        if (op != "Update") return;
        nextAtUpdate.push_back(NextStateId);
        if (nextAtUpdate.size() == 2) ScriptedCloseWindow();
    };
    RunGameLoop(GS_MAIN_MENU);
    // The close arrives in the third frame's pump: that Update already sees the quit.
    EXPECT_EQ(nextAtUpdate, (std::vector<GameStateId>{1, 1, GS_QUIT}));
    EXPECT_EQ(Log.back(), "1.Unload");
    EXPECT_EQ(CurrentStateId, GS_QUIT);
}

TEST_F(GameLoopTest, AnUpdateThatOverwritesTheQuitDelaysItByOneStateVisit)
{
    Script = [&](int state, const std::string& op) {
        if (state == 1 && op == "Init") ScriptedCloseWindow();
        if (state == 1 && op == "Update") NextStateId = 2;
    };
    RunGameLoop(GS_MAIN_MENU);
    EXPECT_EQ(Log, (Strings{"1.Load", "1.Init", "1.Update", "1.Draw", "1.Free", "1.Unload",
                            "2.Load", "2.Init", "2.Update", "2.Draw", "2.Free", "2.Unload"}));
    EXPECT_EQ(CurrentStateId, GS_QUIT);
}

TEST_F(GameLoopTest, ASecondRegistrationOfAnIdChangesNothing)
{
    AddGameState(1, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
    EXPECT_EQ(GameStateCount(), 3);
    Script = [&](int, const std::string& op) {
        if (op == "Update") NextStateId = GS_QUIT;
    };
    RunGameLoop(GS_MAIN_MENU);
    EXPECT_EQ(Log.front(), "1.Load");
    EXPECT_EQ(Log.size(), 6u);
}

TEST_F(GameLoopTest, AnUnregisteredIdKeepsThePreviousOperationsRunningUnderTheNewId)
{
    int visits = 0;
    std::vector<GameStateId> currentAtInit;
    Script = [&](int state, const std::string& op) {
        if (state != 1) return;
        if (op == "Init") currentAtInit.push_back(CurrentStateId);
        if (op == "Update") NextStateId = ++visits == 1 ? 99 : GS_QUIT;
    };
    RunGameLoop(GS_MAIN_MENU);
    EXPECT_EQ(currentAtInit, (std::vector<GameStateId>{1, 99}));
    EXPECT_EQ(Log, (Strings{"1.Load", "1.Init", "1.Update", "1.Draw", "1.Free", "1.Unload",
                            "1.Load", "1.Init", "1.Update", "1.Draw", "1.Free", "1.Unload"}));
    EXPECT_EQ(PreviousStateId, 99);
}

TEST_F(GameLoopTest, MissingOperationsRunAsEmptyOnes)
{
    static int updates = 0;
    updates = 0;
    AddGameState(7, nullptr, nullptr, [] {
        if (++updates == 3) NextStateId = GS_QUIT;
    }, nullptr, nullptr, nullptr);
    RunGameLoop(7);
    EXPECT_EQ(updates, 3);
    EXPECT_TRUE(Log.empty());
}

TEST_F(GameLoopTest, TheTableRefusesRowsBeyondItsSize)
{
    ResetGameStates();
    for (int id = 0; id < MaxGameStates; ++id)
        EXPECT_TRUE(AddGameState(100 + id, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_FALSE(AddGameState(500, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(GameStateCount(), MaxGameStates);
}
} // namespace
