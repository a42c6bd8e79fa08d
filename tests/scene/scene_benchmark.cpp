// scene_benchmark: CPU time of DrawLayers for a level-sized scene (50 objects in the four
// layers of a level, five cameras), first on the headless renderer, then on the OpenGL
// renderer of the current display with the rasteriser's own work left out.
// Usage: scene_benchmark [frames]
#include "tests/scene/scene_files.h"

#include "engine/graphics/draw_state.h"
#include "engine/graphics/mesh.h"
#include "engine/graphics/render_device.h"
#include "engine/graphics/texture.h"
#include "engine/system/frame_controller.h"
#include "engine/system/window.h"
#include "game/scene/camera.h"
#include "game/scene/game_object.h"
#include "game/scene/render_layer.h"
#include "game/scene/sprite.h"
#include "game/scene/sprite_sheet.h"

#include <GL/glew.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace
{
double ThreadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec * 1e-9;
}

double WallSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec * 1e-9;
}

struct Pictures
{
    Texture* background;
    Texture* column;
    Texture* platform;
    Texture* window;
    SpriteSheet* run;
};

Pictures LoadPictures()
{
    const std::string run = WriteSceneStripPng("run.png", 32, 32,
                                               {0xFF202020, 0xFF404040, 0xFF606060, 0xFF808080,
                                                0xFFA0A0A0, 0xFFC0C0C0, 0xFFE0E0E0, 0xFFFFFFFF});
    return {LoadTexture(WriteScenePng("bg.png", 324, 108, 0xFF6080A0).c_str()),
            LoadTexture(WriteScenePng("column.png", 324, 108, 0x80404040).c_str()),
            LoadTexture(WriteScenePng("plat.png", 32, 32, 0xFF808080).c_str()),
            LoadTexture(WriteScenePng("window.png", 60, 60, 0xC0202020).c_str()),
            LoadSpriteSheet(WriteSceneFile("run_8x1", SheetText(8, 1, 8, run, "0.1")).c_str())};
}

// A level as its Init builds it: two backgrounds, 40 play-field objects and the player, and
// the pause menu's seven pieces seen by two frame cameras.
void BuildLevel(const Pictures& p)
{
    const char* backgrounds[] = {"BG0", "BG1"};
    for (int i = 0; i < 2; ++i)
    {
        RenderLayer* layer = GetOrCreateLayer(backgrounds[i]);
        Camera* camera = CreateCamera("BackgroundCam", backgrounds[i]);
        camera->clearEnabled = i == 0;
        camera->clearColor = 0xFFFFFFFF;
        AddObject(layer, InitGameObject(new GameObject(), "background", 0, 0, 3240, 1080, 0,
                                        i == 0 ? KIND_BACKGROUND : KIND_BACKGROUND_NEAR,
                                        i == 0 ? p.background : p.column));
    }
    RenderLayer* main = GetOrCreateLayer("Main");
    CreateCamera("MainCam", "Main")->clearEnabled = false;
    const ObjectKind kinds[] = {KIND_PLATFORM, KIND_SOLID, KIND_SPIKES, KIND_LAVA,
                                KIND_GRAPPLE_POINT};
    for (int i = 0; i < 40; ++i)
        AddObject(main,
                  InitGameObject(new GameObject(), "FloorPlat", -900.0f + i * 45.0f,
                                 -400.0f + (i % 7) * 100.0f, 120, 40, 0, kinds[i % 5], p.platform));
    auto* player = new Sprite();
    AddObject(main, InitGameObject(player, "player", 0, 0, 100, 80, 0, KIND_PLAYER, nullptr));
    SetSheet(player, p.run);
    player->playing = true;
    RenderLayer* frame = GetOrCreateLayer("FRA0");
    for (int i = 0; i < 7; ++i)
    {
        GameObject* piece = InitGameObject(new GameObject(), "window_pause", 0, 0, 600, 600, 0,
                                           KIND_BUTTON, p.window);
        piece->visible = i < 4;
        AddObject(frame, piece);
    }
    CreateCamera("FrameCam", "FRA0")->clearEnabled = false;
    CreateCamera("FrameCam", "FRA0")->clearEnabled = false;
}

struct Timing
{
    double cpuMicroseconds;  // main thread CPU time per DrawLayers
    double wallMicroseconds; // wall time per DrawLayers call (no glFinish inside)
};

Timing Measure(int frames, bool onDisplay)
{
    double cpu = 0.0, wall = 0.0;
    for (int i = 0; i < frames + 30; ++i)
    {
        if (onDisplay) BeginFrame();
        const double c0 = ThreadCpuSeconds(), w0 = WallSeconds();
        DrawLayers();
        const double c1 = ThreadCpuSeconds(), w1 = WallSeconds();
        if (onDisplay)
        {
            glFinish(); // the rasteriser's work, outside the measurement
            FlushLineBatch();
            RenderOverlay();
            PlatformSwapBuffers();
        }
        if (i >= 30)
        {
            cpu += c1 - c0;
            wall += w1 - w0;
        }
    }
    return {cpu / frames * 1e6, wall / frames * 1e6};
}

void FreeLevel(const Pictures& p)
{
    // Nothing may stay bound to a texture about to go.
    SetTexture(nullptr);
    FreeScene();
    FreeSpriteSheets();
    for (Texture* t : {p.background, p.column, p.platform, p.window}) ReleaseTexture(t);
    ReleaseMesh(UnitQuadMesh);
    UnitQuadMesh = nullptr;
    PlatformTexture = SpikeTexture = nullptr;
}
} // namespace

int main(int argc, char** argv)
{
    const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    WindowWidth = 1920;
    WindowHeight = 1080;

    // Headless: the renderer keeps its CPU-side state and skips the GPU.
    Pictures pictures = LoadPictures();
    PlatformTexture = pictures.platform;
    SpikeTexture = pictures.platform;
    UnitQuadMesh = CreateUnitQuad();
    BuildLevel(pictures);
    const Timing headless = Measure(frames * 10, false);
    std::printf("DrawLayers, 50 objects in 4 layers, 5 cameras, headless renderer: "
                "%.2f us CPU per frame\n",
                headless.cpuMicroseconds);
    FreeLevel(pictures);

    if (!PlatformInit() || !CreateGameWindow() || !InitGraphics())
    {
        std::fprintf(stderr, "no display with OpenGL 3.3: GL measurement skipped\n");
        return 1;
    }
    pictures = LoadPictures();
    PlatformTexture = pictures.platform;
    SpikeTexture = pictures.platform;
    UnitQuadMesh = CreateUnitQuad();
    BuildLevel(pictures);
    const Timing gl = Measure(frames, true);
    std::printf("DrawLayers, same scene, OpenGL at %u x %u (glFinish excluded): "
                "%.1f us main-thread CPU, %.1f us wall per frame\n",
                WindowWidth, WindowHeight, gl.cpuMicroseconds, gl.wallMicroseconds);
    FreeLevel(pictures);
    ShutdownGraphics();
    DestroyGameWindow();
    PlatformShutdown();
    return 0;
}
