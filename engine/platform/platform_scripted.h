// platform_scripted.h: the controls of the scripted back end, for tests.
//
// The scripted back end has no window system. Its clock is virtual: it moves only when a test
// advances it, plus a small fixed step on every read so that the frame limiter's spin ends;
// PlatformSleep moves it on by the time asked for, at once.
// Its window is a record: creation, resizing, moving and full screen only change fields that
// a test reads back. A minimise request is only counted: whether the window minimises is the
// test's to say (ScriptedSetMinimised), as a window manager may honour the request or not (a
// bare X server, i3 or sway never do). Messages are queued by the test, either up front or from a
// frame hook that runs at the start of every message pump, and reach the window procedure in
// that pump. Message boxes are captured as text.
#pragma once

#include "engine/platform/platform.h"

#include <string>
#include <vector>

struct ScriptedWindowRecord
{
    bool exists;
    int left, top;
    uint32_t clientWidth, clientHeight;
    bool fullscreen;
    bool focused;
    bool minimised;            // ScriptedSetMinimised; a request alone changes nothing
    uint32_t minimiseRequests; // calls of PlatformMinimiseWindow
    uint32_t sizeChanges;      // calls of PlatformSetClientSize
    uint32_t moves;            // calls of PlatformSetWindowPosition
};

struct ScriptedMessageBox
{
    std::string caption;
    std::string text;
    MessageBoxStyle style;
};

// Called at the start of the pump with its number (0 for the first pump, so frame n's pump
// is n); messages queued from here are delivered in this pump.
using ScriptedFrameHook = void (*)(uint32_t pump, void* user);

// Back to a fresh machine: clock 0, no window, a 1920 x 1080 screen, nothing queued, no
// captured boxes, no pads, no hook, no other instance running. There is never a GL
// context: the renderer runs headless on this back end.
void ScriptedReset();

void ScriptedAdvanceClock(double seconds);
double ScriptedClockSeconds();
// How much of the clock's time went by in PlatformSleep.
double ScriptedSleptSeconds();
// Every sleep from now on wakes this many seconds late, as on a busy machine.
void ScriptedSetSleepLateness(double seconds);
// How far every clock read moves the clock (default 10 microseconds).
void ScriptedSetClockStepPerRead(double seconds);

void ScriptedSetFrameHook(ScriptedFrameHook hook, void* user);
void ScriptedQueueMessage(const WindowMessage& message);
void ScriptedKeyDown(uint32_t key);
void ScriptedKeyUp(uint32_t key);
void ScriptedMouseButton(int button, bool down);
void ScriptedMouseWheel(float notches);
// The window's close message, as its close box, the window manager or a signal to end gives it.
void ScriptedCloseWindow();
// Cursor in client pixels from the top-left corner.
void ScriptedSetCursor(float x, float y);

void ScriptedSetFocus(bool focused);
void ScriptedSetMinimised(bool minimised);
void ScriptedSetScreenSize(uint32_t width, uint32_t height);
const ScriptedWindowRecord& ScriptedWindow();
// Pretends another copy of the game holds the instance lock.
void ScriptedSetOtherInstanceRunning(bool running);

const std::vector<ScriptedMessageBox>& ScriptedMessageBoxes();

// An OpenGL context the scripted machine may use as its own (picture_window.h gives one):
// PlatformCreateGLContext, PlatformDestroyGLContext and PlatformSwapBuffers call these.
// Without one (the default) there is no GL and the renderer runs headless.
struct ScriptedGLContext
{
    bool (*create)();
    void (*destroy)();
    void (*swap)();
};
void ScriptedUseGLContext(const ScriptedGLContext* context);

// Plugs a pad into slot `index` with this reading, or unplugs it with null. Its buttons that
// changed are pressed or let go by pad button messages in the next pump.
void ScriptedSetGamepad(int index, const GamepadReading* reading);
// One button (a GamepadButton bit) of the pad in slot `index` pressed or let go, queued.
void ScriptedPadButton(int index, uint16_t button, bool down);
uint32_t ScriptedGamepadReads(int index);
void ScriptedGamepadVibration(int index, uint16_t* left, uint16_t* right);
