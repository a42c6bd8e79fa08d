// platform_web.cpp: the platform in a web browser (Emscripten), the page's game.
//
// Implements: the window as the page's canvas (#canvas), which fills the page and whose
// drawing buffer follows its size on screen times the device pixel ratio; keys by their
// KeyboardEvent code and key (as the desktop reads them, key_translation_web.cpp); the
// pointer relative to the canvas; pads through the Gamepad API's standard mapping (the first
// four take the four slots and keep them until unplugged; their buttons as messages, each
// change the page sees between two frames); full screen through the Fullscreen API; a hidden
// tab as a lost focus and a minimised window, read once per pump; a WebGL 2 context; a clock
// in microseconds. The browser paces the frames (the host calls each one), so sleeping is
// never asked of it. Message boxes go to the browser's console. Files are in Emscripten's
// file system: the data package under /data, kept files under /kept in the browser's storage
// (platform_web_pre.js, which also hands each tab's kept files to the others). There is no
// instance lock: every tab is its own game.
#include "engine/platform/platform.h"

#include "engine/platform/key_translation.h"

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace
{
constexpr const char* Canvas = "#canvas";
constexpr int PadCount = 4;

WindowProcedure Procedure = nullptr;
MessageBoxHandler BoxHandler = nullptr;
EMSCRIPTEN_WEBGL_CONTEXT_HANDLE GLContext = 0;
bool WindowMade = false;
bool WantFullscreen = false;
bool TabHidden = false;
bool HiddenSinceLastPump = false; // no frames run while hidden: the next one must hear of it
bool Minimised = false;
bool PageFocused = true;
float CursorX = 0.0f, CursorY = 0.0f;
uint32_t ClientWidth = 1920, ClientHeight = 1080;
bool PadsReady = false;
EmscriptenGamepadEvent PadState[PadCount];
long PadSource[PadCount] = {-1, -1, -1, -1}; // the Gamepad API's index of each slot's pad
uint16_t PadHeld[PadCount] = {};               // the buttons each slot's last messages left down

void Deliver(const WindowMessage& message)
{
    if (Procedure) Procedure(message);
}

// The canvas's drawing buffer follows its size on the page in device pixels, so a sharp
// screen gets a sharp picture.
void FollowCanvasSize()
{
    double cssWidth = 0.0, cssHeight = 0.0;
    emscripten_get_element_css_size(Canvas, &cssWidth, &cssHeight);
    const double ratio = emscripten_get_device_pixel_ratio();
    const int width = static_cast<int>(std::lround(cssWidth * ratio));
    const int height = static_cast<int>(std::lround(cssHeight * ratio));
    if (width <= 0 || height <= 0) return;
    int bufferWidth = 0, bufferHeight = 0;
    emscripten_get_canvas_element_size(Canvas, &bufferWidth, &bufferHeight);
    if (bufferWidth != width || bufferHeight != height)
        emscripten_set_canvas_element_size(Canvas, width, height);
    ClientWidth = static_cast<uint32_t>(width);
    ClientHeight = static_cast<uint32_t>(height);
}

// A full screen the game asked for before the player touched the page (the saved setting at
// start) waits for the first key or click: browsers allow it only then.
void EnterWantedFullscreen()
{
    if (!WantFullscreen) return;
    EmscriptenFullscreenChangeEvent status;
    if (emscripten_get_fullscreen_status(&status) == EMSCRIPTEN_RESULT_SUCCESS &&
        status.isFullscreen)
        return;
    EM_ASM({
        const page = document.documentElement;
        const allowed = !navigator.userActivation || navigator.userActivation.isActive;
        if (allowed && page.requestFullscreen) page.requestFullscreen().catch(function() {});
    });
}

EM_BOOL OnKey(int eventType, const EmscriptenKeyboardEvent* event, void*)
{
    const uint32_t key = TranslateWebKey(event->code, event->key);
    const bool down = eventType == EMSCRIPTEN_EVENT_KEYDOWN;
    if (down) EnterWantedFullscreen();
    Deliver({down ? WINDOW_MESSAGE_KEY_DOWN : WINDOW_MESSAGE_KEY_UP, key, 0, 0});
    // The game's keys are the game's (Space must not scroll, F11 is the game's full screen);
    // the browser keeps the others (F5, F12) and every key the game has no use for.
    const bool browserKey =
        key == UnknownKey || (key >= KEY_F1 && key <= KEY_F12 && key != KEY_F11 && key != KEY_F4);
    return browserKey ? EM_FALSE : EM_TRUE;
}

int TranslateButton(unsigned short button)
{
    switch (button)
    {
    case 0:
        return 0; // left
    case 2:
        return 1; // right
    case 1:
        return 2; // middle
    default:
        return -1;
    }
}

EM_BOOL OnMouseButton(int eventType, const EmscriptenMouseEvent* event, void*)
{
    const int button = TranslateButton(event->button);
    const bool down = eventType == EMSCRIPTEN_EVENT_MOUSEDOWN;
    if (down) EnterWantedFullscreen();
    if (button >= 0)
        Deliver({down ? WINDOW_MESSAGE_MOUSE_DOWN : WINDOW_MESSAGE_MOUSE_UP, 0, button, 0});
    return EM_TRUE;
}

EM_BOOL OnMouseMove(int, const EmscriptenMouseEvent* event, void*)
{
    const double ratio = emscripten_get_device_pixel_ratio();
    CursorX = static_cast<float>(event->targetX * ratio);
    CursorY = static_cast<float>(event->targetY * ratio);
    return EM_FALSE;
}

EM_BOOL OnWheel(int, const EmscriptenWheelEvent* event, void*)
{
    // A notch is 100 pixels in Chromium and Firefox, or 3 lines.
    double notches = -event->deltaY / 100.0;
    if (event->deltaMode == DOM_DELTA_LINE) notches = -event->deltaY / 3.0;
    if (event->deltaMode == DOM_DELTA_PAGE) notches = -event->deltaY;
    Deliver({WINDOW_MESSAGE_MOUSE_WHEEL, 0, 0, static_cast<float>(notches)});
    return EM_TRUE;
}

EM_BOOL OnVisibility(int, const EmscriptenVisibilityChangeEvent* event, void*)
{
    TabHidden = event->hidden != 0;
    if (TabHidden) HiddenSinceLastPump = true;
    return EM_FALSE;
}

// The player left full screen the browser's way (Escape): the game does not take it back at
// the next key.
EM_BOOL OnFullscreenChange(int, const EmscriptenFullscreenChangeEvent* event, void*)
{
    if (!event->isFullscreen) WantFullscreen = false;
    return EM_FALSE;
}

EM_BOOL OnFocus(int eventType, const EmscriptenFocusEvent*, void*)
{
    PageFocused = eventType == EMSCRIPTEN_EVENT_FOCUS;
    return EM_FALSE;
}

// The standard mapping's buttons, in the layout of an XInput pad.
constexpr struct
{
    int button;
    uint16_t bit;
} ButtonBits[] = {
    {0, PAD_A},
    {1, PAD_B},
    {2, PAD_X},
    {3, PAD_Y},
    {4, PAD_LEFT_SHOULDER},
    {5, PAD_RIGHT_SHOULDER},
    {8, PAD_BACK},
    {9, PAD_START},
    {10, PAD_LEFT_THUMB},
    {11, PAD_RIGHT_THUMB},
    {12, PAD_DPAD_UP},
    {13, PAD_DPAD_DOWN},
    {14, PAD_DPAD_LEFT},
    {15, PAD_DPAD_RIGHT},
};

// Presses and releases that take a slot's buttons from what its messages left to `buttons`.
void SendPadButtons(int slot, uint16_t buttons)
{
    for (const auto& b : ButtonBits)
        if ((PadHeld[slot] ^ buttons) & b.bit)
            Deliver({buttons & b.bit ? WINDOW_MESSAGE_PAD_BUTTON_DOWN : WINDOW_MESSAGE_PAD_BUTTON_UP,
                     b.bit, slot, 0});
    PadHeld[slot] = buttons;
}

// The browser has no button events, only a reading: a press and release between two frames
// is not seen, a press held into the next pump is, as a message like any other back end's.
void ReadPads()
{
    if (!PadsReady || emscripten_sample_gamepad_data() != EMSCRIPTEN_RESULT_SUCCESS) return;
    const int count = emscripten_get_num_gamepads();
    EmscriptenGamepadEvent state[PadCount];
    bool seen[PadCount] = {};
    // A pad gone (or no longer with the standard mapping) lets go of everything it held.
    for (int slot = 0; slot < PadCount; ++slot)
    {
        const long source = PadSource[slot];
        // Only the standard mapping says which button is which.
        seen[slot] = source >= 0 && source < count &&
                     emscripten_get_gamepad_status(static_cast<int>(source), &state[slot]) ==
                         EMSCRIPTEN_RESULT_SUCCESS &&
                     state[slot].connected && std::strcmp(state[slot].mapping, "standard") == 0;
        if (seen[slot]) continue;
        SendPadButtons(slot, 0);
        PadSource[slot] = -1;
    }
    // A new pad takes the first free slot; a fifth waits for one.
    for (int i = 0; i < count; ++i)
    {
        const bool placed = std::find(PadSource, PadSource + PadCount, i) != PadSource + PadCount;
        const auto free = std::find(PadSource, PadSource + PadCount, -1);
        if (placed || free == PadSource + PadCount) continue;
        const int slot = static_cast<int>(free - PadSource);
        if (emscripten_get_gamepad_status(i, &state[slot]) != EMSCRIPTEN_RESULT_SUCCESS ||
            !state[slot].connected || std::strcmp(state[slot].mapping, "standard") != 0)
            continue;
        PadSource[slot] = i;
        seen[slot] = true;
    }
    for (int slot = 0; slot < PadCount; ++slot)
    {
        if (!seen[slot]) continue;
        PadState[slot] = state[slot];
        uint16_t buttons = 0;
        for (const auto& b : ButtonBits)
            if (b.button < state[slot].numButtons && state[slot].digitalButton[b.button])
                buttons |= b.bit;
        SendPadButtons(slot, buttons);
    }
}
} // namespace

