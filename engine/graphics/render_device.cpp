// render_device.cpp: context, shader programs, fixed GL state, error reports and overlay.
#include "engine/graphics/render_device.h"

#include "engine/graphics/draw_batch.h"
#include "engine/graphics/draw_state.h"
#include "engine/graphics/mesh.h"
#include "engine/graphics/picture_decoder.h"
#include "engine/graphics/texture.h"
#include "engine/input/input_state.h"
#include "engine/platform/platform.h"
#include "engine/system/frame_controller.h"
#include "engine/system/window.h"

#include "engine/graphics/gl_api.h"
#include <imgui.h>
#include <backends/imgui_impl_opengl3.h>

#include <cstdio>
#include <string>
#include <vector>

bool GraphicsReady = false;
unsigned int MeshProgram = 0;
unsigned int LineProgram = 0;
unsigned int LineVertexArray = 0;
unsigned int LineBuffer = 0;
MeshUniformLocations MeshUniforms = {-1, -1, -1, -1, -1, -1, -1};
LineUniformLocations LineUniforms = {-1, -1, -1};

const char* MeshVertexShaderSource = R"(layout(location = 0) in vec3 vertexPos;
layout(location = 1) in vec4 vertexColor;
layout(location = 2) in vec2 vertexUV;
out vec2 vtxUV;
out vec4 vtxColor;
uniform mat4 mtxModel;
uniform mat4 mtxViewProj;
uniform mat3 mtxTexture;
void main()
{
    gl_Position = (mtxViewProj * mtxModel * vec4(vertexPos, 1));
    vtxUV = (mtxTexture * vec3(vertexUV, 1)).xy;
    vtxColor = vertexColor;
}
)";

const char* MeshFragmentShaderSource = R"(in vec4 vtxColor;
in vec2 vtxUV;
out vec4 color;
uniform sampler2D colorTexture;
uniform int useTexture;
uniform vec4 modColor;
uniform int useModColor;
void main()
{
    vec4 mc = modColor;
    if (useModColor == 0)
        mc = vec4(1, 1, 1, 1);
    if (useTexture == 1)
        color = texture(colorTexture, vtxUV) * mc;
    else
        color = vtxColor * mc;
}
)";

const char* LineVertexShaderSource = R"(layout(location = 0) in vec3 vertexPos;
layout(location = 1) in vec4 vertexColor;
out vec4 vtxColor;
uniform mat4 mtxViewProj;
void main()
{
    gl_Position = (mtxViewProj * vec4(vertexPos, 1));
    vtxColor = vertexColor;
}
)";

const char* LineFragmentShaderSource = R"(in vec4 vtxColor;
out vec4 color;
uniform vec4 modColor;
uniform int useModColor;
void main()
{
    if (useModColor == 1)
        color = vtxColor * modColor;
    else
        color = vtxColor;
}
)";

static constexpr int RequiredMajor = 3;
static constexpr int RequiredMinor = 3;

static void ReportMissingGL()
{
    char caption[64], text[128];
    std::snprintf(caption, sizeof caption, "OpenGL %d.%d Not Supported", RequiredMajor,
                  RequiredMinor);
    std::snprintf(text, sizeof text,
                  "OpenGL %d.%d is not supported! Please download latest GPU drivers!",
                  RequiredMajor, RequiredMinor);
    PlatformShowMessageBox(caption, text, MESSAGE_BOX_INFORMATION);
}

bool CreateGLContext()
{
    // A driver that cannot make a 3.3 core context has no OpenGL 3.3 for us.
    if (!PlatformCreateGLContext())
    {
        ReportMissingGL();
        return false;
    }
#if GL_API_ES
    // WebGL 2 is all there is to ask for, and the context above is one.
    return true;
#else
    glewExperimental = GL_TRUE; // core contexts list their extensions the 3.0 way
    GLenum result = glewInit();
    if (result != GLEW_OK)
    {
        std::fprintf(stderr, "Error: %s\n", glewGetErrorString(result));
        PlatformDestroyGLContext();
        return false;
    }
    // GLEW asks for the extension string the old way, which a core context refuses; that
    // refusal is GLEW's, not ours.
    while (glGetError() != GL_NO_ERROR) {}

    char version[32];
    std::snprintf(version, sizeof version, "GL_VERSION_%d_%d", RequiredMajor, RequiredMinor);
    if (glewIsSupported(version)) return true;
    ReportMissingGL();
    PlatformDestroyGLContext();
    return false;
#endif
}

