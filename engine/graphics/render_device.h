// render_device.h: the OpenGL device, its shader programs and the debug overlay.
//
// InitGraphics makes the OpenGL 3.3 context on the game window, loads the GL entry points,
// builds the two shader programs and the line-batch buffer, sets the fixed GL state and
// starts the Dear ImGui overlay. Until it succeeds the renderer runs headless: every draw
// operation keeps its CPU-side state (matrices, tint, bound texture, live lists) and skips
// the GPU, which is how game logic runs in tests without a display.
#pragma once

extern bool GraphicsReady;

// GL names shared by the renderer's modules.
extern unsigned int MeshProgram;
extern unsigned int LineProgram;
extern unsigned int LineVertexArray;
extern unsigned int LineBuffer;

// Uniform locations of the two programs, looked up once when each is linked (-1: the program
// has no such uniform, and it is not set).
struct MeshUniformLocations
{
    int viewProj, model, texture, modColor, useModColor, useTexture, colorTexture;
};
struct LineUniformLocations
{
    int viewProj, modColor, useModColor;
};
extern MeshUniformLocations MeshUniforms;
extern LineUniformLocations LineUniforms;

// The shaders' text without the version line, which BuildProgram puts first for the target.
extern const char* MeshVertexShaderSource;
extern const char* MeshFragmentShaderSource;
extern const char* LineVertexShaderSource;
extern const char* LineFragmentShaderSource;

// False when there is no OpenGL 3.3 (after telling the player) or GLEW cannot start.
bool InitGraphics();
bool CreateGLContext();
void CreateShaderPrograms();
// Compiles and links one program, reporting failures as CreateShaderPrograms does. The
// sources start after the version line.
unsigned int BuildProgram(const char* vertexSource, const char* fragmentSource);

// Reports every queued GL error, one line each, with the calling file and line.
void CheckGLError(int line, const char* file = __builtin_FILE());
void CheckShaderCompile(unsigned int shader);
void CheckProgramLink(unsigned int program);

// The overlay frame: started at the end of BeginFrame, rendered after the line batch.
void StartOverlayFrame();
void RenderOverlay();

// At exit: reports resources the game forgot to release, releases them, ends the overlay.
void ShutdownGraphics();