bool PlatformInit()
{
    PadsReady = emscripten_sample_gamepad_data() == EMSCRIPTEN_RESULT_SUCCESS;
    return true;
}

void PlatformShutdown()
{
    for (int slot = 0; slot < PadCount; ++slot)
    {
        PadSource[slot] = -1;
        PadHeld[slot] = 0;
    }
}

bool PlatformAcquireInstanceLock(const char*)
{
    return true;
}
void PlatformReleaseInstanceLock() {}

int64_t PlatformPerformanceCounter()
{
    return static_cast<int64_t>(emscripten_get_now() * 1000.0);
}

int64_t PlatformPerformanceFrequency()
{
    return 1000000;
}

void PlatformSleep(double) {}
void PlatformLowerThreadPriority() {}
// The browser does not say how much processor time the page has used.
double PlatformThreadCpuSeconds()
{
    return 0.0;
}

bool PlatformCreateWindow(const char* title, int, int, uint32_t, uint32_t,
                          WindowProcedure procedure)
{
    emscripten_set_window_title(title);
    Procedure = procedure;
    const char* window = EMSCRIPTEN_EVENT_TARGET_WINDOW;
    emscripten_set_keydown_callback(window, nullptr, EM_TRUE, OnKey);
    emscripten_set_keyup_callback(window, nullptr, EM_TRUE, OnKey);
    emscripten_set_mousedown_callback(Canvas, nullptr, EM_TRUE, OnMouseButton);
    // A button let go outside the canvas still ends its press.
    emscripten_set_mouseup_callback(window, nullptr, EM_TRUE, OnMouseButton);
    emscripten_set_mousemove_callback(Canvas, nullptr, EM_TRUE, OnMouseMove);
    emscripten_set_wheel_callback(Canvas, nullptr, EM_TRUE, OnWheel);
    emscripten_set_visibilitychange_callback(nullptr, EM_TRUE, OnVisibility);
    emscripten_set_fullscreenchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, nullptr, EM_TRUE,
                                             OnFullscreenChange);
    emscripten_set_focus_callback(window, nullptr, EM_TRUE, OnFocus);
    emscripten_set_blur_callback(window, nullptr, EM_TRUE, OnFocus);
    // The page's context menu would steal the right button.
    EM_ASM({ Module["canvas"].addEventListener("contextmenu", function(e) { e.preventDefault(); }); });
    EmscriptenVisibilityChangeEvent visibility;
    if (emscripten_get_visibility_status(&visibility) == EMSCRIPTEN_RESULT_SUCCESS)
        TabHidden = visibility.hidden != 0;
    PageFocused = EM_ASM_INT({ return document.hasFocus() ? 1 : 0; }) != 0;
    FollowCanvasSize();
    WindowMade = true;
    return true;
}

