// platform_scripted.cpp: the platform with no operating system behind it.
//
// Implements: clock (virtual; sleeping moves it on at once), window (a record), message pump
// (scripted messages), cursor, focus and minimised state (both as the test sets them), screen
// size, message boxes (captured), game controllers (scripted readings, their buttons as
// messages), instance lock (a flag), worker priority (lowered for real, as the game's), OpenGL
// (refused, so that the renderer runs headless, unless a program lends a context:
// ScriptedUseGLContext). Not implemented: window icons (ignored).
#include "engine/platform/platform_scripted.h"

#include <cstdio>
#include <deque>

#if defined(__linux__)
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#elif defined(_WIN32)
#include <windows.h>
#endif

namespace
{
constexpr int64_t ClockFrequency = 1000000000; // nanosecond ticks
constexpr int PadCount = 4;

struct ScriptedPad
{
    bool connected;
    GamepadReading reading;
    uint32_t reads;
    uint16_t vibrationLeft, vibrationRight;
};

struct ScriptedMachine
{
    int64_t clockTicks = 0;
    int64_t ticksPerRead = ClockFrequency / 100000;
    int64_t sleptTicks = 0;
    int64_t lateTicks = 0;
    ScriptedFrameHook hook = nullptr;
    void* hookUser = nullptr;
    uint32_t pumps = 0;
    std::deque<WindowMessage> queue;
    WindowProcedure procedure = nullptr;
    float cursorX = 0, cursorY = 0;
    uint32_t screenWidth = 1920, screenHeight = 1080;
    ScriptedWindowRecord window = {};
    std::vector<ScriptedMessageBox> boxes;
    MessageBoxHandler boxHandler = nullptr;
    ScriptedPad pads[PadCount] = {};
    bool otherInstance = false;
    bool lockHeld = false;
};

ScriptedMachine Machine;
} // namespace

void ScriptedReset() { Machine = ScriptedMachine(); }

void ScriptedAdvanceClock(double seconds)
{
    Machine.clockTicks += static_cast<int64_t>(seconds * ClockFrequency + 0.5);
}

double ScriptedClockSeconds() { return static_cast<double>(Machine.clockTicks) / ClockFrequency; }

double ScriptedSleptSeconds() { return static_cast<double>(Machine.sleptTicks) / ClockFrequency; }

void ScriptedSetSleepLateness(double seconds)
{
    Machine.lateTicks = static_cast<int64_t>(seconds * ClockFrequency + 0.5);
}

void ScriptedSetClockStepPerRead(double seconds)
{
    Machine.ticksPerRead = static_cast<int64_t>(seconds * ClockFrequency + 0.5);
}

void ScriptedSetFrameHook(ScriptedFrameHook hook, void* user)
{
    Machine.hook = hook;
    Machine.hookUser = user;
}

void ScriptedQueueMessage(const WindowMessage& message) { Machine.queue.push_back(message); }

void ScriptedKeyDown(uint32_t key) { ScriptedQueueMessage({WINDOW_MESSAGE_KEY_DOWN, key, 0, 0}); }
void ScriptedKeyUp(uint32_t key) { ScriptedQueueMessage({WINDOW_MESSAGE_KEY_UP, key, 0, 0}); }

void ScriptedMouseButton(int button, bool down)
{
    ScriptedQueueMessage(
        {down ? WINDOW_MESSAGE_MOUSE_DOWN : WINDOW_MESSAGE_MOUSE_UP, 0, button, 0});
}

void ScriptedMouseWheel(float notches)
{
    ScriptedQueueMessage({WINDOW_MESSAGE_MOUSE_WHEEL, 0, 0, notches});
}

void ScriptedCloseWindow() { ScriptedQueueMessage({WINDOW_MESSAGE_DESTROY, 0, 0, 0}); }

void ScriptedSetCursor(float x, float y)
{
    Machine.cursorX = x;
    Machine.cursorY = y;
}

void ScriptedSetFocus(bool focused) { Machine.window.focused = focused; }
void ScriptedSetMinimised(bool minimised) { Machine.window.minimised = minimised; }

void ScriptedSetScreenSize(uint32_t width, uint32_t height)
{
    Machine.screenWidth = width;
    Machine.screenHeight = height;
}

const ScriptedWindowRecord& ScriptedWindow() { return Machine.window; }

void ScriptedSetOtherInstanceRunning(bool running) { Machine.otherInstance = running; }

const std::vector<ScriptedMessageBox>& ScriptedMessageBoxes() { return Machine.boxes; }

void ScriptedPadButton(int index, uint16_t button, bool down)
{
    if (index < 0 || index >= PadCount) return;
    ScriptedPad& pad = Machine.pads[index];
    pad.reading.buttons = down ? (pad.reading.buttons | button) : (pad.reading.buttons & ~button);
    ScriptedQueueMessage({down ? WINDOW_MESSAGE_PAD_BUTTON_DOWN : WINDOW_MESSAGE_PAD_BUTTON_UP,
                          button, index, 0});
}

void ScriptedSetGamepad(int index, const GamepadReading* reading)
{
    if (index < 0 || index >= PadCount) return;
    ScriptedPad& pad = Machine.pads[index];
    const uint16_t was = pad.connected ? pad.reading.buttons : 0;
    const uint16_t now = reading ? reading->buttons : 0;
    pad.connected = reading != nullptr;
    pad.reading = reading ? *reading : GamepadReading{};
    if (!reading) return; // an unplugged pad says nothing more
    pad.reading.buttons = was;
    for (uint16_t bit = 1; bit != 0; bit = static_cast<uint16_t>(bit << 1))
        if ((was ^ now) & bit) ScriptedPadButton(index, bit, (now & bit) != 0);
}

