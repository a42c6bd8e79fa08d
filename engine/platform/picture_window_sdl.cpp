// picture_window_sdl.cpp: the picture window over SDL2, lent to the scripted back end.
//
// Implements: one window with an OpenGL 3.3 core context (as the game's own), the buffer swap,
// and reading the finished frame back before the swap.
#include "engine/platform/picture_window.h"

#include "engine/platform/driver_pin.h"
#include "engine/platform/platform_scripted.h"

#include <GL/gl.h>
#include <SDL.h>

#include <cstdio>


namespace
{
SDL_Window* Window = nullptr;
SDL_GLContext Context = nullptr;
uint32_t Width = 0, Height = 0;
std::vector<uint8_t>* Capture = nullptr;

bool Create()
{
    if (!Window) return false;
    Context = SDL_GL_CreateContext(Window);
    if (!Context) return false;
    SDL_GL_MakeCurrent(Window, Context);
    SDL_GL_SetSwapInterval(0);
    PinGraphicsDriver();
    return true;
}

void Destroy()
{
    if (Context) SDL_GL_DeleteContext(Context);
    Context = nullptr;
}

void Swap()
{
    if (Capture)
    {
        // GL rows run bottom first; a picture's top first.
        std::vector<uint8_t> rows(static_cast<size_t>(Width) * Height * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, static_cast<GLsizei>(Width), static_cast<GLsizei>(Height), GL_RGBA,
                     GL_UNSIGNED_BYTE, rows.data());
        const size_t stride = static_cast<size_t>(Width) * 4;
        Capture->resize(rows.size());
        for (uint32_t y = 0; y < Height; ++y)
            std::copy(rows.begin() + static_cast<std::ptrdiff_t>((Height - 1 - y) * stride),
                      rows.begin() + static_cast<std::ptrdiff_t>((Height - y) * stride),
                      Capture->begin() + static_cast<std::ptrdiff_t>(y * stride));
        Capture = nullptr;
    }
    if (Window) SDL_GL_SwapWindow(Window);
}

const ScriptedGLContext Lent = {Create, Destroy, Swap};
} // namespace

bool OpenPictureWindow(uint32_t width, uint32_t height)
{
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
    {
        std::fprintf(stderr, "cannot open a display for pictures: %s\n", SDL_GetError());
        return false;
    }
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_FLAGS, SDL_GL_CONTEXT_FORWARD_COMPATIBLE_FLAG);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    Window = SDL_CreateWindow("Vantara", 0, 0, static_cast<int>(width), static_cast<int>(height),
                              SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS);
    if (!Window)
    {
        std::fprintf(stderr, "cannot open a window for pictures: %s\n", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return false;
    }
    Width = width;
    Height = height;
    ScriptedUseGLContext(&Lent);
    return true;
}

void ClosePictureWindow()
{
    ScriptedUseGLContext(nullptr);
    Destroy();
    if (Window) SDL_DestroyWindow(Window);
    Window = nullptr;
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

void CapturePictureAtNextSwap(std::vector<uint8_t>* pixels) { Capture = pixels; }
