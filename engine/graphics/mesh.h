// mesh.h: triangle meshes on the GPU, and the unit quad every sprite is drawn with.
//
// A mesh is built one triangle at a time into a fixed staging array (BeginMesh, AddTriangle)
// and uploaded once (FinishMesh). The staging array is emptied at the start of every frame,
// so a mesh is begun and finished within one frame. Meshes are owned by whoever made them
// and released with ReleaseMesh; the renderer keeps a list of the live ones and reports
// leftovers at exit.
#pragma once

#include <cstdint>

// One vertex as the GPU reads it: position, colour (0..1), texture coordinates.
struct MeshVertex
{
    float x, y, z;
    float r, g, b, a;
    float u, v;
};

struct Mesh
{
    unsigned int VertexArray;
    uint32_t VertexCount;
    char Name[256];
};

struct MeshBufferRecord
{
    unsigned int vertexArray;
    unsigned int buffer;
    unsigned int unused; // always 0
};

constexpr uint32_t MaxStagedTriangles = 8192;
// Meshes of at most this many vertices keep a copy of them, from which draw batches copy.
constexpr uint32_t MaxKeptMeshVertices = 96;

// Starts staging triangles; does not empty what is staged.
void BeginMesh();
// Stages one triangle while building and below the limit; otherwise drops it. Every vertex
// gets the colour white at alpha 15/255: the colour arguments are not used.
void AddTriangle(float x0, float y0, uint32_t colour0, float u0, float v0, //
                 float x1, float y1, uint32_t colour1, float u1, float v1, //
                 float x2, float y2, uint32_t colour2, float u2, float v2);
uint32_t StagedTriangleCount();
// Uploads the staged triangles. Null, with nothing changed, for 0 or a count that is not a
// multiple of 3. The count is 3 x the staged triangles.
Mesh* FinishMesh(uint32_t vertexCount);
void ReleaseMesh(Mesh* mesh);
// The 1 x 1 quad centred on the origin, texture v growing upwards.
Mesh* CreateUnitQuad();

// Empties the staging array and stops building (start of every frame).
void ResetMeshBuilder();
int LiveMeshCount();
bool FindMeshBufferRecord(const Mesh* mesh, MeshBufferRecord* record);
// The VertexCount vertices of a live mesh that keeps them (see above), or null.
const MeshVertex* FindMeshVertices(const Mesh* mesh);
// Exit: releases every live mesh.
void ReleaseAllMeshes();