void CheckGLError(int line, const char* file)
{
    if (!GraphicsReady) return;
    for (GLenum code = glGetError(); code != GL_NO_ERROR; code = glGetError())
    {
        const char* name = "";
        switch (code)
        {
        case GL_INVALID_ENUM: name = "INVALID_ENUM"; break;
        case GL_INVALID_VALUE: name = "INVALID_VALUE"; break;
        case GL_INVALID_OPERATION: name = "INVALID_OPERATION"; break;
        case GL_OUT_OF_MEMORY: name = "OUT_OF_MEMORY"; break;
        case GL_INVALID_FRAMEBUFFER_OPERATION: name = "INVALID_FRAMEBUFFER_OPERATION"; break;
        }
        std::string text = std::string("GL_") + name + " - " + file + ":" +
                           std::to_string(line) + "\n";
        PlatformDebugOutput(text.c_str());
        std::fputs(text.c_str(), stdout);
    }
}

// Shows the info log of a shader or program whose compile or link status is false.
static void ReportFailure(GLuint object, GLenum statusName,
                          PFNGLGETSHADERIVPROC getParameter, PFNGLGETSHADERINFOLOGPROC getLog,
                          const char* caption)
{
    GLint status = GL_FALSE;
    getParameter(object, statusName, &status);
    if (status) return;
    GLint length = 0;
    getParameter(object, GL_INFO_LOG_LENGTH, &length);
    if (length <= 0) return;
    std::vector<char> log(static_cast<size_t>(length) + 1, '\0');
    getLog(object, length, nullptr, log.data());
    PlatformShowMessageBox(caption, log.data(), MESSAGE_BOX_ERROR);
}

void CheckShaderCompile(unsigned int shader)
{
    // One caption for both stages: the log itself says which shader failed.
    ReportFailure(shader, GL_COMPILE_STATUS, glGetShaderiv, glGetShaderInfoLog,
                  "Vertex Shader Compilation Error");
}

void CheckProgramLink(unsigned int program)
{
    ReportFailure(program, GL_LINK_STATUS, glGetProgramiv, glGetProgramInfoLog,
                  "Shader Linking Error");
}

// The first lines of every shader: GLSL 3.30 on the desktop; GLSL ES 3.00 in the browser, which
// wants the precision of floats said (high, as the desktop computes them).
#if GL_API_ES
static const char* const ShaderVersionLines = "#version 300 es\nprecision highp float;\n";
static const char* const OverlayVersionLine = "#version 300 es";
#else
static const char* const ShaderVersionLines = "#version 330\n";
static const char* const OverlayVersionLine = "#version 330";
#endif

unsigned int BuildProgram(const char* vertexSource, const char* fragmentSource)
{
    GLuint vertex = glCreateShader(GL_VERTEX_SHADER);
    GLuint fragment = glCreateShader(GL_FRAGMENT_SHADER);
    const char* vertexLines[] = {ShaderVersionLines, vertexSource};
    const char* fragmentLines[] = {ShaderVersionLines, fragmentSource};
    glShaderSource(vertex, 2, vertexLines, nullptr);
    glCompileShader(vertex);
    CheckShaderCompile(vertex);
    glShaderSource(fragment, 2, fragmentLines, nullptr);
    glCompileShader(fragment);
    CheckGLError(__LINE__);
    CheckShaderCompile(fragment);
    GLuint program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    CheckGLError(__LINE__);
    glLinkProgram(program);
    CheckGLError(__LINE__);
    CheckProgramLink(program);
    glDetachShader(program, vertex);
    glDetachShader(program, fragment);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    return program;
}

