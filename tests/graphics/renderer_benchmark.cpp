// renderer_benchmark: milliseconds per full-window frame on this machine's OpenGL.
// Usage: renderer_benchmark [width height]
#include "test_images.h"

#include "engine/graphics/draw_state.h"
#include "engine/graphics/mesh.h"
#include "engine/graphics/render_device.h"
#include "engine/graphics/texture.h"
#include "engine/system/frame_controller.h"
#include "engine/system/window.h"

#include <GL/glew.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    WindowWidth = argc > 2 ? static_cast<uint32_t>(std::atoi(argv[1])) : 1920;
    WindowHeight = argc > 2 ? static_cast<uint32_t>(std::atoi(argv[2])) : 1080;
    if (!PlatformInit() || !CreateGameWindow() || !InitGraphics()) return 1;
    Texture* texture = LoadTexture(WriteSolidPng("bench.png", 512, 512, 0xFF8090A0).c_str());
    Mesh* quad = CreateUnitQuad();
    const int frames = 60;
    double total = 0.0;
    for (int i = 0; i < frames + 5; ++i)
    {
        const double start = GetPreciseTime();
        BeginFrame();
        SetTexture(texture);
        Transform t;
        t.scale = {static_cast<float>(WindowWidth), static_cast<float>(WindowHeight)};
        SetWorldTransform(MakeTransformMatrix(t));
        DrawMesh(quad);
        FlushLineBatch();
        RenderOverlay();
        PlatformSwapBuffers();
        glFinish();
        if (i >= 5) total += GetPreciseTime() - start;
    }
    std::printf("%u x %u textured frame: %.2f ms\n", WindowWidth, WindowHeight,
                total / frames * 1000.0);
    ReleaseMesh(quad);
    ReleaseTexture(texture);
    ShutdownGraphics();
    DestroyGameWindow();
    PlatformShutdown();
    return 0;
}
