// view_pictures_test.cpp: the loading picture and the win picture fill the letterboxed view at
// any window size and in full screen on a large desktop, read back from a real GL window.
#include "tests/graphics/gl_window.h"
#include "tests/scene/scene_files.h"

#include "engine/graphics/mesh.h"
#include "engine/graphics/texture.h"
#include "game/frontend/menu_widgets.h"
#include "game/frontend/screens.h"

namespace
{
constexpr Rgba Red = {255, 0, 0, 255};
constexpr Rgba Green = {0, 255, 0, 255};

class ViewPicturesTest : public GLWindowTest
{
  protected:
    void SetUp() override
    {
        GLWindowTest::SetUp();
        UnitQuadMesh = CreateUnitQuad();
        // Red down the outermost columns, green within: a cropped picture loses its red.
        std::vector<uint32_t> columns(16, 0xFF00FF00);
        columns.front() = columns.back() = 0xFFFF0000;
        picture = LoadTexture(WriteSceneStripPng("edges.png", 1, 9, columns).c_str());
        ASSERT_NE(picture, nullptr);
    }
    void TearDown() override
    {
        DestroyAllGameObjects();
        ReleaseMesh(UnitQuadMesh);
        UnitQuadMesh = nullptr;
        ReleaseTexture(picture);
        GLWindowTest::TearDown();
    }
    Texture* picture = nullptr;
};
} // namespace

TEST_F(ViewPicturesTest, LoadingAndWinPicturesFillTheViewAtEveryWindowSize)
{
    // The two windows of the settings, and full screen on a 2560 x 1440 desktop.
    const uint32_t sizes[][2] = {{1280, 720}, {1600, 900}, {2560, 1440}};
    for (const auto& size : sizes)
    {
        const int w = static_cast<int>(size[0]), h = static_cast<int>(size[1]);
        SCOPED_TRACE(std::to_string(w) + " x " + std::to_string(h));
        ASSERT_TRUE(ResizeTestWindow(size[0], size[1]));
        for (bool loading : {true, false})
        {
            DestroyAllGameObjects();
            GameObject* shown = loading ? CreateLoadingScreen(picture)
                                        : CreateViewPicture("bg", picture, KIND_BACKGROUND);
            shown->visible = true;
            BeginFrame();
            DrawGameObjects();
            EXPECT_TRUE(PixelNear(ReadPixel(1, h / 2), Red, 40)) << "left edge";
            EXPECT_TRUE(PixelNear(ReadPixel(w - 2, h / 2), Red, 40)) << "right edge";
            EXPECT_TRUE(PixelNear(ReadPixel(w / 2, 1), Green, 40)) << "bottom edge";
            EXPECT_TRUE(PixelNear(ReadPixel(w / 2, h - 2), Green, 40)) << "top edge";
        }
    }
}
