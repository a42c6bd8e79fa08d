// gl_window.cpp: the test window, pixel read-back and captured message boxes.
#include "gl_window.h"

#include <GL/glew.h>

#include <cstdlib>

std::vector<CapturedBox>& CapturedBoxes()
{
    static std::vector<CapturedBox> boxes;
    return boxes;
}

static void CaptureBox(const char* caption, const char* text, MessageBoxStyle)
{
    CapturedBoxes().push_back({caption, text});
}

void GLWindowTest::SetUpTestSuite()
{
    PlatformSetMessageBoxHandler(CaptureBox);
    ASSERT_TRUE(PlatformInit()) << "these tests need an X display (run them under xvfb-run)";
    WindowWidth = Width;
    WindowHeight = Height;
    IsFullscreen = false;
    ASSERT_TRUE(CreateGameWindow());
}

void GLWindowTest::TearDownTestSuite()
{
    ShutdownGraphics();
    DestroyGameWindow();
    PlatformShutdown();
}

void GLWindowTest::SetUp()
{
    CapturedBoxes().clear();
    ASSERT_TRUE(InitGraphics());
    SetClientSize(Width, Height);
    SetClearColor(0xFF000000u);
    SetTintColor(0xFFFFFFFFu);
    BeginFrame();
}

void GLWindowTest::TearDown()
{
    // Present the frame so that the next test starts from a clean swap chain.
    if (GraphicsReady) PlatformSwapBuffers();
}

Rgba ReadPixel(int x, int y)
{
    uint8_t p[4] = {};
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2], p[3]};
}

std::vector<uint8_t> ReadFramebuffer(int width, int height)
{
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

::testing::AssertionResult PixelNear(Rgba actual, Rgba expected, int tolerance)
{
    if (std::abs(actual.r - expected.r) <= tolerance &&
        std::abs(actual.g - expected.g) <= tolerance &&
        std::abs(actual.b - expected.b) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "pixel (" << actual.r << ", " << actual.g << ", " << actual.b << ") expected ("
           << expected.r << ", " << expected.g << ", " << expected.b << ")";
}

bool ResizeTestWindow(uint32_t width, uint32_t height)
{
    const int farX = static_cast<int>(width) - 1, farY = static_cast<int>(height) - 1;
    const Rgba white = {255, 255, 255, 255};
    SetClientSize(width, height);
    for (int frame = 0; frame < 20; ++frame)
    {
        PlatformPumpMessages();
        BeginFrame();
        SetViewport(0, 0, static_cast<float>(width), static_cast<float>(height));
        SetClearColor(0xFFFFFFFF);
        ClearBuffers();
        if (PixelNear(ReadPixel(farX, farY), white)) break;
        PlatformSwapBuffers();
    }
    BeginFrame();
    return WindowWidth == width && WindowHeight == height && PixelNear(ReadPixel(farX, farY), white);
}
