// enemy.cpp: patrol, the shared stun and the enemy's step.
#include "game/gameplay/enemy.h"

#include "game/gameplay/player.h"
#include "game/controls/bindings.h"

#include <cmath>

float EnemyStunTimer = 0.0f;

namespace
{
constexpr float PATROL_SPEED = 100.0f;
constexpr float ENEMY_ANIMATION_SPEED = 0.65f;
constexpr float STUN_START = 0.016f;
constexpr float STUN_TICK = 0.064f;
constexpr float STUN_END = 15.0f;
constexpr float STUN_REACH = 4.0f; // hundreds of units

void Mirror(Enemy* enemy) { enemy->scale.x = -enemy->scale.x; }

void Patrol(Enemy* enemy)
{
    if (!enemy->movingLeft)
    {
        enemy->velocity.x = PATROL_SPEED;
        enemy->looping = enemy->playing = true;
        if (enemy->position.x >= static_cast<float>(enemy->patrolRight))
        {
            Mirror(enemy);
            enemy->movingLeft = true;
        }
    }
    if (enemy->movingLeft)
    {
        enemy->velocity.x = -PATROL_SPEED;
        enemy->looping = enemy->playing = true;
        if (static_cast<float>(enemy->patrolLeft) >= enemy->position.x)
        {
            Mirror(enemy);
            enemy->movingLeft = false;
        }
    }
    if (ActionPressed(ACTION_RESTART))
    {
        enemy->playing = false;
        EnemyStunTimer = 0.0f;
        SetFrame(enemy, 0);
    }
}

// False when the enemy must not move at all this frame (the stun's first frame).
bool Stun(Enemy* enemy)
{
    Player* player = dynamic_cast<Player*>(FindGameObject(PLAYER_OBJECT_NAME));
    if (!player) return true;
    const Vec2 d = enemy->position - player->position;
    const float dist = Length(d);
    if (player->slamLanded && dist / 100.0f <= STUN_REACH)
    {
        if (EnemyStunTimer == 0.0f)
        {
            enemy->velocity.x = 0.0f;
            EnemyStunTimer += STUN_START;
            return false;
        }
    }
    else if (EnemyStunTimer == 0.0f)
        return true;

    EnemyStunTimer += STUN_TICK;
    if (EnemyStunTimer >= STUN_END)
    {
        player->slamLanded = false;
        EnemyStunTimer = 0.0f;
    }
    enemy->velocity.x = 0.0f;
    return true;
}
} // namespace

Enemy::Enemy(float x, float y, float scaleX, float scaleY, Texture* picture, int32_t left,
             int32_t right, bool isStunnable, float angle)
    : stunnable(isStunnable), patrolLeft(left), patrolRight(right)
{
    position = {x, y};
    scale = {scaleX, scaleY};
    mesh = UnitQuadMesh;
    texture = picture;
    rotation = angle;
    active = alive = visible = true;
    animationSpeed = ENEMY_ANIMATION_SPEED;
}

void Enemy::Update()
{
    if (patrolLeft != patrolRight) Patrol(this);
    if (stunnable && !Stun(this)) return;
    position.x += velocity.x * 0.016f;
}