void CreateShaderPrograms()
{
    MeshProgram = BuildProgram(MeshVertexShaderSource, MeshFragmentShaderSource);
    LineProgram = BuildProgram(LineVertexShaderSource, LineFragmentShaderSource);
    // Asking by name costs a string search in the driver; every draw would pay it again.
    MeshUniforms = {glGetUniformLocation(MeshProgram, "mtxViewProj"),
                    glGetUniformLocation(MeshProgram, "mtxModel"),
                    glGetUniformLocation(MeshProgram, "mtxTexture"),
                    glGetUniformLocation(MeshProgram, "modColor"),
                    glGetUniformLocation(MeshProgram, "useModColor"),
                    glGetUniformLocation(MeshProgram, "useTexture"),
                    glGetUniformLocation(MeshProgram, "colorTexture")};
    LineUniforms = {glGetUniformLocation(LineProgram, "mtxViewProj"),
                    glGetUniformLocation(LineProgram, "modColor"),
                    glGetUniformLocation(LineProgram, "useModColor")};
}

static void CreateLineBatchBuffer()
{
    glGenVertexArrays(1, &LineVertexArray);
    glGenBuffers(1, &LineBuffer);
    glBindVertexArray(LineVertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, LineBuffer);
    glBufferData(GL_ARRAY_BUFFER, MaxLineVertices * sizeof(LineVertex), nullptr,
                 GL_DYNAMIC_DRAW);
    CheckGLError(__LINE__);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, sizeof(LineVertex), nullptr);
    glVertexAttribPointer(1, 4, GL_FLOAT, GL_FALSE, sizeof(LineVertex),
                          reinterpret_cast<void*>(offsetof(LineVertex, r)));
    glBindVertexArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

static void SetFixedState()
{
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glBlendEquation(GL_FUNC_ADD);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glActiveTexture(GL_TEXTURE0);
    glEnable(GL_DEPTH_TEST);
#if GL_API_ES
    glClearDepthf(1.0f);
#else
    glClearDepth(1.0);
#endif
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LEQUAL);
#if GL_API_ES
    glDepthRangef(0.0f, 1.0f);
#else
    glDepthRange(0.0, 1.0);
#endif
    CheckGLError(__LINE__);
    glEnable(GL_SCISSOR_TEST);
    glBlendEquation(GL_FUNC_ADD);
    CheckGLError(__LINE__);
    glBlendFuncSeparate(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA, GL_SRC_ALPHA,
                        GL_ONE_MINUS_SRC_ALPHA);
    CheckGLError(__LINE__);
}

static void CreateOverlay()
{
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr; // the game keeps no files of its own
    io.LogFilename = nullptr;
    const struct
    {
        ImGuiKey key;
        int code;
    } keyMap[] = {
        {ImGuiKey_Tab, KEY_TAB},         {ImGuiKey_LeftArrow, KEY_LEFT},
        {ImGuiKey_RightArrow, KEY_RIGHT}, {ImGuiKey_UpArrow, KEY_UP},
        {ImGuiKey_DownArrow, KEY_DOWN},   {ImGuiKey_PageUp, KEY_PAGE_UP},
        {ImGuiKey_PageDown, KEY_PAGE_DOWN}, {ImGuiKey_Home, KEY_HOME},
        {ImGuiKey_End, KEY_END},         {ImGuiKey_Delete, KEY_DELETE},
        {ImGuiKey_Backspace, KEY_BACKSPACE}, {ImGuiKey_Enter, KEY_ENTER},
        {ImGuiKey_Escape, KEY_ESCAPE},   {ImGuiKey_A, 'A'},
        {ImGuiKey_C, 'C'},               {ImGuiKey_V, 'V'},
        {ImGuiKey_X, 'X'},               {ImGuiKey_Y, 'Y'},
        {ImGuiKey_Z, 'Z'},
    };
    for (const auto& entry : keyMap) io.KeyMap[entry.key] = entry.code;
    ImGui_ImplOpenGL3_Init(OverlayVersionLine);
}

