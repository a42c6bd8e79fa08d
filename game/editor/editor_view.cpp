// editor_view.cpp: the editor's camera and its immediate drawing.
#include "game/editor/editor_view.h"

#include "engine/graphics/draw_state.h"
#include "game/frontend/text_label.h"
#include "game/scene/camera.h"
#include "game/scene/game_object.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr Vec2 CANVAS_MIDDLE = {(CANVAS.left + CANVAS.right) * 0.5f,
                                (CANVAS.bottom + CANVAS.top) * 0.5f};
constexpr float BACKGROUND_WIDTH = 3240.0f;
constexpr uint32_t VIEW_OUTLINE = 0xC0FFFFFFu;
constexpr uint32_t GRID_LINE = 0x30FFFFFFu;
constexpr uint32_t HIDDEN_EXIT_TINT = 0x8080FF80u;
constexpr float GRID_LEAST_SPACING = 8.0f; // screen units between grid lines
constexpr char FIRST_LETTER = ' ', LAST_LETTER = '~';

// One quad in screen units, with the picture (or none) already bound.
void Quad(Vec2 centre, Vec2 size, uint32_t tint, bool tinted)
{
    SetTintEnabled(tinted);
    SetTintColor(tint);
    SetWorldTransform(MakeTransformMatrix({centre, size, 0.0f}));
    DrawMesh(UnitQuadMesh);
}

// An object drawn by the game's own draw (tiling included) under the camera's matrix.
void DrawObject(GameObject& scratch, const Matrix3& parent, ObjectKind kind, Texture* picture,
                Vec2 at, Vec2 size, uint32_t tint)
{
    if (!picture) return;
    scratch.kind = kind;
    scratch.texture = picture;
    scratch.position = at;
    scratch.scale = size;
    scratch.tiledTexture = kind == KIND_SPIKES || kind == KIND_PLATFORM ||
                           kind == KIND_GRAPPLE_POINT || kind == KIND_LAVA;
    scratch.tintEnabled = tint != 0xFFFFFFFFu;
    scratch.tint = tint;
    scratch.Draw(&parent);
}
} // namespace

Vec2 EditorCamera::ToScreen(Vec2 world) const { return CANVAS_MIDDLE + (world - centre) * zoom; }

Vec2 EditorCamera::ToWorld(Vec2 screen) const
{
    return centre + (screen - CANVAS_MIDDLE) * (1.0f / zoom);
}

Matrix3 EditorCamera::Matrix() const
{
    return {{zoom, 0.0f, CANVAS_MIDDLE.x - centre.x * zoom, //
             0.0f, zoom, CANVAS_MIDDLE.y - centre.y * zoom, //
             0.0f, 0.0f, 1.0f}};
}

void EditorCamera::ZoomAt(Vec2 screen, float factor)
{
    const Vec2 held = ToWorld(screen);
    zoom = std::min(std::max(zoom * factor, ZOOM_LEAST), ZOOM_MOST);
    centre = held - (screen - CANVAS_MIDDLE) * (1.0f / zoom);
}

bool ScreenInside(const EditorRect& r, Vec2 p)
{
    return p.x >= r.left && p.x <= r.right && p.y >= r.bottom && p.y <= r.top;
}

void DrawBox(const EditorRect& r, uint32_t colour)
{
    SetTexture(nullptr);
    SetTextureTransform(nullptr);
    Quad({(r.left + r.right) * 0.5f, (r.bottom + r.top) * 0.5f},
         {r.right - r.left, r.top - r.bottom}, colour, true);
}

void DrawOutline(const EditorRect& r, uint32_t colour)
{
    AddLine({r.left, r.bottom}, {r.right, r.bottom}, colour);
    AddLine({r.right, r.bottom}, {r.right, r.top}, colour);
    AddLine({r.right, r.top}, {r.left, r.top}, colour);
    AddLine({r.left, r.top}, {r.left, r.bottom}, colour);
}

