// The scene on a real OpenGL context: letterbox bars, layers seen through several cameras,
// hidden layers, the menus' registry draw, the pointer landing where objects draw, and the
// sprite cell that reaches the screen.
#include "tests/graphics/gl_window.h"
#include "tests/scene/scene_files.h"

#include "engine/graphics/mesh.h"
#include "engine/graphics/texture.h"
#include "engine/input/input_state.h"
#include "game/scene/camera.h"
#include "game/scene/game_object.h"
#include "game/scene/render_layer.h"
#include "game/scene/sprite.h"
#include "game/scene/sprite_sheet.h"

namespace
{
constexpr Rgba Black = {0, 0, 0, 255};
constexpr Rgba White = {255, 255, 255, 255};
constexpr Rgba Red = {255, 0, 0, 255};
constexpr Rgba Green = {0, 255, 0, 255};
constexpr Rgba Blue = {0, 0, 255, 255};

class ScenePixelsTest : public GLWindowTest
{
  protected:
    void SetUp() override
    {
        GLWindowTest::SetUp();
        UnitQuadMesh = CreateUnitQuad();
        red = LoadTexture(WriteScenePng("red.png", 4, 4, 0xFFFF0000).c_str());
        white = LoadTexture(WriteScenePng("white.png", 4, 4, 0xFFFFFFFF).c_str());
        ASSERT_NE(red, nullptr);
        ASSERT_NE(white, nullptr);
    }
    void TearDown() override
    {
        FreeScene();
        FreeSpriteSheets();
        ReleaseMesh(UnitQuadMesh);
        UnitQuadMesh = nullptr;
        ReleaseTexture(red);
        ReleaseTexture(white);
        GLWindowTest::TearDown();
    }
    static void ResizeWindow(uint32_t width, uint32_t height)
    {
        ASSERT_TRUE(ResizeTestWindow(width, height)) << "the back buffer never reached the new size";
    }
    static GameObject* Quad(RenderLayer* layer, const char* name, float x, float y, float w,
                            float h, Texture* texture)
    {
        GameObject* object =
            InitGameObject(new GameObject(), name, x, y, w, h, 0, KIND_BUTTON, texture);
        AddObject(layer, object);
        return object;
    }

