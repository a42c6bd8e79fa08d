// input_state.h: keyboard, mouse and gamepads, sampled once per frame.
//
// The window procedure records raw transitions as they arrive, the pads' buttons included;
// UpdateInput, once per frame after the message pump, turns them into frame states: 0 up,
// 1 held, 2 triggered (went down since the last update). Every press is seen: a key pressed
// and released between two updates (a tap) is triggered at the next update and up at the one
// after; a key let go and pressed again between two updates is triggered again.
//
// Chords: Ctrl, Alt or Shift let go after a key went down while it was held is shown held at
// the next update all the same, so that a quick Ctrl+Q is seen whole. Only that chord sees
// it: a key or button that goes down after such a late release waits for the update after,
// when the modifier is shown up.
#pragma once

#include "engine/graphics/math2d.h"
#include "engine/platform/platform.h"

#include <cstdint>

enum KeyFrameState : uint8_t
{
    KEY_UP_STATE = 0,
    KEY_HELD_STATE = 1,
    KEY_TRIGGERED_STATE = 2,
};

constexpr int GamepadCount = 4;
constexpr float LeftStickDeadZone = 7849.0f;
constexpr float RightStickDeadZone = 8689.0f;
constexpr int TriggerThreshold = 30;
// A trigger fires once pulled half way and lets go only below a quarter: one wavering about
// either point does not fire again and again.
constexpr uint8_t TriggerFirePull = 128;
constexpr uint8_t TriggerLetGoPull = 64;
constexpr double GamepadPollInterval = 2.0; // seconds between looks for newly plugged pads
// While a pad drives, another takes over on a button press, a trigger fired, or a stick held
// past half way for this many frames in a row: a drifting stick never gets that far.
constexpr int PadTakeoverFrames = 6;
constexpr float PadTakeoverPush = 0.5f; // of full deflection

struct GamepadState
{
    bool connected;
    // As read, XInput layout; `buttons` are those down now or pressed since the last update,
    // from the button messages.
    GamepadReading pad;
    uint16_t buttonsPressed;         // went down since the last update (a tap included)
    Vec2 leftStick, rightStick;      // shaped: each axis -1..1, zero inside the dead zone
    float leftTrigger, rightTrigger; // shaped: 0..1
    bool leftTriggerFired, rightTriggerFired; // pulled as far as TriggerFirePull, not yet let go
    uint16_t leftVibration, rightVibration;
};

extern uint8_t KeyState[256];
extern uint8_t KeyPrevious[256];
extern uint8_t MouseButtonState[3];
extern uint8_t MouseButtonPrevious[3];
extern Vec2 MousePosition; // pixels from the client centre, y up
extern Vec2 MouseDelta;
extern bool MouseInWindow; // edges included
extern float MouseWheel;   // notches of the last wheel message of the frame
extern GamepadState Gamepads[GamepadCount];
extern GamepadState GamepadsPrevious[GamepadCount];
// The pad that drives the game; -1 until one is used, and again when it is unplugged. The
// first pad used (a button, a trigger fired, a stick out of its dead zone) drives; another
// takes over as PadTakeoverFrames says.
extern int ActiveGamepad;

inline bool IsKeyDown(uint32_t key) { return key < 256 && KeyState[key] != 0; }
inline bool IsKeyTriggered(uint32_t key) { return key < 256 && KeyState[key] == KEY_TRIGGERED_STATE; }
// The active pad's buttons (GamepadButton bits, any of them): down now; pressed since the
// last update. False with no active pad.
bool IsPadButtonDown(uint16_t buttons);
bool IsPadButtonTriggered(uint16_t buttons);
// The active pad now and at the previous update; null with no active pad.
const GamepadState* ActivePad();
const GamepadState* ActivePadPrevious();

inline bool IsMouseButtonDown(int button)
{
    return button >= 0 && button < 3 && MouseButtonState[button] != 0;
}
inline bool IsMouseButtonTriggered(int button)
{
    return button >= 0 && button < 3 && MouseButtonState[button] == KEY_TRIGGERED_STATE;
}

// Recording, from the window procedure.
void RecordKeyDown(uint32_t key);
void RecordKeyUp(uint32_t key);
void RecordMouseButton(int button, bool down);
void RecordMouseWheel(float notches);
// A button (one GamepadButton bit) of pad `pad` went down or up.
void RecordPadButton(int pad, uint16_t button, bool down);

// Start-up: clears keys and buttons, then ResetInput.
void InitInput();
// Stops any vibration, forgets the pads and looks for them again.
void ResetInput();
// Once per frame, after the message pump. The first update, and one after the window changed
// its size or place (a resize, full screen), see no mouse movement: the pointer's place in
// the window changed, but the mouse did not move.
void UpdateInput();
// While on, UpdateInput takes the cursor from (x, y), pixels from the client centre with y up,
// instead of the platform: a recording being played back moves the pointer, not the player.
void SetCursorOverride(bool on, float x, float y);
// While on, the pads are not read from the platform: the first pad is plugged in and reads
// `reading` (null: no pad at all), its buttons pressed and let go as they changed since the
// last call; the others are unplugged. A recording being played back holds the recorded pad,
// whatever pads are really there.
void SetPadOverride(bool on, const GamepadReading* reading);

// The dead-zone shaping of a stick reading and a trigger reading.
Vec2 ShapeStick(int16_t x, int16_t y, float deadZone);
float ShapeTrigger(uint8_t value);
