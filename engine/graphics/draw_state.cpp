// draw_state.cpp: the draw state, BeginFrame, DrawMesh and the line batch.
#include "engine/graphics/draw_state.h"

#include "engine/graphics/draw_batch.h"
#include "engine/graphics/mesh.h"
#include "engine/graphics/render_device.h"
#include "engine/graphics/texture.h"
#include "engine/platform/platform.h"
#include "engine/system/frame_controller.h"
#include "engine/system/window.h"

#include "engine/graphics/gl_api.h"

#include <cstring>

static float FloatFromBits(uint32_t bits)
{
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

const float ProjectionDepthScale = FloatFromBits(0xBB0312C5u);  // -0.00200002
const float ProjectionDepthOffset = FloatFromBits(0xBF8000A8u); // -1.00002

Matrix4 ModelMatrix = {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};
Matrix3 TextureMatrix = {{1, 0, 0, 0, 1, 0, 0, 0, 1}};
Matrix4 ProjectionMatrix = {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};
Matrix4 ViewMatrix = {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};
Matrix4 ViewProjMatrix = {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};
ViewExtents ViewHalfExtents = {540.0f, 960.0f, -540.0f, -960.0f};
uint32_t TintColor = 0xFFFFFFFEu;
bool TintEnabled = false;
Texture* BoundTexture = nullptr;
uint32_t LineVertexCount = 0;

static LineVertex LineVertices[MaxLineVertices];

static GLsizei Truncate(float value) { return static_cast<GLsizei>(value); }

void SetViewHalfExtents(uint32_t width, uint32_t height)
{
    ViewHalfExtents.right = static_cast<float>(width) * 0.5f;
    ViewHalfExtents.left = -ViewHalfExtents.right;
    ViewHalfExtents.top = static_cast<float>(height) * 0.5f;
    ViewHalfExtents.bottom = -ViewHalfExtents.top;
}

void BeginFrame()
{
    FlushDrawBatch();
    StartFrameTimer();
    PlatformGetClientSize(&WindowWidth, &WindowHeight);
    Matrix4Identity(ModelMatrix);
    ResetMeshBuilder();
    ResetLineBatch();
    TintEnabled = false;
    Matrix3Identity(TextureMatrix);
    if (BoundTexture)
    {
        BoundTexture = nullptr;
        CheckGLError(__LINE__);
        if (GraphicsReady) glBindTexture(GL_TEXTURE_2D, 0);
        CheckGLError(__LINE__);
    }
    SetViewHalfExtents(WindowWidth, WindowHeight);
    SetProjectionToWindow();
    if (GraphicsReady)
    {
        CheckGLError(__LINE__);
        const ViewExtents& v = ViewHalfExtents;
        glViewport(0, 0, Truncate(v.right - v.left), Truncate(v.top - v.bottom));
        glScissor(0, 0, Truncate(v.right - v.left), Truncate(v.top - v.bottom));
    }
    ClearBuffers();
    StartOverlayFrame();
}

void SetWorldTransform(const Matrix3& m)
{
    const float* a = m.m;
    ModelMatrix = {{a[0], a[1], 0.0f, a[2], //
                    a[3], a[4], 0.0f, a[5], //
                    a[6], a[7], 1.0f, 0.0f, //
                    0.0f, 0.0f, 0.0f, 1.0f}};
}

void SetTextureTransform(const Matrix3* matrix)
{
    if (matrix)
        TextureMatrix = *matrix;
    else
        Matrix3Identity(TextureMatrix);
}

void SetTexture(Texture* texture)
{
    if (texture == BoundTexture) return;
    FlushDrawBatch(); // the queued run is drawn with the texture it was queued with
    BoundTexture = texture;
    if (!GraphicsReady) return;
    CheckGLError(__LINE__);
    glBindTexture(GL_TEXTURE_2D, texture ? texture->Id : 0);
    CheckGLError(__LINE__);
}

void SetTintColor(uint32_t colour)
{
    if (colour == TintColor) return;
    // Opaque white is kept one step below full blue. Harmless to the eye, and what the
    // game has always drawn with.
    TintColor = colour == 0xFFFFFFFFu ? 0xFFFFFFFEu : colour;
}

void SetTintEnabled(bool enabled) { TintEnabled = enabled; }

void SetClearColor(uint32_t colour)
{
    if (!GraphicsReady) return;
    glClearColor(((colour >> 16) & 0xFF) / 255.0f, ((colour >> 8) & 0xFF) / 255.0f,
                 (colour & 0xFF) / 255.0f, ((colour >> 24) & 0xFF) / 255.0f);
    CheckGLError(__LINE__);
}

void ClearBuffers()
{
    FlushDrawBatch();
    if (!GraphicsReady) return;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    CheckGLError(__LINE__);
}

void SetViewport(float left, float bottom, float right, float top)
{
    FlushDrawBatch();
    if (!GraphicsReady) return;
    CheckGLError(__LINE__);
    glViewport(Truncate(left), Truncate(bottom), Truncate(right - left), Truncate(top - bottom));
    glScissor(Truncate(left), Truncate(bottom), Truncate(right - left), Truncate(top - bottom));
    CheckGLError(__LINE__);
}

void SetProjectionToWindow()
{
    const float w = ViewHalfExtents.right - ViewHalfExtents.left;
    const float h = ViewHalfExtents.top - ViewHalfExtents.bottom;
    ProjectionMatrix = {{2.0f / w, 0.0f, 0.0f, 0.0f, //
                         0.0f, 2.0f / h, 0.0f, 0.0f, //
                         0.0f, 0.0f, ProjectionDepthScale, ProjectionDepthOffset, //
                         0.0f, 0.0f, 0.0f, 1.0f}};
    MultiplyProjectionView();
}

void MultiplyProjectionView() { ViewProjMatrix = Matrix4Multiply(ProjectionMatrix, ViewMatrix); }

void DrawMesh(const Mesh* mesh)
{
    if (!mesh || !GraphicsReady) return;
    if (QueueMeshDraw(mesh)) return;
    CheckGLError(__LINE__);
    glBindVertexArray(mesh->VertexArray);
    CheckGLError(__LINE__);
    glUseProgram(MeshProgram);

    const float modColor[4] = {((TintColor >> 16) & 0xFF) / 255.0f,
                               ((TintColor >> 8) & 0xFF) / 255.0f, (TintColor & 0xFF) / 255.0f,
                               ((TintColor >> 24) & 0xFF) / 255.0f};
    // The view-projection goes as stored: with z = 0 in every vertex that keeps the picture
    // inside the clip volume, where the transposed matrix would put it just outside.
    const MeshUniformLocations& u = MeshUniforms;
    if (u.viewProj != -1) glUniformMatrix4fv(u.viewProj, 1, GL_FALSE, ViewProjMatrix.m);
    if (u.model != -1) glUniformMatrix4fv(u.model, 1, GL_TRUE, ModelMatrix.m);
    if (u.texture != -1) glUniformMatrix3fv(u.texture, 1, GL_TRUE, TextureMatrix.m);
    if (u.modColor != -1) glUniform4fv(u.modColor, 1, modColor);
    if (u.useModColor != -1) glUniform1i(u.useModColor, TintEnabled ? 1 : 0);
    if (u.useTexture != -1) glUniform1i(u.useTexture, BoundTexture ? 1 : 0);
    if (u.colorTexture != -1) glUniform1i(u.colorTexture, 0);

    CheckGLError(__LINE__);
    for (GLuint a = 0; a < 3; ++a) glEnableVertexAttribArray(a);
    CheckGLError(__LINE__);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(mesh->VertexCount));
    CheckGLError(__LINE__);
    for (GLuint a = 0; a < 3; ++a) glDisableVertexAttribArray(a);
    CheckGLError(__LINE__);
}

