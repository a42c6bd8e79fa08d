// Building meshes on the headless renderer: the staging limits and the live list.
#include "engine/graphics/draw_state.h"
#include "engine/graphics/mesh.h"
#include "engine/platform/platform_scripted.h"
#include "engine/system/window.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{
class MeshTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ScriptedReset();
        CreateGameWindow();
        ReleaseAllMeshes();
        ResetMeshBuilder();
    }
    void TearDown() override
    {
        ReleaseAllMeshes();
        DestroyGameWindow();
    }
    static void Stage(int triangles)
    {
        for (int i = 0; i < triangles; ++i)
            AddTriangle(0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1);
    }
};

TEST_F(MeshTest, TheStagingArrayHoldsAtMost8192Triangles)
{
    BeginMesh();
    Stage(8193);
    EXPECT_EQ(StagedTriangleCount(), 8192u);
    Mesh* mesh = FinishMesh(24576);
    ASSERT_NE(mesh, nullptr);
    EXPECT_EQ(mesh->VertexCount, 24576u);
    EXPECT_EQ(StagedTriangleCount(), 0u) << "a finished mesh empties the staging array";
}

TEST_F(MeshTest, TrianglesWithoutBeginAreDropped)
{
    Stage(3);
    EXPECT_EQ(StagedTriangleCount(), 0u);
}

TEST_F(MeshTest, ABadVertexCountGivesNullAndChangesNothing)
{
    BeginMesh();
    Stage(2);
    EXPECT_EQ(FinishMesh(0), nullptr);
    EXPECT_EQ(FinishMesh(7), nullptr);
    EXPECT_EQ(StagedTriangleCount(), 2u);
    Stage(1);
    EXPECT_EQ(StagedTriangleCount(), 3u) << "still building";
    EXPECT_EQ(LiveMeshCount(), 0);
}

TEST_F(MeshTest, AFrameStartEmptiesTheBuilder)
{
    BeginMesh();
    Stage(2);
    BeginFrame();
    EXPECT_EQ(StagedTriangleCount(), 0u);
    Stage(1);
    EXPECT_EQ(StagedTriangleCount(), 0u) << "building stopped too";
}

TEST_F(MeshTest, UnitQuadsAreIndependentNamedAndListedUntilReleased)
{
    Mesh* a = CreateUnitQuad();
    Mesh* b = CreateUnitQuad();
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(a, b);
    EXPECT_STREQ(a->Name, "Quad");
    EXPECT_STREQ(b->Name, "Quad");
    EXPECT_EQ(a->VertexCount, 6u);
    EXPECT_EQ(LiveMeshCount(), 2);
    MeshBufferRecord record;
    EXPECT_TRUE(FindMeshBufferRecord(a, &record));
    ReleaseMesh(nullptr);
    EXPECT_EQ(LiveMeshCount(), 2);
    ReleaseMesh(a);
    EXPECT_EQ(LiveMeshCount(), 1);
    EXPECT_FALSE(FindMeshBufferRecord(a, &record));
}
} // namespace
