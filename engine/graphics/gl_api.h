// gl_api.h: the OpenGL functions the renderer calls.
//
// On the desktop OpenGL 3.3 core through GLEW's loader; in the browser WebGL 2, which is
// OpenGL ES 3.0 and needs no loader. The renderer's code is the same on both; where the two
// differ (the shaders' version line, a few entry points) it asks GL_API_ES.
#pragma once

#ifdef __EMSCRIPTEN__
#include <GLES3/gl3.h>
#define GL_API_ES 1
#else
#include <GL/glew.h>
#define GL_API_ES 0
#endif
