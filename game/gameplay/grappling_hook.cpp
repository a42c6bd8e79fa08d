// grappling_hook.cpp: aiming, firing, latching, swinging, pulling and the rope.
#include "game/gameplay/grappling_hook.h"

#include "engine/graphics/draw_state.h"
#include "engine/graphics/texture.h"
#include "game/gameplay/player.h"
#include "game/controls/bindings.h"
#include "game/controls/pad_controls.h"
#include "game/scene/camera.h"
#include "game/scene/render_layer.h"


bool HookLatched = false;
bool HookOnPoint = false;
GameObject* RopeAnchor = nullptr;
GameObject* HookTip = nullptr;
Vec2 AimTarget = {0.0f, 0.0f};
Vec2 AimDirection = {0.0f, 0.0f};
Vec2 RopeVector = {0.0f, 0.0f};
float HookTimer = 1.0f;

namespace
{
constexpr Vec2 HOOK_OBJECT_SIZE = {10.0f, 10.0f};
constexpr float HOOK_TIMER_STEP = 0.016f;
constexpr float TIP_FIRE_DISTANCE = 70.0f; // where a fresh shot starts, from the player
constexpr float TIP_FLIGHT_STEP = 10.0f;   // per call of AimAndFire, so 20 a frame
constexpr float HOOK_REACH = 400.0f;
constexpr float HOOK_REACH_SQUARED = HOOK_REACH * HOOK_REACH;
constexpr float RELEASE_BOOST = 600.0f;
constexpr float RELEASE_BOOST_INTERVAL = 0.7f; // of HookTimer
constexpr float PULL_FORCE = 70000.0f;         // times the step: 1120 units a second
constexpr float ROPE_JUMP_SPEED = 400.0f;
constexpr float ROPE_WIDTH = 20.0f;

void ParkTip()
{
    if (HookTip) HookTip->position = HOOK_PARK_POSITION;
}

// Everything of a shot but the player's own flag.
void EndShot()
{
    ParkTip();
    RopeAnchor = nullptr;
    HookLatched = false;
    HookOnPoint = false;
}

// The fire binding (the left mouse button, or the pad's right trigger, unless changed).
bool HookButtonDown() { return ActionDown(ACTION_FIRE); }

Vec2 TipPosition() { return HookTip ? HookTip->position : HOOK_PARK_POSITION; }

bool PointInBox(Vec2 p, const GameObject* object)
{
    const float hw = object->scale.x * 0.5f;
    const float hh = object->scale.y * 0.5f;
    return object->position.x - hw <= p.x && p.x <= object->position.x + hw &&
           object->position.y - hh <= p.y && p.y <= object->position.y + hh;
}

GameObject* MakeHookObject(const char* name, Texture* texture)
{
    return InitGameObject(new GameObject(), name, HOOK_PARK_POSITION.x, HOOK_PARK_POSITION.y,
                          HOOK_OBJECT_SIZE.x, HOOK_OBJECT_SIZE.y, 0.0f, KIND_HOOK_TIP, texture);
}
} // namespace

void CreateHookObjects(Player* player)
{
    HookTip = MakeHookObject("pointer", player->tipTexture);
    MakeHookObject("hookBody", player->ropeTexture);
}

void ReleaseHook(Player* player)
{
    player->hooked = false;
    EndShot();
}

void AimAndFire(Player* player)
{
    HookTimer += HOOK_TIMER_STEP;

    const bool dropPressed = ActionPressed(ACTION_RESTART);
    if (dropPressed)
    {
        player->slamLanded = false;
        ReleaseHook(player);
    }

    // Fired from the keyboard or mouse, the hook goes where the pointer is.
    const bool clicked = ActionKeysPressed(ACTION_FIRE);
    const bool firePressed = clicked || ActionPadPressed(ACTION_FIRE);
    if (clicked && player->layer && !player->layer->cameras.empty())
        AimTarget = ScreenToWorld(player->layer->cameras.front());
    else if (firePressed)
        // The pad aims at the hook's reach, as a click that far along the stick would.
        AimTarget = player->position + PadAimDirection(player->facingLeft) * HOOK_REACH;

    if (HookButtonDown())
    {
        if (!player->hooked && !dropPressed) player->hooked = true;
    }
    else
    {
        if (HookLatched && !Grounded && HookTimer > RELEASE_BOOST_INTERVAL)
        {
            player->velocity.y += RELEASE_BOOST;
            HookTimer = 0.0f;
        }
        ReleaseHook(player);
    }

    if (firePressed)
    {
        Vec2Normalize(AimDirection);
        RopeAnchor = HookTip;
        if (HookTip) HookTip->position = player->position + AimDirection * TIP_FIRE_DISTANCE;
    }

    if (!HookLatched && !HookOnPoint)
    {
        Vec2Normalize(AimDirection);
        if (HookTip) HookTip->position = HookTip->position + AimDirection * TIP_FLIGHT_STEP;
        RopeVector = TipPosition() - player->position;
        if (RopeVector.x * RopeVector.x + RopeVector.y * RopeVector.y > HOOK_REACH_SQUARED)
            ReleaseHook(player);
        RopeVector = TipPosition() - player->position;
    }
}

void CatchHook(const std::vector<GameObject*>& objects)
{
    const Vec2 tip = TipPosition();
    for (const GameObject* object : objects)
    {
        const ObjectKind kind = object->kind;
        if ((kind == KIND_PLATFORM || kind == KIND_SOLID) && !HookLatched)
            HookLatched = PointInBox(tip, object);
        if (kind == KIND_GRAPPLE_POINT && !HookOnPoint) HookOnPoint = PointInBox(tip, object);
        if (HookLatched || HookOnPoint) return;
    }
}

void UpdateSwing(Player* player)
{
    AimAndFire(player);

    const Vec2 toTip = TipPosition() - player->position;
    const float dist = Length(toTip);
    const float ropeLength = Length(RopeVector);

    if (!HookButtonDown()) return;

    if (HookOnPoint)
    {
        RopeVector = TipPosition() - player->position;
        Vec2 pull = RopeVector;
        Vec2Normalize(pull);
        player->velocity = {pull.x * PULL_FORCE * PLAYER_STEP, pull.y * PULL_FORCE * PLAYER_STEP};
        return;
    }

    Slamming = false;

    if (dist > ropeLength)
    {
        Vec2 along = toTip;
        Vec2Normalize(along);
        player->position = player->position + along * (dist - ropeLength);
    }

    if (HookLatched && JumpPressed())
    {
        ReleaseHook(player);
        player->velocity.y = ROPE_JUMP_SPEED;
    }
}

void DrawRope(const Player* player, const Matrix3* parent)
{
    if (!player->hooked || !RopeAnchor) return;
    const Vec2 a = player->position;
    const Vec2 b = TipPosition();
    const Vec2 d = b - a;
    const Vec2 middle = (a + b) * 0.5f;
    Vec2 unit = d;
    Vec2Normalize(unit);
    if (unit.x == 0.0f && unit.y == 0.0f) unit = {1.0f, 0.0f};
    // The picture's length runs along its y axis: a quarter turn past the rope's direction,
    // (cos, sin) of that turn being (-unit.y, unit.x). Built without atan2, sin and cos, whose
    // last bits differ between the C libraries of Linux, Windows and the browser.
    Matrix3 world = MakeTransformMatrix(middle, {ROPE_WIDTH, Length(d)}, {-unit.y, unit.x});
    if (parent) world = Matrix3Multiply(*parent, world);
    SetWorldTransform(world);
    SetTexture(player->ropeTexture);
    DrawMesh(UnitQuadMesh);
}
