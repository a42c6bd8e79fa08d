// picture_window.h: a real OpenGL picture for a program that otherwise has no window system.
//
// The scripted back end draws nowhere. A program that wants to see what a frame looks like
// (the replay runner's --png) opens a picture window: an SDL window of the game's size on the
// display with an OpenGL 3.3 context, which the scripted back end then hands to the renderer
// as its own. Needs a display (Xvfb is fine).
#pragma once

#include <cstdint>
#include <vector>

// Opens the window and makes the scripted back end use its context. False, after one line on
// standard error, when there is no display or no OpenGL 3.3.
bool OpenPictureWindow(uint32_t width, uint32_t height);
void ClosePictureWindow();

// At the next buffer swap, the frame just drawn is read into `pixels`: RGBA, rows top first,
// width x height x 4 bytes.
void CapturePictureAtNextSwap(std::vector<uint8_t>* pixels);
