// mesh.cpp: the staging array, mesh upload and release, the live-mesh list.
#include "engine/graphics/mesh.h"

#include "engine/graphics/render_device.h"

#include "engine/graphics/gl_api.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>
#include <vector>

static MeshVertex StagedVertices[MaxStagedTriangles * 3];
static uint32_t StagedTriangles = 0;
static bool Building = false;
static std::vector<Mesh*> LiveMeshes;
static std::unordered_map<const Mesh*, MeshBufferRecord> MeshBuffers;
static std::unordered_map<const Mesh*, std::vector<MeshVertex>> KeptVertices;

// The quad's only colour: faint white, visible where a mesh is drawn untextured.
static constexpr float VertexAlpha = 15.0f / 255.0f;

void BeginMesh() { Building = true; }

void ResetMeshBuilder()
{
    StagedTriangles = 0;
    Building = false;
}

uint32_t StagedTriangleCount() { return StagedTriangles; }

void AddTriangle(float x0, float y0, uint32_t, float u0, float v0, //
                 float x1, float y1, uint32_t, float u1, float v1, //
                 float x2, float y2, uint32_t, float u2, float v2)
{
    if (!Building || StagedTriangles >= MaxStagedTriangles) return;
    MeshVertex* v = &StagedVertices[StagedTriangles * 3];
    v[0] = {x0, y0, 0.0f, 1.0f, 1.0f, 1.0f, VertexAlpha, u0, v0};
    v[1] = {x1, y1, 0.0f, 1.0f, 1.0f, 1.0f, VertexAlpha, u1, v1};
    v[2] = {x2, y2, 0.0f, 1.0f, 1.0f, 1.0f, VertexAlpha, u2, v2};
    ++StagedTriangles;
}

Mesh* FinishMesh(uint32_t vertexCount)
{
    if (vertexCount == 0 || vertexCount % 3 != 0) return nullptr;
    // Never read past what the staging array holds, whatever the caller claims.
    vertexCount = std::min(vertexCount, MaxStagedTriangles * 3);

    Mesh* mesh = new Mesh();
    MeshBufferRecord record = {0, 0, 0};
    if (GraphicsReady)
    {
        glGenVertexArrays(1, &record.vertexArray);
        glGenBuffers(1, &record.buffer);
        glBindVertexArray(record.vertexArray);
        glBindBuffer(GL_ARRAY_BUFFER, record.buffer);
        glBufferData(GL_ARRAY_BUFFER, vertexCount * sizeof(MeshVertex), StagedVertices,
                     GL_STATIC_DRAW);
        CheckGLError(__LINE__);
        const GLsizei stride = sizeof(MeshVertex);
        glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, nullptr);
        glVertexAttribPointer(1, 4, GL_FLOAT, GL_FALSE, stride,
                              reinterpret_cast<void*>(offsetof(MeshVertex, r)));
        glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride,
                              reinterpret_cast<void*>(offsetof(MeshVertex, u)));
        glBindVertexArray(0);
        glBindBuffer(GL_ARRAY_BUFFER, 0);
    }
    mesh->VertexArray = record.vertexArray;
    mesh->VertexCount = vertexCount;
    ResetMeshBuilder();
    std::strcpy(mesh->Name, "Quad");
    if (vertexCount <= MaxKeptMeshVertices)
        KeptVertices[mesh].assign(StagedVertices, StagedVertices + vertexCount);
    MeshBuffers[mesh] = record;
    LiveMeshes.push_back(mesh);
    return mesh;
}

void ReleaseMesh(Mesh* mesh)
{
    if (!mesh) return;
    auto found = MeshBuffers.find(mesh);
    if (found != MeshBuffers.end())
    {
        if (GraphicsReady)
        {
            glDeleteBuffers(1, &found->second.buffer);
            glDeleteVertexArrays(1, &found->second.vertexArray);
        }
        MeshBuffers.erase(found);
    }
    KeptVertices.erase(mesh);
    LiveMeshes.erase(std::remove(LiveMeshes.begin(), LiveMeshes.end(), mesh), LiveMeshes.end());
    delete mesh;
}

Mesh* CreateUnitQuad()
{
    BeginMesh();
    AddTriangle(-0.5f, 0.5f, 0, 0.0f, 1.0f, //
                -0.5f, -0.5f, 0, 0.0f, 0.0f, //
                0.5f, -0.5f, 0, 1.0f, 0.0f);
    AddTriangle(-0.5f, 0.5f, 0, 0.0f, 1.0f, //
                0.5f, -0.5f, 0, 1.0f, 0.0f, //
                0.5f, 0.5f, 0, 1.0f, 1.0f);
    return FinishMesh(StagedTriangleCount() * 3);
}

int LiveMeshCount() { return static_cast<int>(LiveMeshes.size()); }

bool FindMeshBufferRecord(const Mesh* mesh, MeshBufferRecord* record)
{
    auto found = MeshBuffers.find(mesh);
    if (found == MeshBuffers.end()) return false;
    *record = found->second;
    return true;
}

const MeshVertex* FindMeshVertices(const Mesh* mesh)
{
    auto found = KeptVertices.find(mesh);
    return found == KeptVertices.end() ? nullptr : found->second.data();
}

void ReleaseAllMeshes()
{
    while (!LiveMeshes.empty()) ReleaseMesh(LiveMeshes.back());
}
