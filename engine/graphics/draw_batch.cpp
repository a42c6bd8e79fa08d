// draw_batch.cpp: the queued run, its program and buffer, and when a run is sent.
#include "engine/graphics/draw_batch.h"

#include "engine/graphics/draw_state.h"
#include "engine/graphics/mesh.h"
#include "engine/graphics/render_device.h"

#include "engine/graphics/gl_api.h"

#include <cstddef>
#include <cstring>

// The mesh program with its uniforms turned into vertex attributes: every vertex carries
// the draw state it was queued with. The matrices are built as the mesh program's uniforms
// are and multiplied in the same order, so each vertex lands exactly where it would alone.
const char* BatchVertexShaderSource = R"(layout(location = 0) in vec3 vertexPos;
layout(location = 1) in vec4 vertexColor;
layout(location = 2) in vec2 vertexUV;
layout(location = 3) in vec4 modelRow0;
layout(location = 4) in vec4 modelRow1;
layout(location = 5) in vec4 modelRow2;
layout(location = 6) in vec4 modelRow3;
layout(location = 7) in vec3 textureRow0;
layout(location = 8) in vec3 textureRow1;
layout(location = 9) in vec3 textureRow2;
layout(location = 10) in vec4 modColor;
layout(location = 11) in ivec2 switches;
out vec2 vtxUV;
out vec4 vtxColor;
flat out vec4 vtxModColor;
flat out ivec2 vtxSwitches;
uniform mat4 mtxViewProj;
void main()
{
    mat4 mtxModel = transpose(mat4(modelRow0, modelRow1, modelRow2, modelRow3));
    mat3 mtxTexture = transpose(mat3(textureRow0, textureRow1, textureRow2));
    gl_Position = (mtxViewProj * mtxModel * vec4(vertexPos, 1));
    vtxUV = (mtxTexture * vec3(vertexUV, 1)).xy;
    vtxColor = vertexColor;
    vtxModColor = modColor;
    vtxSwitches = switches;
}
)";

const char* BatchFragmentShaderSource = R"(in vec4 vtxColor;
in vec2 vtxUV;
flat in vec4 vtxModColor;
flat in ivec2 vtxSwitches;
out vec4 color;
uniform sampler2D colorTexture;
void main()
{
    vec4 mc = vtxModColor;
    if (vtxSwitches.x == 0)
        mc = vec4(1, 1, 1, 1);
    if (vtxSwitches.y == 1)
        color = texture(colorTexture, vtxUV) * mc;
    else
        color = vtxColor * mc;
}
)";

namespace
{
// One queued vertex: the mesh vertex and the draw state of its DrawMesh.
struct BatchVertex
{
    float x, y, z;
    float r, g, b, a;
    float u, v;
    float model[16];   // ModelMatrix, row by row
    float texture[9];  // TextureMatrix, row by row
    float modColor[4]; // the tint, 0..1
    int32_t useModColor, useTexture;
};

// A run holds at least 64 meshes of the largest kept size; the game's quads take 6 each.
constexpr uint32_t MaxBatchVertices = 64 * MaxKeptMeshVertices;

BatchVertex Queued[MaxBatchVertices];
uint32_t QueuedCount = 0;
Matrix4 QueuedViewProj;
int BatchDepth = 0;

GLuint BatchProgram = 0;
GLuint BatchVertexArray = 0;
GLuint BatchBuffer = 0;
GLint BatchViewProjLocation = -1;

void SetAttribute(GLuint location, GLint floats, size_t offset)
{
    glVertexAttribPointer(location, floats, GL_FLOAT, GL_FALSE, sizeof(BatchVertex),
                          reinterpret_cast<void*>(offset));
    glEnableVertexAttribArray(location);
}
} // namespace

void BeginDrawBatch() { ++BatchDepth; }

void EndDrawBatch()
{
    if (BatchDepth > 0) --BatchDepth;
    FlushDrawBatch();
}

