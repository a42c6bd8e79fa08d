// input_state.cpp: frame states of keys, buttons, the cursor and the gamepads.
#include "engine/input/input_state.h"

#include "engine/system/frame_controller.h"
#include "engine/system/window.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

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

namespace
{
constexpr int KEY_COUNT = 256;
constexpr int MOUSE_BUTTON_COUNT = 3;

// What a set of keys or buttons did since the last update.
template <int N> struct Transitions
{
    uint8_t down[N];     // down now
    uint8_t pressed[N];  // went down since the last update
    uint8_t lateUp[N];   // a modifier let go after a chord's key: shown held once more
    uint8_t deferred[N]; // went down after a late release: its events wait in PendingEvents
};
Transitions<KEY_COUNT> Keys;
Transitions<MOUSE_BUTTON_COUNT> MouseButtons;

struct PendingEvent
{
    bool mouse; // else a key
    int index;
    bool down;
};
std::vector<PendingEvent> PendingEvents; // for the window after the next update, in order
bool ChordKeyPressed = false;            // a key or mouse button went down since the last update
bool ModifierLetGoLate = false;          // and a modifier was let go after it

// The pads' buttons since the last update, from their messages.
uint16_t PadButtonsDown[GamepadCount];
uint16_t PadButtonsPressed[GamepadCount];
bool PadButtonMessage[GamepadCount]; // a message came: look at the pad at the next update

bool IsModifier(int key) { return key == KEY_CONTROL || key == KEY_ALT || key == KEY_SHIFT; }

template <int N> void Down(Transitions<N>& t, bool mouse, int k)
{
    if (t.deferred[k] || (ModifierLetGoLate && !t.down[k]))
    {
        t.deferred[k] = 1;
        PendingEvents.push_back({mouse, k, true});
        return;
    }
    // A repeat of a key already down is no press.
    if (!t.down[k])
    {
        t.pressed[k] = 1;
        ChordKeyPressed = true;
    }
    t.down[k] = 1;
}

template <int N> void Up(Transitions<N>& t, bool mouse, int k)
{
    if (t.deferred[k])
    {
        PendingEvents.push_back({mouse, k, false});
        return;
    }
    if (!t.down[k]) return;
    t.down[k] = 0;
    // Held since the last update, with a key pressed meanwhile: the chord is seen whole.
    if (!mouse && IsModifier(k) && !t.pressed[k] && ChordKeyPressed)
    {
        t.lateUp[k] = 1;
        ModifierLetGoLate = true;
    }
}

// Frame states from the transitions, which start again empty.
template <int N> void StepFrameStates(Transitions<N>& t, uint8_t* state, uint8_t* previous)
{
    for (int k = 0; k < N; ++k)
    {
        if (t.pressed[k])
            state[k] = KEY_TRIGGERED_STATE;
        else
            state[k] = t.down[k] || t.lateUp[k] ? KEY_HELD_STATE : KEY_UP_STATE;
        previous[k] = state[k];
        t.pressed[k] = t.lateUp[k] = t.deferred[k] = 0;
    }
}

void PadButtonEvent(int pad, uint16_t button, bool down)
{
    if (pad < 0 || pad >= GamepadCount) return;
    if (down)
    {
        PadButtonsPressed[pad] |= button & ~PadButtonsDown[pad];
        PadButtonsDown[pad] |= button;
    }
    else
        PadButtonsDown[pad] &= ~button;
    PadButtonMessage[pad] = true;
}

void ForgetPadButtons()
{
    for (int i = 0; i < GamepadCount; ++i)
        PadButtonsDown[i] = PadButtonsPressed[i] = 0;
}
} // namespace

static bool PadOverridden = false;
static bool OverridePadPlugged = false;
static GamepadReading OverridePad = {};
static float RawWheel = 0.0f;
static Vec2 PreviousMousePosition;
static bool MousePositionKnown = false;
static uint32_t PreviousWindowWidth = 0, PreviousWindowHeight = 0;
static int PreviousWindowLeft = 0, PreviousWindowTop = 0;
static double GamepadPollTimer = 0.0;
static int StickPushedFrames[GamepadCount];
static bool CursorOverridden = false;
static float CursorOverrideX = 0.0f, CursorOverrideY = 0.0f;

