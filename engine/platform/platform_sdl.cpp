// platform_sdl.cpp: the platform on SDL2, what a player runs.
//
// Implements: the window (resizable, borderless full screen on the desktop's mode), its
// message pump, the performance counter, cursor, focus, minimise, the window icon, message
// boxes (printed on standard error when there is no display or no window system), an
// OpenGL 3.3 core context, and game controllers read in the XInput layout, their buttons as
// messages: any number of them, plugged in and out while the game runs (SDL's controller
// database names their buttons); the first four take the four XInput slots, and a further one
// waits for a slot to free. What the system sends to end the game (end_signals.cpp: SIGTERM
// and SIGINT; Ctrl+C and a closed console on Windows) closes the window as its close box does.
// The window's minimised state is read once per pump, so that every reader of one frame sees
// the same. The instance lock lives in instance_lock.cpp; file opening in file_system.cpp;
// sleeping and the thread's processor time in thread_clock.cpp (each with a _windows twin for
// Windows); which key number a key event stands for in key_translation.cpp.
#include "engine/platform/platform.h"

#include "engine/platform/driver_pin.h"
#include "engine/platform/end_signals.h"
#include "engine/platform/key_translation.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>
#include <vector>

namespace
{
constexpr int PadCount = 4;

SDL_Window* Window = nullptr;
SDL_GLContext GLContext = nullptr;
WindowProcedure Procedure = nullptr;
MessageBoxHandler BoxHandler = nullptr;
SDL_GameController* Pads[PadCount] = {};
std::vector<SDL_GameController*> WaitingPads; // plugged in while all four slots were taken
bool VideoReady = false;
bool Minimised = false; // as the last pump found the window

SDL_JoystickID PadId(SDL_GameController* pad)
{
    return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad));
}

// The pad's slot, or -1 for one waiting for a slot (or not open).
int PadSlot(SDL_JoystickID id)
{
    for (int i = 0; i < PadCount; ++i)
        if (Pads[i] && PadId(Pads[i]) == id) return i;
    return -1;
}

uint16_t PadButtonBit(uint8_t button)
{
    switch (button)
    {
    case SDL_CONTROLLER_BUTTON_DPAD_UP: return PAD_DPAD_UP;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return PAD_DPAD_DOWN;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return PAD_DPAD_LEFT;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return PAD_DPAD_RIGHT;
    case SDL_CONTROLLER_BUTTON_START: return PAD_START;
    case SDL_CONTROLLER_BUTTON_BACK: return PAD_BACK;
    case SDL_CONTROLLER_BUTTON_LEFTSTICK: return PAD_LEFT_THUMB;
    case SDL_CONTROLLER_BUTTON_RIGHTSTICK: return PAD_RIGHT_THUMB;
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER: return PAD_LEFT_SHOULDER;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER: return PAD_RIGHT_SHOULDER;
    case SDL_CONTROLLER_BUTTON_A: return PAD_A;
    case SDL_CONTROLLER_BUTTON_B: return PAD_B;
    case SDL_CONTROLLER_BUTTON_X: return PAD_X;
    case SDL_CONTROLLER_BUTTON_Y: return PAD_Y;
    default: return 0;
    }
}

bool IsPadOpen(SDL_JoystickID id)
{
    for (SDL_GameController* pad : Pads)
        if (pad && PadId(pad) == id) return true;
    for (SDL_GameController* pad : WaitingPads)
        if (PadId(pad) == id) return true;
    return false;
}

void PlacePad(SDL_GameController* pad)
{
    for (SDL_GameController*& slot : Pads)
    {
        if (slot) continue;
        slot = pad;
        return;
    }
    WaitingPads.push_back(pad);
}

// A joystick device SDL knows as a game controller, opened once whatever announces it: the
// start-up scan and the added event both do.
void OpenPad(int deviceIndex)
{
    if (!SDL_IsGameController(deviceIndex)) return;
    if (IsPadOpen(SDL_JoystickGetDeviceInstanceID(deviceIndex))) return;
    if (SDL_GameController* pad = SDL_GameControllerOpen(deviceIndex)) PlacePad(pad);
}

void Deliver(const WindowMessage& message);

