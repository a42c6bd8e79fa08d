// player.h: the player character and the movement state it keeps between lives.
//
// The player runs, jumps, wall-jumps, ground-slams and swings on the grappling hook
// (grappling_hook.h). It is the only object that tests itself against the world: each frame
// it reads the keys and the mouse, moves the hook, integrates its motion with a fixed step of
// 0.016 s and reacts to every object it touches (CollideWith). A level builds exactly one,
// named "player", on entry and on every restart.
//
// The movement flags below are single values shared by whatever player exists. They live for
// the whole run and carry over from one life, and one level, to the next: a player that died
// mid-slam is reborn still slamming.
#pragma once

#include "game/frontend/pause_menu.h"
#include "game/gameplay/box_overlap.h"
#include "game/gameplay/death_sounds.h"
#include "game/scene/sprite.h"

struct Texture;

// Fixed integration step per frame, whatever the measured frame time.
constexpr float PLAYER_STEP = 0.016f;

class Player : public Sprite
{
  public:
    // Loads the hook's pictures, registers the hook tip and hook body, and gets the death
    // sounds ready (started paused, so that a death is heard at once).
    Player();
    ~Player() override;

    void Update() override;
    // The run frame, then the rope while the hook is out.
    void Draw(const Matrix3* parent) override;

    bool levelComplete = false; // touched the exit; the level moves on
    bool slamLanded = false;    // a ground slam landed: stunnable enemies can be stomped
    PauseMenu pauseMenu;
    Vec2 velocity = {0.0f, -1.0f}; // units per second, y up
    bool hooked = false;           // the hook button is held and a shot is live
    bool facingLeft = false;

    Texture* tipTexture = nullptr;  // the hook tip's picture
    Texture* ropeTexture = nullptr; // the rope's picture

    // Where it last stood on a platform (its start until it has), and whether a hazard sent
    // it back there this frame: where "Hazards forgive" (assists.h) sends it.
    Vec2 lastGround = {0.0f, 0.0f};
    bool groundKnown = false;
    bool forgiven = false;
};

extern bool Grounded;      // standing on a platform
extern bool Slamming;      // a ground slam is under way
extern float SlamCounter;  // grows 0.64 a frame while airborne or slamming
extern float AirTime;      // seconds since the last landing or wall jump
extern bool WallJumpFlip;  // left and right are swapped since the last wall jump
extern bool LastBoxHit;    // the answer of the player's last box test
extern ContactResult LastContact; // and its normal and depth
extern bool PlayerDied;    // the pending restart is a death; the level's Init clears it

// The level's pause step, first of its frame: runs the player's pause menu and says whether
// the frame began paused, in which case nothing else of the level moves this frame (the menu
// may resume in it). Stops the run animation while paused.
bool PauseStep(Player* player);

// A jump binding went down this frame (Space, W or the pad's A unless changed): jump, wall
// jump, jump off the rope.
bool JumpPressed();

// Run and facing from the run bindings (A and D, the D-pad or the stick unless changed), the
// speed limit, friction and gravity.
void UpdateMovement(Player* player);
// The player's reaction to touching `object`, by its kind: stand on it, die, bounce off it,
// finish the level or end the hook shot.
void CollideWith(Player* player, GameObject* object);

// Death on spikes or in lava: the hook goes, the slam's landing is forgotten, the death sound
// plays and the level is rebuilt on the next frame; unless hazards forgive, when the player
// is only sent back to the last ground it stood on.
void DieOfHazard(Player* player, DeathCause cause);
// With "Hazards forgive" on: the player, its hook already let go, goes back to the last ground
// it stood on, still and out of any slam, and true; false when the assist is off.
bool ForgiveHazard(Player* player);

// Back to the state of a freshly started program: the movement flags, the hook and the
// enemies' shared stun timer.
void ResetGameplayState();