void FlushDrawBatch()
{
    if (QueuedCount == 0) return;
    const uint32_t count = QueuedCount;
    QueuedCount = 0;
    if (!GraphicsReady || !BatchProgram) return;
    CheckGLError(__LINE__);
    glBindVertexArray(BatchVertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, BatchBuffer);
    glBufferSubData(GL_ARRAY_BUFFER, 0, count * sizeof(BatchVertex), Queued);
    CheckGLError(__LINE__);
    glUseProgram(BatchProgram);
    // As stored, like the mesh program's: see DrawMesh.
    if (BatchViewProjLocation != -1)
        glUniformMatrix4fv(BatchViewProjLocation, 1, GL_FALSE, QueuedViewProj.m);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(count));
    CheckGLError(__LINE__);
}

bool QueueMeshDraw(const Mesh* mesh)
{
    if (BatchDepth == 0 || !BatchProgram) return false;
    const MeshVertex* vertices = FindMeshVertices(mesh);
    if (!vertices)
    {
        FlushDrawBatch();
        return false;
    }
    const uint32_t count = mesh->VertexCount;
    if (QueuedCount > 0 &&
        (QueuedCount + count > MaxBatchVertices ||
         std::memcmp(QueuedViewProj.m, ViewProjMatrix.m, sizeof QueuedViewProj.m) != 0))
        FlushDrawBatch();
    if (QueuedCount == 0) QueuedViewProj = ViewProjMatrix;

    BatchVertex state;
    std::memcpy(state.model, ModelMatrix.m, sizeof state.model);
    std::memcpy(state.texture, TextureMatrix.m, sizeof state.texture);
    state.modColor[0] = ((TintColor >> 16) & 0xFF) / 255.0f;
    state.modColor[1] = ((TintColor >> 8) & 0xFF) / 255.0f;
    state.modColor[2] = (TintColor & 0xFF) / 255.0f;
    state.modColor[3] = ((TintColor >> 24) & 0xFF) / 255.0f;
    state.useModColor = TintEnabled ? 1 : 0;
    state.useTexture = BoundTexture ? 1 : 0;
    for (uint32_t i = 0; i < count; ++i)
    {
        const MeshVertex& from = vertices[i];
        BatchVertex& to = Queued[QueuedCount++];
        to = state;
        to.x = from.x, to.y = from.y, to.z = from.z;
        to.r = from.r, to.g = from.g, to.b = from.b, to.a = from.a;
        to.u = from.u, to.v = from.v;
    }
    return true;
}

void CreateDrawBatch()
{
    BatchProgram = BuildProgram(BatchVertexShaderSource, BatchFragmentShaderSource);
    BatchViewProjLocation = glGetUniformLocation(BatchProgram, "mtxViewProj");
    glUseProgram(BatchProgram);
    glUniform1i(glGetUniformLocation(BatchProgram, "colorTexture"), 0);
    glUseProgram(0);

    glGenVertexArrays(1, &BatchVertexArray);
    glGenBuffers(1, &BatchBuffer);
    glBindVertexArray(BatchVertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, BatchBuffer);
    glBufferData(GL_ARRAY_BUFFER, sizeof Queued, nullptr, GL_STREAM_DRAW);
    CheckGLError(__LINE__);
    // Unlike the mesh and line arrays, this one is drawn by nothing else: its attributes stay
    // enabled.
    SetAttribute(0, 3, offsetof(BatchVertex, x));
    SetAttribute(1, 4, offsetof(BatchVertex, r));
    SetAttribute(2, 2, offsetof(BatchVertex, u));
    for (GLuint row = 0; row < 4; ++row)
        SetAttribute(3 + row, 4, offsetof(BatchVertex, model) + row * 4 * sizeof(float));
    for (GLuint row = 0; row < 3; ++row)
        SetAttribute(7 + row, 3, offsetof(BatchVertex, texture) + row * 3 * sizeof(float));
    SetAttribute(10, 4, offsetof(BatchVertex, modColor));
    glVertexAttribIPointer(11, 2, GL_INT, sizeof(BatchVertex),
                           reinterpret_cast<void*>(offsetof(BatchVertex, useModColor)));
    glEnableVertexAttribArray(11);
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    CheckGLError(__LINE__);
}

void DestroyDrawBatch()
{
    QueuedCount = 0;
    BatchDepth = 0;
    if (!BatchProgram) return;
    glDeleteProgram(BatchProgram);
    glDeleteBuffers(1, &BatchBuffer);
    glDeleteVertexArrays(1, &BatchVertexArray);
    BatchProgram = BatchBuffer = BatchVertexArray = 0;
    BatchViewProjLocation = -1;
}
