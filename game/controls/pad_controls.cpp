// pad_controls.cpp: the pad's play controls, over the engine's active pad.
#include "game/controls/pad_controls.h"

#include "engine/input/input_state.h"

namespace
{
constexpr float FULL_DEFLECTION = 32767.0f;
constexpr float DIAGONAL = 0.70710678f;

uint16_t DpadBit(PadDirection direction)
{
    switch (direction)
    {
    case PAD_TOWARDS_LEFT: return PAD_DPAD_LEFT;
    case PAD_TOWARDS_RIGHT: return PAD_DPAD_RIGHT;
    case PAD_TOWARDS_UP: return PAD_DPAD_UP;
    case PAD_TOWARDS_DOWN: return PAD_DPAD_DOWN;
    default: return 0;
    }
}

// The D-pad held that way, or the left stick pushed at least `push` along that axis; with
// `mainAxisOnly` the stick counts only along its main axis, so a diagonal is one direction.
bool DirectionDown(const GamepadState* g, PadDirection direction, float push, bool mainAxisOnly)
{
    if (!g || !g->connected) return false;
    if (g->pad.buttons & DpadBit(direction)) return true;
    const float x = g->pad.leftStickX / FULL_DEFLECTION;
    const float y = g->pad.leftStickY / FULL_DEFLECTION;
    const bool outside = g->leftStick.x != 0.0f || g->leftStick.y != 0.0f;
    const bool across = x * x >= y * y;
    const bool sideways = outside && (across || !mainAxisOnly);
    const bool upright = outside && (!across || !mainAxisOnly);
    switch (direction)
    {
    case PAD_TOWARDS_LEFT: return sideways && x <= -push;
    case PAD_TOWARDS_RIGHT: return sideways && x >= push;
    case PAD_TOWARDS_UP: return upright && y >= push;
    case PAD_TOWARDS_DOWN: return upright && y <= -push;
    default: return false;
    }
}

// Newly that way this frame: the D-pad pressed (again, however briefly), or the direction
// down now and not at the previous update.
bool DirectionPressed(PadDirection direction, float push, bool mainAxisOnly)
{
    const GamepadState* g = ActivePad();
    if (!g) return false;
    return (g->buttonsPressed & DpadBit(direction)) ||
           (DirectionDown(g, direction, push, mainAxisOnly) &&
            !DirectionDown(ActivePadPrevious(), direction, push, mainAxisOnly));
}

bool RunDown(const GamepadState* g, PadDirection direction)
{
    return DirectionDown(g, direction, PAD_RUN_PUSH, false);
}

bool RunPressed(PadDirection direction)
{
    return DirectionPressed(direction, PAD_RUN_PUSH, false);
}

// The right trigger fired: pulled half way, and not yet let go below a quarter.
bool TriggerDown(const GamepadState* g)
{
    return g && g->connected && g->rightTriggerFired;
}
} // namespace

bool PadDirectionPressed(PadDirection direction)
{
    return DirectionPressed(direction, PAD_MENU_PUSH, true);
}

bool PadRunLeftDown()
{
    return RunDown(ActivePad(), PAD_TOWARDS_LEFT);
}
bool PadRunRightDown()
{
    return RunDown(ActivePad(), PAD_TOWARDS_RIGHT);
}
bool PadRunPressed()
{
    return RunPressed(PAD_TOWARDS_LEFT) || RunPressed(PAD_TOWARDS_RIGHT);
}

bool PadJumpPressed()
{
    return IsPadButtonTriggered(PAD_A);
}
bool PadSlamPressed()
{
    return IsPadButtonTriggered(PAD_X);
}
bool PadHookDown()
{
    return TriggerDown(ActivePad());
}
bool PadHookPressed()
{
    return TriggerDown(ActivePad()) && !TriggerDown(ActivePadPrevious());
}

Vec2 PadAimDirection(bool facingLeft)
{
    const GamepadState* g = ActivePad();
    if (g && (g->rightStick.x != 0.0f || g->rightStick.y != 0.0f))
    {
        Vec2 aim = g->rightStick;
        Vec2Normalize(aim);
        return aim;
    }
    return {facingLeft ? -DIAGONAL : DIAGONAL, DIAGONAL};
}

bool PadRestartPressed()
{
    return IsPadButtonTriggered(PAD_BACK);
}
bool PadPausePressed()
{
    return IsPadButtonTriggered(PAD_START);
}
