// draw_state.h: the renderer's one global draw state, the view, and the line batch.
//
// Callers set the state piece by piece (world transform, texture transform, texture, tint)
// and then call DrawMesh. BeginFrame resets the per-frame parts at the start of every frame.
#pragma once

#include "engine/graphics/math2d.h"

#include <cstdint>

struct Mesh;
struct Texture;

// The default view in pixels from the window centre.
struct ViewExtents
{
    float top, right, bottom, left;
};

// One line vertex as the GPU reads it.
struct LineVertex
{
    float x, y, z;
    float r, g, b, a;
};

constexpr uint32_t MaxLineVertices = 16384;

extern Matrix4 ModelMatrix;
extern Matrix3 TextureMatrix;
extern Matrix4 ProjectionMatrix;
extern Matrix4 ViewMatrix;
extern Matrix4 ViewProjMatrix;
extern ViewExtents ViewHalfExtents;
extern uint32_t TintColor; // packed 0xAARRGGBB
extern bool TintEnabled;
extern Texture* BoundTexture;
extern uint32_t LineVertexCount;

// The depth terms of every orthographic projection: a depth range of about 0.01 to 1000.
extern const float ProjectionDepthScale;
extern const float ProjectionDepthOffset;

// First thing of every frame: frame timer, client size, per-frame state, viewport, clear,
// overlay frame.
void BeginFrame();

// A 2D affine matrix, rows (a, b, tx), (c, d, ty), (0, 0, 1), as the model matrix.
void SetWorldTransform(const Matrix3& matrix);
// Null restores identity texture coordinates.
void SetTextureTransform(const Matrix3* matrix);
void SetTexture(Texture* texture);
// 0xFFFFFFFF is stored as 0xFFFFFFFE.
void SetTintColor(uint32_t colour);
void SetTintEnabled(bool enabled);
void SetClearColor(uint32_t colour);
// Clears colour and depth inside the scissor rectangle (the current viewport).
void ClearBuffers();
// Viewport and scissor, in window pixels.
void SetViewport(float left, float bottom, float right, float top);
void SetViewHalfExtents(uint32_t width, uint32_t height);
// One unit per pixel, origin at the window centre, y up.
void SetProjectionToWindow();
void MultiplyProjectionView();
// Draws the mesh with the current state; inside a draw batch (draw_batch.h) a small mesh is
// queued with that state instead, and drawn with its run.
void DrawMesh(const Mesh* mesh);

// Adds a line in view coordinates; false, with nothing added, once the frame's batch is full.
bool AddLine(Vec2 from, Vec2 to, uint32_t colour);
void ResetLineBatch();
void FlushLineBatch();
