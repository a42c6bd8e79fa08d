// contact_reactions.cpp: what happens when the player touches an object, by its kind.
//
// Platforms and solids push the player out; spikes, lava and enemies touched other than from
// above kill (or, with "Hazards forgive", send the player back to the last ground it stood on);
// enemies touched from above bounce; the exit finishes the level; the hook tip ends the shot.
// Spikes and enemies only hurt with their inner three quarters.
#include "game/gameplay/player.h"

#include "engine/system/game_state_manager.h"
#include "game/gameplay/assists.h"
#include "game/gameplay/enemy.h"
#include "game/gameplay/grappling_hook.h"

#include <cmath>

namespace
{
constexpr float PLAYER_BOX_WIDTH = 0.5f; // of the picture: the body, without the arms
constexpr float HARMFUL_PART = 3.0f * 0.25f;
constexpr float STOMP_BOUNCE = 400.0f;
constexpr float PUSH_BACK = 1.2f; // removes the speed into a wall and returns a fifth of it

// An enemy kills without a sound.
void Die(Player* player)
{
    ReleaseHook(player);
    player->slamLanded = false;
    if (ForgiveHazard(player)) return;
    PlayerDied = true;
    NextStateId = GS_RESTART;
}

void TouchEnemy(Player* player, const GameObject* object)
{
    const Enemy* enemy = dynamic_cast<const Enemy*>(object);
    const bool stunnable = enemy && enemy->stunnable;
    if (LastContact.normal.y <= -1.0f && (!stunnable || player->slamLanded))
    {
        player->velocity.y += STOMP_BOUNCE;
        Grounded = false;
        return;
    }
    Die(player);
}

void PushOut(Player* player)
{
    const Vec2 n = LastContact.normal;
    player->position = player->position - n * LastContact.depth;
    const float vn = player->velocity.x * n.x + player->velocity.y * n.y;
    if (vn > 0.0f) player->velocity = player->velocity - n * (PUSH_BACK * vn);
}
} // namespace

void DieOfHazard(Player* player, DeathCause cause)
{
    ReleaseHook(player);
    player->slamLanded = false;
    PlayDeathSound(cause);
    if (ForgiveHazard(player)) return;
    PlayerDied = true;
    NextStateId = GS_RESTART;
}

bool ForgiveHazard(Player* player)
{
    if (!PlayAssists.hazardsForgive) return false;
    player->position = player->lastGround;
    player->velocity = {0.0f, 0.0f};
    player->forgiven = true;
    Slamming = false;
    SlamCounter = 0.0f;
    return true;
}

void CollideWith(Player* player, GameObject* object)
{
    const Vec2 playerSize = {std::fabs(player->scale.x) * PLAYER_BOX_WIDTH,
                             std::fabs(player->scale.y)};
    const float w = std::fabs(object->scale.x);
    const float h = std::fabs(object->scale.y);
    LastBoxHit = BoxOverlap(player->position, object->position, playerSize.x, playerSize.y, w,
                            h, &LastContact);
    if (object->kind == KIND_ENEMY || object->kind == KIND_SPIKES)
        LastBoxHit = BoxOverlap(player->position, object->position, playerSize.x, playerSize.y,
                                w * HARMFUL_PART, h * HARMFUL_PART, &LastContact);
    if (!LastBoxHit) return;

    switch (object->kind)
    {
    case KIND_EXIT:
        ReleaseHook(player);
        ReleaseDeathSounds();
        player->levelComplete = true;
        break;
    case KIND_SPIKES:
    case KIND_LAVA:
        DieOfHazard(player, object->kind == KIND_SPIKES ? DEATH_ON_SPIKES : DEATH_IN_LAVA);
        break;
    case KIND_ENEMY: TouchEnemy(player, object); break;
    case KIND_PLATFORM:
    case KIND_SOLID: PushOut(player); break;
    case KIND_HOOK_TIP:
        player->hooked = false;
        object->position = HOOK_PARK_POSITION;
        RopeAnchor = nullptr;
        HookLatched = false;
        HookOnPoint = false;
        break;
    case KIND_VANISHING: object->active = object->alive = object->visible = false; break;
    default: break;
    }
}
