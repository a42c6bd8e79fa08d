// sprite.h: a game object that shows one cell of a sprite sheet and steps through them.
//
// The sprite's frameTransform is the texture matrix that selects the current cell: frame f
// is column f mod columns and row f div columns, rows counted from the bottom of the picture.
// Animate advances at most one frame per call, by FrameTime x animationSpeed; a frame lasts
// the first whole number of draws whose time reaches its duration. Player and Enemy derive
// from Sprite.
#pragma once

#include "game/scene/game_object.h"

struct SpriteSheet;

class Sprite : public GameObject
{
  public:
    // Animates, draws the current cell under `parent`, then puts the identity texture matrix
    // back. The object draw keeps the cell only for the object named "player".
    void Draw(const Matrix3* parent) override;

    SpriteSheet* sheet = nullptr; // not owned
    uint32_t frame = 0;           // the cell shown, 0 to frameCount - 1
    float frameTimer = 0.0f;      // seconds on the current frame
    float animationSpeed = 1.0f;  // multiplier on FrameTime
    bool looping = true;          // wraps at the end; otherwise stops on the last frame
    bool playing = false;         // advances only while set
    Matrix3 frameTransform = {{1, 0, 0, 0, 1, 0, 0, 0, 1}};
};

// Shows the sheet: its texture becomes the sprite's, and frame 0 is selected. A null sheet
// detaches the sprite from any sheet and leaves its texture and frame matrix as they are.
void SetSheet(Sprite* sprite, SpriteSheet* sheet);
// Selects frame f and restarts its timer. Nothing happens without a sheet or when f is not a
// frame of it (f >= frameCount).
void SetFrame(Sprite* sprite, uint32_t f);
// One draw's worth of animation: see the header note.
void Animate(Sprite* sprite);
