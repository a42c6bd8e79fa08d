// sprite.cpp: frame selection, the animation timer and the sprite's draw.
#include "game/scene/sprite.h"

#include "engine/graphics/draw_state.h"
#include "engine/system/frame_controller.h"
#include "game/scene/sprite_sheet.h"

void Sprite::Draw(const Matrix3* parent)
{
    Animate(this);
    if (sheet) SetTextureTransform(&frameTransform);
    GameObject::Draw(parent);
    SetTextureTransform(nullptr);
}

void SetSheet(Sprite* sprite, SpriteSheet* sheet)
{
    if (!sprite) return;
    sprite->sheet = sheet;
    if (!sheet) return;
    sprite->texture = sheet->texture;
    SetFrame(sprite, 0);
}

void SetFrame(Sprite* sprite, uint32_t f)
{
    if (!sprite || !sprite->sheet) return;
    const SpriteSheet& sheet = *sprite->sheet;
    if (f >= sheet.frameCount || sheet.columns == 0 || sheet.rows == 0) return;
    const float columns = static_cast<float>(sheet.columns);
    const float rows = static_cast<float>(sheet.rows);
    const float c = static_cast<float>(f % sheet.columns);
    const float r = static_cast<float>(f / sheet.columns);
    sprite->frame = f;
    sprite->frameTransform = {{1.0f / columns, 0.0f, c / columns, //
                               0.0f, 1.0f / rows, r / rows,       //
                               0.0f, 0.0f, 1.0f}};
    sprite->frameTimer = 0.0f;
}

void Animate(Sprite* sprite)
{
    if (!sprite || !sprite->sheet || !sprite->playing) return;
    const SpriteSheet& sheet = *sprite->sheet;
    // A sheet built by hand may hold fewer durations than frames: such a frame never ends.
    if (sprite->frame >= sheet.frameDurations.size()) return;

    sprite->frameTimer += static_cast<float>(FrameTime) * sprite->animationSpeed;
    const float duration = sheet.frameDurations[sprite->frame];
    if (!(sprite->frameTimer >= duration)) return;

    uint32_t next = sprite->frame + 1;
    if (next >= sheet.frameCount)
    {
        if (!sprite->looping)
        {
            sprite->playing = false;
            return;
        }
        next = 0;
    }
    SetFrame(sprite, next);
    if (next < sheet.frameDurations.size() && sprite->frameTimer >= sheet.frameDurations[next])
        sprite->frameTimer -= sheet.frameDurations[next];
}
