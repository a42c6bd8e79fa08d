// pad_controls.h: what the game pad does in play and in the menus, read from the pad last used.
//
// The pad's buttons and triggers play through the bindings (bindings.h); what is the pad's
// alone lives here: the left stick runs as the run bindings do (the D-pad unless changed),
// the right stick aims the hook from the player (up and forward at 45 degrees while it rests),
// and the menus move with the D-pad or the left stick. Every answer is false with no pad, so
// the keyboard and mouse play exactly as they do without one.
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

// Running left or right: the run's pad binding held, or the left stick pushed past
// PAD_RUN_PUSH that way.
bool PadRunLeftDown();
bool PadRunRightDown();
// Either run direction went down this frame.
bool PadRunPressed();
// Unit vector from the player where the hook goes.
Vec2 PadAimDirection(bool facingLeft);
