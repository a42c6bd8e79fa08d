// gl_window.h: a real OpenGL 3.3 window for tests that read pixels back.
//
// Opens a small game window on the current X display (CI runs the tests under Xvfb with
// Mesa's software rasteriser), starts the renderer on it, and captures message boxes instead
// of showing them. Pixels are read from the back buffer, before any swap.
#pragma once

#include "engine/graphics/draw_state.h"
#include "engine/graphics/render_device.h"
#include "engine/platform/platform.h"
#include "engine/system/window.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

struct CapturedBox
{
    std::string caption;
    std::string text;
};

// Message boxes shown since the window opened.
std::vector<CapturedBox>& CapturedBoxes();

struct Rgba
{
    int r, g, b, a;
};

// The pixel at window column x, row y counted from the bottom (GL's convention).
Rgba ReadPixel(int x, int y);
// The whole back buffer, rows bottom first, 4 bytes a pixel.
std::vector<uint8_t> ReadFramebuffer(int width, int height);

// Opens the window once per test program and keeps it; starts the renderer again for every
// test (a test may shut it down to look at the leak report).
class GLWindowTest : public ::testing::Test
{
public:
    static constexpr uint32_t Width = 480;
    static constexpr uint32_t Height = 270;

protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;
};

// Resizes the window as the player does and waits until the GL back buffer has followed (it
// lags a swap or two behind the X server); false if it never does.
bool ResizeTestWindow(uint32_t width, uint32_t height);

::testing::AssertionResult PixelNear(Rgba actual, Rgba expected, int tolerance = 2);
