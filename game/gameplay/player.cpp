// player.cpp: the player's frame step, its movement and its draw.
#include "game/gameplay/player.h"

#include "engine/graphics/texture.h"
#include "engine/system/frame_controller.h"
#include "game/gameplay/enemy.h"
#include "game/gameplay/grappling_hook.h"
#include "game/controls/bindings.h"
#include "game/controls/pad_controls.h"
#include "game/scene/camera.h"

bool Grounded = false;
bool Slamming = false;
float SlamCounter = 0.0f;
float AirTime = 0.0f;
bool WallJumpFlip = false;
bool LastBoxHit = false;
ContactResult LastContact = {};
bool PlayerDied = false;

namespace
{
constexpr float PLAYER_ANIMATION_SPEED = 0.65f;
// The slam counter's step is the single-precision product of its rate and the step.
constexpr float SLAM_COUNTER_STEP = 40.0f * PLAYER_STEP;
constexpr float SLAM_READY = 8.0f;  // S is taken once the counter is past this (13th frame)
constexpr float SLAM_DIVE = 15.0f;  // the hang ends here (23rd frame after the hop)
constexpr float SLAM_HOP = 40.0f;
constexpr float SLAM_HOP_STEP = 0.16f;
constexpr float SLAM_FALL_SPEED = -1500.0f;
constexpr float RUN_ACCELERATION = 70.0f;
constexpr float DAMPING = 0.98f;
constexpr float GRAVITY_STEP = 15.68f;
constexpr float FALL_DAMPING_SPEED = -500.0f;
constexpr float FALL_DAMPING = 20.0f;
constexpr float SPEED_LIMIT = 500.0f;
constexpr float FRICTION = 20.0f;
constexpr float HOOKED_FRICTION = 10.0f;
constexpr float JUMP_SPEED = 500.0f;
constexpr float WALL_JUMP_RISE = 400.0f;
constexpr float WALL_JUMP_KICK = 50.0f; // times the rise gained; the speed limit cuts it
constexpr float WALL_JUMP_AIR_TIME = 0.15f;
// 100 units under the bottom edge of the view: no level has anything to stand on down there.
constexpr float FALL_OUT_HEIGHT = -(WORLD_HEIGHT * 0.5f + 100.0f);

bool IsPlatform(ObjectKind kind) { return kind == KIND_PLATFORM || kind == KIND_SOLID; }

// The kinds the contact pass hands to CollideWith.
bool IsTouchable(ObjectKind kind)
{
    switch (kind)
    {
    case KIND_VANISHING:
    case KIND_PLATFORM:
    case KIND_EXIT:
    case KIND_LAVA:
    case KIND_SPIKES:
    case KIND_HOOK_TIP:
    case KIND_ENEMY:
    case KIND_SOLID: return true;
    default: return false;
    }
}

void Run(Player* player, float acceleration, bool faceLeft)
{
    player->velocity.x += acceleration;
    player->facingLeft = faceLeft;
    player->looping = true;
    player->playing = true;
}

void StandStill(Player* player)
{
    player->playing = false;
    SetFrame(player, 0);
}

void UpdateSlam(Player* player)
{
    if (!Grounded && !Slamming)
    {
        SlamCounter += SLAM_COUNTER_STEP;
        if (!(ActionPressed(ACTION_SLAM) && SlamCounter > SLAM_READY)) return;
        player->velocity = {0.0f, 0.0f};
        const float hopTop = player->position.y + SLAM_HOP;
        while (player->position.y < hopTop) player->position.y += SLAM_HOP_STEP;
        Slamming = true;
        SlamCounter = 0.0f;
    }
    if (Slamming)
    {
        SlamCounter += SLAM_COUNTER_STEP;
        if (SlamCounter >= SLAM_DIVE) player->velocity.y = SLAM_FALL_SPEED;
    }
}

// Landing, wall jumps and losing the ground, from the contact the platform just gave.
// `jumpTaken` says whether a landing contact earlier in this frame's pass took the jump: it
// stands, and the further floor pieces under the same feet (the joint of two) add nothing to
// it and do not put the player back on the ground.
void ReactToPlatform(Player* player, bool& jumpTaken)
{
    const Vec2 n = LastContact.normal;
    if (n.y <= -1.0f && LastBoxHit)
    {
        if (Slamming)
        {
            player->slamLanded = true;
            player->velocity.y = 0.0f;
        }
        if (!jumpTaken) Grounded = true;
        Slamming = false;
        SlamCounter = 0.0f;
        AirTime = 0.0f;
        if (!jumpTaken && JumpPressed())
        {
            player->velocity.y += JUMP_SPEED;
            Grounded = false;
            jumpTaken = true;
        }
        return;
    }

    const bool wallJump = LastBoxHit && !Grounded && !HookLatched &&
                          AirTime > WALL_JUMP_AIR_TIME && JumpPressed();
    if (n.x >= 1.0f && wallJump)
    {
        const float k = WALL_JUMP_RISE - player->velocity.y;
        player->velocity.y += k;
        player->velocity.x -= k * WALL_JUMP_KICK;
    }
    else if (n.x <= -1.0f && wallJump)
    {
        const float k = WALL_JUMP_RISE - player->velocity.y;
        player->velocity.y += k;
        player->velocity.x += k * WALL_JUMP_KICK;
    }
    else
    {
        if (n.y > -1.0f && LastBoxHit) Grounded = false;
        return;
    }
    AirTime = 0.0f;
    WallJumpFlip = !WallJumpFlip;
    Grounded = false;
}
} // namespace

