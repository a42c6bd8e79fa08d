// input_state.h: keyboard, mouse and gamepads, sampled once per frame.
//
// The window procedure records raw transitions as they arrive; UpdateInput, once per frame
// after the message pump, turns them into frame states: 0 up, 1 held, 2 triggered (went down
// since the last update). A key pressed and released between two updates (a quick tap) is
// still seen: triggered at the next update, up at the one after.
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
constexpr double GamepadPollInterval = 2.0; // seconds between looks for newly plugged pads

struct GamepadState
{
    bool connected;
    GamepadReading pad;           // as read, XInput layout
    Vec2 leftStick, rightStick;   // shaped: each axis -1..1, zero inside the dead zone
    float leftTrigger, rightTrigger; // shaped: 0..1
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
// The pad that drives the game: the last one on which a button went down or a stick or
// trigger left its dead zone; -1 until one is used, and again when it is unplugged.
extern int ActiveGamepad;

inline bool IsKeyDown(uint32_t key) { return key < 256 && KeyState[key] != 0; }
inline bool IsKeyTriggered(uint32_t key) { return key < 256 && KeyState[key] == KEY_TRIGGERED_STATE; }
// The active pad's buttons (GamepadButton bits, any of them): down now; down now and up at
// the previous update. False with no active pad.
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

// Start-up: clears keys and buttons, then ResetInput.
void InitInput();
// Stops any vibration, forgets the pads and looks for them again.
void ResetInput();
// Once per frame, after the message pump.
void UpdateInput();
// While on, UpdateInput takes the cursor from (x, y), pixels from the client centre with y up,
// instead of the platform: a recording being played back moves the pointer, not the player.
void SetCursorOverride(bool on, float x, float y);
// While on, the pads are not read from the platform: the first pad is plugged in and reads
// `reading` (null: no pad at all), the others are unplugged. A recording being played back
// holds the recorded pad, whatever pads are really there.
void SetPadOverride(bool on, const GamepadReading* reading);

// The dead-zone shaping of a stick reading and a trigger reading.
Vec2 ShapeStick(int16_t x, int16_t y, float deadZone);
float ShapeTrigger(uint8_t value);
