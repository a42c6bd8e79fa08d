// pad_controls.cpp: the pad's play controls, over the engine's active pad.
#include "game/controls/pad_controls.h"

#include "engine/input/input_state.h"
#include "game/controls/bindings.h"

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

// The left stick pushed at least `push` that way; with `mainAxisOnly` the stick counts only
// along its main axis, so a diagonal is one direction.
bool StickDown(const GamepadState* g, PadDirection direction, float push, bool mainAxisOnly)
{
    if (!g || !g->connected) return false;
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

// For the menus: the D-pad held that way, or the stick pushed past the menus' push.
bool MenuDirectionDown(const GamepadState* g, PadDirection direction)
{
    if (g && g->connected && (g->pad.buttons & DpadBit(direction))) return true;
    return StickDown(g, direction, PAD_MENU_PUSH, true);
}

PlayAction RunAction(PadDirection direction)
{
    return direction == PAD_TOWARDS_LEFT ? ACTION_RUN_LEFT : ACTION_RUN_RIGHT;
}

// Running that way: the run's pad binding (the D-pad unless changed) or the left stick.
bool RunDown(const GamepadState* g, PadDirection direction)
{
    return PadInputDown(g, Bindings[RunAction(direction)].pad) ||
           StickDown(g, direction, PAD_RUN_PUSH, false);
}

// Newly running that way this frame: the binding pressed (again, however briefly), or the
// run down now and not at the previous update.
bool RunPressed(PadDirection direction)
{
    const GamepadState* g = ActivePad();
    if (!g) return false;
    const BoundInput binding = Bindings[RunAction(direction)].pad;
    return (IsPadInput(binding) && BoundInputPressed(binding)) ||
           (RunDown(g, direction) && !RunDown(ActivePadPrevious(), direction));
}
} // namespace

bool PadDirectionPressed(PadDirection direction)
{
    const GamepadState* g = ActivePad();
    if (!g) return false;
    return (g->buttonsPressed & DpadBit(direction)) ||
           (MenuDirectionDown(g, direction) && !MenuDirectionDown(ActivePadPrevious(), direction));
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