Player::Player()
{
    kind = KIND_PLAYER;
    animationSpeed = PLAYER_ANIMATION_SPEED;
    tipTexture = LoadTexture("data/Lava.png");
    ropeTexture = LoadTexture("data/Rope.png");
    CreateHookObjects(this);
    PrepareDeathSounds();
}

Player::~Player()
{
    ReleaseTexture(tipTexture);
    ReleaseTexture(ropeTexture);
    StopUnplayedDeathSounds();
    // The hook objects belong to the registry and go with the rest of the scene; only the
    // shared handle to the tip must not outlive this player.
    if (RopeAnchor == HookTip) RopeAnchor = nullptr;
    HookTip = nullptr;
}

void Player::Update()
{
    if (!groundKnown) lastGround = position;
    groundKnown = true;
    forgiven = false;
    ApplyDeathSoundVolumes();
    AirTime += static_cast<float>(FrameTime);
    UpdateSlam(this);
    AimAndFire(this);
    UpdateMovement(this);
    if (hooked)
    {
        if (HookTip) AimDirection = AimTarget - position;
        UpdateSwing(this);
    }
    position = position + velocity * PLAYER_STEP;

    // A copy: a reaction may register objects (nothing does today) without upsetting the walk.
    const std::vector<GameObject*> objects = ObjectRegistry;
    CatchHook(objects);
    bool jumpTaken = false;
    for (GameObject* object : objects)
    {
        if (IsTouchable(object->kind)) CollideWith(this, object);
        if (IsPlatform(object->kind)) ReactToPlatform(this, jumpTaken);
    }
    // A player who found a hole in the level dies as on spikes instead of falling for ever.
    if (!PlayerDied && !levelComplete && position.y < FALL_OUT_HEIGHT)
        DieOfHazard(this, DEATH_ON_SPIKES);
    if (Grounded && !forgiven) lastGround = position;
}

void UpdateMovement(Player* player)
{
    const bool runPressed = ActionKeysPressed(ACTION_RUN_LEFT) ||
                            ActionKeysPressed(ACTION_RUN_RIGHT) || PadRunPressed();
    if (runPressed || Grounded || HookLatched) WallJumpFlip = false;

    if (!HookOnPoint)
    {
        const bool left = (ActionKeysDown(ACTION_RUN_LEFT) || PadRunLeftDown()) && !Slamming;
        const bool right = (ActionKeysDown(ACTION_RUN_RIGHT) || PadRunRightDown()) && !Slamming;
        if (!WallJumpFlip)
        {
            if (left)
                Run(player, -RUN_ACCELERATION, true);
            else if (right)
                Run(player, RUN_ACCELERATION, false);
            else
                StandStill(player);
        }
        else
        {
            // Swapped after a wall jump: left runs right and right runs left.
            if (left) Run(player, RUN_ACCELERATION, false);
            if (right)
                Run(player, -RUN_ACCELERATION, true);
            else
                StandStill(player);
        }
    }
    if (HookLatched) StandStill(player);

    player->scale.x = player->facingLeft ? -player->baseScale.x : player->baseScale.x;

    Vec2& v = player->velocity;
    if (!Slamming)
    {
        v.x = v.x * DAMPING;
        v.y = (v.y - GRAVITY_STEP) * DAMPING;
        if (v.y < FALL_DAMPING_SPEED) v.y += FALL_DAMPING;
    }

    const float a = v.x < 0.0f ? -v.x : v.x;
    if (a > SPEED_LIMIT) v.x = v.x < 0.0f ? -SPEED_LIMIT : SPEED_LIMIT;
    const float friction = player->hooked ? HOOKED_FRICTION : FRICTION;
    if (v.x < 0.0f) v.x += friction;
    if (v.x > 0.0f) v.x -= friction;
}

bool JumpPressed() { return ActionPressed(ACTION_JUMP); }

bool PauseStep(Player* player)
{
    if (!player) return false;
    const bool paused = player->pauseMenu.paused;
    player->pauseMenu.Update();
    if (paused) player->playing = false;
    return paused;
}

void Player::Draw(const Matrix3* parent)
{
    Sprite::Draw(parent);
    DrawRope(this, parent);
}

void ResetGameplayState()
{
    Grounded = false;
    Slamming = false;
    SlamCounter = 0.0f;
    AirTime = 0.0f;
    WallJumpFlip = false;
    LastBoxHit = false;
    LastContact = {};
    PlayerDied = false;
    HookLatched = false;
    HookOnPoint = false;
    RopeAnchor = nullptr;
    AimTarget = {0.0f, 0.0f};
    AimDirection = {0.0f, 0.0f};
    RopeVector = {0.0f, 0.0f};
    HookTimer = 1.0f;
    EnemyStunTimer = 0.0f;
}