    Texture* red = nullptr;
    Texture* white = nullptr;
};

struct BarCase
{
    uint32_t windowWidth, windowHeight;
    float worldWidth, worldHeight;
    int bar;         // pixels of each bar
    bool barsAcross; // above and below, or left and right
};

TEST_F(ScenePixelsTest, TheCameraRectangleIsLetterboxedWithBlackBars)
{
    // 1920 x 1200 and 2560 x 1080 windows scaled down to fit the virtual screen: the bars
    // scale with them (60 and 320 pixels become 15 and 80).
    const BarCase cases[] = {
        {480, 300, 480, 270, 15, true},
        {480, 300, 1920, 1080, 15, true},
        {640, 270, 1920, 1080, 80, false},
    };
    for (const BarCase& c : cases)
    {
        SCOPED_TRACE(std::to_string(c.windowWidth) + " x " + std::to_string(c.windowHeight) +
                     ", world " + std::to_string(static_cast<int>(c.worldWidth)));
        ResizeWindow(c.windowWidth, c.windowHeight);
        RenderLayer* layer = GetOrCreateLayer("BG0");
        Camera* camera = CreateCamera("Background0Cam", "BG0");
        camera->worldWidth = c.worldWidth;
        camera->worldHeight = c.worldHeight;
        camera->clearColor = 0xFFFFFFFF;
        // The left half of the world red, the right half the camera's white clear.
        Quad(layer, "background", -c.worldWidth / 4, 0, c.worldWidth / 2, c.worldHeight, red);
        DrawLayers();

        const int w = static_cast<int>(c.windowWidth), h = static_cast<int>(c.windowHeight);
        if (c.barsAcross)
        {
            EXPECT_TRUE(PixelNear(ReadPixel(w / 4, c.bar / 2), Black)) << "bar below";
            EXPECT_TRUE(PixelNear(ReadPixel(w / 4, h - c.bar / 2), Black)) << "bar above";
            EXPECT_TRUE(PixelNear(ReadPixel(w / 4, c.bar + 1), Red));
            EXPECT_TRUE(PixelNear(ReadPixel(w * 3 / 4, h - c.bar - 2), White));
        }
        else
        {
            EXPECT_TRUE(PixelNear(ReadPixel(c.bar / 2, h / 2), Black)) << "bar left";
            EXPECT_TRUE(PixelNear(ReadPixel(w - c.bar / 2, h / 2), Black)) << "bar right";
            EXPECT_TRUE(PixelNear(ReadPixel(c.bar + 1, h / 2), Red));
            EXPECT_TRUE(PixelNear(ReadPixel(w - c.bar - 2, h / 2), White));
        }
        FreeScene();
    }
}

TEST_F(ScenePixelsTest, ALayerWithTwoCamerasDrawsEachObjectOncePerCameraAfterItsClear)
{
    // 1920 world units over 480 pixels: a 200-unit square is 50 pixels.
    RenderLayer* layer = GetOrCreateLayer("Main");
    Quad(layer, "square", 0, 0, 200, 200, red);
    Camera* first = CreateCamera("MainCam", "Main");
    first->clearColor = 0xFFFFFFFF;
    Camera* second = CreateCamera("FrameCam", "Main");
    second->position = {-400, 0}; // the world moves 400 units (100 pixels) right
    second->clearEnabled = false;
    DrawLayers();
    EXPECT_TRUE(PixelNear(ReadPixel(240, 135), Red)) << "through the first camera";
    EXPECT_TRUE(PixelNear(ReadPixel(340, 135), Red)) << "through the second camera";
    EXPECT_TRUE(PixelNear(ReadPixel(290, 135), White)) << "between the two";

    // A clear by the second camera wipes what the first one drew, but not its own square.
    second->clearEnabled = true;
    second->clearColor = 0xFF0000FF;
    DrawLayers();
    EXPECT_TRUE(PixelNear(ReadPixel(240, 135), Blue));
    EXPECT_TRUE(PixelNear(ReadPixel(340, 135), Red));
}

TEST_F(ScenePixelsTest, AHiddenLayerNeitherDrawsNorClears)
{
    GetOrCreateLayer("BG0");
    CreateCamera("Background0Cam", "BG0")->clearColor = 0xFF00FF00;
    RenderLayer* hidden = GetOrCreateLayer("FRA0");
    Quad(hidden, "window_pause", 0, 0, 600, 600, red);
    CreateCamera("FrameCam", "FRA0")->clearColor = 0xFF0000FF;
    hidden->visible = false;
    DrawLayers();
    EXPECT_TRUE(PixelNear(ReadPixel(240, 135), Green));
    EXPECT_TRUE(PixelNear(ReadPixel(5, 5), Green));
}

TEST_F(ScenePixelsTest, TheMenuDrawShowsTheVisibleRegistryInsideBlackBars)
{
    ResizeWindow(640, 270);
    InitGameObject(new GameObject(), "bg", 0, 0, 1920, 1080, 0, KIND_BACKGROUND, white);
    GameObject* window =
        InitGameObject(new GameObject(), "window_pause", 0, 0, 600, 600, 0, KIND_BUTTON, red);
    window->visible = false;
    DrawGameObjects();
    EXPECT_TRUE(PixelNear(ReadPixel(40, 135), Black));
    EXPECT_TRUE(PixelNear(ReadPixel(600, 135), Black));
    EXPECT_TRUE(PixelNear(ReadPixel(320, 135), White)) << "the hidden window is not drawn";
    EXPECT_TRUE(PixelNear(ReadPixel(85, 5), White));
}

TEST_F(ScenePixelsTest, ThePointerInWorldUnitsLandsWhereObjectsAtThatPointDraw)
{
    Camera reference("Camera", 1920, 1080);
    ApplyCamera(&reference);
    MousePosition = {0, 0};
    Vec2 p = ScreenToWorld(&reference);
    EXPECT_FLOAT_EQ(p.x, 0.0f);
    EXPECT_FLOAT_EQ(p.y, 0.0f);
    MousePosition = {240, 0}; // the right edge of this 480-pixel window
    EXPECT_FLOAT_EQ(ScreenToWorld(&reference).x, 960.0f);

    // Through a moved, zoomed camera in a letterboxed window: a square put at the pointer's
    // world point shows up under the pointer.
    ResizeWindow(640, 270);
    RenderLayer* layer = GetOrCreateLayer("Main");
    Camera* camera = CreateCamera("MainCam", "Main");
    camera->position = {300, 100};
    camera->zoom = {2, 2};
    ApplyCamera(camera);
    MousePosition = {-120, 60};
    p = ScreenToWorld(camera);
    Quad(layer, "marker", p.x, p.y, 40, 40, red);
    DrawLayers();
    EXPECT_TRUE(PixelNear(ReadPixel(320 - 120, 135 + 60), Red));
    EXPECT_TRUE(PixelNear(ReadPixel(320 - 120 + 12, 135 + 60), Black)) << "and only there";
    MousePosition = {0, 0};
}

TEST_F(ScenePixelsTest, ThePlayerShowsItsSheetCellOtherSpritesTheWholePicture)
{
    const std::string png = WriteSceneStripPng("cells.png", 16, 16, {0xFFFF0000, 0xFF00FF00});
    SpriteSheet* sheet = LoadSpriteSheet(
        WriteSceneFile("cells_2x1", "2\n1\n2\n" + png + "\nLeft:0.1\nRight:0.1\n").c_str());
    ASSERT_NE(sheet, nullptr);
    RenderLayer* layer = GetOrCreateLayer("Main");
    CreateCamera("MainCam", "Main");
    for (const char* name : {"player", "Enemy"})
    {
        auto* sprite = new Sprite();
        const float x = name[0] == 'p' ? -400.0f : 400.0f;
        InitGameObject(sprite, name, x, 0, 400, 400, 0, KIND_PLAYER, nullptr);
        AddObject(layer, sprite);
        SetSheet(sprite, sheet);
        SetFrame(sprite, 1);
    }
    DrawLayers();
    // The player at x = -400 units (140 pixels), 100 pixels wide: frame 1 only, green.
    EXPECT_TRUE(PixelNear(ReadPixel(140 - 35, 135), Green));
    EXPECT_TRUE(PixelNear(ReadPixel(140 + 35, 135), Green));
    // Any other sprite draws with the identity texture matrix: both cells.
    EXPECT_TRUE(PixelNear(ReadPixel(340 - 35, 135), Red));
    EXPECT_TRUE(PixelNear(ReadPixel(340 + 35, 135), Green));
}
} // namespace