void ClosePad(SDL_JoystickID id)
{
    for (SDL_GameController*& slot : Pads)
    {
        if (!slot || PadId(slot) != id) continue;
        // Whatever it held is let go: a pad waiting for the slot starts with nothing held.
        for (uint16_t bit = 1; bit != 0; bit = static_cast<uint16_t>(bit << 1))
            Deliver({WINDOW_MESSAGE_PAD_BUTTON_UP, bit, static_cast<int>(&slot - Pads), 0});
        SDL_GameControllerClose(slot);
        slot = nullptr;
        if (!WaitingPads.empty())
        {
            slot = WaitingPads.front();
            WaitingPads.erase(WaitingPads.begin());
        }
        return;
    }
    for (size_t i = 0; i < WaitingPads.size(); ++i)
    {
        if (PadId(WaitingPads[i]) != id) continue;
        SDL_GameControllerClose(WaitingPads[i]);
        WaitingPads.erase(WaitingPads.begin() + static_cast<long>(i));
        return;
    }
}

// Whether the active layout prints Latin letters on its letter keys (QWERTY, AZERTY, Dvorak...)
// rather than those of another script. Asked at each key, so a layout switch never goes unseen.
bool LayoutPrintsLatinLetters()
{
    for (int scancode = SDL_SCANCODE_A; scancode <= SDL_SCANCODE_Z; ++scancode)
    {
        const SDL_Keycode key = SDL_GetKeyFromScancode(static_cast<SDL_Scancode>(scancode));
        if (key >= SDLK_a && key <= SDLK_z) return true;
    }
    return false;
}

int TranslateButton(uint8_t button)
{
    switch (button)
    {
    case SDL_BUTTON_LEFT: return 0;
    case SDL_BUTTON_RIGHT: return 1;
    case SDL_BUTTON_MIDDLE: return 2;
    default: return -1;
    }
}

void Deliver(const WindowMessage& message)
{
    if (Procedure) Procedure(message);
}

void SetGLAttributes(int depthBits)
{
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_FLAGS, SDL_GL_CONTEXT_FORWARD_COMPATIBLE_FLAG);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depthBits);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
}

} // namespace

bool PlatformInit()
{
    // The game pauses itself when it loses focus; a minimised full-screen window is not wanted.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // The signals to end are the game's own: they close the window (end_signals.cpp).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    CatchEndSignals();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0)
    {
        std::fprintf(stderr, "Vantara: cannot open a display: %s\n", SDL_GetError());
        return false;
    }
    // With no display SDL falls back to drivers that draw nowhere; a player needs a screen.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)
    {
        std::fprintf(stderr, "Vantara: cannot open a display (is DISPLAY set?)\n");
        SDL_Quit();
        return false;
    }
    VideoReady = true;
    // Pads are a bonus: a machine without the subsystem still plays. Those already plugged in
    // are opened now, so that the first look for pads finds them.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0)
        for (int j = 0; j < SDL_NumJoysticks(); ++j) OpenPad(j);
    return true;
}

void PlatformShutdown()
{
    for (SDL_GameController*& pad : Pads)
    {
        if (pad) SDL_GameControllerClose(pad);
        pad = nullptr;
    }
    for (SDL_GameController* pad : WaitingPads) SDL_GameControllerClose(pad);
    WaitingPads.clear();
    SDL_Quit();
    VideoReady = false;
    ReleaseEndSignals();
}

int64_t PlatformPerformanceCounter() { return static_cast<int64_t>(SDL_GetPerformanceCounter()); }

int64_t PlatformPerformanceFrequency()
{
    return static_cast<int64_t>(SDL_GetPerformanceFrequency());
}

void PlatformLowerThreadPriority() { SDL_SetThreadPriority(SDL_THREAD_PRIORITY_LOW); }

bool PlatformCreateWindow(const char* title, int left, int top, uint32_t clientWidth,
                          uint32_t clientHeight, WindowProcedure procedure)
{
    // On X11 the GL visual is chosen with the window, so the context's wishes come first.
    // 32 depth bits where offered, else 24.
    const Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_SHOWN;
    for (int depthBits : {32, 24})
    {
        SetGLAttributes(depthBits);
        Window = SDL_CreateWindow(title, left, top, static_cast<int>(clientWidth),
                                  static_cast<int>(clientHeight), flags);
        if (Window) break;
    }
    if (!Window)
    {
        std::fprintf(stderr, "Vantara: cannot create the window: %s\n", SDL_GetError());
        return false;
    }
    Procedure = procedure;
    Minimised = false;
    return true;
}