bool AddLine(Vec2 from, Vec2 to, uint32_t colour)
{
    if (LineVertexCount + 2 > MaxLineVertices) return false;
    const float r = ((colour >> 16) & 0xFF) / 255.0f, g = ((colour >> 8) & 0xFF) / 255.0f;
    const float b = (colour & 0xFF) / 255.0f, a = ((colour >> 24) & 0xFF) / 255.0f;
    LineVertices[LineVertexCount++] = {from.x, from.y, 0.0f, r, g, b, a};
    LineVertices[LineVertexCount++] = {to.x, to.y, 0.0f, r, g, b, a};
    return true;
}

void ResetLineBatch() { LineVertexCount = 0; }

void FlushLineBatch()
{
    FlushDrawBatch();
    if (LineVertexCount == 0) return;
    if (GraphicsReady)
    {
        glBindVertexArray(LineVertexArray);
        glBindBuffer(GL_ARRAY_BUFFER, LineBuffer);
        glBufferSubData(GL_ARRAY_BUFFER, 0, LineVertexCount * sizeof(LineVertex), LineVertices);
        CheckGLError(__LINE__);
        glUseProgram(LineProgram);
        CheckGLError(__LINE__);
        const LineUniformLocations& u = LineUniforms;
        if (u.viewProj != -1) glUniformMatrix4fv(u.viewProj, 1, GL_FALSE, ViewProjMatrix.m);
        const float blue[4] = {0.0f, 0.0f, 1.0f, 1.0f};
        if (u.modColor != -1) glUniform4fv(u.modColor, 1, blue);
        if (u.useModColor != -1) glUniform1i(u.useModColor, 0);
        glEnableVertexAttribArray(0);
        glEnableVertexAttribArray(1);
        glDrawArrays(GL_LINES, 0, static_cast<GLsizei>(LineVertexCount));
        glDisableVertexAttribArray(0);
        glDisableVertexAttribArray(1);
    }
    LineVertexCount = 0;
}
