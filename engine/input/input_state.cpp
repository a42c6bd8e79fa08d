// input_state.cpp: frame states of keys, buttons, the cursor and the gamepads.
#include "engine/input/input_state.h"

#include "engine/system/frame_controller.h"
#include "engine/system/window.h"

#include <algorithm>
#include <cmath>
#include <cstring>

uint8_t KeyState[256];
uint8_t KeyPrevious[256];
uint8_t MouseButtonState[3];
uint8_t MouseButtonPrevious[3];
Vec2 MousePosition;
Vec2 MouseDelta;
bool MouseInWindow = false;
float MouseWheel = 0.0f;
GamepadState Gamepads[GamepadCount];
GamepadState GamepadsPrevious[GamepadCount];
int ActiveGamepad = -1;

// Presses recorded since the last update, and taps shown at the last update whose release is
// still to be shown: a press and release between two updates is seen, one frame late.
static uint8_t KeyPressed[256];
static uint8_t KeyTapShown[256];
static uint8_t MouseButtonPressed[3];
static uint8_t MouseButtonTapShown[3];
// Modifiers held at the last update and let go after a newer press: Ctrl let go right after the
// Q of a quick Ctrl+Q. They are shown held once more, so that the chord is seen whole; other
// keys (a run key rolled over to the other) are let go at once, as always.
static uint8_t KeyReleasedLate[256];
static bool PressSinceUpdate = false;
static float RawWheel = 0.0f;
static Vec2 PreviousMousePosition;
static double GamepadPollTimer = 0.0;
static bool CursorOverridden = false;
static float CursorOverrideX = 0.0f, CursorOverrideY = 0.0f;

void SetCursorOverride(bool on, float x, float y)
{
    CursorOverridden = on;
    CursorOverrideX = x;
    CursorOverrideY = y;
}

// A down on a key that is up (or shown down only by a tap) is a new press; keyboard repeats are not.
static void RecordDown(uint8_t* state, uint8_t* pressed, const uint8_t* tapShown,
                       uint8_t* releasedLate, int k)
{
    if (releasedLate) releasedLate[k] = 0;
    if (state[k] == 0 || tapShown[k])
    {
        pressed[k] = 1;
        PressSinceUpdate = true;
    }
    state[k] = 1;
}

static void RecordUp(uint8_t* state, const uint8_t* previous, const uint8_t* pressed,
                     uint8_t* releasedLate, int k)
{
    if (PressSinceUpdate && previous[k] != 0 && !pressed[k])
        releasedLate[k] = 1;
    else
        state[k] = 0;
}

void RecordKeyDown(uint32_t key)
{
    if (key == KEY_MENU)
        RecordDown(KeyState, KeyPressed, KeyTapShown, KeyReleasedLate, KEY_ALT);
    else if (key < 256)
        RecordDown(KeyState, KeyPressed, KeyTapShown, KeyReleasedLate, static_cast<int>(key));
}

void RecordKeyUp(uint32_t key)
{
    if (key == KEY_MENU || key == KEY_CONTROL || key == KEY_SHIFT)
        RecordUp(KeyState, KeyPrevious, KeyPressed, KeyReleasedLate,
                 key == KEY_MENU ? static_cast<int>(KEY_ALT) : static_cast<int>(key));
    else if (key < 256)
        KeyState[key] = 0;
}

void RecordMouseButton(int button, bool down)
{
    if (button < 0 || button >= 3) return;
    if (down)
        RecordDown(MouseButtonState, MouseButtonPressed, MouseButtonTapShown, nullptr, button);
    else
        MouseButtonState[button] = 0;
}

void RecordMouseWheel(float notches) { RawWheel = notches; }

static bool PadOverridden = false;
static bool OverridePadPlugged = false;
static GamepadReading OverridePad = {};

void SetPadOverride(bool on, const GamepadReading* reading)
{
    PadOverridden = on;
    OverridePadPlugged = on && reading;
    OverridePad = OverridePadPlugged ? *reading : GamepadReading();
}