void PlatformDestroyWindow()
{
    if (Window) SDL_DestroyWindow(Window);
    Window = nullptr;
    Procedure = nullptr;
    Minimised = false;
}

void PlatformPumpMessages()
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
    {
        switch (event.type)
        {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            Deliver({event.type == SDL_KEYDOWN ? WINDOW_MESSAGE_KEY_DOWN : WINDOW_MESSAGE_KEY_UP,
                     TranslateSdlKey(event.key.keysym.sym, event.key.keysym.scancode,
                                     LayoutPrintsLatinLetters()),
                     0, 0});
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
        {
            int button = TranslateButton(event.button.button);
            if (button >= 0)
                Deliver({event.type == SDL_MOUSEBUTTONDOWN ? WINDOW_MESSAGE_MOUSE_DOWN
                                                           : WINDOW_MESSAGE_MOUSE_UP,
                         0, button, 0});
            break;
        }
        case SDL_MOUSEWHEEL:
        {
            float notches = event.wheel.preciseY;
            if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) notches = -notches;
            Deliver({WINDOW_MESSAGE_MOUSE_WHEEL, 0, 0, notches});
            break;
        }
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE)
                Deliver({WINDOW_MESSAGE_DESTROY, 0, 0, 0});
            break;
        case SDL_QUIT: Deliver({WINDOW_MESSAGE_DESTROY, 0, 0, 0}); break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
        {
            const int slot = PadSlot(event.cbutton.which);
            const uint16_t bit = PadButtonBit(event.cbutton.button);
            if (slot >= 0 && bit != 0)
                Deliver({event.type == SDL_CONTROLLERBUTTONDOWN ? WINDOW_MESSAGE_PAD_BUTTON_DOWN
                                                                : WINDOW_MESSAGE_PAD_BUTTON_UP,
                         bit, slot, 0});
            break;
        }
        case SDL_CONTROLLERDEVICEADDED: OpenPad(event.cdevice.which); break;
        case SDL_CONTROLLERDEVICEREMOVED: ClosePad(event.cdevice.which); break;
        default: break;
        }
    }
    // A signal that came before the window was made waits for it.
    if (Procedure && TakeEndSignal()) Deliver({WINDOW_MESSAGE_DESTROY, 0, 0, 0});
    // Only what the window manager did counts, never the request: a window manager may ignore
    // one (a bare X server, i3 and sway never minimise), and on some systems (Windows, for one)
    // SDL marks the window minimised within the request, in the middle of a frame.
    Minimised = Window && (SDL_GetWindowFlags(Window) & SDL_WINDOW_MINIMIZED);
}

void PlatformGetClientSize(uint32_t* width, uint32_t* height)
{
    int w = 0, h = 0;
    if (Window) SDL_GetWindowSize(Window, &w, &h);
    *width = static_cast<uint32_t>(w);
    *height = static_cast<uint32_t>(h);
}

void PlatformSetClientSize(uint32_t width, uint32_t height)
{
    if (Window) SDL_SetWindowSize(Window, static_cast<int>(width), static_cast<int>(height));
}

void PlatformGetWindowPosition(int* left, int* top)
{
    *left = *top = 0;
    if (Window) SDL_GetWindowPosition(Window, left, top);
}

void PlatformSetWindowPosition(int left, int top)
{
    if (Window) SDL_SetWindowPosition(Window, left, top);
}

