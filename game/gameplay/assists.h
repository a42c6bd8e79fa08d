// assists.h: help a player may ask for, in the settings window's Assists page.
//
// Game speed: the whole of play runs slower, evenly. The game still steps its fixed 60 Hz
// frame, the same frames as ever; they come further apart in real time (the frame limiter's
// GameSpeed), and the time animation and timers see is game time. Menus and the pause run at
// full speed. Hazards forgive: spikes, lava, an enemy touched other than from above, or a
// fall out of the level send the player back to the last ground it stood on instead of
// restarting the level. Both are off unless asked for; a life played with either keeps no
// best time and no ghost.
#pragma once

#include <cstdint>

constexpr int FULL_SPEED = 100;  // percent
constexpr int SLOWEST_SPEED = 50;
constexpr int SPEED_STEP = 10;

struct Assists
{
    int speedPercent = FULL_SPEED; // 50 to 100, in steps of 10
    bool hazardsForgive = false;

    bool operator==(const Assists& other) const
    {
        return speedPercent == other.speedPercent && hazardsForgive == other.hazardsForgive;
    }
};

extern Assists PlayAssists;

// Whether any assist is on.
bool AssistsOn();
// Whether `percent` is a game speed the game offers.
bool IsGameSpeed(int percent);
// The speed play runs at now, as the frame limiter takes it: 1 in menus and while paused.
void PaceFrames(bool playing);