void SetCursorOverride(bool on, float x, float y)
{
    CursorOverridden = on;
    CursorOverrideX = x;
    CursorOverrideY = y;
}

void RecordKeyDown(uint32_t key)
{
    if (key == KEY_MENU) key = KEY_ALT;
    if (key < KEY_COUNT) Down(Keys, false, static_cast<int>(key));
}

void RecordKeyUp(uint32_t key)
{
    if (key == KEY_MENU) key = KEY_ALT;
    if (key < KEY_COUNT) Up(Keys, false, static_cast<int>(key));
}

void RecordMouseButton(int button, bool down)
{
    if (button < 0 || button >= MOUSE_BUTTON_COUNT) return;
    if (down)
        Down(MouseButtons, true, button);
    else
        Up(MouseButtons, true, button);
}

void RecordPadButton(int pad, uint16_t button, bool down)
{
    // While a recording's pad stands in, the pads really there are set aside.
    if (!PadOverridden) PadButtonEvent(pad, button, down);
}

void RecordMouseWheel(float notches) { RawWheel = notches; }

void SetPadOverride(bool on, const GamepadReading* reading)
{
    if (on != PadOverridden)
    {
        ForgetPadButtons();
        OverridePad = GamepadReading();
    }
    const uint16_t was = OverridePad.buttons;
    PadOverridden = on;
    OverridePadPlugged = on && reading;
    OverridePad = OverridePadPlugged ? *reading : GamepadReading();
    const uint16_t now = OverridePad.buttons;
    for (uint16_t bit = 1; bit != 0; bit = static_cast<uint16_t>(bit << 1))
        if ((was ^ now) & bit) PadButtonEvent(0, bit, (now & bit) != 0);
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
    PadButtonMessage[index] = false;
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
    for (int i = 0; i < GamepadCount; ++i)
    {
        Gamepads[i] = GamepadsPrevious[i] = GamepadState();
        StickPushedFrames[i] = 0;
    }
    ForgetPadButtons();
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
    Keys = {};
    MouseButtons = {};
    PendingEvents.clear();
    ChordKeyPressed = ModifierLetGoLate = false;
    RawWheel = MouseWheel = 0.0f;
    MousePositionKnown = false;
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

static bool TriggerFired(uint8_t value, bool firedBefore)
{
    return value >= TriggerFirePull || (firedBefore && value >= TriggerLetGoPull);
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
        // Only pads known to be there, or just heard from, are asked between the slow polls.
        for (int i = 0; i < GamepadCount; ++i)
            if (Gamepads[i].connected || PadOverridden || PadButtonMessage[i]) ReadGamepad(i);
    }
    for (int i = 0; i < GamepadCount; ++i)
    {
        GamepadState& g = Gamepads[i];
        if (!g.connected)
        {
            // Plugged in again, a pad starts with nothing held.
            PadButtonsDown[i] = PadButtonsPressed[i] = 0;
            g.buttonsPressed = 0;
            g.leftTriggerFired = g.rightTriggerFired = false;
            continue;
        }
        g.pad.buttons = PadButtonsDown[i] | PadButtonsPressed[i];
        g.buttonsPressed = PadButtonsPressed[i];
        PadButtonsPressed[i] = 0;
        g.leftStick = ShapeStick(g.pad.leftStickX, g.pad.leftStickY, LeftStickDeadZone);
        g.rightStick = ShapeStick(g.pad.rightStickX, g.pad.rightStickY, RightStickDeadZone);
        g.leftTrigger = ShapeTrigger(g.pad.leftTrigger);
        g.rightTrigger = ShapeTrigger(g.pad.rightTrigger);
        const GamepadState& before = GamepadsPrevious[i];
        g.leftTriggerFired = TriggerFired(g.pad.leftTrigger, before.leftTriggerFired);
        g.rightTriggerFired = TriggerFired(g.pad.rightTrigger, before.rightTriggerFired);
    }
}