void PlatformSetBorderlessFullscreen(bool on)
{
    if (Window) SDL_SetWindowFullscreen(Window, on ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

void PlatformGetScreenSize(uint32_t* width, uint32_t* height)
{
    SDL_DisplayMode mode = {};
    int display = Window ? SDL_GetWindowDisplayIndex(Window) : 0;
    if (SDL_GetDesktopDisplayMode(display < 0 ? 0 : display, &mode) != 0)
    {
        mode.w = 1920;
        mode.h = 1080;
    }
    *width = static_cast<uint32_t>(mode.w);
    *height = static_cast<uint32_t>(mode.h);
}

bool PlatformWindowHasFocus() { return Window && SDL_GetKeyboardFocus() == Window; }

bool PlatformWindowIsMinimised() { return Window && Minimised; }

void PlatformMinimiseWindow()
{
    if (Window) SDL_MinimizeWindow(Window);
}

void PlatformSetWindowIcon(const uint8_t* pixels, int width, int height)
{
    if (!Window || !pixels || width <= 0 || height <= 0) return;
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint8_t*>(pixels), width, height, 32, width * 4, SDL_PIXELFORMAT_RGBA32);
    if (!icon) return;
    SDL_SetWindowIcon(Window, icon);
    SDL_FreeSurface(icon);
}

void PlatformGetCursorPosition(float* x, float* y)
{
    int cx = 0, cy = 0;
    if (Window && SDL_GetMouseFocus() == Window)
    {
        SDL_GetMouseState(&cx, &cy);
    }
    else
    {
        // Outside the window SDL only knows the desktop position.
        int left = 0, top = 0;
        SDL_GetGlobalMouseState(&cx, &cy);
        if (Window) SDL_GetWindowPosition(Window, &left, &top);
        cx -= left;
        cy -= top;
    }
    *x = static_cast<float>(cx);
    *y = static_cast<float>(cy);
}

void PlatformShowMessageBox(const char* caption, const char* text, MessageBoxStyle style)
{
    if (BoxHandler)
    {
        BoxHandler(caption, text, style);
        return;
    }
    Uint32 flags = style == MESSAGE_BOX_ERROR     ? SDL_MESSAGEBOX_ERROR
                   : style == MESSAGE_BOX_WARNING ? SDL_MESSAGEBOX_WARNING
                                                  : SDL_MESSAGEBOX_INFORMATION;
    if (!VideoReady || SDL_ShowSimpleMessageBox(flags, caption, text, Window) != 0)
        std::fprintf(stderr, "%s: %s\n", caption, text);
}

void PlatformSetMessageBoxHandler(MessageBoxHandler handler) { BoxHandler = handler; }

void PlatformDebugOutput(const char* text) { std::fputs(text, stderr); }

bool PlatformCreateGLContext()
{
    if (!Window) return false;
    GLContext = SDL_GL_CreateContext(Window);
    if (!GLContext) return false;
    SDL_GL_MakeCurrent(Window, GLContext);
    // The frame limiter paces the game at 60 frames a second; waiting for the display's
    // refresh as well would slow gameplay down on monitors that refresh faster.
    SDL_GL_SetSwapInterval(0);
    PinGraphicsDriver();
    return true;
}

void PlatformDestroyGLContext()
{
    if (GLContext) SDL_GL_DeleteContext(GLContext);
    GLContext = nullptr;
}

void PlatformSwapBuffers()
{
    if (Window) SDL_GL_SwapWindow(Window);
}

bool PlatformReadGamepad(int index, GamepadReading* reading)
{
    if (index < 0 || index >= PadCount) return false;
    SDL_GameController* pad = Pads[index];
    if (!pad || !SDL_GameControllerGetAttached(pad)) return false;

    GamepadReading r = {};
    auto trigger = [pad](SDL_GameControllerAxis axis) {
        int v = SDL_GameControllerGetAxis(pad, axis);
        return static_cast<uint8_t>(v <= 0 ? 0 : v * 255 / 32767);
    };
    // SDL's stick y grows downwards, XInput's upwards.
    auto flipped = [pad](SDL_GameControllerAxis axis) {
        int v = -static_cast<int>(SDL_GameControllerGetAxis(pad, axis));
        return static_cast<int16_t>(v > 32767 ? 32767 : v);
    };
    r.leftTrigger = trigger(SDL_CONTROLLER_AXIS_TRIGGERLEFT);
    r.rightTrigger = trigger(SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
    r.leftStickX = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    r.leftStickY = flipped(SDL_CONTROLLER_AXIS_LEFTY);
    r.rightStickX = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_RIGHTX);
    r.rightStickY = flipped(SDL_CONTROLLER_AXIS_RIGHTY);
    *reading = r;
    return true;
}

void PlatformSetGamepadVibration(int index, uint16_t left, uint16_t right)
{
    if (index < 0 || index >= PadCount || !Pads[index]) return;
    SDL_GameControllerRumble(Pads[index], left, right, (left || right) ? SDL_MAX_UINT32 : 0);
}