void PlatformDestroyWindow()
{
    emscripten_html5_remove_all_event_listeners();
    Procedure = nullptr;
    WindowMade = false;
}

void PlatformPumpMessages()
{
    // Messages arrive between frames, as the browser hands the page its events; here the
    // frame takes the state they left.
    Minimised = TabHidden || HiddenSinceLastPump;
    HiddenSinceLastPump = false;
    FollowCanvasSize();
    ReadPads();
}

void PlatformGetClientSize(uint32_t* width, uint32_t* height)
{
    *width = ClientWidth;
    *height = ClientHeight;
}

// The page decides the canvas's size: it fills the browser's window or the screen.
void PlatformSetClientSize(uint32_t, uint32_t) {}
void PlatformGetWindowPosition(int* left, int* top)
{
    *left = *top = 0;
}
void PlatformSetWindowPosition(int, int) {}

void PlatformSetBorderlessFullscreen(bool on)
{
    WantFullscreen = on;
    if (on)
    {
        EnterWantedFullscreen();
        return;
    }
    EM_ASM({
        if (document.fullscreenElement) document.exitFullscreen().catch(function() {});
    });
}

void PlatformGetScreenSize(uint32_t* width, uint32_t* height)
{
    const double ratio = emscripten_get_device_pixel_ratio();
    *width = static_cast<uint32_t>(EM_ASM_INT({ return screen.width; }) * ratio);
    *height = static_cast<uint32_t>(EM_ASM_INT({ return screen.height; }) * ratio);
}

