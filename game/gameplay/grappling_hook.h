// grappling_hook.h: the hook, its tip and the rope.
//
// Pressing the left button aims at the pointer and fires the tip; while the button is held
// the tip flies 20 units a frame towards the click. Inside a platform it latches and the
// player swings on a rope that never stretches; inside a grapple point it pulls the player
// at 1120 units a second straight through the point. Releasing the button drops the hook
// (with an upward boost now and then while swinging); so do R, the exit, a death, touching
// the tip, and a tip more than 400 units away.
//
// The hook has no object with an Update of its own: it is part of the player's step, and
// its state is shared, like the player's movement state.
#pragma once

#include "engine/graphics/math2d.h"

#include <vector>

class GameObject;
class Player;

// Where the tip rests while no shot is live: off the screen.
constexpr Vec2 HOOK_PARK_POSITION = {1000.0f, 1000.0f};

extern bool HookLatched;        // the tip is inside a platform: swinging
extern bool HookOnPoint;        // the tip is inside a grapple point: pulling
extern GameObject* RopeAnchor;  // the tip while a shot is live, else null
extern GameObject* HookTip;     // the "pointer" object of the current player
extern Vec2 AimTarget;          // world point under the pointer at the last click
extern Vec2 AimDirection;       // from the player towards AimTarget
extern Vec2 RopeVector;         // tip minus player; the rope once latched
extern float HookTimer;         // 0.016 a call of AimAndFire; the boost resets it

// Registers the tip ("pointer") and the hook body ("hookBody"), both parked; keeps the tip.
void CreateHookObjects(Player* player);
// Ends the shot: the tip goes back to its park.
void ReleaseHook(Player* player);
// Aims and fires on a click, keeps or drops the hook by the button, and flies the tip.
// Runs twice a frame while hooked.
void AimAndFire(Player* player);
// The hook pass over the player's copy of the registry: does the flying tip lie inside a
// platform (latch) or a grapple point (pull)?
void CatchHook(const std::vector<GameObject*>& objects);
// While hooked: the second aim, then the pull or the rope constraint, and the jump off it.
void UpdateSwing(Player* player);
// The rope from the player to the tip, under the camera matrix `parent`.
void DrawRope(const Player* player, const Matrix3* parent);
