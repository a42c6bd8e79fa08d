// enemy.h: enemies that patrol a stretch of the level.
//
// An enemy walks at 100 units a second between two turning points, mirrored at each turn;
// equal turning points make it stand still. It neither falls nor collides: its danger is the
// player's reaction to it (a stomp from above bounces, any other touch kills). A stunnable
// enemy (the ground enemy) can only be stomped after a ground slam has landed, and a slam
// that lands within 400 units stops every stunnable enemy for a while, on one shared timer.
#pragma once

#include "game/scene/sprite.h"

struct Texture;

class Enemy : public Sprite
{
  public:
    Enemy(float x, float y, float scaleX, float scaleY, Texture* picture, int32_t left,
          int32_t right, bool isStunnable, float angle);

    void Update() override;

    bool stunnable;
    Vec2 velocity = {0.0f, -1.0f}; // only x is used: +-100 patrolling, 0 stunned
    int32_t patrolLeft;
    int32_t patrolRight;
    bool movingLeft = false;
};

// The stun of every stunnable enemy; it ends at 15, each such enemy adding 0.064 a frame.
extern float EnemyStunTimer;
