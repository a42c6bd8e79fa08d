// The renderer on a real OpenGL context: where quads land, in which colours, and the GL
// objects behind textures, meshes and lines.
#include "gl_window.h"
#include "test_images.h"

#include "engine/graphics/draw_batch.h"
#include "engine/graphics/mesh.h"
#include "engine/graphics/texture.h"

#include <GL/glew.h>

#include <cmath>

namespace
{
// Window pixel of a view coordinate (origin at the centre, one unit a pixel).
constexpr int CentreX = GLWindowTest::Width / 2;
constexpr int CentreY = GLWindowTest::Height / 2;

class RendererPixelsTest : public GLWindowTest
{
protected:
    void SetUp() override
    {
        GLWindowTest::SetUp();
        quad = CreateUnitQuad();
        ASSERT_NE(quad, nullptr);
    }
    void TearDown() override
    {
        ReleaseMesh(quad);
        ReleaseAllTextures();
        GLWindowTest::TearDown();
    }

    void DrawQuad(float x, float y, float w, float h, float rotation = 0.0f)
    {
        Transform t;
        t.position = {x, y};
        t.scale = {w, h};
        t.rotation = rotation;
        SetWorldTransform(MakeTransformMatrix(t));
        DrawMesh(quad);
    }

    Rgba At(int viewX, int viewY) { return ReadPixel(CentreX + viewX, CentreY + viewY); }

    Mesh* quad = nullptr;
};

TEST_F(RendererPixelsTest, ATexturedTintedQuadLandsWhereItsTransformSaysInTextureTimesTint)
{
    Texture* texture = LoadTexture(WriteSolidPng("orange.png", 4, 4, 0xFFFF8040).c_str());
    ASSERT_NE(texture, nullptr);
    SetTexture(texture);
    SetTintEnabled(true);
    SetTintColor(0xFF80FF80); // halves red and blue
    DrawQuad(100, 50, 60, 40);

    EXPECT_TRUE(PixelNear(At(100, 50), {128, 128, 32, 255}));
    EXPECT_TRUE(PixelNear(At(72, 32), {128, 128, 32, 255})) << "inside near a corner";
    EXPECT_TRUE(PixelNear(At(68, 50), {0, 0, 0, 255})) << "left of the quad";
    EXPECT_TRUE(PixelNear(At(132, 50), {0, 0, 0, 255})) << "right of the quad";
    EXPECT_TRUE(PixelNear(At(100, 72), {0, 0, 0, 255})) << "above the quad";
    EXPECT_TRUE(PixelNear(At(-100, -50), {0, 0, 0, 255})) << "y is up, not mirrored";
}

TEST_F(RendererPixelsTest, ARotationTurnsTheQuadCounterClockwise)
{
    Texture* texture = LoadTexture(WriteSolidPng("white.png", 2, 2, 0xFFFFFFFF).c_str());
    SetTexture(texture);
    DrawQuad(-100, 0, 80, 10, static_cast<float>(M_PI / 2)); // now 10 wide, 80 tall
    EXPECT_TRUE(PixelNear(At(-100, 35), {255, 255, 255, 255}));
    EXPECT_TRUE(PixelNear(At(-100, -35), {255, 255, 255, 255}));
    EXPECT_TRUE(PixelNear(At(-130, 0), {0, 0, 0, 255}));
}

TEST_F(RendererPixelsTest, TheTextureTransformSelectsOneCellOfASheet)
{
    // 64 x 64 in four quadrants: top left red, top right green, bottom left blue, bottom right
    // yellow. Texture v = 0 is the bottom of the picture.
    std::vector<uint8_t> pixels(64 * 64 * 4);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
        {
            uint32_t c = y < 32 ? (x < 32 ? 0xFF0000 : 0x00FF00) : (x < 32 ? 0x0000FF : 0xFFFF00);
            uint8_t* p = &pixels[(y * 64 + x) * 4];
            p[0] = c >> 16;
            p[1] = (c >> 8) & 0xFF;
            p[2] = c & 0xFF;
            p[3] = 255;
        }
    SetTexture(LoadTexture(WriteTestPng("sheet.png", 64, 64, 4, pixels).c_str()));
    const struct
    {
        float column, row;
        Rgba colour;
    } cells[] = {{0, 0, {0, 0, 255, 255}},
                 {1, 0, {255, 255, 0, 255}},
                 {0, 1, {255, 0, 0, 255}},
                 {1, 1, {0, 255, 0, 255}}};
    for (const auto& cell : cells)
    {
        Matrix3 m = {{0.5f, 0, cell.column * 0.5f, 0, 0.5f, cell.row * 0.5f, 0, 0, 1}};
        SetTextureTransform(&m);
        DrawQuad(0, 0, 100, 100);
        EXPECT_TRUE(PixelNear(At(0, 0), cell.colour)) << cell.column << ", " << cell.row;
    }
}

TEST_F(RendererPixelsTest, PicturesAreStoredBottomRowFirstAndAlwaysAsRgba)
{
    const std::vector<uint8_t> redOverBlue = {255, 0, 0, 255, 255, 0, 0, 255,
                                              0, 0, 255, 255, 0, 0, 255, 255};
    Texture* t = LoadTexture(WriteTestPng("rows.png", 2, 2, 4, redOverBlue).c_str());
    ASSERT_NE(t, nullptr);
    uint8_t stored[16] = {};
    glBindTexture(GL_TEXTURE_2D, t->Id);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, stored);
    EXPECT_EQ(stored[0], 0);
    EXPECT_EQ(stored[2], 255) << "row 0 is the picture's bottom row: blue";
    EXPECT_EQ(stored[8], 255) << "row 1 is red";

