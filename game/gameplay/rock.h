// rock.h: a rock that falls for ever.
//
// It drops at 500 units a second and, once at or below the floor height, starts again from
// its reset height. The player never tests rocks: they are moving scenery.
#pragma once

#include "game/scene/game_object.h"

class Rock : public GameObject
{
  public:
    Rock(float x, float y, float scaleX, float scaleY, Texture* picture, int32_t reset,
         float angle);

    void Update() override;

    Vec2 velocity = {0.0f, -1.0f}; // y holds the fall speed
    int32_t resetHeight;
    int32_t floorHeight = -600;
    uint8_t state = 0; // 0 while falling
};
