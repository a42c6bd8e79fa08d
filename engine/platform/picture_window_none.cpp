// picture_window_none.cpp: no picture window where there is no window system (the replay
// runner built for Node): --png says so and the runner ends with its no-picture code.
#include "engine/platform/picture_window.h"

#include <cstdio>

bool OpenPictureWindow(uint32_t, uint32_t)
{
    std::fputs("vantara-replay: no display here to draw pictures on\n", stderr);
    return false;
}

void ClosePictureWindow() {}

void CapturePictureAtNextSwap(std::vector<uint8_t>*) {}