    Texture* grey = LoadTexture(WriteTestPng("grey.png", 2, 1, 1, {10, 200}).c_str());
    Texture* rgb = LoadTexture(WriteTestPng("rgb.png", 1, 1, 3, {1, 2, 3}).c_str());
    ASSERT_NE(grey, nullptr);
    ASSERT_NE(rgb, nullptr);
    glBindTexture(GL_TEXTURE_2D, grey->Id);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, stored);
    EXPECT_EQ(stored[0], 10);
    EXPECT_EQ(stored[2], 10);
    EXPECT_EQ(stored[3], 255);
    EXPECT_EQ(stored[4], 200);
    EXPECT_EQ(stored[7], 255);
    glBindTexture(GL_TEXTURE_2D, rgb->Id);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, stored);
    EXPECT_EQ(stored[0], 1);
    EXPECT_EQ(stored[2], 3);
    EXPECT_EQ(stored[3], 255);
}

TEST_F(RendererPixelsTest, AnUntexturedQuadIsFaintWhiteTimesTheTint)
{
    SetClearColor(0xFF000080);
    BeginFrame();
    SetTexture(nullptr);
    DrawQuad(-100, 0, 50, 50);
    SetTintEnabled(true);
    SetTintColor(0xFF00FF00);
    DrawQuad(100, 0, 50, 50);
    // Alpha 15/255 over the clear colour (0, 0, 128).
    const int faint = 15, blue = 128 * 240 / 255;
    EXPECT_TRUE(PixelNear(At(-100, 0), {faint, faint, blue + faint, 255}));
    EXPECT_TRUE(PixelNear(At(100, 0), {0, faint, blue, 255}));
    EXPECT_TRUE(PixelNear(At(0, 0), {0, 0, 128, 255}));
}

TEST_F(RendererPixelsTest, DrawingWithANullTextureOrNullMeshIsHarmless)
{
    SetTexture(LoadTexture(TestFilePath("no-such-file.png").c_str()));
    DrawMesh(nullptr);
    DrawQuad(0, 0, 10, 10);
    EXPECT_TRUE(PixelNear(At(0, 0), {15, 15, 15, 255}));
}

TEST_F(RendererPixelsTest, ARedundantBindIsSkippedAndLoadingKeepsTheBoundTexture)
{
    Texture* a = LoadTexture(WriteSolidPng("a.png", 2, 2, 0xFFFF0000).c_str());
    SetTexture(a);
    Texture* b = LoadTexture(WriteSolidPng("b.png", 2, 2, 0xFF00FF00).c_str());
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), a->Id) << "loading must not change what draws next";

    glBindTexture(GL_TEXTURE_2D, b->Id); // behind the draw state's back
    SetTexture(a);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), b->Id) << "the same texture again is not rebound";
}

TEST_F(RendererPixelsTest, AFullStagingArrayUploads8192Triangles)
{
    BeginMesh();
    for (int i = 0; i < 8193; ++i) AddTriangle(0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1);
    Mesh* mesh = FinishMesh(24576);
    ASSERT_NE(mesh, nullptr);
    MeshBufferRecord record;
    ASSERT_TRUE(FindMeshBufferRecord(mesh, &record));
    glBindBuffer(GL_ARRAY_BUFFER, record.buffer);
    GLint size = 0;
    glGetBufferParameteriv(GL_ARRAY_BUFFER, GL_BUFFER_SIZE, &size);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    EXPECT_EQ(size, 8192 * 3 * 36);
    ReleaseMesh(mesh);
}

TEST_F(RendererPixelsTest, AFullHdWindowGetsTheMatchingViewAndViewport)
{
    SetClientSize(1920, 1080);
    BeginFrame();
    EXPECT_EQ(ViewHalfExtents.top, 540.0f);
    EXPECT_EQ(ViewHalfExtents.right, 960.0f);
    EXPECT_EQ(ViewHalfExtents.bottom, -540.0f);
    EXPECT_EQ(ViewHalfExtents.left, -960.0f);
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[0], 0);
    EXPECT_EQ(viewport[1], 0);
    EXPECT_EQ(viewport[2], 1920);
    EXPECT_EQ(viewport[3], 1080);
}