void DrawPicture(Texture* picture, const EditorRect& r, uint32_t tint)
{
    if (!picture) return;
    SetTexture(picture);
    SetTextureTransform(nullptr);
    Quad({(r.left + r.right) * 0.5f, (r.bottom + r.top) * 0.5f},
         {r.right - r.left, r.top - r.bottom}, tint, tint != 0xFFFFFFFFu);
}

void DrawText(Texture* letters, const std::string& text, float x, float y, float height,
              uint32_t colour, bool centred)
{
    if (!letters) return;
    const float width = height * LETTER_ASPECT;
    float left = centred ? x - TextLabelWidth(text, height) * 0.5f : x;
    constexpr float cells = static_cast<float>(LAST_LETTER - FIRST_LETTER + 1);
    SetTexture(letters);
    for (char c : text)
    {
        if (c != ' ')
        {
            const char shown = c >= FIRST_LETTER && c <= LAST_LETTER ? c : '?';
            const Matrix3 cell = {{1.0f / cells, 0, static_cast<float>(shown - FIRST_LETTER) / cells,
                                   0, 1, 0, 0, 0, 1}};
            SetTextureTransform(&cell);
            Quad({left + width * 0.5f, y}, {width, height}, colour, true);
        }
        left += width;
    }
    SetTextureTransform(nullptr);
}

void DrawLevel(const LevelFile& level, const EditorCamera& camera, const EditorPictures& pictures)
{
    const Matrix3 parent = camera.Matrix();
    GameObject scratch;
    scratch.mesh = UnitQuadMesh;
    const Vec2 backdrop = {BACKGROUND_WIDTH, WORLD_HEIGHT};
    DrawObject(scratch, parent, KIND_BACKGROUND, pictures.level[PICTURE_FAR_BACKGROUND], {0, 0},
               backdrop, 0xFFFFFFFFu);
    DrawObject(scratch, parent, KIND_BACKGROUND_NEAR, pictures.level[PICTURE_COLUMNS], {0, 0},
               backdrop, 0xFFFFFFFFu);
    auto drawLayer = [&](bool inFrame)
    {
        for (const LevelObject& o : level.objects)
        {
            if (o.inFrame != inFrame) continue;
            const bool hidden = o.type == OBJECT_EXIT && !level.exitsShown;
            DrawObject(scratch, parent, ObjectKindOf(o.type), pictures.level[o.picture],
                       {o.x, o.y}, {o.w, o.h}, hidden ? HIDDEN_EXIT_TINT : 0xFFFFFFFFu);
        }
    };
    drawLayer(false);
    DrawObject(scratch, parent, KIND_BACKGROUND, pictures.level[PICTURE_PLAYER],
               {level.startX, level.startY}, {START_WIDTH, START_HEIGHT}, 0xFFFFFFFFu);
    drawLayer(true);
    SetTextureTransform(nullptr);
}

void DrawGrid(const EditorCamera& camera, float grid)
{
    if (grid > 0.0f && grid * camera.zoom >= GRID_LEAST_SPACING)
    {
        const Vec2 low = camera.ToWorld({CANVAS.left, CANVAS.bottom});
        const Vec2 high = camera.ToWorld({CANVAS.right, CANVAS.top});
        for (float x = std::ceil(low.x / grid) * grid; x <= high.x; x += grid)
        {
            const float sx = camera.ToScreen({x, 0}).x;
            if (!AddLine({sx, CANVAS.bottom}, {sx, CANVAS.top}, GRID_LINE)) return;
        }
        for (float y = std::ceil(low.y / grid) * grid; y <= high.y; y += grid)
        {
            const float sy = camera.ToScreen({0, y}).y;
            if (!AddLine({CANVAS.left, sy}, {CANVAS.right, sy}, GRID_LINE)) return;
        }
    }
    const Vec2 a = camera.ToScreen({-WORLD_WIDTH * 0.5f, -WORLD_HEIGHT * 0.5f});
    const Vec2 b = camera.ToScreen({WORLD_WIDTH * 0.5f, WORLD_HEIGHT * 0.5f});
    DrawOutline({a.x, a.y, b.x, b.y}, VIEW_OUTLINE);
}