bool PlatformWindowHasFocus()
{
    return WindowMade && PageFocused && !Minimised;
}
bool PlatformWindowIsMinimised()
{
    return WindowMade && Minimised;
}
// A page cannot hide its tab.
void PlatformMinimiseWindow() {}
// The page's icon is its own (index.html).
void PlatformSetWindowIcon(const uint8_t*, int, int) {}

void PlatformGetCursorPosition(float* x, float* y)
{
    *x = CursorX;
    *y = CursorY;
}

void PlatformShowMessageBox(const char* caption, const char* text, MessageBoxStyle style)
{
    if (BoxHandler)
    {
        BoxHandler(caption, text, style);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", caption, text);
}

void PlatformSetMessageBoxHandler(MessageBoxHandler handler)
{
    BoxHandler = handler;
}

void PlatformDebugOutput(const char* text)
{
    std::fputs(text, stderr);
}

bool PlatformCreateGLContext()
{
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.majorVersion = 2;
    attributes.minorVersion = 0;
    attributes.alpha = EM_FALSE;
    attributes.depth = EM_TRUE;
    attributes.stencil = EM_FALSE;
    attributes.antialias = EM_FALSE;
    attributes.premultipliedAlpha = EM_FALSE;
    GLContext = emscripten_webgl_create_context(Canvas, &attributes);
    if (GLContext <= 0) return false;
    return emscripten_webgl_make_context_current(GLContext) == EMSCRIPTEN_RESULT_SUCCESS;
}

void PlatformDestroyGLContext()
{
    if (GLContext > 0) emscripten_webgl_destroy_context(GLContext);
    GLContext = 0;
}

// The browser shows the frame once the animation frame's work returns.
void PlatformSwapBuffers() {}

bool PlatformReadGamepad(int index, GamepadReading* reading)
{
    if (index < 0 || index >= PadCount || PadSource[index] < 0) return false;
    const EmscriptenGamepadEvent& pad = PadState[index];
    // The buttons came as messages.
    GamepadReading r = {};
    auto trigger = [&pad](int button)
    {
        const double v = button < pad.numButtons ? pad.analogButton[button] : 0.0;
        return static_cast<uint8_t>(std::lround(std::fmin(std::fmax(v, 0.0), 1.0) * 255.0));
    };
    // The Gamepad API's stick y grows downwards, XInput's upwards.
    auto axis = [&pad](int index, double sign)
    {
        const double v = index < pad.numAxes ? pad.axis[index] * sign : 0.0;
        return static_cast<int16_t>(std::lround(std::fmin(std::fmax(v, -1.0), 1.0) * 32767.0));
    };
    r.leftTrigger = trigger(6);
    r.rightTrigger = trigger(7);
    r.leftStickX = axis(0, 1.0);
    r.leftStickY = axis(1, -1.0);
    r.rightStickX = axis(2, 1.0);
    r.rightStickY = axis(3, -1.0);
    *reading = r;
    return true;
}

// The Gamepad API's rumble is not everywhere; the game plays the same without it.
void PlatformSetGamepadVibration(int, uint16_t, uint16_t) {}