// Pad `index` as the platform reads it, or as the override holds it.
static void ReadGamepad(int index)
{
    GamepadReading reading = {};
    if (PadOverridden)
    {
        Gamepads[index].connected = index == 0 && OverridePadPlugged;
        reading = OverridePad;
    }
    else
        Gamepads[index].connected = PlatformReadGamepad(index, &reading);
    if (Gamepads[index].connected) Gamepads[index].pad = reading;
}

static void PollGamepads()
{
    for (int i = 0; i < GamepadCount; ++i) ReadGamepad(i);
}

void ResetInput()
{
    for (int i = 0; i < GamepadCount; ++i)
    {
        if (!Gamepads[i].connected) continue;
        Gamepads[i].leftVibration = Gamepads[i].rightVibration = 0;
        PlatformSetGamepadVibration(i, 0, 0);
    }
    for (int i = 0; i < GamepadCount; ++i) Gamepads[i] = GamepadsPrevious[i] = GamepadState();
    PollGamepads();
    GamepadPollTimer = 0.0;
    ActiveGamepad = -1;
}

void InitInput()
{
    std::memset(KeyState, 0, sizeof(KeyState));
    std::memset(KeyPrevious, 0, sizeof(KeyPrevious));
    std::memset(MouseButtonState, 0, sizeof(MouseButtonState));
    std::memset(MouseButtonPrevious, 0, sizeof(MouseButtonPrevious));
    std::memset(KeyPressed, 0, sizeof(KeyPressed));
    std::memset(KeyTapShown, 0, sizeof(KeyTapShown));
    std::memset(MouseButtonPressed, 0, sizeof(MouseButtonPressed));
    std::memset(MouseButtonTapShown, 0, sizeof(MouseButtonTapShown));
    std::memset(KeyReleasedLate, 0, sizeof(KeyReleasedLate));
    PressSinceUpdate = false;
    RawWheel = MouseWheel = 0.0f;
    ResetInput();
}

Vec2 ShapeStick(int16_t x, int16_t y, float deadZone)
{
    Vec2 v = {static_cast<float>(x), static_cast<float>(y)};
    float magnitude = std::sqrt(v.x * v.x + v.y * v.y);
    if (magnitude <= deadZone) return {0.0f, 0.0f};
    Vec2 direction = Vec2Normalize(v);
    float amount = (std::min(magnitude, 32767.0f) - deadZone) / (32767.0f - deadZone);
    return {direction.x * amount, direction.y * amount};
}

float ShapeTrigger(uint8_t value)
{
    if (value < TriggerThreshold) return 0.0f;
    return static_cast<float>(value - TriggerThreshold) / (255.0f - TriggerThreshold);
}

static void UpdateGamepads()
{
    for (int i = 0; i < GamepadCount; ++i) GamepadsPrevious[i] = Gamepads[i];
    GamepadPollTimer += FrameTime;
    if (GamepadPollTimer >= GamepadPollInterval)
    {
        PollGamepads();
        GamepadPollTimer -= GamepadPollInterval;
    }
    else
    {
        // Only pads known to be there are asked between the slow polls.
        for (int i = 0; i < GamepadCount; ++i)
            if (Gamepads[i].connected || PadOverridden) ReadGamepad(i);
    }
    for (GamepadState& g : Gamepads)
    {
        if (!g.connected) continue;
        g.leftStick = ShapeStick(g.pad.leftStickX, g.pad.leftStickY, LeftStickDeadZone);
        g.rightStick = ShapeStick(g.pad.rightStickX, g.pad.rightStickY, RightStickDeadZone);
        g.leftTrigger = ShapeTrigger(g.pad.leftTrigger);
        g.rightTrigger = ShapeTrigger(g.pad.rightTrigger);
    }
}

