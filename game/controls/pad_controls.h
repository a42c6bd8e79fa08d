// pad_controls.h: what the game pad does in play, read from the pad last used.
//
// The left stick or the D-pad runs, A jumps (wall jumps, jumps off the rope), X slams, the
// right trigger fires the hook and holds it like the left mouse button, aimed by the right
// stick from the player (up and forward at 45 degrees while the stick rests), Back restarts
// like R and Start pauses like Escape. Every answer is false with no pad, so the keyboard and
// mouse play exactly as they do without one.
#pragma once

#include "engine/graphics/math2d.h"

#include <cstdint>

// How far the left stick is pushed along one axis (of full deflection), beyond its dead zone,
// before it counts as that direction: a light push runs, a menu wants a deliberate one.
constexpr float PAD_RUN_PUSH = 0.25f;
constexpr float PAD_MENU_PUSH = 0.5f;

enum PadDirection
{
    PAD_NO_DIRECTION,
    PAD_TOWARDS_UP,
    PAD_TOWARDS_DOWN,
    PAD_TOWARDS_LEFT,
    PAD_TOWARDS_RIGHT,
};

// For menus: the D-pad pressed that way, or the left stick pushed past PAD_MENU_PUSH along
// its main axis, this frame.
bool PadDirectionPressed(PadDirection direction);

bool PadRunLeftDown();
bool PadRunRightDown();
// Either run direction went down this frame.
bool PadRunPressed();
bool PadJumpPressed();
bool PadSlamPressed();
// The right trigger fired (pulled half way, until let go below a quarter): the hook's button.
bool PadHookDown();
bool PadHookPressed();
// Unit vector from the player where the hook goes.
Vec2 PadAimDirection(bool facingLeft);
bool PadRestartPressed();
bool PadPausePressed();
