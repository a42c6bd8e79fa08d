// assists.cpp: the assists and the pace they give the frame limiter.
#include "game/gameplay/assists.h"

#include "engine/system/frame_controller.h"

Assists PlayAssists;

bool AssistsOn() { return !(PlayAssists == Assists()); }

bool IsGameSpeed(int percent)
{
    return percent >= SLOWEST_SPEED && percent <= FULL_SPEED && percent % SPEED_STEP == 0;
}

void PaceFrames(bool playing)
{
    GameSpeed = playing ? PlayAssists.speedPercent / 100.0 : 1.0;
}