uint32_t ScriptedGamepadReads(int index)
{
    return (index >= 0 && index < PadCount) ? Machine.pads[index].reads : 0;
}

void ScriptedGamepadVibration(int index, uint16_t* left, uint16_t* right)
{
    if (index < 0 || index >= PadCount) return;
    *left = Machine.pads[index].vibrationLeft;
    *right = Machine.pads[index].vibrationRight;
}

bool PlatformInit() { return true; }
void PlatformShutdown() {}

bool PlatformAcquireInstanceLock(const char*)
{
    if (Machine.otherInstance) return false;
    Machine.lockHeld = true;
    return true;
}

void PlatformReleaseInstanceLock() { Machine.lockHeld = false; }

int64_t PlatformPerformanceCounter()
{
    Machine.clockTicks += Machine.ticksPerRead;
    return Machine.clockTicks;
}

int64_t PlatformPerformanceFrequency() { return ClockFrequency; }

void PlatformSleep(double seconds)
{
    if (seconds <= 0.0) return;
    const int64_t ticks = static_cast<int64_t>(seconds * ClockFrequency + 0.5) + Machine.lateTicks;
    Machine.clockTicks += ticks;
    Machine.sleptTicks += ticks;
}

// The decoding workers are real threads even here: they yield as the game's do, so that a
// load timed headless sees the game's scheduling.
void PlatformLowerThreadPriority()
{
#if defined(__linux__)
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 19);
#elif defined(_WIN32)
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_LOWEST); // as SDL's lowest
#endif
}

// The machine's one thread works whenever it is not asleep.
double PlatformThreadCpuSeconds()
{
    return static_cast<double>(Machine.clockTicks - Machine.sleptTicks) / ClockFrequency;
}

bool PlatformCreateWindow(const char*, int left, int top, uint32_t clientWidth,
                          uint32_t clientHeight, WindowProcedure procedure)
{
    ScriptedWindowRecord& w = Machine.window;
    w.exists = true;
    w.left = left;
    w.top = top;
    w.clientWidth = clientWidth;
    w.clientHeight = clientHeight;
    w.fullscreen = false;
    w.focused = true;
    w.minimised = false;
    Machine.procedure = procedure;
    return true;
}

void PlatformDestroyWindow()
{
    Machine.window.exists = false;
    Machine.procedure = nullptr;
}

void PlatformPumpMessages()
{
    uint32_t pump = Machine.pumps++;
    if (Machine.hook) Machine.hook(pump, Machine.hookUser);
    while (!Machine.queue.empty())
    {
        WindowMessage message = Machine.queue.front();
        Machine.queue.pop_front();
        if (Machine.procedure) Machine.procedure(message);
    }
}

void PlatformGetClientSize(uint32_t* width, uint32_t* height)
{
    *width = Machine.window.clientWidth;
    *height = Machine.window.clientHeight;
}

void PlatformSetClientSize(uint32_t width, uint32_t height)
{
    Machine.window.clientWidth = width;
    Machine.window.clientHeight = height;
    Machine.window.sizeChanges++;
}

void PlatformGetWindowPosition(int* left, int* top)
{
    *left = Machine.window.left;
    *top = Machine.window.top;
}

void PlatformSetWindowPosition(int left, int top)
{
    Machine.window.left = left;
    Machine.window.top = top;
    Machine.window.moves++;
}

void PlatformSetBorderlessFullscreen(bool on)
{
    ScriptedWindowRecord& w = Machine.window;
    w.fullscreen = on;
    if (on)
    {
        w.left = 0;
        w.top = 0;
        w.clientWidth = Machine.screenWidth;
        w.clientHeight = Machine.screenHeight;
    }
}

void PlatformGetScreenSize(uint32_t* width, uint32_t* height)
{
    *width = Machine.screenWidth;
    *height = Machine.screenHeight;
}

bool PlatformWindowHasFocus() { return Machine.window.exists && Machine.window.focused; }
bool PlatformWindowIsMinimised() { return Machine.window.minimised; }

void PlatformMinimiseWindow() { Machine.window.minimiseRequests++; }

void PlatformSetWindowIcon(const uint8_t*, int, int) {}

void PlatformGetCursorPosition(float* x, float* y)
{
    *x = Machine.cursorX;
    *y = Machine.cursorY;
}

void PlatformShowMessageBox(const char* caption, const char* text, MessageBoxStyle style)
{
    if (Machine.boxHandler)
    {
        Machine.boxHandler(caption, text, style);
        return;
    }
    Machine.boxes.push_back({caption ? caption : "", text ? text : "", style});
}

void PlatformSetMessageBoxHandler(MessageBoxHandler handler) { Machine.boxHandler = handler; }

void PlatformDebugOutput(const char* text) { std::fputs(text, stderr); }

// Kept apart from the machine so that a reset leaves a program's picture window in place.
static const ScriptedGLContext* GLContext = nullptr;

void ScriptedUseGLContext(const ScriptedGLContext* context) { GLContext = context; }

bool PlatformCreateGLContext() { return GLContext && GLContext->create(); }

void PlatformDestroyGLContext()
{
    if (GLContext) GLContext->destroy();
}

void PlatformSwapBuffers()
{
    if (GLContext) GLContext->swap();
}

bool PlatformReadGamepad(int index, GamepadReading* reading)
{
    if (index < 0 || index >= PadCount) return false;
    ScriptedPad& pad = Machine.pads[index];
    pad.reads++;
    if (!pad.connected) return false;
    *reading = pad.reading;
    reading->buttons = 0; // they come as messages
    return true;
}

void PlatformSetGamepadVibration(int index, uint16_t left, uint16_t right)
{
    if (index < 0 || index >= PadCount) return;
    Machine.pads[index].vibrationLeft = left;
    Machine.pads[index].vibrationRight = right;
}