// A button down, or a stick or trigger outside its dead zone.
static bool InUse(const GamepadState& g)
{
    return g.connected && (g.pad.buttons != 0 || g.leftStick.x != 0.0f || g.leftStick.y != 0.0f ||
                           g.rightStick.x != 0.0f || g.rightStick.y != 0.0f ||
                           g.leftTrigger != 0.0f || g.rightTrigger != 0.0f);
}

// The pad newly put to use takes over; a drifting stick that never rests steals nothing.
static void ChooseActiveGamepad()
{
    if (ActiveGamepad >= 0 && !Gamepads[ActiveGamepad].connected) ActiveGamepad = -1;
    for (int i = 0; i < GamepadCount; ++i)
    {
        const bool newlyUsed = InUse(Gamepads[i]) && !InUse(GamepadsPrevious[i]);
        const uint16_t pressed = Gamepads[i].pad.buttons & ~GamepadsPrevious[i].pad.buttons;
        if (Gamepads[i].connected && (newlyUsed || pressed != 0)) ActiveGamepad = i;
    }
}

const GamepadState* ActivePad()
{
    return ActiveGamepad >= 0 ? &Gamepads[ActiveGamepad] : nullptr;
}

const GamepadState* ActivePadPrevious()
{
    return ActiveGamepad >= 0 ? &GamepadsPrevious[ActiveGamepad] : nullptr;
}

bool IsPadButtonDown(uint16_t buttons)
{
    const GamepadState* pad = ActivePad();
    return pad && (pad->pad.buttons & buttons) != 0;
}

bool IsPadButtonTriggered(uint16_t buttons)
{
    const GamepadState* pad = ActivePad();
    return pad && (pad->pad.buttons & ~ActivePadPrevious()->pad.buttons & buttons) != 0;
}

// A tap (pressed and already released) is triggered now and up at the next update; a key
// shown by a tap and pressed again since is a new press. A late release (1: let go since the
// last update, still shown held now; 2: shown held at the last update) is up at the next one;
// null where nothing is released late.
static void StepFrameStates(uint8_t* state, uint8_t* previous, uint8_t* pressed,
                            uint8_t* tapShown, uint8_t* releasedLate, int count)
{
    for (int k = 0; k < count; ++k)
    {
        const bool wasTap = tapShown[k] != 0;
        if (wasTap && !pressed[k]) state[k] = 0;
        if (releasedLate)
        {
            if (releasedLate[k] == 2 && !pressed[k]) state[k] = 0;
            releasedLate[k] = releasedLate[k] == 1 ? 2 : 0;
        }
        tapShown[k] = state[k] == 0 && pressed[k];
        if (tapShown[k])
            state[k] = KEY_TRIGGERED_STATE;
        else if (state[k] != 0)
            state[k] = previous[k] != 0 && !wasTap ? KEY_HELD_STATE : KEY_TRIGGERED_STATE;
        previous[k] = state[k];
        pressed[k] = 0;
    }
}

void UpdateInput()
{
    const float w = static_cast<float>(WindowWidth);
    const float h = static_cast<float>(WindowHeight);
    float cx = 0.0f, cy = 0.0f;
    PlatformGetCursorPosition(&cx, &cy);
    if (CursorOverridden)
    {
        cx = w * 0.5f + CursorOverrideX;
        cy = h * 0.5f - CursorOverrideY;
    }
    MouseInWindow = cx >= 0.0f && cx <= w && cy >= 0.0f && cy <= h;

    MouseWheel = RawWheel;
    RawWheel = 0.0f;

    MousePosition = {cx - w * 0.5f, h * 0.5f - cy};
    MouseDelta = {MousePosition.x - PreviousMousePosition.x,
                  MousePosition.y - PreviousMousePosition.y};
    PreviousMousePosition = MousePosition;

    StepFrameStates(KeyState, KeyPrevious, KeyPressed, KeyTapShown, KeyReleasedLate, 256);
    StepFrameStates(MouseButtonState, MouseButtonPrevious, MouseButtonPressed, MouseButtonTapShown,
                    nullptr, 3);
    PressSinceUpdate = false;
    UpdateGamepads();
    ChooseActiveGamepad();
}