// A button pressed or a trigger fired this frame.
static bool PressedNow(int i)
{
    const GamepadState& g = Gamepads[i];
    const GamepadState& before = GamepadsPrevious[i];
    return g.buttonsPressed != 0 || (g.leftTriggerFired && !before.leftTriggerFired) ||
           (g.rightTriggerFired && !before.rightTriggerFired);
}

// A stick outside its dead zone, or a trigger fired.
static bool InUse(const GamepadState& g)
{
    return g.connected && (g.leftStick.x != 0.0f || g.leftStick.y != 0.0f ||
                           g.rightStick.x != 0.0f || g.rightStick.y != 0.0f ||
                           g.leftTriggerFired || g.rightTriggerFired);
}

static bool StickPastTakeoverPush(const GamepadReading& pad)
{
    auto past = [](int16_t x, int16_t y) {
        constexpr float limit = PadTakeoverPush * 32767.0f;
        const float fx = x, fy = y;
        return fx * fx + fy * fy >= limit * limit;
    };
    return past(pad.leftStickX, pad.leftStickY) || past(pad.rightStickX, pad.rightStickY);
}

// With no pad driving, the first one put to use takes it; while one drives, another takes
// over only when used deliberately, so that a drifting stick on a pad lying idle steals
// nothing.
static void ChooseActiveGamepad()
{
    if (ActiveGamepad >= 0 && !Gamepads[ActiveGamepad].connected) ActiveGamepad = -1;
    for (int i = 0; i < GamepadCount; ++i)
    {
        const GamepadState& g = Gamepads[i];
        const bool pushed = g.connected && StickPastTakeoverPush(g.pad);
        StickPushedFrames[i] = pushed ? StickPushedFrames[i] + 1 : 0;
        if (!g.connected || i == ActiveGamepad) continue;
        const bool takesOver =
            ActiveGamepad < 0 ? PressedNow(i) || (InUse(g) && !InUse(GamepadsPrevious[i]))
                              : PressedNow(i) || StickPushedFrames[i] == PadTakeoverFrames;
        if (takesOver) ActiveGamepad = i;
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
    return pad && (pad->buttonsPressed & buttons) != 0;
}

// The cursor's change since the last update, or none where the window moved or changed its
// size meanwhile (the pointer's place in it changed, not the mouse) or nothing came before.
static Vec2 PointerMovement()
{
    int left = 0, top = 0;
    PlatformGetWindowPosition(&left, &top);
    const bool windowChanged = WindowWidth != PreviousWindowWidth ||
                               WindowHeight != PreviousWindowHeight || left != PreviousWindowLeft ||
                               top != PreviousWindowTop;
    PreviousWindowWidth = WindowWidth;
    PreviousWindowHeight = WindowHeight;
    PreviousWindowLeft = left;
    PreviousWindowTop = top;
    const bool known = MousePositionKnown;
    MousePositionKnown = true;
    if (!known || windowChanged) return {0.0f, 0.0f};
    return {MousePosition.x - PreviousMousePosition.x, MousePosition.y - PreviousMousePosition.y};
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
    MouseDelta = PointerMovement();
    PreviousMousePosition = MousePosition;

    StepFrameStates(Keys, KeyState, KeyPrevious);
    StepFrameStates(MouseButtons, MouseButtonState, MouseButtonPrevious);
    ChordKeyPressed = ModifierLetGoLate = false;
    // What waited for this update goes into the next one.
    std::vector<PendingEvent> pending;
    pending.swap(PendingEvents);
    for (const PendingEvent& e : pending)
    {
        if (e.mouse)
            RecordMouseButton(e.index, e.down);
        else if (e.down)
            RecordKeyDown(static_cast<uint32_t>(e.index));
        else
            RecordKeyUp(static_cast<uint32_t>(e.index));
    }
    UpdateGamepads();
    ChooseActiveGamepad();
}