TEST_F(RendererPixelsTest, BatchedLinesAreDrawnInTheirOwnColours)
{
    ASSERT_TRUE(AddLine({-100, 10.5f}, {100, 10.5f}, 0xFFFF0000)); // through pixel centres
    FlushLineBatch();
    EXPECT_TRUE(PixelNear(At(0, 10), {255, 0, 0, 255}, 40));
    EXPECT_TRUE(PixelNear(At(0, 40), {0, 0, 0, 255}));
}

TEST_F(RendererPixelsTest, GLErrorsAreReportedByNameWithTheirPlace)
{
    glEnable(0x1234);
    testing::internal::CaptureStdout();
    CheckGLError(4242);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("GL_INVALID_ENUM - "), std::string::npos) << out;
    EXPECT_NE(out.find("renderer_pixels_test.cpp:4242\n"), std::string::npos) << out;

    glViewport(0, 0, -1, -1);
    glBindTexture(GL_TEXTURE_2D, 987654);
    testing::internal::CaptureStdout();
    CheckGLError(17);
    out = testing::internal::GetCapturedStdout();
    // Mesa keeps one error at a time: the first one queued is the one reported.
    EXPECT_EQ(out.find("GL_INVALID_VALUE - "), 0u) << out;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << "every queued error is drained";
}

TEST_F(RendererPixelsTest, ShaderErrorsAreShownWithTheirCaptions)
{
    const char* broken = "#version 330\nout vec4 color;\nvoid main() { color = nonsense; }\n";
    GLuint shader = glCreateShader(GL_FRAGMENT_SHADER);
    glShaderSource(shader, 1, &broken, nullptr);
    glCompileShader(shader);
    CheckShaderCompile(shader);
    ASSERT_EQ(CapturedBoxes().size(), 1u);
    EXPECT_EQ(CapturedBoxes()[0].caption, "Vertex Shader Compilation Error");
    EXPECT_FALSE(CapturedBoxes()[0].text.empty());

    GLuint program = glCreateProgram();
    glAttachShader(program, shader);
    glLinkProgram(program);
    CheckProgramLink(program);
    ASSERT_EQ(CapturedBoxes().size(), 2u);
    EXPECT_EQ(CapturedBoxes()[1].caption, "Shader Linking Error");
    glDeleteProgram(program);
    glDeleteShader(shader);
}

TEST_F(RendererPixelsTest, QueuedQuadsGiveTheSamePixelsAsQuadsDrawnOneByOne)
{
    Texture* red = LoadTexture(WriteSolidPng("red.png", 4, 4, 0xFFFF0000).c_str());
    Texture* green = LoadTexture(WriteSolidPng("green.png", 4, 4, 0x8000FF00).c_str());
    ASSERT_NE(red, nullptr);
    ASSERT_NE(green, nullptr);
    const Matrix3 cells = {{0.5f, 0, 0.25f, 0, 2, 0, 0, 0, 1}};
    // Two textures interleaved over one spot, a tint, a texture matrix, an untextured quad
    // and a second view-projection in the middle of a run.
    auto scene = [&]
    {
        SetTexture(red);
        DrawQuad(-40, 0, 100, 80, 0.3f);
        SetTexture(green);
        DrawQuad(0, 0, 100, 80);
        SetTexture(red);
        SetTintEnabled(true);
        SetTintColor(0xC08080FF);
        SetTextureTransform(&cells);
        DrawQuad(30, 10, 60, 60, -0.7f);
        SetTextureTransform(nullptr);
        SetTexture(nullptr);
        DrawQuad(-100, -60, 50, 30);
        ViewProjMatrix.m[0] *= 0.5f;
        DrawQuad(-100, 60, 50, 30);
        SetTintEnabled(false);
    };
    BeginFrame();
    scene();
    const std::vector<uint8_t> oneByOne = ReadFramebuffer(Width, Height);
    BeginFrame();
    BeginDrawBatch();
    scene();
    EndDrawBatch();
    const std::vector<uint8_t> queued = ReadFramebuffer(Width, Height);

    EXPECT_TRUE(queued == oneByOne) << "queued quads differ from quads drawn one by one";
    // Painter's order: half-red at 3/4 over half-green over black, not the other way round.
    EXPECT_TRUE(PixelNear(At(30, 10), {96, 32, 0, 255}));
    ReleaseTexture(red);
    ReleaseTexture(green);
}

TEST_F(RendererPixelsTest, TheGameShadersBuildWithoutComplaint)
{
    EXPECT_TRUE(CapturedBoxes().empty());
    GLint linked = 0;
    glGetProgramiv(MeshProgram, GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_TRUE);
    glGetProgramiv(LineProgram, GL_LINK_STATUS, &linked);
    EXPECT_EQ(linked, GL_TRUE);
}
} // namespace
