// rock.cpp: the rock's endless fall.
#include "game/gameplay/rock.h"

namespace
{
constexpr float ROCK_FALL_SPEED = 500.0f;
constexpr float ROCK_STEP = 0.016f;
constexpr uint8_t ROCK_FALLING = 0;
} // namespace

Rock::Rock(float x, float y, float scaleX, float scaleY, Texture* picture, int32_t reset,
           float angle)
    : resetHeight(reset)
{
    position = {x, y};
    scale = {scaleX, scaleY};
    mesh = UnitQuadMesh;
    texture = picture;
    rotation = angle;
    active = alive = visible = true;
}

void Rock::Update()
{
    if (state == ROCK_FALLING)
    {
        velocity.y = ROCK_FALL_SPEED;
        if (static_cast<float>(floorHeight) >= position.y)
        {
            position.y = static_cast<float>(resetHeight);
            state = ROCK_FALLING;
        }
    }
    position.y -= velocity.y * ROCK_STEP;
}
