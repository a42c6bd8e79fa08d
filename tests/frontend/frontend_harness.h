// frontend_harness.h: front-end scenarios played through the replay runner, in process.
//
// A scenario is a starting state and an input script; Play runs it and returns, frame by
// frame, the state, the pause and window flags, the window's size, and what became of the
// objects the test watches by name.
#pragma once

#include "engine/graphics/math2d.h"
#include "tools/replay/replay_runner.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

struct WatchedObject
{
    bool found, visible;
    Vec2 position, scale;
    std::string picture; // the path its texture was loaded from; empty without one
};

struct ScreenFrame
{
    GameStateId state, next;
    ReplayEvent event;
    bool hasPlayer, paused, settingsOpen, confirmOpen, fullscreen;
    uint32_t windowW, windowH;
    Vec2 player;
    float musicVolume, effectsVolume;
    bool muted;
    float loudness; // RMS of the frame's mix, when played with sound
    std::map<std::string, WatchedObject> objects;
};

struct ScreenRun
{
    std::vector<ScreenFrame> frames;
    std::vector<uint64_t> inits;
    const ScreenFrame& operator[](size_t f) const { return frames.at(f); }
    const WatchedObject& Object(size_t f, const std::string& name) const
    {
        return frames.at(f).objects.at(name);
    }
};

struct ScreenScenario
{
    GameStateId state = GS_MAIN_MENU;
    std::string script;
    int64_t frames = -1;
    std::vector<std::string> watch; // object names to follow
    bool withSound = false;         // the sound system on a loopback device
    float musicVolume = 1.0f;       // set from the first frame, to hear the effects alone
};

ScreenRun Play(const ScreenScenario& scenario);

// A click: the pointer at (x, y) in window pixels from the centre, the left button down on
// `frame` and up on the next.
std::string Click(uint64_t frame, float x, float y);
// A key pressed on `frame` and let go on the next.
std::string Press(uint64_t frame, const char* keys);
