// editor_view.h: how the editor shows a level: its camera over the world, and what it draws.
//
// The editor draws straight through the menus' 1920 x 1080 letterboxed space ("screen units",
// y up, origin in the middle): the level through its own camera, which pans and zooms over a
// level larger than the view, then the panels over it. Nothing here is kept in the registry:
// every frame draws the model as it is.
#pragma once

#include "engine/graphics/math2d.h"
#include "game/editor/editor_model.h"

#include <cstdint>
#include <string>

struct Texture;

// The part of the screen the level is seen in, between the palette, the tool bar and the
// status line.
constexpr EditorRect CANVAS = {-770.0f, -480.0f, 960.0f, 470.0f};
constexpr float ZOOM_LEAST = 0.05f, ZOOM_MOST = 4.0f;

struct EditorCamera
{
    Vec2 centre = {0.0f, 0.0f}; // the world point in the middle of the canvas
    float zoom = 0.85f;         // screen units per world unit: the whole view fits

    Vec2 ToScreen(Vec2 world) const;
    Vec2 ToWorld(Vec2 screen) const;
    // World to screen, as a draw's parent matrix.
    Matrix3 Matrix() const;
    // Zooms by `factor`, keeping the world point under `screen` where it is.
    void ZoomAt(Vec2 screen, float factor);
};

bool ScreenInside(const EditorRect& rect, Vec2 point);

// The pictures the editor draws the level with, and its letters; null ones draw nothing.
struct EditorPictures
{
    Texture* level[PICTURE_COUNT];
    Texture* letters;
};

// A plain filled box and a box's outline, in screen units, 0xAARRGGBB.
void DrawBox(const EditorRect& rect, uint32_t colour);
void DrawOutline(const EditorRect& rect, uint32_t colour);
// A line of text from its left end (or centred on `x`), `height` units high.
void DrawText(Texture* letters, const std::string& text, float x, float y, float height,
              uint32_t colour, bool centred = false);
// A picture in a screen box.
void DrawPicture(Texture* picture, const EditorRect& rect, uint32_t tint = 0xFFFFFFFFu);

// The level as the player will see it, through the camera: the backgrounds, every object,
// exits (shown half see-through when the level hides them) and the player at the start.
void DrawLevel(const LevelFile& level, const EditorCamera& camera, const EditorPictures& pictures);
// The grid (when its lines are at least a few units apart) and the outline of the view the
// level is played in.
void DrawGrid(const EditorCamera& camera, float grid);