bool InitGraphics()
{
    if (GraphicsReady) return true;
    if (!CreateGLContext()) return false;
    GraphicsReady = true;

    CreateLineBatchBuffer();
    CreateShaderPrograms();
    CreateDrawBatch();

    uint32_t width = 0, height = 0;
    PlatformGetClientSize(&width, &height);
    SetViewHalfExtents(width, height);
    SetProjectionToWindow();
    Matrix4Identity(ViewMatrix);
    MultiplyProjectionView();

    SetFixedState();
    ResetMeshBuilder();
    ResetLineBatch();
    CreateOverlay();
    return true;
}

// A frame started twice without being rendered (a test drawing several frames' worth at
// once) is ended quietly rather than tripping the overlay's own checks.
static bool OverlayFrameOpen = false;

void StartOverlayFrame()
{
    if (!GraphicsReady) return;
    if (OverlayFrameOpen) ImGui::EndFrame();
    ImGui_ImplOpenGL3_NewFrame();
    ImGuiIO& io = ImGui::GetIO();
    io.DisplaySize = ImVec2(static_cast<float>(WindowWidth), static_cast<float>(WindowHeight));
    io.DeltaTime = FrameTime > 0.0 ? static_cast<float>(FrameTime) : 1.0f / 60.0f;
    const float cx = MousePosition.x + WindowWidth * 0.5f;
    const float cy = WindowHeight * 0.5f - MousePosition.y;
    io.MousePos = MouseInWindow ? ImVec2(cx, cy) : ImVec2(-1.0f, -1.0f);
    io.MouseDown[0] = IsMouseButtonDown(0);
    io.MouseDown[1] = IsMouseButtonDown(1);
    io.MouseWheel = MouseWheel;
    for (int k = 0; k < 256; ++k) io.KeysDown[k] = KeyState[k] != 0;
    io.KeyCtrl = IsKeyDown(KEY_CONTROL);
    io.KeyShift = IsKeyDown(KEY_SHIFT);
    for (uint32_t k = '0'; k <= 'Z'; ++k)
        if (IsKeyTriggered(k) && (k <= '9' || k >= 'A')) io.AddInputCharacter(k);
    ImGui::NewFrame();
    OverlayFrameOpen = true;
}

void RenderOverlay()
{
    FlushDrawBatch();
    if (!GraphicsReady || !OverlayFrameOpen) return;
    OverlayFrameOpen = false;
    ImGui::Render();
    ImGui_ImplOpenGL3_RenderDrawData(ImGui::GetDrawData());
}

static constexpr const char* LeakReportFormat =
    "NOT ALL RESOURCES HAVE BEEN RELEASED!\n"
    "\t\t\t\t\t\t  Remaining Textures = %i\n"
    "\t\t\t\t\t\t  Remaining Triangle Meshes = %i\n"
    "\t\t\t\t\t\t  Remaining Fonts = %i\n"
    "\t\t\t\t\t\t  Remaining Render Textures = %i\n";

void ShutdownGraphics()
{
    const int textures = LiveTextureCount();
    const int meshes = LiveMeshCount();
    const int fonts = 0;         // the game makes no fonts
    const int renderTargets = 0; // nor render textures
    if (textures || meshes || fonts || renderTargets)
    {
        char report[512];
        std::snprintf(report, sizeof report, LeakReportFormat, textures, meshes, fonts,
                      renderTargets);
        PlatformShowMessageBox("ERROR", report, MESSAGE_BOX_WARNING);
    }
    ReleaseAllMeshes();
    ReleaseAllTextures();
    DiscardAllPictures();

    if (!GraphicsReady) return;
    if (OverlayFrameOpen) ImGui::EndFrame();
    OverlayFrameOpen = false;
    ImGui_ImplOpenGL3_Shutdown();
    ImGui::DestroyContext();
    DestroyDrawBatch();
    glDeleteProgram(MeshProgram);
    glDeleteProgram(LineProgram);
    glDeleteBuffers(1, &LineBuffer);
    glDeleteVertexArrays(1, &LineVertexArray);
    MeshProgram = LineProgram = LineBuffer = LineVertexArray = 0;
    MeshUniforms = {-1, -1, -1, -1, -1, -1, -1};
    LineUniforms = {-1, -1, -1};
    GraphicsReady = false;
    PlatformDestroyGLContext();
}
