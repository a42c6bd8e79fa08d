// window.cpp: the game window, its procedure and its modes.
#include "engine/system/window.h"

#include "engine/graphics/draw_state.h"
#include "engine/input/input_state.h"

const char* WindowTitle = "Stoneleaf Engine";
uint32_t WindowWidth = 1920;
uint32_t WindowHeight = 1080;
bool IsRunning = false;
bool IsFullscreen = false;
bool WindowUnfocused = false;
bool RestartRequested = false;
WindowedGeometry RememberedWindow = {1920, 1080, 100, 100};

static constexpr int WindowLeft = 100;
static constexpr int WindowTop = 100;
static MessageFilter Filter = nullptr;

void SetMessageFilter(MessageFilter filter) { Filter = filter; }

void WindowProc(const WindowMessage& message)
{
    if (Filter && Filter(message)) return;
    switch (message.type)
    {
    case WINDOW_MESSAGE_KEY_DOWN: RecordKeyDown(message.key); break;
    case WINDOW_MESSAGE_KEY_UP: RecordKeyUp(message.key); break;
    case WINDOW_MESSAGE_MOUSE_DOWN: RecordMouseButton(message.button, true); break;
    case WINDOW_MESSAGE_MOUSE_UP: RecordMouseButton(message.button, false); break;
    case WINDOW_MESSAGE_MOUSE_WHEEL: RecordMouseWheel(message.wheel); break;
    case WINDOW_MESSAGE_DESTROY: IsRunning = false; break;
    case WINDOW_MESSAGE_PAD_BUTTON_DOWN:
    case WINDOW_MESSAGE_PAD_BUTTON_UP:
        RecordPadButton(message.button, static_cast<uint16_t>(message.key),
                        message.type == WINDOW_MESSAGE_PAD_BUTTON_DOWN);
        break;
    }
}

bool CreateGameWindow()
{
    if (!PlatformCreateWindow(WindowTitle, WindowLeft, WindowTop, WindowWidth, WindowHeight,
                              WindowProc))
        return false;
    IsRunning = true;
    return true;
}

void DestroyGameWindow()
{
    PlatformDestroyWindow();
    IsRunning = false;
}

void SetFullscreen(bool on)
{
    if (on == IsFullscreen) return;
    IsFullscreen = on;
    uint32_t screenWidth = 0, screenHeight = 0;
    PlatformGetScreenSize(&screenWidth, &screenHeight);
    if (on)
    {
        RememberedWindow.width = WindowWidth;
        RememberedWindow.height = WindowHeight;
        PlatformGetWindowPosition(&RememberedWindow.left, &RememberedWindow.top);
        SetClientSize(screenWidth, screenHeight);
        PlatformSetBorderlessFullscreen(true);
    }
    else
    {
        // The mode goes first: a window still in full screen ignores a new size.
        PlatformSetBorderlessFullscreen(false);
        SetClientSize(RememberedWindow.width, RememberedWindow.height);
        PlatformSetWindowPosition(RememberedWindow.left, RememberedWindow.top);
    }
}

void SetClientSize(uint32_t width, uint32_t height)
{
    if (width == WindowWidth && height == WindowHeight) return;
    WindowWidth = width;
    WindowHeight = height;
    PlatformSetClientSize(width, height);
    uint32_t clientWidth = 0, clientHeight = 0;
    PlatformGetClientSize(&clientWidth, &clientHeight);
    SetViewHalfExtents(clientWidth, clientHeight);
}
