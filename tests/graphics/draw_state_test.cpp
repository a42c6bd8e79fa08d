// The draw state on the headless renderer: setters, the frame reset, the view, lines.
#include "engine/graphics/draw_state.h"
#include "engine/platform/platform_scripted.h"
#include "engine/system/window.h"

#include <gtest/gtest.h>

namespace
{
class DrawStateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ScriptedReset();
        WindowWidth = 1920;
        WindowHeight = 1080;
        CreateGameWindow();
        BeginFrame();
    }
    void TearDown() override { DestroyGameWindow(); }
};

TEST_F(DrawStateTest, OpaqueWhiteTintIsStoredOneBlueStepLower)
{
    SetTintColor(0xFFFFFFFF);
    EXPECT_EQ(TintColor, 0xFFFFFFFEu);
    SetTintColor(0x80FF0000);
    EXPECT_EQ(TintColor, 0x80FF0000u);
}

TEST_F(DrawStateTest, TheWorldTransformBecomesA4x4ModelMatrix)
{
    SetWorldTransform({{1, 2, 3, 4, 5, 6, 0, 0, 1}});
    const float expected[16] = {1, 2, 0, 3, 4, 5, 0, 6, 0, 0, 1, 0, 0, 0, 0, 1};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(ModelMatrix.m[i], expected[i]) << i;
}

TEST_F(DrawStateTest, ANullTextureTransformRestoresIdentity)
{
    Matrix3 cell = {{0.5f, 0, 0.5f, 0, 0.5f, 0, 0, 0, 1}};
    SetTextureTransform(&cell);
    EXPECT_EQ(TextureMatrix.m[2], 0.5f);
    SetTextureTransform(nullptr);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(TextureMatrix.m[i], i % 4 == 0 ? 1.0f : 0.0f);
}

TEST_F(DrawStateTest, AFrameStartResetsThePerFrameStateAndKeepsTheTint)
{
    SetWorldTransform({{3, 0, 5, 0, 3, 5, 0, 0, 1}});
    Matrix3 cell = {{0.5f, 0, 0.5f, 0, 0.5f, 0, 0, 0, 1}};
    SetTextureTransform(&cell);
    SetTintEnabled(true);
    SetTintColor(0xFF102030);
    AddLine({0, 0}, {1, 1}, 0xFFFFFFFF);
    BeginFrame();
    EXPECT_EQ(ModelMatrix.m[3], 0.0f);
    EXPECT_EQ(TextureMatrix.m[2], 0.0f);
    EXPECT_FALSE(TintEnabled);
    EXPECT_EQ(LineVertexCount, 0u);
    EXPECT_EQ(TintColor, 0xFF102030u);
}

TEST_F(DrawStateTest, TheDefaultViewFollowsTheWindow)
{
    EXPECT_EQ(ViewHalfExtents.top, 540.0f);
    EXPECT_EQ(ViewHalfExtents.right, 960.0f);
    EXPECT_EQ(ViewHalfExtents.bottom, -540.0f);
    EXPECT_EQ(ViewHalfExtents.left, -960.0f);
    EXPECT_FLOAT_EQ(ProjectionMatrix.m[0], 2.0f / 1920.0f);
    EXPECT_FLOAT_EQ(ProjectionMatrix.m[5], 2.0f / 1080.0f);
    EXPECT_FLOAT_EQ(ProjectionMatrix.m[10], -0.00200002f);
    EXPECT_FLOAT_EQ(ProjectionMatrix.m[11], -1.00002f);

    PlatformSetClientSize(1280, 720); // the player drags the window
    BeginFrame();
    EXPECT_EQ(WindowWidth, 1280u);
    EXPECT_EQ(ViewHalfExtents.right, 640.0f);
    EXPECT_FLOAT_EQ(ViewProjMatrix.m[0], 2.0f / 1280.0f);
}

TEST_F(DrawStateTest, TheLineBatchRefusesVerticesBeyondItsSize)
{
    for (uint32_t i = 0; i < MaxLineVertices / 2; ++i)
        ASSERT_TRUE(AddLine({0, 0}, {1, 0}, 0xFFFF0000));
    EXPECT_FALSE(AddLine({0, 0}, {1, 0}, 0xFFFF0000));
    EXPECT_EQ(LineVertexCount, MaxLineVertices);
    FlushLineBatch();
    EXPECT_EQ(LineVertexCount, 0u);
}
} // namespace
