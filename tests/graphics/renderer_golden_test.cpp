// A reference scene compared with a committed picture, so that any change to the renderer
// that moves a pixel is caught. Set VANTARA_UPDATE_GOLDEN=1 to write a new reference after
// a deliberate change, and look at it before committing it.
#include "gl_window.h"
#include "test_images.h"

#include "engine/graphics/mesh.h"
#include "engine/graphics/texture.h"

#include <stb_image.h>
#include <stb_image_write.h>

#include <cmath>
#include <cstdlib>

namespace
{
const std::string ReferencePath = std::string(VANTARA_GOLDEN_DIR) + "/reference_scene.png";

std::string Checkerboard()
{
    std::vector<uint8_t> p(8 * 8 * 4);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
        {
            bool dark = (x + y) % 2;
            uint8_t* q = &p[(y * 8 + x) * 4];
            q[0] = dark ? 40 : 230;
            q[1] = dark ? 60 : 200;
            q[2] = dark ? 120 : 90;
            q[3] = 255;
        }
    return WriteTestPng("checker.png", 8, 8, 4, p);
}

std::string Gradient()
{
    std::vector<uint8_t> p(32 * 32 * 4);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
        {
            uint8_t* q = &p[(y * 32 + x) * 4];
            q[0] = static_cast<uint8_t>(x * 8);
            q[1] = static_cast<uint8_t>(y * 8);
            q[2] = 160;
            q[3] = static_cast<uint8_t>(x < 16 ? 255 : 128 + y * 4);
        }
    return WriteTestPng("gradient.png", 32, 32, 4, p);
}

void Place(Mesh* quad, float x, float y, float w, float h, float rotation)
{
    Transform t;
    t.position = {x, y};
    t.scale = {w, h};
    t.rotation = rotation;
    SetWorldTransform(MakeTransformMatrix(t));
    DrawMesh(quad);
}

using RendererGoldenTest = GLWindowTest;

TEST_F(RendererGoldenTest, TheReferenceSceneMatchesItsPicture)
{
    SetClearColor(0xFF203040);
    BeginFrame();
    Mesh* quad = CreateUnitQuad();
    Texture* checker = LoadTexture(Checkerboard().c_str());
    Texture* gradient = LoadTexture(Gradient().c_str());

    SetTexture(checker);
    Place(quad, -120, 20, 160, 120, 0.5f);
    SetTintEnabled(true);
    SetTintColor(0xFFFFA060);
    Place(quad, 130, -40, 120, 120, -0.25f);
    SetTexture(gradient);
    SetTintColor(0xC0FFFFFF);
    Matrix3 tiles = {{2, 0, 0.25f, 0, 1.5f, 0, 0, 0, 1}};
    SetTextureTransform(&tiles);
    Place(quad, 20, 60, 200, 90, 1.2f);
    SetTextureTransform(nullptr);
    SetTexture(nullptr);
    SetTintColor(0xFF60FF60);
    Place(quad, 0, -90, 400, 40, 0.0f);

    std::vector<uint8_t> frame = ReadFramebuffer(Width, Height);
    // Pictures are written top row first; the frame buffer is bottom row first.
    std::vector<uint8_t> topFirst(frame.size());
    const size_t row = Width * 4;
    for (uint32_t y = 0; y < Height; ++y)
        std::copy_n(&frame[(Height - 1 - y) * row], row, &topFirst[y * row]);

    ReleaseTexture(checker);
    ReleaseTexture(gradient);
    ReleaseMesh(quad);

    if (std::getenv("VANTARA_UPDATE_GOLDEN"))
    {
        stbi_write_png(ReferencePath.c_str(), Width, Height, 4, topFirst.data(), row);
        GTEST_SKIP() << "reference written to " << ReferencePath;
    }

    int w = 0, h = 0, n = 0;
    stbi_uc* reference = stbi_load(ReferencePath.c_str(), &w, &h, &n, 4);
    ASSERT_NE(reference, nullptr) << "no reference picture at " << ReferencePath;
    ASSERT_EQ(w, static_cast<int>(Width));
    ASSERT_EQ(h, static_cast<int>(Height));
    int differing = 0, worst = 0;
    for (size_t i = 0; i < topFirst.size(); i += 4)
    {
        int d = 0;
        for (int c = 0; c < 3; ++c) d = std::max(d, std::abs(topFirst[i + c] - reference[i + c]));
        worst = std::max(worst, d);
        if (d > 2) ++differing;
    }
    stbi_image_free(reference);
    // Rasterisers may round an edge pixel differently; nothing more.
    EXPECT_LE(differing, static_cast<int>(Width * Height / 500)) << "worst difference " << worst;
    EXPECT_LE(worst, 96);
}
} // namespace
